// Whole-memory transfer: the panel's 66 memory blocks, one request each.
#pragma once

namespace Fonctions_Transfert_Total {

inline constexpr int Nombre_Blocs = 66;
inline constexpr int Taille_Bloc = 65536;

// Sets Transfert_Reussi. Keeps none of the blocks: the record table and the data-held flag stay
// as they were. Shows the progress window; unloads it on success, leaves it to the caller else.
void Transfert_Memoire();

} // namespace Fonctions_Transfert_Total
