// Layout pieces shared by the period windows: bold titles and the grid of information rows.
#pragma once

#include <QLabel>
#include <QStringList>
#include <vector>

namespace period_layout {

QLabel *Titre(QWidget *parent, const QString &text, int top, int width);
QLabel *Texte(QWidget *parent, const QString &text, int left, int top, int width, int height);
// Rows 360 twips apart from `top`: a caption on the left, a centred value label on the right,
// thin lines round them. Returns the value labels.
std::vector<QLabel *> Lignes_Information(QWidget *parent, int top, const QStringList &captions);

} // namespace period_layout
