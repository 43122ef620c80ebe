// The "Paramètres" menu's file commands: save the settings window's values as a parameter file, check and
// open one in the parameters window, print the parameter sheet.
#pragma once

#include "configurator/Controles_Config.h"

namespace configurator::Fonctions_Sauvegarde {

// What the file and the sheet are made from: the settings window's controls as they stand (a name typed but
// not sent included); without the window, the values it showed last.
Controles_Config Reglages_Affiches();

// "Sauvegarde Paramètres": asks for a name and writes the file; an empty name ends it like Cancel.
void Sauvegarde_Parametres();

// "Ouverture Paramètres": asks for a file; one that passes the check replaces the open window by the
// parameters window.
void Ouverture_Parametres();

// "Imprimer Paramètres": prints the parameter sheet of the settings window's values.
void Impression_Parametres();

} // namespace configurator::Fonctions_Sauvegarde
