// The smaller model's program: the read-back of a simulated Tuvik with its exact log, no clock at all,
// its own list layouts, texts and model check.
#include "configurator/Declaration.h"
#include "configurator/Modele.h"
#include "relecture.h"

#include <gtest/gtest.h>

namespace {

using configurator::Fonctions::Genre;
using configurator::Fonctions::Lignes;
namespace Declaration = configurator::Declaration;

class Tuvik : public ::testing::Test
{
protected:
    void SetUp() override { Declaration::Reinitialiser(); }
    configtest::Decodage dec;
};

TEST_F(Tuvik, ReadBackFillsEveryFieldAndWritesTheLog)
{
    panelsim::PanelSimulator sim;
    sim.setModel(panelsim::Model::Tuvik);
    auto s = sim.settings();
    s.offsetByte = 0x2C;
    s.centre = 4, s.basGauche = 1, s.basDroite = 0;
    s.modeLuminosite = 0, s.typeLuminosite = 1, s.valeurLuminosite = 3, s.niveauAlarme = 77;
    s.serie = {0, 0, 4, 2, 1, 7, 3, 9};
    s.nom = panelsim::panelName("Place du march\xc3\xa9   ");
    s.typeCapteur = 1;
    sim.setSettings(s);

    const QByteArray octets = configtest::Relire(sim, configtest::Octets_Relecture(false));
    ASSERT_EQ(octets.size(), configtest::Octets_Relecture(false));
    dec.Octets(octets);
    ASSERT_EQ(sim.frames().size(), 1u);
    for (const auto &a : dec.actions)
        EXPECT_NE(a.genre, Genre::Envoi);

    EXPECT_EQ(Lignes(dec.actions),
              (QStringList{
                  QStringLiteral("  Tuvik - Version 2.3."),
                  QStringLiteral("  Offset = +11 dB."),
                  QStringLiteral("  Configuration de l'Afficheur du Centre = Niveau Leq 5 Minutes."),
                  QStringLiteral("  Configuration de l'Afficheur du Bas à Gauche = Niveau Leq 1 Seconde."),
                  QStringLiteral("  Configuration de l'Afficheur du Bas à Droite = Niveau Crête."),
                  QStringLiteral("  Fonctionnement de la Luminosité = Automatique."),
                  QStringLiteral("  Fonctionnement de la Luminosité = Extérieure."),
                  QStringLiteral("  Valeur de la Luminosité = 3 / 15."),
                  QString(),
                  QStringLiteral("  Niveau d'Alarme = 77 dB."),
                  QStringLiteral("  Numéro de Série : 00421739."),
                  QString(),
                  QStringLiteral("  Nom de l'Tuvik : Place du marché."),
                  QStringLiteral("  Liaison Capteur = Liaison avec un Ferrin."),
                  QString(),
                  QStringLiteral("  Le Système fonctionne Correctement !!!"),
              }));

    const auto &d = Declaration::D();
    EXPECT_EQ(d.Modele_Afficheur, 15);
    EXPECT_EQ(d.Version_Firmware[1], 2);
    EXPECT_EQ(d.Version_Firmware[2], 3);
    EXPECT_EQ(d.Numero_Serie, QStringLiteral("00421739"));
    EXPECT_EQ(d.Nom_Afficheur, QStringLiteral("Place du marché"));
    EXPECT_TRUE(d.Envoi_Autorise);
    EXPECT_EQ(d.Etat_Liaison_Capteur, 8);

    const auto &c = dec.controles.Config;
    EXPECT_EQ(c.Slider_Offset.Value, 11);
    EXPECT_EQ(c.Combo_Aff_Centre.ListIndex(), 1);
    EXPECT_EQ(c.Combo_Aff_Bas_Gauche.ListIndex(), 3);
    EXPECT_EQ(c.Combo_Aff_Bas_Droite.ListIndex(), 0);
    EXPECT_TRUE(c.Option_Lumens_Auto && !c.Option_Lumens_Manuel);
    EXPECT_TRUE(c.Option_Lumens_Ext && !c.Option_Lumens_Int);
    EXPECT_EQ(c.Slider_Lumens.Value, 3);
    EXPECT_EQ(c.Slider_Alarme.Value, 77);
    EXPECT_EQ(c.Text_Serial_Number, QStringLiteral("00421739"));
    EXPECT_EQ(c.Text_Name, QStringLiteral("Place du marché"));
    EXPECT_TRUE(c.Option_Alim_Fantom && !c.Option_No_Alim_Fantom);
    EXPECT_TRUE(c.Text_Heure.isEmpty());
    EXPECT_TRUE(c.Cmd_Leq_5_Min_Visible);
}

TEST_F(Tuvik, HasNoClock)
{
    EXPECT_FALSE(configurator::Modele().Horloge());
    Declaration::D().Attente_En_Cours = true;
    dec.Groupes({{0x38, 0}, {0x50, 0x12}, {0x51, 0x30}, {0x55, 1}, {0x52, 0x40}, {0x53, 0x01}, {0x54, 0x09}});
    EXPECT_TRUE(dec.actions.empty());
    EXPECT_TRUE(Declaration::D().Attente_En_Cours);
    EXPECT_EQ(dec.controles.Config.Check_Change_Automatique, 1);
}

TEST_F(Tuvik, OnlyFirmware23HasTheFiveMinuteEntry)
{
    panelsim::PanelSimulator sim;
    sim.setModel(panelsim::Model::Pelmar, true); // 2.4, model 20: the larger model's panel
    dec.Octets(configtest::Relire(sim, configtest::Octets_Relecture(false)));
    ASSERT_GE(dec.actions.size(), 2u);
    EXPECT_EQ(dec.actions[0].genre, Genre::Message);
    EXPECT_EQ(dec.actions[0].titre, QStringLiteral("Problème de Version d'Afficheur"));
    EXPECT_EQ(dec.actions[1].texte, QStringLiteral("  Dorva 20 - Version 2.4."));
    EXPECT_EQ(dec.controles.Config.Combo_Aff_Centre.Elements.size(), 3u);
    EXPECT_FALSE(dec.controles.Config.Cmd_Leq_5_Min_Visible);
    // Factory areas 2 and 3 on the reduced lists.
    EXPECT_EQ(dec.controles.Config.Combo_Aff_Centre.ListIndex(), 0);
    EXPECT_EQ(dec.controles.Config.Combo_Aff_Bas_Gauche.ListIndex(), 1);
    // Its 40 dB range and alarm level, its clock answers ignored.
    EXPECT_EQ(dec.controles.Config.Slider_Alarme.Min, 55);
    EXPECT_EQ(dec.controles.Config.Slider_Alarme.Value, 85);
    EXPECT_TRUE(dec.controles.Config.Text_Heure.isEmpty());

    Declaration::Reinitialiser();
    configtest::Decodage v30;
    v30.Groupes({{0x09, 3}, {0x0A, 0}});
    EXPECT_EQ(Lignes(v30.actions), QStringList{QStringLiteral("  Tuvik - Version 3.0.")});
    EXPECT_EQ(v30.controles.Config.Combo_Aff_Centre.Elements.size(), 4u);
}

TEST_F(Tuvik, OwnWordsForAcknowledgementsAndCurrentLevels)
{
    Declaration::D().Attente_En_Cours = true;
    dec.Groupes({{0x39, 2}});
    EXPECT_EQ(Lignes(dec.actions),
              (QStringList{QStringLiteral("  Modification du Type de Capteur Ok !!!"),
                           QStringLiteral("  Liaison Capteur = Liaison avec un Ostra.")}));
    Declaration::D().Attente_En_Cours = true;
    dec.actions.clear();
    dec.Groupes({{0x02, 2}, {0x40, 60}, {0x41, 58}, {0x44, 59}, {0x88, 0x19}});
    EXPECT_EQ(
        Lignes(dec.actions),
        (QStringList{
            QString(), QStringLiteral("  Modification de la configuration de l'Afficheur Central Ok !!!"),
            QStringLiteral("  Configuration de l'Afficheur du Centre = Niveau Leq 10 Minutes."), QString(),
            QStringLiteral("  Valeur Leq10  = 60 dBA."), QString(),
            QStringLiteral("  Valeur Leq1  = 58 dBA."), QString(), QStringLiteral("  Valeur Leq5  = 59 dBA."),
            QStringLiteral("  Valeur reçue erronée !!! Modification impossible !!!")}));
}

TEST_F(Tuvik, WrongCodeSendsNothing)
{
    Declaration::D().Ouvert.Ouvert_Password = true;
    dec.Groupes({{0x57, 0}, {0x58, 0}, {0x59, 0}, {0x5A, 0}});
    ASSERT_EQ(dec.actions.size(), 1u);
    EXPECT_EQ(dec.actions[0].texte,
              QStringLiteral("Le Mot de passe saisi est incorrect !!! Veuillez recommencer SVP !!!"));
    EXPECT_EQ(dec.actions[0].titre, QStringLiteral("Mot de Passe erroné"));
    dec.actions.clear();
    dec.Groupes({{0x5F, 1}});
    EXPECT_EQ(dec.actions.back().texte, QStringLiteral("Changement de Mot de Passe effectué !!!"));
}

} // namespace
