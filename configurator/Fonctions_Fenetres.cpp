// One exclusive configurator window at a time: the windows say when they are loaded, and the close-all
// routine unloads them in a fixed order.
#include "configurator/Declaration.h"
#include "configurator/Fonctions.h"
#include "platform/form.h"

namespace configurator::Fonctions {

namespace {

constexpr size_t kFenetres = 5;

platform::FormRegistry<kFenetres> &inscrites()
{
    static platform::FormRegistry<kFenetres> fenetres;
    return fenetres;
}

bool &drapeau(Fenetre f)
{
    auto &o = Declaration::D().Ouvert;
    switch (f) {
    case Fenetre::Port: return o.Ouvert_Port;
    case Fenetre::Config: return o.Ouvert_Config;
    case Fenetre::Change_Password: return o.Ouvert_Change_Password;
    case Fenetre::Password: return o.Ouvert_Password;
    case Fenetre::Parametres: break;
    }
    return o.Ouvert_Parametres;
}

} // namespace

void Inscrire_Fenetre(Fenetre fenetre, platform::Form *form)
{
    inscrites().Register(static_cast<size_t>(fenetre), form);
}

void Fermer_Fenetres()
{
    inscrites().UnloadOpen([](size_t i) -> bool & { return drapeau(static_cast<Fenetre>(i)); });
}

} // namespace configurator::Fonctions
