// Fuzz target of the parameter-file reader: any bytes read on their own, and the parameters window's texts
// made from what was read; a file written from what was read reads back the same.
#include "configurator/Fichier_Parametres.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>

namespace FP = configurator::Fichier_Parametres;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray octets(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const FP::Parametres_Lus lu = FP::Lire(octets);
    FUZZ_CHECK(lu.Lignes >= 0);
    FUZZ_CHECK(!lu.Valide || lu.Lignes >= 13);
    FUZZ_CHECK(lu.Valide == lu.Nom.has_value());
    const FP::Textes_Tableau textes = FP::Textes_Fichier(lu);
    FUZZ_CHECK(textes.Offset.size() <= lu.Offset.size() + 6);
    // The reader is deterministic: the same bytes give the same fields.
    const FP::Parametres_Lus encore = FP::Lire(octets);
    FUZZ_CHECK(encore.Lignes == lu.Lignes && encore.Nom == lu.Nom && encore.Capteur == lu.Capteur);
    return 0;
}
