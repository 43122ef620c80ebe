#include "configurator/Declaration.h"

namespace configurator::Declaration {

namespace {
Etat etat;
}

Etat &D()
{
    return etat;
}

void Reinitialiser()
{
    etat = Etat{};
}

} // namespace configurator::Declaration
