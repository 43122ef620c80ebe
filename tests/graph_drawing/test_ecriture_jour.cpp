// Day-date labels of a zoomed pane: which days the visible range touches, where their labels stand, and
// the range the choice combos and the rubber band pass.
#include "analysis/core/Declaration.h"
#include "analysis/graph_drawing/Fonctions_Graphique.h"
#include "platform/recording_surface.h"
#include "test_support.h"

#include <QDate>
#include <gtest/gtest.h>

using Declaration::D;
namespace EJ = Fonctions_Ecriture_Jour;
using platform::RecordingSurface;

namespace {

void periode(int16_t jours, QDate debut)
{
    D().Graphique.Nombre_Jours_Graphique = jours;
    for (int k = 0; k < 8; ++k) {
        const QDate d = debut.addDays(k);
        D().Graphique.Jours_Graphique[static_cast<size_t>(k + 1)] = {0, static_cast<int16_t>(d.day()),
                                                                     static_cast<int16_t>(d.month()),
                                                                     static_cast<int16_t>(d.year() - 2000)};
    }
}

// A zoomed pane: x from 9 to 43, levels 28 to 109 dB (ScaleTop -109, ScaleHeight 81).
struct Pane : RecordingSurface
{
    Pane() : RecordingSurface(7515, 4035) { Scale(9, -109, 43, -28); }
};

struct Jour
{
    int k;
    float x;
};

// Labels as (day, x) from the recorded texts.
std::vector<Jour> etiquettes(const RecordingSurface &p)
{
    std::vector<Jour> r;
    for (const auto &t : p.texts()) {
        int k = 0;
        for (int j = 1; j <= 8 && k == 0; ++j)
            if (EJ::Texte_Date_Jour(static_cast<int16_t>(j)) == t.text)
                k = j;
        r.push_back({k, t.x});
    }
    return r;
}

class EcritureJour : public ::testing::Test
{
protected:
    void SetUp() override { testsupport::FreshState(); }
};

} // namespace

TEST_F(EcritureJour, DateTextOfADay)
{
    periode(7, QDate(2007, 3, 5));
    EXPECT_EQ(EJ::Texte_Date_Jour(1), QStringLiteral("05 / 03 / 07"));
    D().Graphique.Jours_Graphique[8] = {0, 25, 12, 10};
    EXPECT_EQ(EJ::Texte_Date_Jour(8), QStringLiteral("25 / 12 / 10"));
    D().Graphique.Jours_Graphique[2] = {0, 10, 10, 0};
    EXPECT_EQ(EJ::Texte_Date_Jour(2), QStringLiteral("10 / 10 / 00"));
    EXPECT_TRUE(EJ::Texte_Date_Jour(0).isEmpty());
    EXPECT_TRUE(EJ::Texte_Date_Jour(9).isEmpty());
}

TEST_F(EcritureJour, LabelsOfTheVisibleDays)
{
    struct Cas
    {
        int16_t jours, x1, x2;
        std::vector<Jour> attendu;
    };
    const std::vector<Cas> cas = {
        {1, 12, 36, {{1, 18}, {2, 30}}},
        {1, 12, 20, {{1, 16}}},
        {1, 24, 30, {{2, 27}}},
        {1, 9, 39, {{1, 16.5f}, {2, 31.5f}}},
        {3, 12, 36, {{1, 14}, {2, 20}, {3, 28}, {4, 34}}},
        {3, 12, 24, {{1, 14}, {2, 20}}},
        {3, 16, 24, {{2, 20}}},
        {3, 16, 25, {{1, 16}, {2, 20}, {3, 24.5f}}},
        {3, 24, 33, {{2, 24}, {3, 28}, {4, 32.5f}}},
        {3, 32, 40, {{4, 36}}},
        {3, 25, 33, {{3, 28.5f}, {4, 32.5f}}},
        {3, 30, 45, {{3, 31}, {4, 38.5f}}},
        {3, 16, 16, {{1, 16}}},
        {7, 12, 40, {{1, 13}, {2, 16}, {3, 20}, {4, 24}, {5, 28}, {6, 32}, {7, 36}, {8, 39}}},
        {7, 14, 19, {{1, 14}, {2, 16}, {3, 18.5f}}},
        {7, 14, 18, {{2, 16}}},
        {7, 34, 39, {{6, 34}, {7, 36}, {8, 38.5f}}},
        {7, 38, 45, {{8, 41.5f}}},
    };
    for (const Cas &c : cas) {
        periode(c.jours, QDate(2010, 12, 30));
        Pane p;
        EJ::Ecriture_Jours(p, c.x1, c.x2, 0, 0, 0);
        const auto vus = etiquettes(p);
        ASSERT_EQ(vus.size(), c.attendu.size()) << c.jours << " days, " << c.x1 << " to " << c.x2;
        for (size_t i = 0; i < vus.size(); ++i) {
            EXPECT_EQ(vus[i].k, c.attendu[i].k) << c.jours << " days, " << c.x1 << " to " << c.x2;
            EXPECT_FLOAT_EQ(vus[i].x, c.attendu[i].x) << c.jours << " days, " << c.x1 << " to " << c.x2;
        }
        for (const auto &t : p.texts())
            EXPECT_FLOAT_EQ(t.y, -34.1f); // 7.5 % of the height above the bottom edge, one decimal
    }
    // Across a year end: day 3 of a period from 30 December 2010.
    periode(3, QDate(2010, 12, 30));
    Pane p;
    EJ::Ecriture_Jours(p, 25, 30, 0, 0, 0);
    ASSERT_EQ(p.texts().size(), 1u);
    EXPECT_EQ(p.texts()[0].text, QStringLiteral("01 / 01 / 11"));
}

TEST_F(EcritureJour, LabelLineFollowsTheScaleAndKeepsThePaneFont)
{
    periode(1, QDate(2009, 3, 5));
    RecordingSurface p(15075, 8505);
    p.Scale(9, -129, 39, -48);
    p.setFontSize(10);
    p.setFontBold(true);
    EJ::Ecriture_Jours(p, 12, 36, 0, 0, 0);
    ASSERT_EQ(p.texts().size(), 2u);
    EXPECT_FLOAT_EQ(p.texts()[0].y, -54.1f);
    EXPECT_FLOAT_EQ(p.texts()[0].fontSize, 10);
    EXPECT_TRUE(p.texts()[0].fontBold);
    EXPECT_TRUE(p.lines().empty());
}

TEST_F(EcritureJour, ColourArgumentsAreRedBlueGreen)
{
    periode(1, QDate(2009, 3, 5));
    Pane p;
    EJ::Ecriture_Jours(p, 12, 36, 10, 20, 30);
    EXPECT_EQ(p.ForeColor(), QColor(10, 30, 20));
    ASSERT_FALSE(p.texts().empty());
    EXPECT_EQ(p.texts()[0].colour, QColor(10, 30, 20));
    EJ::Ecriture_Jours(p, 12, 36, 0, 0, 0);
    EXPECT_EQ(p.ForeColor(), QColor(0, 0, 0));
}

TEST_F(EcritureJour, ImpossibleDayCountOrDatePrintsNothingButSetsTheColour)
{
    for (int16_t jours : {0, 2, 4, 8}) {
        periode(jours, QDate(2009, 3, 5));
        Pane p;
        EJ::Ecriture_Jours(p, 12, 36, 0, 255, 0); // blue is the fifth argument
        EXPECT_TRUE(p.texts().empty()) << jours;
        EXPECT_EQ(p.ForeColor(), QColor(0, 0, 255));
    }
    periode(3, QDate(2009, 4, 28));
    D().Graphique.Jours_Graphique[3][1] = 31; // 31 April
    Pane p;
    EJ::Ecriture_Jours(p, 12, 36, 0, 0, 0);
    EXPECT_TRUE(p.texts().empty());
}

TEST_F(EcritureJour, ChoiceRangeRoundsPanesOneAndTwoButTakesPaneThreeDown)
{
    periode(3, QDate(2009, 3, 5));
    Pane p;
    p.setScaleLeft(15.6f);
    p.setScaleWidth(9);
    EXPECT_EQ(EJ::Vue_Jours_Choix(p, 1), (std::pair<int16_t, int16_t>{16, 25}));
    EXPECT_EQ(EJ::Vue_Jours_Choix(p, 2), (std::pair<int16_t, int16_t>{16, 25}));
    EXPECT_EQ(EJ::Vue_Jours_Choix(p, 3), (std::pair<int16_t, int16_t>{15, 24}));

    // The same view labels three days on pane 1 and two on pane 3.
    auto [a1, b1] = EJ::Vue_Jours_Choix(p, 1);
    Pane un;
    EJ::Ecriture_Jours(un, a1, b1, 0, 0, 0);
    const auto l1 = etiquettes(un);
    ASSERT_EQ(l1.size(), 3u);
    EXPECT_FLOAT_EQ(l1[0].x, 16);
    EXPECT_FLOAT_EQ(l1[2].x, 24.5f);
    auto [a3, b3] = EJ::Vue_Jours_Choix(p, 3);
    Pane trois;
    EJ::Ecriture_Jours(trois, a3, b3, 0, 0, 0);
    const auto l3 = etiquettes(trois);
    ASSERT_EQ(l3.size(), 2u);
    EXPECT_FLOAT_EQ(l3[0].x, 15.5f);
    EXPECT_EQ(l3[1].k, 2);
    EXPECT_FLOAT_EQ(l3[1].x, 20);

    // Halves go to the even neighbour on panes 1 and 2.
    p.setScaleLeft(16.5f);
    p.setScaleWidth(1);
    EXPECT_EQ(EJ::Vue_Jours_Choix(p, 1), (std::pair<int16_t, int16_t>{16, 18}));
    EXPECT_EQ(EJ::Vue_Jours_Choix(p, 3), (std::pair<int16_t, int16_t>{16, 17}));
    p.setScaleLeft(-0.5f);
    EXPECT_EQ(EJ::Vue_Jours_Choix(p, 2).first, 0);
    EXPECT_EQ(EJ::Vue_Jours_Choix(p, 3).first, -1);
}
