// A full memory ring (540,672 minute records), the largest data the programs hold, for the benches.
#pragma once

#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"

#include <QString>

namespace bench {

inline constexpr int32_t kAnneau = Fonctions::Taille_Anneau / 8;

// Minute records from 1 January 2009 on, in months of 28 days, the selection wrapping round the ring's
// end; nine rows in ten carry a 5-minute level (plus 128), the 1-minute Leq runs from 55 to 94 dB.
inline void Anneau_Plein()
{
    using Declaration::D;
    Declaration::Reinitialiser();
    auto &e = D();
    e.Donnees_Chargees = true;
    e.Periode_Chargee = {1, 3, 2009, 4, 4, 2010};
    e.Adresse_Debut_Chargee = Fonctions::Debut_Anneau + 8 * 1000;
    e.Adresse_Fin_Chargee = Fonctions::Debut_Anneau + 8 * 999;
    e.Parametres_Chargees.Nom_Afficheur = QStringLiteral("Salle des fêtes");
    e.Parametres_Chargees.Numero_Serie = QStringLiteral("12345678");
    e.Donnees_Memoire.Redimensionner(kAnneau);
    for (int32_t k = 1; k <= kAnneau; ++k) {
        const int32_t minute = k - 1;
        auto &r = e.Donnees_Memoire.rows[static_cast<size_t>(k)];
        r = {0,
             static_cast<int16_t>(minute % 60),
             static_cast<int16_t>(minute / 60 % 24),
             static_cast<int16_t>(minute / 1440 % 28 + 1),
             static_cast<int16_t>(minute / 40320 % 12 + 1),
             9,
             static_cast<int16_t>(minute % 10 == 9 ? 72 : 128 + 70),
             static_cast<int16_t>(55 + minute % 40),
             static_cast<int16_t>(80 + minute % 30)};
    }
}

} // namespace bench
