// The step curve and the alarm line, recorded in user coordinates.
#include "analysis/core/frmWait.h"
#include "analysis/graph_drawing/Fonctions_Graphique.h"
#include "analysis/graph_drawing/Fonctions_Graphique_Courbe.h"
#include "donnees_graphique.h"
#include "platform/recording_surface.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace {

namespace FG = Fonctions_Graphique;
using Declaration::D;
using donnees_graphique::Ajouter;
using donnees_graphique::Ligne;
using donnees_graphique::Ligne_Apres;
using platform::RecordingSurface;

const QDate Jour1(2009, 3, 5);
const QColor Rouge(255, 0, 0);

class Courbe : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::FreshState();
        donnees_graphique::Periode(1, Jour1);
    }
    RecordingSurface box{7515, 4035};
};

// The x of a moment m minutes after the period start, as the pane draws it (single precision).
float X(double unites)
{
    return static_cast<float>(unites);
}

TEST_F(Courbe, OneMinuteRowsOnADayMakeOneJoinedStepCurve)
{
    Ajouter(Ligne_Apres(Jour1, 0, 70, 60, 80));
    Ajouter(Ligne_Apres(Jour1, 1, 70, 62, 80));
    Ajouter(Ligne_Apres(Jour1, 2, 70, 61, 80));
    const FG::Etat_Trace fin = FG::Trace_Courbe(box, QStringLiteral("Niveau Leq 1 Minute"));
    EXPECT_DOUBLE_EQ(fin.Point_X_Precedent, 12 + 2.0 / 60); // the last point drawn
    EXPECT_DOUBLE_EQ(fin.Point_Y_Precedent, -61);

    ASSERT_EQ(box.points().size(), 3u);
    EXPECT_FLOAT_EQ(box.points()[0].x, 12);
    EXPECT_FLOAT_EQ(box.points()[0].y, -60);
    EXPECT_EQ(box.points()[2].colour, Rouge);
    // First point: a stroke 1/60 long ending at it; then a vertical and a horizontal line per point.
    const auto &l = box.lines();
    ASSERT_EQ(l.size(), 5u);
    EXPECT_FLOAT_EQ(l[0].x1, X(12 - 1.0 / 60));
    EXPECT_FLOAT_EQ(l[0].x2, 12);
    EXPECT_FLOAT_EQ(l[0].y1, -60);
    const float x1 = X(12 + 1.0 / 60);
    EXPECT_FLOAT_EQ(l[1].x1, 12); // vertical at the previous point's x
    EXPECT_FLOAT_EQ(l[1].x2, 12);
    EXPECT_FLOAT_EQ(l[1].y1, -60);
    EXPECT_FLOAT_EQ(l[1].y2, -62);
    EXPECT_FLOAT_EQ(l[2].x1, 12); // then along the new level
    EXPECT_FLOAT_EQ(l[2].x2, x1);
    EXPECT_FLOAT_EQ(l[2].y2, -62);
    EXPECT_FLOAT_EQ(l[4].y2, -61);
    for (const auto &line : l)
        EXPECT_EQ(line.colour, Rouge);
    EXPECT_EQ(box.ForeColor(), Rouge);
}

TEST_F(Courbe, AGapWiderThanTheThresholdGivesASeparateStroke)
{
    // Gaps of 2 units of 1/60 on every period length: never joined; one unit: always joined.
    for (const int jours : {1, 3, 7}) {
        SCOPED_TRACE(jours);
        donnees_graphique::Periode(jours, Jour1);
        const int minute = jours == 1 ? 1 : jours == 3 ? 3 : 6;
        Ajouter(Ligne_Apres(Jour1, 60, 70, 60, 80));
        Ajouter(Ligne_Apres(Jour1, 60 + minute, 70, 61, 80));     // joined
        Ajouter(Ligne_Apres(Jour1, 60 + 3 * minute, 70, 62, 80)); // apart
        RecordingSurface b(7515, 4035);
        FG::Trace_Courbe(b, QStringLiteral("Niveau Leq 1 Minute"));
        ASSERT_EQ(b.lines().size(), 4u);
        EXPECT_FLOAT_EQ(b.lines()[1].y1, -60); // the vertical join
        EXPECT_FLOAT_EQ(b.lines()[1].y2, -61);
        const float x = X(12 + (60.0 + 3 * minute) / (60.0 * minute));
        EXPECT_FLOAT_EQ(b.lines()[3].x1, X(x - 1.0 / 60)); // a lone stroke ending at the third point
        EXPECT_FLOAT_EQ(b.lines()[3].x2, x);
        EXPECT_FLOAT_EQ(b.lines()[3].y1, -62);
        EXPECT_FLOAT_EQ(b.lines()[3].y2, -62);
    }
}

TEST_F(Courbe, TheJoiningThresholdIsJustOverOneSixtieth)
{
    FG::Etat_Trace e;
    e.Point_X_Precedent = 20;
    e.Point_Y_Precedent = -50;
    e.Point_X = 20.0166667; // exactly the threshold: joined
    e.Point_Y = -55;
    FG::Tracer_Point(box, e);
    EXPECT_EQ(box.lines().size(), 2u);
    e.Point_X += 0.0166668; // just over: a stroke
    FG::Tracer_Point(box, e);
    ASSERT_EQ(box.lines().size(), 3u);
    EXPECT_FLOAT_EQ(box.lines()[2].x2 - box.lines()[2].x1, X(e.Point_X) - X(e.Point_X - 1.0 / 60));
    EXPECT_DOUBLE_EQ(e.Point_X_Precedent, e.Point_X);
    EXPECT_DOUBLE_EQ(e.Point_Y_Precedent, -55);
}

TEST_F(Courbe, LevelZeroDrawsNothingAndIsNotRemembered)
{
    Ajouter(Ligne_Apres(Jour1, 10, 70, 60, 80));
    Ajouter(Ligne_Apres(Jour1, 11, 70, 0, 80));  // no point
    Ajouter(Ligne_Apres(Jour1, 12, 70, 64, 80)); // 2 minutes after the last point drawn: not joined
    Ajouter(Ligne_Apres(Jour1, 13, 3, 9, 9));    // an event row does not break the chain
    Ajouter(Ligne_Apres(Jour1, 13, 70, 65, 80));
    FG::Trace_Courbe(box, QStringLiteral("Niveau Leq 1 Minute"));
    EXPECT_EQ(box.points().size(), 3u);
    ASSERT_EQ(box.lines().size(), 4u);
    EXPECT_FLOAT_EQ(box.lines()[1].y1, -64);
    EXPECT_FLOAT_EQ(box.lines()[1].x2 - box.lines()[1].x1, X(12.2) - X(12.2 - 1.0 / 60));
    EXPECT_FLOAT_EQ(box.lines()[2].y1, -64); // joined over the event row
    EXPECT_FLOAT_EQ(box.lines()[2].y2, -65);
}

TEST_F(Courbe, EachSeriesTakesItsRowsAndItsByte)
{
    Ajouter(Ligne_Apres(Jour1, 0, 127, 60, 90));      // 10-minute row
    Ajouter(Ligne_Apres(Jour1, 5, 128 + 66, 61, 91)); // 5-minute row
    Ajouter(Ligne_Apres(Jour1, 10, 128, 62, 0));      // 5-minute level 0, peak 0
    auto ys = [](const QString &serie) {
        RecordingSurface b(7515, 4035);
        FG::Trace_Courbe(b, serie);
        std::vector<float> v;
        for (const auto &p : b.points())
            v.push_back(p.y);
        return v;
    };
    EXPECT_EQ(ys(QStringLiteral("Niveau Leq 10 Minutes")), (std::vector<float>{-127}));
    EXPECT_EQ(ys(QStringLiteral("Niveau Leq 5 Minutes")), (std::vector<float>{-66}));
    EXPECT_EQ(ys(QStringLiteral("Niveau Leq 1 Minute")), (std::vector<float>{-60, -61, -62}));
    EXPECT_EQ(ys(QStringLiteral("Niveau Crete")), (std::vector<float>{-90, -91}));
    EXPECT_TRUE(ys(QStringLiteral("Niveau Crête")).empty());
    EXPECT_TRUE(ys(QStringLiteral("niveau crete")).empty());
}

TEST_F(Courbe, BothEndsOfThePeriodAreDrawnAndNothingOutside)
{
    for (const int jours : {1, 3, 7}) {
        SCOPED_TRACE(jours);
        donnees_graphique::Periode(jours, Jour1);
        const int fin = jours * 1440;
        Ajouter(Ligne_Apres(Jour1, -1, 70, 50, 80));
        Ajouter(Ligne_Apres(Jour1, 0, 70, 51, 80));
        Ajouter(Ligne_Apres(Jour1, fin, 70, 52, 80));
        Ajouter(Ligne_Apres(Jour1, fin + 1, 70, 53, 80));
        RecordingSurface b(7515, 4035);
        FG::Trace_Courbe(b, QStringLiteral("Niveau Leq 1 Minute"));
        ASSERT_EQ(b.points().size(), 2u);
        EXPECT_FLOAT_EQ(b.points()[0].x, 12);
        EXPECT_FLOAT_EQ(b.points()[1].x, jours == 7 ? 40 : 36);
        EXPECT_FLOAT_EQ(b.lines()[0].x1, X(12 - 1.0 / 60)); // reaches left of the period start
    }
}

TEST_F(Courbe, RowsThatFailTheTestsOrNameNoRealDateAreLeftOut)
{
    Ajouter(Ligne(0, 13, 5, 3, 9, 70, 50, 255)); // a byte of 255
    Ajouter(Ligne(0, 24, 5, 3, 9, 70, 51, 80));  // hour 24
    Ajouter(Ligne(60, 13, 5, 3, 9, 70, 52, 80)); // minute 60
    Ajouter(Ligne(0, 13, 5, 13, 9, 70, 53, 80)); // month 13
    Ajouter(Ligne(0, 13, 5, 3, 9, 70, 54, 80));  // the only good one
    FG::Trace_Courbe(box, QStringLiteral("Niveau Leq 1 Minute"));
    ASSERT_EQ(box.points().size(), 1u);
    EXPECT_FLOAT_EQ(box.points()[0].x, 13);
    EXPECT_FLOAT_EQ(box.points()[0].y, -54);

    donnees_graphique::Periode(7, QDate(2009, 4, 27));
    Ajouter(Ligne(0, 14, 30, 4, 9, 70, 55, 80));
    Ajouter(Ligne(1, 14, 31, 4, 9, 70, 56, 80)); // 31 April: left out, the curve goes on
    Ajouter(Ligne(2, 14, 1, 5, 9, 70, 57, 80));
    RecordingSurface b(7515, 4035);
    FG::Trace_Courbe(b, QStringLiteral("Niveau Leq 1 Minute"));
    ASSERT_EQ(b.points().size(), 2u);
    EXPECT_FLOAT_EQ(b.points()[0].y, -55);
    EXPECT_FLOAT_EQ(b.points()[1].y, -57);
}

TEST_F(Courbe, ABadDayCountOrPeriodDateDrawsNothing)
{
    Ajouter(Ligne_Apres(Jour1, 0, 70, 60, 80));
    D().Graphique.Nombre_Jours_Graphique = 2;
    FG::Trace_Courbe(box, QStringLiteral("Niveau Leq 1 Minute"));
    EXPECT_TRUE(box.points().empty());
    D().Graphique.Nombre_Jours_Graphique = 9;
    FG::Trace_Courbe(box, QStringLiteral("Niveau Leq 1 Minute"));
    EXPECT_TRUE(box.points().empty());
    D().Graphique.Nombre_Jours_Graphique = 1;
    D().Graphique.Jours_Graphique[2] = {0, 30, 2, 9}; // 30 February
    FG::Trace_Courbe(box, QStringLiteral("Niveau Leq 1 Minute"));
    EXPECT_TRUE(box.points().empty());
    D().Graphique.Jours_Graphique[2] = {0, 6, 3, 9};
    FG::Trace_Courbe(box, QStringLiteral("Niveau Leq 1 Minute"));
    EXPECT_EQ(box.points().size(), 1u);
}

TEST_F(Courbe, NoCurveWhenASelectionAddressIsZero)
{
    D().Graphique.Chargement_Graphique = true;
    frmWait &w = Wait::Show();
    w.Progression->setMax(1000);
    for (const bool debut : {true, false}) {
        RecordingSurface b(7515, 4035);
        b.setForeColor(Qt::blue);
        donnees_graphique::Periode(1, Jour1);
        for (int i = 0; i < 120; ++i)
            Ajouter(Ligne_Apres(Jour1, i, 70, 60, 80));
        (debut ? D().Date_Selection.Adresse_Debut_Selection : D().Date_Selection.Adresse_Fin_Selection) = 0;
        FG::Trace_Courbe(b, QStringLiteral("Niveau Leq 1 Minute"));
        EXPECT_TRUE(b.points().empty());
        EXPECT_TRUE(b.lines().empty());
        EXPECT_EQ(b.ForeColor(), Rouge);
    }
    EXPECT_DOUBLE_EQ(w.Progression->Value(), 0);
    Wait::Unload();
}

TEST_F(Courbe, TheWaitWindowMovesEveryFiftyRowsWhileTheWindowLoads)
{
    for (int i = 0; i < 120; ++i)
        Ajouter(Ligne_Apres(Jour1, i, 70, 60, 80));
    D().Graphique.Indice_Debut_Periode = 11;
    D().Graphique.Indice_Fin_Periode = 130;
    frmWait &w = Wait::Show();
    w.Progression->setMax(840);

    FG::Trace_Courbe(box, QStringLiteral("Niveau Leq 1 Minute")); // not loading: the bar stays
    EXPECT_DOUBLE_EQ(w.Progression->Value(), 0);

    D().Graphique.Chargement_Graphique = true;
    FG::Trace_Courbe(box, QStringLiteral("Niveau Leq 1 Minute"));
    EXPECT_DOUBLE_EQ(w.Progression->Value(), 100); // rows 50 and 100
    EXPECT_EQ(w.Label_Progression->text(), QStringLiteral("Données traitées = 100 / 840"));

    // A text that names no series still walks the rows; near the end the bar stops at its maximum,
    // and the caption shows whole numbers.
    w.Progression->setMax(120.4);
    D().Presence_Leq5 = D().Presence_Leq10 = true;
    FG::Trace_Courbe(box, QStringLiteral("Graphique Crête"));
    EXPECT_DOUBLE_EQ(w.Progression->Value(), 120.4);
    EXPECT_EQ(w.Label_Progression->text(), QStringLiteral("Données traitées = 120 / 1080"));
    Wait::Unload();
}

TEST_F(Courbe, TheAlarmLineSpansThePeriodInGreen)
{
    D().Parametres_Afficheur.Niveau_Alarme = 85;
    for (const int jours : {1, 3, 7, 2}) {
        SCOPED_TRACE(jours);
        D().Graphique.Nombre_Jours_Graphique = static_cast<int16_t>(jours);
        RecordingSurface b(7515, 4035);
        b.setForeColor(Qt::blue);
        FG::Trace_Niveau_Alarme(b);
        if (jours == 2) {
            EXPECT_TRUE(b.lines().empty());
            continue;
        }
        ASSERT_EQ(b.lines().size(), 1u);
        const auto &l = b.lines()[0];
        EXPECT_FLOAT_EQ(l.x1, 11);
        EXPECT_FLOAT_EQ(l.x2, jours == 7 ? 41 : 37);
        EXPECT_FLOAT_EQ(l.y1, -85);
        EXPECT_FLOAT_EQ(l.y2, -85);
        EXPECT_EQ(l.colour, QColor(0, 146, 64));
        EXPECT_EQ(b.ForeColor(), QColor(Qt::blue));
    }
}

} // namespace
