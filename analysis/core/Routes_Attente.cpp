// Menu roads whose windows are not part of the program yet: they do nothing.
#include "analysis/core/Routes.h"

namespace Routes {

void Ouvrir_Data_Type() {}
void Sauvegarder() {}
void Exporter_Excel() {}

} // namespace Routes
