// Which rows a curve shows, where they stand in a pane, and one step of the curve.
#include "analysis/graph_drawing/Fonctions_Graphique_Courbe.h"

#include "analysis/tables/Fonctions_Tableau.h"
#include "platform/drawing_surface.h"

#include <cmath>

using Declaration::Enregistrement_Memoire;

namespace Fonctions_Graphique {

Serie Serie_De(const QString &texte)
{
    if (texte == Fonctions_Tableau::Niveau_Leq10)
        return Serie::Leq10;
    if (texte == Fonctions_Tableau::Niveau_Leq5)
        return Serie::Leq5;
    if (texte == Fonctions_Tableau::Niveau_Leq1)
        return Serie::Leq1;
    if (texte == Fonctions_Tableau::Niveau_Crete)
        return Serie::Crete;
    return Serie::Aucune;
}

std::optional<Periode_Trace> Periode_Du_Graphique(const Declaration::Etat_Graphique &g)
{
    const int minutes = Minutes_Par_Unite(g.Nombre_Jours_Graphique);
    if (minutes == 0)
        return std::nullopt; // no column of the period table to read
    const Fonctions_Tableau::Periode_Liste p = Fonctions_Tableau::Periode_Graphique(g);
    if (p.Fin < p.Debut)
        return std::nullopt; // a day that is no real date
    return Periode_Trace{p.Debut, p.Fin, static_cast<double>(minutes)};
}

bool Ligne_Considere(const Enregistrement_Memoire &r)
{
    return r[1] >= 0 && r[1] <= 59 && r[2] >= 0 && r[2] <= 23 && r[3] >= 1 && r[3] <= 31 && r[4] >= 1 &&
           r[4] <= 12 && r[5] >= 0 && r[5] <= 99 && r[6] != 255 && r[7] != 255 && r[8] != 255;
}

double Ordonnee_Serie(const Enregistrement_Memoire &r, Serie serie)
{
    switch (serie) {
    case Serie::Leq10: return r[6] >= 40 && r[6] <= 127 ? -r[6] : 0.0;
    case Serie::Leq5: return r[6] >= 128 ? 128.0 - r[6] : 0.0;
    case Serie::Leq1: return -r[7];
    case Serie::Crete: return -r[8];
    case Serie::Aucune: break;
    }
    return 0;
}

void Tracer_Point(platform::DrawingSurface &box, Etat_Trace &e)
{
    const double x = e.Point_X;
    const double y = e.Point_Y;
    box.PSet(static_cast<float>(x), static_cast<float>(y));
    if (e.Point_Y_Precedent != 0 && x - e.Point_X_Precedent <= Seuil_Jonction) {
        const auto xp = static_cast<float>(e.Point_X_Precedent);
        box.Line(xp, static_cast<float>(e.Point_Y_Precedent), xp, static_cast<float>(y));
        box.Line(xp, static_cast<float>(y), static_cast<float>(x), static_cast<float>(y));
    } else {
        box.Line(static_cast<float>(x - Longueur_Trait), static_cast<float>(y), static_cast<float>(x),
                 static_cast<float>(y));
    }
    e.Point_X_Precedent = x;
    e.Point_Y_Precedent = y;
}

QString Texte_Progression(double valeur, int64_t total)
{
    return QStringLiteral("Données traitées = ") + QString::number(std::llround(valeur)) +
           QStringLiteral(" / ") + QString::number(total);
}

double Niveau_Fleche(const Enregistrement_Memoire &r, const QString &choix)
{
    // The byte of the pane's series, whatever kind of row stands at the cursor time.
    if (choix == Choix_Leq10)
        return -r[6];
    if (choix == Choix_Leq5)
        return 128.0 - r[6];
    if (choix == Choix_Leq1)
        return -r[7];
    if (choix == Choix_Crete)
        return -r[8];
    return 0;
}

} // namespace Fonctions_Graphique
