// The port window, offscreen: which ports it offers, which one it checks, and what Ok, Annuler and a double
// click leave behind; available ports are simulated panels' terminals, every other port a missing path.
#include "configurator/Declaration.h"
#include "configurator/Fonctions.h"
#include "configurator/windows/frmMain.h"
#include "configurator/windows/frmPort.h"
#include "panel_simulator.h"
#include "platform/form.h"
#include "platform/serial_control.h"
#include "relecture.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

using configurator::frmMain;
using configurator::frmPort;
using configurator::Port;
namespace Declaration = configurator::Declaration;
namespace Fonctions = configurator::Fonctions;
using Declaration::D;

class PortWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Declaration::Reinitialiser();
        platform::SetProgramClosing(false);
        configtest::Ports_Vers_Rien();
        main = std::make_unique<frmMain>();
        // As the start-up leaves them.
        main->mnuConfig_Tuvik->setEnabled(false);
        main->mnuVisualiser->setEnabled(false);
    }
    void TearDown() override
    {
        Port::Unload();
        Fonctions::MSComm1().setPortOpen(false);
        QApplication::processEvents();
        main.reset();
        configtest::Ports_Vers_Rien();
    }

    // Puts a simulated panel behind COM `port`.
    panelsim::PanelSimulator &Brancher(int port)
    {
        auto &sim = *panels.emplace_back(std::make_unique<panelsim::PanelSimulator>());
        qputenv(("PANEL_COM" + QByteArray::number(port)).constData(), QByteArray::fromStdString(sim.path()));
        return sim;
    }

    static std::vector<int> Offerts(const frmPort &p)
    {
        std::vector<int> ports;
        for (int i = 1; i <= 16; ++i)
            if (p.Option_COM[static_cast<size_t>(i)]->isEnabled())
                ports.push_back(i);
        return ports;
    }
    static std::vector<int> Coches(const frmPort &p)
    {
        std::vector<int> ports;
        for (int i = 1; i <= 16; ++i)
            if (p.Option_COM[static_cast<size_t>(i)]->isChecked())
                ports.push_back(i);
        return ports;
    }
    bool MenusPanneau() const
    {
        return main->mnuConfig_Tuvik->isEnabled() && main->mnuVisualiser->isEnabled();
    }

    static void DoubleClic(QWidget *w)
    {
        const QPointF centre = QRectF(w->rect()).center();
        QMouseEvent e(QEvent::MouseButtonDblClick, centre, w->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }

    std::unique_ptr<frmMain> main;
    std::vector<std::unique_ptr<panelsim::PanelSimulator>> panels;
};

TEST_F(PortWindow, LayoutCaptionsAndColours)
{
    frmPort &p = Port::Show();
    EXPECT_EQ(p.windowTitle(), QStringLiteral("Sélection du Port de Communication"));
    EXPECT_EQ(p.size(), QSize(4875 / 15, 2700 / 15));
    EXPECT_EQ(p.Frame1->title(), QStringLiteral("Sélection du Port de Communication"));
    EXPECT_EQ(p.Frame1->geometry(), QRect(6, 6, 4665 / 15, 2055 / 15));
    EXPECT_EQ(p.Cmd_Ok->text(), QStringLiteral("Ok"));
    // Positions and heights: a button may be widened to show its whole caption.
    EXPECT_EQ(p.Cmd_Ok->pos(), QPoint(2600 / 15, 150));
    EXPECT_EQ(p.Cmd_Ok->height(), 25);
    EXPECT_EQ(p.Cmd_Annuler->text(), QStringLiteral("Annuler"));
    EXPECT_EQ(p.Cmd_Annuler->pos(), QPoint(3780 / 15, 150));
    const QColor fond(197, 207, 237);
    EXPECT_EQ(p.palette().color(QPalette::Window), fond);
    EXPECT_EQ(p.Frame1->palette().color(QPalette::Window), fond);
    // Four rows of four, COM 1 to COM 4 first, inside the frame.
    const int colonnes[4] = {330, 1410, 2430, 3450};
    const int lignes[4] = {360, 750, 1140, 1530};
    for (int i = 1; i <= 16; ++i) {
        QRadioButton *o = p.Option_COM[static_cast<size_t>(i)];
        EXPECT_EQ(o->text(), QStringLiteral("COM %1").arg(i));
        EXPECT_EQ(o->parentWidget(), p.Frame1);
        EXPECT_EQ(o->pos(), QPoint(colonnes[(i - 1) % 4] / 15, lignes[(i - 1) / 4] / 15)) << i;
        EXPECT_EQ(o->height(), 255 / 15);
        EXPECT_EQ(o->palette().color(QPalette::Window), fond);
    }
    // At the top left of the main window's area.
    EXPECT_EQ(p.LeftTwips(), 0);
    EXPECT_TRUE(D().Ouvert.Ouvert_Port);
}

TEST_F(PortWindow, OnlyAvailablePortIsCheckedAndStoredAtLoadWithoutAByteSent)
{
    auto &sim = Brancher(5);
    frmPort &p = Port::Show();
    EXPECT_EQ(Offerts(p), std::vector<int>{5});
    EXPECT_EQ(Coches(p), std::vector<int>{5});
    EXPECT_EQ(D().Port_COM, 5);
    EXPECT_TRUE(p.Cmd_Ok->isEnabled());
    // The probe leaves every port closed and says nothing to the panel.
    EXPECT_FALSE(Fonctions::MSComm1().PortOpen());
    EXPECT_TRUE(sim.frames().empty());

    p.Cmd_Ok->click();
    EXPECT_TRUE(MenusPanneau());
    EXPECT_EQ(D().Port_COM, 5);
    EXPECT_EQ(Port::Instance(), nullptr);
    EXPECT_FALSE(D().Ouvert.Ouvert_Port);
}

TEST_F(PortWindow, AnnulerKeepsTheOnlyPortButLeavesTheMenusDisabled)
{
    Brancher(12);
    frmPort &p = Port::Show();
    p.Cmd_Annuler->click();
    EXPECT_EQ(D().Port_COM, 12);
    EXPECT_FALSE(main->mnuConfig_Tuvik->isEnabled());
    EXPECT_FALSE(main->mnuVisualiser->isEnabled());
    EXPECT_EQ(Port::Instance(), nullptr);
    EXPECT_FALSE(D().Ouvert.Ouvert_Port);
}

TEST_F(PortWindow, TwoPortsCheckNothingAndOkWaitsForAClick)
{
    Brancher(2);
    Brancher(11);
    frmPort &p = Port::Show();
    EXPECT_EQ(Offerts(p), (std::vector<int>{2, 11}));
    EXPECT_TRUE(Coches(p).empty());
    EXPECT_EQ(D().Port_COM, 0);
    EXPECT_FALSE(p.Cmd_Ok->isEnabled());

    p.Option_COM[11]->click();
    EXPECT_TRUE(p.Cmd_Ok->isEnabled());
    // One choice at a time.
    p.Option_COM[2]->click();
    EXPECT_EQ(Coches(p), std::vector<int>{2});
    EXPECT_EQ(D().Port_COM, 0); // stored only by Ok
    p.Cmd_Ok->click();
    EXPECT_EQ(D().Port_COM, 2);
    EXPECT_TRUE(MenusPanneau());
}

TEST_F(PortWindow, ReopenedWithTheChosenPortStillThereChecksIt)
{
    Brancher(3);
    Brancher(7);
    Brancher(16);
    D().Port_COM = 7;
    frmPort &p = Port::Show();
    EXPECT_EQ(Offerts(p), (std::vector<int>{3, 7, 16}));
    EXPECT_EQ(Coches(p), std::vector<int>{7});
    EXPECT_EQ(D().Port_COM, 7);
    EXPECT_TRUE(p.Cmd_Ok->isEnabled());
}

TEST_F(PortWindow, ChosenPortGoneIsForgottenUnlessOneOtherIsLeft)
{
    Brancher(6);
    Brancher(9);
    D().Port_COM = 4;
    frmPort &p = Port::Show();
    EXPECT_FALSE(p.Option_COM[4]->isEnabled());
    EXPECT_EQ(D().Port_COM, 0);
    EXPECT_TRUE(Coches(p).empty());
    EXPECT_FALSE(p.Cmd_Ok->isEnabled());
    p.Cmd_Annuler->click();

    // With a single port left, that one is taken.
    qputenv("PANEL_COM6", "/nonexistent/panel-com-6");
    D().Port_COM = 4;
    frmPort &q = Port::Show();
    EXPECT_EQ(D().Port_COM, 9);
    EXPECT_EQ(Coches(q), std::vector<int>{9});
    EXPECT_TRUE(q.Cmd_Ok->isEnabled());
}

TEST_F(PortWindow, NoPortLeavesEverythingDisabledAndAnnulerChangesNothing)
{
    frmPort &p = Port::Show();
    EXPECT_TRUE(Offerts(p).empty());
    EXPECT_TRUE(Coches(p).empty());
    EXPECT_FALSE(p.Cmd_Ok->isEnabled());
    EXPECT_TRUE(p.Cmd_Annuler->isEnabled());
    p.Cmd_Annuler->click();
    EXPECT_EQ(D().Port_COM, 0);
    EXPECT_FALSE(main->mnuConfig_Tuvik->isEnabled());
    EXPECT_FALSE(main->mnuVisualiser->isEnabled());
}

TEST_F(PortWindow, DoubleClickChoosesAndClosesInOneStep)
{
    Brancher(8);
    Brancher(10);
    frmPort &p = Port::Show();
    // A disabled port takes no double click.
    DoubleClic(p.Option_COM[9]);
    ASSERT_EQ(Port::Instance(), &p);
    EXPECT_EQ(D().Port_COM, 0);

    DoubleClic(p.Option_COM[10]);
    EXPECT_EQ(Port::Instance(), nullptr);
    EXPECT_EQ(D().Port_COM, 10);
    EXPECT_TRUE(MenusPanneau());
    EXPECT_FALSE(D().Ouvert.Ouvert_Port);
}

TEST_F(PortWindow, PortLeftOpenIsClosedBeforeTheProbe)
{
    Brancher(3);
    D().Port_COM = 3;
    // As the access-code window leaves it.
    platform::SerialControl &com = Fonctions::MSComm1();
    com.setCommPort(3);
    ASSERT_TRUE(com.setPortOpen(true));

    frmPort &p = Port::Show();
    EXPECT_EQ(Offerts(p), std::vector<int>{3});
    EXPECT_EQ(Coches(p), std::vector<int>{3});
    EXPECT_EQ(D().Port_COM, 3);
    EXPECT_FALSE(com.PortOpen());
}

TEST_F(PortWindow, AnotherExclusiveWindowClosesItAsAnnulerWould)
{
    Brancher(5);
    Port::Show();
    ASSERT_TRUE(D().Ouvert.Ouvert_Port);
    Fonctions::Fermer_Fenetres();
    EXPECT_EQ(Port::Instance(), nullptr);
    EXPECT_FALSE(D().Ouvert.Ouvert_Port);
    EXPECT_EQ(D().Port_COM, 5);
    EXPECT_FALSE(main->mnuConfig_Tuvik->isEnabled());
    // Gone from the close-all routine too: a second call finds nothing to close.
    Fonctions::Fermer_Fenetres();
    EXPECT_FALSE(D().Ouvert.Ouvert_Port);
}

} // namespace
