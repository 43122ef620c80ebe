// The answer decoder on what both programs decode alike: offsets, display areas whatever the order of
// the answers, the alarm range, multi-frame values, reports, the access code and partial groups.
#include "configurator/Code_Acces.h"
#include "configurator/Declaration.h"
#include "configurator/Modele.h"
#include "panel_config.h"
#include "relecture.h"

#include <gtest/gtest.h>

namespace {

using configurator::Fonctions::Genre;
using configurator::Fonctions::Lignes;
namespace Declaration = configurator::Declaration;

class Decodeur : public ::testing::Test
{
protected:
    void SetUp() override { Declaration::Reinitialiser(); }
    configtest::Decodage dec;

    int Compte(Genre genre) const
    {
        return static_cast<int>(std::count_if(dec.actions.begin(), dec.actions.end(),
                                              [&](const auto &a) { return a.genre == genre; }));
    }
};

TEST_F(Decodeur, OffsetByteGivesSliderAndText)
{
    struct Cas
    {
        int octet, curseur;
        QString ligne;
    };
    const Cas cas[] = {
        {0x00, 0, QStringLiteral("  Offset = 00 dB.")},    {0x80, 0, QStringLiteral("  Offset = 00 dB.")},
        {0xFF, -32, QStringLiteral("  Offset = -32 dB.")}, {0x7F, 32, QStringLiteral("  Offset = +32 dB.")},
        {0x14, 5, QStringLiteral("  Offset = +05 dB.")},   {0x94, -5, QStringLiteral("  Offset = -05 dB.")},
        {0x28, 10, QStringLiteral("  Offset = +10 dB.")},  {0x26, 10, QStringLiteral("  Offset = +9 dB.")},
        {0x0A, 2, QStringLiteral("  Offset = +02 dB.")}, // 2.5 rounds to the even 2
        {0xBE, -16, QStringLiteral("  Offset = -15 dB.")},
    };
    for (const auto &c : cas) {
        dec.actions.clear();
        dec.Groupes({{0x01, c.octet}});
        EXPECT_EQ(dec.controles.Config.Slider_Offset.Value, c.curseur) << c.octet;
        EXPECT_EQ(Lignes(dec.actions), QStringList{c.ligne}) << c.octet;
        EXPECT_EQ(Compte(Genre::Fin_Attente), 1);
    }
}

TEST_F(Decodeur, AcknowledgementOnlyWhileACommandAwaitsIt)
{
    Declaration::D().Attente_En_Cours = true;
    dec.Groupes({{0x07, 9}});
    EXPECT_EQ(
        Lignes(dec.actions),
        (QStringList{QString(), QStringLiteral("  Modification du Niveau de Luminosité Manuelle Ok !!!"),
                     QStringLiteral("  Valeur de la Luminosité = 9 / 15.")}));
    EXPECT_FALSE(Declaration::D().Attente_En_Cours);
    // The busy state is over: the next answer writes its value alone.
    dec.actions.clear();
    dec.Groupes({{0x08, 99}});
    EXPECT_EQ(Lignes(dec.actions), (QStringList{QString(), QStringLiteral("  Niveau d'Alarme = 99 dB.")}));
    // Values beyond a slider stop at its end and the log says so.
    dec.actions.clear();
    dec.Groupes({{0x07, 0}, {0x05, 7}});
    EXPECT_EQ(Lignes(dec.actions), QStringList{QStringLiteral("  Valeur de la Luminosité = 1 / 15.")});
    EXPECT_EQ(Compte(Genre::Fin_Attente), 2);
}

TEST_F(Decodeur, DisplayAreasKeepTheirMeaningWhateverTheOrder)
{
    // Areas first, on lists not yet reduced, then a firmware without the 5-minute level.
    dec.Groupes({{0x02, 1}, {0x03, 0x88}, {0x04, 0x88}});
    const auto &cfg = dec.controles.Config;
    EXPECT_EQ(cfg.Combo_Aff_Centre.ListIndex(), 3);
    EXPECT_EQ(cfg.Combo_Aff_Bas_Gauche.ListIndex(), 4);
    EXPECT_EQ(cfg.Combo_Aff_Bas_Droite.ListIndex(), 1);
    dec.Groupes({{0x09, 2}, {0x0A, 2}});
    EXPECT_EQ(cfg.Combo_Aff_Centre.Elements.size(), 3u);
    EXPECT_EQ(cfg.Combo_Aff_Bas_Gauche.Elements.size(), 4u);
    EXPECT_FALSE(cfg.Cmd_Leq_5_Min_Visible);
    EXPECT_EQ(cfg.Combo_Aff_Centre.ListIndex(), 2);
    EXPECT_EQ(cfg.Combo_Aff_Centre.Text(), QStringLiteral("Niveau Leq 1 Seconde"));
    EXPECT_EQ(cfg.Combo_Aff_Bas_Gauche.ListIndex(), 3);
    EXPECT_EQ(cfg.Combo_Aff_Bas_Gauche.Text(), QStringLiteral("Désactiver l'Afficheur"));

    // On reduced lists the 5-minute code leaves the combo; the centre cannot be switched off.
    dec.actions.clear();
    dec.Groupes({{0x02, 4}, {0x02, 0x88}, {0x03, 3}, {0x02, 7}});
    EXPECT_EQ(
        Lignes(dec.actions),
        (QStringList{QStringLiteral("  Configuration de l'Afficheur du Centre = Niveau Leq 1 Seconde."),
                     QStringLiteral("  Configuration de l'Afficheur du Centre = Niveau Leq 1 Seconde."),
                     QStringLiteral("  Configuration de l'Afficheur du Bas à Gauche = Niveau Leq 1 Minute."),
                     QStringLiteral("  Configuration de l'Afficheur du Centre = Niveau Leq 1 Seconde.")}));
    EXPECT_EQ(cfg.Combo_Aff_Bas_Gauche.ListIndex(), 1);
    // A second version answer removes nothing more.
    dec.Groupes({{0x0A, 2}});
    EXPECT_EQ(cfg.Combo_Aff_Centre.Elements.size(), 3u);
}

TEST_F(Decodeur, AreaNotYetChosenShowsThePrompt)
{
    dec.Groupes({{0x03, 9}});
    EXPECT_EQ(Lignes(dec.actions),
              QStringList{QStringLiteral(
                  "  Configuration de l'Afficheur du Bas à Gauche = Choisissez un Mode d'Affichage.")});
    EXPECT_EQ(dec.controles.Config.Combo_Aff_Bas_Gauche.ListIndex(), -1);
}

TEST_F(Decodeur, FortyDbRangeKeepsAnAlarmLevelReadBeforeIt)
{
    auto &alarme = dec.controles.Config.Slider_Alarme;
    dec.Groupes({{0x08, 90}, {0x09, 0x82}});
    EXPECT_EQ(alarme.Min, 55);
    EXPECT_EQ(alarme.Max, 100);
    EXPECT_EQ(alarme.Value, 90);
    EXPECT_EQ(dec.controles.Config.Labels_Alarme[0], QStringLiteral("55 dB"));
    EXPECT_EQ(dec.controles.Config.Labels_Alarme[3], QStringLiteral("100 dB"));
    EXPECT_TRUE(Declaration::D().Modele_40dB);
    EXPECT_EQ(Declaration::D().Version_Firmware[1], 2);

    // A level outside the new range, or none read, gives the variant's 85 dB.
    configtest::Decodage autre;
    autre.Groupes({{0x08, 110}, {0x09, 0x81}});
    EXPECT_EQ(autre.controles.Config.Slider_Alarme.Value, 85);
    configtest::Decodage neuf;
    neuf.Groupes({{0x09, 0x81}});
    EXPECT_EQ(neuf.controles.Config.Slider_Alarme.Value, 85);
    // 0x80 is major version 128 of the ordinary panel: the range stays.
    configtest::Decodage ordinaire;
    ordinaire.Groupes({{0x09, 0x80}});
    EXPECT_EQ(Declaration::D().Version_Firmware[1], 128);
    EXPECT_FALSE(Declaration::D().Modele_40dB);
    EXPECT_EQ(ordinaire.controles.Config.Slider_Alarme.Min, 75);
}

TEST_F(Decodeur, SerialNumberAndNameAreCollectedFrameByFrame)
{
    dec.Groupes({{0x10, 1}, {0x11, 2}, {0x12, 3}, {0x13, 4}, {0x14, 5}, {0x15, 6}, {0x16, 12}, {0x17, 8}});
    EXPECT_EQ(Declaration::D().Numero_Serie, QStringLiteral("123456128"));
    EXPECT_TRUE(Declaration::D().Tampon_Numero_Serie.isEmpty());
    EXPECT_EQ(dec.controles.Config.Text_Serial_Number, QStringLiteral("123456128"));

    const auto nom = [&](const std::string &texte) {
        const auto codes = panelsim::panelName(texte);
        dec.actions.clear();
        for (int i = 0; i < 24; ++i)
            dec.Groupes({{0x20 + i, codes[static_cast<size_t>(i)]}});
        return Declaration::D().Nom_Afficheur;
    };
    EXPECT_EQ(nom("Gare   "), QStringLiteral("Gare"));
    EXPECT_EQ(Lignes(dec.actions),
              (QStringList{QString(), configurator::Modele().Ligne_Nom + QStringLiteral("Gare.")}));
    EXPECT_EQ(nom(""), QString());
    EXPECT_EQ(nom("Salle 12 ? a        b  c"), QStringLiteral("Salle 12 ? a        b  c"));
    EXPECT_EQ(nom("Caf\xc3\xa9 \"Nord\""), QStringLiteral("Café Nord")); // '"' has no panel character
    EXPECT_EQ(dec.controles.Config.Text_Name, QStringLiteral("Café Nord"));

    // A frame repeated by a faulty line cannot make the name longer than the panel holds.
    dec.Groupes({{0x20, 65}});
    for (int i = 0; i < 40; ++i)
        dec.Groupes({{0x21, 66}});
    dec.Groupes({{0x37, 67}});
    EXPECT_EQ(Declaration::D().Nom_Afficheur,
              QStringLiteral("A") + QString(22, QLatin1Char('B')) + QStringLiteral("C"));
}

TEST_F(Decodeur, CurrentLevelsAreLoggedWithoutEndingTheBusyState)
{
    Declaration::D().Attente_En_Cours = true;
    dec.Groupes({{0x42, 63}, {0x43, 91}});
    EXPECT_EQ(Lignes(dec.actions), (QStringList{QString(), QStringLiteral("  Valeur Leq 1 Seconde = 63 dBA."),
                                                QString(), QStringLiteral("  Valeur Crête = 91 dB.")}));
    EXPECT_TRUE(Declaration::D().Attente_En_Cours);
    EXPECT_EQ(Compte(Genre::Fin_Attente), 0);
}

TEST_F(Decodeur, ReportsAndTheReadBackAfterAReset)
{
    auto &d = Declaration::D();
    dec.Groupes({{0x88, 0x1A}, {0x88, 0x28}, {0x88, 0x40}});
    EXPECT_EQ(Lignes(dec.actions),
              QStringList{QStringLiteral("  Défaut Liaison Capteur n°1 !!! (Type Ferrin)")});
    EXPECT_EQ(d.Etat_Liaison_Capteur, 0x1A);

    // Without a reset pending, 0x13 is a line and nothing else.
    dec.actions.clear();
    dec.Groupes({{0x88, 0x13}});
    EXPECT_EQ(dec.actions.size(), 1u);

    d.Reinitialisation_En_Cours = true;
    d.Attente_En_Cours = true;
    d.Envoi_Autorise = true;
    dec.actions.clear();
    dec.Groupes({{0x88, 0x13}});
    ASSERT_EQ(dec.actions.size(), 4u);
    EXPECT_EQ(dec.actions[1].genre, Genre::Fin_Attente);
    EXPECT_EQ(dec.actions[2].genre, Genre::Attente_200ms);
    EXPECT_EQ(dec.actions[3].genre, Genre::Envoi);
    EXPECT_EQ(dec.actions[3].code, 0x80);
    EXPECT_FALSE(d.Envoi_Autorise);
    EXPECT_TRUE(d.Reinitialisation_En_Cours);

    // The read-back's end: the version answer opens its group, report 8 closes the reset.
    dec.actions.clear();
    dec.Groupes({{0x09, 2}, {0x88, 8}});
    EXPECT_EQ(dec.actions[0].genre, Genre::Ligne);
    EXPECT_TRUE(dec.actions[0].texte.isEmpty());
    EXPECT_TRUE(d.Envoi_Autorise);
    EXPECT_FALSE(d.Reinitialisation_En_Cours);
    EXPECT_EQ(d.Etat_Liaison_Capteur, 8);
    EXPECT_EQ(Compte(Genre::Activer_Main), 1);
}

TEST_F(Decodeur, AFailedResetEndsTheBusyState)
{
    auto &d = Declaration::D();
    for (int rapport : {0x14, 0x15, 0x22}) {
        d.Reinitialisation_En_Cours = true;
        d.Attente_En_Cours = true;
        dec.actions.clear();
        dec.Groupes({{0x88, rapport}});
        EXPECT_FALSE(d.Attente_En_Cours) << rapport;
        EXPECT_FALSE(d.Reinitialisation_En_Cours) << rapport;
        EXPECT_EQ(Compte(Genre::Fin_Attente), 1) << rapport;
    }
    // With no reset pending the same report leaves a command's busy state alone.
    d.Attente_En_Cours = true;
    dec.Groupes({{0x88, 0x14}});
    EXPECT_TRUE(d.Attente_En_Cours);
}

// The four masked digits of `code` in the order the panel answers them.
std::vector<std::pair<int, int>> Reponse_Code(const std::array<int, 4> &code)
{
    const auto masque = panelsim::maskedCode(code, configurator::Decalages_Code);
    return {{0x57, masque[0]}, {0x58, masque[1]}, {0x59, masque[2]}, {0x5A, masque[3]}};
}

TEST_F(Decodeur, AccessCodeAcceptedWhenTheDigitsMatch)
{
    dec.controles.Password.Combo_Chiffre = {QStringLiteral("4"), QStringLiteral("0"), QStringLiteral("9"),
                                            QStringLiteral("2")};
    Declaration::D().Mode_Visualisation = true;
    // Late, with no access-code window (a view-only settings window open): nothing at all, but it came,
    // so the no-answer timer has nothing to report.
    Declaration::D().Ouvert.Ouvert_Config = true;
    ASSERT_FALSE(Declaration::D().Reponse_Absente_Signalee);
    dec.Groupes(Reponse_Code({4, 0, 9, 2}));
    dec.Groupes({{0x57, 9}, {0x58, 9}, {0x59, 9}, {0x5A, 9}}); // a wrong code neither
    EXPECT_TRUE(dec.actions.empty());
    EXPECT_TRUE(Declaration::D().Mode_Visualisation);
    EXPECT_TRUE(Declaration::D().Reponse_Absente_Signalee);
    Declaration::D().Reponse_Absente_Signalee = false;
    EXPECT_EQ(dec.controles.Password.Combo_Chiffre[0], QStringLiteral("4"));

    Declaration::D().Ouvert.Ouvert_Password = true;
    dec.Groupes(Reponse_Code({4, 0, 9, 2}));
    ASSERT_EQ(dec.actions.size(), 1u);
    EXPECT_EQ(dec.actions[0].genre, Genre::Code_Accepte);
    EXPECT_EQ(Declaration::D().Code_Acces, QStringLiteral("4092"));
    EXPECT_FALSE(Declaration::D().Mode_Visualisation);
    EXPECT_TRUE(Declaration::D().Reponse_Absente_Signalee);
}

TEST_F(Decodeur, AccessCodeRefusedWhenWrongOrDamaged)
{
    Declaration::D().Ouvert.Ouvert_Password = true;
    const auto essai = [&](const std::vector<std::pair<int, int>> &reponse) {
        configurator::Fonctions::Nouvelle_Demande(); // each the answer to a new press of "Ok"
        Declaration::D().Code_Masque.clear();
        dec.actions.clear();
        dec.controles.Password.Combo_Chiffre = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                                QStringLiteral("4")};
        dec.Groupes(reponse);
        EXPECT_EQ(Compte(Genre::Code_Accepte), 0);
        EXPECT_EQ(Compte(Genre::Message), 1);
        EXPECT_EQ(dec.controles.Password.Combo_Chiffre[0], QStringLiteral("0"));
        EXPECT_EQ(dec.controles.Password.Combo_Chiffre[3], QStringLiteral("0"));
    };
    essai(Reponse_Code({4, 3, 2, 1}));
    // Digits above 9, and a lost first frame: no code, refused, no crash.
    auto grand = Reponse_Code({1, 2, 3, 4});
    grand[1].second = 12;
    essai(grand);
    essai({{0x58, 1}, {0x59, 2}, {0x5A, 3}});
    EXPECT_EQ(Declaration::D().Code_Masque, QStringLiteral("123"));
    essai({{0x5A, 3}});
    EXPECT_EQ(Compte(Genre::Envoi), configurator::Modele().Signal_Code_Errone ? 1 : 0);
    EXPECT_EQ(dec.actions.back().texte, configurator::Modele().Message_Code_Errone);
}

TEST_F(Decodeur, MaskedCodeIsOnlyShownWhenAsked)
{
    Declaration::D().Afficher_Code_Masque = true;
    dec.Groupes({{0x57, 5}, {0x58, 0}, {0x59, 7}, {0x5A, 1}});
    EXPECT_TRUE(dec.actions.empty()); // the window that asked is gone
    Declaration::D().Ouvert.Ouvert_Password = true;
    dec.Groupes({{0x57, 5}, {0x58, 0}, {0x59, 7}, {0x5A, 1}});
    ASSERT_EQ(dec.actions.size(), 1u);
    EXPECT_EQ(dec.actions[0].texte, QStringLiteral("Code Masqué = 5071."));
    EXPECT_EQ(dec.actions[0].titre, QStringLiteral("Code Masqué"));
    // A new code confirmed closes the change window; another value does nothing.
    dec.actions.clear();
    dec.Groupes({{0x5F, 0}, {0x5F, 1}});
    ASSERT_EQ(dec.actions.size(), 2u);
    EXPECT_EQ(dec.actions[0].genre, Genre::Fermer_Change_Password);
    EXPECT_EQ(dec.actions[1].titre, QStringLiteral("Mot de Passe mis à jour."));
}

TEST_F(Decodeur, TrailingPartialGroupsAreDropped)
{
    panelsim::PanelSettings s = panelsim::factorySettings(panelsim::Model::Tuvik);
    const auto brut = panelsim::detail::readBack(panelsim::Model::Tuvik, s);
    const QByteArray entier(reinterpret_cast<const char *>(brut.data()), static_cast<qsizetype>(brut.size()));
    configtest::Decodage complet;
    complet.Octets(entier);
    const auto etat_complet = Declaration::D().Nom_Afficheur;
    for (const QByteArray &reste : {QByteArray("\x88", 1), QByteArray("\x01\x40", 2)}) {
        Declaration::Reinitialiser();
        configtest::Decodage coupe;
        coupe.Octets(entier + reste);
        EXPECT_EQ(coupe.groupes, complet.groupes);
        EXPECT_EQ(Lignes(coupe.actions), Lignes(complet.actions));
        EXPECT_EQ(coupe.controles.Config.Slider_Offset.Value, 0);
    }
    EXPECT_FALSE(etat_complet.isEmpty());
}

} // namespace
