// Roads from the menus to windows of later stages, and openers that the executable registers so
// that no lower folder includes a higher one.
#pragma once

#include <QString>
#include <functional>

namespace Routes {

// Opens the data-source dialog for the requested view already stored in Type_Analyse.
void Ouvrir_Data_Type();
// "Enregistrer Sous" > "Fromat Dorva".
void Sauvegarder();
// Reads a saved-data file into the state; true when it was read.
bool Ouvrir_Sauvegarde(const QString &chemin);
// "Enregistrer Sous" > "Format Excel".
void Exporter_Excel();

// Windows of the views and of the graph window's dialogs, by form name ("frmTableau_Leq", ...).
using Ouvreur = std::function<void()>;
void Inscrire_Vue(const QString &fenetre, Ouvreur ouvreur);
// Opens a registered window; false when none is registered under that name.
bool Ouvrir_Vue(const QString &fenetre);

} // namespace Routes
