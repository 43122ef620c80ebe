// Periods, the validity rule and the lines of the level and event lists.
#include "analysis/tables/Fonctions_Tableau.h"

#include "analysis/core/Fonctions.h"

#include <QDate>
#include <array>
#include <optional>

namespace Fonctions_Tableau {

using Declaration::Enregistrement_Memoire;
using Declaration::Table_Donnees;

bool Ligne_Valide(const Enregistrement_Memoire &r)
{
    return r[1] >= 0 && r[1] <= 59 && r[2] >= 0 && r[2] <= 23 && r[3] >= 1 && r[3] <= 31 && r[4] >= 1 &&
           r[4] <= 12 && r[5] >= 1 && r[5] <= 99 && r[6] != 255 && r[7] != 255 && r[8] != 255;
}

int64_t Moment(int jour, int mois, int annee, int heure, int minute)
{
    if (annee >= 0 && annee < 100)
        annee += 2000;
    if (heure < 0 || heure > 23 || minute < 0 || minute > 59 || !QDate::isValid(annee, mois, jour))
        return -1;
    return QDate(annee, mois, jour).toJulianDay() * 1440 + heure * 60 + minute;
}

int64_t Moment_Ligne(const Enregistrement_Memoire &r)
{
    return Moment(r[3], r[4], 2000 + r[5], r[2], r[1]);
}

static Periode_Liste periode(int64_t debut, int64_t fin)
{
    if (debut < 0 || fin < 0)
        return {}; // a selection that is no real date holds nothing
    return {debut, fin};
}

Periode_Liste Periode_Tableau(const Declaration::Selection &s)
{
    return periode(
        Moment(s.Jour_Debut_Selection, s.Mois_Debut_Selection, 2000 + s.Annee_Debut_Selection, 0, 0),
        Moment(s.Jour_Fin_Selection, s.Mois_Fin_Selection, 2000 + s.Annee_Fin_Selection, 23, 59));
}

Periode_Liste Periode_Graphique(const Declaration::Etat_Graphique &g)
{
    const int dernier = g.Nombre_Jours_Graphique + 1;
    if (dernier < 2 || dernier >= static_cast<int>(g.Jours_Graphique.size()))
        return {};
    const auto &a = g.Jours_Graphique[1];
    const auto &b = g.Jours_Graphique[static_cast<size_t>(dernier)];
    return periode(Moment(a[1], a[2], 2000 + a[3], 12, 0), Moment(b[1], b[2], 2000 + b[3], 12, 0));
}

namespace {

QString deux_chiffres(int n)
{
    return Fonctions::Deux_Chiffres(n);
}

// Date part of a line up to and including "à" and the blanks after it; rows of one day share it,
// so it is built once a day.
class Prefixes
{
public:
    explicit Prefixes(Libelles l) : m_graphique(l == Libelles::Graphique) {}

    // The whole date-time prefix of a row; `jour` receives the text up to and including "à".
    QString prefixe(const Enregistrement_Memoire &r, QStringView *jour)
    {
        if (r[3] != m_jour || r[4] != m_mois || r[5] != m_annee) {
            m_jour = r[3];
            m_mois = r[4];
            m_annee = r[5];
            const QString nom = Fonctions::Nom_Jour(r[3], r[4], 2000 + r[5]);
            const QString sep = m_graphique ? QStringLiteral("   ") : QStringLiteral("  ");
            m_date = (m_graphique ? QStringLiteral("          ") : QStringLiteral("   ")) + nom + sep +
                     deux_chiffres(r[3]) + sep + Fonctions::Nom_Mois(r[4]) + sep +
                     QString::number(2000 + r[5]) + sep + QStringLiteral("à");
            m_cle_longueur = m_date.size();
            m_date += sep;
        }
        *jour = QStringView(m_date).left(m_cle_longueur);
        return m_date + deux_chiffres(r[2]) + QStringLiteral(" h. ") + deux_chiffres(r[1]);
    }

private:
    bool m_graphique;
    int m_jour = -1, m_mois = -1, m_annee = -1;
    QString m_date;
    qsizetype m_cle_longueur = 0;
};

// The day-change rule: an empty line before a row of another day than the list's last line.
void changement_jour(QStringList &lignes, int32_t ligne, QStringView jour)
{
    if (ligne <= 1 || lignes.isEmpty() || lignes.constLast().isEmpty())
        return;
    const QString &derniere = lignes.constLast();
    const qsizetype a = derniere.indexOf(QChar(u'à'));
    if (a < 0 || QStringView(derniere).left(a + 1) != jour)
        lignes.append(QString());
}

enum class Sorte { Leq10, Leq5, Leq1, Crete, Aucune };

Sorte sorte(const QString &type)
{
    if (type == Niveau_Leq10)
        return Sorte::Leq10;
    if (type == Niveau_Leq5)
        return Sorte::Leq5;
    if (type == Niveau_Leq1)
        return Sorte::Leq1;
    if (type == Niveau_Crete)
        return Sorte::Crete;
    return Sorte::Aucune;
}

// The level a row shows in a list of this kind, none when the row gives no line there.
std::optional<int> niveau(Sorte s, const Enregistrement_Memoire &r)
{
    switch (s) {
    case Sorte::Leq10: return r[6] <= 127 ? std::optional<int>(r[6]) : std::nullopt;
    case Sorte::Leq5: return r[6] >= 128 ? std::optional<int>(r[6] - 128) : std::nullopt;
    case Sorte::Leq1: return r[7];
    case Sorte::Crete: return r[8];
    case Sorte::Aucune: break;
    }
    return std::nullopt;
}

// "=" and "<" labels, table wording then graph wording, by kind.
struct Libelle
{
    QString egal, inferieur;
};

const Libelle &libelle(Sorte s, Libelles l)
{
    static const std::array<Libelle, 4> tableau{{
        {QStringLiteral("  :  Niveau Leq 10 Min. =  "), QStringLiteral("  :  Niveau Leq 10 Min. <  ")},
        {QStringLiteral("  :  Niveau Leq 5 Min. =  "), QStringLiteral("  :  Niveau Leq 5 Min. <  ")},
        {QStringLiteral("  :  Niveau Leq 1 Min. =  "), QStringLiteral("  :  Niveau Leq 1 Min. <  ")},
        {QStringLiteral("  :  Niveau Leq Crête =  "), QStringLiteral("  :  Niveau Leq Crête <  ")},
    }};
    // "Minutes" also for the 1-minute kind: the graph window has always said so.
    static const std::array<Libelle, 4> graphique{{
        {QStringLiteral("   :   Niveau Leq 10 Minutes  =   "),
         QStringLiteral("   :   Niveau Leq 10 Minutes  <   ")},
        {QStringLiteral("   :   Niveau Leq 5 Minutes  =   "),
         QStringLiteral("   :   Niveau Leq 5 Minutes  <   ")},
        {QStringLiteral("   :   Niveau Leq 1 Minutes  =   "),
         QStringLiteral("   :   Niveau Leq 1 Minutes  <   ")},
        {QStringLiteral("   :   Niveau Leq Crête  =   "), QStringLiteral("   :   Niveau Leq Crête  <   ")},
    }};
    return (l == Libelles::Tableau ? tableau : graphique)[static_cast<size_t>(s)];
}

} // namespace

QStringList Lignes_Leq(const Table_Donnees &t, const Periode_Liste &p, const QString &type, bool modele_40db,
                       Libelles libelles, const Avancement &tous_les_50)
{
    const Sorte s = sorte(type);
    const bool crete = s == Sorte::Crete;
    const int plancher = (modele_40db ? 40 : 60) + (crete ? 10 : 0);
    const QString unite = crete ? QStringLiteral(" dB.") : QStringLiteral(" dBA.");
    Prefixes prefixes(libelles);
    QStringList lignes;
    // The bound is read at each turn: window events run between rows.
    for (int32_t i = 1; i <= t.Nombre_Lignes(); ++i) {
        const Enregistrement_Memoire &r = t.rows[static_cast<size_t>(i)];
        if (s != Sorte::Aucune && r[6] >= 40 && Ligne_Valide(r) && p.Contient(Moment_Ligne(r))) {
            QStringView jour;
            const QString prefixe = prefixes.prefixe(r, &jour);
            changement_jour(lignes, i, jour);
            if (const std::optional<int> v = niveau(s, r)) {
                const Libelle &l = libelle(s, libelles);
                lignes.append(prefixe + (*v == plancher ? l.inferieur : l.egal) + QString::number(*v) +
                              unite);
            }
        }
        if (i % 50 == 0 && tous_les_50)
            tous_les_50(i);
    }
    return lignes;
}

QStringList Lignes_Evenements(const Table_Donnees &t, const Periode_Liste &p, Libelles libelles,
                              const Avancement &tous_les_50, const QLocale &locale)
{
    const bool graphique = libelles == Libelles::Graphique;
    const QString separateur = graphique ? QStringLiteral("  :  ") : QStringLiteral("   :   ");
    // Event lines keep the table's date layout in both windows.
    Prefixes prefixes(Libelles::Tableau);
    QStringList lignes;
    // The bound is read at each turn: window events run between rows.
    for (int32_t i = 1; i <= t.Nombre_Lignes(); ++i) {
        const Enregistrement_Memoire &r = t.rows[static_cast<size_t>(i)];
        if (r[6] < 40 && p.Contient(Moment_Ligne(r))) {
            QStringView jour;
            const QString prefixe = prefixes.prefixe(r, &jour);
            changement_jour(lignes, i, jour);
            const QString texte =
                graphique ? Texte_Evenement_Court(t, i, locale) : Texte_Evenement(t, i, locale);
            lignes.append(prefixe + separateur + texte + QLatin1Char('.'));
        }
        if (i % 50 == 0 && tous_les_50)
            tous_les_50(i);
    }
    if (lignes.isEmpty()) {
        lignes = QStringList(4, QString());
        lignes.append(graphique ? Texte_Aucun_Evenement_Jour : Texte_Aucun_Evenement);
    }
    return lignes;
}

} // namespace Fonctions_Tableau
