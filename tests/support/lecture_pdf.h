// Reads a printed PDF back with poppler's pdftotext: the words of each page and where they stand.
#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace lecture_pdf {

struct Mot
{
    QString texte;
    double xMin, yMin, xMax, yMax; // points from the page's top left corner
};

struct Page
{
    double largeur, hauteur; // points
    std::vector<Mot> mots;

    const Mot *trouver(const QString &texte) const
    {
        for (const Mot &m : mots)
            if (m.texte == texte)
                return &m;
        return nullptr;
    }
    // The word on the line whose top stands within half a point of `y`.
    const Mot *trouver(const QString &texte, double y) const
    {
        for (const Mot &m : mots)
            if (m.texte == texte && m.yMin > y - 0.5 && m.yMin < y + 0.5)
                return &m;
        return nullptr;
    }
    // The words whose top stands within half a point of `y`, left to right, joined by blanks.
    QString ligne(double y) const
    {
        std::vector<const Mot *> dessus;
        for (const Mot &m : mots)
            if (m.yMin > y - 0.5 && m.yMin < y + 0.5)
                dessus.push_back(&m);
        std::sort(dessus.begin(), dessus.end(), [](const Mot *a, const Mot *b) { return a->xMin < b->xMin; });
        QStringList textes;
        for (const Mot *m : dessus)
            textes << m->texte;
        return textes.join(QLatin1Char(' '));
    }
    // Every word of the page, in order, joined by blanks.
    QString texte() const
    {
        QStringList textes;
        for (const Mot &m : mots)
            textes << m.texte;
        return textes.join(QLatin1Char(' '));
    }
};

// pdftotext writes a word's markup characters as entities.
inline QString Sans_Entites(QString texte)
{
    return texte.replace(QStringLiteral("&apos;"), QStringLiteral("'"))
        .replace(QStringLiteral("&#39;"), QStringLiteral("'"))
        .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
        .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
}

inline std::vector<Page> Lire(const QString &pdf)
{
    static const QRegularExpression pageOuMot(QStringLiteral(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" )re"
        R"re(xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    if (process.exitCode() != 0)
        return {};
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    std::vector<Page> pages;
    for (auto it = pageOuMot.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.capturedLength(1) > 0)
            pages.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(), {}});
        else if (!pages.empty())
            pages.back().mots.push_back({Sans_Entites(m.captured(7)), m.captured(3).toDouble(),
                                         m.captured(4).toDouble(), m.captured(5).toDouble(),
                                         m.captured(6).toDouble()});
    }
    return pages;
}

} // namespace lecture_pdf
