// Ring arithmetic, duration texts, day and month names, the close-all routine.
#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "analysis/core/frmConnexion.h"
#include "analysis/core/frmWait.h"
#include "test_support.h"

#include <gtest/gtest.h>

using Declaration::D;

namespace {

TEST(Ring, RecordCountIncludingWrap)
{
    EXPECT_EQ(Fonctions::Nombre_Enregistrements(0x30000, 0x30000), 1);
    EXPECT_EQ(Fonctions::Nombre_Enregistrements(0x30000, 0x30000 + 8 * 999), 1000);
    // First 16 bytes below the end, last 8 above the start: four records.
    EXPECT_EQ(Fonctions::Nombre_Enregistrements(0x450000 - 16, 0x30000 + 8), 4);
    // Full ring: last record 8 below the first.
    EXPECT_EQ(Fonctions::Nombre_Enregistrements(0x100000, 0x100000 - 8), 540672);
}

TEST(Ring, TransferEstimateRoundsHalfToEven)
{
    EXPECT_EQ(Fonctions::Estimation_Temps(1), 2);
    EXPECT_EQ(Fonctions::Estimation_Temps(1000), 3);   // 3.43
    EXPECT_EQ(Fonctions::Estimation_Temps(1750), 4);   // 4.5 -> 4
    EXPECT_EQ(Fonctions::Estimation_Temps(1750.9), 4); // whole part first
    EXPECT_EQ(Fonctions::Estimation_Temps(3150), 6);   // 6.5 -> 6
    EXPECT_EQ(Fonctions::Estimation_Temps(540672), 774);
}

TEST(Ring, ExtraWaitOfTheIndexReadIsClamped)
{
    EXPECT_EQ(Fonctions::Calcul_Quantite_Donnees(0x30000, 0x30000), 1);
    EXPECT_EQ(Fonctions::Calcul_Quantite_Donnees(0x100000, 0x100000 - 8), 15124);
    EXPECT_EQ(Fonctions::Calcul_Quantite_Donnees(0x30000, 0x30000 + 286 * 10 - 8), 10);
    // Addresses that no ring has must neither overflow nor go negative.
    EXPECT_EQ(Fonctions::Calcul_Quantite_Donnees(0, 0x7FFFFFFF), 15124);
    EXPECT_EQ(Fonctions::Calcul_Quantite_Donnees(0x7FFFFFFF, 0), 0);
    EXPECT_EQ(Fonctions::Calcul_Quantite_Donnees(-0x7FFFFFFF, 0x7FFFFFFF), 15124);
}

TEST(Durations, FigureAndTexts)
{
    EXPECT_EQ(Fonctions::Texte_Duree(7), QStringLiteral("07 Sec."));
    EXPECT_EQ(Fonctions::Texte_Duree(0), QStringLiteral("00 Sec."));
    EXPECT_EQ(Fonctions::Texte_Duree(59), QStringLiteral("59 Sec."));
    EXPECT_EQ(Fonctions::Texte_Duree(60), QStringLiteral("01 Min. 00 Sec."));
    EXPECT_EQ(Fonctions::Texte_Duree(125), QStringLiteral("02 Min. 05 Sec."));
    EXPECT_EQ(Fonctions::Texte_Duree(754), QStringLiteral("12 Min. 34 Sec."));
    EXPECT_EQ(Fonctions::Texte_Duree(789), QStringLiteral("13 Min. 09 Sec."));
    EXPECT_EQ(Fonctions::Texte_Compte_A_Rebours(7), QStringLiteral("Temps de transfert restant = 07 Sec."));
}

TEST(Names, WeekdaysAreEightCharacters)
{
    EXPECT_EQ(Fonctions::Nom_Jour(QStringLiteral("9 / 12 / 26")), QStringLiteral("Mercredi"));
    EXPECT_EQ(Fonctions::Nom_Jour(QStringLiteral("7 / 12 / 2026")), QStringLiteral(" Lundi  "));
    EXPECT_EQ(Fonctions::Nom_Jour(QStringLiteral("12 / 12 / 26")), QStringLiteral(" Samedi "));
    EXPECT_EQ(Fonctions::Nom_Jour(QStringLiteral("13 / 12 / 26")), QStringLiteral("Dimanche"));
    // Not a real date: blanks, never a crash.
    EXPECT_EQ(Fonctions::Nom_Jour(31, 2, 9), QString(8, QLatin1Char(' ')));
    EXPECT_EQ(Fonctions::Nom_Jour(QStringLiteral("x / 2 / 9")), QString(8, QLatin1Char(' ')));
    EXPECT_EQ(Fonctions::Nom_Mois(8), QStringLiteral("Août"));
    EXPECT_EQ(Fonctions::Nom_Mois(13), QString());
    EXPECT_EQ(Fonctions::Nom_Mois(0), QString());
    EXPECT_EQ(Fonctions::Texte_Jour_Complet(4, 3, 9), QStringLiteral("Mercredi 4 Mars 2009"));
}

class Windows : public ::testing::Test
{
protected:
    void SetUp() override { testsupport::FreshState(); }
    void TearDown() override { testsupport::FreshState(); }
};

TEST_F(Windows, CloseAllUnloadsFlaggedWindowsOnly)
{
    Fonctions::Fermer_Fenetres(); // nothing flagged: nothing happens
    EXPECT_EQ(Connexion::Instance(), nullptr);

    Connexion::Show();
    Wait::Show();
    EXPECT_TRUE(D().Ouvert.Ouvert_Connexion);
    EXPECT_TRUE(D().Ouvert.Ouvert_Wait);
    EXPECT_EQ(Wait::Instance()->Label_Entete->text(), QStringLiteral("Traitement des données en cours ..."));
    Fonctions::Fermer_Fenetres();
    EXPECT_FALSE(D().Ouvert.Ouvert_Connexion);
    EXPECT_FALSE(D().Ouvert.Ouvert_Wait);
    EXPECT_EQ(Connexion::Instance(), nullptr);
    EXPECT_EQ(Wait::Instance(), nullptr);
}

TEST_F(Windows, ProgressWindowCountsDownOnceASecond)
{
    frmConnexion &c = Connexion::Show();
    D().Etat_Liaison.Duree_Transfert = 754;
    c.Progression->setMax(754 * 8 + 0.1);
    c.Label_Time->setText(Fonctions::Texte_Compte_A_Rebours(754));
    for (int i = 0; i < 7; ++i)
        c.Timer_Wait_Timer();
    EXPECT_EQ(c.Label_Time->text(), QStringLiteral("Temps de transfert restant = 12 Min. 34 Sec."));
    c.Timer_Wait_Timer();
    EXPECT_EQ(c.Progression->Value(), 8);
    EXPECT_EQ(c.Label_Time->text(), QStringLiteral("Temps de transfert restant = 12 Min. 33 Sec."));
}

TEST_F(Windows, ProgressBarStopsAtAFractionalMaximum)
{
    frmConnexion &c = Connexion::Show();
    c.Progression->setMax(38.1);
    c.Demarrer_Timer();
    for (int i = 0; i < 38; ++i)
        c.Timer_Wait_Timer();
    EXPECT_EQ(c.Progression->Value(), 38);
    EXPECT_TRUE(c.Timer_Wait.isActive());
    c.Timer_Wait_Timer();
    EXPECT_DOUBLE_EQ(c.Progression->Value(), 38.1);
    EXPECT_FALSE(c.Timer_Wait.isActive());
    // No countdown was asked for: the label stays empty.
    EXPECT_TRUE(c.Label_Time->text().isEmpty());
}

TEST_F(Windows, UserCannotCloseTheProgressWindowDuringAnExchange)
{
    frmConnexion &c = Connexion::Show();
    c.close();
    EXPECT_NE(Connexion::Instance(), nullptr);
    EXPECT_TRUE(D().Ouvert.Ouvert_Connexion);
    D().Etat_Liaison.Arret_Demande = true;
    c.close();
    EXPECT_EQ(Connexion::Instance(), nullptr);
}

} // namespace
