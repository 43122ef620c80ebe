// The rubber band's range and the moment of a pane list's row, worked out without a widget.
#include "analysis/graph_window/Zoom_Graphique.h"

#include <QChar>
#include <array>
#include <cmath>
#include <utility>

namespace Zoom_Graphique {

namespace {

// As the pattern "0.0" writes a value, read back: halves away from zero.
double unDecimal(double v)
{
    return std::round(v * 10) / 10;
}

// Reads a row left to right with 1-based positions, never past its last character.
class Lecteur
{
public:
    explicit Lecteur(const QString &ligne) : m_ligne(ligne) {}

    bool chiffre(qsizetype p) const { return p >= 1 && p <= m_ligne.size() && m_ligne.at(p - 1).isDigit(); }
    bool avantDernier() const { return m_pos < m_ligne.size(); }

    void allerAuChiffre()
    {
        while (avantDernier() && !chiffre(m_pos))
            ++m_pos;
    }
    void avancer(qsizetype n) { m_pos += n; }
    void passerBlancs()
    {
        while (m_pos >= 1 && m_pos <= m_ligne.size() && m_ligne.at(m_pos - 1) == QLatin1Char(' ') &&
               avantDernier())
            ++m_pos;
    }
    // The characters up to the next blank; the row's last character ends the word and is not taken.
    QString mot()
    {
        QString m;
        while (avantDernier() && m_pos >= 1 && m_ligne.at(m_pos - 1) != QLatin1Char(' '))
            m += m_ligne.at(m_pos++ - 1);
        return m;
    }
    // The whole number that the next n characters spell: leading blanks, then digits up to any other one.
    int16_t valeur(qsizetype n) const
    {
        const QString groupe = m_pos >= 1 ? m_ligne.mid(m_pos - 1, n) : QString();
        int v = 0;
        qsizetype i = 0;
        while (i < groupe.size() && groupe.at(i) == QLatin1Char(' '))
            ++i;
        for (; i < groupe.size() && groupe.at(i).isDigit(); ++i)
            v = 10 * v + groupe.at(i).digitValue();
        return static_cast<int16_t>(v);
    }

private:
    const QString &m_ligne;
    qsizetype m_pos = 1;
};

int16_t numeroMois(const QString &mot)
{
    static const std::array<QString, 12> mois{
        QStringLiteral("Janvier"), QStringLiteral("Février"),  QStringLiteral("Mars"),
        QStringLiteral("Avril"),   QStringLiteral("Mai"),      QStringLiteral("Juin"),
        QStringLiteral("Juillet"), QStringLiteral("Août"),     QStringLiteral("Septembre"),
        QStringLiteral("Octobre"), QStringLiteral("Novembre"), QStringLiteral("Décembre")};
    for (size_t i = 0; i < mois.size(); ++i)
        if (mot == mois[i])
            return static_cast<int16_t>(i + 1);
    return 0;
}

} // namespace

std::optional<Cadre> Cadre_Bande(double x1, double y1, double x2, double y2)
{
    if (std::abs(x1 - x2) < 1 || std::abs(std::abs(y1) - std::abs(y2)) < 5)
        return std::nullopt;
    if (x1 > x2)
        std::swap(x1, x2);
    if (std::abs(y2) < std::abs(y1))
        std::swap(y1, y2);
    return Cadre{unDecimal(x1), unDecimal(std::abs(y1)), unDecimal(x2), unDecimal(std::abs(y2))};
}

Moment_Ligne Lecture_Ligne(const QString &ligne)
{
    Moment_Ligne m;
    Lecteur l(ligne);
    l.allerAuChiffre();
    m.Jour = l.valeur(2);
    l.avancer(2);
    l.passerBlancs();
    m.Mois = numeroMois(l.mot());
    l.allerAuChiffre();
    m.Annee = l.valeur(4);
    l.avancer(4);
    l.allerAuChiffre();
    m.Heure = l.valeur(2);
    l.avancer(2);
    l.allerAuChiffre();
    m.Minute = l.valeur(2);
    return m;
}

QString Cle_Ligne(const QString &ligne)
{
    const qsizetype deuxPoints = ligne.indexOf(QLatin1Char(':'));
    return deuxPoints < 0 ? QString() : ligne.left(deuxPoints + 1);
}

} // namespace Zoom_Graphique
