// The two graph period dialogs offscreen: the day table noon to noon, the pickers' real dates, the checks
// and messages, the date-range request against the simulated panel and the windows that follow.
#include "analysis/core/Fonctions.h"
#include "analysis/core/frmConnexion.h"
#include "analysis/core/frmData_Selected.h"
#include "analysis/core/frmData_Total.h"
#include "analysis/graph_window/Periode_Graphique.h"
#include "analysis/graph_window/Vues_Graphique.h"
#include "analysis/graph_window/frmData_Total_Graph.h"
#include "analysis/graph_window/frmInGraphique_Old.h"
#include "download_fixture.h"

#include <QApplication>
#include <QDate>
#include <QFontMetrics>
#include <QLabel>
#include <gtest/gtest.h>

using Declaration::D;
using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;
using testsupport::MessageRecorder;

namespace {

// Rows 1 to n + 1 of the day table as dates.
std::vector<QDate> jours(const Declaration::Etat_Graphique &g)
{
    std::vector<QDate> d;
    for (int i = 1; i <= g.Nombre_Jours_Graphique + 1; ++i)
        d.push_back(Periode_Graphique::Date_Jour(g, i));
    return d;
}

std::vector<QDate> suite(QDate debut, int n)
{
    std::vector<QDate> d;
    for (int i = 0; i <= n; ++i)
        d.push_back(debut.addDays(i));
    return d;
}

// ---- The day table and the selection, without a window ---------------------------------------------

TEST(JoursGraphique, MonthAndYearEndsAsTheDialogsCount)
{
    Declaration::Etat_Graphique g;
    g.Nombre_Jours_Graphique = 7;
    Periode_Graphique::Remplir_Jours(g, QDate(2009, 1, 31));
    EXPECT_EQ(jours(g), suite(QDate(2009, 1, 31), 7)); // 31/1, 1/2 ... 7/2

    g.Nombre_Jours_Graphique = 3;
    Periode_Graphique::Remplir_Jours(g, QDate(2008, 2, 28));
    EXPECT_EQ(jours(g), (std::vector<QDate>{{2008, 2, 28}, {2008, 2, 29}, {2008, 3, 1}, {2008, 3, 2}}));
    Periode_Graphique::Remplir_Jours(g, QDate(2009, 2, 28));
    EXPECT_EQ(jours(g), (std::vector<QDate>{{2009, 2, 28}, {2009, 3, 1}, {2009, 3, 2}, {2009, 3, 3}}));
    Periode_Graphique::Remplir_Jours(g, QDate(2009, 12, 30));
    EXPECT_EQ(jours(g), (std::vector<QDate>{{2009, 12, 30}, {2009, 12, 31}, {2010, 1, 1}, {2010, 1, 2}}));
    EXPECT_EQ(g.Jours_Graphique[4][3], 10); // year minus 2000

    g.Nombre_Jours_Graphique = 1;
    Periode_Graphique::Remplir_Jours(g, QDate(2009, 4, 30));
    EXPECT_EQ(jours(g), (std::vector<QDate>{{2009, 4, 30}, {2009, 5, 1}}));
    // Rows past the end day keep what the 3-day table left there.
    EXPECT_EQ(Periode_Graphique::Date_Jour(g, 3), QDate(2010, 1, 1));
}

TEST(JoursGraphique, EveryStartTheDialogsAcceptFollowsTheCalendar)
{
    // Inside 2000..2099 the multiple-of-4 leap rule is the calendar's.
    Declaration::Etat_Graphique g;
    for (const int16_t n : {1, 3, 7}) {
        g.Nombre_Jours_Graphique = n;
        for (QDate d = Periode_Graphique::Premier_Jour; d <= Periode_Graphique::Dernier_Jour;
             d = d.addDays(1)) {
            Periode_Graphique::Remplir_Jours(g, d);
            ASSERT_EQ(Periode_Graphique::Date_Jour(g, n + 1), d.addDays(n)) << d.toString().toStdString();
        }
    }
}

TEST(JoursGraphique, DayCountAndSelection)
{
    using Periode_Graphique::Nombre_Jours;
    EXPECT_EQ(Nombre_Jours(true, false, false, 5), 1);
    EXPECT_EQ(Nombre_Jours(false, true, false, 5), 3);
    EXPECT_EQ(Nombre_Jours(false, false, true, 5), 7);
    EXPECT_EQ(Nombre_Jours(true, true, true, 5), 1); // tested in that order
    EXPECT_EQ(Nombre_Jours(false, false, false, 3), 3);

    Declaration::Etat_Graphique g;
    g.Nombre_Jours_Graphique = 3;
    Periode_Graphique::Remplir_Jours(g, QDate(2009, 12, 30));
    Declaration::Selection s{};
    s.Adresse_Debut_Selection = 0x30000;
    s.Adresse_Fin_Selection = 0x30008;
    Periode_Graphique::Selection_Depuis_Jours(s, g);
    EXPECT_EQ(s.Jour_Debut_Selection, 30);
    EXPECT_EQ(s.Mois_Debut_Selection, 12);
    EXPECT_EQ(s.Annee_Debut_Selection, 9);
    EXPECT_EQ(s.Jour_Fin_Selection, 2);
    EXPECT_EQ(s.Mois_Fin_Selection, 1);
    EXPECT_EQ(s.Annee_Fin_Selection, 10);
    EXPECT_EQ(s.Adresse_Debut_Selection, 0x30000);
    EXPECT_EQ(s.Adresse_Fin_Selection, 0x30008);
}

TEST(JoursGraphique, DatesThatAreNotRealAreClampedToRealOnes)
{
    using Periode_Graphique::Date_Reelle;
    EXPECT_EQ(Date_Reelle(6, 5, 2009), QDate(2009, 5, 6));
    EXPECT_EQ(Date_Reelle(31, 2, 2009), QDate(2009, 2, 28));
    EXPECT_EQ(Date_Reelle(30, 2, 2008), QDate(2008, 2, 29));
    EXPECT_EQ(Date_Reelle(31, 4, 2009), QDate(2009, 4, 30));
    EXPECT_EQ(Date_Reelle(0, 0, 1999), QDate(2000, 1, 1));
    EXPECT_EQ(Date_Reelle(45, 13, 2255), QDate(2099, 12, 31));
}

// ---- The dialog before a new download -------------------------------------------------------------

class DialoguePeriode : public Download
{
protected:
    void SetUp() override
    {
        Download::SetUp();
        // The two dialogs open for real; the graph window is recorded.
        Vues_Graphique::Inscrire();
        Routes::Inscrire(Routes::Vue::Graphique, [this] { opened << Routes::Nom(Routes::Vue::Graphique); });
        D().Type_Analyse = Declaration::Vue_Graphique;
    }

    // Held from 3 to 5 May 2009 (a saved file or a download).
    static void donneesTenues()
    {
        D().Donnees_Chargees = true;
        D().Periode_Chargee = {3, 5, 2009, 5, 5, 2009};
    }

    testsupport::FastTicks faster{10.0};
};

TEST_F(DialoguePeriode, NewDownloadDialogShowsTheMemory)
{
    D().Index_Memoire = {2, 3, 9, 5, 3, 9, 0x30000, 0x30000 + 8 * 4319};
    D().Graphique.Nombre_Jours_Graphique = 7;
    ASSERT_TRUE(Routes::Ouvrir(Routes::Vue::Data_Total_Graph));
    frmData_Total_Graph *d = Data_Total_Graph::Instance();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(D().Ouvert.Ouvert_Data_Total_Graph);
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Données dans la mémoire de l'Pelmar"));
    EXPECT_EQ(d->Label_Start_Memory->text(), QStringLiteral(" Lundi   2 Mars 2009"));
    EXPECT_EQ(d->Label_End_Memory->text(), QStringLiteral(" Jeudi   5 Mars 2009"));
    EXPECT_EQ(d->Label_Nombre_Data->text(), QStringLiteral("4320"));
    EXPECT_EQ(d->Label_Temps_Transfert->text(), QStringLiteral("08 Sec."));
    EXPECT_EQ(d->MonthView_Start->date(), QDate(2009, 3, 2));
    EXPECT_TRUE(d->Option_Jour->isChecked());
    EXPECT_FALSE(d->Option_Semaine->isChecked());
    EXPECT_TRUE(d->MonthView_Start->calendarPopup());

    // The pickers hold the years a record can carry, and no other.
    EXPECT_EQ(d->MonthView_Start->minimumDate(), QDate(2000, 1, 1));
    EXPECT_EQ(d->MonthView_Start->maximumDate(), QDate(2099, 12, 31));
    d->MonthView_Start->setDate(QDate(1999, 6, 1));
    EXPECT_EQ(d->MonthView_Start->date(), QDate(2000, 1, 1));
    d->MonthView_Start->setDate(QDate(2100, 6, 1));
    EXPECT_EQ(d->MonthView_Start->date(), QDate(2099, 12, 31));

    // Count and time of the ring: one record, a wrapped ring, the whole ring.
    d->Unload();
    D().Index_Memoire = {2, 3, 9, 2, 3, 9, 0x40000, 0x40000};
    d = &Data_Total_Graph::Show();
    EXPECT_EQ(d->Label_Nombre_Data->text(), QStringLiteral("1"));
    EXPECT_EQ(d->Label_Temps_Transfert->text(), QStringLiteral("02 Sec."));
    D().Index_Memoire = {2, 3, 9, 2, 3, 9, 0x440000, 0x30008};
    d->Unload();
    d = &Data_Total_Graph::Show();
    EXPECT_EQ(d->Label_Nombre_Data->text(), QStringLiteral("8194"));
    D().Index_Memoire = {2, 3, 9, 2, 3, 9, 0x30000, 0x450000 - 8};
    d->Unload();
    d = &Data_Total_Graph::Show();
    EXPECT_EQ(d->Label_Temps_Transfert->text(), QStringLiteral("12 Min. 54 Sec."));
}

TEST_F(DialoguePeriode, IndexDatesThatAreNotRealReachThePickerAsRealOnes)
{
    D().Index_Memoire = {31, 2, 9, 0, 13, 9, 0x30000, 0x30008};
    frmData_Total_Graph &d = Data_Total_Graph::Show();
    EXPECT_EQ(d.MonthView_Start->date(), QDate(2009, 2, 28));
    EXPECT_EQ(d.Label_Start_Memory->text(), QStringLiteral(" Samedi  28 Février 2009"));
    EXPECT_EQ(d.Label_End_Memory->text(), QStringLiteral(" Mardi   1 Décembre 2009"));
}

TEST_F(DialoguePeriode, StartAfterTheLastRecordIsRefusedAndNothingIsWritten)
{
    sim->setRecords(panelsim::makeRecords(2, 3, 2009, 10, 0, 3 * 24 * 60)); // 2 to 5 March
    D().Index_Memoire = {2, 3, 9, 5, 3, 9, 0x30000, 0x30000 + 8 * 4319};
    D().Graphique.Nombre_Jours_Graphique = 3;
    const auto selection = D().Date_Selection;
    MessageRecorder boxes;
    frmData_Total_Graph &d = Data_Total_Graph::Show();
    d.MonthView_Start->setDate(QDate(2009, 3, 6));
    d.Option_Semaine->setChecked(true);
    d.Cmd_Ok_Click();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, QStringLiteral("Veuillez entrer des dates cohérentes SVP !!!"));
    EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Données de dates d'analyse erronées !!!"));
    EXPECT_EQ(boxes.shown()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(boxes.shown()[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(Data_Total_Graph::Instance(), &d);
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(D().Graphique.Nombre_Jours_Graphique, 3);
    EXPECT_EQ(D().Date_Selection.Jour_Debut_Selection, selection.Jour_Debut_Selection);
    EXPECT_EQ(sim->framesWithCode(0x61), 0);

    // The last record's day itself passes: the panel is asked.
    d.MonthView_Start->setDate(QDate(2009, 3, 5));
    d.Cmd_Ok_Click();
    EXPECT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(sim->framesWithCode(0x61), 1);
    EXPECT_EQ(D().Graphique.Nombre_Jours_Graphique, 7);
    EXPECT_EQ(Periode_Graphique::Date_Jour(D().Graphique, 8), QDate(2009, 3, 12));
}

TEST_F(DialoguePeriode, NewTransferAsksThePanelForThePeriodAndShowsTheDownload)
{
    sim->setRecords(panelsim::makeRecords(2, 3, 2009, 0, 0, 6 * 24 * 60)); // 2 to 7 March
    MessageRecorder boxes;
    nouveauTransfert();
    frmData_Total_Graph *d = Data_Total_Graph::Instance();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->MonthView_Start->date(), QDate(2009, 3, 2));
    EXPECT_EQ(d->Label_End_Memory->text(), QStringLiteral(" Samedi  7 Mars 2009"));

    sim->clearFrames();
    d->MonthView_Start->setDate(QDate(2009, 3, 3));
    d->Option_WeekEnd->setChecked(true);
    d->Cmd_Ok_Click();
    EXPECT_TRUE(boxes.shown().empty());
    // Start 3 March, end 6 March (the day whose noon ends the graph), years minus 2000.
    const std::vector<panelsim::Frame> attendues{{0x61, 3, 0x69}, {0x62, 3, 0x69}, {0x63, 9, 0x69},
                                                 {0x64, 6, 0x69}, {0x65, 3, 0x69}, {0x66, 9, 0x69}};
    EXPECT_EQ(sim->frames(), attendues);
    const auto &g = D().Graphique;
    EXPECT_EQ(g.Nombre_Jours_Graphique, 3);
    EXPECT_EQ(jours(g), suite(QDate(2009, 3, 3), 3));
    // The panel's answer: its first record of 3 March and last of 6 March.
    const auto &s = D().Date_Selection;
    EXPECT_EQ(s.Adresse_Debut_Selection, 0x30000 + 8 * 24 * 60);
    EXPECT_EQ(s.Adresse_Fin_Selection, 0x30000 + 8 * (5 * 24 * 60 - 1));
    EXPECT_EQ(Data_Total_Graph::Instance(), nullptr);
    EXPECT_FALSE(D().Ouvert.Ouvert_Data_Total_Graph);
    EXPECT_EQ(Connexion::Instance(), nullptr);
    frmData_Selected *sel = Data_Selected::Instance();
    ASSERT_NE(sel, nullptr);
    EXPECT_EQ(sel->Label_Nombre_Data->text(), QStringLiteral("5760"));

    // The download window's Ok downloads the four days and opens the graph window.
    bool mainEnabled = true;
    Routes::Inscrire(Routes::Vue::Graphique, [&] {
        opened << Routes::Nom(Routes::Vue::Graphique);
        mainEnabled = main->isEnabled();
    });
    sel->Cmd_Ok_Click();
    EXPECT_EQ(opened, QStringList{QStringLiteral("frmGraphique")});
    EXPECT_FALSE(mainEnabled);
    EXPECT_EQ(D().Donnees_Memoire.Nombre_Lignes(), 5760);
    EXPECT_TRUE(D().Donnees_Chargees);
    // The day table is not the panel's: the graph keeps the days chosen.
    EXPECT_EQ(jours(g), suite(QDate(2009, 3, 3), 3));
}

TEST_F(DialoguePeriode, PeriodAnswerWithADayThatDoesNotExistIsRefusedAndTheDataHeldStay)
{
    // Sound addresses, but a first record of 30 February or a last one of 31 April.
    struct Cas
    {
        uint8_t jour_debut, mois_debut, jour_fin, mois_fin;
    };
    for (const Cas c : {Cas{30, 2, 3, 3}, Cas{2, 3, 31, 4}}) {
        SCOPED_TRACE(testing::Message() << int(c.jour_debut) << "/" << int(c.mois_debut));
        sim->setRecords(panelsim::makeRecords(2, 3, 2009, 0, 0, 6 * 24 * 60)); // 2 to 7 March
        sim->setRangeDates(c.jour_debut, c.mois_debut, 9, c.jour_fin, c.mois_fin, 9);
        sim->clearFrames();
        donneesTenues();
        D().Donnees_Memoire.Redimensionner(3);
        D().Donnees_Memoire(2, 6) = 77;
        MessageRecorder boxes;
        nouveauTransfert();
        frmData_Total_Graph *d = Data_Total_Graph::Instance();
        ASSERT_NE(d, nullptr);
        const Declaration::Etat avant = D();
        d->MonthView_Start->setDate(QDate(2009, 3, 3));
        d->Cmd_Ok_Click();

        periodeRefusee(boxes.shown(), avant);
        EXPECT_EQ(Data_Total_Graph::Instance(), nullptr);
    }
}

TEST_F(DialoguePeriode, NoRecordInThePeriodShowsTheDialogAfresh)
{
    sim->setRecords(panelsim::makeRecords(2, 3, 2009, 10, 0, 60));
    // The index names days that the ring no longer holds.
    D().Index_Memoire = {2, 3, 9, 9, 3, 9, 0x30000, 0x30000 + 8 * 59};
    MessageRecorder boxes;
    frmData_Total_Graph *d = &Data_Total_Graph::Show();
    d->MonthView_Start->setDate(QDate(2009, 3, 5));
    d->Option_Semaine->setChecked(true);
    d->Cmd_Ok_Click();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, Fonctions::Texte_Periode_Vide);
    EXPECT_EQ(boxes.shown()[0].title, QStringLiteral(" Pas de données dans la période sélectionnée !!!"));
    EXPECT_EQ(boxes.shown()[0].icon, MsgIcon::Information);
    EXPECT_EQ(Data_Selected::Instance(), nullptr);
    d = Data_Total_Graph::Instance();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d->MonthView_Start->date(), QDate(2009, 3, 2));
    EXPECT_TRUE(d->Option_Jour->isChecked());
    EXPECT_FALSE(d->Option_Semaine->isChecked());

    // Asked from a table road, the table period dialog comes instead.
    D().Type_Analyse = Declaration::Vue_Leq;
    d->MonthView_Start->setDate(QDate(2009, 3, 5));
    d->Cmd_Ok_Click();
    EXPECT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(Data_Total_Graph::Instance(), nullptr);
    EXPECT_NE(Data_Total::Instance(), nullptr);
}

TEST_F(DialoguePeriode, SilentPanelClosesTheDialogWithoutDownload)
{
    sim->setFault(panelsim::Fault::Silent);
    D().Index_Memoire = {2, 3, 9, 5, 3, 9, 0x30000, 0x30000 + 8 * 59};
    MessageRecorder boxes;
    Data_Total_Graph::Show().Cmd_Ok_Click();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, Fonctions::Titre_Erreur_1);
    EXPECT_EQ(sim->framesWithCode(0x66), 3);
    EXPECT_EQ(Data_Total_Graph::Instance(), nullptr);
    EXPECT_EQ(Data_Selected::Instance(), nullptr);
    EXPECT_EQ(Connexion::Instance(), nullptr);
}

TEST_F(DialoguePeriode, AnnulerClosesEitherDialogAndChangesNothing)
{
    D().Index_Memoire = {2, 3, 9, 5, 3, 9, 0x30000, 0x30008};
    donneesTenues();
    D().Graphique.Nombre_Jours_Graphique = 3;
    frmData_Total_Graph &d = Data_Total_Graph::Show();
    d.Option_Semaine->setChecked(true);
    d.Cmd_Annuler_Click();
    EXPECT_EQ(Data_Total_Graph::Instance(), nullptr);
    EXPECT_FALSE(D().Ouvert.Ouvert_Data_Total_Graph);
    frmInGraphique_Old &o = InGraphique_Old::Show();
    o.Option_Semaine->setChecked(true);
    o.Cmd_Annuler_Click();
    EXPECT_EQ(InGraphique_Old::Instance(), nullptr);
    EXPECT_FALSE(D().Ouvert.Ouvert_InGraphique_Old);
    EXPECT_EQ(D().Graphique.Nombre_Jours_Graphique, 3);
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(DialoguePeriode, TheNoonWarningFitsInsideItsBoxWithTheProgramsFont)
{
    const QFont avant = QApplication::font();
    D().Index_Memoire = {2, 3, 9, 5, 3, 9, 0x30000, 0x30008};
    donneesTenues();
    // The warning's point size, once checked whole on its line and clear of the box's right-hand rule
    // at x 6660 twips; 0 without a warning.
    const auto taille = [](const platform::Form &d) -> double {
        SCOPED_TRACE(d.windowTitle().toStdString());
        for (const QLabel *l : d.findChildren<QLabel *>()) {
            if (!l->text().startsWith(QStringLiteral("Attention : La Courbe")))
                continue;
            EXPECT_TRUE(l->font().bold());
            EXPECT_LE(QFontMetrics(l->font()).horizontalAdvance(l->text()), l->contentsRect().width());
            EXPECT_LT(l->geometry().right(), platform::Px(6660));
            return l->font().pointSizeF();
        }
        return 0;
    };
    // The program's own font: the warning keeps its size.
    QApplication::setFont(QFont(QStringLiteral("Arial"), 8));
    EXPECT_EQ(taille(Data_Total_Graph::Show()), 8);
    EXPECT_EQ(taille(InGraphique_Old::Show()), 8);
    // A face wider than the box was drawn for still stays inside it.
    QApplication::setFont(QFont(QStringLiteral("Arial"), 10));
    EXPECT_GT(taille(Data_Total_Graph::Show()), 0);
    EXPECT_GT(taille(InGraphique_Old::Show()), 0);
    QApplication::setFont(avant);
}

// ---- The dialog on the data held --------------------------------------------------------------------

TEST_F(DialoguePeriode, HeldDataDialogShowsTheLoadedPeriod)
{
    donneesTenues();
    D().Index_Memoire = {2, 3, 9, 5, 3, 9, 0x30000, 0x30008};
    Data_Total_Graph::Show();
    ASSERT_TRUE(Routes::Ouvrir(Routes::Vue::InGraphique_Old));
    // One dialog at a time.
    EXPECT_EQ(Data_Total_Graph::Instance(), nullptr);
    frmInGraphique_Old *d = InGraphique_Old::Instance();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(D().Ouvert.Ouvert_InGraphique_Old);
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Analyse des Données : Graphique Leq"));
    EXPECT_EQ(d->Label_Start_Memory->text(), QStringLiteral("Dimanche 3 Mai 2009"));
    EXPECT_EQ(d->Label_End_Memory->text(), QStringLiteral(" Mardi   5 Mai 2009"));
    EXPECT_EQ(d->MonthView_Start->date(), QDate(2009, 5, 3));
    EXPECT_TRUE(d->Option_Jour->isChecked());
    EXPECT_EQ(d->MonthView_Start->minimumDate(), QDate(2000, 1, 1));
    EXPECT_EQ(d->MonthView_Start->maximumDate(), QDate(2099, 12, 31));

    // A loaded period from a file whose days are not real.
    d->Unload();
    D().Periode_Chargee = {31, 4, 2009, 31, 2, 2010};
    d = &InGraphique_Old::Show();
    EXPECT_EQ(d->MonthView_Start->date(), QDate(2009, 4, 30));
    EXPECT_EQ(d->Label_End_Memory->text(), QStringLiteral("Dimanche 28 Février 2010"));
}

TEST_F(DialoguePeriode, HeldDataLeadsToTheGraphWindowThroughTheRouteTable)
{
    donneesTenues();
    struct A_L_Ouverture
    {
        bool mainEnabled = true;
        Qt::CursorShape cursor = Qt::ArrowCursor;
        bool dialogVisible = true;
        Declaration::Selection selection{};
    } vu;
    // The recorded graph window finds rows in its period, as its load would.
    Routes::Inscrire(Routes::Vue::Graphique, [&] {
        opened << Routes::Nom(Routes::Vue::Graphique);
        vu.mainEnabled = main->isEnabled();
        vu.cursor = main->cursor().shape();
        vu.dialogVisible = InGraphique_Old::Instance() && InGraphique_Old::Instance()->isVisible();
        vu.selection = D().Date_Selection;
        Fonctions::Fermer_Fenetres();
        D().Ouvert.Ouvert_Graphique = true;
        D().Graphique.Indice_Debut_Periode = 10;
        D().Graphique.Indice_Fin_Periode = 20;
        main->setEnabled(true);
        main->unsetCursor();
    });
    MessageRecorder boxes;
    frmInGraphique_Old &d = InGraphique_Old::Show();
    d.MonthView_Start->setDate(QDate(2009, 5, 4));
    d.Option_Semaine->setChecked(true);
    d.Cmd_Ok_Click();
    // The week overlaps the data held: no question.
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(opened, QStringList{QStringLiteral("frmGraphique")});
    EXPECT_FALSE(vu.mainEnabled);
    EXPECT_EQ(vu.cursor, Qt::WaitCursor);
    EXPECT_FALSE(vu.dialogVisible);
    EXPECT_EQ(vu.selection.Jour_Debut_Selection, 4);
    EXPECT_EQ(vu.selection.Mois_Debut_Selection, 5);
    EXPECT_EQ(vu.selection.Annee_Debut_Selection, 9);
    EXPECT_EQ(vu.selection.Jour_Fin_Selection, 11);
    EXPECT_EQ(vu.selection.Mois_Fin_Selection, 5);
    EXPECT_EQ(jours(D().Graphique), suite(QDate(2009, 5, 4), 7));
    EXPECT_EQ(InGraphique_Old::Instance(), nullptr);
    EXPECT_FALSE(D().Ouvert.Ouvert_InGraphique_Old);
    EXPECT_TRUE(D().Ouvert.Ouvert_Graphique); // the graph stays
}

TEST_F(DialoguePeriode, PeriodOutsideTheDataHeldAsksFirst)
{
    donneesTenues();
    D().Graphique.Indice_Debut_Periode = 5;
    D().Graphique.Indice_Fin_Periode = 9;
    // The recorded graph window finds nothing in the period and stays open, empty.
    Routes::Inscrire(Routes::Vue::Graphique, [&] {
        opened << Routes::Nom(Routes::Vue::Graphique);
        Fonctions::Fermer_Fenetres();
        D().Ouvert.Ouvert_Graphique = true;
        D().Graphique.Indice_Debut_Periode = 0;
        D().Graphique.Indice_Fin_Periode = 0;
        main->setEnabled(true);
    });
    MessageRecorder boxes(MsgResult::Cancel);
    frmInGraphique_Old &d = InGraphique_Old::Show();
    d.MonthView_Start->setDate(QDate(2009, 5, 6));
    d.Option_WeekEnd->setChecked(true);
    d.Cmd_Ok_Click();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(
        boxes.shown()[0].text,
        QStringLiteral("Attention : Les dates d'analyses choisies ne sont pas cohérentes avec les données en "
                       "mémoire!!! Voulez-vous toujours effectuer cette analyse???"));
    EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Données d'analyse non cohérentes !!!"));
    EXPECT_EQ(boxes.shown()[0].icon, MsgIcon::None);
    EXPECT_EQ(boxes.shown()[0].buttons, MsgButtons::OkCancel);
    // Cancel: the dialog stays, with the day count and table already written.
    EXPECT_EQ(InGraphique_Old::Instance(), &d);
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(main->isEnabled());
    EXPECT_EQ(D().Graphique.Nombre_Jours_Graphique, 3);
    EXPECT_EQ(jours(D().Graphique), suite(QDate(2009, 5, 6), 3));
    EXPECT_EQ(D().Date_Selection.Jour_Debut_Selection, 0);

    // A period ending on the noon of the loaded start still overlaps it.
    d.MonthView_Start->setDate(QDate(2009, 5, 2));
    d.Option_Jour->setChecked(true);
    boxes.setAnswer(MsgResult::Ok);
    d.Cmd_Ok_Click();
    EXPECT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(opened.size(), 1);
    // Nothing in it: the graph window goes, and the dialog with it.
    EXPECT_FALSE(D().Ouvert.Ouvert_Graphique);
    EXPECT_EQ(InGraphique_Old::Instance(), nullptr);

    // Ok on the question builds the graph anyway.
    frmInGraphique_Old &e = InGraphique_Old::Show();
    e.MonthView_Start->setDate(QDate(2009, 4, 20));
    e.Cmd_Ok_Click();
    EXPECT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(opened.size(), 2);
    EXPECT_EQ(D().Date_Selection.Jour_Fin_Selection, 21);
}

} // namespace
