// Close-all routine: one view or dialog open at a time.
#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "platform/form.h"

#include <QPointer>
#include <array>

namespace Fonctions {
namespace {

constexpr size_t kFenetres = static_cast<size_t>(Fenetre::Wait) + 1;

std::array<QPointer<platform::Form>, kFenetres> &inscrites()
{
    static std::array<QPointer<platform::Form>, kFenetres> f;
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
    inscrites()[static_cast<size_t>(f)] = form;
}

void Fermer_Fenetres()
{
    for (size_t i = 0; i < kFenetres; ++i) {
        const auto f = static_cast<Fenetre>(i);
        if (!drapeau(f))
            continue;
        if (platform::Form *form = inscrites()[i].data(); form && !form->IsUnloaded())
            form->Unload();
        else
            drapeau(f) = false; // a window already gone cannot keep its flag
    }
}

} // namespace Fonctions
