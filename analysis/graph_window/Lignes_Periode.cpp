#include "analysis/graph_window/Lignes_Periode.h"

#include "analysis/core/Fonctions.h"
#include "analysis/graph_drawing/Fonctions_Graphique.h"

using Declaration::Enregistrement_Memoire;
using Declaration::Table_Donnees;
using Fonctions_Tableau::Periode_Liste;

namespace Lignes_Periode {

Periode_Liste Periode(const Declaration::Etat_Graphique &g)
{
    if (Fonctions_Graphique::Minutes_Par_Unite(g.Nombre_Jours_Graphique) == 0)
        return {};
    return Fonctions_Tableau::Periode_Graphique(g);
}

bool Ligne_Mesure(const Enregistrement_Memoire &r)
{
    return r[1] >= 0 && r[1] <= 59 && r[2] >= 0 && r[2] <= 23 && r[3] >= 1 && r[3] <= 31 && r[4] >= 1 &&
           r[4] <= 12 && r[5] >= 0 && r[5] <= 99 && r[6] >= 40 && r[7] != 255 && r[8] != 255 &&
           Fonctions_Tableau::Moment_Ligne(r) >= 0;
}

Indices Rechercher_Indices(const Table_Donnees &t, const Periode_Liste &p)
{
    Indices i;
    if (p.Fin < p.Debut)
        return i;
    for (int32_t r = 1; r <= t.Nombre_Lignes(); ++r) {
        const Enregistrement_Memoire &ligne = t.rows[static_cast<size_t>(r)];
        if (!Ligne_Mesure(ligne))
            continue;
        const int64_t moment = Fonctions_Tableau::Moment_Ligne(ligne);
        if (p.Contient(moment)) {
            if (i.Debut == 0)
                i.Debut = r;
        } else if (moment > p.Fin) {
            if (i.Debut != 0)
                i.Fin = r - 1;
            return i;
        }
    }
    if (i.Debut >= 1)
        i.Fin = t.Nombre_Lignes();
    return i;
}

Table_Donnees Copier_Lignes(const Table_Donnees &t, Indices i)
{
    Table_Donnees copie;
    if (i.Vides() || i.Fin < i.Debut)
        return copie;
    copie.rows.insert(copie.rows.end(), t.rows.begin() + i.Debut, t.rows.begin() + i.Fin + 1);
    return copie;
}

Presences Rechercher_Presences(const Table_Donnees &copie, const Periode_Liste &p)
{
    Presences pr;
    for (int32_t r = 1; r <= copie.Nombre_Lignes() && !(pr.Leq5 && pr.Leq10); ++r) {
        const Enregistrement_Memoire &ligne = copie.rows[static_cast<size_t>(r)];
        if (!Ligne_Mesure(ligne) || ligne[6] == 255 || !p.Contient(Fonctions_Tableau::Moment_Ligne(ligne)))
            continue;
        (ligne[6] >= 128 ? pr.Leq5 : pr.Leq10) = true;
    }
    return pr;
}

QStringList Entrees_Choix(Presences presences)
{
    const bool dix = !(presences.Leq5 && !presences.Leq10);
    const bool cinq = presences.Leq5;
    QStringList entrees;
    for (const QString &nature : {QStringLiteral("Graphique"), Prefixe_Tableau}) {
        if (dix)
            entrees << nature + QStringLiteral(" Leq 10 Minutes");
        if (cinq)
            entrees << nature + QStringLiteral(" Leq 5 Minutes");
        entrees << nature + QStringLiteral(" Leq 1 Minute") << nature + QStringLiteral(" Crête");
    }
    return entrees;
}

QString Texte_Entete(const Declaration::Parametres &p)
{
    return (p.Modele_40dB ? QStringLiteral("Pelmar - 40 dB - ") : QStringLiteral("Pelmar - ")) +
           p.Nom_Afficheur + QStringLiteral(" - Version FirmWare ") + QString::number(p.Version_Firmware[1]) +
           QLatin1Char('.') + QString::number(p.Version_Firmware[2]) + QStringLiteral(" - ") + p.Numero_Serie;
}

namespace {

QString texteJour(const std::array<int16_t, 4> &j)
{
    const QLatin1Char blanc(' ');
    return Fonctions::Nom_Jour(j[1], j[2], j[3]) + blanc + Fonctions::Deux_Chiffres(j[1]) + blanc +
           Fonctions::Nom_Mois(j[2]) + blanc + QString::number(j[3] + 2000);
}

} // namespace

QString Texte_Date(const Declaration::Etat_Graphique &g)
{
    if (Fonctions_Graphique::Minutes_Par_Unite(g.Nombre_Jours_Graphique) == 0)
        return {};
    const auto &debut = g.Jours_Graphique[1];
    const auto &fin = g.Jours_Graphique[static_cast<size_t>(g.Nombre_Jours_Graphique + 1)];
    return QStringLiteral("Graphique des Niveaux du ") + texteJour(debut) + QStringLiteral(" à 12 h. 00 ") +
           QStringLiteral(" au ") + texteJour(fin) + QStringLiteral(" à 12 h. 00");
}

} // namespace Lignes_Periode
