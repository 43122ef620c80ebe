// Fuzz target of the saved-data file reader. Whatever it accepts must survive a round trip: put into a
// fresh state, written again and read back, it gives the same period, addresses, parameters and rows.
#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "analysis/core/Fonctions_Sauvegarde.h"
#include "fuzz_check.h"

#include <cstddef>
#include <cstdint>

namespace FS = Fonctions_Sauvegarde;

namespace {

// Records the file's two addresses allow, ring wrap included.
int64_t RowsAllowed(const FS::Contenu &c)
{
    const int64_t a = c.Adresse_Debut_Selection, b = c.Adresse_Fin_Selection;
    return (b >= a ? b - a : b - a + Fonctions::Taille_Anneau) / 8 + 1;
}

// The fields the file carries, which a rewrite must give back; the sensor line only from 2.1 on.
void CheckSameFields(const FS::Contenu &first, const FS::Contenu &again)
{
    FUZZ_CHECK(again.Version_Mineure == 3);
    FUZZ_CHECK(again.Periode == first.Periode);
    FUZZ_CHECK(again.Adresse_Debut_Selection == first.Adresse_Debut_Selection);
    FUZZ_CHECK(again.Adresse_Fin_Selection == first.Adresse_Fin_Selection);
    const auto &p = first.Parametres, &q = again.Parametres;
    FUZZ_CHECK(q.Offset == p.Offset && q.Niveau_Alarme == p.Niveau_Alarme);
    FUZZ_CHECK(q.Version_Firmware == p.Version_Firmware && q.Modele_40dB == p.Modele_40dB);
    FUZZ_CHECK(q.Nom_Afficheur == p.Nom_Afficheur && q.Numero_Serie == p.Numero_Serie);
    FUZZ_CHECK(q.Config_Aff_Centre == p.Config_Aff_Centre &&
               q.Config_Aff_Bas_Gauche == p.Config_Aff_Bas_Gauche &&
               q.Config_Aff_Bas_Droite == p.Config_Aff_Bas_Droite);
    FUZZ_CHECK(q.Mode_Luminosite == p.Mode_Luminosite && q.Type_Luminosite_Auto == p.Type_Luminosite_Auto &&
               q.Valeur_Luminosite == p.Valeur_Luminosite && q.Heure_Auto == p.Heure_Auto);
    FUZZ_CHECK(q.Type_Capteur == (first.Version_Mineure >= 1 ? p.Type_Capteur : 0));
    FUZZ_CHECK(again.Donnees_Memoire.rows == first.Donnees_Memoire.rows);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // Not copied, so that a read past the input's end meets the sanitizer's red zone.
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    FS::Contenu first;
    const FS::Resultat_Lecture r = FS::Lire_Sauvegarde(bytes, first);
    if (r.refus != FS::Refus::Aucun) {
        FUZZ_CHECK(r.ligne >= 1);
        return 0;
    }
    FUZZ_CHECK(first.Version_Mineure >= 0 && first.Version_Mineure <= 3);
    FUZZ_CHECK(Fonctions::Adresse_Valide(first.Adresse_Debut_Selection));
    FUZZ_CHECK(Fonctions::Adresse_Valide(first.Adresse_Fin_Selection));
    FUZZ_CHECK(first.Donnees_Memoire.Nombre_Lignes() >= 0 &&
               first.Donnees_Memoire.Nombre_Lignes() <= RowsAllowed(first));
    FUZZ_CHECK(first.Donnees_Memoire.rows[0] == Declaration::Enregistrement_Memoire{});

    Declaration::Etat state;
    FS::Contenu copy = first;
    FS::Appliquer(std::move(copy), state);
    FUZZ_CHECK(state.Donnees_Chargees);
    const QByteArray written = FS::Octets_Sauvegarde(state);

    FS::Contenu again;
    FUZZ_CHECK(FS::Lire_Sauvegarde(written, again).refus == FS::Refus::Aucun);
    CheckSameFields(first, again);

    // What the program writes is a fixed point: read and written again, the same bytes.
    Declaration::Etat state2;
    FS::Appliquer(std::move(again), state2);
    FUZZ_CHECK(FS::Octets_Sauvegarde(state2) == written);
    return 0;
}
