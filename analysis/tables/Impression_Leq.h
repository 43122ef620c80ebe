// Printing of the Leq tables: each table from page 1, its heading on every page, 64 lines a page.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace platform {
class ListBox;
class Printer;
} // namespace platform

namespace Impression_Leq {

// The lines of a list box as they stand, empty lines included.
QStringList Lignes(const platform::ListBox &liste);

// Prints the 10-minute, 5-minute, 1-minute and peak tables one after the other on portrait pages, under
// the panel heading `entete` and titles ending in the period `date`, then ends the document. Stops at
// the first printer failure and returns false.
bool Imprimer(platform::Printer &imprimante, const QString &entete, const QString &date,
              const std::array<QStringList, 4> &tableaux);

// Footer of a page: " Page  ", a blank and the number.
QString Pied_De_Page(int page);

} // namespace Impression_Leq
