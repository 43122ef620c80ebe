#include "analysis/tables/Vues_Tableaux.h"

#include "analysis/core/Routes.h"
#include "analysis/tables/frmEvenements.h"
#include "analysis/tables/frmParametres.h"

namespace Vues_Tableaux {

void Inscrire()
{
    Routes::Inscrire(Routes::Vue::Evenements, [] { Evenements::Show(); });
    Routes::Inscrire(Routes::Vue::Parametres, [] { Parametres::Show(); });
}

} // namespace Vues_Tableaux
