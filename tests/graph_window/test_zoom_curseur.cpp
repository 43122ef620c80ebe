// The rubber-band zoom of an enlarged pane and the cursor from a pane list's row: the band's range and
// the row reading on their own, then on the real window with real mouse and key events.
#include "analysis/graph_window/Zoom_Graphique.h"
#include "analysis/tables/Fonctions_Tableau.h"
#include "donnees_graphique.h"

#include <QDate>
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

} // namespace
