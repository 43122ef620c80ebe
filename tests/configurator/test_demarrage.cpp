// The program's start-up and its end, as a user sees them: splash, port window, menus enabled by a
// chosen port, and the receive loop that quitting ends.
#include "configurator/Declaration.h"
#include "configurator/Fonctions.h"
#include "configurator/Modele.h"
#include "configurator/windows/frmPort.h"
#include "configurator/windows/frmStart.h"
#include "platform/serial_control.h"
#include "platform/ticks.h"
#include "programme.h"
#include "relecture.h"

#include <QTimer>

namespace {

namespace Declaration = configurator::Declaration;
using configurator::Modele;

class Demarrage : public configtest::Programme
{
protected:
    void SetUp() override
    {
        Programme::SetUp();
        configtest::Ports_Vers_Rien();
        qputenv("PANEL_COM3", QByteArray::fromStdString(sim.path()));
        Declaration::Reinitialiser();
        platform::SetTickSpeed(20); // the splash's 3 s
    }
    void TearDown() override
    {
        platform::SetTickSpeed(1);
        Programme::TearDown();
    }
    // Runs `pas` once the port window is up, from inside the start-up's own loop.
    void Quand_Port_Ouvert(std::function<void()> pas)
    {
        auto *minuterie = new QTimer(principale.get());
        minuterie->setInterval(10);
        QObject::connect(minuterie, &QTimer::timeout, principale.get(), [minuterie, pas] {
            if (!configurator::Port::Instance())
                return;
            minuterie->stop();
            pas();
        });
        minuterie->start();
    }
};

TEST_F(Demarrage, SplashThenPortWindowThenTheLoopUntilQuitter)
{
    bool splash_vu = false;
    auto *espion = new QTimer(principale.get());
    QObject::connect(espion, &QTimer::timeout, principale.get(), [&] {
        if (configurator::Start::Instance() && configurator::Start::Instance()->isVisible())
            splash_vu = true;
    });
    espion->start(5);
    bool menus_au_depart = true;
    Quand_Port_Ouvert([&] {
        menus_au_depart = principale->mnuConfig_Tuvik->isEnabled() ||
                          principale->mnuVisualiser->isEnabled() || principale->mnuSave_Param->isEnabled() ||
                          principale->mnuPrint->isEnabled();
        // The only port that opens is checked; "Ok" keeps it.
        configurator::Port::Instance()->Cmd_Ok_Click();
        QTimer::singleShot(50, principale.get(), [this] { principale->mnuQuitter->trigger(); });
    });
    principale->MDIForm_Load();

    EXPECT_TRUE(splash_vu);
    EXPECT_FALSE(menus_au_depart);
    EXPECT_EQ(principale->windowTitle(), Modele().Titre_Principal);
    EXPECT_EQ(Declaration::D().Port_COM, 3);
    EXPECT_TRUE(principale->mnuConfig_Tuvik->isEnabled());
    EXPECT_TRUE(principale->mnuVisualiser->isEnabled());
    EXPECT_FALSE(principale->mnuChange_Password->isVisible());
    EXPECT_EQ(Declaration::D().Mode_Utilisateur, Declaration::Utilisateur);
    EXPECT_TRUE(Declaration::D().Demande_Quitter);
    EXPECT_FALSE(principale->isVisible());
}

TEST_F(Demarrage, CancellingThePortWindowLeavesThePanelMenusDisabled)
{
    bool menus_apres_annuler = true;
    bool port_rouvert = false;
    Quand_Port_Ouvert([&] {
        configurator::Port::Instance()->Cmd_Annuler_Click();
        menus_apres_annuler =
            principale->mnuConfig_Tuvik->isEnabled() || principale->mnuVisualiser->isEnabled();
        principale->mnuSelection_Port->trigger();
        port_rouvert = configurator::Port::Instance() != nullptr;
        principale->close();
    });
    principale->MDIForm_Load();
    EXPECT_FALSE(menus_apres_annuler);
    EXPECT_TRUE(port_rouvert);
    EXPECT_FALSE(configurator::Fonctions::MSComm1().PortOpen());
}

TEST_F(Demarrage, ClosingTheMainWindowDuringTheSplashEndsTheProgram)
{
    QTimer::singleShot(20, principale.get(), [this] { principale->close(); });
    principale->MDIForm_Load();
    EXPECT_EQ(configurator::Port::Instance(), nullptr);
    EXPECT_TRUE(Declaration::D().Demande_Quitter);
}

} // namespace
