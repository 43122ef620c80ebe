// The main window, its start-up, the port window and the about window, offscreen.
#include "analysis/core/Fonctions.h"
#include "analysis/core/frmAbout.h"
#include "analysis/core/frmConnexion.h"
#include "analysis/core/frmData_Selected.h"
#include "analysis/core/frmData_Total.h"
#include "analysis/core/frmData_Type.h"
#include "analysis/core/frmExcel.h"
#include "analysis/core/frmMain.h"
#include "analysis/core/frmPort.h"
#include "analysis/core/frmWait.h"
#include "platform/serial_control.h"
#include "sim_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>

using Declaration::D;
using testsupport::MessageRecorder;

namespace {

class Shell : public SimulatedPanel
{
protected:
    void SetUp() override
    {
        SimulatedPanel::SetUp();
        testsupport::PointPortsAtNothing();
        D().Etat_Liaison.Port_COM = 0;
        main = std::make_unique<frmMain>();
    }
    void TearDown() override
    {
        main.reset();
        SimulatedPanel::TearDown();
    }
    std::unique_ptr<frmMain> main;
};

QStringList texts(const QList<QAction *> &actions)
{
    QStringList t;
    for (QAction *a : actions)
        t << a->text();
    return t;
}

TEST_F(Shell, MenuBarTextsAndOrder)
{
    EXPECT_EQ(texts(main->menuBar()->actions()),
              QStringList({"Sélection Port", "|", "Enregistrer Sous", "|", "Analyse", "|", "A Propos de ...",
                           "|", "Quitter"}));
    EXPECT_EQ(texts(main->mnuSave->actions()), QStringList({"Fromat Dorva", "Format Excel"}));
    EXPECT_EQ(
        texts(main->mnuAnalyse->actions()),
        QStringList({"Graphique Leq", "Tableau Leq", "", "Tableau Evénements", "", "Tableau Paramètres"}));
    EXPECT_TRUE(main->mnuAnalyse->actions()[2]->isSeparator());
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Velquin Analyser - Pelmar - Version 2.4"));
}

TEST_F(Shell, FoundPanelGivesItsCaptionAndMessage)
{
    testsupport::PointPortAt(5, QString::fromStdString(sim->path()));
    MessageRecorder boxes;
    main->Form_Load();
    EXPECT_EQ(
        main->windowTitle(),
        QStringLiteral("Pelmar - Velquin Logiciel d'analyse - Version 2.4 |  Selected COM Port : COM 5"));
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, QStringLiteral("Dorva is detected on port 5"));
    EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Detection successful"));
    EXPECT_EQ(boxes.shown()[0].icon, platform::MsgIcon::None);
    EXPECT_FALSE(main->SaveEnabled());
    EXPECT_TRUE(main->isEnabled());
    EXPECT_EQ(Port::Instance(), nullptr);
}

TEST_F(Shell, NoPanelOpensThePortWindowAndAnnulerGivesTheNoPortCaption)
{
    MessageRecorder boxes;
    main->Form_Load();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text,
              QStringLiteral("Dorva is not detected, Please plug your Dorva then clic on 'OK'"));
    EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Detection failure"));
    frmPort *p = Port::Instance();
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(D().Ouvert.Ouvert_Port);
    for (int i = 1; i <= 16; ++i)
        EXPECT_FALSE(p->Option_COM[static_cast<size_t>(i)]->isEnabled()) << i;
    EXPECT_FALSE(p->Cmd_Ok->isEnabled());
    EXPECT_EQ(p->Frame1->title(),
              QString(25, ' ') + QStringLiteral("Sélection du port de communication") + QString(24, ' '));
    p->Cmd_Annuler_Click();
    EXPECT_EQ(main->windowTitle(),
              QStringLiteral("Velquin Analyser - Pelmar - Version 2.4  |  Pas de port de COM.  "
                             "|  Mode d'ouverture de fichier actif"));
    EXPECT_FALSE(D().Ouvert.Ouvert_Port);
}

TEST_F(Shell, PortWindowSelectsTheOnlyUsablePortAndOkGivesTheChosenCaption)
{
    testsupport::PointPortAt(9, QString::fromStdString(sim->path()));
    frmPort &p = Port::Show();
    EXPECT_EQ(D().Etat_Liaison.Port_COM, 9);
    EXPECT_TRUE(p.Option_COM[9]->isChecked());
    EXPECT_TRUE(p.Cmd_Ok->isEnabled());
    EXPECT_EQ(sim->frames().size(), 0u); // nothing is sent to find usable ports
    p.Cmd_Ok_Click();
    EXPECT_EQ(main->windowTitle(),
              QStringLiteral("Velquin Analyser - Pelmar - Version 2.4 |  Port de com. : COM 9"));
    EXPECT_EQ(Fonctions::MSComm1().CommPort(), 9);
    EXPECT_EQ(Port::Instance(), nullptr);
}

TEST_F(Shell, PortThatCanNoLongerBeOpenedIsDropped)
{
    panelsim::PanelSimulator second;
    testsupport::PointPortAt(2, QString::fromStdString(sim->path()));
    testsupport::PointPortAt(6, QString::fromStdString(second.path()));
    D().Etat_Liaison.Port_COM = 11;
    frmPort &p = Port::Show();
    EXPECT_EQ(D().Etat_Liaison.Port_COM, 0);
    EXPECT_FALSE(p.Cmd_Ok->isEnabled());
    EXPECT_EQ(p.Option_Selectionnee(), 0);
    // Ok without a port keeps the window and says there is none.
    p.Cmd_Ok_Click();
    EXPECT_NE(Port::Instance(), nullptr);
    EXPECT_EQ(main->windowTitle(), frmMain::Caption_Sans_Port());
    p.Option_COM[6]->setChecked(true);
    p.Option_COM_Click(6);
    EXPECT_TRUE(p.Cmd_Ok->isEnabled());
    p.Cmd_Ok_Click();
    EXPECT_EQ(D().Etat_Liaison.Port_COM, 6);
    EXPECT_EQ(main->windowTitle(), frmMain::Caption_Choisi(6));
}

TEST_F(Shell, AnalyseItemReopensTheDataSourceDialogForItsView)
{
    main->mnuTableau_Leq->trigger();
    frmData_Type *premier = Data_Type::Instance();
    ASSERT_NE(premier, nullptr);
    EXPECT_EQ(D().Type_Analyse, QStringLiteral("Tableau Leq"));
    main->mnuTableau_Evenements->trigger();
    frmData_Type *second = Data_Type::Instance();
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, premier);
    EXPECT_EQ(D().Type_Analyse, QStringLiteral("Tableau Evénements"));
    EXPECT_EQ(second->Frame1->title(),
              QStringLiteral("Sélectionnez le type de données pour le Tableau Evénements"));
    main->mnuTableau_Parametres->trigger();
    EXPECT_EQ(D().Type_Analyse, QStringLiteral("Parametres"));
    main->mnuGraphique->trigger();
    EXPECT_EQ(D().Type_Analyse, QStringLiteral("Graphique Leq"));
    EXPECT_TRUE(D().Ouvert.Ouvert_Data_Type);
}

TEST_F(Shell, AboutWindowActsModal)
{
    main->show();
    frmAbout &a = About::Show();
    EXPECT_FALSE(main->isEnabled());
    EXPECT_TRUE(a.cmdOK->isEnabled());
    EXPECT_EQ(a.lblTitle->text(), QStringLiteral("LOGICIEL D'ANALYSE DES DONNEES DE L'Pelmar"));
    EXPECT_EQ(a.Label_Version->text(), QStringLiteral("Version :15072009"));
    EXPECT_EQ(a.Label_Resolution->text(),
              QStringLiteral(
                  "*  Résolutions compatibles :\r\n    _ 800 x 600.\r\n    _ 1024 x 768.\r\n    _ 1152 x "
                  "864 ou +  (Recommandé)."));
    // The pictures are not beside the test program: the window shows without them.
    EXPECT_TRUE(a.picIcon->pixmap().isNull());
    a.cmdOK->click();
    EXPECT_TRUE(main->isEnabled());
    EXPECT_EQ(About::Instance(), nullptr);
}

TEST_F(Shell, ProgressWindowDisablesTheMenusAndRestoresThem)
{
    main->setSaveEnabled(true);
    Connexion::Show();
    EXPECT_FALSE(main->mnuSelect_Port->isEnabled());
    EXPECT_FALSE(main->SaveEnabled());
    EXPECT_FALSE(main->mnuAbout->isEnabled());
    EXPECT_FALSE(main->mnuAnalyse->menuAction()->isEnabled());
    EXPECT_TRUE(main->mnuQuitter->isEnabled());
    Connexion::Unload();
    EXPECT_TRUE(main->mnuSelect_Port->isEnabled());
    EXPECT_TRUE(main->SaveEnabled());
    EXPECT_TRUE(main->mnuAnalyse->menuAction()->isEnabled());
}

TEST_F(Shell, ClosingTheMainWindowEndsAWaitAndClosesThePort)
{
    testsupport::PointPortAt(port, QString::fromStdString(sim->path()));
    D().Etat_Liaison.Port_COM = static_cast<int16_t>(port);
    sim->setFault(panelsim::Fault::Silent);
    main->show();
    MessageRecorder boxes;
    QTimer::singleShot(60, main.get(), [this] { main->close(); });
    Fonctions::Lecture_Index_Memoire(false);
    EXPECT_TRUE(D().Etat_Liaison.Arret_Demande);
    EXPECT_FALSE(D().Etat_Liaison.Lecture_Index_Reussie);
    EXPECT_FALSE(Fonctions::MSComm1().PortOpen());
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(sim->framesWithCode(panelsim::cmd::MemoryIndex), 1);
    EXPECT_EQ(Connexion::Instance(), nullptr);
}

} // namespace

namespace {

// The controls of a window whose caption does not show whole at the windows' font.
QStringList Legendes_Coupees(QWidget *fenetre)
{
    QStringList coupees;
    for (QWidget *w : fenetre->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(fenetre))
            continue;
        QString texte;
        bool coupe = false;
        if (auto *l = qobject_cast<QLabel *>(w); l && l->pixmap().isNull() && !l->text().isEmpty()) {
            texte = l->text();
            coupe = l->wordWrap() ? l->heightForWidth(l->width()) > l->height()
                                  : l->sizeHint().width() > l->width();
        } else if (auto *b = qobject_cast<QAbstractButton *>(w); b && !b->text().isEmpty()) {
            // The text itself must fit; the style's minimum button width is no caption.
            texte = b->text();
            const QFontMetrics fm(b->font());
            const int lignes = static_cast<int>(texte.count(QLatin1Char('\n'))) + 1;
            const int marge =
                qobject_cast<QPushButton *>(b) ? 6 : b->sizeHint().width() - fm.size(0, texte).width();
            coupe = fm.size(0, texte).width() + marge > b->width() || lignes * fm.height() > b->height() + 1;
        } else if (auto *g = qobject_cast<QGroupBox *>(w); g && !g->title().isEmpty()) {
            texte = g->title();
            coupe = g->fontMetrics().horizontalAdvance(g->title()) > g->width() - 10;
        }
        if (coupe)
            coupees << fenetre->windowTitle() + QStringLiteral(": ") + texte;
    }
    return coupees;
}

TEST_F(Shell, EveryCaptionOfEveryWindowShowsWhole)
{
    QApplication::setFont(QFont(QStringLiteral("Arial"), 8));
    QPixmap icone(16, 16);
    icone.fill(Qt::red);
    QApplication::setWindowIcon(QIcon(icone));
    main->show();
    D().Etat_Liaison.Port_COM = 1;
    D().Index_Memoire = {28, 2, 9, 31, 12, 9, 0x30000, 0x44FFF8};
    D().Date_Selection = {28, 2, 9, 31, 12, 9, 0x30000, 0x44FFF8};
    D().Donnees_Chargees = true;
    D().Periode_Chargee = {28, 2, 2009, 31, 12, 2009};
    D().Type_Analyse = Declaration::Vue_Evenements;
    QStringList coupees;
    auto verifier = [&coupees](platform::Form &f) {
        f.Show();
        QCoreApplication::processEvents();
        coupees << Legendes_Coupees(&f);
    };
    verifier(Port::Show());
    verifier(Data_Type::Show());
    verifier(Data_Total::Show());
    verifier(Data_Selected::Show());
    verifier(Excel::Show());
    frmConnexion &c = Connexion::Show();
    Fonctions::Suivi_Echange &suivi = Suivi_Fenetre();
    suivi.Transmission(754);
    suivi.Tentative(QStringLiteral("Réception du Bock Mémoire n° 66 / 66."));
    verifier(c);
    verifier(Wait::Show());
    verifier(About::Show());
    About::Unload();
    EXPECT_TRUE(coupees.isEmpty()) << coupees.join(QLatin1Char('\n')).toStdString();

    // The port window's sixteen options read "COM 1" to "COM 16" whole.
    frmPort &p = Port::Show();
    for (int i = 10; i <= 16; ++i)
        EXPECT_GE(p.Option_COM[static_cast<size_t>(i)]->width(),
                  p.Option_COM[static_cast<size_t>(i)]->sizeHint().width());
    // The windows inside the main window carry the program's icon.
    auto *sous = qobject_cast<QMdiSubWindow *>(p.parentWidget());
    ASSERT_NE(sous, nullptr);
    EXPECT_EQ(sous->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    QApplication::setWindowIcon(QIcon());
}

} // namespace
