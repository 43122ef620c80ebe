// The service buttons that the user mode hides (current levels, adjustment mode): what they send and how
// the panel's answers are logged, without a busy state.
#include "commandes.h"

namespace {

class Service : public configtest::Commandes
{
};

TEST_F(Service, CurrentLevelRequestsAreLoggedWithoutBusyState)
{
    sim.setProbeLevel(73);
    Ouvrir();
    auto *f = Fenetre();
    ASSERT_TRUE(f->Cmd_Leq_10_Min->isHidden());
    const int debut = Lignes_Log();
    f->Cmd_Leq_10_Min->click();
    f->Cmd_Crete->click();
    EXPECT_FALSE(Occupee(true));
    EXPECT_EQ(Attendre_Trames(2), (configtest::Trames{{0x40, 0}, {0x43, 0}}));
    ASSERT_TRUE(Tourner([&] { return Lignes_Log() >= debut + 4; }));
    EXPECT_EQ(Lignes_Depuis(debut),
              (QStringList{QString(), configurator::Modele().Valeur_Leq10 + QStringLiteral("73 dBA."),
                           QString(), QStringLiteral("  Valeur Crête = 73 dB.")}));
    sim.clearFrames();
    f->Cmd_Leq_5_Min->click();
    f->Cmd_Leq_1_Min->click();
    f->Cmd_Leq_1_Sec->click();
    EXPECT_EQ(Attendre_Trames(3), (configtest::Trames{{0x44, 0}, {0x41, 0}, {0x42, 0}}));
}

TEST_F(Service, AdjustmentModeFollowsTheCaptionTheAnswerSets)
{
    Ouvrir();
    auto *f = Fenetre();
    f->Cmd_Mode_Reglage->click();
    EXPECT_EQ(Attendre_Trames(1), (configtest::Trames{{0x00, 1}}));
    ASSERT_TRUE(
        Tourner([f] { return f->Cmd_Mode_Reglage->text() == QStringLiteral("Désactiver Mode Réglage"); }));
    EXPECT_EQ(f->List_Reponses->List(f->List_Reponses->ListCount() - 1),
              QStringLiteral("  Mode Réglage Activé !!!"));
    EXPECT_FALSE(Occupee(true));
    sim.clearFrames();
    f->Cmd_Mode_Reglage->click();
    EXPECT_EQ(Attendre_Trames(1), (configtest::Trames{{0x00, 0}}));
    ASSERT_TRUE(
        Tourner([f] { return f->Cmd_Mode_Reglage->text() == QStringLiteral("Activer Mode Réglage"); }));
}

} // namespace

namespace {

TEST_F(Service, AChangeShowsInTheNextReadBack)
{
    Ouvrir();
    auto *f = Fenetre();
    f->Cmd_Alarme_Plus->click();
    ASSERT_TRUE(Attendre_Reponse());
    f->Cmd_Diagnostic->click();
    ASSERT_TRUE(Tourner([] { return configurator::Declaration::D().Envoi_Autorise; }));
    EXPECT_TRUE(Lignes_Depuis(0).contains(QStringLiteral("  Niveau d'Alarme = 86 dB.")));
    EXPECT_EQ(sim.settings().niveauAlarme, 86);
}

} // namespace
