// The larger model's program: the read-back of a simulated Pelmar with its exact log, the clock and date,
// the BCD conversions, and what it says of a panel that is not its own.
#include "configurator/Declaration.h"
#include "configurator/Modele.h"
#include "configurator/models/Fonctions_BCD.h"
#include "panel_link/Trames.h"
#include "relecture.h"
#include "relecture_pelmar.h"

#include <gtest/gtest.h>

namespace {

using configurator::Fonctions::Genre;
using configurator::Fonctions::Lignes;
namespace Declaration = configurator::Declaration;
namespace BCD = configurator::Fonctions_BCD;

class Pelmar : public ::testing::Test
{
protected:
    void SetUp() override { Declaration::Reinitialiser(); }
    configtest::Decodage dec;
};

TEST_F(Pelmar, ReadBackFillsEveryFieldAndWritesTheLog)
{
    panelsim::PanelSimulator sim;
    sim.setModel(panelsim::Model::Pelmar);
    sim.setSettings(configtest::Reglages_Salle(sim.settings()));

    const QByteArray octets = configtest::Relire(sim, configtest::Octets_Relecture(true));
    ASSERT_EQ(octets.size(), configtest::Octets_Relecture(true));
    // Nothing the decoder fills goes back: the panel only ever heard the read-back request.
    dec.Octets(octets);
    ASSERT_EQ(sim.frames().size(), 1u);
    EXPECT_EQ(sim.frames()[0], (panelsim::Frame{0x80, 0, 0x69}));
    for (const auto &a : dec.actions)
        EXPECT_NE(a.genre, Genre::Envoi);

    EXPECT_EQ(Lignes(dec.actions), configtest::Journal_Salle());

    const auto &d = Declaration::D();
    EXPECT_EQ(d.Modele_Afficheur, 20);
    EXPECT_EQ(d.Version_Firmware[1], 2);
    EXPECT_EQ(d.Version_Firmware[2], 4);
    EXPECT_FALSE(d.Modele_40dB);
    EXPECT_EQ(d.Numero_Serie, QStringLiteral("98765432"));
    EXPECT_EQ(d.Nom_Afficheur, QStringLiteral("Salle des fêtes"));
    EXPECT_EQ(d.Texte_Heures, QStringLiteral("23"));
    EXPECT_EQ(d.Texte_Minutes, QStringLiteral("05"));
    EXPECT_EQ(d.Texte_Jour_Semaine, QStringLiteral("Dimanche"));
    EXPECT_EQ(d.Texte_Jour, QStringLiteral("31"));
    EXPECT_EQ(d.Texte_Mois, QStringLiteral("12"));
    EXPECT_EQ(d.Texte_Annee, QStringLiteral("2024"));
    EXPECT_EQ(d.Etat_Liaison_Capteur, 8);
    EXPECT_TRUE(d.Envoi_Autorise);

    const auto &c = dec.controles.Config;
    EXPECT_EQ(c.Slider_Offset.Value, -5);
    EXPECT_EQ(c.Combo_Aff_Centre.ListIndex(), 3);
    EXPECT_EQ(c.Combo_Aff_Bas_Gauche.ListIndex(), 4);
    EXPECT_EQ(c.Combo_Aff_Bas_Droite.ListIndex(), 1);
    EXPECT_TRUE(c.Option_Lumens_Manuel && !c.Option_Lumens_Auto);
    EXPECT_TRUE(c.Option_Lumens_Ext && !c.Option_Lumens_Int);
    EXPECT_EQ(c.Slider_Lumens.Value, 12);
    EXPECT_EQ(c.Slider_Alarme.Value, 100);
    EXPECT_EQ(c.Slider_Alarme.Max, 120);
    EXPECT_EQ(c.Text_Serial_Number, QStringLiteral("98765432"));
    EXPECT_EQ(c.Text_Name, QStringLiteral("Salle des fêtes"));
    EXPECT_EQ(c.Check_Change_Automatique, 0);
    EXPECT_TRUE(c.Option_No_Alim_Fantom && !c.Option_Alim_Fantom);
    EXPECT_EQ(c.Text_Heure, QStringLiteral("23:05"));
    EXPECT_EQ(c.DTP_Date, QDate(2024, 12, 31));
    EXPECT_TRUE(c.Cmd_Leq_5_Min_Visible);
}

TEST_F(Pelmar, SendPermissionComesOnlyWithTheLastAnswer)
{
    panelsim::PanelSimulator sim;
    sim.setModel(panelsim::Model::Pelmar, true);
    const QByteArray octets = configtest::Relire(sim, configtest::Octets_Relecture(true));
    ASSERT_EQ(octets.size(), configtest::Octets_Relecture(true));
    int groupes = 0;
    panel_link::Parcourir_Reponse(octets, [&](int tag, int valeur) {
        EXPECT_FALSE(Declaration::D().Envoi_Autorise) << "before group " << groupes;
        configurator::Fonctions::Traitement_Reponse(tag, valeur, dec.controles, dec.actions);
        ++groupes;
    });
    EXPECT_TRUE(Declaration::D().Envoi_Autorise);
    const QStringList lignes = Lignes(dec.actions);
    EXPECT_EQ(lignes.front(), QStringLiteral("  Pelmar - 40 dB - Version 2.4."));
    EXPECT_TRUE(lignes.contains(QStringLiteral("  Niveau d'Alarme = 85 dB.")));
    EXPECT_EQ(dec.controles.Config.Slider_Alarme.Min, 55);
    // The factory panel's automatic clock change is read, not sent.
    EXPECT_EQ(dec.controles.Config.Check_Change_Automatique, 1);
    EXPECT_EQ(sim.frames().size(), 1u);
}

TEST_F(Pelmar, SmallerModelsPanelIsWarnedAboutThenDecoded)
{
    panelsim::PanelSimulator sim;
    sim.setModel(panelsim::Model::Tuvik);
    dec.Octets(configtest::Relire(sim, configtest::Octets_Relecture(false)));
    ASSERT_FALSE(dec.actions.empty());
    EXPECT_EQ(dec.actions[0].genre, Genre::Message);
    EXPECT_EQ(
        dec.actions[0].texte,
        QStringLiteral("ATTENTION : Vous essayez de lire les données d'un Dorva 15 avec le logiciel non "
                       "adéquate !!! Tous les paramètres ne vous seront donc pas accessibles et le "
                       "logiciel pourra alors se bloquer !!!"));
    EXPECT_EQ(dec.actions[0].titre, QStringLiteral("Problème de Version d'Afficheur"));
    EXPECT_EQ(dec.actions[1].texte, QStringLiteral("  Dorva 15 - Version 2.3."));
    EXPECT_EQ(Lignes(dec.actions).back(), QStringLiteral("  Le Système Fonctionne Correctement !!!"));
}

TEST_F(Pelmar, FirmwareBefore23LosesTheFiveMinuteEntry)
{
    dec.Groupes({{0x09, 2}, {0x0A, 2}, {0x02, 1}, {0x03, 3}});
    EXPECT_EQ(dec.controles.Config.Combo_Aff_Centre.Elements.size(), 3u);
    EXPECT_EQ(dec.controles.Config.Combo_Aff_Centre.ListIndex(), 2);
    EXPECT_EQ(dec.controles.Config.Combo_Aff_Bas_Gauche.ListIndex(), 1);
    configtest::Decodage v3;
    v3.Groupes({{0x09, 3}, {0x0A, 0}});
    EXPECT_EQ(v3.controles.Config.Combo_Aff_Centre.Elements.size(), 4u);
}

TEST_F(Pelmar, ClockAndDateEdgeCases)
{
    auto &d = Declaration::D();
    Declaration::D().Attente_En_Cours = true;
    dec.Groupes({{0x50, 0x87}, {0x51, 0xC9}});
    EXPECT_EQ(Lignes(dec.actions), (QStringList{QString(), QStringLiteral("  Modification de l'Heure Ok !!!"),
                                                QStringLiteral("  Heure = 07:49")}));

    // Weekday 8 is Sunday, 6 Saturday; 7, 9 and 14 are none, and the year then reports the date problem.
    dec.actions.clear();
    dec.Groupes({{0x55, 8}, {0x52, 0x01}, {0x53, 0x02}, {0x54, 0x10}});
    EXPECT_EQ(Lignes(dec.actions).back(), QStringLiteral("  Date = Dimanche 1 Février 2010"));
    EXPECT_EQ(dec.controles.Config.DTP_Date, QDate(2010, 2, 1));
    dec.actions.clear();
    dec.Groupes({{0x55, 6}, {0x54, 0x10}});
    EXPECT_EQ(Lignes(dec.actions).back(), QStringLiteral("  Date = Samedi 1 Février 2010"));
    for (const int jour : {7, 9, 14}) {
        configurator::Fonctions::Nouvelle_Demande(); // each the answer to its own request
        dec.actions.clear();
        dec.Groupes({{0x55, jour}, {0x54, 0x10}});
        ASSERT_EQ(dec.actions.size(), 2u) << jour;
        EXPECT_EQ(dec.actions[0].titre, QStringLiteral("Problème de Date de l'Pelmar"));
        EXPECT_EQ(dec.actions[1].genre, Genre::Fin_Attente);
    }

    // A day or month out of range is emptied with its own message.
    dec.actions.clear();
    dec.Groupes({{0x55, 3}, {0x52, 0x32}, {0x53, 0x13}});
    EXPECT_TRUE(d.Texte_Jour.isEmpty());
    EXPECT_TRUE(d.Texte_Mois.isEmpty());
    ASSERT_EQ(dec.actions.size(), 2u);
    EXPECT_EQ(dec.actions[0].texte,
              QStringLiteral("Il existe un Problème dans le Jour ! Veuillez entrer une date valide SVP !!!"));
    EXPECT_EQ(dec.actions[1].texte,
              QStringLiteral("Il existe un Problème dans le Mois ! Veuillez entrer une date valide SVP !!!"));

    // A day the month does not have is logged, and leaves the picker as it was.
    dec.actions.clear();
    dec.Groupes({{0x52, 0x31}, {0x53, 0x02}, {0x54, 0x09}});
    EXPECT_EQ(Lignes(dec.actions).back(), QStringLiteral("  Date = Mercredi 31 Février 2009"));
    EXPECT_EQ(dec.controles.Config.DTP_Date, QDate(2010, 2, 1));

    // So does a year past 2099, which the picker cannot take.
    dec.actions.clear();
    dec.Groupes({{0x52, 0x01}, {0x53, 0x02}, {0x54, 0xA0 - 1}});
    EXPECT_EQ(Lignes(dec.actions).back(), QStringLiteral("  Date = Mercredi 1 Février 2105"));
    EXPECT_EQ(dec.controles.Config.DTP_Date, QDate(2010, 2, 1));
}

TEST_F(Pelmar, WrongCodeIsSignalledToThePanel)
{
    Declaration::D().Ouvert.Ouvert_Password = true;
    dec.Groupes({{0x57, 0}, {0x58, 0}, {0x59, 0}, {0x5A, 0}});
    ASSERT_EQ(dec.actions.size(), 2u);
    EXPECT_EQ(dec.actions[0].genre, Genre::Envoi);
    EXPECT_EQ(dec.actions[0].code, 0x5F);
    EXPECT_EQ(dec.actions[0].valeur, 0);
    EXPECT_EQ(dec.actions[1].texte,
              QStringLiteral("Le Mot de Passe que vous avez entré est incorrect !!! Veuillez "
                             "en saisir un autre SVP !!!"));
    EXPECT_EQ(dec.actions[1].titre, QStringLiteral("Mot de Passe Erroné"));
}

TEST(Pelmar_BCD, EdgeCases)
{
    EXPECT_TRUE(configurator::Modele().Horloge());
    EXPECT_EQ(BCD::Decimal_Vers_BCD(0), 0);
    EXPECT_EQ(BCD::Decimal_Vers_BCD(9), 9);
    EXPECT_EQ(BCD::Decimal_Vers_BCD(10), 0x10);
    EXPECT_EQ(BCD::Decimal_Vers_BCD(59), 0x59);
    EXPECT_EQ(BCD::Decimal_Vers_BCD(99), 0x99);
    EXPECT_EQ(BCD::Decimal_Vers_BCD(100), 0);
    EXPECT_EQ(BCD::Decimal_Vers_BCD(-1), 0);
    EXPECT_EQ(BCD::BCD_Vers_Decimal(0x59), 59);
    EXPECT_EQ(BCD::BCD_Vers_Decimal(0x99), 99);
    EXPECT_EQ(BCD::BCD_Vers_Decimal(0x0A), 10);
    EXPECT_EQ(BCD::BCD_Vers_Decimal(0x1F), 25);
    EXPECT_EQ(BCD::BCD_Vers_Decimal(0x9F), 105);
    EXPECT_EQ(BCD::BCD_Vers_Decimal(0xA0), 0);
    EXPECT_EQ(BCD::BCD_Vers_Decimal(-1), 0);
    for (int16_t n = 0; n <= 99; ++n)
        EXPECT_EQ(BCD::BCD_Vers_Decimal(BCD::Decimal_Vers_BCD(n)), n);
}

} // namespace
