// The start-up check of the route table: every window a menu can reach has an opener once the program
// has registered its folders' windows.
#include "analysis/core/Routes.h"
#include "analysis/core/frmMain.h"
#include "analysis/tables/Vues_Tableaux.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

// The graph window and its two period dialogs register theirs when their folder comes; until then the
// check names exactly those.
TEST(RouteTable, StartUpCheckNamesTheWindowsWithoutAnOpener)
{
    testsupport::FreshState();
    frmMain fenetre;
    Vues_Tableaux::Inscrire();
    const std::vector<Routes::Vue> attendues{Routes::Vue::Data_Total_Graph, Routes::Vue::Graphique,
                                             Routes::Vue::InGraphique_Old};
    EXPECT_EQ(Routes::Vues_Sans_Ouvreur(), attendues);
    int ouvertes = 0;
    for (const Routes::Vue v : attendues)
        Routes::Inscrire(v, [&ouvertes] { ++ouvertes; });
    EXPECT_TRUE(Routes::Vues_Sans_Ouvreur().empty());
    EXPECT_TRUE(Routes::Ouvrir(Routes::Vue::Graphique));
    EXPECT_EQ(ouvertes, 1);
    for (const Routes::Vue v : attendues)
        Routes::Inscrire(v, nullptr);
    EXPECT_FALSE(Routes::Ouvrir(Routes::Vue::Graphique));
}

} // namespace
