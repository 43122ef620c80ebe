// The Pelmar's settings window filled by a simulated panel's read-back: every control and the exact log.
#include "configurator/Declaration.h"
#include "configurator/windows/frmConfig.h"
#include "panel_config.h"
#include "programme.h"
#include "relecture_pelmar.h"

namespace {

class FenetrePelmar : public configtest::Programme
{
};

QStringList Journal(const configurator::frmConfig &f)
{
    QStringList lignes;
    for (int i = 0; i < f.List_Reponses->ListCount(); ++i)
        lignes << f.List_Reponses->List(i);
    return lignes;
}

TEST_F(FenetrePelmar, ReadBackFillsEveryControlAndTheLog)
{
    sim.setSettings(configtest::Reglages_Salle(sim.settings()));
    Ouvrir_Reglages();
    const auto &f = *configurator::Config::Instance();

    EXPECT_EQ(Journal(f), configtest::Journal_Salle());

    EXPECT_EQ(f.Slider_Offset->value(), -5);
    EXPECT_EQ(f.Label_Offset->text(), QStringLiteral("Offset = -05 dB."));
    EXPECT_EQ(f.Slider_Alarme->value(), 100);
    EXPECT_EQ(f.Label_Alarme->text(), QStringLiteral("Niveau d'Alarme = 100 dB."));
    EXPECT_EQ(f.Combo_Aff_Centre->currentText(), QStringLiteral("Niveau Leq 1 Seconde"));
    EXPECT_EQ(f.Combo_Aff_Bas_Gauche->currentText(), QStringLiteral("Désactiver l'Afficheur"));
    EXPECT_EQ(f.Combo_Aff_Bas_Droite->currentText(), QStringLiteral("Désactiver l'Afficheur"));
    EXPECT_TRUE(f.Option_Lumens_Manuel->isChecked() && !f.Option_Lumens_Auto->isChecked());
    EXPECT_TRUE(f.Option_Lumens_Ext->isChecked() && !f.Option_Lumens_Int->isChecked());
    // Manual brightness: its value controls take input, the automatic type does not.
    EXPECT_TRUE(f.Slider_Lumens->isEnabled());
    EXPECT_FALSE(f.Option_Lumens_Int->isEnabled());
    EXPECT_EQ(f.Slider_Lumens->value(), 12);
    EXPECT_EQ(f.Label_Luminosite_Value->text(), QStringLiteral("Niveau de Luminosité = 12."));
    EXPECT_TRUE(f.Option_No_Alim_Fantom->isChecked() && !f.Option_Alim_Fantom->isChecked());
    EXPECT_FALSE(f.Check_Change_Automatique->isChecked());
    EXPECT_EQ(f.Text_Heure->text(), QStringLiteral("23:05"));
    EXPECT_EQ(f.DTP_Date->date(), QDate(2024, 12, 31));
    EXPECT_EQ(f.Text_Name->text(), QStringLiteral("Salle des fêtes"));
    EXPECT_EQ(f.Text_Serial_Number->text(), QStringLiteral("98765432"));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Configuration de l'Pelmar"));
    // The user-mode window: service buttons hidden, serial number shown only.
    EXPECT_TRUE(f.Cmd_Clear_Flash->isHidden() && f.Cmd_Mode_Reglage->isHidden() &&
                f.Cmd_Leq_10_Min->isHidden());
    EXPECT_FALSE(f.Text_Serial_Number->isEnabled());
    // Nothing went back to the panel, the automatic clock change included.
    EXPECT_EQ(sim.framesWithCode(0x38), 0);
    EXPECT_EQ(sim.frames().size(), 2u);
}

TEST_F(FenetrePelmar, FortyDbPanelMovesTheAlarmScaleAndKeepsItsLevel)
{
    sim.setModel(panelsim::Model::Pelmar, true);
    auto s = sim.settings();
    s.niveauAlarme = 62;
    sim.setSettings(s);
    Ouvrir_Reglages();
    const auto &f = *configurator::Config::Instance();
    EXPECT_EQ(f.Slider_Alarme->minimum(), 55);
    EXPECT_EQ(f.Slider_Alarme->maximum(), 100);
    // The level the panel reports lies in the 40 dB range and is shown as it is.
    EXPECT_EQ(f.Slider_Alarme->value(), 62);
    EXPECT_EQ(f.Label_Alarme->text(), QStringLiteral("Niveau d'Alarme = 62 dB."));
    EXPECT_EQ(f.Label6->text(), QStringLiteral("55 dB"));
    EXPECT_EQ(f.Label9->text(), QStringLiteral("100 dB"));
    EXPECT_TRUE(Journal(f).contains(QStringLiteral("  Pelmar - 40 dB - Version 2.4.")));
}

} // namespace
