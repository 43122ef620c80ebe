// The Tuvik's settings window filled by a simulated panel's read-back: no clock, its own words, and the
// display-area lists of a firmware without the 5-minute level.
#include "configurator/Declaration.h"
#include "configurator/windows/frmConfig.h"
#include "panel_config.h"
#include "programme.h"

namespace {

class FenetreTuvik : public configtest::Programme
{
};

TEST_F(FenetreTuvik, ReadBackFillsTheWindowWithoutAClock)
{
    auto s = sim.settings();
    s.offsetByte = 0x2C;
    s.centre = 4, s.basGauche = 1, s.basDroite = 0;
    s.nom = panelsim::panelName("Place du march\xc3\xa9   ");
    sim.setSettings(s);
    Ouvrir_Reglages();
    const auto &f = *configurator::Config::Instance();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Configuration de l'Tuvik"));
    EXPECT_EQ(f.Label_Name->text(), QStringLiteral("Nom de l'Tuvik : (24 caractères maxi.)"));
    EXPECT_EQ(f.Label_Titre_Reponses->text(), QStringLiteral("Boite de Dialogue de Réponse de l'Tuvik :"));
    EXPECT_EQ(f.Check_Change_Automatique, nullptr);
    EXPECT_EQ(f.DTP_Date, nullptr);
    EXPECT_EQ(f.Text_Heure, nullptr);
    EXPECT_EQ(f.Slider_Offset->value(), 11);
    EXPECT_EQ(f.Label_Offset->text(), QStringLiteral("Offset = +11 dB."));
    EXPECT_EQ(f.Combo_Aff_Centre->currentText(), QStringLiteral("Niveau Leq 5 Minutes"));
    EXPECT_EQ(f.Combo_Aff_Bas_Gauche->currentText(), QStringLiteral("Niveau Leq 1 Seconde"));
    EXPECT_EQ(f.Text_Name->text(), QStringLiteral("Place du marché"));
    EXPECT_EQ(f.List_Reponses->List(f.List_Reponses->ListCount() - 1),
              QStringLiteral("  Le Système fonctionne Correctement !!!"));
    EXPECT_EQ(sim.frames().size(), 2u);
}

TEST_F(FenetreTuvik, FirmwareOtherThan23LosesTheFiveMinuteEntry)
{
    auto s = sim.settings();
    s.versionMineure = 4;
    s.centre = 1, s.basGauche = 0x88;
    sim.setSettings(s);
    Ouvrir_Reglages();
    const auto &f = *configurator::Config::Instance();
    EXPECT_EQ(f.Combo_Aff_Centre->count(), 3);
    EXPECT_EQ(f.Combo_Aff_Bas_Gauche->count(), 4);
    EXPECT_EQ(f.Combo_Aff_Centre->findText(QStringLiteral("Niveau Leq 5 Minutes")), -1);
    EXPECT_EQ(f.Combo_Aff_Centre->currentText(), QStringLiteral("Niveau Leq 1 Seconde"));
    EXPECT_EQ(f.Combo_Aff_Bas_Gauche->currentText(), QStringLiteral("Désactiver l'Afficheur"));
    EXPECT_TRUE(f.Cmd_Leq_5_Min->isHidden());
}

} // namespace
