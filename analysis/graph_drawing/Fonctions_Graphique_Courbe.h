// What lies behind the curve, the cursor arrow and the maxima as plain functions: which rows count, where
// a moment stands on the time axis, the level of a series in a row, one step of the curve.
#pragma once

#include "analysis/core/Declaration.h"
#include "analysis/graph_drawing/Fonctions_Graphique.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace Fonctions_Graphique {

// A level joins the previous one when their x lie at most this far apart (just over 1/60 of a unit).
inline constexpr double Seuil_Jonction = 0.0166667;
// Length of the stroke that stands for a level not joined to a previous one.
inline constexpr double Longueur_Trait = 1.0 / 60.0;

// The level series a curve can show, named by the exact texts of Fonctions_Tableau.
enum class Serie { Aucune, Leq10, Leq5, Leq1, Crete };
Serie Serie_De(const QString &texte);

// The graph period in minutes (the scale of Fonctions_Tableau::Moment) and the minutes of one unit of the
// time axis: 60, 180 or 360 for 1, 3 or 7 days.
struct Periode_Trace
{
    int64_t Debut = 0;
    int64_t Fin = 0;
    double Minutes_Par_Unite = 60;

    bool Contient(int64_t moment) const { return moment >= 0 && moment >= Debut && moment <= Fin; }
    // x of a moment: the period start stands at 12.
    double Abscisse(int64_t moment) const
    {
        return 12.0 + static_cast<double>(moment - Debut) / Minutes_Par_Unite;
    }
};

// None for a day count other than 1, 3 or 7, or for days that are no real dates.
std::optional<Periode_Trace> Periode_Du_Graphique(const Declaration::Etat_Graphique &g);

// The row tests of the curve and the maxima: minute <= 59, hour <= 23, day 1..31, month 1..12, year-2000
// 0..99, none of bytes 6 to 8 equal to 255. A row that passes may still name an impossible date.
bool Ligne_Considere(const Declaration::Enregistrement_Memoire &r);

// y of the row's level in the series (minus the level), 0 when the row does not carry it.
double Ordonnee_Serie(const Declaration::Enregistrement_Memoire &r, Serie serie);

// Draws the point (Point_X, Point_Y) of the state: a pixel, joined to the previous point by a vertical and
// a horizontal line when it is close enough, otherwise a short stroke ending at it; then remembers it.
void Tracer_Point(platform::DrawingSurface &box, Etat_Trace &etat);

// The wait window's caption while the graph window first draws: whole numbers.
QString Texte_Progression(double valeur, int64_t total);

// Highest levels of the graph period's measurement rows; 0 where the period has none.
struct Maxima
{
    int16_t Leq10 = 0;
    int16_t Leq5 = 0;
    int16_t Leq1 = 0;
    int16_t Crete = 0;
};
Maxima Calcul_Maxima(const Declaration::Etat_Graphique &g);

// y of the cursor arrow's point from the row at the cursor time, for a pane's choice text; 0 for a text
// that names no graph.
double Niveau_Fleche(const Declaration::Enregistrement_Memoire &r, const QString &choix);

} // namespace Fonctions_Graphique
