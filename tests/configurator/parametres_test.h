// The settings of a panel as the parameter-file tests use them, and the file written from them.
#pragma once

#include "configurator/Controles_Config.h"
#include "configurator/Fichier_Parametres.h"

namespace configtest {

// As the decoder leaves them after a read-back: offset -5, alarm 85, manual brightness 9, Ostra link.
inline configurator::Controles_Config Reglages()
{
    using namespace configurator::Textes_Affichage;
    configurator::Controles_Config c;
    c.Slider_Offset.Fixer(-5);
    c.Slider_Alarme.Fixer(85);
    c.Text_Name = QStringLiteral("Salle des fêtes");
    c.Text_Serial_Number = QStringLiteral("12345678");
    c.Combo_Aff_Centre.Choisir(Leq1);
    c.Combo_Aff_Bas_Gauche.Choisir(Desactiver);
    c.Combo_Aff_Bas_Droite.Choisir(Crete);
    c.Option_Lumens_Manuel = c.Option_Lumens_Ext = true;
    c.Slider_Lumens.Fixer(9);
    c.Check_Change_Automatique = 0;
    c.Option_No_Alim_Fantom = true;
    return c;
}

inline QByteArray Octets(const configurator::Controles_Config &c, std::array<int16_t, 3> version = {0, 2, 4},
                         bool modele_40dB = false)
{
    namespace FP = configurator::Fichier_Parametres;
    return FP::Contenu(FP::Lignes(c, version, modele_40dB));
}

} // namespace configtest
