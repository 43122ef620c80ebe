// The rubber-band zoom of an enlarged pane and the cursor from a pane list's row: the band's range and
// the row reading on their own, then on the real window with real mouse and key events.
#include "analysis/graph_window/Zoom_Graphique.h"
#include "analysis/tables/Fonctions_Tableau.h"
#include "donnees_graphique.h"
#include "zoom_fixture.h"

#include <QDate>
#include <QKeyEvent>
#include <gtest/gtest.h>

namespace {

using Declaration::D;
using Zoom_Graphique::Cadre_Bande;
using Zoom_Graphique::Lecture_Ligne;

// ---- The band's range ------------------------------------------------------------------------------

TEST(BandRange, CornersInAnyOrderGiveTheSameRangeRoundedToOneDecimal)
{
    // x 13.44 and 15.96, levels 71.26 and 63.04 dB, dragged in each of the four directions.
    const double xs[2] = {13.44, 15.96}, ys[2] = {-71.26, -63.04};
    for (int a = 0; a < 2; ++a)
        for (int b = 0; b < 2; ++b) {
            const auto c = Cadre_Bande(xs[a], ys[b], xs[1 - a], ys[1 - b]);
            ASSERT_TRUE(c.has_value());
            EXPECT_DOUBLE_EQ(c->X1, 13.4);
            EXPECT_DOUBLE_EQ(c->X2, 16.0);
            EXPECT_DOUBLE_EQ(c->Y1, 63.0);
            EXPECT_DOUBLE_EQ(c->Y2, 71.3);
        }
}

TEST(BandRange, TooSmallBandsAreDroppedOnTheUnroundedValues)
{
    EXPECT_FALSE(Cadre_Bande(13.0, -60.0, 13.9, -70.0));   // 0.9 unit wide
    EXPECT_FALSE(Cadre_Bande(13.0, -60.0, 15.0, -64.9));   // 4.9 dB tall
    EXPECT_FALSE(Cadre_Bande(13.44, -60.0, 14.43, -70.0)); // 0.99 apart, 1 once rounded
    EXPECT_FALSE(Cadre_Bande(13.0, -63.04, 15.0, -68.00)); // 4.96 dB, 5 once rounded
    EXPECT_FALSE(Cadre_Bande(14.0, -60.0, 14.0, -80.0));   // no width at all
    EXPECT_TRUE(Cadre_Bande(13.0, -60.0, 14.0, -65.0));    // exactly 1 unit and 5 dB
}

// ---- Reading a row back ----------------------------------------------------------------------------

// The 1-minute list lines of the graph period as the pane lists get them.
QStringList lignesLeq1()
{
    return Fonctions_Tableau::Lignes_Leq(
        D().Graphique.Donnees_Graphique, Fonctions_Tableau::Periode_Graphique(D().Graphique),
        Fonctions_Tableau::Niveau_Leq1, false, Fonctions_Tableau::Libelles::Graphique);
}

TEST(RowReading, EveryRowOfAListGivesItsOwnMomentMidnightAndWholeHoursIncluded)
{
    Declaration::Reinitialiser();
    // One row every 7 minutes over three days from noon on 28 February 2009: every month change, hour 00
    // and minute 00 turn up.
    donnees_graphique::Periode(3, QDate(2009, 2, 28));
    for (int m = 0; m <= 3 * 1440; m += 7)
        donnees_graphique::Ajouter(donnees_graphique::Ligne_Apres(QDate(2009, 2, 28), m, 70, 65, 80));
    const QStringList lignes = lignesLeq1();
    int lues = 0, minuit = 0, heurePile = 0;
    for (const QString &l : lignes) {
        if (l.isEmpty())
            continue;
        const QDateTime attendu = QDateTime(QDate(2009, 2, 28), QTime(12, 0)).addSecs(60LL * 7 * lues++);
        const Zoom_Graphique::Moment_Ligne m = Lecture_Ligne(l);
        EXPECT_EQ(m.Jour, attendu.date().day()) << l.toStdString();
        EXPECT_EQ(m.Mois, attendu.date().month()) << l.toStdString();
        EXPECT_EQ(m.Annee, attendu.date().year());
        EXPECT_EQ(m.Heure, attendu.time().hour()) << l.toStdString();
        EXPECT_EQ(m.Minute, attendu.time().minute()) << l.toStdString();
        minuit += m.Heure == 0;
        heurePile += m.Minute == 0;
    }
    EXPECT_EQ(lues, 3 * 1440 / 7 + 1);
    EXPECT_GT(minuit, 0);
    EXPECT_GT(heurePile, 0);
}

TEST(RowReading, RowsNotWrittenByTheListsEndWithoutReadingPastTheirEnd)
{
    // Cut short anywhere, a row reads what it holds and leaves the rest at 0.
    const QString ligne = QStringLiteral(
        "           Lundi     02   Mars   2009   à   00 h. 05   :   Niveau Leq 1 Minute = 65 dBA.");
    for (qsizetype n = 0; n <= ligne.size(); ++n) {
        const Zoom_Graphique::Moment_Ligne m = Lecture_Ligne(ligne.left(n));
        EXPECT_TRUE(m.Jour == 0 || m.Jour == 2) << n;
        EXPECT_TRUE(m.Mois == 0 || m.Mois == 3) << n;
        EXPECT_TRUE(m.Annee == 0 || m.Annee == 2 || m.Annee == 20 || m.Annee == 200 || m.Annee == 2009) << n;
        EXPECT_EQ(m.Heure, 0) << n;
        EXPECT_TRUE(m.Minute == 0 || m.Minute == 5) << n;
    }
    const Zoom_Graphique::Moment_Ligne entiere = Lecture_Ligne(ligne);
    EXPECT_EQ(entiere.Jour, 2);
    EXPECT_EQ(entiere.Mois, 3);
    EXPECT_EQ(entiere.Annee, 2009);
    EXPECT_EQ(entiere.Heure, 0);
    EXPECT_EQ(entiere.Minute, 5);

    // No digits, a lone digit, an unknown month word, a row of blanks.
    EXPECT_EQ(Lecture_Ligne(QStringLiteral("    Aucun d'événement pour cette période !!!")).Jour, 0);
    EXPECT_EQ(Lecture_Ligne(QStringLiteral("7")).Jour, 7);
    EXPECT_EQ(Lecture_Ligne(QStringLiteral("   02   March   2009   à   10 h. 05")).Mois, 0);
    EXPECT_EQ(Lecture_Ligne(QStringLiteral("   02   March   2009   à   10 h. 05")).Heure, 10);
    EXPECT_EQ(Lecture_Ligne(QStringLiteral("      ")).Annee, 0);
    // The month word stops at the row's last character, which it does not take.
    EXPECT_EQ(Lecture_Ligne(QStringLiteral("02 Mars")).Mois, 0);
    EXPECT_EQ(Lecture_Ligne(QStringLiteral("02 Mars ")).Mois, 3);
}

TEST(RowReading, TheKeyRunsToTheFirstColonAndARowWithoutOneHasNone)
{
    EXPECT_EQ(Zoom_Graphique::Cle_Ligne(QStringLiteral("  02 Mars 2009 à 10 h. 05   :   x : y")),
              QStringLiteral("  02 Mars 2009 à 10 h. 05   :"));
    EXPECT_TRUE(Zoom_Graphique::Cle_Ligne(QStringLiteral("  02 Mars 2009 à 10 h. 05")).isEmpty());
    EXPECT_TRUE(Zoom_Graphique::Cle_Ligne(QString()).isEmpty());
}

// ---- The band on the real window -------------------------------------------------------------------

using zoom_fixture::Pixels;
using zoom_fixture::Souris;
using zoom_fixture::Tirer;

const QColor Vert(0, 146, 64), Bleu(0, 0, 255);

class RubberBand : public zoom_fixture::Fenetre
{
protected:
    // Black pixels of the day-label row of a zoomed pane between two x of its scale.
    static int noirSousAxe(platform::PictureBox *box, double x1, double x2, double y)
    {
        const QPointF a = box->ToPixels(static_cast<float>(x1), static_cast<float>(y));
        const QPointF b = box->ToPixels(static_cast<float>(x2), static_cast<float>(y));
        return zoom_fixture::Sombres(
            box->image(), QRect(QPoint(int(a.x()), int(a.y())), QPoint(int(b.x()), int(a.y()) + 14)));
    }
};

TEST_F(RubberBand, TheBandFollowsTheDragAndItsReleaseZoomsToScaleWithGridAndDayLabels)
{
    Ouvrir(7);
    f->Cmd_Zoom1_Click();
    platform::PictureBox *box = f->Graphique_Leq1;
    ASSERT_TRUE(f->Volet_Agrandi(1));
    ASSERT_TRUE(f->Cmd_Print1->isVisible());
    const QImage entier = box->image();
    const std::array<platform::LineControl *, 4> bande{f->Line_Haut1, f->Line_Bas1, f->Line_Gauche1,
                                                       f->Line_Droite1};

    Souris(box, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, 13.44, -71.26);
    for (auto *l : bande)
        EXPECT_FALSE(l->Visible());
    Souris(box, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, 20, -90);
    for (auto *l : bande)
        EXPECT_TRUE(l->Visible());
    EXPECT_NEAR(f->Line_Bas1->Y1(), -90, 1e-3);
    EXPECT_NEAR(f->Line_Droite1->X1(), 20, 1e-3);
    Souris(box, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, 15.96, -63.04);
    // The band's four sides: the press level and x stay, the pointer's follow.
    EXPECT_NEAR(f->Line_Haut1->X1(), 13.44, 1e-3);
    EXPECT_NEAR(f->Line_Haut1->Y1(), -71.26, 1e-3);
    EXPECT_NEAR(f->Line_Haut1->X2(), 15.96, 1e-3);
    EXPECT_NEAR(f->Line_Bas1->Y1(), -63.04, 1e-3);
    EXPECT_NEAR(f->Line_Bas1->Y2(), -63.04, 1e-3);
    EXPECT_NEAR(f->Line_Gauche1->X1(), 13.44, 1e-3);
    EXPECT_NEAR(f->Line_Gauche1->Y2(), -63.04, 1e-3);
    EXPECT_NEAR(f->Line_Droite1->X2(), 15.96, 1e-3);
    EXPECT_NEAR(f->Line_Droite1->Y1(), -71.26, 1e-3);
    EXPECT_EQ(f->Line_Gauche1->BorderStyle(), Qt::DotLine);
    // The band never draws on the pane.
    EXPECT_EQ(box->image(), entier);

    Souris(box, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, 15.96, -63.04);
    for (auto *l : bande)
        EXPECT_FALSE(l->Visible());
    const auto &g = D().Graphique;
    EXPECT_TRUE(g.Zoom_Selection);
    EXPECT_FALSE(g.Selection_En_Cours);
    EXPECT_NEAR(box->ScaleLeft(), 13.4, 1e-4);
    EXPECT_NEAR(box->ScaleWidth(), 2.6, 1e-4);
    EXPECT_NEAR(box->ScaleTop(), -71.3, 1e-4);
    EXPECT_NEAR(box->ScaleHeight(), 8.3, 1e-4);
    EXPECT_FALSE(f->Cmd_Print1->isVisible());
    // Grid: every hour line at its x over the zoomed height, the level lines shown.
    for (int i = 0; i <= 28; ++i) {
        EXPECT_TRUE(f->Line_Heure1[size_t(i)]->Visible()) << i;
        EXPECT_NEAR(f->Line_Heure1[size_t(i)]->X1(), i + 12, 1e-4);
        EXPECT_NEAR(f->Line_Heure1[size_t(i)]->Y1(), -71.3, 1e-3);
    }
    for (auto *l : f->Line_Level1)
        EXPECT_TRUE(l->Visible());
    EXPECT_NEAR(f->Line_Level1[1]->Y1(), -70, 1e-4);
    // The curve in the zoomed view, and the days from 13 to 16: 2 March in the middle of 13..14, 3 March
    // in the middle of 14..16 (not of 14..15).
    EXPECT_GT(Pixels(box->image(), QColor(255, 0, 0)), 100);
    EXPECT_GT(noirSousAxe(box, 13.5, 13.6, -63.6), 10);
    EXPECT_EQ(noirSousAxe(box, 13.8, 14.95, -63.6), 0);
    EXPECT_GT(noirSousAxe(box, 15.0, 15.1, -63.6), 10);

    // A second band zooms further, in the zoomed scale; dragged up and to the left it is the same band.
    Tirer(box, 15.5, -64.0, 14.0, -70.0);
    EXPECT_NEAR(box->ScaleLeft(), 14.0, 1e-4);
    EXPECT_NEAR(box->ScaleWidth(), 1.5, 1e-4);
    EXPECT_NEAR(box->ScaleTop(), -70.0, 1e-4);
    EXPECT_NEAR(box->ScaleHeight(), 6.0, 1e-4);
    EXPECT_DOUBLE_EQ(g.Selection_X1, 14.0);
    EXPECT_DOUBLE_EQ(g.Selection_Y1, 64.0);
}

TEST_F(RubberBand, ADragOutsideThePaneOfNoSizeOrWithAnotherButtonChangesNothing)
{
    Ouvrir(3);
    platform::PictureBox *box = f->Graphique_Leq1;
    // At the normal size no band starts.
    Tirer(box, 13, -60, 20, -80);
    EXPECT_FALSE(D().Graphique.Zoom_Selection);
    EXPECT_FALSE(f->Line_Bas1->Visible());
    EXPECT_NEAR(box->ScaleLeft(), 9, 1e-4);

    f->Cmd_Zoom1_Click();
    const QImage entier = box->image();
    const auto inchange = [&] {
        EXPECT_FALSE(D().Graphique.Zoom_Selection);
        EXPECT_FALSE(D().Graphique.Selection_En_Cours);
        EXPECT_NEAR(box->ScaleLeft(), 9, 1e-4);
        EXPECT_NEAR(box->ScaleWidth(), 30, 1e-4);
        EXPECT_TRUE(f->Cmd_Print1->isVisible());
        EXPECT_FALSE(f->Line_Level1[0]->Visible());
        for (auto *l : {f->Line_Haut1, f->Line_Bas1, f->Line_Gauche1, f->Line_Droite1})
            EXPECT_FALSE(l->Visible());
        EXPECT_EQ(box->image(), entier);
    };

    Tirer(box, 14, -60, 14, -80); // no width
    inchange();
    Tirer(box, 14, -60, 14.9, -80); // 0.9 unit
    inchange();
    Tirer(box, 14, -60, 20, -64.9); // 4.9 dB
    inchange();
    // Right and middle buttons start nothing.
    for (Qt::MouseButton b : {Qt::RightButton, Qt::MiddleButton}) {
        Souris(box, QEvent::MouseButtonPress, b, b, 14, -60);
        Souris(box, QEvent::MouseMove, Qt::NoButton, b, 20, -80);
        EXPECT_FALSE(f->Line_Bas1->Visible());
        Souris(box, QEvent::MouseButtonRelease, b, Qt::NoButton, 20, -80);
        inchange();
    }
    // Let go beyond the pane's right edge: the band goes without a zoom.
    Souris(box, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, 14, -60);
    const QPointF dehors(box->width() + 25, box->height() / 2.0);
    Souris(box, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, dehors);
    EXPECT_TRUE(f->Line_Bas1->Visible());
    Souris(box, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, dehors);
    inchange();
    // A press on the window beside the pane starts no band either.
    Souris(f, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, QPointF(5, 5));
    Souris(box, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, 20, -80);
    inchange();

    // A right-button release while the left drags ends the band there; the left's release does nothing.
    Souris(box, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, 14, -60);
    Souris(box, QEvent::MouseButtonRelease, Qt::RightButton, Qt::LeftButton, 20, -80);
    EXPECT_TRUE(D().Graphique.Zoom_Selection);
    const float gauche = box->ScaleLeft();
    Souris(box, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, 25, -90);
    EXPECT_FLOAT_EQ(box->ScaleLeft(), gauche);
    EXPECT_NEAR(box->ScaleWidth(), 6, 1e-4);
}

TEST_F(RubberBand, TheAlarmLineIsDrawnOnAZoomedLeqViewOnly)
{
    Ouvrir(3);
    // Levels 70 to 90 dB around the 80 dB alarm, on the Leq 10 minutes pane and on the peak pane.
    f->Cmd_Zoom1_Click();
    Tirer(f->Graphique_Leq1, 14, -70, 20, -90);
    ASSERT_TRUE(D().Graphique.Zoom_Selection);
    EXPECT_GT(Pixels(f->Graphique_Leq1->image(), Vert), 100);
    f->Cmd_Zoom1_Click();
    f->Cmd_Zoom1_Click();

    f->Cmd_Zoom3_Click();
    ASSERT_EQ(f->Combo_Choix3->currentText(), QStringLiteral("Graphique Crête"));
    Tirer(f->Graphique_Leq3, 14, -70, 20, -90);
    ASSERT_TRUE(D().Graphique.Zoom_Selection);
    EXPECT_EQ(Pixels(f->Graphique_Leq3->image(), Vert), 0);
    EXPECT_GT(Pixels(f->Graphique_Leq3->image(), QColor(255, 0, 0)), 100);
}

// ---- The cursor from a list row --------------------------------------------------------------------

using zoom_fixture::Cliquer;
using zoom_fixture::Ligne_Avec;
using zoom_fixture::Tirer_Liste;

class ListCursor : public zoom_fixture::Fenetre
{
protected:
    // Shows pane k's list with the table entry `texte`.
    void tableau(QComboBox *choix, const QString &texte)
    {
        const int i = choix->findText(texte);
        ASSERT_GE(i, 0) << texte.toStdString();
        choix->setCurrentIndex(i);
        // As the user's pick raises it.
        emit choix->activated(i);
    }
    static void attendre(int16_t jour, int16_t mois, int16_t heure, int16_t minute)
    {
        const auto &g = D().Graphique;
        EXPECT_TRUE(g.Curseur_Pose);
        EXPECT_EQ(g.Curseur_Jour, jour);
        EXPECT_EQ(g.Curseur_Mois, mois);
        EXPECT_EQ(g.Curseur_Annee, 2009);
        EXPECT_EQ(g.Curseur_Heure, heure);
        EXPECT_EQ(g.Curseur_Minute, minute);
    }
};

TEST_F(ListCursor, ARowOfEachListSetsTheCursorOnEveryGraphPaneMidnightAndWholeHoursIncluded)
{
    Ouvrir(3);
    const std::array<std::pair<QComboBox *, platform::ListBox *>, 4> volets{
        {{nullptr, nullptr},
         {f->Combo_Choix1, f->List_Leq1},
         {f->Combo_Choix2, f->List_Leq2},
         {f->Combo_Choix3, f->List_Leq3}}};
    const std::array<QString, 4> tables{QString(), QStringLiteral("Tableau Leq 10 Minutes"),
                                        QStringLiteral("Tableau Leq 1 Minute"),
                                        QStringLiteral("Tableau Crête")};
    const std::array<platform::PictureBox *, 4> panes{nullptr, f->Graphique_Leq1, f->Graphique_Leq2,
                                                      f->Graphique_Leq3};
    // Rows at 00 h. 07 on 3 March and at 15 h. 00 on 4 March.
    const std::array<std::tuple<QString, int16_t, int16_t, int16_t>, 2> rangees{
        {{QStringLiteral("03   Mars   2009   à   00 h. 07"), 3, 0, 7},
         {QStringLiteral("04   Mars   2009   à   15 h. 00"), 4, 15, 0}}};
    for (int k = 1; k <= 3; ++k) {
        tableau(volets[size_t(k)].first, tables[size_t(k)]);
        platform::ListBox *liste = volets[size_t(k)].second;
        ASSERT_TRUE(liste->isVisible());
        for (const auto &[texte, jour, heure, minute] : rangees) {
            const int ligne = Ligne_Avec(liste, texte);
            ASSERT_GE(ligne, 0) << texte.toStdString();
            for (int j = 1; j <= 3; ++j)
                if (j != k)
                    panes[size_t(j)]->Cls();
            // The later row is reached by a drag from two rows above it.
            if (heure == 15)
                Tirer_Liste(liste, ligne - 2, ligne);
            else
                Cliquer(liste, ligne);
            attendre(jour, 3, heure, minute);
            // One series only: the other lists take the same row.
            for (int j = 1; j <= 3; ++j)
                EXPECT_EQ(volets[size_t(j)].second->ListIndex(), ligne) << k << j;
            // The arrow on both graph panes.
            for (int j = 1; j <= 3; ++j) {
                if (j != k) {
                    EXPECT_GT(Pixels(panes[size_t(j)]->image(), Bleu), 5) << k << " " << j;
                }
            }
        }
        tableau(volets[size_t(k)].first, k == 1   ? QStringLiteral("Graphique Leq 10 Minutes")
                                         : k == 2 ? QStringLiteral("Graphique Leq 1 Minute")
                                                  : QStringLiteral("Graphique Crête"));
    }

    // A cursor at 15 h. 00 is drawn again by a zoom that shows its moment.
    f->Cmd_Zoom1_Click();
    EXPECT_GT(Pixels(f->Graphique_Leq1->image(), Bleu), 5);
    // 4 March 15 h. is 51 hours after the start: x = 12 + 51 / 3 = 29.
    Tirer(f->Graphique_Leq1, 27, -50, 31, -100);
    ASSERT_TRUE(D().Graphique.Zoom_Selection);
    EXPECT_GT(Pixels(f->Graphique_Leq1->image(), Bleu), 5);
}

TEST_F(ListCursor, AnEmptyRowClearsTheCursorAndALaterZoomDrawsNone)
{
    Ouvrir(3);
    tableau(f->Combo_Choix2, QStringLiteral("Tableau Leq 1 Minute"));
    const int ligne = Ligne_Avec(f->List_Leq2, QStringLiteral("à   14 h. 35"));
    Cliquer(f->List_Leq2, ligne);
    attendre(2, 3, 14, 35);
    const int vide = Ligne_Avec(f->List_Leq2, QStringLiteral("03   Mars")) - 1;
    ASSERT_TRUE(f->List_Leq2->List(vide).isEmpty());
    Cliquer(f->List_Leq2, vide);
    const auto &g = D().Graphique;
    EXPECT_FALSE(g.Curseur_Pose);
    EXPECT_EQ(g.Curseur_Jour + g.Curseur_Mois + g.Curseur_Annee + g.Curseur_Heure + g.Curseur_Minute, 0);
    // The other lists stay on the row they had.
    EXPECT_EQ(f->List_Leq1->ListIndex(), ligne);
    EXPECT_EQ(f->List_Leq3->ListIndex(), ligne);

    f->Cmd_Zoom1_Click();
    Tirer(f->Graphique_Leq1, 13, -50, 20, -100);
    ASSERT_TRUE(g.Zoom_Selection);
    EXPECT_EQ(Pixels(f->Graphique_Leq1->image(), Bleu), 0);
}

TEST_F(ListCursor, UpAndDownMoveTheCursorAndTheOtherListsWithTheRowTheyReach)
{
    Ouvrir(1);
    tableau(f->Combo_Choix2, QStringLiteral("Tableau Leq 1 Minute"));
    platform::ListBox *liste = f->List_Leq2;
    liste->setFocus();
    const auto &g = D().Graphique;

    // Up with no row selected does nothing.
    ASSERT_EQ(liste->ListIndex(), -1);
    QTest::keyClick(liste, Qt::Key_Up);
    EXPECT_FALSE(g.Curseur_Pose);
    EXPECT_EQ(f->List_Leq1->ListIndex(), -1);

    Cliquer(liste, 0);
    attendre(2, 3, 12, 0);
    QTest::keyClick(liste, Qt::Key_Down);
    EXPECT_EQ(liste->ListIndex(), 1);
    attendre(2, 3, 12, 1);
    EXPECT_EQ(f->List_Leq1->ListIndex(), 1);
    EXPECT_EQ(f->List_Leq3->ListIndex(), 1);
    QTest::keyClick(liste, Qt::Key_Up);
    EXPECT_EQ(liste->ListIndex(), 0);
    attendre(2, 3, 12, 0);
    EXPECT_EQ(f->List_Leq3->ListIndex(), 0);

    // Up on the first row and Down on the last change neither the cursor nor the other lists.
    D().Graphique.Curseur_Minute = 59;
    QTest::keyClick(liste, Qt::Key_Up);
    EXPECT_EQ(g.Curseur_Minute, 59);
    const int dernier = liste->ListCount() - 1;
    Cliquer(liste, dernier);
    attendre(3, 3, 12, 0);
    f->List_Leq1->setListIndex(5);
    QTest::keyClick(liste, Qt::Key_Down);
    EXPECT_EQ(liste->ListIndex(), dernier);
    EXPECT_EQ(f->List_Leq1->ListIndex(), 5);
    attendre(3, 3, 12, 0);

    // An empty list: neither key does anything.
    liste->Clear();
    D().Graphique.Curseur_Pose = false;
    QTest::keyClick(liste, Qt::Key_Up);
    QTest::keyClick(liste, Qt::Key_Down);
    EXPECT_FALSE(g.Curseur_Pose);
    EXPECT_EQ(f->List_Leq1->ListIndex(), 5);
}

TEST_F(ListCursor, WithBothSeriesOtherViewsAreSearchedByMomentAndARowWithoutColonMatchesNothing)
{
    Ouvrir(3, donnees_graphique::Sortes::Les_Deux);
    ASSERT_TRUE(D().Presence_Leq5 && D().Presence_Leq10);
    tableau(f->Combo_Choix1, QStringLiteral("Tableau Leq 5 Minutes"));
    tableau(f->Combo_Choix2, QStringLiteral("Tableau Leq 10 Minutes"));
    tableau(f->Combo_Choix3, QStringLiteral("Tableau Crête"));
    f->List_Leq2->setListIndex(3);

    // 5-minute rows lie in the period's second half, where the 10-minute list has none.
    const int ligne = Ligne_Avec(f->List_Leq1, QStringLiteral("04   Mars   2009   à   20 h. 10"));
    ASSERT_GE(ligne, 0);
    Cliquer(f->List_Leq1, ligne);
    attendre(4, 3, 20, 10);
    EXPECT_EQ(f->List_Leq2->ListIndex(), 3);
    const int crete = f->List_Leq3->ListIndex();
    ASSERT_GE(crete, 0);
    EXPECT_TRUE(f->List_Leq3->List(crete).startsWith(Zoom_Graphique::Cle_Ligne(f->List_Leq1->List(ligne))));
    EXPECT_NE(crete, ligne);

    // A row without ":" finds no row elsewhere; the lists keep theirs.
    f->List_Leq1->AddItem(QStringLiteral("          Mercredi   04   Mars   2009   à   21 h. 10"));
    Cliquer(f->List_Leq1, f->List_Leq1->ListCount() - 1);
    attendre(4, 3, 21, 10);
    EXPECT_EQ(f->List_Leq2->ListIndex(), 3);
    EXPECT_EQ(f->List_Leq3->ListIndex(), crete);
}

TEST_F(ListCursor, AnIndexBeyondAShorterListLeavesItsSelection)
{
    Ouvrir(1);
    tableau(f->Combo_Choix1, QStringLiteral("Tableau Leq 10 Minutes"));
    f->List_Leq2->setListIndex(4);
    f->List_Leq3->setListIndex(6);
    f->List_Leq1->AddItem(QStringLiteral("          Mercredi   04   Mars   2009   à   21 h. 10   :   x"));
    const int apres = f->List_Leq1->ListCount() - 1;
    ASSERT_GE(apres, f->List_Leq2->ListCount());
    Cliquer(f->List_Leq1, apres);
    attendre(4, 3, 21, 10);
    EXPECT_EQ(f->List_Leq2->ListIndex(), 4);
    EXPECT_EQ(f->List_Leq3->ListIndex(), 6);
}

} // namespace
