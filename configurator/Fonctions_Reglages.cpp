#include "configurator/Fonctions_Reglages.h"

#include "configurator/Controles_Config.h"
#include "panel_link/Fonctions_ASCII.h"

#include <cstdlib>

namespace configurator::Fonctions_Reglages {

QString Texte_Offset(int v)
{
    if (v == 0)
        return QStringLiteral("Offset = 00 dB.");
    if (v > 0 && v < 10)
        return QStringLiteral("Offset = +0%1 dB.").arg(v);
    if (v < 0 && v > -10)
        return QStringLiteral("Offset = -0%1 dB.").arg(-v);
    if (v > 0)
        return QStringLiteral("Offset = +%1 dB.").arg(v);
    return QStringLiteral("Offset = %1 dB.").arg(v);
}

QString Texte_Alarme(int v)
{
    return QStringLiteral("Niveau d'Alarme = %1 dB.").arg(v);
}

QString Texte_Luminosite(int v)
{
    return v < 10 ? QStringLiteral("Niveau de Luminosité = 0%1.").arg(v)
                  : QStringLiteral("Niveau de Luminosité = %1.").arg(v);
}

int Octet_Offset(int v)
{
    if (v >= 32)
        return 0x7F;
    if (v <= -32)
        return 0xFF;
    if (v < 0)
        return -v * 4 + 128;
    return v * 4;
}

int Valeur_Affichage(const QString &texte)
{
    using namespace Textes_Affichage;
    if (texte == Leq10)
        return 2;
    if (texte == Leq5)
        return 4;
    if (texte == Leq1)
        return 3;
    if (texte == Leq1s)
        return 1;
    if (texte == Desactiver)
        return 0x88;
    if (texte == Crete)
        return 0;
    return -1;
}

bool Conflit_Affichage(const QString &centre, const QString &bas_gauche)
{
    using namespace Textes_Affichage;
    return (centre == Leq10 && bas_gauche == Leq5) || (centre == Leq5 && bas_gauche == Leq10);
}

Trames_Nom Trames_Du_Nom(const QString &nom)
{
    Trames_Nom r;
    for (int position = 1; position <= 24; ++position) {
        int code = 32;
        if (position <= nom.size()) {
            const QString caractere = nom.mid(position - 1, 1);
            code = Fonctions_ASCII::Caractere_Vers_Code(caractere);
            if (code == 0) {
                r.trames.clear();
                r.caractere_invalide = caractere;
                return r;
            }
        }
        r.trames.emplace_back(0x1F + position, code);
    }
    return r;
}

std::vector<Trame> Trames_Numero_Serie(const QString &numero)
{
    if (numero.isEmpty())
        return {};
    for (const QChar c : numero)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return {};
    const QString chiffres = numero.rightJustified(8, QLatin1Char('0'));
    std::vector<Trame> trames;
    for (int position = 1; position <= chiffres.size(); ++position)
        trames.emplace_back(0x0F + position, chiffres[position - 1].digitValue());
    return trames;
}

namespace {

// A part of the time as a whole number; nullopt when it is not one.
std::optional<int> Nombre(const QString &texte)
{
    bool ok = false;
    const int n = texte.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return n;
}

} // namespace

Heure_Lue Lire_Heure(const QString &t)
{
    Heure_Lue r;
    QString h, m;
    const int deux_points = t.indexOf(QLatin1Char(':'));
    if ((t.size() == 3 || t.size() == 4) && deux_points == 1) {
        h = t.left(1);
        m = t.mid(2);
    } else if ((t.size() == 4 || t.size() == 5) && t.size() > 2 && t[2] == QLatin1Char(':')) {
        h = t.left(2);
        m = t.mid(3);
    } else {
        r.erreur = Erreur_Heure::Format;
        return r;
    }
    const auto heures = Nombre(h);
    const auto minutes = Nombre(m);
    if (!heures || !minutes || *heures < 0 || *heures >= 24 || *minutes < 0 || *minutes >= 60) {
        r.erreur = Erreur_Heure::Caracteres;
        return r;
    }
    r.heures = *heures;
    r.minutes = *minutes;
    return r;
}

std::vector<Trame> Trames_Date(const QDate &date, const Conversions_BCD &bcd)
{
    return {{0x55, date.dayOfWeek() % 7},
            {0x52, bcd.Decimal_Vers_BCD(static_cast<int16_t>(date.day()))},
            {0x53, bcd.Decimal_Vers_BCD(static_cast<int16_t>(date.month()))},
            {0x54, bcd.Decimal_Vers_BCD(static_cast<int16_t>(date.year() - 2000))}};
}

} // namespace configurator::Fonctions_Reglages
