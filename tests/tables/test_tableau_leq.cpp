// The Leq table window offscreen: layout by the kinds of rows held, the lists kept in step by real mouse
// presses and keys, its texts and buttons, its print read back from a PDF, and the roads that open it.
#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "analysis/core/Routes.h"
#include "analysis/core/frmData_Selected.h"
#include "analysis/core/frmData_Total.h"
#include "analysis/core/frmData_Type.h"
#include "analysis/core/frmMain.h"
#include "analysis/core/frmWait.h"
#include "analysis/tables/Impression_Leq.h"
#include "analysis/tables/Vues_Tableaux.h"
#include "analysis/tables/frmInTableau_Old.h"
#include "analysis/tables/frmTableau_Leq.h"
#include "download_fixture.h"
#include "panel_simulator.h"
#include "platform/common_dialog.h"
#include "platform/printer.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

using Declaration::D;
using platform::ListBox;
using platform::TwipsRect;

namespace {

Declaration::Table_Donnees tableDe(const std::vector<panelsim::Record> &records)
{
    Declaration::Table_Donnees t;
    t.Redimensionner(static_cast<int32_t>(records.size()));
    for (size_t i = 0; i < records.size(); ++i)
        for (int c = 0; c < 8; ++c)
            t(static_cast<int32_t>(i) + 1, c + 1) = records[i][static_cast<size_t>(c)];
    return t;
}

// Every record turned into one kind of row: byte 6 is the 10-minute level, or the 5-minute one plus 128.
std::vector<panelsim::Record> uneSorte(std::vector<panelsim::Record> records, bool cinq)
{
    for (panelsim::Record &r : records)
        r[5] = static_cast<uint8_t>(cinq ? 128 + 65 : 65);
    return records;
}

void selection(QDate debut, QDate fin)
{
    auto &s = D().Date_Selection;
    s.Jour_Debut_Selection = static_cast<int16_t>(debut.day());
    s.Mois_Debut_Selection = static_cast<int16_t>(debut.month());
    s.Annee_Debut_Selection = static_cast<int16_t>(debut.year() - 2000);
    s.Jour_Fin_Selection = static_cast<int16_t>(fin.day());
    s.Mois_Fin_Selection = static_cast<int16_t>(fin.month());
    s.Annee_Fin_Selection = static_cast<int16_t>(fin.year() - 2000);
}

// A line's date and time, up to its first ":".
QString prefixe(const QString &ligne)
{
    return ligne.left(ligne.indexOf(QLatin1Char(':')) + 1);
}

QStringList lignes(const ListBox *l)
{
    return Impression_Leq::Lignes(*l);
}

class TableauLeq : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::FreshState();
        main = std::make_unique<frmMain>();
        main->show();
        auto &p = D().Parametres_Afficheur;
        p.Nom_Afficheur = QStringLiteral("Salle Nord");
        p.Numero_Serie = QStringLiteral("04-117");
        p.Version_Firmware = {0, 2, 4};
    }
    void TearDown() override
    {
        platform::SetPrinterDialogAnswerer(nullptr);
        testsupport::FreshState();
        main.reset();
    }

    frmTableau_Leq &ouvrir(const std::vector<panelsim::Record> &records, QDate debut, QDate fin)
    {
        D().Donnees_Memoire = tableDe(records);
        selection(debut, fin);
        return Tableau_Leq::Show();
    }

    // A real left-button press and release on line i of a list.
    static void cliquer(ListBox *l, int i)
    {
        l->setTopIndex(i);
        const QRect r = l->visualRect(l->model()->index(i, 0));
        ASSERT_TRUE(r.isValid());
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, r.center());
    }

    std::unique_ptr<frmMain> main;
};

// 2 March 23:00 to 3 March 00:59: a 10-minute row every tenth minute, 5-minute rows between.
std::vector<panelsim::Record> deuxJoursMixtes()
{
    return panelsim::makeRecords(2, 3, 2009, 23, 0, 120);
}

TEST_F(TableauLeq, LayoutFollowsTheKindsOfRowsInThePeriod)
{
    const QDate jour(2009, 3, 2);
    {
        SCOPED_TRACE("only 10-minute rows");
        frmTableau_Leq &w = ouvrir(uneSorte(panelsim::makeRecords(2, 3, 2009, 10, 0, 30), false), jour, jour);
        EXPECT_TRUE(D().Presence_Leq10);
        EXPECT_FALSE(D().Presence_Leq5);
        EXPECT_TRUE(w.List_Leq10->isVisibleTo(&w));
        EXPECT_FALSE(w.List_Leq5->isVisibleTo(&w));
        EXPECT_FALSE(w.Label_Leq5->isVisibleTo(&w));
        EXPECT_EQ(w.List_Leq10->geometry(), TwipsRect(240, 1050, 7245, 1920));
        EXPECT_EQ(w.List_Crete->geometry(), TwipsRect(240, 5730, 7245, 1920));
        EXPECT_EQ(w.Cmd_Quit->pos(), TwipsRect(6930, 7770, 555, 525).topLeft());
        EXPECT_EQ(w.height(), platform::Px(8400));
        EXPECT_EQ(w.List_Leq10->ListCount(), 30);
        EXPECT_EQ(w.List_Leq5->ListCount(), 0);
        Tableau_Leq::Unload();
    }
    {
        SCOPED_TRACE("only 5-minute rows: the 5-minute pair takes the 10-minute pair's place");
        frmTableau_Leq &w = ouvrir(uneSorte(panelsim::makeRecords(2, 3, 2009, 10, 0, 30), true), jour, jour);
        EXPECT_FALSE(w.List_Leq10->isVisibleTo(&w));
        EXPECT_FALSE(w.Label_Leq10->isVisibleTo(&w));
        EXPECT_TRUE(w.List_Leq5->isVisibleTo(&w));
        EXPECT_EQ(w.Label_Leq5->geometry().topLeft(), TwipsRect(30, 720, 7695, 255).topLeft());
        EXPECT_EQ(w.List_Leq5->geometry(), TwipsRect(240, 1050, 7245, 1920));
        EXPECT_EQ(w.height(), platform::Px(8400));
        EXPECT_EQ(w.List_Leq5->ListCount(), 30);
        EXPECT_EQ(w.List_Leq10->ListCount(), 0); // not filled, and no empty-list text either
        EXPECT_EQ(w.List_Leq1->ListCount(), 30);
        Tableau_Leq::Unload();
    }
    {
        SCOPED_TRACE("both kinds: four lists, buttons lower, taller window");
        frmTableau_Leq &w = ouvrir(panelsim::makeRecords(2, 3, 2009, 10, 0, 30), jour, jour);
        EXPECT_TRUE(D().Presence_Leq10 && D().Presence_Leq5);
        for (const ListBox *l : {w.List_Leq10, w.List_Leq5, w.List_Leq1, w.List_Crete})
            EXPECT_TRUE(l->isVisibleTo(&w));
        EXPECT_EQ(w.List_Leq10->geometry(), TwipsRect(240, 1050, 7245, 1920));
        EXPECT_EQ(w.List_Leq5->geometry(), TwipsRect(240, 3390, 7245, 1920));
        EXPECT_EQ(w.List_Leq1->geometry(), TwipsRect(240, 5730, 7245, 1920));
        EXPECT_EQ(w.List_Crete->geometry(), TwipsRect(240, 8070, 7245, 1920));
        EXPECT_EQ(w.Label_Crete->y(), platform::Px(7740));
        for (const QPushButton *b : {w.Cmd_New_Data, w.Cmd_New, w.Cmd_Print, w.Cmd_Quit})
            EXPECT_EQ(b->y(), platform::Px(10110));
        EXPECT_EQ(w.height(), platform::Px(frmTableau_Leq::Hauteur_Quatre_Listes));
        EXPECT_GE(w.height(), w.Cmd_Quit->geometry().bottom());
        EXPECT_EQ(w.List_Leq10->ListCount(), 3);
        EXPECT_EQ(w.List_Leq5->ListCount(), 27);
        Tableau_Leq::Unload();
    }
    {
        SCOPED_TRACE("neither: events and erased rows only, the 10-minute list with its empty-list text");
        std::vector<panelsim::Record> r{panelsim::makeEvent(2, 3, 2009, 10, 0, 3, 1, 0)};
        auto efface = panelsim::makeRecords(2, 3, 2009, 11, 0, 1);
        efface[0][7] = 255;
        r.push_back(efface[0]);
        frmTableau_Leq &w = ouvrir(r, jour, jour);
        EXPECT_FALSE(D().Presence_Leq10 || D().Presence_Leq5);
        EXPECT_TRUE(w.List_Leq10->isVisibleTo(&w));
        EXPECT_FALSE(w.List_Leq5->isVisibleTo(&w));
        const QStringList vide{"", "", "", ""};
        EXPECT_EQ(
            lignes(w.List_Leq10),
            vide + QStringList{QStringLiteral("               Il n'y a pas de Niveau Leq10 en mémoire pour "
                                              "cette période !!!")});
        EXPECT_EQ(
            lignes(w.List_Leq1),
            vide + QStringList{QStringLiteral("                Il n'y a pas de Niveau Leq1 en mémoire pour "
                                              "cette période !!!")});
        EXPECT_EQ(
            lignes(w.List_Crete),
            vide + QStringList{QStringLiteral("               Il n'y a pas de Niveau Crête en mémoire pour "
                                              "cette période !!!")});
        EXPECT_EQ(w.List_Leq5->ListCount(), 0);
        Tableau_Leq::Unload();
    }
}

TEST_F(TableauLeq, MidnightAfterTheEndDayCountsForTheLayoutButGivesNoLine)
{
    auto r = uneSorte(panelsim::makeRecords(2, 3, 2009, 23, 0, 60), false);
    r.push_back(uneSorte(panelsim::makeRecords(3, 3, 2009, 0, 0, 1), true)[0]);
    frmTableau_Leq &w = ouvrir(r, QDate(2009, 3, 2), QDate(2009, 3, 2));
    EXPECT_TRUE(D().Presence_Leq5 && D().Presence_Leq10);
    EXPECT_EQ(w.List_Leq1->ListCount(), 60);
    EXPECT_EQ(lignes(w.List_Leq5),
              (QStringList{"", "", "", "",
                           QStringLiteral("                Il n'y a pas de Niveau Leq5 en mémoire pour cette "
                                          "période !!!")}));
}

TEST_F(TableauLeq, HeadingPeriodTitleButtonsAndMainWindowGivenBack)
{
    main->setEnabled(false);
    main->setSaveEnabled(false);
    frmTableau_Leq &w =
        ouvrir(panelsim::makeRecords(2, 3, 2009, 10, 0, 20), QDate(2009, 3, 2), QDate(2009, 3, 4));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Tableau des Valeurs Leq"));
    EXPECT_EQ(w.Label_Entete->text(),
              QStringLiteral("Pelmar - Salle Nord - Version FirmWare 2.4 - Numéro de Série : 04-117"));
    EXPECT_EQ(w.Label_Date->text(), QStringLiteral("  Lundi   02 Mars 2009 au Mercredi 04 Mars 2009"));
    EXPECT_EQ(w.Jour_Debut, QStringLiteral("02"));
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(main->isEnabled());
    EXPECT_TRUE(D().Ouvert.Ouvert_Tableau_Leq);
    EXPECT_EQ(Wait::Instance(), nullptr);
    EXPECT_FALSE(D().Ouvert.Ouvert_Wait);
    // Data from a file: no new download offered.
    EXPECT_FALSE(w.Cmd_New_Data->isVisibleTo(&w));
    EXPECT_EQ(w.Cmd_New->toolTip(),
              QStringLiteral("Permet d'effectuer un nouveau tableau avec les données déjà chargées"));
    EXPECT_EQ(w.Cmd_Print->toolTip(), QStringLiteral("Impression des tableaux"));
    EXPECT_EQ(w.Cmd_Quit->toolTip(), QStringLiteral("Ferme le tableau"));
    for (const QPushButton *b : {w.Cmd_New, w.Cmd_Print, w.Cmd_Quit})
        EXPECT_FALSE(b->icon().isNull());
    w.Cmd_Quit_Click();
    EXPECT_FALSE(D().Ouvert.Ouvert_Tableau_Leq);

    main->setSaveEnabled(true);
    D().Parametres_Afficheur.Modele_40dB = true;
    frmTableau_Leq &v = Tableau_Leq::Show();
    EXPECT_TRUE(v.Label_Entete->text().startsWith(QStringLiteral("Pelmar - 40 dB - Salle Nord")));
    EXPECT_TRUE(v.Cmd_New_Data->isVisibleTo(&v));
    EXPECT_FALSE(v.Cmd_New_Data->icon().isNull());
    EXPECT_EQ(v.Cmd_New_Data->toolTip(),
              QStringLiteral("Permet d'effectuer un nouveau tableau en téléchargeant de nouvelles données"));
}

TEST_F(TableauLeq, MouseKeepsTheListsInStepByDateAndTimeOrByIndex)
{
    frmTableau_Leq &w = ouvrir(deuxJoursMixtes(), QDate(2009, 3, 2), QDate(2009, 3, 3));
    ASSERT_EQ(w.List_Leq10->ListCount(), 13); // 6 lines, the day's empty line, 6 lines
    ASSERT_EQ(w.List_Leq5->ListCount(), 109);
    ASSERT_EQ(w.List_Leq1->ListCount(), 121);
    ASSERT_TRUE(w.List_Leq10->List(7).contains(QStringLiteral("00 h. 00")));

    // A 10-minute line: the 1-minute and peak lines of the same date and time, not the same index.
    cliquer(w.List_Leq10, 7);
    EXPECT_EQ(w.List_Leq10->ListIndex(), 7);
    EXPECT_EQ(w.List_Leq1->ListIndex(), 61);
    EXPECT_EQ(w.List_Crete->ListIndex(), 61);
    // The program's selections start no other round: the 5-minute list did not move.
    EXPECT_EQ(w.List_Leq5->ListIndex(), -1);

    // A 1-minute line of a 5-minute row: the 5-minute list follows, the 10-minute list keeps its line.
    cliquer(w.List_Leq1, 65);
    EXPECT_EQ(w.List_Leq5->ListIndex(), 58);
    EXPECT_EQ(prefixe(w.List_Leq5->List(58)), prefixe(w.List_Leq1->List(65)));
    EXPECT_EQ(w.List_Leq10->ListIndex(), 7);
    EXPECT_EQ(w.List_Crete->ListIndex(), 65);

    // The empty line between the days follows by index; past the end of the 10-minute list it clears.
    cliquer(w.List_Crete, 60);
    EXPECT_EQ(w.List_Crete->List(60), QString());
    EXPECT_EQ(w.List_Leq1->ListIndex(), 60);
    EXPECT_EQ(w.List_Leq10->ListIndex(), -1);
    EXPECT_EQ(w.List_Leq5->ListIndex(), 58);
    cliquer(w.List_Leq5, 54);
    EXPECT_EQ(w.List_Leq1->ListIndex(), 54);
    EXPECT_EQ(w.List_Crete->ListIndex(), 54);
}

TEST_F(TableauLeq, PressBelowTheLastLineAndADragKeepTheListsInStep)
{
    // 10:00 is a 10-minute row, 10:01 to 10:03 are 5-minute rows: every list ends above its bottom.
    frmTableau_Leq &w =
        ouvrir(panelsim::makeRecords(2, 3, 2009, 10, 0, 4), QDate(2009, 3, 2), QDate(2009, 3, 2));
    ASSERT_EQ(w.List_Leq10->ListCount(), 1);
    ASSERT_EQ(w.List_Leq5->ListCount(), 3);
    ASSERT_EQ(w.List_Leq1->ListCount(), 4);
    ASSERT_EQ(w.List_Crete->ListCount(), 4);
    auto indices = [&w] {
        return std::vector<int>{w.List_Leq10->ListIndex(), w.List_Leq5->ListIndex(), w.List_Leq1->ListIndex(),
                                w.List_Crete->ListIndex()};
    };

    // A line clicked in each list in turn puts the four in step; a press in the empty space below
    // that list's last line then moves none of them.
    const struct
    {
        const char *nom;
        ListBox *liste;
        int ligne;
        std::vector<int> en_pas;
    } cas[] = {{"List_Leq10", w.List_Leq10, 0, {0, -1, 0, 0}},
               {"List_Leq5", w.List_Leq5, 1, {0, 1, 2, 2}},
               {"List_Leq1", w.List_Leq1, 3, {0, 2, 3, 3}},
               {"List_Crete", w.List_Crete, 0, {0, 2, 0, 0}}};
    for (const auto &c : cas) {
        SCOPED_TRACE(c.nom);
        cliquer(c.liste, c.ligne);
        ASSERT_EQ(indices(), c.en_pas);
        const QRect derniere = c.liste->visualRect(c.liste->model()->index(c.liste->ListCount() - 1, 0));
        const QPoint dessous(derniere.center().x(), derniere.bottom() + 10);
        ASSERT_TRUE(c.liste->viewport()->rect().contains(dessous));
        ASSERT_FALSE(c.liste->indexAt(dessous).isValid());
        QTest::mouseClick(c.liste->viewport(), Qt::LeftButton, {}, dessous);
        EXPECT_EQ(indices(), c.en_pas);
    }

    // A press on one line and a drag to another, the button held: the four end in step on the line
    // of the release.
    const struct
    {
        const char *nom;
        ListBox *liste;
        int de, vers;
        std::vector<int> en_pas;
    } tirages[] = {{"List_Leq1", w.List_Leq1, 0, 3, {0, 2, 3, 3}},
                   {"List_Crete", w.List_Crete, 3, 1, {0, 0, 1, 1}},
                   {"List_Leq5", w.List_Leq5, 0, 2, {0, 2, 3, 3}},
                   {"List_Leq1", w.List_Leq1, 3, 2, {0, 1, 2, 2}}};
    for (const auto &t : tirages) {
        SCOPED_TRACE(t.nom);
        auto centre = [&t](int ligne) {
            return t.liste->visualRect(t.liste->model()->index(ligne, 0)).center();
        };
        QTest::mousePress(t.liste->viewport(), Qt::LeftButton, {}, centre(t.de));
        QTest::mouseMove(t.liste->viewport(), centre(t.vers));
        QTest::mouseRelease(t.liste->viewport(), Qt::LeftButton, {}, centre(t.vers));
        EXPECT_EQ(indices(), t.en_pas);
    }
}

TEST_F(TableauLeq, EmptyListTextFollowsByIndex)
{
    // Mixed layout whose 5-minute list holds only its empty-list text: that line has no ":".
    auto r = uneSorte(panelsim::makeRecords(2, 3, 2009, 10, 0, 12), false);
    r.push_back(uneSorte(panelsim::makeRecords(3, 3, 2009, 0, 0, 1), true)[0]);
    frmTableau_Leq &w = ouvrir(r, QDate(2009, 3, 2), QDate(2009, 3, 2));
    ASSERT_EQ(w.List_Leq5->ListCount(), 5);
    cliquer(w.List_Leq5, 4);
    EXPECT_EQ(w.List_Leq1->ListIndex(), 4);
    EXPECT_EQ(w.List_Crete->ListIndex(), 4);
}

TEST_F(TableauLeq, OnlyFiveMinuteRowsFollowByIndexInTheFiveMinuteList)
{
    frmTableau_Leq &w = ouvrir(uneSorte(panelsim::makeRecords(2, 3, 2009, 10, 0, 30), true),
                               QDate(2009, 3, 2), QDate(2009, 3, 2));
    cliquer(w.List_Crete, 12);
    EXPECT_EQ(w.List_Leq5->ListIndex(), 12);
    EXPECT_EQ(w.List_Leq1->ListIndex(), 12);
    EXPECT_EQ(w.List_Leq10->ListIndex(), -1);
}

TEST_F(TableauLeq, UpAndDownKeysMoveTheOtherListsExceptAtTheEnds)
{
    frmTableau_Leq &w = ouvrir(deuxJoursMixtes(), QDate(2009, 3, 2), QDate(2009, 3, 3));
    w.List_Leq1->setFocus();

    // Up on the first line and Down on the last leave the others where they are.
    w.List_Leq1->setListIndex(0);
    w.List_Crete->setListIndex(10);
    QTest::keyClick(w.List_Leq1, Qt::Key_Up);
    EXPECT_EQ(w.List_Leq1->ListIndex(), 0);
    EXPECT_EQ(w.List_Crete->ListIndex(), 10);
    w.List_Leq1->setListIndex(120);
    QTest::keyClick(w.List_Leq1, Qt::Key_Down);
    EXPECT_EQ(w.List_Leq1->ListIndex(), 120);
    EXPECT_EQ(w.List_Crete->ListIndex(), 10);

    // Down and Up inside the list: the others take the line the key leads to.
    w.List_Leq1->setListIndex(64);
    QTest::keyClick(w.List_Leq1, Qt::Key_Down);
    EXPECT_EQ(w.List_Leq1->ListIndex(), 65);
    EXPECT_EQ(w.List_Crete->ListIndex(), 65);
    EXPECT_EQ(w.List_Leq5->ListIndex(), 58);
    w.List_Leq1->setListIndex(62);
    QTest::keyClick(w.List_Leq1, Qt::Key_Up);
    EXPECT_EQ(w.List_Leq1->ListIndex(), 61);
    EXPECT_EQ(w.List_Leq10->ListIndex(), 7);
    EXPECT_EQ(w.List_Crete->ListIndex(), 61);

    // Down onto the empty line of the 10-minute list: the others follow by index.
    w.List_Leq10->setFocus();
    w.List_Leq10->setListIndex(5);
    QTest::keyClick(w.List_Leq10, Qt::Key_Down);
    EXPECT_EQ(w.List_Leq10->ListIndex(), 6); // the empty line: by index
    EXPECT_EQ(w.List_Leq1->ListIndex(), 6);
    EXPECT_EQ(w.List_Crete->ListIndex(), 6);

    // Other keys move only their own list.
    w.List_Leq1->setFocus();
    w.List_Leq1->setListIndex(0);
    w.List_Crete->setListIndex(3);
    QTest::keyClick(w.List_Leq1, Qt::Key_End);
    EXPECT_EQ(w.List_Leq1->ListIndex(), 120);
    EXPECT_EQ(w.List_Crete->ListIndex(), 3);
    // A mouse press after the keys syncs again.
    cliquer(w.List_Leq1, 2);
    EXPECT_EQ(w.List_Crete->ListIndex(), 2);
}

TEST_F(TableauLeq, ProgressTotalCountsRowsTimesTheListsFilled)
{
    QStringList textes;
    QTimer espion;
    espion.setInterval(0);
    QObject::connect(&espion, &QTimer::timeout, [&textes] {
        if (frmWait *w = Wait::Instance();
            w && (textes.isEmpty() || textes.last() != w->Label_Progression->text()))
            textes << w->Label_Progression->text();
    });
    espion.start();
    ouvrir(panelsim::makeRecords(2, 3, 2009, 10, 0, 200), QDate(2009, 3, 2), QDate(2009, 3, 2));
    ASSERT_FALSE(textes.isEmpty());
    for (const QString &t : textes)
        EXPECT_TRUE(t.endsWith(QStringLiteral(" / 800"))) << t.toStdString();
}

// ---- Printing, read back from the PDF --------------------------------------------------------

struct Mot
{
    QString texte;
    double x, y; // points from the page's top left corner
};
using Page = std::vector<Mot>;

std::vector<Page> lirePdf(const QString &pdf)
{
    static const QRegularExpression motif(QStringLiteral(
        R"re(<page width="[\d.]+" height="[\d.]+">|<word xMin="([\d.]+)" yMin="([\d.]+)" [^>]*>([^<]*)</word>)re"));
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    std::vector<Page> pages;
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    for (auto it = motif.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.capturedLength(3) == 0 && m.capturedLength(1) == 0)
            pages.emplace_back();
        else if (!pages.empty())
            pages.back().push_back({m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble()});
    }
    return pages;
}

const Mot *trouver(const Page &page, const QString &texte)
{
    for (const Mot &m : page)
        if (m.texte == texte)
            return &m;
    return nullptr;
}

// The number printed after "Page" at the footer's place, -1 when there is none.
int piedDePage(const Page &page)
{
    for (size_t i = 0; i + 1 < page.size(); ++i)
        if (page[i].texte == QStringLiteral("Page") && std::abs(page[i].y - 790) < 1.5 && page[i].x >= 250 &&
            page[i].x < 256)
            return page[i + 1].texte.toInt();
    return -1;
}

class ImpressionLeq : public TableauLeq
{
protected:
    QString imprimer(frmTableau_Leq &w, const char *nom)
    {
        const QString pdf = dir.filePath(QString::fromLatin1(nom));
        platform::SetPrinterDialogAnswerer([pdf] { return std::optional<QString>(pdf); });
        w.Cmd_Print_Click();
        return pdf;
    }
    QTemporaryDir dir;
};

TEST_F(ImpressionLeq, SixtyFourLinesGiveASecondPageWithHeadingAndFooterOnly)
{
    frmTableau_Leq &w = ouvrir(uneSorte(panelsim::makeRecords(2, 3, 2009, 10, 0, 64), false),
                               QDate(2009, 3, 2), QDate(2009, 3, 2));
    ASSERT_EQ(w.List_Leq10->ListCount(), 64);
    const std::vector<Page> pages = lirePdf(imprimer(w, "leq64.pdf"));
    // 10-minute: 2 pages; 5-minute: its no-data page; 1-minute and peak: 2 pages each.
    ASSERT_EQ(pages.size(), 7u);
    const std::vector<int> numeros{1, 2, 1, 1, 2, 1, 2};
    for (size_t i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(piedDePage(pages[i]), numeros[i]);
        const Mot *entete = trouver(pages[i], QStringLiteral("Pelmar"));
        ASSERT_NE(entete, nullptr);
        EXPECT_NEAR(entete->x, 150, 1.0);
        EXPECT_NEAR(entete->y, 10, 1.0);
        const Mot *titre = trouver(pages[i], QStringLiteral("Tableau"));
        ASSERT_NE(titre, nullptr);
        EXPECT_NEAR(titre->x, 145, 1.0);
        EXPECT_NEAR(titre->y, 25, 1.0);
    }
    EXPECT_NE(trouver(pages[0], QStringLiteral("Leq10")), nullptr);
    EXPECT_NE(trouver(pages[2], QStringLiteral("Leq5")), nullptr);
    EXPECT_NE(trouver(pages[3], QStringLiteral("Leq1")), nullptr);
    EXPECT_NE(trouver(pages[5], QStringLiteral("Crête")), nullptr);

    // 64 rows 200 twips apart from 1200 twips, then a page without rows.
    std::vector<double> rangs;
    for (const Mot &m : pages[0])
        if (m.texte == QStringLiteral("dBA.")) {
            rangs.push_back(m.y);
            EXPECT_GT(m.x, 117.5);
        }
    ASSERT_EQ(rangs.size(), 64u);
    std::sort(rangs.begin(), rangs.end());
    for (size_t r = 0; r < rangs.size(); ++r)
        EXPECT_NEAR(rangs[r], 60 + 10.0 * static_cast<double>(r), 1.0) << r;
    EXPECT_EQ(trouver(pages[1], QStringLiteral("dBA.")), nullptr);
    const QString enTete = w.Label_Entete->text() + QStringLiteral(" Tableau des valeurs Leq10 du") +
                           w.Label_Date->text() + QStringLiteral(" Page 2");
    EXPECT_EQ(pages[1].size(), static_cast<size_t>(enTete.split(QLatin1Char(' '), Qt::SkipEmptyParts).size()))
        << "heading, title and footer only";

    // The 5-minute table's no-data line.
    const Mot *ilNy = trouver(pages[2], QStringLiteral("Il"));
    ASSERT_NE(ilNy, nullptr);
    EXPECT_NEAR(ilNy->x, 175, 1.0);
    EXPECT_NEAR(ilNy->y, 100, 1.0);
    EXPECT_NE(trouver(pages[2], QStringLiteral("période.")), nullptr);
}

TEST_F(ImpressionLeq, PageCountsAroundSixtyFourLinesAndTheEmptyListTexts)
{
    for (const auto &[n, attendues] : {std::pair(63, 4u), std::pair(65, 7u)}) {
        SCOPED_TRACE(n);
        frmTableau_Leq &w = ouvrir(uneSorte(panelsim::makeRecords(2, 3, 2009, 10, 0, n), false),
                                   QDate(2009, 3, 2), QDate(2009, 3, 2));
        const std::vector<Page> pages = lirePdf(imprimer(w, n == 63 ? "leq63.pdf" : "leq65.pdf"));
        EXPECT_EQ(pages.size(), attendues);
        Tableau_Leq::Unload();
    }
    // Only 5-minute rows: the 10-minute table prints its no-data line; the 1-minute list holds rows.
    {
        frmTableau_Leq &w = ouvrir(uneSorte(panelsim::makeRecords(2, 3, 2009, 10, 0, 3), true),
                                   QDate(2009, 3, 2), QDate(2009, 3, 2));
        const std::vector<Page> pages = lirePdf(imprimer(w, "cinq.pdf"));
        ASSERT_EQ(pages.size(), 4u);
        EXPECT_NE(trouver(pages[0], QStringLiteral("Leq10")), nullptr);
        const Mot *ilNy = trouver(pages[0], QStringLiteral("Il"));
        ASSERT_NE(ilNy, nullptr);
        EXPECT_NEAR(ilNy->y, 100, 1.0);
        EXPECT_EQ(piedDePage(pages[0]), 1);
        Tableau_Leq::Unload();
    }
    // No measurement: the 1-minute list's empty-list text takes rows 1 to 5, its message on row 5.
    {
        frmTableau_Leq &w =
            ouvrir({panelsim::makeEvent(2, 3, 2009, 10, 0, 3, 1, 0)}, QDate(2009, 3, 2), QDate(2009, 3, 2));
        const std::vector<Page> pages = lirePdf(imprimer(w, "vide.pdf"));
        ASSERT_EQ(pages.size(), 4u);
        const Mot *ilNy = trouver(pages[2], QStringLiteral("Il"));
        ASSERT_NE(ilNy, nullptr);
        EXPECT_NEAR(ilNy->y, 100, 1.0);
        EXPECT_GT(ilNy->x, 117.5 + 10); // after its sixteen blanks
        EXPECT_NE(trouver(pages[2], QStringLiteral("Leq1")), nullptr);
    }
}

TEST_F(ImpressionLeq, CancelledPrinterDialogPrintsNothing)
{
    frmTableau_Leq &w =
        ouvrir(panelsim::makeRecords(2, 3, 2009, 10, 0, 10), QDate(2009, 3, 2), QDate(2009, 3, 2));
    platform::SetPrinterDialogAnswerer([] { return std::optional<QString>(); });
    w.Cmd_Print_Click();
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_TRUE(w.isVisible());
}

TEST(ImpressionLeqLignes, AWholeListLineFitsBetweenItsLeftAndThePapersEdge)
{
    platform::Printer p;
    p.setFontName(QStringLiteral("Arial"));
    p.setFontSize(8);
    const QString longue =
        QStringLiteral("   Mercredi  30  Septembre  2009  à  23 h. 59  :  Niveau Leq Crête <  "
                       "70 dB.");
    EXPECT_LT(2350 + p.TextWidth(longue), p.Width());
    EXPECT_LT(p.TextHeight(), 260); // rows 200 twips apart stay readable
    EXPECT_EQ(Impression_Leq::Pied_De_Page(12), QStringLiteral(" Page   12"));
}

// ---- Roads that end in the Leq table window --------------------------------------------------

class RouteTableauLeq : public Download
{
protected:
    void SetUp() override
    {
        Download::SetUp();
        // The real windows of this folder instead of the recording openers.
        Vues_Tableaux::Inscrire();
    }
};

TEST_F(RouteTableauLeq, NewTransferEndsInTheFilledTable)
{
    sim->setRecords(panelsim::makeRecords(2, 3, 2009, 22, 0, 240)); // 2 March 22:00 to 3 March 01:59
    D().Type_Analyse = Declaration::Vue_Leq;
    testsupport::MessageRecorder boxes;
    nouveauTransfert();
    frmData_Total *t = Data_Total::Instance();
    ASSERT_NE(t, nullptr);
    t->MonthView_Start->setSelectedDate(QDate(2009, 3, 2));
    t->MonthView_End->setSelectedDate(QDate(2009, 3, 3));
    t->Cmd_Ok_Click();
    ASSERT_NE(Data_Selected::Instance(), nullptr);
    Data_Selected::Instance()->Cmd_Ok_Click();
    EXPECT_TRUE(boxes.shown().empty());

    frmTableau_Leq *w = Tableau_Leq::Instance();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(main->isEnabled());
    EXPECT_EQ(Data_Selected::Instance(), nullptr);
    EXPECT_EQ(w->List_Leq1->ListCount(), 241);
    EXPECT_EQ(w->List_Leq10->ListCount(), 25);
    EXPECT_EQ(w->List_Leq1->List(120), QString());
    EXPECT_TRUE(
        w->List_Leq1->List(0).startsWith(QStringLiteral("    Lundi    02  Mars  2009  à  22 h. 00  :  ")));
    EXPECT_TRUE(w->Label_Entete->text().startsWith(QStringLiteral("Pelmar - ")));
    EXPECT_EQ(w->Label_Date->text(), QStringLiteral("  Lundi   02 Mars 2009 au  Mardi   03 Mars 2009"));

    // The data came from the panel: a new download goes back to the period dialog on its memory.
    ASSERT_TRUE(w->Cmd_New_Data->isVisibleTo(w));
    w->Cmd_New_Data_Click();
    EXPECT_NE(Data_Total::Instance(), nullptr);
    EXPECT_EQ(Tableau_Leq::Instance(), nullptr);
    EXPECT_FALSE(D().Ouvert.Ouvert_Tableau_Leq);
}

TEST_F(RouteTableauLeq, DataHeldLeadThroughThePeriodDialogToTheTable)
{
    D().Donnees_Memoire = tableDe(deuxJoursMixtes());
    D().Donnees_Chargees = true;
    D().Periode_Chargee = {2, 3, 2009, 3, 3, 2009};
    D().Parametres_Chargees.Nom_Afficheur = QStringLiteral("Atelier");
    D().Type_Analyse = Declaration::Vue_Leq;
    testsupport::MessageRecorder boxes;

    frmData_Type &d = Data_Type::Show();
    ASSERT_TRUE(d.Option_Last_Data->isChecked());
    d.Cmd_Ok_Click();
    frmInTableau_Old *p = InTableau_Old::Instance();
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(Data_Type::Instance(), nullptr);
    p->MonthView_Start->setSelectedDate(QDate(2009, 3, 3));
    p->Cmd_Ok_Click();
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(InTableau_Old::Instance(), nullptr);

    frmTableau_Leq *w = Tableau_Leq::Instance();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(main->isEnabled());
    EXPECT_TRUE(w->Label_Entete->text().contains(QStringLiteral("Atelier")));
    EXPECT_EQ(w->List_Leq1->ListCount(), 60); // 3 March only
    EXPECT_FALSE(w->Cmd_New_Data->isVisibleTo(w));

    // "Nouveau tableau": the period dialog again, on the same data.
    w->Cmd_New_Click();
    ASSERT_NE(InTableau_Old::Instance(), nullptr);
    EXPECT_EQ(Tableau_Leq::Instance(), nullptr);
    InTableau_Old::Instance()->Cmd_Ok_Click();
    ASSERT_NE(Tableau_Leq::Instance(), nullptr);
    EXPECT_EQ(Tableau_Leq::Instance()->List_Leq1->ListCount(), 121);
}

} // namespace
