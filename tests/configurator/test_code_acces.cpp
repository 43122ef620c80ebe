// The access-code road against a simulated panel: a code accepted opens the filled settings window, a
// wrong one is refused, a silent panel is reported once, the masked code is shown, and a new code goes
// to the panel masked and comes back.
#include "configurator/Code_Acces.h"
#include "configurator/Declaration.h"
#include "configurator/Fonctions.h"
#include "configurator/Modele.h"
#include "configurator/windows/frmChange_Password.h"
#include "configurator/windows/frmConfig.h"
#include "configurator/windows/frmPassword.h"
#include "panel_config.h"
#include "platform/serial_control.h"
#include "platform/ticks.h"
#include "programme.h"

#include <QTest>

namespace {

using configurator::Modele;
namespace Declaration = configurator::Declaration;
namespace Fonctions = configurator::Fonctions;

class CodeAcces : public configtest::Programme
{
protected:
    std::vector<int> Codes_Recus() const
    {
        std::vector<int> codes;
        for (const auto &f : sim.frames())
            codes.push_back(f[0]);
        return codes;
    }
};

TEST_F(CodeAcces, RightCodeOpensTheSettingsWindowFilledByTheReadBack)
{
    Code_Panneau({4, 0, 9, 2});
    Entrer_Code({4, 0, 9, 2});
    ASSERT_TRUE(Tourner([] { return configurator::Config::Instance() && Declaration::D().Envoi_Autorise; }));
    EXPECT_EQ(configurator::Password::Instance(), nullptr);
    EXPECT_TRUE(principale->mnuChange_Password->isVisible());
    EXPECT_FALSE(Declaration::D().Mode_Visualisation);

    auto *config = configurator::Config::Instance();
    EXPECT_EQ(config->Text_Serial_Number->text(), QStringLiteral("12345678"));
    EXPECT_EQ(config->Slider_Alarme->value(), 85);
    EXPECT_EQ(config->Label_Alarme->text(), QStringLiteral("Niveau d'Alarme = 85 dB."));
    EXPECT_EQ(config->Combo_Aff_Centre->currentText(), QStringLiteral("Niveau Leq 10 Minutes"));
    EXPECT_TRUE(config->isEnabled());
    EXPECT_GT(config->List_Reponses->ListCount(), 10);
    // The read-back fills the controls without a single setting going back to the panel.
    Tourner_Pendant(300);
    EXPECT_EQ(Codes_Recus(), (std::vector<int>{0x56, 0x80}));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(CodeAcces, WrongCodeIsRefusedAndTheDigitsGoBackToZero)
{
    Code_Panneau({1, 2, 3, 4});
    Entrer_Code({1, 2, 3, 5});
    ASSERT_TRUE(Tourner([] { return !platform::ShownMessages().empty(); }));
    const auto messages = Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, Modele().Message_Code_Errone);
    EXPECT_EQ(messages[0].title, Modele().Titre_Code_Errone);
    EXPECT_EQ(messages[0].icon, platform::MsgIcon::Critical);
    auto *fenetre = configurator::Password::Instance();
    ASSERT_NE(fenetre, nullptr);
    for (auto *combo : fenetre->Combo_Chiffre)
        EXPECT_EQ(combo->currentText(), QStringLiteral("0"));
    EXPECT_EQ(configurator::Config::Instance(), nullptr);
    Tourner_Pendant(200);
    const std::vector<int> attendus =
        Modele().Signal_Code_Errone ? std::vector<int>{0x56, 0x5F} : std::vector<int>{0x56};
    EXPECT_EQ(Codes_Recus(), attendus);

    // Another try with the right code gets through.
    Entrer_Code({1, 2, 3, 4});
    EXPECT_TRUE(Tourner([] { return configurator::Config::Instance() != nullptr; }));
}

TEST_F(CodeAcces, EachOfTwoWrongCodesInARowIsToldWithItsBox)
{
    Code_Panneau({1, 2, 3, 4});
    configtest::Utilisateur utilisateur;
    for (qsizetype essai = 1; essai <= 2; ++essai) {
        Entrer_Code({1, 2, 3, 5});
        ASSERT_TRUE(Tourner([&] { return utilisateur.Boites().size() == essai; })) << essai;
    }
    Tourner_Pendant(300);
    EXPECT_EQ(utilisateur.Boites(), QStringList(2, Modele().Message_Code_Errone));
    EXPECT_NE(configurator::Password::Instance(), nullptr);
    EXPECT_EQ(configurator::Config::Instance(), nullptr);
}

TEST_F(CodeAcces, SilentPanelIsReportedOncePerRequest)
{
    platform::SetTickSpeed(10);
    sim.setFault(panelsim::Fault::Silent);
    Entrer_Code({0, 0, 0, 0});
    ASSERT_TRUE(Tourner([] { return !platform::ShownMessages().empty(); }, 2000));
    Tourner_Pendant(400);
    auto messages = Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, Modele().Message_Absence_Reponse);
    EXPECT_EQ(messages[0].title, Modele().Titre_Absence_Reponse);
    EXPECT_NE(configurator::Password::Instance(), nullptr);

    // Pressing "Ok" again asks again and is reported again.
    configurator::Password::Instance()->Cmd_Ok_Click();
    ASSERT_TRUE(Tourner([] { return !platform::ShownMessages().empty(); }, 2000));
    EXPECT_EQ(Messages().size(), 1u);
    platform::SetTickSpeed(1);
}

TEST_F(CodeAcces, AnswerAfterTheNoAnswerMessageStillOpensTheSettings)
{
    platform::SetTickSpeed(10);
    sim.setFault(panelsim::Fault::LateAnswer, 600); // past the 2000 ms (200 ms at this speed)
    Code_Panneau({0, 0, 0, 0});
    Entrer_Code({0, 0, 0, 0});
    ASSERT_TRUE(Tourner([] { return !platform::ShownMessages().empty(); }, 2000));
    // The settings window's own wait for the read-back runs at real speed again.
    platform::SetTickSpeed(1);
    sim.setFault(panelsim::Fault::None);
    EXPECT_TRUE(Tourner([] { return configurator::Config::Instance() != nullptr; }, 3000));
    platform::SetTickSpeed(1);
}

TEST_F(CodeAcces, MaskedCodeIsShownAndNothingOpens)
{
    Code_Panneau({7, 3, 0, 9});
    const auto masque = panelsim::maskedCode({7, 3, 0, 9}, configtest::Decalages());
    configurator::Password::Show().Cmd_Code_Mask_Click();
    ASSERT_TRUE(Tourner([] { return !platform::ShownMessages().empty(); }));
    const auto messages = Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("Code Masqué = %1%2%3%4.")
                                    .arg(masque[0])
                                    .arg(masque[1])
                                    .arg(masque[2])
                                    .arg(masque[3]));
    EXPECT_EQ(messages[0].title, QStringLiteral("Code Masqué"));
    EXPECT_EQ(messages[0].icon, platform::MsgIcon::Information);
    Tourner_Pendant(100);
    EXPECT_NE(configurator::Password::Instance(), nullptr);
    EXPECT_EQ(configurator::Config::Instance(), nullptr);
}

TEST_F(CodeAcces, NewCodeGoesMaskedAndTheNextAccessNeedsIt)
{
    Ouvrir_Reglages();
    principale->mnuChange_Password->trigger();
    auto *change = configurator::Change_Password::Instance();
    ASSERT_NE(change, nullptr);
    // Its load closed the settings window, which hid the menu entry.
    EXPECT_EQ(configurator::Config::Instance(), nullptr);
    EXPECT_FALSE(principale->mnuChange_Password->isVisible());

    sim.clearFrames();
    const std::array<int, 4> nouveau{8, 1, 9, 6};
    for (size_t i = 0; i < 8; ++i)
        change->Combo_Chiffre[i]->Fixer(QString::number(nouveau[i % 4]));
    change->Cmd_Ok_Click();
    ASSERT_TRUE(Tourner([] { return configurator::Change_Password::Instance() == nullptr; }));
    const auto frames = sim.frames();
    ASSERT_GE(frames.size(), 4u);
    const int positions[4] = {2, 4, 3, 1};
    for (size_t i = 0; i < 4; ++i) {
        const size_t p = static_cast<size_t>(positions[i] - 1);
        EXPECT_EQ(frames[i][0], 0x5B + static_cast<int>(i));
        EXPECT_EQ(frames[i][1], (nouveau[p] + configurator::Decalages_Code[p]) % 10);
    }
    const auto messages = Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, Modele().Message_Code_Change);
    EXPECT_EQ(messages[0].title, QStringLiteral("Mot de Passe mis à jour."));
    EXPECT_FALSE(Fonctions::MSComm1().PortOpen());

    Entrer_Code({0, 0, 0, 0});
    ASSERT_TRUE(Tourner([] { return !platform::ShownMessages().empty(); }));
    EXPECT_EQ(Messages()[0].text, Modele().Message_Code_Errone);
    Entrer_Code(nouveau);
    EXPECT_TRUE(Tourner([] { return configurator::Config::Instance() != nullptr; }));
}

TEST_F(CodeAcces, DifferentEntriesSendNothing)
{
    auto &change = configurator::Change_Password::Show();
    for (size_t i = 0; i < 8; ++i)
        change.Combo_Chiffre[i]->Fixer(QString::number(i));
    change.Cmd_Ok_Click();
    const auto messages = Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, Modele().Codes_Differents);
    EXPECT_EQ(messages[0].title, Modele().Codes_Differents);
    for (auto *combo : change.Combo_Chiffre)
        EXPECT_EQ(combo->currentText(), QStringLiteral("0"));
    Tourner_Pendant(200);
    EXPECT_TRUE(sim.frames().empty());
}

TEST_F(CodeAcces, DigitCombosKeepOneDigitAndMoveTheFocusOn)
{
    auto &fenetre = configurator::Password::Show();
    fenetre.activateWindow();
    auto *deux = fenetre.Combo_Chiffre[1];
    deux->setEditText(QStringLiteral("5"));
    EXPECT_EQ(deux->currentText(), QStringLiteral("5"));
    EXPECT_EQ(deux->Chiffre_Valide, QStringLiteral("5"));
    for (const QString &mauvais : {QStringLiteral("55"), QStringLiteral("a"), QString()}) {
        deux->setEditText(mauvais);
        EXPECT_EQ(deux->currentText(), QStringLiteral("5")) << mauvais.toStdString();
    }
    EXPECT_EQ(fenetre.Combo_Chiffre[0]->currentText(), QStringLiteral("0"));
    EXPECT_TRUE(fenetre.Combo_Chiffre[2]->hasFocus() || QApplication::focusWidget() == nullptr ||
                fenetre.Combo_Chiffre[2]->isAncestorOf(QApplication::focusWidget()));

    // Enter in a digit acts as "Ok".
    QTest::keyClick(fenetre.Combo_Chiffre[3]->lineEdit(), Qt::Key_Return);
    EXPECT_TRUE(sim.waitForFrames(1, std::chrono::milliseconds(2000)));
    EXPECT_EQ(sim.frames().at(0)[0], 0x56);
}

TEST_F(CodeAcces, NoPortChosenSendsNothingAndDoesNotCrash)
{
    Declaration::D().Port_COM = 0;
    Entrer_Code({0, 0, 0, 0});
    Tourner_Pendant(200);
    EXPECT_FALSE(Fonctions::MSComm1().PortOpen());
    EXPECT_TRUE(sim.frames().empty());
}

} // namespace
