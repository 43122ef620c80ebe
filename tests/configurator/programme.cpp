#include "programme.h"

#include "configurator/Code_Acces.h"
#include "configurator/Declaration.h"
#include "configurator/Fonctions.h"
#include "configurator/Modele.h"
#include "configurator/windows/frmConfig.h"
#include "configurator/windows/frmPassword.h"
#include "panel_config.h"
#include "platform/form.h"
#include "platform/serial_control.h"
#include "platform/ticks.h"
#include "relecture.h"

#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>

namespace configtest {

namespace Declaration = configurator::Declaration;

void Programme::SetUp()
{
    Declaration::Reinitialiser();
    configurator::Fonctions::Controles_Programme() = configurator::Controles();
    platform::SetProgramClosing(false);
    platform::ClearShownMessages();
    platform::SetMessageAnswerer([this](const platform::ShownMessage &) { return reponse; });
    sim.setModel(Modele_Panneau());
    qputenv(("PANEL_COM" + QByteArray::number(Port_Panneau)).constData(),
            QByteArray::fromStdString(sim.path()));
    principale = std::make_unique<configurator::frmMain>();
    principale->show();
    // As after the start-up and a port chosen in the port window.
    principale->mnuSave_Param->setEnabled(false);
    principale->mnuPrint->setEnabled(false);
    auto &d = Declaration::D();
    d.Port_COM = Port_Panneau;
    d.Reponse_Absente_Signalee = true;
    d.Mode_Utilisateur = Declaration::Utilisateur;
}

void Programme::TearDown()
{
    principale->close();
    principale.reset();
    configurator::Fonctions::Fermeture_Port();
    platform::SetProgramClosing(false);
    platform::SetMessageAnswerer(nullptr);
    platform::ClearShownMessages();
    Ports_Vers_Rien();
}

bool Programme::Tourner(const std::function<bool()> &condition, int ms)
{
    QElapsedTimer montre;
    montre.start();
    while (!condition()) {
        if (montre.elapsed() > ms || !configurator::Fonctions::Passe_Reception())
            return condition();
    }
    return true;
}

void Programme::Tourner_Pendant(int ms)
{
    Tourner([] { return false; }, ms);
}

bool Programme::Attendre_Octets(int octets)
{
    return platform::PumpUntil(
        [octets] { return configurator::Fonctions::MSComm1().InBufferCount() >= octets; },
        platform::GetTickCount() + 3000);
}

panelsim::Model Programme::Modele_Panneau()
{
    return configurator::Modele().Horloge() ? panelsim::Model::Pelmar : panelsim::Model::Tuvik;
}

void Programme::Entrer_Code(const std::array<int, 4> &chiffres)
{
    auto &fenetre = configurator::Password::Show();
    for (size_t i = 0; i < chiffres.size(); ++i)
        fenetre.Combo_Chiffre[i]->Fixer(QString::number(chiffres[i]));
    fenetre.Cmd_Ok_Click();
}

std::array<int, 4> Decalages()
{
    const auto &k = configurator::Decalages_Code;
    return {k[0], k[1], k[2], k[3]};
}

void Programme::Code_Panneau(const std::array<int, 4> &chiffres)
{
    auto s = sim.settings();
    s.codeMasque = panelsim::maskedCode(chiffres, Decalages());
    sim.setSettings(s);
}

void Programme::Ouvrir_Reglages()
{
    Code_Panneau({0, 0, 0, 0});
    Entrer_Code({0, 0, 0, 0});
    ASSERT_TRUE(Tourner([] { return configurator::Config::Instance() && Declaration::D().Envoi_Autorise; }));
}

std::vector<platform::ShownMessage> Programme::Messages()
{
    auto messages = platform::ShownMessages();
    platform::ClearShownMessages();
    return messages;
}

} // namespace configtest
