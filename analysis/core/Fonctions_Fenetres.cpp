// Close-all routine: one view or dialog open at a time.
#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "platform/form.h"

namespace Fonctions {
namespace {

constexpr size_t kFenetres = static_cast<size_t>(Fenetre::Wait) + 1;

platform::FormRegistry<kFenetres> &inscrites()
{
    static platform::FormRegistry<kFenetres> f;
    return f;
}

bool &drapeau(Fenetre f)
{
    auto &o = Declaration::D().Ouvert;
    switch (f) {
    case Fenetre::Port: return o.Ouvert_Port;
    case Fenetre::Data_Type: return o.Ouvert_Data_Type;
    case Fenetre::Data_Total: return o.Ouvert_Data_Total;
    case Fenetre::Data_Total_Graph: return o.Ouvert_Data_Total_Graph;
    case Fenetre::Data_Selected: return o.Ouvert_Data_Selected;
    case Fenetre::Connexion: return o.Ouvert_Connexion;
    case Fenetre::Tableau_Leq: return o.Ouvert_Tableau_Leq;
    case Fenetre::Parametres: return o.Ouvert_Parametres;
    case Fenetre::Graphique: return o.Ouvert_Graphique;
    case Fenetre::Evenements: return o.Ouvert_Evenements;
    case Fenetre::InTableau_Old: return o.Ouvert_InTableau_Old;
    case Fenetre::InGraphique_Old: return o.Ouvert_InGraphique_Old;
    case Fenetre::Wait: break;
    }
    return o.Ouvert_Wait;
}

} // namespace

void Inscrire_Fenetre(Fenetre f, platform::Form *form)
{
    inscrites().Register(static_cast<size_t>(f), form);
}

void Fermer_Fenetres()
{
    inscrites().UnloadOpen([](size_t i) -> bool & { return drapeau(static_cast<Fenetre>(i)); });
}

} // namespace Fonctions
