// The panel's 8-bit character codes for text, as both programs read and send panel names.
#pragma once

#include <QString>
#include <cstdint>

namespace Fonctions_ASCII {

// What a code outside the table gives: the analysis program writes "No Valid" in its place,
// the configuration program leaves nothing.
enum class Code_Inconnu { No_Valid, Vide };

QString Code_Vers_Caractere(int code, Code_Inconnu inconnu = Code_Inconnu::No_Valid);

// The code of a one-character text of the table; 0 for anything else (two characters, empty, unknown).
int16_t Caractere_Vers_Code(const QString &caractere);

} // namespace Fonctions_ASCII
