// Fuzz target of the panel-answer decoder: any bytes, decoded in both modes on a fresh state, then the
// checks and the ring arithmetic that the requests run on what was decoded.
#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "fuzz_check.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

using Declaration::D;

namespace {

int g_calls = 0;
void CountCall()
{
    ++g_calls;
}

// The record count and the wait of a first/last address pair; both addresses checked or not.
void CheckRingArithmetic(int32_t a, int32_t b, bool addresses_valid)
{
    const double n = Fonctions::Nombre_Enregistrements(a, b);
    const int16_t q = Fonctions::Calcul_Quantite_Donnees(a, b);
    FUZZ_CHECK(q >= 0 && q <= Fonctions::Quantite_Maximale);
    if (addresses_valid) {
        FUZZ_CHECK(n >= 1 && n <= Fonctions::Taille_Anneau / 8 && n == std::floor(n));
        FUZZ_CHECK(Fonctions::Estimation_Temps(n) >= 2);
    }
}

// Decodes `bytes` on a fresh state; the frame count and the calls between frames must match.
void DecodeFresh(const QByteArray &bytes, bool mode_periode)
{
    Declaration::Reinitialiser();
    g_calls = 0;
    const int frames = Fonctions::Decoder_Tampon(bytes, mode_periode, &CountCall);
    FUZZ_CHECK(frames == bytes.size() / 3 && g_calls == frames);

    const auto &p = D().Parametres_Afficheur;
    FUZZ_CHECK(p.Offset >= -32 && p.Offset <= 32);
    FUZZ_CHECK(p.Version_Firmware[1] >= 0 && p.Version_Firmware[1] <= 128);

    const auto &i = D().Index_Memoire;
    const auto &s = D().Date_Selection;
    const QString index_error = Fonctions::Erreur_Index_Memoire();
    const QString selection_error = Fonctions::Erreur_Periode_Selection();
    CheckRingArithmetic(i.Adresse_Premier, i.Adresse_Dernier, index_error.isEmpty());
    CheckRingArithmetic(s.Adresse_Debut_Selection, s.Adresse_Fin_Selection, selection_error.isEmpty());
    // Each mode writes its own group only: the other stays as a fresh state has it.
    if (mode_periode)
        FUZZ_CHECK(i.Adresse_Premier == 0 && i.Adresse_Dernier == 0 && i.Jour_Premier == 0 &&
                   i.Annee_Dernier == 0);
    else
        FUZZ_CHECK(s.Adresse_Debut_Selection == 0 && s.Adresse_Fin_Selection == 0 &&
                   s.Jour_Debut_Selection == 0 && s.Annee_Fin_Selection == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    DecodeFresh(bytes, false);
    const Declaration::Parametres index_mode_parameters = D().Parametres_Afficheur;
    DecodeFresh(bytes, true);
    // The parameter frames do not depend on the mode.
    FUZZ_CHECK(D().Parametres_Afficheur == index_mode_parameters);
    return 0;
}
