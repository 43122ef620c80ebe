// The cursor arrow on the graph panes, and the summary block of maxima on real labels.
#include "analysis/graph_drawing/Fonctions_Graphique.h"
#include "analysis/graph_drawing/Fonctions_Graphique_Courbe.h"
#include "donnees_graphique.h"
#include "platform/recording_surface.h"
#include "platform/twips.h"
#include "test_support.h"

#include <QComboBox>
#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

namespace FG = Fonctions_Graphique;
using Declaration::D;
using donnees_graphique::Ajouter;
using donnees_graphique::Ligne;
using donnees_graphique::Ligne_Apres;
using platform::RecordingSurface;

const QDate Jour1(2009, 3, 5);
const QColor Bleu(0, 0, 255);
const QColor Vert(0, 146, 64);
const QString Tableau10 = QStringLiteral("Tableau Leq 10 Minutes");

// The three panes of the window, each a recorder with its choice combo.
class Curseur : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::FreshState();
        donnees_graphique::Periode(1, Jour1);
        D().Parametres_Afficheur.Niveau_Alarme = 85;
        for (int k = 1; k <= 3; ++k) {
            surfaces[k] = std::make_unique<RecordingSurface>(7515, 4035);
            combos[k] = new QComboBox(&fenetre_widget);
            combos[k]->addItems({FG::Choix_Leq10, FG::Choix_Leq5, FG::Choix_Leq1, FG::Choix_Crete, Tableau10,
                                 QStringLiteral("Graphique sans série")});
            fenetre.Volet[static_cast<size_t>(k)].Graphique = surfaces[k].get();
            fenetre.Volet[static_cast<size_t>(k)].Combo_Choix = combos[k];
        }
        FG::Inscrire_Fenetre_Graphique(&fenetre);
    }
    void TearDown() override { FG::Inscrire_Fenetre_Graphique(nullptr); }

    void Choix(const QString &a, const QString &b, const QString &c)
    {
        combos[1]->setCurrentText(a);
        combos[2]->setCurrentText(b);
        combos[3]->setCurrentText(c);
    }
    RecordingSurface &Volet(int k) { return *surfaces[k]; }

    // The lines drawn in blue on a pane.
    std::vector<platform::RecordedLine> Fleches(int k)
    {
        std::vector<platform::RecordedLine> v;
        for (const auto &l : Volet(k).lines())
            if (l.colour == Bleu)
                v.push_back(l);
        return v;
    }

    QWidget fenetre_widget;
    std::unique_ptr<RecordingSurface> surfaces[4];
    QComboBox *combos[4] = {};
    FG::Fenetre_Graphique fenetre;
};

bool A_Texte(const RecordingSurface &s, const QString &texte)
{
    for (const auto &t : s.texts())
        if (t.text == texte)
            return true;
    return false;
}

TEST_F(Curseur, TheArrowPointsDownAtTheCurvePoint)
{
    Ajouter(Ligne(30, 15, 5, 3, 9, 72, 65, 90)); // 15:30, 3.5 units after noon
    Choix(FG::Choix_Leq1, FG::Choix_Leq10, FG::Choix_Crete);
    FG::Trace_Curseur(5, 3, 2009, 15, 30);

    const struct
    {
        int volet;
        float y;
    } attendus[] = {{1, -65}, {2, -72}, {3, -90}};
    for (const auto &a : attendus) {
        SCOPED_TRACE(a.volet);
        const auto f = Fleches(a.volet);
        ASSERT_EQ(f.size(), 4u);
        const float X = 15.5f, Y = a.y;
        const float attendu[4][4] = {{X, Y - 1, X, Y - 5},
                                     {X, Y - 0.1f, X - 0.05f, Y - 1},
                                     {X, Y - 0.1f, X + 0.05f, Y - 1},
                                     {X - 0.05f, Y - 1, X + 0.05f, Y - 1}};
        for (int i = 0; i < 4; ++i) {
            EXPECT_FLOAT_EQ(f[static_cast<size_t>(i)].x1, attendu[i][0]);
            EXPECT_FLOAT_EQ(f[static_cast<size_t>(i)].y1, attendu[i][1]);
            EXPECT_FLOAT_EQ(f[static_cast<size_t>(i)].x2, attendu[i][2]);
            EXPECT_FLOAT_EQ(f[static_cast<size_t>(i)].y2, attendu[i][3]);
        }
        EXPECT_EQ(Volet(a.volet).ForeColor(), Bleu);
        // Redrawn from a clear pane: axes, then the curve's point under the arrow.
        EXPECT_EQ(Volet(a.volet).clearCount(), 1);
        EXPECT_TRUE(A_Texte(Volet(a.volet), QStringLiteral("Hrs")));
        ASSERT_EQ(Volet(a.volet).points().size(), 1u);
        EXPECT_FLOAT_EQ(Volet(a.volet).points()[0].y, a.y);
    }
    // The alarm line on the Leq panes only, the peak pane on its own scale.
    auto verts = [this](int k) {
        int n = 0;
        for (const auto &l : Volet(k).lines())
            n += l.colour == Vert;
        return n;
    };
    EXPECT_EQ(verts(1), 1);
    EXPECT_EQ(verts(2), 1);
    EXPECT_EQ(verts(3), 0);
    EXPECT_FLOAT_EQ(Volet(1).ScaleTop(), -129);
    EXPECT_FLOAT_EQ(Volet(3).ScaleTop(), -139);
}

TEST_F(Curseur, APaneWithoutAPointIsSkippedAndTheOthersAreStillMarked)
{
    Ajouter(Ligne(0, 13, 5, 3, 9, 72, 0, 90)); // 1-minute level 0
    Choix(FG::Choix_Leq1, FG::Choix_Crete, FG::Choix_Leq10);
    FG::Trace_Curseur(5, 3, 2009, 13, 0);
    EXPECT_TRUE(Fleches(1).empty());
    EXPECT_EQ(Volet(1).clearCount(), 1); // redrawn, without an arrow
    ASSERT_EQ(Fleches(2).size(), 4u);
    EXPECT_FLOAT_EQ(Fleches(2)[0].y1, -91);
    ASSERT_EQ(Fleches(3).size(), 4u);
    EXPECT_FLOAT_EQ(Fleches(3)[0].x1, 13);

    // A time no row holds: every graph pane is redrawn, none marked.
    FG::Trace_Curseur(5, 3, 2009, 13, 1);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(Volet(k).clearCount(), 2);
        EXPECT_TRUE(Fleches(k).empty());
    }
}

TEST_F(Curseur, TablePanesAreLeftAsTheyAre)
{
    Ajouter(Ligne(0, 13, 5, 3, 9, 72, 60, 90));
    Choix(Tableau10, QStringLiteral("Graphique sans série"), FG::Choix_Leq1);
    FG::Trace_Curseur(5, 3, 2009, 13, 0);
    EXPECT_EQ(Volet(1).clearCount(), 0);
    EXPECT_TRUE(Volet(1).lines().empty());
    // A graph text outside the four: the pane gets the Leq axes and alarm line, no curve, no arrow.
    EXPECT_EQ(Volet(2).clearCount(), 1);
    EXPECT_TRUE(Volet(2).points().empty());
    EXPECT_TRUE(Fleches(2).empty());
    EXPECT_EQ(Fleches(3).size(), 4u);
}

TEST_F(Curseur, TheFirstMeasurementRowAtTheTimeGivesTheLevel)
{
    Ajouter(Ligne(0, 13, 5, 3, 9, 3, 1, 0));     // an event row: never taken
    Ajouter(Ligne(0, 13, 5, 3, 9, 72, 61, 90));  // the first measurement row
    Ajouter(Ligne(0, 13, 5, 3, 9, 73, 62, 95));  // the same time again (clock set back)
    Ajouter(Ligne(0, 13, 5, 3, 9, 194, 63, 96)); // a 5-minute row
    Choix(FG::Choix_Leq1, FG::Choix_Leq5, FG::Choix_Leq10);
    FG::Trace_Curseur(5, 3, 2009, 13, 0);
    EXPECT_FLOAT_EQ(Fleches(1)[0].y1, -61 - 1);
    // The pane's byte whatever the row's kind: a 10-minute row on a 5-minute pane stands at 128 - 72.
    EXPECT_FLOAT_EQ(Fleches(2)[0].y1, 56 - 1);
    EXPECT_FLOAT_EQ(Fleches(3)[0].y1, -72 - 1);
}

TEST_F(Curseur, TheArrowStandsAtThePeriodEnds)
{
    for (const int jours : {1, 3, 7}) {
        SCOPED_TRACE(jours);
        donnees_graphique::Periode(jours, Jour1);
        Ajouter(Ligne_Apres(Jour1, 0, 72, 61, 90));
        const auto fin = Ligne_Apres(Jour1, jours * 1440, 72, 62, 90);
        Ajouter(fin);
        Choix(FG::Choix_Leq1, Tableau10, Tableau10);
        FG::Trace_Curseur(5, 3, 2009, 12, 0);
        ASSERT_EQ(Fleches(1).size(), 4u);
        EXPECT_FLOAT_EQ(Fleches(1)[0].x1, 12);
        FG::Trace_Curseur(fin[3], fin[4], static_cast<int16_t>(fin[5] + 2000), 12, 0);
        EXPECT_FLOAT_EQ(Fleches(1)[0].x1, jours == 7 ? 40 : 36);
        EXPECT_FLOAT_EQ(Fleches(1)[0].y1, -62 - 1);
    }
}

TEST_F(Curseur, UnderAZoomOnlyArrowsAreAddedAndEarlierOnesStay)
{
    Ajouter(Ligne(0, 13, 5, 3, 9, 72, 61, 90));
    Ajouter(Ligne(0, 14, 5, 3, 9, 72, 63, 90));
    // The zoomed pane and the two panes hidden behind it.
    Choix(FG::Choix_Leq1, FG::Choix_Crete, FG::Choix_Leq10);
    Volet(1).Scale(12, -100, 16, -40);
    D().Graphique.Zoom_Selection = true;
    FG::Trace_Curseur(5, 3, 2009, 13, 0);
    FG::Trace_Curseur(5, 3, 2009, 14, 0);
    for (int k = 1; k <= 3; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(Volet(k).clearCount(), 0);
        EXPECT_TRUE(Volet(k).texts().empty());  // no axes
        EXPECT_TRUE(Volet(k).points().empty()); // no curve
        EXPECT_EQ(Fleches(k).size(), 8u);
        EXPECT_EQ(Volet(k).lines().size(), 8u) << "nothing but the two arrows";
    }
    EXPECT_FLOAT_EQ(Volet(1).ScaleLeft(), 12);
    EXPECT_FLOAT_EQ(Fleches(1)[0].x1, 13);
    EXPECT_FLOAT_EQ(Fleches(1)[4].x1, 14);
}

TEST_F(Curseur, NoWindowOrAnImpossibleDateDrawsNoArrow)
{
    Ajouter(Ligne(0, 13, 31, 4, 9, 72, 61, 90)); // 31 April
    Choix(FG::Choix_Leq1, Tableau10, Tableau10);
    FG::Trace_Curseur(31, 4, 2009, 13, 0);
    EXPECT_TRUE(Fleches(1).empty());
    FG::Inscrire_Fenetre_Graphique(nullptr);
    FG::Trace_Curseur(5, 3, 2009, 13, 0);
    EXPECT_EQ(Volet(1).clearCount(), 1);
}

// ---- Summary block ----------------------------------------------------------------------------

// The block in the window's initial layout, on real labels.
class Maxima : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::FreshState();
        donnees_graphique::Periode(1, Jour1);
        D().Parametres_Afficheur.Niveau_Alarme = 85;
        auto label = [this](int left, int top, int width, int height) {
            auto *l = new QLabel(&fenetre_widget);
            platform::PlaceTwips(l, left, top, width, height);
            return l;
        };
        f.Label_Entete_Alarme = label(8160, 3750, 3225, 195);
        f.Label_Alarme = label(11520, 3750, 3195, 195);
        f.Label_Entete_Leq10 = label(8160, 4080, 3225, 195);
        f.Label_Leq10_Maxi = label(11520, 4080, 3195, 195);
        f.Label_Entete_Leq1 = label(8160, 4410, 3225, 195);
        f.Label_Leq1_Maxi = label(11520, 4410, 3195, 195);
        f.Label_Entete_Crete = label(8160, 4740, 3225, 195);
        f.Label_Crete_Maxi = label(11520, 4740, 3195, 195);
        f.Label_Entete_Leq5 = label(14850, 4140, 315, 255);
        f.Label_Leq5_Maxi = label(14850, 4560, 285, 255);
        f.Label_Entete_Evenements = label(7890, 690, 7065, 255);
        f.List_Evenements = label(7860, 990, 7125, 2550);
        const float y[10] = {0, 3690, 4020, 4350, 4680, 5010, 3690, 3690, 3690, 5070};
        const float x1[10] = {0, 8100, 8100, 8100, 8100, 8100, 11445, 8100, 14790, 8100};
        for (int n = 1; n <= 9; ++n) {
            const bool verticale = n >= 6 && n <= 8;
            lignes[n] = {x1[n], y[n], verticale ? x1[n] : 14790, verticale ? 5010 : y[n], true};
            f.Line[static_cast<size_t>(n)] = &lignes[n];
        }
        FG::Inscrire_Fenetre_Graphique(&f);
    }
    void TearDown() override { FG::Inscrire_Fenetre_Graphique(nullptr); }

    static QRect Twips(const QWidget *w)
    {
        return {w->x() * 15, w->y() * 15, w->width() * 15, w->height() * 15};
    }

    QWidget fenetre_widget;
    FG::Fenetre_Graphique f;
    FG::Ligne_Fenetre lignes[10];
};

TEST_F(Maxima, TenMinuteRowsOnlyKeepTheInitialLayout)
{
    Ajouter(Ligne_Apres(Jour1, 0, 127, 60, 90));
    Ajouter(Ligne_Apres(Jour1, 10, 70, 88, 101));
    D().Presence_Leq10 = true;
    FG::Affiche_Maxima();
    EXPECT_TRUE(f.Label_Entete_Leq5->isHidden());
    EXPECT_TRUE(f.Label_Leq5_Maxi->isHidden());
    EXPECT_FALSE(lignes[9].Visible);
    EXPECT_FALSE(f.Label_Entete_Leq10->isHidden());
    EXPECT_EQ(Twips(f.Label_Leq10_Maxi), QRect(11520, 4080, 3195, 195));
    EXPECT_EQ(Twips(f.Label_Entete_Crete), QRect(8160, 4740, 3225, 195));
    EXPECT_FLOAT_EQ(lignes[6].Y1, 3690);
    EXPECT_EQ(Twips(f.List_Evenements).top(), 990);
    EXPECT_EQ(f.Label_Alarme->text(), QStringLiteral("85 dB"));
    EXPECT_EQ(f.Label_Leq10_Maxi->text(), QStringLiteral("127 dBA"));
    EXPECT_EQ(f.Label_Leq5_Maxi->text(), QStringLiteral("0 dBA"));
    EXPECT_EQ(f.Label_Leq1_Maxi->text(), QStringLiteral("88 dBA"));
    EXPECT_EQ(f.Label_Crete_Maxi->text(), QStringLiteral("101 dB"));
}

TEST_F(Maxima, FiveMinuteRowsOnlyTakeTheTenMinuteRow)
{
    Ajouter(Ligne_Apres(Jour1, 0, 128, 60, 90)); // counts as 0
    Ajouter(Ligne_Apres(Jour1, 5, 128 + 77, 61, 91));
    D().Presence_Leq5 = true;
    FG::Affiche_Maxima();
    EXPECT_TRUE(f.Label_Entete_Leq10->isHidden());
    EXPECT_TRUE(f.Label_Leq10_Maxi->isHidden());
    EXPECT_FALSE(f.Label_Entete_Leq5->isHidden());
    EXPECT_FALSE(lignes[9].Visible);
    EXPECT_EQ(Twips(f.Label_Entete_Leq5), QRect(8160, 4080, 3225, 195));
    EXPECT_EQ(Twips(f.Label_Leq5_Maxi), QRect(11520, 4080, 3195, 195));
    EXPECT_FLOAT_EQ(lignes[2].Y1, 4020);
    EXPECT_EQ(f.Label_Leq5_Maxi->text(), QStringLiteral("77 dBA"));
    EXPECT_EQ(f.Label_Leq10_Maxi->text(), QStringLiteral("0 dBA"));
}

TEST_F(Maxima, BothKindsGiveFiveRowsAndRaiseTheEvents)
{
    Ajouter(Ligne_Apres(Jour1, 0, 80, 60, 90));
    Ajouter(Ligne_Apres(Jour1, 5, 128 + 66, 61, 91));
    D().Presence_Leq5 = D().Presence_Leq10 = true;
    FG::Affiche_Maxima();
    EXPECT_TRUE(lignes[9].Visible);
    EXPECT_FALSE(f.Label_Leq5_Maxi->isHidden());
    const std::pair<QLabel *, QLabel *> rangs[] = {{f.Label_Entete_Alarme, f.Label_Alarme},
                                                   {f.Label_Entete_Leq10, f.Label_Leq10_Maxi},
                                                   {f.Label_Entete_Leq5, f.Label_Leq5_Maxi},
                                                   {f.Label_Entete_Leq1, f.Label_Leq1_Maxi},
                                                   {f.Label_Entete_Crete, f.Label_Crete_Maxi}};
    const int tops[] = {3660, 3930, 4200, 4470, 4740};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Twips(rangs[i].first), QRect(8160, tops[i], 3225, 195));
        EXPECT_EQ(Twips(rangs[i].second), QRect(11520, tops[i], 3195, 195));
        EXPECT_FLOAT_EQ(lignes[i + 1].Y1, static_cast<float>(tops[i] - 30));
        EXPECT_FLOAT_EQ(lignes[i + 1].Y2, static_cast<float>(tops[i] - 30));
        EXPECT_FLOAT_EQ(lignes[i + 1].X1, 8100);
    }
    EXPECT_FLOAT_EQ(lignes[9].Y1, 4980);
    for (const int n : {6, 7, 8}) {
        EXPECT_FLOAT_EQ(lignes[n].Y1, 3630);
        EXPECT_FLOAT_EQ(lignes[n].Y2, 4980);
    }
    EXPECT_FLOAT_EQ(lignes[6].X1, 11445);
    EXPECT_EQ(Twips(f.List_Evenements), QRect(7860, 960, 7125, 2550));
    EXPECT_EQ(Twips(f.Label_Entete_Evenements), QRect(7890, 660, 7065, 255));
    EXPECT_EQ(f.Label_Leq10_Maxi->text(), QStringLiteral("80 dBA"));
    EXPECT_EQ(f.Label_Leq5_Maxi->text(), QStringLiteral("66 dBA"));
}

TEST_F(Maxima, OnlyMeasurementRowsOfThePeriodThatPassTheTestsCount)
{
    Ajouter(Ligne_Apres(Jour1, 0, 3, 120, 130));   // event row
    Ajouter(Ligne_Apres(Jour1, -1, 99, 99, 99));   // before the period
    Ajouter(Ligne(0, 13, 5, 3, 9, 110, 110, 255)); // a byte of 255
    Ajouter(Ligne(0, 24, 5, 3, 9, 111, 111, 111)); // hour 24
    Ajouter(Ligne_Apres(Jour1, 30, 60, 55, 66));
    FG::Affiche_Maxima();
    EXPECT_EQ(f.Label_Leq10_Maxi->text(), QStringLiteral("60 dBA"));
    EXPECT_EQ(f.Label_Leq1_Maxi->text(), QStringLiteral("55 dBA"));
    EXPECT_EQ(f.Label_Crete_Maxi->text(), QStringLiteral("66 dB"));

    donnees_graphique::Periode(1, Jour1);
    Ajouter(Ligne_Apres(Jour1, 0, 3, 120, 130));
    FG::Affiche_Maxima();
    EXPECT_EQ(f.Label_Leq10_Maxi->text(), QStringLiteral("0 dBA"));
    EXPECT_EQ(f.Label_Leq5_Maxi->text(), QStringLiteral("0 dBA"));
    EXPECT_EQ(f.Label_Leq1_Maxi->text(), QStringLiteral("0 dBA"));
    EXPECT_EQ(f.Label_Crete_Maxi->text(), QStringLiteral("0 dB"));
}

} // namespace
