// The receive loop against a simulated panel: whole 3-byte groups only, nothing read while no window
// talks to the panel, quits and lost ports in the middle of a pass, and decoding that opens no window.
#include "configurator/Declaration.h"
#include "configurator/Fonctions.h"
#include "configurator/windows/frmChange_Password.h"
#include "configurator/windows/frmConfig.h"
#include "configurator/windows/frmPassword.h"
#include "platform/form.h"
#include "platform/serial_control.h"
#include "programme.h"

#include <QTimer>

namespace {

namespace Declaration = configurator::Declaration;
namespace Fonctions = configurator::Fonctions;
using configurator::Config;
using configurator::Password;

class Reception : public configtest::Programme
{
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
