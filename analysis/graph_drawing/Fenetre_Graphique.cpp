// The graph window's controls as the drawing routines find them.
#include "Fonctions_Graphique.h"

namespace Fonctions_Graphique {

namespace {
Fenetre_Graphique *g_fenetre = nullptr;
}

void Inscrire_Fenetre_Graphique(Fenetre_Graphique *fenetre)
{
    g_fenetre = fenetre;
}

Fenetre_Graphique *Fenetre()
{
    return g_fenetre;
}

} // namespace Fonctions_Graphique
