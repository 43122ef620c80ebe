// Reads cells back from an .xlsx workbook (a zip of XML) through unzip, to check what was written.
#pragma once

#include <QString>
#include <map>

namespace xlsx {

struct Cellule
{
    bool texte = false; // a shared or inline string; otherwise a number
    QString valeur;     // the string itself, or the number as written in the XML
};

// Cells of the first sheet by reference ("A1"); empty when the file cannot be read.
std::map<QString, Cellule> Lire_Feuille(const QString &chemin);
// Highest row number that holds a cell.
int Derniere_Ligne(const std::map<QString, Cellule> &feuille);

} // namespace xlsx
