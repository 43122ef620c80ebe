#include "analysis/graph_window/Vues_Graphique.h"

#include "analysis/core/Routes.h"
#include "analysis/graph_window/frmGraphique.h"

namespace Vues_Graphique {

void Inscrire()
{
    Routes::Inscrire(Routes::Vue::Graphique, [] { Graphique::Show(); });
}

} // namespace Vues_Graphique
