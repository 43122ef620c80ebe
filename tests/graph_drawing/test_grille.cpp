// The zoomed-pane grid: hour and level line controls placed in the zoomed scale and their labels.
#include "analysis/core/Declaration.h"
#include "analysis/graph_drawing/Fonctions_Graphique.h"
#include "platform/picture_box.h"
#include "platform/recording_surface.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <memory>

using Declaration::D;
namespace FG = Fonctions_Graphique;
using platform::RecordedText;

namespace {

constexpr float kTol = 1e-4f;

// One pane as the graph window holds it: the picture (recorded here), its 29 hour and 12 level line
// controls (lying on a picture box, whose scale they do not need here) and its choice combo.
struct Volet
{
    explicit Volet(const QString &choix)
    {
        combo.addItems({FG::Choix_Leq10, FG::Choix_Crete, QStringLiteral("Tableau Leq 1 Minute")});
        combo.setCurrentText(choix);
        v.Graphique = &pane;
        v.Combo_Choix = &combo;
        for (auto &l : v.Line_Heure) {
            l = new platform::LineControl(&hote);
            l->setVisible(false);
            l->setX1(-7);
        }
        for (auto &l : v.Line_Level) {
            l = new platform::LineControl(&hote);
            l->setVisible(false);
        }
        pane.setFontSize(10);
    }
    // The rubber band's rectangle: x from `gauche`, levels from `bas` to `haut` dB.
    void zoom(float gauche, float largeur, float bas, float haut)
    {
        pane.setScaleLeft(gauche);
        pane.setScaleWidth(largeur);
        pane.setScaleTop(-haut);
        pane.setScaleHeight(haut - bas);
    }
    std::vector<const RecordedText *> textes(bool heures) const
    {
        std::vector<const RecordedText *> r;
        for (const RecordedText &t : pane.texts())
            if (t.text.endsWith(QStringLiteral("h.")) == heures)
                r.push_back(&t);
        return r;
    }

    platform::RecordingSurface pane{15075, 8505};
    platform::PictureBox hote;
    QComboBox combo;
    FG::Volet_Graphique v;
};

class Grille : public ::testing::Test
{
protected:
    void SetUp() override { testsupport::FreshState(); }
    void TearDown() override { FG::Inscrire_Fenetre_Graphique(nullptr); }
};

QString heure(int h)
{
    return QStringLiteral("%1h.").arg(h, 2, 10, QLatin1Char('0'));
}

} // namespace

TEST_F(Grille, OneDayHourLinesFollowTheZoomedView)
{
    D().Graphique.Nombre_Jours_Graphique = 1;
    Volet p(FG::Choix_Leq10);
    p.zoom(14.5f, 3, 60, 100);
    p.pane.setForeColor(Qt::red);
    FG::Trace_Grille(p.v);

    EXPECT_EQ(p.pane.ForeColor(), QColor(0, 0, 0));
    EXPECT_FLOAT_EQ(p.pane.FontSize(), 10); // the font and scale stay the pane's
    EXPECT_FLOAT_EQ(p.pane.ScaleLeft(), 14.5f);
    EXPECT_FLOAT_EQ(p.pane.ScaleHeight(), 40);
    EXPECT_TRUE(p.pane.lines().empty());
    for (int i = 0; i <= 24; ++i) {
        const platform::LineControl *l = p.v.Line_Heure[static_cast<size_t>(i)];
        EXPECT_FLOAT_EQ(l->X1(), 12 + i);
        EXPECT_FLOAT_EQ(l->X2(), 12 + i);
        EXPECT_FLOAT_EQ(l->Y1(), -100);
        EXPECT_FLOAT_EQ(l->Y2(), -60);
        EXPECT_TRUE(l->Visible());
    }
    for (int i = 25; i <= 28; ++i) {
        EXPECT_FALSE(p.v.Line_Heure[static_cast<size_t>(i)]->Visible());
        EXPECT_FLOAT_EQ(p.v.Line_Heure[static_cast<size_t>(i)]->X1(), -7);
    }

    const auto h = p.textes(true);
    ASSERT_EQ(h.size(), 50u);
    for (int i = 0; i <= 24; ++i) {
        const QString attendu = heure(i <= 11 ? i + 12 : i - 12);
        const RecordedText &haut = *h[2 * static_cast<size_t>(i)];
        const RecordedText &bas = *h[2 * static_cast<size_t>(i) + 1];
        EXPECT_EQ(haut.text, attendu);
        EXPECT_EQ(bas.text, attendu);
        EXPECT_NEAR(haut.x, 12 + i + 0.0033f * 40, kTol);
        EXPECT_NEAR(bas.x, 12 + i + 0.0033f * 40, kTol);
        EXPECT_NEAR(haut.y, -100, kTol);
        EXPECT_NEAR(bas.y, -100 + 40 - 1, kTol);
        EXPECT_EQ(haut.colour, QColor(0, 0, 0));
        EXPECT_FLOAT_EQ(haut.fontSize, 10);
    }
    // Lines 3 to 5 are the ones inside the view.
    EXPECT_EQ(h[6]->text, QStringLiteral("15h."));
    EXPECT_EQ(h[10]->text, QStringLiteral("17h."));
    EXPECT_EQ(h[24]->text, QStringLiteral("00h."));
    EXPECT_EQ(h[48]->text, QStringLiteral("12h."));
}

TEST_F(Grille, ThreeAndSevenDayHourCycles)
{
    D().Graphique.Nombre_Jours_Graphique = 3;
    Volet trois(FG::Choix_Leq10);
    trois.zoom(20, 4, 50, 90);
    FG::Trace_Grille(trois.v);
    const char *cycle3[8] = {"12h.", "15h.", "18h.", "21h.", "00h.", "03h.", "06h.", "09h."};
    auto h3 = trois.textes(true);
    ASSERT_EQ(h3.size(), 50u);
    for (int i = 0; i <= 24; ++i)
        EXPECT_EQ(h3[2 * static_cast<size_t>(i)]->text, QLatin1String(cycle3[i % 8])) << i;
    EXPECT_EQ(h3[8]->text, QStringLiteral("00h."));
    EXPECT_EQ(h3[48]->text, QStringLiteral("12h."));
    EXPECT_FALSE(trois.v.Line_Heure[25]->Visible());

    D().Graphique.Nombre_Jours_Graphique = 7;
    Volet sept(FG::Choix_Leq10);
    sept.zoom(30, 6, 50, 90);
    FG::Trace_Grille(sept.v);
    const char *cycle7[4] = {"12h.", "18h.", "00h.", "06h."};
    auto h7 = sept.textes(true);
    ASSERT_EQ(h7.size(), 58u);
    for (int i = 0; i <= 28; ++i) {
        EXPECT_EQ(h7[2 * static_cast<size_t>(i) + 1]->text, QLatin1String(cycle7[i % 4])) << i;
        EXPECT_TRUE(sept.v.Line_Heure[static_cast<size_t>(i)]->Visible());
        EXPECT_FLOAT_EQ(sept.v.Line_Heure[static_cast<size_t>(i)]->X1(), 12 + i);
    }
}

TEST_F(Grille, LevelLinesBySeriesAndPanelVariant)
{
    D().Graphique.Nombre_Jours_Graphique = 1;
    struct Cas
    {
        QString choix;
        bool quarante;
        int base;
    };
    for (const Cas &c :
         {Cas{FG::Choix_Crete, false, 75}, Cas{FG::Choix_Leq10, false, 65}, Cas{FG::Choix_Crete, true, 55},
          Cas{FG::Choix_Leq10, true, 45}, Cas{QStringLiteral("Tableau Leq 1 Minute"), false, 65}}) {
        D().Parametres_Afficheur.Modele_40dB = c.quarante;
        Volet p(c.choix);
        p.zoom(14, 10, 50, 130);
        FG::Trace_Grille(p.v);
        const auto niv = p.textes(false);
        ASSERT_EQ(niv.size(), 24u);
        for (int i = 0; i < 12; ++i) {
            const int n = c.base + 5 * i;
            const platform::LineControl *l = p.v.Line_Level[static_cast<size_t>(i)];
            EXPECT_FLOAT_EQ(l->X1(), 14);
            EXPECT_FLOAT_EQ(l->X2(), 24);
            EXPECT_FLOAT_EQ(l->Y1(), -n);
            EXPECT_FLOAT_EQ(l->Y2(), -n);
            EXPECT_FALSE(l->Visible()); // the mouse-up shows them, not the grid
            const QString t = QString::number(n) + QStringLiteral(" dB");
            EXPECT_EQ(niv[2 * static_cast<size_t>(i)]->text, t);
            EXPECT_EQ(niv[2 * static_cast<size_t>(i) + 1]->text, t);
            EXPECT_NEAR(niv[2 * static_cast<size_t>(i)]->x, 14, kTol);
            EXPECT_NEAR(niv[2 * static_cast<size_t>(i) + 1]->x, 24 - 0.015f * 80, kTol);
            EXPECT_NEAR(niv[2 * static_cast<size_t>(i)]->y, -n - 0.025f * 80, kTol);
        }
    }
}

TEST_F(Grille, OffsetsFollowTheViewHeightNotItsWidth)
{
    D().Graphique.Nombre_Jours_Graphique = 1;
    Volet p(FG::Choix_Leq10);
    p.zoom(15, 2, 70, 90); // 20 dB high, 2 units wide
    FG::Trace_Grille(p.v);
    const auto h = p.textes(true);
    EXPECT_NEAR(h[6]->x - 15, 0.066f, kTol);
    const auto niv = p.textes(false);
    EXPECT_NEAR(17 - niv[1]->x, 0.3f, kTol);
    EXPECT_NEAR(niv[0]->y, -65 - 0.5f, kTol);
}

TEST_F(Grille, PaneRoutinesUseTheirOwnPaneOfTheRegisteredWindow)
{
    D().Graphique.Nombre_Jours_Graphique = 3;
    // No window registered: nothing to draw on, and no failure.
    FG::Trace_Grille_Leq1();
    FG::Trace_Grille_Leq2();
    FG::Trace_Grille_Leq3();

    Volet p1(FG::Choix_Leq10), p2(FG::Choix_Crete), p3(FG::Choix_Leq10);
    for (Volet *p : {&p1, &p2, &p3})
        p->zoom(12, 24, 50, 140);
    FG::Fenetre_Graphique f;
    f.Volet[1] = p1.v;
    f.Volet[2] = p2.v;
    f.Volet[3] = p3.v;
    FG::Inscrire_Fenetre_Graphique(&f);
    FG::Trace_Grille_Leq2();
    EXPECT_TRUE(p1.pane.texts().empty());
    EXPECT_TRUE(p3.pane.texts().empty());
    EXPECT_EQ(p2.pane.texts().size(), 50u + 24u);
    EXPECT_FLOAT_EQ(p2.v.Line_Level[0]->Y1(), -75); // pane 2 is a peak pane
    EXPECT_FALSE(p1.v.Line_Heure[0]->Visible());
    FG::Trace_Grille_Leq3();
    FG::Trace_Grille_Leq1();
    EXPECT_EQ(p1.pane.texts().size(), 74u);
    EXPECT_EQ(p3.pane.texts().size(), 74u);
    EXPECT_FLOAT_EQ(p3.v.Line_Level[0]->Y1(), -65);
}

TEST_F(Grille, ImpossibleDayCountPlacesNothing)
{
    for (int16_t jours : {0, 2, 5}) {
        D().Graphique.Nombre_Jours_Graphique = jours;
        Volet p(FG::Choix_Leq10);
        p.zoom(14, 10, 50, 130);
        FG::Trace_Grille(p.v);
        EXPECT_TRUE(p.pane.texts().empty());
        EXPECT_FALSE(p.v.Line_Heure[0]->Visible());
        EXPECT_FLOAT_EQ(p.v.Line_Level[0]->Y1(), 0);
    }
}
