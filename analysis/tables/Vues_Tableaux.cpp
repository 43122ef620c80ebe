#include "analysis/tables/Vues_Tableaux.h"

#include "analysis/core/Routes.h"
#include "analysis/tables/frmEvenements.h"
#include "analysis/tables/frmInTableau_Old.h"
#include "analysis/tables/frmParametres.h"
#include "analysis/tables/frmTableau_Leq.h"

namespace Vues_Tableaux {

void Inscrire()
{
    Routes::Inscrire(Routes::Vue::Tableau_Leq, [] { Tableau_Leq::Show(); });
    Routes::Inscrire(Routes::Vue::Evenements, [] { Evenements::Show(); });
    Routes::Inscrire(Routes::Vue::Parametres, [] { Parametres::Show(); });
    Routes::Inscrire(Routes::Vue::InTableau_Old, [] { InTableau_Old::Show(); });
}

} // namespace Vues_Tableaux
