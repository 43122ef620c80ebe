// One exclusive configurator window at a time: the windows say when they are loaded, and the close-all
// routine unloads them in a fixed order.
#include "configurator/Declaration.h"
#include "configurator/Fonctions.h"
#include "platform/form.h"

#include <QPointer>
#include <array>

namespace configurator::Fonctions {

namespace {

constexpr size_t kFenetres = 5;

std::array<QPointer<platform::Form>, kFenetres> &inscrites()
{
    static std::array<QPointer<platform::Form>, kFenetres> fenetres;
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
    inscrites()[static_cast<size_t>(fenetre)] = form;
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

} // namespace configurator::Fonctions
