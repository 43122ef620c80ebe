// The drawing routines of the graph window's panes: scale and axes, zoomed grid, curve and alarm line,
// cursor arrow, maxima of the summary block and day-date labels, all on the drawing-surface interface.
#pragma once

#include "analysis/core/Declaration.h"
#include "platform/drawing_surface.h"
#include "platform/picture_box.h"

#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <utility>

namespace Fonctions_Graphique {

// ---- What the routines use of the graph window ----------------------------------------------------

constexpr int Nombre_Lignes_Heure = 29;  // Line_Heure elements 0..28
constexpr int Nombre_Lignes_Niveau = 12; // Line_Level elements 0..11

// One pane: its picture, its grid lines (lying on the picture, in its user scale) and its choice combo.
struct Volet_Graphique
{
    platform::DrawingSurface *Graphique = nullptr;                          // Graphique_Leq1..3
    std::array<platform::LineControl *, Nombre_Lignes_Heure> Line_Heure{};  // Line_Heure1..3
    std::array<platform::LineControl *, Nombre_Lignes_Niveau> Line_Level{}; // Line_Level1..3
    QComboBox *Combo_Choix = nullptr;                                       // Combo_Choix1..3
};

// A line of the window outside the panes (the summary block's frame), end points in twips of the
// window's client area; the window paints it from these values.
struct Ligne_Fenetre
{
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    bool Visible = true;
};

// The controls of frmGraphique that the routines draw on, move or fill. The window fills it when it
// loads and registers it; tests build one from their own widgets.
struct Fenetre_Graphique
{
    std::array<Volet_Graphique, 4> Volet{}; // panes 1..3; 0 unused

    // Summary block (alarm level and maxima).
    QLabel *Label_Entete_Alarme = nullptr;
    QLabel *Label_Alarme = nullptr;
    QLabel *Label_Entete_Leq10 = nullptr;
    QLabel *Label_Leq10_Maxi = nullptr;
    QLabel *Label_Entete_Leq1 = nullptr;
    QLabel *Label_Leq1_Maxi = nullptr;
    QLabel *Label_Entete_Crete = nullptr;
    QLabel *Label_Crete_Maxi = nullptr;
    QLabel *Label_Entete_Leq5 = nullptr;
    QLabel *Label_Leq5_Maxi = nullptr;
    std::array<Ligne_Fenetre *, 10> Line{}; // Line1..Line9; 0 unused

    // The events heading and list, moved up when the block holds five rows.
    QWidget *Label_Entete_Evenements = nullptr;
    QWidget *List_Evenements = nullptr;
};

// The window whose panes the routines without a pane argument use; nullptr when none is loaded (those
// routines then do nothing).
void Inscrire_Fenetre_Graphique(Fenetre_Graphique *fenetre);
Fenetre_Graphique *Fenetre();

// Texts of the pane choices.
inline const QString Choix_Leq10 = QStringLiteral("Graphique Leq 10 Minutes");
inline const QString Choix_Leq5 = QStringLiteral("Graphique Leq 5 Minutes");
inline const QString Choix_Leq1 = QStringLiteral("Graphique Leq 1 Minute");
inline const QString Choix_Crete = QStringLiteral("Graphique Crête");

// ---- Pane coordinates and font -------------------------------------------------------------------
// x: period units from the period start at x = 12 (1, 3 or 6 hours for 1, 3 or 7 days); y: minus the
// level in dB.

constexpr int Largeur_Volet_Normal = 7515; // twips
constexpr int Hauteur_Volet_Normal = 4035;

// Minutes in one x unit for a day count (60, 180 or 360), or 0 for a count other than 1, 3 or 7.
int Minutes_Par_Unite(int16_t nombreJours);
// Level of the time axis: 60 for Leq, 70 for peak, 20 less on a 40 dB panel.
int16_t Niveau_Base(bool crete, bool modele40dB);
// The day count is 1, 3 or 7 and every date of the period (rows 1 to count + 1) is a real date.
bool Periode_Valide(const Declaration::Etat_Graphique &g);
// Pen and font of a pane: FontSize 8 at the normal pane size, 10 otherwise; not bold, DrawWidth 1, black.
void Police_Volet(platform::DrawingSurface &box);

// ---- Scale and axes ------------------------------------------------------------------------------

// Give a cleared pane its scale and axes for the Leq or the peak series. With a day count other than
// 1, 3 or 7, or a period date that does not exist, only the pen and font are set.
void Trace_Axes_Leq(platform::DrawingSurface &box);
void Trace_Axes_Crete(platform::DrawingSurface &box);

// ---- Zoomed-pane grid ----------------------------------------------------------------------------

// Hour and level grid lines with their labels in the pane's current (zoomed) scale.
void Trace_Grille(Volet_Graphique &volet);
// The same on pane 1, 2 or 3 of the registered window.
void Trace_Grille_Leq1();
void Trace_Grille_Leq2();
void Trace_Grille_Leq3();

// ---- Curve and alarm line ------------------------------------------------------------------------

// Where a curve drawing stands; each call has its own, so nothing joins two calls' curves.
struct Etat_Trace
{
    double Point_X = 0;
    double Point_Y = 0; // 0: the row gives no point
    double Point_X_Precedent = 0;
    double Point_Y_Precedent = 0; // 0: no point drawn yet
};

// The series named by `serie` ("Niveau Leq 10 Minutes", "Niveau Leq 5 Minutes", "Niveau Leq 1 Minute",
// "Niveau Crete") as a red step curve; returns the plotting state at the end.
Etat_Trace Trace_Courbe(platform::DrawingSurface &box, const QString &serie);
// The alarm level as a green line from the level axis to one unit past the period end.
void Trace_Niveau_Alarme(platform::DrawingSurface &box);

// ---- Cursor arrow and maxima ---------------------------------------------------------------------

// Redraws the graph panes of the registered window and marks the cursor time on each with a blue arrow;
// under a rubber-band zoom it only adds the arrows.
void Trace_Curseur(int16_t jour, int16_t mois, int16_t annee, int16_t heure, int16_t minute);
// Lays out the registered window's summary block and fills it with the alarm level and the maxima.
void Affiche_Maxima();

} // namespace Fonctions_Graphique

namespace Fonctions_Ecriture_Jour {

// Label of day k (1..8) of the period: "dd / mm / yy".
QString Texte_Date_Jour(int16_t k);

// Prints the date of every day that the visible range X1..X2 touches near the pane's bottom edge, in the
// colour red + 256 green + 65536 blue (note the argument order).
void Ecriture_Jours(platform::DrawingSurface &box, int16_t X1, int16_t X2, int16_t rouge, int16_t bleu,
                    int16_t vert);

// The visible x range of a zoomed pane as whole numbers, as its choice combo passes it: panes 1 and 2
// round to the nearest (halves to even), pane 3 takes the ends down.
std::pair<int16_t, int16_t> Vue_Jours_Choix(const platform::DrawingSurface &box, int volet);

} // namespace Fonctions_Ecriture_Jour
