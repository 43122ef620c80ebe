// Layout pieces shared by the period windows: bold titles and the grid of information rows.
#pragma once

#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

namespace period_layout {

QLabel *Titre(QWidget *parent, const QString &text, int top, int width);
QLabel *Texte(QWidget *parent, const QString &text, int left, int top, int width, int height);
// Rows 360 twips apart from `top`: a caption on the left, a centred value label on the right.
// Returns the value labels.
std::vector<QLabel *> Lignes(QWidget *parent, int top, const QStringList &captions);
// The same rows with thin lines round them.
std::vector<QLabel *> Lignes_Information(QWidget *parent, int top, const QStringList &captions);
// Lines 2 pixels wide round a block, from (left, top) to (right, bottom) in twips, beneath its controls.
void Cadre(QWidget *parent, int left, int top, int right, int bottom);

// A month calendar of the period windows at (left, top) in twips: French day names, Monday first, a grid.
QCalendarWidget *Calendrier(QWidget *parent, int left, int top);

// The Ok and Annuler buttons of the period windows, side by side from `left` at `top`.
struct Boutons
{
    QPushButton *Ok;
    QPushButton *Annuler;
};
Boutons Ok_Annuler(QWidget *parent, int left, int top);
// A click on a day of either calendar moves the focus to Ok.
void Focus_Sur_Ok(QCalendarWidget *debut, QCalendarWidget *fin, QPushButton *ok);

// A record count as the period rows show it.
QString Texte_Nombre_Donnees(double nombre);

// A period's first and last day (years minus 2000).
struct Jours
{
    int jour_debut, mois_debut, annee_debut, jour_fin, mois_fin, annee_fin;
};
// The four period rows that the period windows share: first day, last day, record count from address
// `a` to `b`, and the transfer-time estimate of that count.
void Remplir_Lignes_Periode(const std::array<QLabel *, 4> &valeurs, const Jours &jours, int32_t a, int32_t b);

} // namespace period_layout
