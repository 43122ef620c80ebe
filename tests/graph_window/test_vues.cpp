// The start-up check of the route table: once the program has registered its folders' windows, every
// window that a menu road reaches has an opener.
#include "analysis/core/Routes.h"
#include "analysis/core/frmMain.h"
#include "analysis/graph_window/Vues_Graphique.h"
#include "analysis/tables/Vues_Tableaux.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

TEST(RouteTable, StartUpCheckFindsAnOpenerForEveryWindowARoadReaches)
{
    testsupport::FreshState();
    for (int v = 0; v <= static_cast<int>(Routes::Vue::InGraphique_Old); ++v)
        Routes::Inscrire(static_cast<Routes::Vue>(v), nullptr);
    frmMain fenetre;
    // The core's own period dialog only: the views of the other folders are missing.
    EXPECT_EQ(Routes::Vues_Sans_Ouvreur().size(), 7u);
    Vues_Tableaux::Inscrire();
    const std::vector<Routes::Vue> graphe{Routes::Vue::Data_Total_Graph, Routes::Vue::Graphique,
                                          Routes::Vue::InGraphique_Old};
    EXPECT_EQ(Routes::Vues_Sans_Ouvreur(), graphe);
    Vues_Graphique::Inscrire();
    EXPECT_TRUE(Routes::Vues_Sans_Ouvreur().empty());
    // A window whose opener goes is named again.
    Routes::Inscrire(Routes::Vue::Graphique, nullptr);
    EXPECT_EQ(Routes::Vues_Sans_Ouvreur(), std::vector<Routes::Vue>{Routes::Vue::Graphique});
    EXPECT_FALSE(Routes::Ouvrir(Routes::Vue::Graphique));
}

} // namespace
