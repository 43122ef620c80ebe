// Period download: the records of the settled period, from the panel into the record table.
#pragma once

#include "analysis/core/Declaration.h"

#include <QByteArray>

namespace Fonctions_Transfert {

// Above this many bytes a download drops erased records before the split into rows.
inline constexpr int32_t Seuil_Filtre = 16000;
// A download whose bytes stop coming for this long is abandoned.
inline constexpr int Delai_Silence_Ms = 12500;

// Splits the downloaded stream of `n` records into rows 1..R of a record table. Exactly n * 8
// bytes are taken; an incomplete tail record is dropped. Above Seuil_Filtre bytes, records whose
// eight bytes are all 255 (erased memory) are left out; a single 255 inside a record is kept.
Declaration::Table_Donnees Lignes_Depuis_Octets(const QByteArray &octets, int32_t n);

enum class Resultat { Reussi, Arret, Echec };

// Sends the download request (retrying every 2.5 s, three attempts), collects n * 8 bytes while
// events run, and on success gives the rows in `table`; the port is closed on every way out. The caller
// has shown the progress. On failure the "Erreur n°1" message has been shown. Nothing held changes here:
// the caller puts the new data set in place with Appliquer_Periode once the download is over.
Resultat Transfert_Periode(int32_t n, int32_t duree, Declaration::Table_Donnees &table);

// The downloaded rows become the data held: record table, period and addresses of Date_Selection, the
// panel parameters read for them, and the data-held flag.
void Appliquer_Periode(Declaration::Table_Donnees &&table, Declaration::Etat &etat);

} // namespace Fonctions_Transfert
