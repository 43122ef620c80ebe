// Menu roads whose windows are not part of the program yet: they do nothing.
#include "analysis/core/Routes.h"

namespace Routes {

void Sauvegarder() {}
void Exporter_Excel() {}
bool Ouvrir_Sauvegarde(const QString &) { return false; }

} // namespace Routes
