// The openers of the table windows, registered with the analysis core's route table at start.
#pragma once

namespace Vues_Tableaux {

void Inscrire();

} // namespace Vues_Tableaux
