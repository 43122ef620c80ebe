// Spreadsheet export: every fifth measurement row of 60 dB or more in a chosen period, written to a
// workbook. The row choice and the texts are plain functions; Exporter_Excel adds dialog and messages.
#pragma once

#include "analysis/core/Declaration.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace Sauvegarde_Excel {

// The period of the export, kept from one export to the next for the rest of the run. Years are
// minus 2000, as the record table carries them.
struct Periode_Excel
{
    int16_t Excel_Heure_Debut = 0, Excel_Minute_Debut = 0;
    int16_t Excel_Jour_Debut = 0, Excel_Mois_Debut = 0, Excel_Annee_Debut = 0;
    int16_t Excel_Heure_Fin = 0, Excel_Minute_Fin = 0;
    int16_t Excel_Jour_Fin = 0, Excel_Mois_Fin = 0, Excel_Annee_Fin = 0;
    bool operator==(const Periode_Excel &) const = default;
};
Periode_Excel &Periode();

// Headings of row 1, columns A to D.
inline const std::array<QString, 4> Entetes{
    QStringLiteral("Dates(jj/mm/aaaa - hh:mm)"), QStringLiteral("LEQ5min (dB(A))"),
    QStringLiteral("LEQ1Min (dB(A))"), QStringLiteral("Peak (dB(A))")};
inline const QString Filtre = QStringLiteral("Pelmar save File(*.xlsx)|*.xlsx");
inline const QString Extension = QStringLiteral(".xlsx");

// Messages: the export's own, in English.
inline const QString Texte_Pas_De_Donnees =
    QStringLiteral("You have to download data from Dorva before save ...");
inline const QString Titre_Pas_De_Donnees = QStringLiteral("Unable to save data ...");
inline const QString Texte_Nom_Vide = QStringLiteral("Can you give a name to the saving file., please ");
inline const QString Titre_Impossible = QStringLiteral("Data saving is impossible.");
QString Texte_Trop_De_Lignes(int64_t lignes);
QString Texte_Echec(const QString &raison);
// Asked when the name typed without its extension names a workbook that is already there.
QString Texte_Remplacer(const QString &chemin);
inline const QString Titre_Remplacer = QStringLiteral("Confirm Save As");
inline const QString Texte_Periode_Invalide =
    QStringLiteral("Each box of the period must hold a number from -32768 to 32767.");

// Sheet rows after the heading, as many as the workbook format holds.
int32_t Lignes_Max();
// The level a row needs in its 1-minute Leq to be exported.
inline constexpr int16_t Niveau_Minimal = 60;

// «3/3/2009-14h05mn»: no leading zero on day, month and hour, two digits for the minute.
QString Texte_Date(const Declaration::Enregistrement_Memoire &r);
// Whether the record's moment lies in [start, end).
bool Dans_Periode(const Declaration::Enregistrement_Memoire &r, const Periode_Excel &p);
// A measurement row with usable bytes: neither an event nor erased memory.
bool Ligne_Mesure(const Declaration::Enregistrement_Memoire &r);
// Rows of the record table that go to the sheet, in order: the 1st, 6th, 11th... of the measurement
// rows in the period with a 1-minute Leq of 60 dB or more. Nothing when more than `limite` rows.
std::optional<std::vector<int32_t>> Lignes_Exportees(const Declaration::Table_Donnees &table,
                                                     const Periode_Excel &p, int32_t limite);
// "Pelmar <name> - 05-03-2009 au 06-03-2009.xlsx" from the export period.
QString Nom_Propose(const QString &nom_afficheur, const Periode_Excel &p);

// Texts of the export window.
// " Niveaux du Mercredi 04 Mars 2009", or the range form when the graph period is not one day.
QString Texte_Label_Date(const Declaration::Selection &s, int16_t nombre_jours);
// A kept value as its box shows it: two digits, 0 as an empty box.
QString Texte_Case(int16_t v);
// A kept year (minus 2000) as its box shows it: four digits, 0 as an empty box.
QString Texte_Case_Annee(int16_t v);
// The number that the leading numeric part of a box's text reads as; 0 when there is none.
double Valeur_Texte(const QString &texte);

// Writes the workbook: the export's checks, the save dialog, then the sheet.
void Exporter_Excel();

} // namespace Sauvegarde_Excel
