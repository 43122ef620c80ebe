// What the two graph period dialogs share: the day table of a 1-, 3- or 7-day graph running noon to
// noon, the selected period taken from it, real dates for the pickers, and the dialogs' common controls.
#pragma once

#include "analysis/core/Declaration.h"

#include <QDate>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <cstdint>

namespace Periode_Graphique {

// Record years are 2000 plus one byte of two decimal digits: the pickers hold no other year.
inline const QDate Premier_Jour{2000, 1, 1};
inline const QDate Dernier_Jour{2099, 12, 31};

// The nearest date the pickers accept to a day, month and four-digit year from a file or the panel's
// index: month into 1..12, day into the month, year into 2000..2099.
QDate Date_Reelle(int jour, int mois, int annee);

// The day count of the options, tested in the order 1, 3, 7; with none chosen, `actuel` stays.
int16_t Nombre_Jours(bool jour, bool week_end, bool semaine, int16_t actuel);

// The day after a day of the day table (year minus 2000; a multiple of 4 is a leap year).
void Jour_Suivant(int16_t &jour, int16_t &mois, int16_t &annee);

// Rows 1 to Nombre_Jours_Graphique + 1 of Jours_Graphique from the start day; later rows keep their values.
void Remplir_Jours(Declaration::Etat_Graphique &g, QDate debut);

// Row `ligne` of the day table as a date.
QDate Date_Jour(const Declaration::Etat_Graphique &g, int ligne);

// The selected period of a graph: from row 1 of the day table to row Nombre_Jours_Graphique + 1, whose
// noon ends the graph. The panel addresses stay as they are.
void Selection_Depuis_Jours(Declaration::Selection &s, const Declaration::Etat_Graphique &g);

// The lower box that both dialogs carry: title, start picker, the three day counts, warning and buttons.
struct Choix
{
    QDateEdit *MonthView_Start;
    QRadioButton *Option_Jour;
    QRadioButton *Option_WeekEnd;
    QRadioButton *Option_Semaine;
    QPushButton *Cmd_Ok;
    QPushButton *Cmd_Annuler;
};
// Builds it with its title at `haut` twips, the options at `gauche_options`, and `fin` as the caption
// over the options.
Choix Construire_Choix(QWidget *parent, int haut, int gauche_options, const QString &fin);

// A 2-pixel ruled line from (x1, y1) to (x2, y2) in twips, horizontal or vertical.
void Trait(QWidget *parent, int x1, int y1, int x2, int y2);
// A caption of the upper box at (left, top), 3165 x 225 twips.
QLabel *Rubrique(QWidget *parent, const QString &text, int left, int top);

} // namespace Periode_Graphique
