#include "analysis/core/frmMain.h"

#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "analysis/core/Fonctions_Sauvegarde.h"
#include "analysis/core/Routes.h"
#include "analysis/core/frmAbout.h"
#include "analysis/core/frmConnexion.h"
#include "analysis/core/frmData_Total.h"
#include "analysis/core/frmData_Type.h"
#include "analysis/core/frmExcel.h"
#include "analysis/core/frmPort.h"
#include "analysis/core/frmStart.h"
#include "platform/form.h"
#include "platform/input_guard.h"
#include "platform/message_box.h"
#include "platform/serial_control.h"
#include "platform/ticks.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPointer>

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

QString frmMain::Caption_Depart()
{
    return QStringLiteral("Velquin Analyser - Pelmar - Version 2.4");
}

QString frmMain::Caption_Trouve(int port)
{
    return QStringLiteral("Pelmar - Velquin Logiciel d'analyse - Version 2.4 |  Selected COM Port : COM %1")
        .arg(port);
}

QString frmMain::Caption_Choisi(int port)
{
    return QStringLiteral("Velquin Analyser - Pelmar - Version 2.4 |  Port de com. : COM %1").arg(port);
}

QString frmMain::Caption_Sans_Port()
{
    return QStringLiteral("Velquin Analyser - Pelmar - Version 2.4  |  Pas de port de COM.  |  Mode "
                          "d'ouverture de fichier actif");
}

frmMain::frmMain()
{
    instance() = this;
    setWindowTitle(Caption_Depart());
    resize(1024, 740);

    Zone = new QMdiArea(this);
    Zone->setBackground(QColor(9, 103, 181));
    setCentralWidget(Zone);
    platform::SetMdiArea(Zone);

    QMenuBar *bar = menuBar();
    bar->setNativeMenuBar(false);
    auto separateur = [bar] { return bar->addAction(QStringLiteral("|")); };
    mnuSelect_Port = bar->addAction(QStringLiteral("Sélection Port"));
    sep1 = separateur();
    mnuSave = bar->addMenu(QStringLiteral("Enregistrer Sous"));
    Save = mnuSave->addAction(QStringLiteral("Fromat Dorva"));
    ExcelSave = mnuSave->addAction(QStringLiteral("Format Excel"));
    sep2 = separateur();
    mnuAnalyse = bar->addMenu(QStringLiteral("Analyse"));
    mnuGraphique = mnuAnalyse->addAction(QStringLiteral("Graphique Leq"));
    mnuTableau_Leq = mnuAnalyse->addAction(QStringLiteral("Tableau Leq"));
    sep3 = mnuAnalyse->addSeparator();
    mnuTableau_Evenements = mnuAnalyse->addAction(QStringLiteral("Tableau Evénements"));
    sep4 = mnuAnalyse->addSeparator();
    mnuTableau_Parametres = mnuAnalyse->addAction(QStringLiteral("Tableau Paramètres"));
    sep5 = separateur();
    mnuAbout = bar->addAction(QStringLiteral("A Propos de ..."));
    sep6 = separateur();
    mnuQuitter = bar->addAction(QStringLiteral("Quitter"));

    connect(mnuSelect_Port, &QAction::triggered, this, [] { Port::Show(); });
    connect(Save, &QAction::triggered, this, [] { Fonctions_Sauvegarde::Sauvegarder_Donnees(); });
    connect(ExcelSave, &QAction::triggered, this, [] {
        Fonctions::Fermer_Fenetres();
        Excel::Show();
    });
    connect(mnuGraphique, &QAction::triggered, this, [this] { Menu_Analyse(Declaration::Vue_Graphique); });
    connect(mnuTableau_Leq, &QAction::triggered, this, [this] { Menu_Analyse(Declaration::Vue_Leq); });
    connect(mnuTableau_Evenements, &QAction::triggered, this,
            [this] { Menu_Analyse(Declaration::Vue_Evenements); });
    connect(mnuTableau_Parametres, &QAction::triggered, this,
            [this] { Menu_Analyse(Declaration::Vue_Parametres); });
    connect(mnuAbout, &QAction::triggered, this, [] { About::Show(); });
    connect(mnuQuitter, &QAction::triggered, this, &QWidget::close);

    // While an exchange runs the user reaches its progress and "Quitter" (menu entry or close box) only.
    platform::InputGuard::AllowAction(mnuQuitter);
    platform::InputGuard::AllowClose(this);
    Fonctions::Inscrire_Suivi(&Suivi_Fenetre());
    Routes::Inscrire(Routes::Vue::Data_Total, [] { Data_Total::Show(); });

    Timer_Wait.setSingleShot(false);
    connect(&Timer_Wait, &QTimer::timeout, this, &frmMain::Timer_Wait_Timer);
}

frmMain::~frmMain()
{
    Fonctions::Fermeture_Port();
    Fonctions::Inscrire_Suivi(nullptr);
    platform::SetMdiArea(nullptr);
}

bool frmMain::SaveEnabled() const
{
    return mnuSave->menuAction()->isEnabled();
}

// The menu widget is disabled too: otherwise re-enabling the main window re-enables the entry.
void frmMain::setSaveEnabled(bool on)
{
    mnuSave->setEnabled(on);
    mnuSave->menuAction()->setEnabled(on);
}

void frmMain::setAnalyseEnabled(bool on)
{
    mnuAnalyse->setEnabled(on);
    mnuAnalyse->menuAction()->setEnabled(on);
}

void frmMain::Menu_Analyse(const QString &type)
{
    D().Type_Analyse = type;
    Data_Type::Unload();
    Data_Type::Show();
}

void frmMain::Timer_Wait_Timer()
{
    Timer_Wait.stop();
}

void frmMain::Form_Load()
{
    setSaveEnabled(false);
    show();

    Start::Load();
    Start::Unload();
    platform::DoEvents();
    if (D().Etat_Liaison.Arret_Demande)
        return;

    Fonctions::Detection_Port();
    if (D().Etat_Liaison.Arret_Demande)
        return;

    const int port = D().Etat_Liaison.Port_COM;
    if (D().Etat_Liaison.Afficheur_Detecte) {
        Fonctions::MSComm1().setCommPort(port);
        setWindowTitle(Caption_Trouve(port));
        mnuAbout->setEnabled(true);
        setAnalyseEnabled(true);
        platform::MsgBox(QStringLiteral("Dorva is detected on port %1").arg(port), platform::MsgButtons::Ok,
                         platform::MsgIcon::None, QStringLiteral("Detection successful"));
    } else {
        platform::MsgBox(QStringLiteral("Dorva is not detected, Please plug your Dorva then clic on 'OK'"),
                         platform::MsgButtons::Ok, platform::MsgIcon::None,
                         QStringLiteral("Detection failure"));
        if (!D().Etat_Liaison.Arret_Demande)
            Port::Show();
    }
}

void frmMain::Form_Unload()
{
    // Ends every wait of a running exchange; the exchange then closes the port and returns.
    D().Etat_Liaison.Arret_Demande = true;
    platform::SetProgramClosing(true);
    Timer_Wait.stop();
    Fonctions::Fermeture_Port();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    Fonctions::Fermer_Fenetres();
    About::Unload();
    Zone->closeAllSubWindows();
    for (QWidget *w : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        if (w->isWindow())
            w->close();
    event->accept();
}
