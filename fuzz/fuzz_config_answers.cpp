// Fuzz target of the configuration program's answer decoder: any bytes, walked in 3-byte groups on a
// fresh state (the first byte sets the busy, reset, masked-code and access-code-window flags), with the
// shown values kept in their controls' ranges and only the two frames the decoder may send.
#include "configurator/Controles_Config.h"
#include "configurator/Declaration.h"
#include "configurator/Traitement_Reponse.h"
#include "fuzz_check.h"
#include "panel_link/Trames.h"

#include <cstddef>
#include <cstdint>

namespace {

namespace Declaration = configurator::Declaration;
using configurator::Fonctions::Genre;

void CheckSlider(const configurator::Curseur &c)
{
    FUZZ_CHECK(c.Min <= c.Max && c.Value >= c.Min && c.Value <= c.Max);
}

void CheckCombo(const configurator::Combo_Affichage &c)
{
    FUZZ_CHECK(c.ListIndex() >= -1 && c.ListIndex() < static_cast<int>(c.Elements.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    Declaration::Reinitialiser();
    auto &d = Declaration::D();
    d.Attente_En_Cours = data[0] & 1;
    d.Reinitialisation_En_Cours = data[0] & 2;
    d.Afficher_Code_Masque = data[0] & 4;
    // Without the access-code window the code answers stop at their guard.
    d.Ouvert.Ouvert_Password = data[0] & 8;
    configurator::Controles controles;
    std::vector<configurator::Fonctions::Action> actions;
    const QByteArray octets(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));
    const int groupes = panel_link::Parcourir_Reponse(octets, [&](int tag, int valeur) {
        configurator::Fonctions::Traitement_Reponse(tag, valeur, controles, actions);
        const auto &c = controles.Config;
        CheckSlider(c.Slider_Offset);
        CheckSlider(c.Slider_Alarme);
        CheckSlider(c.Slider_Lumens);
        CheckCombo(c.Combo_Aff_Centre);
        CheckCombo(c.Combo_Aff_Bas_Gauche);
        CheckCombo(c.Combo_Aff_Bas_Droite);
        FUZZ_CHECK(c.Text_Name.size() <= 24);
        FUZZ_CHECK(!c.DTP_Date.isValid() || (c.DTP_Date.year() >= 2000 && c.DTP_Date.year() <= 2099));
    });
    FUZZ_CHECK(groupes == octets.size() / 3);
    for (const auto &a : actions) {
        if (a.genre == Genre::Envoi)
            FUZZ_CHECK((a.code == 0x5F || a.code == 0x80) && a.valeur == 0);
        if (a.genre == Genre::Message)
            FUZZ_CHECK(!a.texte.isEmpty() && !a.titre.isEmpty());
    }
    return 0;
}
