#include "analysis/core/Routes.h"

#include <QHash>

namespace Routes {
namespace {

QHash<QString, Ouvreur> &vues()
{
    static QHash<QString, Ouvreur> v;
    return v;
}

} // namespace

void Inscrire_Vue(const QString &fenetre, Ouvreur ouvreur)
{
    vues().insert(fenetre, std::move(ouvreur));
}

bool Ouvrir_Vue(const QString &fenetre)
{
    const auto it = vues().constFind(fenetre);
    if (it == vues().constEnd() || !*it)
        return false;
    (*it)();
    return true;
}

} // namespace Routes
