// What the rubber band and the list cursor of frmGraphique work out without a widget: the zoomed range
// of a dragged band, and the moment a pane list's row names.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace Zoom_Graphique {

// The range a band gives: times X1 < X2 (axis units), levels Y1 <= Y2 (positive dB), each to one
// decimal.
struct Cadre
{
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

// The band from corner (x1, y1) to (x2, y2), y being minus the level: none when it is less than one
// time unit wide or 5 dB tall (tested before rounding), else the corners in order.
std::optional<Cadre> Cadre_Bande(double x1, double y1, double x2, double y2);

// The moment written at the start of a pane list's row; fields that cannot be read stay 0.
struct Moment_Ligne
{
    int16_t Jour = 0, Mois = 0, Annee = 0, Heure = 0, Minute = 0;
};
Moment_Ligne Lecture_Ligne(const QString &ligne);

// The row's date and time up to and including its first ":", by which another list finds the same
// moment; empty for a row without one.
QString Cle_Ligne(const QString &ligne);

} // namespace Zoom_Graphique
