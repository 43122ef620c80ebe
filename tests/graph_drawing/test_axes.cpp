// Scale and axes of a whole-period pane: the recorded primitives for 1, 3 and 7 days, Leq and peak,
// standard and 40 dB panels, and the axes on a real picture box.
#include "analysis/core/Declaration.h"
#include "analysis/graph_drawing/Fonctions_Graphique.h"
#include "platform/picture_box.h"
#include "platform/recording_surface.h"
#include "test_support.h"

#include <QDate>
#include <gtest/gtest.h>

using Declaration::D;
namespace FG = Fonctions_Graphique;
using platform::RecordedLine;
using platform::RecordedText;
using platform::RecordingSurface;

namespace {

constexpr float kTol = 1e-4f;

// Rows 1.. of Jours_Graphique from day k of a start date, as the period dialogs fill them.
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

class Axes : public ::testing::Test
{
protected:
    void SetUp() override { testsupport::FreshState(); }
    RecordingSurface box{FG::Largeur_Volet_Normal, FG::Hauteur_Volet_Normal};
};

void ligneEgale(const RecordedLine &l, float x1, float y1, float x2, float y2)
{
    EXPECT_NEAR(l.x1, x1, kTol);
    EXPECT_NEAR(l.y1, y1, kTol);
    EXPECT_NEAR(l.x2, x2, kTol);
    EXPECT_NEAR(l.y2, y2, kTol);
}

void texteEgal(const RecordedText &t, const QString &texte, float x, float y)
{
    EXPECT_EQ(t.text, texte);
    EXPECT_NEAR(t.x, x, kTol) << t.text.toStdString();
    EXPECT_NEAR(t.y, y, kTol) << t.text.toStdString();
}

void echelle(const RecordingSurface &box, float left, float width, float top)
{
    EXPECT_FLOAT_EQ(box.ScaleLeft(), left);
    EXPECT_FLOAT_EQ(box.ScaleWidth(), width);
    EXPECT_FLOAT_EQ(box.ScaleTop(), top);
    EXPECT_FLOAT_EQ(box.ScaleHeight(), 81);
}

// The level axis, its arrowhead, 12 ticks, their labels and "dB": the last 15 lines and 13 texts.
void axeNiveaux(const RecordingSurface &box, int B, float ecart)
{
    const auto &L = box.lines();
    const auto &T = box.texts();
    ASSERT_GE(L.size(), 15u);
    ASSERT_GE(T.size(), 13u);
    const size_t l0 = L.size() - 15, t0 = T.size() - 13;
    ligneEgale(L[l0], 11, -(B - 5), 11, -(B + 65));
    ligneEgale(L[l0 + 1], 11, -(B + 65), 11 - ecart, -(B + 62.5f));
    ligneEgale(L[l0 + 2], 11, -(B + 65), 11 + ecart, -(B + 62.5f));
    for (int j = 1; j <= 12; ++j) {
        const int n = B + 5 * j;
        ligneEgale(L[l0 + 2 + static_cast<size_t>(j)], 10.75f, -n, 11.25f, -n);
        texteEgal(T[t0 + static_cast<size_t>(j) - 1], QString::number(n), n < 100 ? 9.5f : 9.25f, -(n + 2));
    }
    texteEgal(T.back(), QStringLiteral("dB"), 9.5f, -(B + 68));
}

} // namespace

TEST_F(Axes, PaneFontFollowsTheNormalPaneSizeExactly)
{
    periode(1, QDate(2009, 12, 31));
    box.setFontBold(true);
    box.setDrawWidth(3);
    box.setForeColor(Qt::red);
    FG::Trace_Axes_Leq(box);
    EXPECT_FLOAT_EQ(box.FontSize(), 8);
    EXPECT_FALSE(box.FontBold());
    EXPECT_EQ(box.DrawWidth(), 1);
    EXPECT_EQ(box.ForeColor(), QColor(0, 0, 0));
    for (const RecordedText &t : box.texts()) {
        EXPECT_FLOAT_EQ(t.fontSize, 8);
        EXPECT_EQ(t.colour, QColor(0, 0, 0));
    }
    for (const RecordedLine &l : box.lines()) {
        EXPECT_EQ(l.colour, QColor(0, 0, 0));
        EXPECT_EQ(l.width, 1);
    }

    for (auto [w, h] : {std::pair{7515, 4036}, {7514, 4035}, {15075, 8505}}) {
        RecordingSurface autre(w, h);
        FG::Trace_Axes_Crete(autre);
        EXPECT_FLOAT_EQ(autre.FontSize(), 10) << w << "x" << h;
        ASSERT_FALSE(autre.texts().empty());
        EXPECT_FLOAT_EQ(autre.texts().front().fontSize, 10);
    }
}

TEST_F(Axes, OneDayLeqStandardPanel)
{
    periode(1, QDate(2009, 12, 31));
    FG::Trace_Axes_Leq(box);
    echelle(box, 9, 30, -129);
    const auto &L = box.lines();
    const auto &T = box.texts();
    ASSERT_EQ(L.size(), 1u + 2 + 25 + 1 + 15);
    ASSERT_EQ(T.size(), 13u + 2 + 1 + 13);

    ligneEgale(L[0], 10, -60, 38, -60);
    ligneEgale(L[1], 37.25f, -61, 38, -60);
    ligneEgale(L[2], 37.25f, -59, 38, -60);
    for (int i = 0; i <= 24; ++i) {
        const float d = i % 2 == 0 ? 2 : 1;
        ligneEgale(L[3 + static_cast<size_t>(i)], 12 + i, -(60 - d), 12 + i, -(60 + d));
    }
    const QStringList heures = {QStringLiteral("12"), QStringLiteral("14"), QStringLiteral("16"),
                                QStringLiteral("18"), QStringLiteral("20"), QStringLiteral("22"),
                                QStringLiteral("00"), QStringLiteral("02"), QStringLiteral("04"),
                                QStringLiteral("06"), QStringLiteral("08"), QStringLiteral("10"),
                                QStringLiteral("12")};
    for (int k = 0; k < 13; ++k)
        texteEgal(T[static_cast<size_t>(k)], heures[k], 11.7f + 2 * k, -57);
    // Across a new year: the separator at midnight.
    texteEgal(T[13], QStringLiteral("31 / 12 / 2009"), 16, -52.5f);
    ligneEgale(L[28], 24, -49, 24, -52.5f);
    texteEgal(T[14], QStringLiteral("01 / 01 / 2010"), 28, -52.5f);
    texteEgal(T[15], QStringLiteral("Hrs"), 37, -57);
    axeNiveaux(box, 60, 0.25f);
}

TEST_F(Axes, ThreeDayLeqForty)
{
    D().Parametres_Afficheur.Modele_40dB = true;
    periode(3, QDate(2009, 3, 5));
    FG::Trace_Axes_Leq(box);
    echelle(box, 9, 30, -109);
    const auto &L = box.lines();
    const auto &T = box.texts();
    ASSERT_EQ(L.size(), 1u + 2 + 25 + 3 + 15);
    ASSERT_EQ(T.size(), 13u + 4 + 1 + 13);
    ligneEgale(L[0], 10, -40, 38, -40);
    ligneEgale(L[1], 37.25f, -41, 38, -40);
    ligneEgale(L[2], 37.25f, -39, 38, -40);
    ligneEgale(L[3], 12, -38, 12, -42);
    ligneEgale(L[4], 13, -39, 13, -41);
    const char *cycle[4] = {"12", "18", "00", "06"};
    for (int k = 0; k < 13; ++k)
        texteEgal(T[static_cast<size_t>(k)], QLatin1String(cycle[k % 4]), 11.7f + 2 * k, -37);
    const float xDates[4] = {11, 18, 26, 34};
    const char *dates[4] = {"05 / 03 / 2009", "06 / 03 / 2009", "07 / 03 / 2009", "08 / 03 / 2009"};
    for (int k = 0; k < 4; ++k)
        texteEgal(T[13 + static_cast<size_t>(k)], QLatin1String(dates[k]), xDates[k], -32.5f);
    for (int k = 0; k < 3; ++k)
        ligneEgale(L[28 + static_cast<size_t>(k)], 16 + 8 * k, -29, 16 + 8 * k, -32.5f);
    texteEgal(T[17], QStringLiteral("Hrs"), 37, -37);
    axeNiveaux(box, 40, 0.25f);
    // The only three-digit label of a 40 dB Leq pane.
    EXPECT_EQ(T[T.size() - 2].text, QStringLiteral("100"));
    EXPECT_EQ(T[T.size() - 3].text, QStringLiteral("95"));
}

TEST_F(Axes, SevenDayPeakStandardAndForty)
{
    periode(7, QDate(2024, 2, 26)); // crosses 29 February
    for (bool quarante : {false, true}) {
        D().Parametres_Afficheur.Modele_40dB = quarante;
        RecordingSurface p(FG::Largeur_Volet_Normal, FG::Hauteur_Volet_Normal);
        FG::Trace_Axes_Crete(p);
        const int B = quarante ? 50 : 70;
        echelle(p, 9, 34, -(B + 69));
        const auto &L = p.lines();
        const auto &T = p.texts();
        ASSERT_EQ(L.size(), 1u + 2 + 29 + 7 + 15);
        ASSERT_EQ(T.size(), 15u + 1 + 8 + 13);
        ligneEgale(L[0], 10, -B, 42, -B);
        ligneEgale(L[1], 41, -(B + 2), 42, -B);
        ligneEgale(L[2], 41, -(B - 2), 42, -B);
        ligneEgale(L[3 + 28], 40, -(B - 2), 40, -(B + 2));
        for (int k = 0; k < 15; ++k)
            texteEgal(T[static_cast<size_t>(k)], k % 2 == 0 ? QStringLiteral("12") : QStringLiteral("00"),
                      11.7f + 2 * k, -(B - 3));
        // "Hrs" comes before the dates on a 7-day pane.
        texteEgal(T[15], QStringLiteral("Hrs"), 41.5f, -(B - 3));
        const char *dates[8] = {"26/02/24", "27/02/24", "28/02/24", "29/02/24",
                                "01/03/24", "02/03/24", "03/03/24", "04/03/24"};
        for (int k = 0; k < 8; ++k)
            texteEgal(T[16 + static_cast<size_t>(k)], QLatin1String(dates[k]), 10.75f + 4 * k, -(B - 7.5f));
        for (int k = 1; k <= 7; ++k)
            ligneEgale(L[31 + static_cast<size_t>(k)], 9 + 1 + 4 * k, -(B - 11), 9 + 1 + 4 * k, -(B - 7.5f));
        axeNiveaux(p, B, 0.5f);
    }
}

TEST_F(Axes, OneDayPeakStandardTopLabelAndTitles)
{
    periode(1, QDate(2010, 6, 15));
    FG::Trace_Axes_Crete(box);
    echelle(box, 9, 30, -139);
    EXPECT_NEAR(box.lines().front().y1, -70, kTol);
    texteEgal(box.texts()[box.texts().size() - 2], QStringLiteral("130"), 9.25f, -132);
    texteEgal(box.texts().back(), QStringLiteral("dB"), 9.5f, -138);
    texteEgal(box.texts()[13], QStringLiteral("15 / 06 / 2010"), 16, -62.5f);
}

TEST_F(Axes, ImpossibleDayCountOrPeriodDateDrawsNothing)
{
    auto essai = [](int16_t jours, QDate debut, std::optional<int> jourFaux) {
        periode(jours, debut);
        if (jourFaux)
            D().Graphique.Jours_Graphique[2][1] = static_cast<int16_t>(*jourFaux);
        RecordingSurface p(15075, 8505);
        p.Scale(1, 2, 3, 4);
        p.setFontSize(12);
        FG::Trace_Axes_Leq(p);
        FG::Trace_Axes_Crete(p);
        EXPECT_TRUE(p.lines().empty());
        EXPECT_TRUE(p.texts().empty());
        EXPECT_FLOAT_EQ(p.ScaleLeft(), 1);
        EXPECT_FLOAT_EQ(p.ScaleTop(), 2);
        EXPECT_FLOAT_EQ(p.ScaleWidth(), 2);
        EXPECT_FLOAT_EQ(p.FontSize(), 10); // the pen and font are still set
    };
    for (int16_t jours : {0, 2, 4, 8, -1})
        essai(jours, QDate(2009, 3, 5), std::nullopt);
    essai(3, QDate(2009, 4, 29), 31); // 31 April as the second day
    essai(1, QDate(2009, 2, 27), 29); // 29 February of a common year
    EXPECT_FALSE(FG::Periode_Valide(D().Graphique));
    periode(7, QDate(2009, 3, 5));
    EXPECT_TRUE(FG::Periode_Valide(D().Graphique));
}

TEST(Coordonnees, BaseLevelsAndUnits)
{
    EXPECT_EQ(FG::Minutes_Par_Unite(1), 60);
    EXPECT_EQ(FG::Minutes_Par_Unite(3), 180);
    EXPECT_EQ(FG::Minutes_Par_Unite(7), 360);
    EXPECT_EQ(FG::Minutes_Par_Unite(2), 0);
    EXPECT_EQ(FG::Niveau_Base(false, false), 60);
    EXPECT_EQ(FG::Niveau_Base(false, true), 40);
    EXPECT_EQ(FG::Niveau_Base(true, false), 70);
    EXPECT_EQ(FG::Niveau_Base(true, true), 50);
}

TEST_F(Axes, DrawnOnARealPictureBox)
{
    periode(1, QDate(2009, 12, 31));
    platform::PictureBox pane;
    pane.resize(platform::Px(FG::Largeur_Volet_Normal), platform::Px(FG::Hauteur_Volet_Normal));
    pane.Cls();
    FG::Trace_Axes_Leq(pane);
    EXPECT_FLOAT_EQ(pane.FontSize(), 8);
    const QImage &img = pane.image();
    ASSERT_FALSE(img.isNull());
    // A point of the time axis is inked, one well above it is not.
    const QPoint axe = pane.ToPixels(20.5f, -60).toPoint();
    const QPoint vide = pane.ToPixels(30.5f, -100).toPoint();
    EXPECT_LT(qGray(img.pixel(axe)), 128);
    EXPECT_EQ(img.pixel(vide), QColor(Qt::white).rgb());
}
