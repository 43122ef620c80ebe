// The configuration program around a simulated panel on COM 9, for the tests of its windows: the main
// window, a fresh program state, message boxes answered and recorded, and the receive loop run by hand.
#pragma once

#include "configurator/windows/frmMain.h"
#include "panel_simulator.h"
#include "platform/message_box.h"
#include "utilisateur.h"

#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace configtest {

inline constexpr int Port_Panneau = 9;

// The program's masking offsets, as the simulator takes them.
std::array<int, 4> Decalages();

// A user who closes each box as it comes up, with its OK button.
using Utilisateur = testsupport::Utilisateur;

class Programme : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs passes of the receive loop until `condition` holds or `ms` real milliseconds have passed.
    bool Tourner(const std::function<bool()> &condition, int ms = 3000);
    // Runs the receive loop for `ms` real milliseconds.
    void Tourner_Pendant(int ms);

    // Lets window events run, without the receive loop, until `octets` answer bytes wait.
    static bool Attendre_Octets(int octets);
    // The panel model this program is built for.
    static panelsim::Model Modele_Panneau();
    // The access code the simulated panel holds.
    void Code_Panneau(const std::array<int, 4> &chiffres);
    // The access-code window with `chiffres` picked, and "Ok" pressed.
    void Entrer_Code(const std::array<int, 4> &chiffres);
    // Through the access code 0000 to the settings window, filled
    // by the complete read-back.
    void Ouvrir_Reglages();
    // Boxes shown since the last call, and forgets them.
    std::vector<platform::ShownMessage> Messages();

    // The button that answers the next boxes.
    platform::MsgResult reponse = platform::MsgResult::Ok;
    panelsim::PanelSimulator sim;
    std::unique_ptr<configurator::frmMain> principale;
};

} // namespace configtest
