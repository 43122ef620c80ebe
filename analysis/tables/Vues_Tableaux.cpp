#include "analysis/tables/Vues_Tableaux.h"

#include "analysis/core/Routes.h"

namespace Vues_Tableaux {

void Inscrire()
{
}

} // namespace Vues_Tableaux
