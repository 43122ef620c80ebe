// The panel's 8-bit character codes for text, as both programs read panel names.
#pragma once

#include <QString>

namespace Fonctions_ASCII {

// What a code outside the table gives: the analysis program writes "No Valid" in its place,
// the configuration program leaves nothing.
enum class Code_Inconnu { No_Valid, Vide };

QString Code_Vers_Caractere(int code, Code_Inconnu inconnu = Code_Inconnu::No_Valid);

} // namespace Fonctions_ASCII
