// The download road from the "Analyse" menu: data-source dialog, period dialog, download window
// and whole-memory transfer, offscreen, against the simulated panel.
#include "analysis/core/Fonctions.h"
#include "analysis/core/Fonctions_Sauvegarde.h"
#include "analysis/core/Fonctions_Transfert.h"
#include "analysis/core/Fonctions_Transfert_Total.h"
#include "analysis/core/Routes.h"
#include "analysis/core/frmConnexion.h"
#include "analysis/core/frmData_Selected.h"
#include "analysis/core/frmData_Total.h"
#include "analysis/core/frmData_Type.h"
#include "analysis/core/frmMain.h"
#include "download_fixture.h"
#include "platform/common_dialog.h"
#include "platform/serial_control.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>

using Declaration::D;
using testsupport::MessageRecorder;

namespace {

TEST_F(Download, DataSourceChoicesFollowPortAndHeldData)
{
    D().Type_Analyse = Declaration::Vue_Leq;
    D().Etat_Liaison.Port_COM = 0;
    {
        frmData_Type &d = Data_Type::Show();
        EXPECT_EQ(d.Frame1->title(), QStringLiteral("Sélectionnez le type de données pour le Tableau Leq"));
        EXPECT_FALSE(d.Option_New_Transfert->isEnabled());
        EXPECT_FALSE(d.Option_Last_Data->isEnabled());
        EXPECT_TRUE(d.Option_New_Save->isChecked());
        EXPECT_TRUE(d.Cmd_Ok->isEnabled());
        EXPECT_FALSE(d.Check_Transfert_All->isVisible());
        Data_Type::Unload();
    }
    D().Etat_Liaison.Port_COM = static_cast<int16_t>(port);
    {
        frmData_Type &d = Data_Type::Show();
        EXPECT_TRUE(d.Option_New_Transfert->isEnabled());
        EXPECT_FALSE(d.Option_New_Transfert->isChecked());
        EXPECT_FALSE(d.Option_New_Save->isChecked());
        EXPECT_FALSE(d.Cmd_Ok->isEnabled());
        Data_Type::Unload();
    }
    D().Donnees_Chargees = true;
    D().Periode_Chargee = {3, 3, 2009, 5, 4, 2009};
    frmData_Type &d = Data_Type::Show();
    EXPECT_TRUE(d.Option_Last_Data->isChecked());
    EXPECT_EQ(d.Option_Last_Data->y(), (1200 - 60) / 15);
    EXPECT_EQ(d.Label_Date->text(), QStringLiteral("Données du 3 Mars 2009 au 5 Avril 2009"));
    EXPECT_TRUE(d.Cmd_Ok->isEnabled());
    d.Cmd_Ok_Click();
    EXPECT_EQ(opened, QStringList({"frmInTableau_Old"}));
}

TEST_F(Download, SavedFileChoiceChecksTheExtension)
{
    D().Type_Analyse = Declaration::Vue_Leq;
    frmData_Type &d = Data_Type::Show();
    std::optional<QString> answer = QStringLiteral("/tmp/mesures.PELMAR");
    platform::SetFileDialogAnswerer([&](const platform::FileDialogRequest &r) {
        EXPECT_EQ(r.filter, QStringLiteral("Sauvegarde Pelmar (*.pelmar)|*.pelmar"));
        EXPECT_EQ(r.mode, platform::FileDialogMode::Open);
        return answer;
    });
    d.Cmd_Search_Click();
    EXPECT_TRUE(d.Option_New_Save->isChecked());
    EXPECT_TRUE(d.Text_Save_Data->text().isEmpty());
    answer = QStringLiteral("/tmp/mesures.pelmar");
    d.Cmd_Search_Click();
    EXPECT_EQ(d.Text_Save_Data->text(), QStringLiteral("/tmp/mesures.pelmar"));
    answer = std::nullopt;
    d.Cmd_Search_Click();
    EXPECT_TRUE(d.Text_Save_Data->text().isEmpty());
    EXPECT_TRUE(d.Option_New_Save->isChecked());

    MessageRecorder boxes;
    d.Cmd_Ok_Click();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, QStringLiteral("Veuillez sélectionner un fichier SVP !!!"));
    EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Aucun fichier sélectionné !!!"));
    EXPECT_EQ(boxes.shown()[0].icon, platform::MsgIcon::Information);
    EXPECT_NE(Data_Type::Instance(), nullptr);
}

TEST_F(Download, RefusedModelSendsNoIndexRequest)
{
    panelsim::PanelSettings s;
    s.modele = 30;
    sim->setSettings(s);
    D().Type_Analyse = Declaration::Vue_Leq;
    MessageRecorder boxes;
    nouveauTransfert();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(
        boxes.shown()[0].text,
        QStringLiteral("Il est impossible avec ce logiciel de récupérer les données d'un Dorva 30. Veuillez "
                       "ouvrir le bon logiciel pour récupérer les données !!!"));
    EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Impossible de récupérer les données !!!"));
    EXPECT_EQ(sim->framesWithCode(panelsim::cmd::MemoryIndex), 0);
    EXPECT_EQ(Connexion::Instance(), nullptr);
    EXPECT_EQ(Data_Type::Instance(), nullptr);
}

TEST_F(Download, NewTransferLeadsToThePeriodDialogAndItsLimits)
{
    sim->setRecords(panelsim::makeRecords(2, 3, 2009, 10, 0, 3 * 24 * 60)); // 2 to 5 March
    D().Type_Analyse = Declaration::Vue_Leq;
    MessageRecorder boxes;
    nouveauTransfert();
    frmData_Total *t = Data_Total::Instance();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->Label_Start_Memory->text(), QStringLiteral(" Lundi   2 Mars 2009"));
    EXPECT_EQ(t->Label_End_Memory->text(), QStringLiteral(" Jeudi   5 Mars 2009"));
    EXPECT_EQ(t->Label_Nombre_Data->text(), QStringLiteral("4320"));
    EXPECT_EQ(t->Label_Temps_Transfert->text(), QStringLiteral("08 Sec.")); // 4320 * 8 / 5600 + 2 = 8.17
    EXPECT_EQ(t->MonthView_Start->selectedDate(), QDate(2009, 3, 2));
    EXPECT_EQ(t->MonthView_End->selectedDate(), QDate(2009, 3, 5));
    EXPECT_TRUE(boxes.shown().empty());

    const QString refus = QStringLiteral("Veuillez entrer des dates cohérentes SVP !!!");
    t->MonthView_Start->setSelectedDate(QDate(2009, 3, 1));
    t->Cmd_Ok_Click();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, refus);
    EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Données de dates d'analyse erronées !!!"));
    t->MonthView_Start->setSelectedDate(QDate(2009, 3, 4));
    t->MonthView_End->setSelectedDate(QDate(2009, 3, 3));
    t->Cmd_Ok_Click();
    EXPECT_EQ(boxes.shown().size(), 2u);
    t->MonthView_End->setSelectedDate(QDate(2009, 3, 6));
    t->Cmd_Ok_Click();
    EXPECT_EQ(boxes.shown().size(), 3u);
    EXPECT_EQ(sim->framesWithCode(0x61), 0);

    // The memory's first day to a day inside it is accepted and settled with the panel.
    sim->clearFrames();
    t->MonthView_Start->setSelectedDate(QDate(2009, 3, 2));
    t->MonthView_End->setSelectedDate(QDate(2009, 3, 3));
    t->Cmd_Ok_Click();
    EXPECT_EQ(boxes.shown().size(), 3u);
    const auto frames = sim->frames();
    ASSERT_EQ(frames.size(), 6u);
    EXPECT_EQ(frames[0], (panelsim::Frame{0x61, 2, 0x69}));
    EXPECT_EQ(frames[5], (panelsim::Frame{0x66, 9, 0x69}));
    frmData_Selected *sel = Data_Selected::Instance();
    ASSERT_NE(sel, nullptr);
    EXPECT_EQ(Data_Total::Instance(), nullptr);
    EXPECT_EQ(sel->Label_Nombre_Data->text(), QStringLiteral("2280")); // 2 March 10:00 to 3 March 23:59
    EXPECT_EQ(sel->Label_Start_Memory->text(), QStringLiteral(" Lundi   2 Mars 2009"));
}

TEST_F(Download, PeriodWithoutRecordsAsksForOtherDates)
{
    sim->setRecords(panelsim::makeRecords(2, 3, 2009, 10, 0, 60));
    sim->setRingBytes(0x30000 + 8 * 60, std::vector<uint8_t>(8, 0xFF));
    D().Index_Memoire = {2, 3, 9, 6, 3, 9, 0x30000, 0x30000 + 8 * 59};
    MessageRecorder boxes;
    frmData_Total &t = Data_Total::Show();
    t.MonthView_Start->setSelectedDate(QDate(2009, 3, 4));
    t.MonthView_End->setSelectedDate(QDate(2009, 3, 6));
    t.Cmd_Ok_Click();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, Fonctions::Texte_Periode_Vide);
    EXPECT_EQ(boxes.shown()[0].title, QStringLiteral(" Pas de données dans la période sélectionnée !!!"));
    EXPECT_EQ(Data_Selected::Instance(), nullptr);
    ASSERT_NE(Data_Total::Instance(), nullptr); // a fresh dialog, back on the memory's dates
    EXPECT_EQ(Data_Total::Instance()->MonthView_Start->selectedDate(), QDate(2009, 3, 2));
}

TEST_F(Download, AbsurdAddressesAndDatesGetAMessage)
{
    sim->setMemoryIndex(30, 2, 9, 5, 3, 9, 0x30000, 0x30008);
    D().Type_Analyse = Declaration::Vue_Leq;
    MessageRecorder boxes;
    nouveauTransfert();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Réponse de l'Pelmar erronée !!!"));
    EXPECT_EQ(Data_Total::Instance(), nullptr);

    // Addresses outside the ring or off a record boundary never size anything.
    selection(QDate(2009, 3, 2), QDate(2009, 3, 3), 0x30000, 0x30000 + 80);
    D().Date_Selection.Adresse_Fin_Selection = 0x7FFFFFF0;
    EXPECT_FALSE(Fonctions::Erreur_Periode_Selection().isEmpty());
    D().Date_Selection.Adresse_Fin_Selection = 0x30004;
    EXPECT_FALSE(Fonctions::Erreur_Periode_Selection().isEmpty());
    D().Date_Selection.Adresse_Fin_Selection = 0x44FFF8;
    EXPECT_TRUE(Fonctions::Erreur_Periode_Selection().isEmpty());
}

TEST_F(Download, PeriodAnswerWithADayThatDoesNotExistIsRefusedAndTheDataHeldStay)
{
    // Sound addresses, but a first record of 30 February or a last one of 31 April: no checksum guards
    // the answer, so a disturbed line can give it.
    struct Cas
    {
        uint8_t jour_debut, mois_debut, jour_fin, mois_fin;
    };
    testsupport::FastTicks faster(10.0);
    for (const Cas c : {Cas{30, 2, 3, 3}, Cas{2, 3, 31, 4}}) {
        SCOPED_TRACE(testing::Message() << int(c.jour_debut) << "/" << int(c.mois_debut) << " to "
                                        << int(c.jour_fin) << "/" << int(c.mois_fin));
        sim->setRecords(panelsim::makeRecords(2, 3, 2009, 10, 0, 3 * 24 * 60)); // 2 to 5 March
        sim->setRangeDates(c.jour_debut, c.mois_debut, 9, c.jour_fin, c.mois_fin, 9);
        sim->clearFrames();
        D().Type_Analyse = Declaration::Vue_Leq;
        D().Donnees_Memoire.Redimensionner(3);
        D().Donnees_Memoire(2, 6) = 77;
        D().Donnees_Chargees = true;
        D().Periode_Chargee = {1, 1, 2009, 1, 1, 2009};
        MessageRecorder boxes;
        nouveauTransfert();
        frmData_Total *t = Data_Total::Instance();
        ASSERT_NE(t, nullptr);
        const Declaration::Etat avant = D();
        t->MonthView_Start->setSelectedDate(QDate(2009, 3, 2));
        t->MonthView_End->setSelectedDate(QDate(2009, 3, 3));
        t->Cmd_Ok_Click();

        periodeRefusee(boxes.shown(), avant);
        EXPECT_EQ(Data_Total::Instance(), nullptr);
    }
}

TEST_F(Download, DownloadWindowThresholds)
{
    MessageRecorder boxes(platform::MsgResult::No);
    // 100001 records over 91 days: refused.
    selection(QDate(2009, 1, 1), QDate(2009, 4, 2), 0x30000, 0x30000 + 8 * 100000);
    Data_Selected::Show().Cmd_Ok_Click();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Durée d'analyse trop longue !!!"));
    EXPECT_EQ(boxes.shown()[0].icon, platform::MsgIcon::Critical);
    EXPECT_EQ(boxes.shown()[0].text,
              QStringLiteral(
                  "Vous voulez récupérer 91 jours de données.\n\rCela représente 100001 données, soit un "
                  "temps de transfert de 02 Min. 25 Sec.\n\rLe logiciel ne peut pas télécharger et analyser "
                  "autant de données !!!\n\rIl vous est recommandé d'effectuer une analyse en vous limitant "
                  "à 1 mois de données.\n\rVeuillez sélectionner une période d'analyse plus petite SVP !!!"));
    EXPECT_NE(Data_Total::Instance(), nullptr);
    EXPECT_EQ(sim->framesWithCode(Fonctions::Demande_Transfert_Periode), 0);

    // Over 90 days: only the warning; No goes back to the period dialog.
    selection(QDate(2009, 1, 1), QDate(2009, 4, 1), 0x30000, 0x30000 + 8 * 100000);
    Data_Selected::Show().Cmd_Ok_Click();
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[1].buttons, platform::MsgButtons::YesNo);
    EXPECT_TRUE(
        boxes.shown()[1].text.startsWith(QStringLiteral("Vous voulez récupérer 90 jours de données.")));
    EXPECT_TRUE(boxes.shown()[1].text.contains(QStringLiteral("02 Min. 25 Sec..\n\rSi vous effectuez")));
    EXPECT_NE(Data_Total::Instance(), nullptr);
    EXPECT_EQ(sim->framesWithCode(Fonctions::Demande_Transfert_Periode), 0);

    // 35001 records over 31 days: no question, the download starts.
    sim->setFault(panelsim::Fault::Silent);
    selection(QDate(2009, 1, 1), QDate(2009, 2, 1), 0x30000, 0x30000 + 8 * 35000);
    Data_Selected::Show().Cmd_Ok_Click();
    ASSERT_EQ(boxes.shown().size(), 3u);
    EXPECT_EQ(boxes.shown()[2].title, Fonctions::Titre_Erreur_1);
    EXPECT_EQ(sim->framesWithCode(Fonctions::Demande_Transfert_Periode), 3);
}

TEST_F(Download, SmallDownloadKeepsEveryByteAndOpensTheView)
{
    auto records = panelsim::makeRecords(2, 3, 2009, 10, 0, 100);
    records[10][6] = 255;                                   // a peak byte of 255
    records[20] = {255, 255, 255, 255, 255, 255, 255, 255}; // erased memory
    sim->setRecords(records);
    selection(QDate(2009, 3, 2), QDate(2009, 3, 2), 0x30000, 0x30000 + 8 * 99);
    D().Type_Analyse = Declaration::Vue_Leq;
    MessageRecorder boxes;
    LabelWatcher temps([] { return Connexion::Instance() ? Connexion::Instance()->Label_Time : nullptr; });
    Data_Selected::Show().Cmd_Ok_Click();
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(D().Donnees_Memoire.rows, rowsOf(sim->ringBytes(0x30000, 800)).rows);
    EXPECT_EQ(D().Donnees_Memoire.Nombre_Lignes(), 100);
    EXPECT_TRUE(D().Donnees_Chargees);
    EXPECT_EQ(D().Periode_Chargee, (Declaration::Periode{2, 3, 2009, 2, 3, 2009}));
    EXPECT_TRUE(main->SaveEnabled());
    EXPECT_EQ(opened, QStringList({"frmTableau_Leq"}));
    EXPECT_EQ(Data_Selected::Instance(), nullptr);
    EXPECT_EQ(Connexion::Instance(), nullptr);
    EXPECT_EQ(temps.texts().value(0), QStringLiteral("Temps de transfert restant = 02 Sec."));
    EXPECT_FALSE(Fonctions::MSComm1().PortOpen());
}

TEST_F(Download, LargeDownloadDropsErasedRecordsOnly)
{
    auto records = panelsim::makeRecords(2, 3, 2009, 10, 0, 2500); // 20000 bytes
    records[5][5] = 255;                                           // an offset event parameter of 255
    records[6][4] = 255;
    records[700] = {255, 255, 255, 255, 255, 255, 255, 255};
    records[701] = {255, 255, 255, 255, 255, 255, 255, 255};
    sim->setRecords(records);
    sim->setPaced(true);
    selection(QDate(2009, 3, 2), QDate(2009, 3, 4), 0x30000, 0x30000 + 8 * 2499);
    D().Type_Analyse = Declaration::Vue_Graphique;
    bool enabledAtOpening = true;
    Qt::CursorShape cursorAtOpening = Qt::ArrowCursor;
    Routes::Inscrire(Routes::Vue::Graphique, [&] {
        enabledAtOpening = main->isEnabled();
        cursorAtOpening = main->cursor().shape();
    });
    MessageRecorder boxes;
    Data_Selected::Show().Cmd_Ok_Click();
    EXPECT_TRUE(boxes.shown().empty());
    std::vector<uint8_t> expected;
    for (size_t i = 0; i < records.size(); ++i)
        if (i != 700 && i != 701)
            expected.insert(expected.end(), records[i].begin(), records[i].end());
    EXPECT_EQ(D().Donnees_Memoire.Nombre_Lignes(), 2498);
    EXPECT_EQ(D().Donnees_Memoire.rows, rowsOf(expected).rows);
    EXPECT_FALSE(enabledAtOpening);
    EXPECT_EQ(cursorAtOpening, Qt::WaitCursor);
}

TEST_F(Download, SplitIntoRowsTakesWholeRecordsOnly)
{
    QByteArray bytes(16008, '\x01');
    bytes[8 * 3 + 2] = '\xFF';
    // Short stream: the incomplete tail record is dropped, nothing is read past the end.
    auto t = Fonctions_Transfert::Lignes_Depuis_Octets(bytes.left(8 * 5 + 3), 2001);
    EXPECT_EQ(t.Nombre_Lignes(), 5);
    EXPECT_EQ(t(4, 3), 255);
    // Extra bytes beyond the expected count are not taken.
    t = Fonctions_Transfert::Lignes_Depuis_Octets(bytes + QByteArray(16, '\x02'), 2001);
    EXPECT_EQ(t.Nombre_Lignes(), 2001);
    EXPECT_EQ(t(2001, 8), 1);
    // A count below zero takes nothing.
    EXPECT_EQ(Fonctions_Transfert::Lignes_Depuis_Octets(bytes, -2).Nombre_Lignes(), 0);
    EXPECT_EQ(Fonctions_Transfert::Lignes_Depuis_Octets(QByteArray(), INT32_MIN).Nombre_Lignes(), 0);
}

TEST_F(Download, SilentPanelEndsInErrorWithHeldDataUnchanged)
{
    D().Donnees_Memoire.Redimensionner(3);
    D().Donnees_Memoire(2, 6) = 77;
    D().Donnees_Chargees = true;
    D().Periode_Chargee = {1, 1, 2009, 1, 1, 2009};
    const auto before = D().Donnees_Memoire.rows;
    sim->setFault(panelsim::Fault::Silent);
    selection(QDate(2009, 3, 2), QDate(2009, 3, 2), 0x30000, 0x30000 + 8 * 99);
    MessageRecorder boxes;
    LabelWatcher tentatives(
        [] { return Connexion::Instance() ? Connexion::Instance()->Label_Tentative : nullptr; });
    Data_Selected::Show().Cmd_Ok_Click();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, Fonctions::Texte_Erreur_1);
    EXPECT_EQ(sim->framesWithCode(Fonctions::Demande_Transfert_Periode), 3);
    EXPECT_TRUE(tentatives.texts().contains(QStringLiteral("Tentative de Connexion 3 / 3.")));
    EXPECT_EQ(D().Donnees_Memoire.rows, before);
    EXPECT_TRUE(D().Donnees_Chargees);
    EXPECT_EQ(D().Periode_Chargee, (Declaration::Periode{1, 1, 2009, 1, 1, 2009}));
    EXPECT_EQ(Connexion::Instance(), nullptr);
    EXPECT_EQ(Data_Selected::Instance(), nullptr);
    EXPECT_FALSE(Fonctions::MSComm1().PortOpen());
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(Download, LineGoingSilentMidTransferStopsWithTheError)
{
    sim->setRecords(panelsim::makeRecords(2, 3, 2009, 10, 0, 3000));
    sim->setFault(panelsim::Fault::DropMidTransfer, 10000);
    selection(QDate(2009, 3, 2), QDate(2009, 3, 4), 0x30000, 0x30000 + 8 * 2999);
    MessageRecorder boxes;
    Data_Selected::Show().Cmd_Ok_Click();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, Fonctions::Titre_Erreur_1);
    EXPECT_FALSE(D().Donnees_Chargees);
    EXPECT_EQ(D().Donnees_Memoire.Nombre_Lignes(), 0);
    EXPECT_EQ(Connexion::Instance(), nullptr);
}

TEST_F(Download, WholeMemoryTransferAsksEveryBlockAndKeepsNothing)
{
    testsupport::FastTicks faster(10.0);
    D().Donnees_Chargees = false;
    main->setSaveEnabled(false);
    MessageRecorder boxes;
    Fonctions_Transfert_Total::Transfert_Memoire();
    EXPECT_TRUE(D().Etat_Liaison.Transfert_Reussi);
    const auto frames = sim->frames();
    ASSERT_EQ(frames.size(), 66u);
    for (int b = 0; b < 66; ++b)
        EXPECT_EQ(frames[static_cast<size_t>(b)], (panelsim::Frame{0x84, static_cast<uint8_t>(b), 0x69}));
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, QStringLiteral("Transmission des données réussies !!!"));
    EXPECT_FALSE(D().Donnees_Chargees);
    EXPECT_FALSE(main->SaveEnabled());
    EXPECT_FALSE(Fonctions::MSComm1().PortOpen());
    EXPECT_EQ(Connexion::Instance(), nullptr);
}

TEST_F(Download, WholeMemoryTransferAsksToGoOnWhenThePanelIsSilent)
{
    sim->setFault(panelsim::Fault::Silent);
    MessageRecorder boxes(platform::MsgResult::No);
    Fonctions_Transfert_Total::Transfert_Memoire();
    EXPECT_FALSE(D().Etat_Liaison.Transfert_Reussi);
    EXPECT_EQ(sim->framesWithCode(0x84), 3);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Pelmar ne répond plus"));
    EXPECT_EQ(boxes.shown()[0].text,
              QStringLiteral(
                  "Vérifier que l'Pelmar est bien connecté ! Voulez-vous continuer la transmission ???"));
    EXPECT_NE(Connexion::Instance(), nullptr); // left for the caller
    EXPECT_FALSE(Fonctions::MSComm1().PortOpen());
    EXPECT_EQ(Connexion::Instance()->Label_Tentative->text(),
              QStringLiteral("Réception du Bock Mémoire n° 1 / 66."));
}

TEST_F(Download, DownloadSavedAndReopenedGivesTheSameData)
{
    auto records = panelsim::makeRecords(28, 2, 2009, 22, 0, 3000);
    records[40] = panelsim::makeEvent(28, 2, 2009, 22, 40, 5, 70, 80);
    sim->setRecords(records, 0x44FFF8 - 8 * 50); // wraps round the ring
    panelsim::PanelSettings settings;
    settings.nom = panelsim::panelName("  Atelier été  ");
    settings.offsetByte = 137;
    settings.typeCapteur = 2;
    sim->setSettings(settings);
    D().Type_Analyse = Declaration::Vue_Leq;
    MessageRecorder boxes;

    nouveauTransfert();
    frmData_Total *t = Data_Total::Instance();
    ASSERT_NE(t, nullptr);
    t->MonthView_Start->setSelectedDate(QDate(2009, 3, 1));
    t->MonthView_End->setSelectedDate(QDate(2009, 3, 2));
    t->Cmd_Ok_Click();
    ASSERT_NE(Data_Selected::Instance(), nullptr);
    Data_Selected::Instance()->Cmd_Ok_Click();
    ASSERT_TRUE(D().Donnees_Chargees);
    ASSERT_TRUE(boxes.shown().empty());
    const Declaration::Etat apres = D();
    EXPECT_EQ(apres.Donnees_Memoire.Nombre_Lignes(), 2 * 24 * 60);
    EXPECT_EQ(apres.Parametres_Afficheur.Nom_Afficheur, QStringLiteral("  Atelier été"));

    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("mesures.pelmar"));
    platform::SetFileDialogAnswerer(
        [&](const platform::FileDialogRequest &) { return std::optional(chemin); });
    main->Save->trigger();
    ASSERT_TRUE(QFile::exists(chemin));
    EXPECT_TRUE(boxes.shown().empty());

    testsupport::FreshState();
    ASSERT_TRUE(Fonctions_Sauvegarde::Ouvrir_Sauvegarde(chemin));
    EXPECT_EQ(D().Donnees_Memoire.rows, apres.Donnees_Memoire.rows);
    EXPECT_EQ(D().Periode_Chargee, apres.Periode_Chargee);
    EXPECT_EQ(D().Date_Selection.Adresse_Debut_Selection, apres.Date_Selection.Adresse_Debut_Selection);
    EXPECT_EQ(D().Date_Selection.Adresse_Fin_Selection, apres.Date_Selection.Adresse_Fin_Selection);
    const auto &p = D().Parametres_Afficheur, &q = apres.Parametres_Afficheur;
    EXPECT_EQ(p.Nom_Afficheur, q.Nom_Afficheur);
    EXPECT_EQ(p.Numero_Serie, q.Numero_Serie);
    EXPECT_EQ(p.Offset, q.Offset);
    EXPECT_EQ(p.Niveau_Alarme, q.Niveau_Alarme);
    EXPECT_EQ(p.Version_Firmware, q.Version_Firmware);
    EXPECT_EQ(p.Modele_40dB, q.Modele_40dB);
    EXPECT_EQ(p.Type_Capteur, q.Type_Capteur);
    EXPECT_EQ(p.Config_Aff_Centre, q.Config_Aff_Centre);
    EXPECT_EQ(p.Valeur_Luminosite, q.Valeur_Luminosite);
    EXPECT_TRUE(D().Donnees_Chargees);
}

TEST_F(Download, RefusedSavedFileBringsTheDialogBackAndKeepsTheData)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("abime.pelmar"));
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Sauvegarde d'un Pelmar - Version 2.3\r\n01-03-2009\r\n");
    f.close();
    D().Donnees_Chargees = true;
    D().Periode_Chargee = {1, 1, 2009, 2, 1, 2009};
    D().Donnees_Memoire.Redimensionner(2);
    D().Type_Analyse = Declaration::Vue_Leq;
    platform::SetFileDialogAnswerer(
        [&](const platform::FileDialogRequest &) { return std::optional(chemin); });
    MessageRecorder boxes;
    frmData_Type &d = Data_Type::Show();
    d.Cmd_Search_Click();
    d.Cmd_Ok_Click();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, Fonctions_Sauvegarde::Titre_Ouvrir);
    EXPECT_TRUE(D().Donnees_Chargees);
    EXPECT_EQ(D().Donnees_Memoire.Nombre_Lignes(), 2);
    ASSERT_NE(Data_Type::Instance(), nullptr);
    EXPECT_TRUE(Data_Type::Instance()->isVisible());
    EXPECT_TRUE(opened.isEmpty());
}

} // namespace
