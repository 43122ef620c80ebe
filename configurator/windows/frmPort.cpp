#include "configurator/windows/frmPort.h"

#include "configurator/Declaration.h"
#include "configurator/Fonctions.h"
#include "configurator/windows/frmMain.h"
#include "platform/serial_control.h"
#include "platform/twips.h"

#include <QEvent>

namespace configurator {

using Declaration::D;

namespace {

const QString Titre = QStringLiteral("Sélection du Port de Communication");
constexpr int Colonnes[4] = {330, 1410, 2430, 3450};
constexpr int Lignes[4] = {360, 750, 1140, 1530};

} // namespace

frmPort::frmPort() : platform::Form(Kind::MdiChild, Titre, 4875, 2700)
{
    Frame1 = new QGroupBox(Titre, this);
    platform::SetBackground(Frame1, platform::FormBackground());
    platform::PlaceTwips(Frame1, 90, 90, 4665, 2055);
    m_groupe.setExclusive(true);
    for (int i = 1; i <= 16; ++i) {
        auto *o = new QRadioButton(QStringLiteral("COM %1").arg(i), Frame1);
        platform::SetBackground(o, platform::FormBackground());
        platform::PlaceTwips(o, Colonnes[(i - 1) % 4], Lignes[(i - 1) / 4], 915, 255);
        m_groupe.addButton(o, i);
        o->installEventFilter(this);
        connect(o, &QRadioButton::clicked, this, [this, i] { Option_COM_Click(i); });
        Option_COM[static_cast<size_t>(i)] = o;
    }
    Cmd_Ok = new QPushButton(QStringLiteral("Ok"), this);
    platform::PlaceTwips(Cmd_Ok, 2600, 2250, 975, 375);
    Cmd_Annuler = new QPushButton(QStringLiteral("Annuler"), this);
    platform::PlaceTwips(Cmd_Annuler, 3780, 2250, 975, 375);
    connect(Cmd_Ok, &QPushButton::clicked, this, &frmPort::Cmd_Ok_Click);
    connect(Cmd_Annuler, &QPushButton::clicked, this, &frmPort::Cmd_Annuler_Click);
}

void frmPort::Cocher(int index)
{
    option(index)->setChecked(true);
    Option_COM_Click(index);
}

void frmPort::Form_Load()
{
    Fonctions::Fermer_Fenetres();
    D().Ouvert.Ouvert_Port = true;
    Fonctions::Inscrire_Fenetre(Fonctions::Fenetre::Port, this);
    setLeftTwips(0);
    setTopTwips(0);

    // The access-code window leaves its port open. Opening an open control only reports it open, whatever
    // its port number, so every port would look free: the port is closed first to see the true state.
    platform::SerialControl &com = Fonctions::MSComm1();
    com.setPortOpen(false);
    // Which ports can be opened now; nothing is sent and the line settings stay as they are.
    int utilisables = 0;
    for (int i = 1; i <= 16; ++i) {
        com.setCommPort(i);
        com.setPortOpen(true);
        if (com.PortOpen()) {
            com.setPortOpen(false);
            ++utilisables;
        } else {
            option(i)->setEnabled(false);
        }
    }

    int16_t &port = D().Port_COM;
    if (port != 0 && (port < 1 || port > 16 || !option(port)->isEnabled()))
        port = 0;

    m_groupe.setExclusive(false);
    for (int i = 1; i <= 16; ++i)
        option(i)->setChecked(false);
    m_groupe.setExclusive(true);

    if (utilisables == 1) {
        for (int i = 1; i <= 16; ++i) {
            if (option(i)->isEnabled()) {
                Cocher(i);
                port = static_cast<int16_t>(i);
                break;
            }
        }
    }
    if (port != 0)
        Cocher(port);
    else
        Cmd_Ok->setEnabled(false);
}

void frmPort::Option_COM_Click(int index)
{
    if (option(index)->isChecked())
        Cmd_Ok->setEnabled(true);
}

void frmPort::Option_COM_DblClick(int index)
{
    Option_COM_Click(index);
    Cmd_Ok_Click();
}

bool frmPort::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (int i = 1; i <= 16; ++i) {
            if (watched == option(i) && option(i)->isEnabled()) {
                // The first click of the pair has checked it already; a double click is a click too.
                option(i)->setChecked(true);
                Option_COM_DblClick(i);
                return true;
            }
        }
    }
    return platform::Form::eventFilter(watched, event);
}

void frmPort::Cmd_Ok_Click()
{
    for (int i = 1; i <= 16; ++i) {
        if (option(i)->isEnabled() && option(i)->isChecked()) {
            D().Port_COM = static_cast<int16_t>(i);
            break;
        }
    }
    if (frmMain *m = frmMain::Instance()) {
        m->mnuConfig_Tuvik->setEnabled(true);
        m->mnuVisualiser->setEnabled(true);
    }
    Unload();
}

void frmPort::Cmd_Annuler_Click()
{
    Unload();
}

void frmPort::Form_Unload()
{
    D().Ouvert.Ouvert_Port = false;
    Fonctions::Inscrire_Fenetre(Fonctions::Fenetre::Port, nullptr);
}

} // namespace configurator
