// The list fillers and event texts: record rows in, list lines out, in both windows' wordings.
#include "analysis/core/Declaration.h"
#include "analysis/core/frmWait.h"
#include "analysis/tables/Fonctions_Tableau.h"
#include "platform/list_box.h"
#include "test_support.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using Declaration::D;
using Declaration::Table_Donnees;
namespace FT = Fonctions_Tableau;
using FT::Libelles;

namespace {

struct Ligne
{
    int minute, heure, jour, mois, annee, c6, c7, c8;
};

Table_Donnees table(std::initializer_list<Ligne> lignes)
{
    Table_Donnees t;
    for (const Ligne &l : lignes)
        t.rows.push_back({0, static_cast<int16_t>(l.minute), static_cast<int16_t>(l.heure),
                          static_cast<int16_t>(l.jour), static_cast<int16_t>(l.mois),
                          static_cast<int16_t>(l.annee), static_cast<int16_t>(l.c6),
                          static_cast<int16_t>(l.c7), static_cast<int16_t>(l.c8)});
    return t;
}

// From 5 March 2024 (a Tuesday) 00:00 to the end day at 23:59.
FT::Periode_Liste mars(int jour_fin = 5)
{
    Declaration::Selection s;
    s.Jour_Debut_Selection = 5;
    s.Mois_Debut_Selection = 3;
    s.Annee_Debut_Selection = 24;
    s.Jour_Fin_Selection = static_cast<int16_t>(jour_fin);
    s.Mois_Fin_Selection = 3;
    s.Annee_Fin_Selection = 24;
    return FT::Periode_Tableau(s);
}

QStringList leq(const Table_Donnees &t, const QString &type, bool modele_40db = false,
                Libelles l = Libelles::Tableau, FT::Periode_Liste p = mars())
{
    return FT::Lignes_Leq(t, p, type, modele_40db, l, {});
}

const QString T = QStringLiteral("    Mardi    05  Mars  2024  à  ");             // table prefix of the 5th
const QString G = QStringLiteral("           Mardi     05   Mars   2024   à   "); // graph prefix of the 5th

} // namespace

// ---- Level lines ------------------------------------------------------------------------------

TEST(LignesLeq, EachKindInTheTableWording)
{
    const Table_Donnees t = table(
        {{5, 9, 5, 3, 24, 72, 65, 80}, {10, 9, 5, 3, 24, 128 + 66, 67, 90}, {11, 9, 5, 3, 24, 2, 0, 0}});
    EXPECT_EQ(leq(t, FT::Niveau_Leq10),
              QStringList{T + QStringLiteral("09 h. 05  :  Niveau Leq 10 Min. =  72 dBA.")});
    EXPECT_EQ(leq(t, FT::Niveau_Leq5),
              QStringList{T + QStringLiteral("09 h. 10  :  Niveau Leq 5 Min. =  66 dBA.")});
    EXPECT_EQ(leq(t, FT::Niveau_Leq1),
              (QStringList{T + QStringLiteral("09 h. 05  :  Niveau Leq 1 Min. =  65 dBA."),
                           T + QStringLiteral("09 h. 10  :  Niveau Leq 1 Min. =  67 dBA.")}));
    EXPECT_EQ(leq(t, FT::Niveau_Crete),
              (QStringList{T + QStringLiteral("09 h. 05  :  Niveau Leq Crête =  80 dB."),
                           T + QStringLiteral("09 h. 10  :  Niveau Leq Crête =  90 dB.")}));
    EXPECT_TRUE(leq(t, QStringLiteral("Niveau Leq 1 minute")).isEmpty()); // kinds are compared exactly
}

TEST(LignesLeq, EachKindInTheGraphWording)
{
    const Table_Donnees t = table({{5, 9, 5, 3, 24, 72, 65, 80}, {10, 9, 5, 3, 24, 128 + 66, 67, 90}});
    const auto graphe = [&](const QString &type) { return leq(t, type, false, Libelles::Graphique); };
    EXPECT_EQ(graphe(FT::Niveau_Leq10),
              QStringList{G + QStringLiteral("09 h. 05   :   Niveau Leq 10 Minutes  =   72 dBA.")});
    EXPECT_EQ(graphe(FT::Niveau_Leq5),
              QStringList{G + QStringLiteral("09 h. 10   :   Niveau Leq 5 Minutes  =   66 dBA.")});
    EXPECT_EQ(graphe(FT::Niveau_Leq1),
              (QStringList{G + QStringLiteral("09 h. 05   :   Niveau Leq 1 Minutes  =   65 dBA."),
                           G + QStringLiteral("09 h. 10   :   Niveau Leq 1 Minutes  =   67 dBA.")}));
    EXPECT_EQ(graphe(FT::Niveau_Crete).value(1),
              G + QStringLiteral("09 h. 10   :   Niveau Leq Crête  =   90 dB."));
}

TEST(LignesLeq, FloorOnStandardAnd40dBPanels)
{
    const Table_Donnees t =
        table({{0, 8, 5, 3, 24, 60, 60, 70}, {1, 8, 5, 3, 24, 40, 40, 50}, {2, 8, 5, 3, 24, 188, 61, 71}});
    const QStringList l10 = leq(t, FT::Niveau_Leq10);
    EXPECT_EQ(l10.value(0), T + QStringLiteral("08 h. 00  :  Niveau Leq 10 Min. <  60 dBA."));
    EXPECT_EQ(l10.value(1), T + QStringLiteral("08 h. 01  :  Niveau Leq 10 Min. =  40 dBA."));
    EXPECT_EQ(leq(t, FT::Niveau_Leq5).value(0),
              T + QStringLiteral("08 h. 02  :  Niveau Leq 5 Min. <  60 dBA."));
    EXPECT_EQ(leq(t, FT::Niveau_Crete).value(0),
              T + QStringLiteral("08 h. 00  :  Niveau Leq Crête <  70 dB."));

    const QStringList q10 = leq(t, FT::Niveau_Leq10, true);
    EXPECT_EQ(q10.value(0), T + QStringLiteral("08 h. 00  :  Niveau Leq 10 Min. =  60 dBA."));
    EXPECT_EQ(q10.value(1), T + QStringLiteral("08 h. 01  :  Niveau Leq 10 Min. <  40 dBA."));
    const QStringList q1 = leq(t, FT::Niveau_Leq1, true, Libelles::Graphique);
    EXPECT_EQ(q1.value(1), G + QStringLiteral("08 h. 01   :   Niveau Leq 1 Minutes  <   40 dBA."));
    const QStringList qc = leq(t, FT::Niveau_Crete, true);
    EXPECT_EQ(qc.value(0), T + QStringLiteral("08 h. 00  :  Niveau Leq Crête =  70 dB."));
    EXPECT_EQ(qc.value(1), T + QStringLiteral("08 h. 01  :  Niveau Leq Crête <  50 dB."));
}

TEST(LignesLeq, FiveMinuteLevelsStoredAbove127)
{
    const Table_Donnees t =
        table({{0, 8, 5, 3, 24, 128, 70, 80}, {5, 8, 5, 3, 24, 254, 70, 80}, {6, 8, 5, 3, 24, 127, 70, 80}});
    const QStringList l5 = leq(t, FT::Niveau_Leq5);
    ASSERT_EQ(l5.size(), 2);
    EXPECT_TRUE(l5[0].endsWith(QStringLiteral("=  0 dBA.")));
    EXPECT_TRUE(l5[1].endsWith(QStringLiteral("08 h. 05  :  Niveau Leq 5 Min. =  126 dBA.")));
    EXPECT_EQ(leq(t, FT::Niveau_Leq10),
              QStringList{T + QStringLiteral("08 h. 06  :  Niveau Leq 10 Min. =  127 dBA.")});
}

TEST(LignesLeq, DayChangesGiveOneEmptyLine)
{
    const Table_Donnees t = table({{50, 23, 5, 3, 24, 72, 65, 80},
                                   {0, 0, 6, 3, 24, 72, 66, 81},
                                   {10, 0, 6, 3, 24, 72, 67, 82},
                                   {0, 0, 7, 3, 24, 200, 68, 83}});
    const QStringList l1 = leq(t, FT::Niveau_Leq1, false, Libelles::Tableau, mars(7));
    ASSERT_EQ(l1.size(), 6);
    EXPECT_FALSE(l1[0].isEmpty());
    EXPECT_EQ(l1[1], QString());
    EXPECT_EQ(l1[2],
              QStringLiteral("   Mercredi  06  Mars  2024  à  00 h. 00  :  Niveau Leq 1 Min. =  66 dBA."));
    EXPECT_FALSE(l1[3].isEmpty());
    EXPECT_EQ(l1[4], QString());
    EXPECT_EQ(l1[5],
              QStringLiteral("    Jeudi    07  Mars  2024  à  00 h. 00  :  Niveau Leq 1 Min. =  68 dBA."));
    // The day of a 5-minute row still closes the 10-minute list's day: its trailing empty line.
    const QStringList l10 = leq(t, FT::Niveau_Leq10, false, Libelles::Tableau, mars(7));
    ASSERT_EQ(l10.size(), 5);
    EXPECT_EQ(l10[1], QString());
    EXPECT_EQ(l10.last(), QString());
    // The 1-minute and peak lists break at the same places.
    const QStringList lc = leq(t, FT::Niveau_Crete, false, Libelles::Tableau, mars(7));
    for (int i = 0; i < l1.size(); ++i)
        EXPECT_EQ(l1[i].isEmpty(), lc.value(i).isEmpty()) << i;
    // Graph wording: the same rule on its own prefix.
    const QStringList g1 = leq(t, FT::Niveau_Leq1, false, Libelles::Graphique, mars(7));
    ASSERT_EQ(g1.size(), 6);
    EXPECT_EQ(g1[1], QString());
    EXPECT_EQ(g1[4], QString());
}

TEST(LignesLeq, TableEndsAtTwentyThreeFiftyNine)
{
    const Table_Donnees t = table({{59, 23, 4, 3, 24, 71, 61, 81},
                                   {0, 0, 5, 3, 24, 72, 62, 82},
                                   {59, 23, 6, 3, 24, 73, 63, 83},
                                   {0, 0, 7, 3, 24, 74, 64, 84}});
    const QStringList l = leq(t, FT::Niveau_Leq10, false, Libelles::Tableau, mars(6));
    ASSERT_EQ(l.size(), 3);
    EXPECT_TRUE(l[0].contains(QStringLiteral("05  Mars  2024  à  00 h. 00")));
    EXPECT_TRUE(l[2].contains(QStringLiteral("06  Mars  2024  à  23 h. 59")));
    EXPECT_TRUE(l[2].endsWith(QStringLiteral("73 dBA.")));
}

TEST(LignesLeq, GraphRunsNoonToNoon)
{
    Declaration::Etat_Graphique g;
    g.Nombre_Jours_Graphique = 1;
    g.Jours_Graphique[1] = {0, 5, 3, 24};
    g.Jours_Graphique[2] = {0, 6, 3, 24};
    const FT::Periode_Liste p = FT::Periode_Graphique(g);
    const Table_Donnees t = table({{59, 11, 5, 3, 24, 71, 61, 81},
                                   {0, 12, 5, 3, 24, 72, 62, 82},
                                   {0, 12, 6, 3, 24, 73, 63, 83},
                                   {1, 12, 6, 3, 24, 74, 64, 84}});
    const QStringList l = leq(t, FT::Niveau_Leq10, false, Libelles::Graphique, p);
    ASSERT_EQ(l.size(), 3);
    EXPECT_EQ(l[0], G + QStringLiteral("12 h. 00   :   Niveau Leq 10 Minutes  =   72 dBA."));
    EXPECT_EQ(l[1], QString());
    EXPECT_EQ(
        l[2],
        QStringLiteral(
            "          Mercredi   06   Mars   2024   à   12 h. 00   :   Niveau Leq 10 Minutes  =   73 dBA."));
    // A day count outside the table of days gives no period at all.
    g.Nombre_Jours_Graphique = 0;
    EXPECT_TRUE(leq(t, FT::Niveau_Leq10, false, Libelles::Graphique, FT::Periode_Graphique(g)).isEmpty());
}

TEST(LignesLeq, ErasedAndImpossibleRowsGiveNoLineAndNoDayChange)
{
    const Table_Donnees t = table({{0, 8, 5, 3, 24, 72, 62, 82},
                                   {0, 9, 6, 3, 24, 255, 255, 255}, // erased levels on another day
                                   {0, 9, 6, 3, 24, 73, 255, 83},
                                   {255, 255, 255, 255, 255, 255, 255, 255},
                                   {0, 9, 31, 4, 24, 74, 64, 84}, // 31 April
                                   {0, 9, 0, 3, 24, 74, 64, 84},  // day 0
                                   {60, 9, 5, 3, 24, 74, 64, 84}, // minute 60
                                   {0, 9, 5, 3, 24, 75, 65, 85}});
    for (const QString &type : {FT::Niveau_Leq10, FT::Niveau_Leq1, FT::Niveau_Crete}) {
        const QStringList l = leq(t, type, false, Libelles::Tableau, mars(6));
        ASSERT_EQ(l.size(), 2) << type.toStdString();
        EXPECT_FALSE(l[1].isEmpty());
        EXPECT_FALSE(l.join(QString()).contains(QStringLiteral("255")));
    }
    // The rule itself.
    EXPECT_TRUE(FT::Ligne_Valide({0, 59, 23, 31, 12, 99, 254, 254, 254}));
    EXPECT_FALSE(FT::Ligne_Valide({0, 0, 0, 1, 1, 0, 70, 70, 70}));   // year 2000
    EXPECT_FALSE(FT::Ligne_Valide({0, 0, 24, 1, 1, 24, 70, 70, 70})); // hour 24
    EXPECT_FALSE(FT::Ligne_Valide({0, 0, 0, 1, 13, 24, 70, 70, 70})); // month 13
    EXPECT_FALSE(FT::Ligne_Valide({0, 0, 0, 1, 1, 24, 70, 70, 255}));
    EXPECT_EQ(FT::Moment(31, 4, 24, 0, 0), -1);
    EXPECT_EQ(FT::Moment(29, 2, 24, 0, 0) + 1440, FT::Moment(1, 3, 2024, 0, 0));
}

TEST(LignesLeq, ProgressEveryFiftyRowsUsedOrNot)
{
    Table_Donnees t;
    t.Redimensionner(120); // every row zero: none is in the period
    std::vector<int32_t> appels;
    FT::Lignes_Leq(t, mars(), FT::Niveau_Leq1, false, Libelles::Tableau,
                   [&](int32_t i) { appels.push_back(i); });
    EXPECT_EQ(appels, (std::vector<int32_t>{50, 100}));
    appels.clear();
    FT::Lignes_Evenements(t, mars(), Libelles::Graphique, [&](int32_t i) { appels.push_back(i); });
    EXPECT_EQ(appels, (std::vector<int32_t>{50, 100}));
}

// ---- Event texts ------------------------------------------------------------------------------

namespace {

struct Cas
{
    int code, premier, second;
    const char *long_, *court;
};

QString long_(int code, int premier, int second, const QLocale &l = QLocale::c())
{
    return FT::Texte_Evenement(table({{0, 0, 1, 1, 24, code, premier, second}}), 1, l);
}

QString court(int code, int premier, int second, const QLocale &l = QLocale::c())
{
    return FT::Texte_Evenement_Court(table({{0, 0, 1, 1, 24, code, premier, second}}), 1, l);
}

} // namespace

TEST(TexteEvenement, EveryCodeInBothWordings)
{
    const Cas cas[] = {
        {1, 0, 0, "Initialisation Système", "Initialisation Système"},
        {2, 5, 5, "Coupure Alimentation", "Coupure Alimentation"},
        {3, 1, 0, "Défaut Liaison Capteur", "Défaut Liaison Capteur"},
        {3, 0, 0, "Fin Défaut Liaison Capteur", "Fin Défaut Liaison Capteur"},
        {3, 2, 0, "", ""},
        {4, 1, 0, "Passage en Mode Réglage", "Passage en Mode Réglage"},
        {4, 0, 0, "Sortie du Mode Réglage", "Sortie du Mode Réglage"},
        {5, 0, 1, "Modif. Luminosité Automatique -> Luminosité Manuelle", "Passage en Luminosité Manuelle"},
        {5, 1, 0, "Modif. Luminosité Manuelle -> Luminosité Automatique",
         "Passage en Luminosité Automatique"},
        {5, 1, 1, "", ""},
        {6, 0, 1, "Modif. Luminosité Intérieure -> Luminosité Extérieure",
         "Passage en Luminosité Extérieure"},
        {6, 1, 0, "Modif. Luminosité Extérieure -> Luminosité Intérieure",
         "Passage en Luminosité Intérieure"},
        {6, 0, 2, "", ""},
        {7, 0, 128, "Modif. Offset => 00 dB  ->  00 dB", "Réglage Offset = 00 dB"},
        {7, 4, 132, "Modif. Offset => +01 dB  ->  -01 dB", "Réglage Offset = -01 dB"},
        {7, 40, 255, "Modif. Offset => +10 dB  ->  -31.75 dB", "Réglage Offset = -31.75 dB"},
        {8, 70, 75, "Modif. Niveau d'Alarme => 70 dB  ->  75 dB", "Réglage Niveau d'Alarme => 75 dB"},
        {8, 1, 0, "Changement d'Heure Automatique Inactif", "Changement d'Heure Automatique Inactif"},
        {8, 0, 1, "Changement d'Heure Automatique Actif", "Changement d'Heure Automatique Actif"},
        {8, 1, 2, "", ""},
        {9, 0, 0, "Modif. Date de l'Pelmar", "Réglage Date de l'Pelmar"},
        {10, 0, 0, "Modif. Heure de l'Pelmar", "Réglage Heure de l'Pelmar"},
        {11, 1, 0, "Dépassement du Niveau d'Alarme", "Dépassement du Niveau d'Alarme"},
        {11, 0, 0, "Fin Dépassement du Niveau d'Alarme", "Fin Dépassement du Niveau d'Alarme"},
        {12, 1, 3, "Modif. Config. Afficheur Central = Niveau Leq 1 Seconde  ->  Niveau Leq 1 Minute",
         "Réglage Config. Aff. Centre = Leq 1 Min"},
        {12, 4, 136, "Modif. Config. Afficheur Central = Niveau Leq 5 Minutes  ->  ",
         "Réglage Config. Aff. Centre = "},
        {13, 136, 2, "Modif. Config. Afficheur Bas Gauche = Afficheur Désactivé  ->  Niveau Leq 10 Minutes",
         "Réglage Config. Aff. Bas Gauche = Leq 10 Min"},
        {13, 0, 1, "Modif. Config. Afficheur Bas Gauche =   ->  Niveau Leq 1 Seconde",
         "Réglage Config. Aff. Bas Gauche = Leq 1 Sec"},
        {14, 136, 0, "Modif. Config. Afficheur Bas Droite = Afficheur Désactivé  ->  Niveau Crête",
         "Réglage Config. Aff. Bas Droite = Crête"},
        {14, 0, 1, "Modif. Config. Afficheur Bas Droite = Niveau Crête  ->  ",
         "Réglage Config. Aff. Bas Droite = "},
        {14, 0, 136, "Modif. Config. Afficheur Bas Droite = Niveau Crête  ->  Afficheur Désactivé",
         "Réglage Config. Aff. Bas Droite = Désactivé"},
        {15, 3, 12, "Modif. Valeur de Luminosité Manuelle : 3/15 -> 12/15",
         "Réglage Valeur Luminosité : 12/15"},
        {16, 1, 2, "Changement de Type de Liaison Capteur : Capteur Type Ferrin  ->  Liaison Ostra",
         "Réglage de Liaison Capteur : Liaison Ostra"},
        {16, 2, 1, "Changement de Type de Liaison Capteur : Liaison Ostra  ->  Capteur Type Ferrin",
         "Réglage de Liaison Capteur : Capteur Type Ferrin"},
        {16, 3, 7, "Changement de Type de Liaison Capteur :   ->  ", "Réglage de Liaison Capteur : "},
        {32, 11, 0, "", ""},
        {33, 0, 0, "Mot de Passe Erroné", "Mot de Passe Erroné"},
        {33, 1, 0, "Changement de Mot de Passe", "Changement de Mot de Passe"},
        {33, 2, 0, "", ""},
        {0, 1, 1, "", ""},
        {17, 1, 1, "", ""},
        {34, 1, 1, "", ""},
        {-3, 1, 1, "", ""},
    };
    for (const Cas &c : cas) {
        EXPECT_EQ(long_(c.code, c.premier, c.second), QString::fromUtf8(c.long_))
            << c.code << " " << c.premier;
        EXPECT_EQ(court(c.code, c.premier, c.second), QString::fromUtf8(c.court))
            << c.code << " " << c.premier;
    }
}

TEST(TexteEvenement, PanelErrorReports)
{
    const std::pair<int, const char *> erreurs[] = {
        {10, "Mémoire Flash Non Initialisée"},
        {12, "Config. de l'Afficheur Central Erronée"},
        {13, "Config. de l'Afficheur Bas Gauche Erronée"},
        {14, "Config. de l'Afficheur Bas Droite Erronée"},
        {15, "Fonctionnement de la Luminosité Erroné"},
        {16, "Type de Luminosité Automatique Erroné"},
        {17, "Valeur de la Luminosité Manuelle Erronée"},
        {18, "Niveau d'Alarme Erroné"},
        {33, "Valeur de l'Adress Erronée"},
        {35, "Heure du Changement d'Heure Erronée"},
        {39, "Valeur de Date ou d'Heure Erronée"},
        {41, "Type de Capteur Erroné"},
    };
    for (const auto &[n, texte] : erreurs) {
        const QString numero = QStringLiteral("Erreur %1").arg(n);
        EXPECT_EQ(long_(32, n, 0),
                  QString::fromUtf8(texte) + QStringLiteral(" (") + numero + QStringLiteral(")"));
        EXPECT_EQ(court(32, n, 0), numero);
    }
}

TEST(TexteEvenement, OffsetWithEitherDecimalSeparator)
{
    const QLocale point(QLocale::English, QLocale::UnitedKingdom);
    const QLocale virgule(QLocale::French, QLocale::France);
    EXPECT_EQ(FT::Texte_Offset(0, point), QStringLiteral("00 dB"));
    EXPECT_EQ(FT::Texte_Offset(128, virgule), QStringLiteral("00 dB"));
    EXPECT_EQ(FT::Texte_Offset(8, point), QStringLiteral("+02 dB"));
    EXPECT_EQ(FT::Texte_Offset(9, point), QStringLiteral("+02.25 dB"));
    EXPECT_EQ(FT::Texte_Offset(9, virgule), QStringLiteral("+02,25 dB"));
    EXPECT_EQ(FT::Texte_Offset(40, virgule), QStringLiteral("+10 dB"));
    EXPECT_EQ(FT::Texte_Offset(41, virgule), QStringLiteral("+10,25 dB"));
    EXPECT_EQ(FT::Texte_Offset(127, point), QStringLiteral("+31.75 dB"));
    EXPECT_EQ(FT::Texte_Offset(136, point), QStringLiteral("-02 dB"));
    EXPECT_EQ(FT::Texte_Offset(129, virgule), QStringLiteral("-00,25 dB"));
    EXPECT_EQ(FT::Texte_Offset(168, point), QStringLiteral("-10 dB"));
    EXPECT_EQ(FT::Texte_Offset(255, virgule), QStringLiteral("-31,75 dB"));
    EXPECT_EQ(court(7, 0, 10, point), QStringLiteral("Réglage Offset = +02.5 dB"));
    EXPECT_EQ(court(7, 0, 10, virgule), QStringLiteral("Réglage Offset = +02,5 dB"));
    EXPECT_EQ(long_(7, 9, 138, virgule), QStringLiteral("Modif. Offset => +02,25 dB  ->  -02,5 dB"));
}

TEST(TexteEvenement, RowOutsideTheTableGivesEmptyText)
{
    const Table_Donnees t = table({{0, 0, 1, 1, 24, 1, 0, 0}});
    EXPECT_EQ(FT::Texte_Evenement(t, 1), QStringLiteral("Initialisation Système"));
    EXPECT_EQ(FT::Texte_Evenement(t, 0), QString());
    EXPECT_EQ(FT::Texte_Evenement(t, 2), QString());
    EXPECT_EQ(FT::Texte_Evenement_Court(t, -1), QString());
}

// ---- Event lines ------------------------------------------------------------------------------

TEST(LignesEvenements, LayoutDaysAndBoundsInBothWindows)
{
    const Table_Donnees t = table({{59, 23, 4, 3, 24, 2, 0, 0},
                                   {5, 9, 5, 3, 24, 1, 0, 0},
                                   {6, 9, 5, 3, 24, 20, 0, 0},
                                   {7, 9, 5, 3, 24, 8, 70, 75},
                                   {7, 9, 5, 3, 24, 70, 70, 75}, // a level row
                                   {0, 9, 31, 4, 24, 2, 0, 0},   // 31 April
                                   {59, 23, 6, 3, 24, 7, 255, 255},
                                   {0, 0, 7, 3, 24, 2, 0, 0}});
    const QStringList l = FT::Lignes_Evenements(t, mars(6), Libelles::Tableau, {}, QLocale::c());
    ASSERT_EQ(l.size(), 5);
    EXPECT_EQ(l[0], T + QStringLiteral("09 h. 05   :   Initialisation Système."));
    EXPECT_EQ(l[1], T + QStringLiteral("09 h. 06   :   ."));
    EXPECT_EQ(l[2], T + QStringLiteral("09 h. 07   :   Modif. Niveau d'Alarme => 70 dB  ->  75 dB."));
    EXPECT_EQ(l[3], QString());
    EXPECT_EQ(
        l[4],
        QStringLiteral(
            "   Mercredi  06  Mars  2024  à  23 h. 59   :   Modif. Offset => -31.75 dB  ->  -31.75 dB."));

    Declaration::Etat_Graphique g;
    g.Nombre_Jours_Graphique = 1;
    g.Jours_Graphique[1] = {0, 5, 3, 24};
    g.Jours_Graphique[2] = {0, 6, 3, 24};
    const Table_Donnees u = table({{59, 11, 5, 3, 24, 1, 0, 0},
                                   {0, 12, 5, 3, 24, 8, 70, 75},
                                   {0, 12, 6, 3, 24, 7, 0, 9},
                                   {1, 12, 6, 3, 24, 2, 0, 0}});
    const QStringList c =
        FT::Lignes_Evenements(u, FT::Periode_Graphique(g), Libelles::Graphique, {}, QLocale::c());
    ASSERT_EQ(c.size(), 3);
    EXPECT_EQ(c[0], T + QStringLiteral("12 h. 00  :  Réglage Niveau d'Alarme => 75 dB."));
    EXPECT_EQ(c[1], QString());
    EXPECT_EQ(c[2],
              QStringLiteral("   Mercredi  06  Mars  2024  à  12 h. 00  :  Réglage Offset = +02.25 dB."));
}

TEST(LignesEvenements, EmptyPeriodGivesEachWindowsText)
{
    const Table_Donnees t = table({{0, 9, 5, 3, 24, 70, 70, 75}});
    const QStringList vide = {QString(), QString(), QString(), QString()};
    EXPECT_EQ(FT::Lignes_Evenements(t, mars(), Libelles::Tableau),
              vide + QStringList{QStringLiteral("     Aucun événement pour cette période !!!")});
    EXPECT_EQ(FT::Lignes_Evenements(t, mars(), Libelles::Graphique),
              vide + QStringList{QStringLiteral("    Aucun d'événement pour cette période !!!")});
}

// ---- List-box fills ---------------------------------------------------------------------------

class RemplirListe : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::FreshState();
        auto &s = D().Date_Selection;
        s.Jour_Debut_Selection = s.Jour_Fin_Selection = 5;
        s.Mois_Debut_Selection = s.Mois_Fin_Selection = 3;
        s.Annee_Debut_Selection = s.Annee_Fin_Selection = 24;
        auto &g = D().Graphique;
        g.Nombre_Jours_Graphique = 1;
        g.Jours_Graphique[1] = {0, 5, 3, 24};
        g.Jours_Graphique[2] = {0, 6, 3, 24};
    }
    void TearDown() override { testsupport::FreshState(); }

    // Minute rows of the 5th from 00:00: a 5-minute level every fifth row, `code` in the others
    // (a 10-minute level, or an event below 40).
    static Table_Donnees minutes(int n, int code = 72)
    {
        Table_Donnees t;
        t.Redimensionner(n);
        for (int i = 1; i <= n; ++i) {
            const auto c6 = static_cast<int16_t>(i % 5 == 0 ? 200 : code);
            t.rows[static_cast<size_t>(i)] = {
                0, static_cast<int16_t>((i - 1) % 60), static_cast<int16_t>((i - 1) / 60), 5, 3, 24, c6, 65,
                80};
        }
        return t;
    }

    platform::ListBox liste;
};

TEST_F(RemplirListe, LeqListAdvancesTheWaitWindow)
{
    D().Donnees_Memoire = minutes(120);
    D().Parametres_Afficheur.Modele_40dB = true;
    D().Presence_Leq5 = true;
    D().Presence_Leq10 = true;
    frmWait &w = Wait::Show();
    w.Progression->setMax(120 * 4 + 0.001);
    liste.AddItem(QStringLiteral("ancienne ligne"));
    FT::Remplir_Liste_Leq(liste, FT::Niveau_Leq5);
    ASSERT_EQ(liste.ListCount(), 24);
    EXPECT_EQ(liste.List(0), T + QStringLiteral("00 h. 04  :  Niveau Leq 5 Min. =  72 dBA."));
    EXPECT_DOUBLE_EQ(w.Progression->Value(), 100);
    EXPECT_EQ(w.Label_Progression->text(), QStringLiteral("Données traitées = 100 / 480"));
    FT::Remplir_Liste_Leq(liste, FT::Niveau_Crete);
    EXPECT_EQ(liste.ListCount(), 120);
    EXPECT_EQ(w.Label_Progression->text(), QStringLiteral("Données traitées = 200 / 480"));
    Wait::Unload();
}

TEST_F(RemplirListe, EventListsFromStateWithTheirEmptyTexts)
{
    D().Donnees_Memoire = minutes(60, 1);
    D().Graphique.Donnees_Graphique = minutes(60, 1);
    FT::Remplir_Liste_Evenements(liste);
    ASSERT_EQ(liste.ListCount(), 60 - 12);
    EXPECT_EQ(liste.List(0), T + QStringLiteral("00 h. 00   :   Initialisation Système."));
    // The graph's period starts at noon: none of these morning rows.
    FT::Remplir_Liste_Evenements_Jour(liste);
    ASSERT_EQ(liste.ListCount(), 5);
    EXPECT_EQ(liste.List(4), QStringLiteral("    Aucun d'événement pour cette période !!!"));
}

TEST_F(RemplirListe, GraphFillerKeepsItsSelectionWithoutAClick)
{
    Table_Donnees t = minutes(120);
    for (auto &r : t.rows)
        r[2] += 12; // from noon on
    D().Graphique.Donnees_Graphique = t;
    QSignalSpy clics(&liste, &platform::ListBox::Click);
    FT::Remplir_Liste_Jour(liste, FT::Niveau_Leq1);
    ASSERT_EQ(liste.ListCount(), 120);
    EXPECT_EQ(liste.ListIndex(), -1);
    liste.setListIndex(12);
    FT::Remplir_Liste_Jour(liste, FT::Niveau_Crete);
    EXPECT_EQ(liste.ListIndex(), 12);
    EXPECT_TRUE(liste.List(12).endsWith(QStringLiteral("Niveau Leq Crête  =   80 dB.")));
    FT::Remplir_Liste_Jour(liste, FT::Niveau_Leq5);
    ASSERT_EQ(liste.ListCount(), 24);
    EXPECT_EQ(liste.ListIndex(), 12);
    // A list now too short for the old line is left without a selection.
    FT::Remplir_Liste_Jour(liste, FT::Niveau_Leq1);
    liste.setListIndex(100);
    FT::Remplir_Liste_Jour(liste, FT::Niveau_Leq5);
    EXPECT_EQ(liste.ListCount(), 24);
    EXPECT_EQ(liste.ListIndex(), -1);
    EXPECT_EQ(clics.count(), 0);
}

TEST_F(RemplirListe, GraphProgressOnlyWhileLoadingAndCappedAtTheMaximum)
{
    D().Graphique.Donnees_Graphique = minutes(120);
    D().Graphique.Indice_Debut_Periode = 11;
    D().Graphique.Indice_Fin_Periode = 20;
    frmWait &w = Wait::Show();
    w.Progression->setMax(70.001);
    FT::Remplir_Liste_Evenements_Jour(liste);
    EXPECT_DOUBLE_EQ(w.Progression->Value(), 0);
    D().Graphique.Chargement_Graphique = true;
    FT::Remplir_Liste_Jour(liste, FT::Niveau_Leq1);
    EXPECT_DOUBLE_EQ(w.Progression->Value(), 70.001);
    EXPECT_EQ(w.Label_Progression->text(), QStringLiteral("Données traitées = 70 / 70"));
    D().Presence_Leq5 = D().Presence_Leq10 = true;
    FT::Remplir_Liste_Evenements_Jour(liste);
    EXPECT_EQ(w.Label_Progression->text(), QStringLiteral("Données traitées = 70 / 90"));
    Wait::Unload();
}
