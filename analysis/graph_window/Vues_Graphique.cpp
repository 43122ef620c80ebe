#include "analysis/graph_window/Vues_Graphique.h"

#include "analysis/core/Routes.h"

namespace Vues_Graphique {

void Inscrire()
{
}

} // namespace Vues_Graphique
