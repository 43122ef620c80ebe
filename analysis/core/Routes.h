// Where each requested view leads, and the openers of the windows on those roads. The executable
// registers the openers, so that the analysis core, which opens the views, includes none of their folders.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace Routes {

// The windows that the dialogs and the download open, by the forms' names.
enum class Vue {
    Data_Total,       // period dialog on panel memory, tables
    Data_Total_Graph, // period dialog on panel memory, graph
    Tableau_Leq,
    Evenements,
    Parametres,
    Graphique,
    InTableau_Old,   // table period dialog on the data held
    InGraphique_Old, // graph period dialog on the data held
};
QString Nom(Vue vue);

// The road of one requested view (Type_Analyse).
struct Route
{
    QString type;
    // The period dialog after the memory-index read; none: the view opens straight away.
    std::optional<Vue> periode;
    // The view that a completed download opens.
    Vue vue;
    // What the data already held (or a saved file) lead to.
    Vue tenues;
};

// The four roads of the "Analyse" menu.
const std::vector<Route> &Table();
// The road of a requested view; null for a text that is none of the four.
const Route *Route_De(const QString &type);

using Ouvreur = std::function<void()>;
void Inscrire(Vue vue, Ouvreur ouvreur);
// Opens a window; false when no opener is registered for it.
bool Ouvrir(Vue vue);
// The windows that some road reaches but that have no opener, in the order of the enumeration.
std::vector<Vue> Vues_Sans_Ouvreur();

} // namespace Routes
