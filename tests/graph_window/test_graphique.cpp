// The graph window: period rows, presence flags and choice entries, each pane's view switch, the pane
// enlargement round trip, the no-data message and the picture buttons, offscreen.
#include "analysis/core/Declaration.h"
#include "analysis/core/Routes.h"
#include "analysis/core/frmMain.h"
#include "analysis/graph_window/Lignes_Periode.h"
#include "analysis/graph_window/Textes_Graphique.h"
#include "analysis/graph_window/Vues_Graphique.h"
#include "analysis/graph_window/frmGraphique.h"
#include "donnees_graphique.h"
#include "test_support.h"

#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>

namespace {

using Declaration::D;
using donnees_graphique::Ligne;
using donnees_graphique::Sortes;
namespace LP = Lignes_Periode;

const QDate Jour1(2009, 3, 5);

// A record table around a generated period of `jours` days from noon of Jour1: one row the hour before
// and one the minute after, so that the period lies inside the table.
void tenir(int jours, Sortes sortes)
{
    donnees_graphique::Generer(jours, Jour1, sortes);
    Declaration::Table_Donnees t;
    t.rows.push_back(donnees_graphique::Ligne_Apres(Jour1, -60, 70, 70, 80));
    const auto &g = D().Graphique.Donnees_Graphique.rows;
    t.rows.insert(t.rows.end(), g.begin() + 1, g.end());
    t.rows.push_back(donnees_graphique::Ligne_Apres(Jour1, jours * 1440 + 1, 70, 70, 80));
    D().Donnees_Memoire = t;
    D().Graphique.Donnees_Graphique.Redimensionner(0);
}

int pixels(const platform::PictureBox *box, const QColor &couleur)
{
    const QImage &image = box->image();
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y).rgb() == couleur.rgb();
    return n;
}

const QColor Rouge(255, 0, 0);
const QColor Vert(0, 146, 64);

// A frame line of the window as its end points in twips and whether it shows.
std::tuple<float, float, float, float, bool> bouts(const Fonctions_Graphique::Ligne_Fenetre &l)
{
    return {l.X1, l.Y1, l.X2, l.Y2, l.Visible};
}

QStringList entrees(const QComboBox *c)
{
    QStringList l;
    for (int i = 0; i < c->count(); ++i)
        l << c->itemText(i);
    return l;
}

// ---- Period rows ------------------------------------------------------------------------------------

class PeriodeGraphique : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::FreshState();
        donnees_graphique::Periode(1, Jour1);
    }
    // Rows of the record table, each at a time of day on Jour1 (day 0) or the day after (day 1).
    static Declaration::Enregistrement_Memoire a(int jour, int heure, int minute, int b6 = 70, int b7 = 70)
    {
        const QDate d = Jour1.addDays(jour);
        return Ligne(minute, heure, d.day(), d.month(), d.year() - 2000, b6, b7, 80);
    }
    static Declaration::Table_Donnees table(std::initializer_list<Declaration::Enregistrement_Memoire> rows)
    {
        Declaration::Table_Donnees t;
        t.rows.insert(t.rows.end(), rows);
        return t;
    }
};

TEST_F(PeriodeGraphique, NoonOfTheFirstAndOfTheDayAfterTheLastAreInBothMinutesBesideAreOut)
{
    const auto t = table({a(0, 11, 59), a(0, 12, 0), a(0, 18, 30), a(1, 12, 0), a(1, 12, 1), a(1, 13, 0)});
    const LP::Indices i = LP::Rechercher_Indices(t, LP::Periode(D().Graphique));
    EXPECT_EQ(i.Debut, 2);
    EXPECT_EQ(i.Fin, 4);
    const auto copie = LP::Copier_Lignes(t, i);
    ASSERT_EQ(copie.Nombre_Lignes(), 3);
    EXPECT_EQ(copie(1, 2), 12);
    EXPECT_EQ(copie(1, 1), 0);
    EXPECT_EQ(copie(3, 3), Jour1.addDays(1).day());
    EXPECT_EQ(copie(3, 1), 0);
}

TEST_F(PeriodeGraphique, EventAndFaultyRowsNeitherStartNorStopButAreCopiedBetween)
{
    Declaration::Enregistrement_Memoire fevrier = a(0, 13, 0);
    fevrier[3] = 30, fevrier[4] = 2; // 30 February: no real date
    const auto t = table({a(0, 12, 0, 3), a(0, 12, 10), a(0, 12, 20, 70, 255), fevrier, a(1, 12, 5, 3),
                          a(1, 12, 10), a(1, 12, 20)});
    const LP::Indices i = LP::Rechercher_Indices(t, LP::Periode(D().Graphique));
    EXPECT_EQ(i.Debut, 2) << "an event row at noon does not start the period";
    // The event row just past the end is copied: the search stops at the first measurement row past it.
    EXPECT_EQ(i.Fin, 5);
    EXPECT_EQ(LP::Copier_Lignes(t, i).Nombre_Lignes(), 4);
}

TEST_F(PeriodeGraphique, LastRowOfTheTableEndsAPeriodThatRunsToIt)
{
    const auto t = table({a(0, 10, 0), a(0, 14, 0), a(0, 20, 0)});
    const LP::Indices i = LP::Rechercher_Indices(t, LP::Periode(D().Graphique));
    EXPECT_EQ(i.Debut, 2);
    EXPECT_EQ(i.Fin, 3);
}

TEST_F(PeriodeGraphique, NoRowInsideOrADayCountOtherThanOneThreeSevenGivesNone)
{
    const auto t = table({a(0, 10, 0), a(1, 13, 0)});
    EXPECT_TRUE(LP::Rechercher_Indices(t, LP::Periode(D().Graphique)).Vides());
    const auto dedans = table({a(0, 14, 0)});
    for (const int jours : {0, 2, 5, 8}) {
        D().Graphique.Nombre_Jours_Graphique = static_cast<int16_t>(jours);
        EXPECT_TRUE(LP::Rechercher_Indices(dedans, LP::Periode(D().Graphique)).Vides()) << jours;
        EXPECT_TRUE(LP::Texte_Date(D().Graphique).isEmpty()) << jours;
    }
    D().Graphique.Nombre_Jours_Graphique = 1;
    EXPECT_EQ(LP::Rechercher_Indices(dedans, LP::Periode(D().Graphique)).Debut, 1);
}

TEST_F(PeriodeGraphique, PresenceFlagsAndChoiceEntriesFollowTheKindsOfRows)
{
    const auto p = LP::Periode(D().Graphique);
    const auto dix = LP::Rechercher_Presences(table({a(0, 13, 0, 70)}), p);
    EXPECT_TRUE(dix.Leq10);
    EXPECT_FALSE(dix.Leq5);
    const auto cinq = LP::Rechercher_Presences(table({a(0, 13, 0, 128 + 70), a(0, 11, 0, 70)}), p);
    EXPECT_TRUE(cinq.Leq5);
    EXPECT_FALSE(cinq.Leq10) << "a 10-minute row before noon does not count";
    const auto deux = LP::Rechercher_Presences(table({a(0, 13, 0, 128 + 70), a(0, 14, 0, 70)}), p);
    EXPECT_TRUE(deux.Leq5 && deux.Leq10);

    EXPECT_EQ(LP::Entrees_Choix(dix),
              QStringList({"Graphique Leq 10 Minutes", "Graphique Leq 1 Minute", "Graphique Crête",
                           "Tableau Leq 10 Minutes", "Tableau Leq 1 Minute", "Tableau Crête"}));
    EXPECT_EQ(LP::Entrees_Choix(cinq),
              QStringList({"Graphique Leq 5 Minutes", "Graphique Leq 1 Minute", "Graphique Crête",
                           "Tableau Leq 5 Minutes", "Tableau Leq 1 Minute", "Tableau Crête"}));
    EXPECT_EQ(LP::Entrees_Choix(deux),
              QStringList({"Graphique Leq 10 Minutes", "Graphique Leq 5 Minutes", "Graphique Leq 1 Minute",
                           "Graphique Crête", "Tableau Leq 10 Minutes", "Tableau Leq 5 Minutes",
                           "Tableau Leq 1 Minute", "Tableau Crête"}));
}

TEST_F(PeriodeGraphique, HeadingTextsNameThePanelAndTheDaysDrawn)
{
    auto &p = D().Parametres_Afficheur;
    p.Nom_Afficheur = QStringLiteral("Salle Nord");
    p.Numero_Serie = QStringLiteral("04-117");
    p.Version_Firmware = {0, 2, 4};
    EXPECT_EQ(LP::Texte_Entete(p), QStringLiteral("Pelmar - Salle Nord - Version FirmWare 2.4 - 04-117"));
    p.Modele_40dB = true;
    EXPECT_TRUE(LP::Texte_Entete(p).startsWith(QStringLiteral("Pelmar - 40 dB - Salle Nord")));
    D().Graphique.Nombre_Jours_Graphique = 3;
    // 5 March 2009 is a Thursday; three days end at noon on Sunday 8 March.
    EXPECT_EQ(
        LP::Texte_Date(D().Graphique),
        QStringLiteral("Graphique des Niveaux du  Jeudi   05 Mars 2009 à 12 h. 00  au Dimanche 08 Mars 2009 "
                       "à 12 h. 00"));
}

// ---- The window -------------------------------------------------------------------------------------

class FenetreGraphique : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::FreshState();
        main = std::make_unique<frmMain>();
        main->show();
        Vues_Graphique::Inscrire();
        auto &p = D().Parametres_Afficheur;
        p.Nom_Afficheur = QStringLiteral("Salle Nord");
        p.Numero_Serie = QStringLiteral("04-117");
        p.Version_Firmware = {0, 2, 4};
        p.Niveau_Alarme = 75;
    }
    void TearDown() override
    {
        testsupport::FreshState();
        main.reset();
    }
    frmGraphique &ouvrir(int jours, Sortes sortes)
    {
        tenir(jours, sortes);
        EXPECT_TRUE(Routes::Ouvrir(Routes::Vue::Graphique));
        frmGraphique *w = Graphique::Instance();
        EXPECT_NE(w, nullptr);
        return *w;
    }
    // The user picks entry `texte` in pane k's view choice.
    static void choisir(frmGraphique &w, int k, const QString &texte)
    {
        QComboBox *c = w.Volet_Graphique(k).Combo_Choix;
        const int i = c->findText(texte);
        ASSERT_GE(i, 0) << texte.toStdString();
        c->setCurrentIndex(i);
        emit c->activated(i);
    }

    testsupport::MessageRecorder messages;
    std::unique_ptr<frmMain> main;
};

TEST_F(FenetreGraphique, LoadCopiesThePeriodAndDrawsTheFirstViews)
{
    frmGraphique &w = ouvrir(3, Sortes::Les_Deux);
    const auto &g = D().Graphique;
    EXPECT_TRUE(D().Ouvert.Ouvert_Graphique);
    EXPECT_EQ(g.Indice_Debut_Periode, 2);
    EXPECT_EQ(g.Indice_Fin_Periode, D().Donnees_Memoire.Nombre_Lignes() - 1);
    EXPECT_EQ(g.Donnees_Graphique.Nombre_Lignes(), g.Indice_Fin_Periode - g.Indice_Debut_Periode + 1);
    EXPECT_TRUE(D().Presence_Leq5 && D().Presence_Leq10);
    EXPECT_FALSE(g.Chargement_Graphique);
    EXPECT_FALSE(D().Ouvert.Ouvert_Wait);
    EXPECT_TRUE(messages.shown().empty());

    EXPECT_EQ(w.Label_Entete->text(), QStringLiteral("Pelmar - Salle Nord - Version FirmWare 2.4 - 04-117"));
    EXPECT_TRUE(
        w.Label_Date->text().contains(QStringLiteral("05 Mars 2009 à 12 h. 00  au Dimanche 08 Mars")));
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(w.Volet_Graphique(k).Combo_Choix->count(), 8);
    EXPECT_EQ(w.Combo_Choix1->currentIndex(), 0);
    EXPECT_EQ(w.Combo_Choix2->currentIndex(), 2);
    EXPECT_EQ(w.Combo_Choix3->currentIndex(), 3);
    EXPECT_EQ(w.Texte_Choix3, QStringLiteral("Graphique Crête"));
    EXPECT_EQ(w.Label_Leq1->text(), QStringLiteral("Graphique des Niveaux Leq 10 Minutes"));
    EXPECT_EQ(w.Label_Leq2->text(), QStringLiteral("Graphique des Niveaux Leq 1 Minute"));
    EXPECT_EQ(w.Label_Leq3->text(), QStringLiteral("Graphique des Niveaux Crête"));
    for (int k = 1; k <= 3; ++k) {
        EXPECT_GT(pixels(w.Volet_Graphique(k).Graphique, Rouge), 100) << "curve of pane " << k;
        EXPECT_TRUE(w.Volet_Graphique(k).List_Leq->isHidden());
        EXPECT_TRUE(w.Volet_Graphique(k).Cmd_Print->isHidden());
        EXPECT_GT(w.Volet_Graphique(k).List_Leq->ListCount(), 0) << "list of pane " << k;
    }
    EXPECT_GT(pixels(w.Graphique_Leq1, Vert), 0) << "alarm line on a Leq pane";
    EXPECT_EQ(pixels(w.Graphique_Leq3, Vert), 0) << "no alarm line on the peak pane";
    EXPECT_GT(w.List_Evenements->ListCount(), 0);
    EXPECT_EQ(w.Label_Alarme->text(), QStringLiteral("75 dB"));
    // Five rows: the frame rises, its columns stay where they were designed.
    EXPECT_EQ(bouts(w.Line[1]), bouts({8100, 3630, 14790, 3630, true}));
    EXPECT_EQ(bouts(w.Line[6]), bouts({11445, 3630, 11445, 4980, true}));
    EXPECT_EQ(bouts(w.Line[7]), bouts({8100, 3630, 8100, 4980, true}));
    EXPECT_EQ(bouts(w.Line[9]), bouts({8100, 4980, 14790, 4980, true}));
    EXPECT_TRUE(main->isEnabled());
}

TEST_F(FenetreGraphique, OnlyFiveMinuteRowsGiveSixEntriesAndTheFiveMinuteList)
{
    frmGraphique &w = ouvrir(1, Sortes::Leq5);
    EXPECT_TRUE(D().Presence_Leq5);
    EXPECT_FALSE(D().Presence_Leq10);
    EXPECT_EQ(entrees(w.Combo_Choix1), LP::Entrees_Choix({true, false}));
    EXPECT_EQ(w.Combo_Choix1->currentIndex(), 0);
    EXPECT_EQ(w.Combo_Choix2->currentIndex(), 1);
    EXPECT_EQ(w.Combo_Choix3->currentIndex(), 2);
    EXPECT_EQ(w.Texte_Choix1, QStringLiteral("Graphique Leq 5 Minutes"));
    const QStringList attendues = Fonctions_Tableau::Lignes_Leq(
        D().Graphique.Donnees_Graphique, LP::Periode(D().Graphique), Fonctions_Tableau::Niveau_Leq5, false,
        Fonctions_Tableau::Libelles::Graphique);
    ASSERT_EQ(w.List_Leq1->ListCount(), attendues.size());
    EXPECT_EQ(w.List_Leq1->List(1), attendues[1]);
}

TEST_F(FenetreGraphique, EachPaneSwitchesBetweenGraphAndTable)
{
    frmGraphique &w = ouvrir(1, Sortes::Leq10);
    using namespace Fonctions_Tableau;
    const Periode_Liste p = LP::Periode(D().Graphique);
    const std::array<std::pair<QString, QString>, 3> tables{{{"Tableau Leq 1 Minute", Niveau_Leq1},
                                                             {"Tableau Crête", Niveau_Crete},
                                                             {"Tableau Leq 10 Minutes", Niveau_Leq10}}};
    for (int k = 1; k <= 3; ++k) {
        SCOPED_TRACE(k);
        const frmGraphique::Volet v = w.Volet_Graphique(k);
        const auto &[entree, serie] = tables[static_cast<size_t>(k - 1)];
        choisir(w, k, entree);
        EXPECT_TRUE(v.Graphique->isHidden());
        EXPECT_FALSE(v.List_Leq->isHidden());
        const QStringList attendues =
            Lignes_Leq(D().Graphique.Donnees_Graphique, p, serie, false, Libelles::Graphique);
        ASSERT_EQ(v.List_Leq->ListCount(), attendues.size());
        EXPECT_EQ(v.List_Leq->List(2), attendues[2]);
        EXPECT_EQ(v.Label_Leq->text(), QStringLiteral("Tableau des Niveaux ") + entree.mid(8));
        EXPECT_EQ(pixels(v.Graphique, Rouge), 0) << "the pane was cleared";

        choisir(w, k, QStringLiteral("Graphique Crête"));
        EXPECT_FALSE(v.Graphique->isHidden());
        EXPECT_TRUE(v.List_Leq->isHidden());
        EXPECT_GT(pixels(v.Graphique, Rouge), 100);
        EXPECT_EQ(pixels(v.Graphique, Vert), 0);
        choisir(w, k, QStringLiteral("Graphique Leq 1 Minute"));
        EXPECT_GT(pixels(v.Graphique, Rouge), 100);
        EXPECT_GT(pixels(v.Graphique, Vert), 0);
        EXPECT_EQ(*v.Texte_Choix, QStringLiteral("Graphique Leq 1 Minute"));
    }
}

TEST_F(FenetreGraphique, TypingIntoAChoicePutsTheLastItemBack)
{
    frmGraphique &w = ouvrir(1, Sortes::Leq10);
    w.Combo_Choix2->lineEdit()->setText(QStringLiteral("Graph"));
    emit w.Combo_Choix2->lineEdit()->textEdited(QStringLiteral("Graph"));
    EXPECT_EQ(w.Combo_Choix2->currentText(), QStringLiteral("Graphique Leq 1 Minute"));
}

TEST_F(FenetreGraphique, EnlargeAndRestoreGiveTheLayoutBack)
{
    frmGraphique &w = ouvrir(7, Sortes::Les_Deux);
    choisir(w, 1, QStringLiteral("Tableau Leq 5 Minutes"));
    const QStringList avant = entrees(w.Combo_Choix3);
    const QRect place3 = w.Graphique_Leq3->geometry();
    const QRect legende3 = w.Label_Leq3->geometry();

    w.Cmd_Zoom3_Click();
    EXPECT_TRUE(w.Volet_Agrandi(3));
    EXPECT_EQ(w.Graphique_Leq3->geometry().topLeft(), QPoint(platform::Px(60), platform::Px(660)));
    EXPECT_EQ(entrees(w.Combo_Choix3), avant.mid(0, 4)) << "exactly the table entries go";
    EXPECT_EQ(w.Combo_Choix3->currentText(), QStringLiteral("Graphique Crête"));
    EXPECT_FALSE(w.Cmd_Print3->isHidden());
    for (QWidget *cache : std::initializer_list<QWidget *>{
             w.Graphique_Leq1, w.Graphique_Leq2, w.List_Leq1, w.Combo_Choix1, w.Label_Leq2, w.List_Evenements,
             w.Label_Entete_Evenements, w.Label_Alarme, w.Label_Entete_Crete})
        EXPECT_TRUE(cache->isHidden());
    EXPECT_FALSE(w.Line[1].Visible);
    EXPECT_GT(pixels(w.Graphique_Leq3, Rouge), 100);
    // Seven days: the buttons stand 2.9 and 1.45 units from the right edge.
    const double r = w.Graphique_Leq3->ScaleLeft() + w.Graphique_Leq3->ScaleWidth();
    const double unite = w.Graphique_Leq3->width() / w.Graphique_Leq3->ScaleWidth();
    EXPECT_NEAR(w.Cmd_Print3->x(), w.Graphique_Leq3->width() - 2.9 * unite, 1.0);
    EXPECT_NEAR(w.Cmd_Zoom3->x(), w.Graphique_Leq3->width() - 1.45 * unite, 1.0);
    EXPECT_DOUBLE_EQ(r, 43.0);

    // A band zoom in force: the button shows the whole enlarged period again.
    D().Graphique.Zoom_Selection = true;
    w.Cmd_Zoom3_Click();
    EXPECT_TRUE(w.Volet_Agrandi(3));
    EXPECT_FALSE(D().Graphique.Zoom_Selection);
    EXPECT_EQ(w.Combo_Choix3->count(), 4);

    w.Cmd_Zoom3_Click();
    EXPECT_TRUE(w.Volet_Normal(3));
    EXPECT_EQ(w.Graphique_Leq3->geometry(), place3);
    EXPECT_EQ(w.Label_Leq3->geometry(), legende3);
    EXPECT_EQ(entrees(w.Combo_Choix3), avant);
    EXPECT_TRUE(w.Cmd_Print3->isHidden());
    EXPECT_FALSE(w.List_Leq1->isHidden()) << "pane 1 shows its table again";
    EXPECT_TRUE(w.Graphique_Leq1->isHidden());
    EXPECT_FALSE(w.Graphique_Leq2->isHidden());
    EXPECT_FALSE(w.List_Evenements->isHidden());
    EXPECT_FALSE(w.Label_Alarme->isHidden());
    EXPECT_TRUE(w.Line[1].Visible);
    EXPECT_GT(pixels(w.Graphique_Leq3, Rouge), 100);
    const double unite3 = w.Graphique_Leq3->width() / w.Graphique_Leq3->ScaleWidth();
    EXPECT_NEAR(w.Cmd_Zoom3->x(), w.Graphique_Leq3->width() - 2.9 * unite3, 1.0);
}

TEST_F(FenetreGraphique, RestoreLeavesTheSummaryRowsOfAnAbsentSeriesHidden)
{
    frmGraphique &w = ouvrir(1, Sortes::Leq5);
    ASSERT_TRUE(w.Label_Leq10_Maxi->isHidden());
    ASSERT_FALSE(w.Label_Leq5_Maxi->isHidden());
    const QStringList avant = entrees(w.Combo_Choix1);
    w.Cmd_Zoom1_Click();
    EXPECT_EQ(w.Combo_Choix1->count(), 3);
    EXPECT_TRUE(w.Label_Leq1_Maxi->isHidden());
    w.Cmd_Zoom1_Click();
    EXPECT_EQ(entrees(w.Combo_Choix1), avant);
    EXPECT_TRUE(w.Label_Leq10_Maxi->isHidden());
    EXPECT_TRUE(w.Label_Entete_Leq10->isHidden());
    EXPECT_FALSE(w.Label_Leq1_Maxi->isHidden());
    EXPECT_FALSE(w.Label_Entete_Crete->isHidden());
    // One day: the zoom button 2.6 units from the right edge.
    const double unite = w.Graphique_Leq1->width() / w.Graphique_Leq1->ScaleWidth();
    EXPECT_NEAR(w.Cmd_Zoom1->x(), w.Graphique_Leq1->width() - 2.6 * unite, 1.0);
}

TEST_F(FenetreGraphique, CursorSetAtMidnightIsDrawnAgainByTheRedraws)
{
    frmGraphique &w = ouvrir(1, Sortes::Leq10);
    auto &g = D().Graphique;
    const QDate lendemain = Jour1.addDays(1);
    g.Curseur_Jour = static_cast<int16_t>(lendemain.day());
    g.Curseur_Mois = static_cast<int16_t>(lendemain.month());
    g.Curseur_Annee = static_cast<int16_t>(lendemain.year());
    g.Curseur_Heure = 0;
    g.Curseur_Minute = 0;
    const QColor bleu(0, 0, 255);
    choisir(w, 2, QStringLiteral("Graphique Leq 1 Minute"));
    EXPECT_EQ(pixels(w.Graphique_Leq2, bleu), 0) << "no cursor set yet";
    g.Curseur_Pose = true;
    choisir(w, 2, QStringLiteral("Graphique Leq 1 Minute"));
    EXPECT_GT(pixels(w.Graphique_Leq2, bleu), 0);
    w.Cmd_Zoom2_Click();
    EXPECT_GT(pixels(w.Graphique_Leq2, bleu), 0) << "the enlarged pane draws it again";
}

TEST_F(FenetreGraphique, NoDataShowsTheMessageAndLeavesTheWindowEmpty)
{
    tenir(1, Sortes::Leq10);
    donnees_graphique::Periode(1, Jour1.addDays(30));
    ASSERT_TRUE(Routes::Ouvrir(Routes::Vue::Graphique));
    frmGraphique *w = Graphique::Instance();
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text,
              QStringLiteral("Il n'y a pas de données de Graphique dans la période sélectionnée !!!"));
    EXPECT_EQ(messages.shown()[0].title, QStringLiteral("Impossible de faire le graphique !!!"));
    EXPECT_EQ(messages.shown()[0].icon, platform::MsgIcon::Critical);
    EXPECT_TRUE(D().Ouvert.Ouvert_Graphique);
    EXPECT_EQ(D().Graphique.Indice_Debut_Periode, 0);
    EXPECT_EQ(w->Combo_Choix1->count(), 0);
    EXPECT_EQ(w->Cmd_Quit->text(), QStringLiteral("Quitter"));
    EXPECT_EQ(w->Cmd_New_Graph_Old->text().simplified(), QStringLiteral("Nouveau graphique"))
        << "its design text";
    EXPECT_TRUE(main->isEnabled());
    // The summary block in its design layout: the frame, Line9 under it and the 5-minute labels at the
    // window's right edge, all shown.
    for (int n = 1; n <= 5; ++n) {
        const float y = 3690.f + 330 * (n - 1);
        EXPECT_EQ(bouts(w->Line[static_cast<size_t>(n)]), bouts({8100, y, 14790, y, true})) << "Line" << n;
    }
    EXPECT_EQ(bouts(w->Line[6]), bouts({11445, 3690, 11445, 5010, true}));
    EXPECT_EQ(bouts(w->Line[7]), bouts({8100, 3690, 8100, 5010, true}));
    EXPECT_EQ(bouts(w->Line[8]), bouts({14790, 3690, 14790, 5010, true}));
    EXPECT_EQ(bouts(w->Line[9]), bouts({8100, 5070, 14790, 5070, true}));
    EXPECT_EQ(w->Label_Entete_Leq5->geometry(), platform::TwipsRect(14850, 4140, 315, 255));
    EXPECT_EQ(w->Label_Leq5_Maxi->geometry(), platform::TwipsRect(14850, 4560, 285, 255));
    EXPECT_FALSE(w->Label_Entete_Leq5->isHidden());
    EXPECT_FALSE(w->Label_Leq5_Maxi->isHidden());
    // The pane buttons do nothing without data.
    w->Cmd_Zoom1_Click();
    EXPECT_TRUE(w->Volet_Normal(1));
    EXPECT_FALSE(w->Graphique_Leq2->isHidden());
}

TEST_F(FenetreGraphique, TopButtonsFollowTheSaveMenuAndQuitUnloads)
{
    main->setSaveEnabled(true);
    frmGraphique &w = ouvrir(1, Sortes::Leq10);
    EXPECT_FALSE(w.Cmd_New_Data_Graphique->isHidden());
    EXPECT_EQ(
        w.Cmd_New_Data_Graphique->toolTip(),
        QStringLiteral("Permet d'effectuer un nouveau graphique en téléchargeant des nouvelles données"));
    EXPECT_EQ(w.Cmd_Quit->toolTip(), QStringLiteral("Ferme le Graphique"));
    EXPECT_FALSE(w.Cmd_Quit->icon().isNull());
    w.Cmd_Quit_Click();
    EXPECT_FALSE(D().Ouvert.Ouvert_Graphique);

    main->setSaveEnabled(false);
    frmGraphique &v = ouvrir(1, Sortes::Leq10);
    EXPECT_TRUE(v.Cmd_New_Data_Graphique->isHidden());
    EXPECT_FALSE(v.Cmd_New_Graph_Old->isHidden());
}

TEST(PicturesGraphique, AMissingPictureLeavesTheTextAndTooltip)
{
    QPushButton b(QStringLiteral("Zoom +"));
    b.setToolTip(QStringLiteral("Agrandit"));
    Textes_Graphique::Poser_Image(&b, QStringLiteral("Absente.bmp"));
    EXPECT_EQ(b.text(), QStringLiteral("Zoom +"));
    EXPECT_TRUE(b.icon().isNull());
    Textes_Graphique::Poser_Image(&b, Textes_Graphique::Image_Zoom);
    EXPECT_TRUE(b.text().isEmpty());
    EXPECT_FALSE(b.icon().isNull());
    Textes_Graphique::Poser_Image(&b, QStringLiteral("Absente.bmp"));
    EXPECT_EQ(b.text(), QStringLiteral("Zoom +")) << "a picture gone missing gives the text back";
    EXPECT_TRUE(b.icon().isNull());
    EXPECT_EQ(b.toolTip(), QStringLiteral("Agrandit"));
}

} // namespace
