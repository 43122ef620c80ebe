// The exchanges seen through their progress interface alone, and the roads of the requested views.
#include "analysis/core/Fonctions.h"
#include "analysis/core/Fonctions_Transfert.h"
#include "analysis/core/Routes.h"
#include "analysis/core/Suivi_Echange.h"
#include "analysis/core/frmConnexion.h"
#include "platform/serial_control.h"
#include "sim_fixture.h"

using Declaration::D;
using testsupport::MessageRecorder;

namespace {

// Keeps what an exchange reports, one line a call.
class Suivi_Enregistre final : public Fonctions::Suivi_Echange
{
public:
    void Ouvrir() override { lignes << QStringLiteral("Ouvrir"); }
    void Fermer() override { lignes << QStringLiteral("Fermer"); }
    void Connexion(double maximum) override { lignes << QStringLiteral("Connexion %1").arg(maximum); }
    void Transmission(int32_t duree) override { lignes << QStringLiteral("Transmission %1").arg(duree); }
    void Tentative(const QString &texte) override { lignes << texte; }
    void Temps(const QString &texte) override { lignes << texte; }
    void Recommencer() override { lignes << QStringLiteral("Recommencer"); }
    QStringList lignes;
};

class Progress : public SimulatedPanel
{
protected:
    void SetUp() override
    {
        SimulatedPanel::SetUp();
        Fonctions::Inscrire_Suivi(&suivi);
    }
    void TearDown() override
    {
        Fonctions::Inscrire_Suivi(nullptr);
        SimulatedPanel::TearDown();
    }
    Suivi_Enregistre suivi;
    testsupport::FastTicks faster{10.0};
};

TEST_F(Progress, SilentIndexReadReportsEachAttemptAndNoWindowOpens)
{
    sim->setFault(panelsim::Fault::Silent);
    MessageRecorder boxes;
    Fonctions::Lecture_Index_Memoire(false);
    EXPECT_EQ(suivi.lignes,
              QStringList({"Ouvrir", "Connexion 38.1", "Tentative de Connexion 2 / 3.", "Recommencer",
                           "Tentative de Connexion 3 / 3.", "Recommencer", "Fermer"}));
    EXPECT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(Connexion::Instance(), nullptr);
    EXPECT_FALSE(D().Ouvert.Ouvert_Connexion);
}

TEST_F(Progress, DateRangeReadSizesItsBarFromTheMemory)
{
    sim->setRecords(panelsim::makeRecords(1, 3, 2009, 0, 0, 2000));
    D().Index_Memoire = {1, 3, 9, 2, 3, 9, 0x30000, 0x30000 + 8 * 1999};
    D().Date_Selection = {1, 3, 9, 1, 3, 9, 0, 0};
    Fonctions::Lecture_Index_Memoire(true);
    ASSERT_TRUE(D().Etat_Liaison.Lecture_Index_Reussie);
    // 2000 records: an extra wait of 56 ms, a bar of 56 / 125 + 40.1.
    EXPECT_EQ(suivi.lignes,
              QStringList({"Ouvrir", QStringLiteral("Connexion %1").arg(56 / 125.0 + 40.1), "Fermer"}));
}

TEST_F(Progress, PeriodDownloadRetriesWithItsCountdownThenGivesUp)
{
    sim->setFault(panelsim::Fault::Silent);
    MessageRecorder boxes;
    Declaration::Table_Donnees table;
    const auto r = Fonctions_Transfert::Transfert_Periode(100, 7, table);
    EXPECT_EQ(r, Fonctions_Transfert::Resultat::Echec);
    const QString temps = QStringLiteral("Temps de transfert restant = 07 sec.");
    EXPECT_EQ(suivi.lignes, QStringList({"Tentative de Connexion 2 / 3.", temps, "Recommencer",
                                         "Tentative de Connexion 3 / 3.", temps, "Recommencer"}));
    EXPECT_EQ(table.Nombre_Lignes(), 0);
    EXPECT_FALSE(Fonctions::MSComm1().PortOpen());
}

TEST(RouteTable, EveryMenuViewHasItsRoad)
{
    const auto *graphe = Routes::Route_De(Declaration::Vue_Graphique);
    ASSERT_NE(graphe, nullptr);
    EXPECT_EQ(graphe->periode, Routes::Vue::Data_Total_Graph);
    EXPECT_EQ(graphe->vue, Routes::Vue::Graphique);
    EXPECT_EQ(graphe->tenues, Routes::Vue::InGraphique_Old);
    for (const QString &table : {Declaration::Vue_Leq, Declaration::Vue_Evenements}) {
        const auto *r = Routes::Route_De(table);
        ASSERT_NE(r, nullptr) << table.toStdString();
        EXPECT_EQ(r->periode, Routes::Vue::Data_Total);
        EXPECT_EQ(r->tenues, Routes::Vue::InTableau_Old);
    }
    EXPECT_EQ(Routes::Route_De(Declaration::Vue_Leq)->vue, Routes::Vue::Tableau_Leq);
    EXPECT_EQ(Routes::Route_De(Declaration::Vue_Evenements)->vue, Routes::Vue::Evenements);
    const auto *parametres = Routes::Route_De(Declaration::Vue_Parametres);
    ASSERT_NE(parametres, nullptr);
    EXPECT_FALSE(parametres->periode.has_value()); // straight after the index read
    EXPECT_EQ(parametres->vue, Routes::Vue::Parametres);
    EXPECT_EQ(Routes::Route_De(QStringLiteral("Tableau Paramètres")), nullptr);
    EXPECT_EQ(Routes::Table().size(), 4u);
    EXPECT_EQ(Routes::Nom(Routes::Vue::InGraphique_Old), QStringLiteral("frmInGraphique_Old"));
}

} // namespace
