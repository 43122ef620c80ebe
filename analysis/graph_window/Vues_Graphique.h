// The openers of the graph window and its period dialogs, registered with the route table at start.
#pragma once

namespace Vues_Graphique {

void Inscrire();

} // namespace Vues_Graphique
