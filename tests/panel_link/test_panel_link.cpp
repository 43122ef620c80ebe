// The panel link on its own: a serial control of the test's own, the simulated panel at the far end.
#include "panel_link/Fonctions_ASCII.h"
#include "panel_link/Trames.h"
#include "panel_simulator.h"
#include "platform/serial_control.h"
#include "platform/ticks.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

using Fonctions_ASCII::Caractere_Vers_Code;
using Fonctions_ASCII::Code_Vers_Caractere;

TEST(PanelLink, RequestFrameIsCodeValueAndLetterI)
{
    EXPECT_EQ(panel_link::Trame_Commande(130, 0), QByteArray("\x82\x00\x69", 3));
    EXPECT_EQ(panel_link::Trame_Commande(0x61, 31), QByteArray("\x61\x1F\x69", 3));
    // Only the low byte of each field travels.
    EXPECT_EQ(panel_link::Trame_Commande(0x184, 0x1FF), QByteArray("\x84\xFF\x69", 3));
}

TEST(PanelLink, SenderWritesOnTheControlItIsGiven)
{
    testsupport::PointPortsAtNothing();
    panelsim::PanelSimulator sim;
    testsupport::PointPortAt(9, QString::fromStdString(sim.path()));
    platform::SerialControl com;
    // Closed, a control takes no frame.
    EXPECT_FALSE(panel_link::Envoi_Commande(com, 0x82, 0));

    ASSERT_TRUE(panel_link::Ouverture_Echange(com, 9));
    EXPECT_EQ(com.CommPort(), 9);
    EXPECT_EQ(com.Settings(), panel_link::Reglages_Ligne);
    EXPECT_EQ(com.InBufferSize(), panel_link::Taille_Reception);
    EXPECT_EQ(com.RThreshold(), panel_link::Taille_Reception);
    EXPECT_TRUE(panel_link::Envoi_Commande(com, 0x82, 0));
    EXPECT_TRUE(panel_link::Envoi_Commande(com, 0x61, 31));
    ASSERT_TRUE(sim.waitForFrames(2, std::chrono::seconds(2)));
    const auto frames = sim.frames();
    EXPECT_EQ(frames[0], (panelsim::Frame{0x82, 0, 0x69}));
    EXPECT_EQ(frames[1], (panelsim::Frame{0x61, 31, 0x69}));
    // The parameter answer comes back on the same control.
    EXPECT_TRUE(
        platform::PumpUntil([&] { return com.InBufferCount() >= 135; }, platform::GetTickCount() + 2000));
    com.setPortOpen(false);

    // A port with no device behind it is refused, not a crash.
    EXPECT_FALSE(panel_link::Ouverture_Echange(com, 10));
    EXPECT_FALSE(com.PortOpen());
    panel_link::Ouverture_Detection(com);
    EXPECT_FALSE(com.PortOpen());
    EXPECT_EQ(com.RThreshold(), 1000);
}

TEST(PanelLink, ControlHoldsNoMoreThanItsInputBufferAndTellsAVanishedDevice)
{
    testsupport::PointPortsAtNothing();
    panelsim::PanelSimulator sim;
    testsupport::PointPortAt(9, QString::fromStdString(sim.path()));
    platform::SerialControl com;
    const auto attendre = [](int ms) {
        platform::PumpUntil([] { return false; }, platform::GetTickCount() + ms);
    };
    // A device that streams as fast as the line takes: the exchange's buffer fills and stops there.
    ASSERT_TRUE(panel_link::Ouverture_Echange(com, 9));
    sim.startStream(false);
    for (int lot = 0; lot < 3; ++lot) {
        attendre(300);
        EXPECT_EQ(com.InBufferCount(), panel_link::Taille_Reception) << lot;
        EXPECT_TRUE(com.InBufferFull());
        EXPECT_EQ(com.Input().size(), panel_link::Taille_Reception) << lot;
    }
    // The port scan's buffer is smaller.
    panel_link::Ouverture_Detection(com);
    com.setCommPort(9);
    ASSERT_TRUE(com.setPortOpen(true));
    attendre(300);
    EXPECT_EQ(com.InBufferCount(), 1000);
    sim.stopStream();
    com.ClearInBuffer();
    EXPECT_FALSE(com.TakeLost());

    // The device goes away while open: closed, and told once.
    sim.vanish();
    EXPECT_TRUE(platform::PumpUntil([&] { return !com.PortOpen(); }, platform::GetTickCount() + 2000));
    EXPECT_TRUE(com.TakeLost());
    EXPECT_FALSE(com.TakeLost());
}

TEST(PanelLink, AnswerIsWalkedInWholeFramesFromItsStart)
{
    std::vector<std::pair<int, int>> vues;
    const auto garder = [&](int tag, int valeur) { vues.emplace_back(tag, valeur); };
    QByteArray reponse;
    for (int i = 0; i < 42; ++i)
        reponse.append(static_cast<char>(i)).append(static_cast<char>(200 + i % 50)).append('\x00');
    reponse.append('\x08');
    EXPECT_EQ(panel_link::Parcourir_Reponse(reponse, garder), 42);
    ASSERT_EQ(vues.size(), 42u);
    EXPECT_EQ(vues.front(), std::make_pair(0, 200));
    EXPECT_EQ(vues.back(), std::make_pair(41, 241)); // bytes above 127 come unsigned
    vues.clear();
    EXPECT_EQ(panel_link::Parcourir_Reponse(QByteArray("\x08\x51", 2), garder), 0);
    EXPECT_EQ(panel_link::Parcourir_Reponse(QByteArray(), garder), 0);
    EXPECT_TRUE(vues.empty());
}

TEST(PanelLink, CharacterTableCoversItsCodesAndNothingElse)
{
    int connus = 0;
    for (int code = 0; code <= 255; ++code)
        if (Code_Vers_Caractere(code) != QStringLiteral("No Valid"))
            ++connus;
    EXPECT_EQ(connus, 107);
    EXPECT_EQ(Code_Vers_Caractere(47), QStringLiteral("0"));
    EXPECT_EQ(Code_Vers_Caractere(62), QStringLiteral("?"));
    EXPECT_EQ(Code_Vers_Caractere(95), QStringLiteral("_"));
    EXPECT_EQ(Code_Vers_Caractere(125), QStringLiteral("}"));
    EXPECT_EQ(Code_Vers_Caractere(253), QStringLiteral("²"));
    EXPECT_EQ(Code_Vers_Caractere(151), QStringLiteral("ù"));
    for (int code : {34, 63, 64, 96, 124, 126, 128, 134, 142, 152, 254, 255, 300, -1})
        EXPECT_EQ(Code_Vers_Caractere(code), QStringLiteral("No Valid")) << code;
    EXPECT_EQ(Code_Vers_Caractere(34, Fonctions_ASCII::Code_Inconnu::Vide), QString());
}

TEST(PanelLink, CharacterConversionsAreExactInverses)
{
    int allers_retours = 0;
    for (int code = 0; code <= 255; ++code) {
        const QString c = Code_Vers_Caractere(code, Fonctions_ASCII::Code_Inconnu::Vide);
        if (c.isEmpty())
            continue;
        EXPECT_EQ(Caractere_Vers_Code(c), code) << code;
        EXPECT_EQ(Code_Vers_Caractere(Caractere_Vers_Code(c)), c);
        ++allers_retours;
    }
    EXPECT_EQ(allers_retours, 107);
    EXPECT_EQ(Caractere_Vers_Code(QStringLiteral(" ")), 32);
    EXPECT_EQ(Caractere_Vers_Code(QStringLiteral("0")), 47);
    EXPECT_EQ(Caractere_Vers_Code(QStringLiteral("9")), 56);
    EXPECT_EQ(Caractere_Vers_Code(QStringLiteral("é")), 130);
    EXPECT_EQ(Caractere_Vers_Code(QStringLiteral("a")), 97);
    EXPECT_EQ(Caractere_Vers_Code(QStringLiteral("A")), 65);
    for (const char *absent : {"@", "/", "\"", "~", "AB", "", "É", "ñ"})
        EXPECT_EQ(Caractere_Vers_Code(QString::fromUtf8(absent)), 0) << absent;
}

} // namespace
