// The table period dialog offscreen: what it shows of the data held, its checks and messages, and its
// three outcomes (refused, warned, table opened), with the main window given back on every path.
#include "analysis/core/Declaration.h"
#include "analysis/core/Routes.h"
#include "analysis/core/frmMain.h"
#include "analysis/tables/Vues_Tableaux.h"
#include "analysis/tables/frmInTableau_Old.h"
#include "analysis/tables/frmTableau_Leq.h"
#include "panel_simulator.h"
#include "test_support.h"

#include <QDate>
#include <QImage>
#include <array>
#include <gtest/gtest.h>
#include <memory>

using Declaration::D;
using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;

namespace {

const QString Texte_Erronees = QStringLiteral("Veuillez entrer des données d'analyse cohérentes SVP !!!");
const QString Titre_Erronees = QStringLiteral("Données d'analyse erronées !!!");
const QString Texte_Non_Coherentes = QStringLiteral(
    "Attention : Les dates d'analyse choisies ne sont pas cohérentes avec les données en mémoire!!! "
    "Voulez-vous toujours effectuer cette analyse???");
const QString Titre_Non_Coherentes = QStringLiteral("Données d'analyses non Cohérentes !!!");

// The dark runs (first pixel, length) met along row `y`, or along column `x` when `y` is -1.
std::vector<std::pair<int, int>> traitsSombres(const QImage &image, int x, int y)
{
    const bool colonne = y < 0;
    const int n = colonne ? image.height() : image.width();
    std::vector<std::pair<int, int>> traits;
    for (int i = 0; i < n; ++i) {
        if (qGray(colonne ? image.pixel(x, i) : image.pixel(i, y)) >= 64)
            continue;
        if (!traits.empty() && traits.back().first + traits.back().second == i)
            ++traits.back().second;
        else
            traits.emplace_back(i, 1);
    }
    return traits;
}

class PeriodeTableau : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::FreshState();
        main = std::make_unique<frmMain>();
        main->show();
        Vues_Tableaux::Inscrire();
        // Held from 3 to 9 March 2009: a record every minute of 3 and 4 March.
        const auto records = panelsim::makeRecords(3, 3, 2009, 0, 0, 2 * 24 * 60);
        auto &t = D().Donnees_Memoire;
        t.Redimensionner(static_cast<int32_t>(records.size()));
        for (size_t i = 0; i < records.size(); ++i)
            for (int c = 0; c < 8; ++c)
                t(static_cast<int32_t>(i) + 1, c + 1) = records[i][static_cast<size_t>(c)];
        D().Donnees_Chargees = true;
        D().Periode_Chargee = {3, 3, 2009, 9, 3, 2009};
        D().Type_Analyse = Declaration::Vue_Leq;
    }
    void TearDown() override
    {
        Routes::Inscrire(Routes::Vue::Tableau_Leq, nullptr);
        Routes::Inscrire(Routes::Vue::InTableau_Old, nullptr);
        Routes::Inscrire(Routes::Vue::Evenements, nullptr);
        testsupport::FreshState();
        main.reset();
    }

    static frmInTableau_Old &choisir(QDate debut, QDate fin)
    {
        frmInTableau_Old &d = InTableau_Old::Show();
        d.MonthView_Start->setSelectedDate(debut);
        d.MonthView_End->setSelectedDate(fin);
        return d;
    }

    std::unique_ptr<frmMain> main;
};

TEST_F(PeriodeTableau, ShowsTheDataHeldOnBothCalendars)
{
    frmInTableau_Old &d = InTableau_Old::Show();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Analyse des données : Tableau Leq"));
    EXPECT_TRUE(D().Ouvert.Ouvert_InTableau_Old);
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.MonthView_Start->selectedDate(), QDate(2009, 3, 3));
    EXPECT_EQ(d.MonthView_End->selectedDate(), QDate(2009, 3, 9));
    EXPECT_EQ(d.Label_Start_Memory->text(), QStringLiteral(" Mardi   3 Mars 2009"));
    EXPECT_EQ(d.Label_End_Memory->text(), QStringLiteral(" Lundi   9 Mars 2009"));
    EXPECT_EQ(d.height(), platform::Px(5370));
    // Lines 2 pixels wide frame the memory block (60, 60 to 6660, 1140) and the analysis block with its
    // calendars (60, 1290 to 6660, 4650): crossed left of the labels, above the labels, and between
    // the title of the analysis block and its captions.
    using platform::Px;
    using Traits = std::vector<std::pair<int, int>>;
    const QImage image = d.grab().toImage();
    EXPECT_EQ(traitsSombres(image, 6, -1),
              (Traits{{Px(60), 2}, {Px(1140), 2}, {Px(1290), 2}, {Px(4650), 2}}));
    EXPECT_EQ(traitsSombres(image, 0, Px(420)), (Traits{{Px(60), 2}, {Px(6660), 2}}));
    EXPECT_EQ(traitsSombres(image, 0, Px(1620)), (Traits{{Px(60), 2}, {Px(6660), 2}}));
    // Record years are 2000 to 2099: the calendars offer no other.
    for (QCalendarWidget *c : {d.MonthView_Start, d.MonthView_End}) {
        EXPECT_EQ(c->minimumDate(), QDate(2000, 1, 1));
        EXPECT_EQ(c->maximumDate(), QDate(2099, 12, 31));
        c->setSelectedDate(QDate(2100, 1, 1));
        EXPECT_EQ(c->selectedDate().year(), 2099);
    }
    d.Cmd_Annuler_Click();
    EXPECT_FALSE(D().Ouvert.Ouvert_InTableau_Old);
    EXPECT_EQ(InTableau_Old::Instance(), nullptr);
}

TEST_F(PeriodeTableau, ReversedDatesAreRefusedAndTheDialogStays)
{
    testsupport::MessageRecorder boxes;
    const auto avant = D().Date_Selection.Jour_Debut_Selection;
    frmInTableau_Old &d = choisir(QDate(2009, 3, 5), QDate(2009, 3, 4));
    d.Cmd_Ok_Click();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, Texte_Erronees);
    EXPECT_EQ(boxes.shown()[0].title, Titre_Erronees);
    EXPECT_EQ(boxes.shown()[0].icon, MsgIcon::Critical);
    EXPECT_EQ(boxes.shown()[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(InTableau_Old::Instance(), &d);
    EXPECT_EQ(d.MonthView_Start->selectedDate(), QDate(2009, 3, 5)); // the user's choice stays
    EXPECT_EQ(Tableau_Leq::Instance(), nullptr);
    EXPECT_EQ(D().Date_Selection.Jour_Debut_Selection, avant);
    EXPECT_TRUE(main->isEnabled());
}

TEST_F(PeriodeTableau, DatesOutsideTheDataHeldWarnAndCancelKeepsTheDialog)
{
    testsupport::MessageRecorder boxes(MsgResult::Cancel);
    frmInTableau_Old &d = choisir(QDate(2009, 3, 2), QDate(2009, 3, 4));
    d.Cmd_Ok_Click();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].text, Texte_Non_Coherentes);
    EXPECT_EQ(boxes.shown()[0].title, Titre_Non_Coherentes);
    EXPECT_EQ(boxes.shown()[0].icon, MsgIcon::None);
    EXPECT_EQ(boxes.shown()[0].buttons, MsgButtons::OkCancel);
    EXPECT_EQ(InTableau_Old::Instance(), &d);
    EXPECT_EQ(Tableau_Leq::Instance(), nullptr);
    EXPECT_TRUE(main->isEnabled());

    // Past the end with Ok: the table opens on the chosen days all the same.
    boxes.setAnswer(MsgResult::Ok);
    d.MonthView_Start->setSelectedDate(QDate(2009, 3, 4));
    d.MonthView_End->setSelectedDate(QDate(2009, 3, 10));
    d.Cmd_Ok_Click();
    EXPECT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(InTableau_Old::Instance(), nullptr);
    frmTableau_Leq *t = Tableau_Leq::Instance();
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(D().Date_Selection.Jour_Fin_Selection, 10);
    EXPECT_EQ(t->List_Leq1->ListCount(), 24 * 60);
    EXPECT_TRUE(main->isEnabled());
}

TEST_F(PeriodeTableau, OneDayIsAcceptedSilentlyAndOpensTheLeqTable)
{
    testsupport::MessageRecorder boxes;
    frmInTableau_Old &d = choisir(QDate(2009, 3, 3), QDate(2009, 3, 3));
    d.Cmd_Ok_Click();
    EXPECT_TRUE(boxes.shown().empty());
    const auto &s = D().Date_Selection;
    EXPECT_EQ((std::array<int, 6>{s.Jour_Debut_Selection, s.Mois_Debut_Selection, s.Annee_Debut_Selection,
                                  s.Jour_Fin_Selection, s.Mois_Fin_Selection, s.Annee_Fin_Selection}),
              (std::array<int, 6>{3, 3, 9, 3, 3, 9}));
    EXPECT_EQ(InTableau_Old::Instance(), nullptr);
    EXPECT_FALSE(D().Ouvert.Ouvert_InTableau_Old);
    ASSERT_NE(Tableau_Leq::Instance(), nullptr);
    EXPECT_EQ(Tableau_Leq::Instance()->List_Leq1->ListCount(), 24 * 60);
    EXPECT_TRUE(main->isEnabled());
    EXPECT_NE(main->cursor().shape(), Qt::WaitCursor);
}

TEST_F(PeriodeTableau, EventsViewOpensTheEventsWindowAndTheMainWindowWaitsForIt)
{
    D().Type_Analyse = Declaration::Vue_Evenements;
    int ouvertures = 0;
    bool desactivee = false;
    Routes::Inscrire(Routes::Vue::Evenements, [&] {
        ++ouvertures;
        desactivee = !main->isEnabled();
    });
    frmInTableau_Old &d = choisir(QDate(2009, 3, 3), QDate(2009, 3, 4));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Analyse des données : Tableau Evénements"));
    d.Cmd_Ok_Click();
    EXPECT_EQ(ouvertures, 1);
    EXPECT_TRUE(desactivee); // the events window enables it when its list is filled
    EXPECT_EQ(Tableau_Leq::Instance(), nullptr);
    EXPECT_EQ(InTableau_Old::Instance(), nullptr);
}

TEST_F(PeriodeTableau, MainWindowComesBackWhenNoTableWindowOpens)
{
    // No events window in this program yet: the main window is not left disabled.
    D().Type_Analyse = Declaration::Vue_Evenements;
    Routes::Inscrire(Routes::Vue::Evenements, nullptr);
    choisir(QDate(2009, 3, 3), QDate(2009, 3, 4)).Cmd_Ok_Click();
    EXPECT_TRUE(main->isEnabled());
    EXPECT_NE(main->cursor().shape(), Qt::WaitCursor);
    EXPECT_EQ(InTableau_Old::Instance(), nullptr);

    // A view that is no table: the period is stored, nothing is disabled.
    D().Type_Analyse = Declaration::Vue_Parametres;
    choisir(QDate(2009, 3, 4), QDate(2009, 3, 4)).Cmd_Ok_Click();
    EXPECT_EQ(D().Date_Selection.Jour_Debut_Selection, 4);
    EXPECT_TRUE(main->isEnabled());
    EXPECT_EQ(Tableau_Leq::Instance(), nullptr);
}

TEST_F(PeriodeTableau, OpeningClosesTheOtherWindows)
{
    choisir(QDate(2009, 3, 3), QDate(2009, 3, 3)).Cmd_Ok_Click();
    ASSERT_NE(Tableau_Leq::Instance(), nullptr);
    frmTableau_Leq &t = *Tableau_Leq::Instance();
    ASSERT_TRUE(D().Ouvert.Ouvert_Tableau_Leq);
    t.Cmd_New_Click();
    EXPECT_FALSE(D().Ouvert.Ouvert_Tableau_Leq);
    EXPECT_EQ(Tableau_Leq::Instance(), nullptr);
    ASSERT_NE(InTableau_Old::Instance(), nullptr);
    // Back on the whole period held, whatever the table showed.
    EXPECT_EQ(InTableau_Old::Instance()->MonthView_Start->selectedDate(), QDate(2009, 3, 3));
    EXPECT_EQ(InTableau_Old::Instance()->MonthView_End->selectedDate(), QDate(2009, 3, 9));
}

} // namespace
