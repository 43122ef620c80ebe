// What a failed, stopped or interrupted exchange leaves behind: the data held before, their period and
// their save, the port, and windows a user may act on while the panel is waited for.
#include "analysis/core/Fonctions.h"
#include "analysis/core/Fonctions_Sauvegarde.h"
#include "analysis/core/frmConnexion.h"
#include "analysis/core/frmData_Selected.h"
#include "analysis/core/frmData_Total.h"
#include "analysis/core/frmExcel.h"
#include "analysis/core/frmPort.h"
#include "download_fixture.h"
#include "platform/message_box.h"
#include "platform/serial_control.h"
#include "platform/ticks.h"

#include <QMenuBar>
#include <QTest>

namespace {

class HeldData : public Download
{
protected:
    void SetUp() override
    {
        Download::SetUp();
        sim->setRecords(panelsim::makeRecords(2, 3, 2009, 10, 0, 600));
        D().Type_Analyse = Declaration::Vue_Leq;
        // A data set held from earlier: three rows of 1 January, their own addresses.
        D().Donnees_Memoire.Redimensionner(3);
        D().Donnees_Memoire(2, 6) = 77;
        D().Donnees_Chargees = true;
        D().Periode_Chargee = {1, 1, 2009, 1, 1, 2009};
        D().Adresse_Debut_Chargee = 0x40000;
        D().Adresse_Fin_Chargee = 0x40010;
        D().Date_Selection.Adresse_Debut_Selection = 0x40000;
        D().Date_Selection.Adresse_Fin_Selection = 0x40010;
        main->setSaveEnabled(true);
        fichier = Fonctions_Sauvegarde::Octets_Sauvegarde(D());

        // Every box is answered at once; whether the port was still open then is kept.
        platform::ClearShownMessages();
        platform::SetMessageAnswerer([this](const platform::ShownMessage &m) {
            portOuvertAuMessage.push_back(Fonctions::MSComm1().PortOpen());
            return m.buttons == platform::MsgButtons::YesNo ? platform::MsgResult::No
                                                            : platform::MsgResult::Ok;
        });
    }
    void TearDown() override
    {
        platform::SetMessageAnswerer(nullptr);
        Download::TearDown();
    }

    // "Nouvelles Données", 2 March in the period dialog, Ok in the download window: as far as it goes.
    void nouvelleAnalyse()
    {
        nouveauTransfert();
        if (frmData_Total *t = Data_Total::Instance()) {
            t->MonthView_Start->setSelectedDate(QDate(2009, 3, 2));
            t->MonthView_End->setSelectedDate(QDate(2009, 3, 2));
            t->Cmd_Ok_Click();
        }
        if (frmData_Selected *s = Data_Selected::Instance())
            s->Cmd_Ok_Click();
    }

    // The data held before are there as they were, savable as before, and nothing waits.
    void expectHeldDataKept()
    {
        EXPECT_TRUE(D().Donnees_Chargees);
        EXPECT_EQ(D().Donnees_Memoire.Nombre_Lignes(), 3);
        EXPECT_EQ(D().Donnees_Memoire(2, 6), 77);
        EXPECT_EQ(D().Periode_Chargee, (Declaration::Periode{1, 1, 2009, 1, 1, 2009}));
        EXPECT_EQ(Fonctions_Sauvegarde::Octets_Sauvegarde(D()), fichier);
        EXPECT_TRUE(main->SaveEnabled());
        EXPECT_FALSE(Fonctions::MSComm1().PortOpen());
        EXPECT_EQ(Connexion::Instance(), nullptr);
        EXPECT_EQ(Data_Selected::Instance(), nullptr);
        EXPECT_TRUE(opened.isEmpty());
    }

    // One "Erreur n°1" box, shown with the port already closed.
    void expectOneErrorWithThePortClosed()
    {
        const auto &boxes = platform::ShownMessages();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].title, Fonctions::Titre_Erreur_1);
        ASSERT_EQ(portOuvertAuMessage.size(), 1u);
        EXPECT_FALSE(portOuvertAuMessage[0]);
    }

    QByteArray fichier;
    std::vector<bool> portOuvertAuMessage;
    testsupport::FastTicks faster{10.0};
};

TEST_F(HeldData, SilentOrLatePanelKeepsThemAndClosesThePortBeforeTheBox)
{
    sim->setFault(panelsim::Fault::Silent);
    nouvelleAnalyse();
    expectOneErrorWithThePortClosed();
    expectHeldDataKept();
    EXPECT_EQ(sim->framesWithCode(panelsim::cmd::Parameters), 3);

    // Answers that come only after the program has given up are no answers either.
    platform::ClearShownMessages();
    portOuvertAuMessage.clear();
    sim->setFault(panelsim::Fault::LateAnswer, 60000);
    nouvelleAnalyse();
    expectOneErrorWithThePortClosed();
    expectHeldDataKept();
}

TEST_F(HeldData, ShortAnswersKeepThem)
{
    sim->setFault(panelsim::Fault::ShortAnswer, 60);
    nouvelleAnalyse();
    expectOneErrorWithThePortClosed();
    expectHeldDataKept();
    EXPECT_EQ(sim->framesWithCode(panelsim::cmd::Parameters), 30);
}

TEST_F(HeldData, TransferStallingMidwayKeepsThem)
{
    sim->setFault(panelsim::Fault::DropMidTransfer, 1000);
    nouvelleAnalyse();
    EXPECT_EQ(sim->framesWithCode(Fonctions::Demande_Transfert_Periode), 1);
    expectOneErrorWithThePortClosed();
    expectHeldDataKept();
}

TEST_F(HeldData, AdapterPulledOutMidTransferKeepsThemAndEndsAtOnce)
{
    sim->setPaced(true);
    QTimer debranche;
    QElapsedTimer duree;
    debranche.setInterval(5);
    QObject::connect(&debranche, &QTimer::timeout, [&] {
        if (D().Etat_Liaison.Compteur_Octets > 0) {
            sim->vanish();
            duree.start();
            debranche.stop();
        }
    });
    debranche.start();
    nouvelleAnalyse();
    // The period was settled and asked for; the line went dead in the middle of it.
    EXPECT_EQ(sim->framesWithCode(Fonctions::Demande_Transfert_Periode), 1);
    ASSERT_TRUE(duree.isValid());
    EXPECT_LT(duree.elapsed(), 500); // not the 12.5 s (here 1.25 s) of a silent line
    expectOneErrorWithThePortClosed();
    expectHeldDataKept();
}

TEST_F(HeldData, StreamingDeviceKeepsThemAndEndsTheTransfer)
{
    // A device that answers the parameter request with random bytes as fast as the line takes them:
    // a bufferful is read as the answer, and the memory index it brings is refused.
    sim->streamAfter(panelsim::cmd::Parameters, false);
    nouvelleAnalyse();
    EXPECT_TRUE(sim->streaming());
    const auto &boxes = platform::ShownMessages();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, QStringLiteral("Réponse de l'Pelmar erronée !!!"));
    EXPECT_FALSE(portOuvertAuMessage[0]);
    expectHeldDataKept();
}

TEST_F(HeldData, CancelInThePeriodDialogKeepsThem)
{
    nouveauTransfert();
    ASSERT_NE(Data_Total::Instance(), nullptr);
    Data_Total::Instance()->Cmd_Annuler_Click();
    EXPECT_TRUE(platform::ShownMessages().empty());
    expectHeldDataKept();
    EXPECT_EQ(Data_Total::Instance(), nullptr);
    // The held data are still offered, and lead on with their own addresses.
    frmData_Type &d = Data_Type::Show();
    EXPECT_TRUE(d.Option_Last_Data->isChecked());
    d.Cmd_Ok_Click();
    EXPECT_EQ(opened, QStringList({"frmInTableau_Old"}));
    EXPECT_EQ(D().Date_Selection.Adresse_Debut_Selection, 0x40000);
    EXPECT_EQ(D().Date_Selection.Adresse_Fin_Selection, 0x40010);
}

TEST_F(HeldData, QuittingDuringTheLastWaitChangesNothing)
{
    QTimer quitter;
    quitter.setInterval(5);
    QObject::connect(&quitter, &QTimer::timeout, [&] {
        // The whole period has come and the port is closed: the 2.5 s wait before the view.
        if (D().Etat_Liaison.Compteur_Octets == 600 * 8 && !Fonctions::MSComm1().PortOpen()) {
            quitter.stop();
            main->close();
        }
    });
    quitter.start();
    nouvelleAnalyse();
    EXPECT_TRUE(D().Etat_Liaison.Arret_Demande);
    EXPECT_TRUE(D().Donnees_Chargees);
    EXPECT_EQ(D().Donnees_Memoire.Nombre_Lignes(), 3);
    EXPECT_EQ(D().Periode_Chargee, (Declaration::Periode{1, 1, 2009, 1, 1, 2009}));
    EXPECT_EQ(Fonctions_Sauvegarde::Octets_Sauvegarde(D()), fichier);
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_FALSE(Fonctions::MSComm1().PortOpen());
}

TEST_F(HeldData, CompletedDownloadReplacesThemWhole)
{
    nouvelleAnalyse();
    EXPECT_TRUE(platform::ShownMessages().empty());
    EXPECT_EQ(D().Donnees_Memoire.Nombre_Lignes(), 600);
    EXPECT_EQ(D().Periode_Chargee, (Declaration::Periode{2, 3, 2009, 2, 3, 2009}));
    EXPECT_EQ(D().Adresse_Debut_Chargee, 0x30000);
    EXPECT_EQ(D().Adresse_Fin_Chargee, 0x30000 + 8 * 599);
    EXPECT_TRUE(main->SaveEnabled());
    EXPECT_EQ(opened, QStringList({"frmTableau_Leq"}));
}

TEST_F(HeldData, DateRangeAnswerWithoutItsAddressesIsRefused)
{
    // Stale addresses of an earlier period must not size anything.
    D().Index_Memoire = {2, 3, 9, 2, 3, 9, 0x30000, 0x30000 + 8 * 599};
    D().Date_Selection = {2, 3, 9, 2, 3, 9, 0x31000, 0x32000};
    sim->setFault(panelsim::Fault::ShortAnswer, 18); // the dates, not the addresses
    Fonctions::Lecture_Index_Memoire(true);
    EXPECT_FALSE(D().Etat_Liaison.Lecture_Index_Reussie);
    EXPECT_EQ(D().Date_Selection.Adresse_Debut_Selection, 0);
    EXPECT_EQ(D().Date_Selection.Adresse_Fin_Selection, 0);
    EXPECT_EQ(sim->framesWithCode(0x66), 3);
    expectOneErrorWithThePortClosed();
    EXPECT_EQ(Fonctions_Sauvegarde::Octets_Sauvegarde(D()), fichier);
}

TEST_F(HeldData, EmptyPanelMemoryIsSaidToHoldNoData)
{
    sim->setRecords({});
    nouveauTransfert();
    const auto &boxes = platform::ShownMessages();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, Fonctions::Texte_Periode_Vide);
    EXPECT_EQ(boxes[0].title, Fonctions::Titre_Periode_Vide);
    EXPECT_EQ(boxes[0].icon, platform::MsgIcon::Information);
    EXPECT_EQ(Data_Total::Instance(), nullptr);
    expectHeldDataKept();
}

// A user acting while the panel is waited for.
TEST_F(HeldData, ClicksOnOtherWindowsDuringADownloadAreDropped)
{
    sim->setPaced(true);
    frmExcel &excel = Excel::Show();
    int clics = 0;
    QTimer clic;
    clic.setInterval(20);
    QObject::connect(&clic, &QTimer::timeout, [&] {
        if (D().Etat_Liaison.Compteur_Octets == 0 || !Excel::Instance())
            return;
        ++clics;
        QTest::mouseClick(excel.Valex, Qt::LeftButton);
        QTest::mouseClick(main->menuBar(), Qt::LeftButton, {},
                          main->menuBar()->actionGeometry(main->mnuSelect_Port).center());
    });
    clic.start();
    nouvelleAnalyse();
    clic.stop();
    EXPECT_GT(clics, 0);
    EXPECT_NE(Excel::Instance(), nullptr); // its "Valider" never ran
    EXPECT_EQ(Port::Instance(), nullptr);
    EXPECT_TRUE(platform::ShownMessages().empty());
    EXPECT_EQ(D().Donnees_Memoire.Nombre_Lignes(), 600);
    EXPECT_EQ(opened, QStringList({"frmTableau_Leq"}));
}

TEST_F(HeldData, DownloadWindowClosedUnderItsRunningHandlerStopsIt)
{
    sim->setPaced(true);
    // What "Valider" of the export window would do if it ran (close every flagged window), then the
    // download window alone going: either way the handler stops, and the progress goes with it.
    for (const auto &fermeture : std::vector<std::function<void()>>{[] { Fonctions::Fermer_Fenetres(); },
                                                                    [] { Data_Selected::Unload(); }}) {
        QTimer fermer;
        fermer.setInterval(5);
        QObject::connect(&fermer, &QTimer::timeout, [&] {
            if (D().Etat_Liaison.Compteur_Octets > 0) {
                fermer.stop();
                fermeture();
            }
        });
        D().Etat_Liaison.Compteur_Octets = 0;
        fermer.start();
        nouvelleAnalyse();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(platform::ShownMessages().empty());
        expectHeldDataKept();
    }
}

TEST_F(HeldData, ClosingTheMainWindowDuringADownloadKeepsThem)
{
    sim->setPaced(true);
    QTimer fermer;
    fermer.setInterval(5);
    QObject::connect(&fermer, &QTimer::timeout, [&] {
        if (D().Etat_Liaison.Compteur_Octets > 0) {
            fermer.stop();
            main->close();
        }
    });
    fermer.start();
    nouvelleAnalyse();
    EXPECT_TRUE(D().Etat_Liaison.Arret_Demande);
    EXPECT_TRUE(platform::ShownMessages().empty());
    EXPECT_TRUE(D().Donnees_Chargees);
    EXPECT_EQ(D().Donnees_Memoire.Nombre_Lignes(), 3);
    EXPECT_FALSE(Fonctions::MSComm1().PortOpen());
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(HeldData, MenusAreOutOfReachDuringTheScanButQuitterEndsIt)
{
    platform::SetTickSpeed(1.0);
    main->show();
    for (int p = 1; p <= 8; ++p) // a probe of 125 ms on each of eight ports
        testsupport::PointPortAt(p, QString::fromStdString(sim->path()));
    QMenuBar *barre = main->menuBar();
    QTimer::singleShot(100, [&] {
        QTest::mouseClick(barre, Qt::LeftButton, {}, barre->actionGeometry(main->mnuSelect_Port).center());
        QTest::mouseClick(barre, Qt::LeftButton, {}, barre->actionGeometry(main->mnuAbout).center());
    });
    QTimer::singleShot(200, [&] {
        EXPECT_EQ(Port::Instance(), nullptr);
        QTest::mouseClick(barre, Qt::LeftButton, {}, barre->actionGeometry(main->mnuQuitter).center());
    });
    QElapsedTimer duree;
    duree.start();
    Fonctions::Detection_Port();
    EXPECT_TRUE(D().Etat_Liaison.Arret_Demande);
    EXPECT_LT(duree.elapsed(), 700); // well before the eighth port
    EXPECT_EQ(Port::Instance(), nullptr);
    EXPECT_FALSE(main->isVisible());
    EXPECT_FALSE(Fonctions::MSComm1().PortOpen());
}

} // namespace
