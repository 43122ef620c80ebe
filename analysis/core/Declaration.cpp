#include "analysis/core/Declaration.h"

namespace Declaration {

Etat &D()
{
    static Etat etat;
    return etat;
}

void Reinitialiser()
{
    D() = Etat{};
}

} // namespace Declaration
