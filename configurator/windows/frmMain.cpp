#include "configurator/windows/frmMain.h"

#include "configurator/Declaration.h"
#include "configurator/Fonctions.h"
#include "configurator/Fonctions_Sauvegarde.h"
#include "configurator/Modele.h"
#include "configurator/windows/frmAbout.h"
#include "configurator/windows/frmChange_Password.h"
#include "configurator/windows/frmConfig.h"
#include "configurator/windows/frmPassword.h"
#include "configurator/windows/frmPort.h"
#include "configurator/windows/frmStart.h"
#include "platform/form.h"
#include "platform/ticks.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPointer>

namespace configurator {

using Declaration::D;

namespace {

QPointer<frmMain> &instance()
{
    static QPointer<frmMain> p;
    return p;
}

} // namespace

frmMain *frmMain::Instance()
{
    return instance().data();
}

frmMain::frmMain()
{
    instance() = this;
    setWindowTitle(Modele().Titre_Principal);
    resize(1024, 740);

    Zone = new QMdiArea(this);
    setCentralWidget(Zone);
    platform::SetMdiArea(Zone);

    QMenuBar *bar = menuBar();
    bar->setNativeMenuBar(false);
    mnuSelection_Port = bar->addAction(QStringLiteral("Selection Port"));
    mnuConfig_Tuvik = bar->addAction(Modele().Menu_Configurer);
    mnuParametres = bar->addMenu(QStringLiteral("Paramètres"));
    mnuOpen = mnuParametres->addAction(QStringLiteral("Ouverture Paramètres"));
    sep1 = mnuParametres->addSeparator();
    mnuSave_Param = mnuParametres->addAction(QStringLiteral("Sauvegarde Paramètres"));
    mnuPrint = mnuParametres->addAction(QStringLiteral("Imprimer Paramètres"));
    sep2 = mnuParametres->addSeparator();
    mnuVisualiser = mnuParametres->addAction(QStringLiteral("Visualiser Paramètres"));
    mnuAbout = bar->addAction(QStringLiteral("A Propos de ..."));
    mnuQuitter = bar->addAction(QStringLiteral("Quitter"));
    mnuRien = bar->addAction(QString(13, QLatin1Char(' ')));
    mnuChange_Password = bar->addAction(Modele().Menu_Change_Password);
    mnuChange_Password->setVisible(false);

    connect(mnuSelection_Port, &QAction::triggered, this, [] { Port::Show(); });
    connect(mnuAbout, &QAction::triggered, this, [] { About::Show(); });
    connect(mnuConfig_Tuvik, &QAction::triggered, this, [] { Password::Show(); });
    connect(mnuOpen, &QAction::triggered, this, [] { Fonctions_Sauvegarde::Ouverture_Parametres(); });
    connect(mnuSave_Param, &QAction::triggered, this, [] { Fonctions_Sauvegarde::Sauvegarde_Parametres(); });
    connect(mnuPrint, &QAction::triggered, this, [] { Fonctions_Sauvegarde::Impression_Parametres(); });
    connect(mnuVisualiser, &QAction::triggered, this, [] {
        // An open settings window is only brought forward: its mode stays as it was opened.
        if (Config::Instance()) {
            Config::Show();
            return;
        }
        D().Mode_Visualisation = true;
        Config::Show();
    });
    connect(mnuQuitter, &QAction::triggered, this, &QWidget::close);
    connect(mnuChange_Password, &QAction::triggered, this, [] { Change_Password::Show(); });

    Timer_Answer.setSingleShot(true);
    Timer_Wait.setSingleShot(true);
}

frmMain::~frmMain()
{
    Fonctions::Fermeture_Port();
    platform::SetMdiArea(nullptr);
}

void frmMain::setParametresEnabled(bool on)
{
    // The menu widget too: otherwise re-enabling the main window re-enables the entry.
    mnuParametres->setEnabled(on);
    mnuParametres->menuAction()->setEnabled(on);
}

bool frmMain::ParametresEnabled() const
{
    return mnuParametres->menuAction()->isEnabled();
}

void frmMain::Armer_Timer_Answer()
{
    Timer_Answer.start(platform::ScaledInterval(2000));
}

void frmMain::MDIForm_Load()
{
    auto &d = D();
    d.Port_COM = 0;
    d.Reponse_Absente_Signalee = true;
    d.Mode_Utilisateur = Declaration::Utilisateur;
    mnuConfig_Tuvik->setEnabled(false);
    mnuSave_Param->setEnabled(false);
    mnuPrint->setEnabled(false);
    mnuVisualiser->setEnabled(false);
    show();

    Start::Load();
    Start::Unload();
    if (!platform::ProgramClosing())
        Port::Show();

    while (Fonctions::Passe_Reception()) {
    }
    close();
}

void frmMain::MDIForm_QueryUnload()
{
    D().Demande_Quitter = true;
    // Kept for good: a window that loads later cannot make the loop forget the quit.
    platform::SetProgramClosing(true);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    MDIForm_QueryUnload();
    Fonctions::Fermer_Fenetres();
    About::Unload();
    Start::Unload();
    Zone->closeAllSubWindows();
    Timer_Answer.stop();
    Timer_Wait.stop();
    event->accept();
}

} // namespace configurator
