#include "analysis/graph_window/Vues_Graphique.h"

#include "analysis/core/Routes.h"
#include "analysis/graph_window/frmData_Total_Graph.h"
#include "analysis/graph_window/frmGraphique.h"
#include "analysis/graph_window/frmInGraphique_Old.h"

namespace Vues_Graphique {

void Inscrire()
{
    Routes::Inscrire(Routes::Vue::Graphique, [] { Graphique::Show(); });
    Routes::Inscrire(Routes::Vue::Data_Total_Graph, [] { Data_Total_Graph::Show(); });
    Routes::Inscrire(Routes::Vue::InGraphique_Old, [] { InGraphique_Old::Show(); });
}

} // namespace Vues_Graphique
