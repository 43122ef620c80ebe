#include "xlsx_lecture.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>

namespace xlsx {
namespace {

QByteArray membre(const QString &chemin, const QString &nom)
{
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), chemin, nom});
    if (!unzip.waitForFinished(30000) || unzip.exitCode() != 0)
        return {};
    return unzip.readAllStandardOutput();
}

QStringList chainesPartagees(const QByteArray &xml)
{
    QStringList chaines;
    QXmlStreamReader r(xml);
    QString courante;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement() && r.name() == QLatin1String("si"))
            courante.clear();
        else if (r.isStartElement() && r.name() == QLatin1String("t"))
            courante += r.readElementText();
        else if (r.isEndElement() && r.name() == QLatin1String("si"))
            chaines << courante;
    }
    return chaines;
}

} // namespace

std::map<QString, Cellule> Lire_Feuille(const QString &chemin)
{
    std::map<QString, Cellule> feuille;
    const QByteArray xml = membre(chemin, QStringLiteral("xl/worksheets/sheet1.xml"));
    if (xml.isEmpty())
        return feuille;
    const QStringList partagees = chainesPartagees(membre(chemin, QStringLiteral("xl/sharedStrings.xml")));

    QXmlStreamReader r(xml);
    QString ref, type;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement() && r.name() == QLatin1String("c")) {
            ref = r.attributes().value(QLatin1String("r")).toString();
            type = r.attributes().value(QLatin1String("t")).toString();
        } else if (r.isStartElement() && r.name() == QLatin1String("v")) {
            const QString v = r.readElementText();
            if (type == QLatin1String("s")) {
                const int i = v.toInt();
                feuille[ref] = {true, i >= 0 && i < partagees.size() ? partagees[i] : QString()};
            } else {
                feuille[ref] = {type == QLatin1String("str"), v};
            }
        } else if (r.isStartElement() && r.name() == QLatin1String("t") &&
                   type == QLatin1String("inlineStr")) {
            feuille[ref] = {true, r.readElementText()};
        }
    }
    return feuille;
}

int Derniere_Ligne(const std::map<QString, Cellule> &feuille)
{
    static const QRegularExpression chiffres(QStringLiteral("(\\d+)$"));
    int derniere = 0;
    for (const auto &[ref, cellule] : feuille)
        derniere = std::max(derniere, chiffres.match(ref).captured(1).toInt());
    return derniere;
}

} // namespace xlsx
