// The receive loop against a simulated panel: whole 3-byte groups only, nothing read while no window
// talks to the panel, quits and lost ports in the middle of a pass, and decoding that opens no window.
#include "configurator/Declaration.h"
#include "configurator/Fonctions.h"
#include "configurator/Modele.h"
#include "configurator/windows/frmChange_Password.h"
#include "configurator/windows/frmConfig.h"
#include "configurator/windows/frmPassword.h"
#include "configurator/windows/frmPort.h"
#include "panel_link/Trames.h"
#include "platform/form.h"
#include "platform/list_box.h"
#include "platform/serial_control.h"
#include "platform/ticks.h"
#include "programme.h"

#include <QTest>
#include <QTimer>
#include <algorithm>

namespace {

namespace Declaration = configurator::Declaration;
namespace Fonctions = configurator::Fonctions;
using configurator::Config;
using configurator::Password;

class Reception : public configtest::Programme
{
protected:
    // Stops the stream and runs the loop until what is still on its way has been read and decoded: true
    // once no byte has waited for three turns of 200 ms.
    bool Fin_Du_Flot()
    {
        sim.stopStream();
        int calme = 0;
        for (int tour = 0; tour < 100 && calme < 3; ++tour) {
            Tourner_Pendant(200);
            calme = Fonctions::MSComm1().InBufferCount() == 0 ? calme + 1 : 0;
        }
        return calme == 3;
    }
};

TEST_F(Reception, TrailingPartialGroupsAreDropped)
{
    Code_Panneau({6, 6, 6, 6});
    for (int court : {4, 5}) {
        sim.setFault(panelsim::Fault::ShortAnswer, court);
        Declaration::D().Code_Masque.clear();
        Entrer_Code({0, 0, 0, 0});
        ASSERT_TRUE(Tourner([] { return !Declaration::D().Code_Masque.isEmpty(); })) << court;
        Tourner_Pendant(100);
        // One group decoded (the first digit), the rest thrown away with the buffer.
        EXPECT_EQ(Declaration::D().Code_Masque.size(), 1) << court;
        EXPECT_EQ(Fonctions::MSComm1().InBufferCount(), 0) << court;
    }
}

TEST_F(Reception, FewerThanThreeBytesWaitForMore)
{
    Code_Panneau({6, 6, 6, 6});
    sim.setFault(panelsim::Fault::ShortAnswer, 2);
    Entrer_Code({0, 0, 0, 0});
    ASSERT_TRUE(Tourner([] { return Fonctions::MSComm1().InBufferCount() == 2; }));
    Tourner_Pendant(300);
    EXPECT_EQ(Fonctions::MSComm1().InBufferCount(), 2);
    EXPECT_TRUE(Declaration::D().Code_Masque.isEmpty());

    // Two more make four: read as one group, one byte dropped.
    Password::Instance()->Cmd_Ok_Click();
    ASSERT_TRUE(Tourner([] { return !Declaration::D().Code_Masque.isEmpty(); }));
    Tourner_Pendant(100);
    EXPECT_EQ(Declaration::D().Code_Masque.size(), 1);
    EXPECT_EQ(Fonctions::MSComm1().InBufferCount(), 0);
}

TEST_F(Reception, NothingIsReadWhileNoWindowTalksToThePanel)
{
    Fonctions::Ouverture_Port();
    ASSERT_TRUE(Fonctions::Envoi_Commande(0x56, 0));
    ASSERT_TRUE(Attendre_Octets(12));
    Tourner_Pendant(300);
    EXPECT_EQ(Fonctions::MSComm1().InBufferCount(), 12);
    EXPECT_TRUE(Declaration::D().Code_Masque.isEmpty());
    // Nor is the no-answer box shown for a request that no such window made.
    Declaration::D().Reponse_Absente_Signalee = false;
    Tourner_Pendant(100);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(Reception, QuitDuringTheWaitForTheRestOfAnAnswerEndsTheLoop)
{
    Entrer_Code({0, 0, 0, 0});
    ASSERT_TRUE(Attendre_Octets(3));
    QTimer::singleShot(50, principale.get(), [this] { principale->close(); });
    EXPECT_FALSE(Fonctions::Passe_Reception());
    EXPECT_TRUE(Declaration::D().Code_Masque.isEmpty());
    EXPECT_FALSE(Fonctions::Passe_Reception());
}

TEST_F(Reception, QuitInABoxWhileTheSettingsWindowOpensIsNotForgotten)
{
    Code_Panneau({0, 0, 0, 0});
    Entrer_Code({0, 0, 0, 0});
    ASSERT_TRUE(Attendre_Octets(12));
    // The settings window will find no read-back and say so; the user quits from that box.
    sim.setFault(panelsim::Fault::Silent);
    platform::SetMessageAnswerer([this](const platform::ShownMessage &) {
        principale->close();
        return platform::MsgResult::Ok;
    });
    EXPECT_FALSE(Tourner([] { return false; }, 2000));
    EXPECT_FALSE(Fonctions::Passe_Reception());
    EXPECT_EQ(Config::Instance(), nullptr);
    EXPECT_FALSE(Fonctions::MSComm1().PortOpen());
}

TEST_F(Reception, PortGoneInTheMiddleDoesNotStopTheProgram)
{
    Entrer_Code({0, 0, 0, 0});
    sim.vanish();
    Tourner_Pendant(300);
    EXPECT_TRUE(Fonctions::Passe_Reception());
    EXPECT_NE(Password::Instance(), nullptr);
    // Another request on the lost port sends nothing and breaks nothing.
    Password::Instance()->Cmd_Ok_Click();
    EXPECT_TRUE(Fonctions::Passe_Reception());
}

TEST_F(Reception, AdapterPulledOutWithTheSettingsWindowOpenIsToldOnceAndByEachCommand)
{
    Ouvrir_Reglages();
    Messages();
    sim.vanish();
    ASSERT_TRUE(Tourner([] { return !Fonctions::MSComm1().PortOpen(); }));
    Tourner_Pendant(300);
    const auto boites = Messages();
    ASSERT_EQ(boites.size(), 1u);
    EXPECT_EQ(boites[0].text, configurator::Modele().Message_Absence_Reponse);
    EXPECT_EQ(boites[0].title, configurator::Modele().Titre_Absence_Reponse);
    // A command pressed afterwards says the same.
    QTest::mouseClick(Config::Instance()->Cmd_Leq_1_Sec, Qt::LeftButton);
    EXPECT_EQ(Messages().size(), 1u);
    Tourner_Pendant(200);
    EXPECT_TRUE(Messages().empty());

    // The adapter back, as a new device behind COM 9: "Selection Port" and the code lead to a filled
    // settings window again.
    panelsim::PanelSimulator revenu;
    revenu.setModel(Modele_Panneau());
    auto reglages = revenu.settings();
    reglages.codeMasque = panelsim::maskedCode({0, 0, 0, 0}, configtest::Decalages());
    revenu.setSettings(reglages);
    qputenv("PANEL_COM9", QByteArray::fromStdString(revenu.path()));
    principale->mnuSelection_Port->trigger();
    ASSERT_NE(configurator::Port::Instance(), nullptr);
    EXPECT_EQ(Config::Instance(), nullptr);
    configurator::Port::Instance()->Option_COM[9]->click();
    configurator::Port::Instance()->Cmd_Ok_Click();
    Entrer_Code({0, 0, 0, 0});
    ASSERT_TRUE(Tourner([] { return Config::Instance() && Declaration::D().Envoi_Autorise; }));
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(revenu.framesWithCode(panelsim::cmd::ReadBack), 1);
}

TEST_F(Reception, AdapterPulledOutBeforeTheCodeIsAnsweredIsToldOnce)
{
    configtest::Utilisateur utilisateur;
    sim.setFault(panelsim::Fault::Silent);
    Entrer_Code({0, 0, 0, 0});
    sim.vanish();
    // Past the end of the answer's time.
    ASSERT_TRUE(Tourner([this] { return !principale->Timer_Answer.isActive(); }, 5000));
    Tourner_Pendant(300);
    EXPECT_EQ(utilisateur.Boites(), QStringList{configurator::Modele().Message_Absence_Reponse});
}

TEST_F(Reception, CommandInTheMomentOfTheLossEndsTheBusyStateWithOneBox)
{
    Ouvrir_Reglages();
    auto *f = Config::Instance();
    configtest::Utilisateur utilisateur;
    // A command whose answer will not come keeps the window busy.
    sim.setFault(panelsim::Fault::Silent);
    f->Option_Lumens_Ext->click();
    ASSERT_TRUE(Declaration::D().Attente_En_Cours);
    sim.vanish();
    // The port is found gone while events run, before the receive loop has looked at it: a command
    // handled then finds it closed.
    ASSERT_TRUE(platform::PumpUntil([] { return !Fonctions::MSComm1().PortOpen(); },
                                    platform::GetTickCount() + 3000));
    f->Option_Lumens_Int_Click();
    EXPECT_FALSE(Declaration::D().Attente_En_Cours);
    EXPECT_TRUE(f->isEnabled());
    EXPECT_TRUE(principale->ParametresEnabled());
    Tourner_Pendant(300);
    EXPECT_EQ(utilisateur.Boites(), QStringList{configurator::Modele().Message_Absence_Reponse});
}

TEST_F(Reception, StreamingDeviceIsReadABufferfulAtATimeAndANewReadBackFillsTheWindowAfterIt)
{
    Ouvrir_Reglages();
    auto *f = Config::Instance();
    const QString nom = f->Text_Name->text(), serie = f->Text_Serial_Number->text();
    const int alarme = f->Slider_Alarme->value();
    // Random bytes as fast as the line takes them: the noise is decoded, never more than a buffer waits.
    sim.startStream(false);
    int plus = 0;
    Tourner(
        [&] {
            plus = std::max(plus, Fonctions::MSComm1().InBufferCount());
            return false;
        },
        1000);
    EXPECT_EQ(plus, panel_link::Taille_Reception);
    // The noise still on its way is read and decoded to its end; a read-back asked behind it would be
    // cut into groups out of step.
    ASSERT_TRUE(Fin_Du_Flot());
    ASSERT_EQ(Config::Instance(), f);
    Messages();
    f->Cmd_Diagnostic_Click();
    ASSERT_TRUE(Tourner([] { return Declaration::D().Envoi_Autorise; }));
    EXPECT_EQ(f->Text_Name->text(), nom);
    EXPECT_EQ(f->Text_Serial_Number->text(), serie);
    EXPECT_EQ(f->Slider_Alarme->value(), alarme);
}

TEST_F(Reception, NoiseAtTheLineRateShowsEachBoxOnceAndTheUserGetsBackToThePanel)
{
    Ouvrir_Reglages();
    auto *f = Config::Instance();
    const QString nom = f->Text_Name->text(), serie = f->Text_Serial_Number->text();
    configtest::Utilisateur utilisateur;
    // A wrong device, or a panel whose line is broken: random bytes at the line rate, then what is still
    // on its way read and decoded to its end, the user closing each box that comes up.
    sim.startStream(true);
    Tourner_Pendant(3000);
    ASSERT_TRUE(Fin_Du_Flot());
    const QStringList boites = utilisateur.Boites();
    // The clock's date groups gave a box every 450 bytes or so.
    if (configurator::Modele().Horloge()) {
        EXPECT_FALSE(boites.isEmpty());
    }
    EXPECT_EQ(QStringList(boites).removeDuplicates(), 0) << boites.join(QLatin1Char('\n')).toStdString();

    // "Selection Port", Ok and "Visualiser Paramètres": the panel fills the window, with no box.
    principale->mnuSelection_Port->trigger();
    ASSERT_NE(configurator::Port::Instance(), nullptr);
    configurator::Port::Instance()->Option_COM[configtest::Port_Panneau]->click();
    configurator::Port::Instance()->Cmd_Ok->click();
    principale->mnuVisualiser->trigger();
    ASSERT_TRUE(Tourner([] { return Config::Instance() && Declaration::D().Envoi_Autorise; }));
    EXPECT_EQ(utilisateur.Boites().size(), boites.size());
    EXPECT_EQ(Config::Instance()->Text_Name->text(), nom);
    EXPECT_EQ(Config::Instance()->Text_Serial_Number->text(), serie);
}

TEST_F(Reception, TheLogKeepsItsNewestLinesOnly)
{
    Ouvrir_Reglages();
    platform::ListBox *journal = Config::Instance()->List_Reponses;
    // Two lines an answer: 6000 lines offered.
    for (int i = 0; i < 3000; ++i)
        Fonctions::Traiter_Groupe(0x42, i % 200);
    EXPECT_GE(journal->ListCount(), 5000);
    EXPECT_LE(journal->ListCount(), 5500);
    EXPECT_EQ(journal->List(journal->ListCount() - 1), QStringLiteral("  Valeur Leq 1 Seconde = 199 dBA."));
    EXPECT_EQ(journal->List(journal->ListCount() - 3), QStringLiteral("  Valeur Leq 1 Seconde = 198 dBA."));
}

TEST_F(Reception, DecodingOpensNoWindowOfItsOwn)
{
    Password::Show();
    Fonctions::Traiter_Groupe(0x08, 90);
    Fonctions::Traiter_Groupe(0x02, 1);
    Fonctions::Traiter_Groupe(0x5F, 1);
    Fonctions::Traiter_Groupe(0x88, 0x08);
    EXPECT_EQ(Config::Instance(), nullptr);
    EXPECT_EQ(configurator::Change_Password::Instance(), nullptr);
    EXPECT_NE(Password::Instance(), nullptr);
    // An answer that ends a busy state gives nothing to save or print without the settings window.
    EXPECT_FALSE(principale->mnuSave_Param->isEnabled());
    EXPECT_FALSE(principale->mnuPrint->isEnabled());
    EXPECT_TRUE(principale->ParametresEnabled());
}

TEST_F(Reception, QuittingWithTheSettingsWindowOpenClosesThePort)
{
    Ouvrir_Reglages();
    ASSERT_TRUE(Fonctions::MSComm1().PortOpen());
    principale->mnuQuitter->trigger();
    EXPECT_FALSE(Fonctions::Passe_Reception());
    EXPECT_FALSE(Fonctions::MSComm1().PortOpen());
    EXPECT_FALSE(Declaration::D().Ouvert.Ouvert_Config);
}

} // namespace

namespace {

TEST_F(Reception, ViewMenuOnlyBringsAnOpenSettingsWindowForward)
{
    Ouvrir_Reglages();
    auto *fenetre = Config::Instance();
    principale->mnuVisualiser->trigger();
    EXPECT_EQ(Config::Instance(), fenetre);
    EXPECT_FALSE(Declaration::D().Mode_Visualisation);
    EXPECT_TRUE(fenetre->Slider_Offset->isEnabled());
    Tourner_Pendant(200);
    EXPECT_EQ(sim.framesWithCode(0x80), 1);
}

} // namespace
