// Openers of the windows of the views, which the executable registers so that the analysis core,
// which opens them, includes none of their folders.
#pragma once

#include <QString>
#include <functional>

namespace Routes {

// Windows of the views and of the graph window's dialogs, by form name ("frmTableau_Leq", ...).
using Ouvreur = std::function<void()>;
void Inscrire_Vue(const QString &fenetre, Ouvreur ouvreur);
// Opens a registered window; false when none is registered under that name.
bool Ouvrir_Vue(const QString &fenetre);

} // namespace Routes
