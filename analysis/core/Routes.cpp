#include "analysis/core/Routes.h"

#include "analysis/core/Declaration.h"

#include <array>

namespace Routes {
namespace {

constexpr size_t kVues = static_cast<size_t>(Vue::InGraphique_Old) + 1;

std::array<Ouvreur, kVues> &ouvreurs()
{
    static std::array<Ouvreur, kVues> o;
    return o;
}

} // namespace

QString Nom(Vue vue)
{
    switch (vue) {
    case Vue::Data_Total: return QStringLiteral("frmData_Total");
    case Vue::Data_Total_Graph: return QStringLiteral("frmData_Total_Graph");
    case Vue::Tableau_Leq: return QStringLiteral("frmTableau_Leq");
    case Vue::Evenements: return QStringLiteral("frmEvenements");
    case Vue::Parametres: return QStringLiteral("frmParametres");
    case Vue::Graphique: return QStringLiteral("frmGraphique");
    case Vue::InTableau_Old: return QStringLiteral("frmInTableau_Old");
    case Vue::InGraphique_Old: break;
    }
    return QStringLiteral("frmInGraphique_Old");
}

const std::vector<Route> &Table()
{
    static const std::vector<Route> table{
        {Declaration::Vue_Graphique, Vue::Data_Total_Graph, Vue::Graphique, Vue::InGraphique_Old},
        {Declaration::Vue_Leq, Vue::Data_Total, Vue::Tableau_Leq, Vue::InTableau_Old},
        {Declaration::Vue_Evenements, Vue::Data_Total, Vue::Evenements, Vue::InTableau_Old},
        {Declaration::Vue_Parametres, std::nullopt, Vue::Parametres, Vue::Parametres},
    };
    return table;
}

const Route *Route_De(const QString &type)
{
    for (const Route &r : Table())
        if (r.type == type)
            return &r;
    return nullptr;
}

void Inscrire(Vue vue, Ouvreur ouvreur)
{
    ouvreurs()[static_cast<size_t>(vue)] = std::move(ouvreur);
}

bool Ouvrir(Vue vue)
{
    const Ouvreur &o = ouvreurs()[static_cast<size_t>(vue)];
    if (!o)
        return false;
    o();
    return true;
}

std::vector<Vue> Vues_Sans_Ouvreur()
{
    std::array<bool, kVues> atteinte{};
    for (const Route &r : Table()) {
        if (r.periode)
            atteinte[static_cast<size_t>(*r.periode)] = true;
        atteinte[static_cast<size_t>(r.vue)] = true;
        atteinte[static_cast<size_t>(r.tenues)] = true;
    }
    std::vector<Vue> manquantes;
    for (size_t i = 0; i < kVues; ++i)
        if (atteinte[i] && !ouvreurs()[i])
            manquantes.push_back(static_cast<Vue>(i));
    return manquantes;
}

} // namespace Routes
