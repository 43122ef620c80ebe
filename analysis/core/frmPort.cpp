#include "analysis/core/frmPort.h"

#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "analysis/core/frmMain.h"
#include "platform/serial_control.h"
#include "platform/twips.h"

#include <QEvent>

using Declaration::D;

frmPort::frmPort()
    : platform::Form(Kind::MdiChild, QStringLiteral("Selection du Port de Communication"), 5325, 2610)
{
    Frame1 =
        new QGroupBox(QString(25, QLatin1Char(' ')) + QStringLiteral("Sélection du port de communication") +
                          QString(24, QLatin1Char(' ')),
                      this);
    platform::PlaceTwips(Frame1, 120, 90, 5055, 1965);
    const int colonnes[4] = {450, 1530, 2610, 3690};
    const int lignes[4] = {420, 780, 1140, 1500};
    for (int i = 1; i <= 16; ++i) {
        auto *option = new QRadioButton(QStringLiteral("COM %1").arg(i), Frame1);
        platform::PlaceTwips(option, colonnes[(i - 1) % 4], lignes[(i - 1) / 4], 885, 210);
        m_groupe.addButton(option, i);
        option->installEventFilter(this);
        connect(option, &QRadioButton::clicked, this, [this, i] { Option_COM_Click(i); });
        Option_COM[static_cast<size_t>(i)] = option;
    }
    Cmd_Ok = new QPushButton(QStringLiteral("Ok"), this);
    platform::PlaceTwips(Cmd_Ok, 2820, 2160, 1095, 345);
    Cmd_Annuler = new QPushButton(QStringLiteral("Annuler"), this);
    platform::PlaceTwips(Cmd_Annuler, 4080, 2160, 1095, 345);
    connect(Cmd_Ok, &QPushButton::clicked, this, &frmPort::Cmd_Ok_Click);
    connect(Cmd_Annuler, &QPushButton::clicked, this, &frmPort::Cmd_Annuler_Click);
}

int frmPort::Option_Selectionnee() const
{
    const int id = m_groupe.checkedId();
    return id > 0 ? id : 0;
}

void frmPort::Selectionner(int index)
{
    Option_COM[static_cast<size_t>(index)]->setChecked(true);
    Option_COM_Click(index);
}

void frmPort::Form_Load()
{
    Fonctions::Fermer_Fenetres();
    D().Ouvert.Ouvert_Port = true;
    Fonctions::Inscrire_Fenetre(Fonctions::Fenetre::Port, this);
    setLeftTwips(0);
    setTopTwips(0);

    m_groupe.setExclusive(false);
    for (int i = 1; i <= 16; ++i)
        Option_COM[static_cast<size_t>(i)]->setChecked(false);
    m_groupe.setExclusive(true);

    // Which ports can be opened now; no frame is sent.
    auto &com = Fonctions::MSComm1();
    const int ancien = com.CommPort();
    int utilisables = 0, dernier = 0;
    for (int i = 1; i <= 16; ++i) {
        com.setPortOpen(false);
        com.setCommPort(i);
        const bool ouvert = com.setPortOpen(true);
        com.setPortOpen(false);
        Option_COM[static_cast<size_t>(i)]->setEnabled(ouvert);
        if (ouvert) {
            ++utilisables;
            dernier = i;
        }
    }
    com.setCommPort(ancien);

    auto &port = D().Etat_Liaison.Port_COM;
    if (port >= 1 && port <= 16 && !Option_COM[static_cast<size_t>(port)]->isEnabled())
        port = 0;
    if (utilisables == 1) {
        port = static_cast<int16_t>(dernier);
        Selectionner(dernier);
    }
    if (port != 0)
        Selectionner(port);
    else
        Cmd_Ok->setEnabled(false);
}

void frmPort::Option_COM_Click(int index)
{
    if (Option_COM[static_cast<size_t>(index)]->isEnabled())
        Cmd_Ok->setEnabled(true);
}

void frmPort::Option_COM_DblClick(int index)
{
    Option_COM[static_cast<size_t>(index)]->setChecked(true);
    Cmd_Ok->setEnabled(true);
    Cmd_Ok_Click();
}

bool frmPort::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (int i = 1; i <= 16; ++i) {
            if (watched == Option_COM[static_cast<size_t>(i)] &&
                Option_COM[static_cast<size_t>(i)]->isEnabled()) {
                Option_COM_DblClick(i);
                return true;
            }
        }
    }
    return platform::Form::eventFilter(watched, event);
}

void frmPort::Cmd_Ok_Click()
{
    auto &port = D().Etat_Liaison.Port_COM;
    if (const int choix = Option_Selectionnee(); choix != 0)
        port = static_cast<int16_t>(choix);
    frmMain *m = frmMain::Instance();
    if (port != 0) {
        Fonctions::MSComm1().setCommPort(port);
        if (m) {
            m->setWindowTitle(frmMain::Caption_Choisi(port));
            m->mnuAbout->setEnabled(true);
            m->setAnalyseEnabled(true);
        }
        Unload();
    } else if (m) {
        m->setWindowTitle(frmMain::Caption_Sans_Port());
    }
}

void frmPort::Cmd_Annuler_Click()
{
    Unload();
}

void frmPort::Form_Unload()
{
    if (D().Etat_Liaison.Port_COM == 0)
        if (frmMain *m = frmMain::Instance())
            m->setWindowTitle(frmMain::Caption_Sans_Port());
    D().Ouvert.Ouvert_Port = false;
}
