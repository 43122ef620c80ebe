// The events window: its list and labels, its printout read back from a PDF, and its roads from the
// "Analyse" menu, offscreen.
#include "analysis/core/Fonctions.h"
#include "analysis/core/Fonctions_Sauvegarde.h"
#include "analysis/core/Routes.h"
#include "analysis/core/frmData_Type.h"
#include "analysis/core/frmMain.h"
#include "analysis/core/frmWait.h"
#include "analysis/tables/Fonctions_Tableau.h"
#include "analysis/tables/Vues_Tableaux.h"
#include "analysis/tables/frmEvenements.h"
#include "download_fixture.h"
#include "lecture_pdf.h"
#include "panel_simulator.h"
#include "platform/common_dialog.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Declaration::D;
using panelsim::makeEvent;
using panelsim::Record;

void Tenir(const std::vector<Record> &records, Declaration::Etat &etat = D())
{
    auto &t = etat.Donnees_Memoire;
    t.Redimensionner(static_cast<int32_t>(records.size()));
    for (size_t i = 0; i < records.size(); ++i)
        for (int c = 0; c < 8; ++c)
            t(static_cast<int32_t>(i) + 1, c + 1) = records[i][static_cast<size_t>(c)];
}

void Periode(int j1, int m1, int j2, int m2)
{
    auto &s = D().Date_Selection;
    s.Jour_Debut_Selection = static_cast<int16_t>(j1);
    s.Mois_Debut_Selection = static_cast<int16_t>(m1);
    s.Annee_Debut_Selection = 9;
    s.Jour_Fin_Selection = static_cast<int16_t>(j2);
    s.Mois_Fin_Selection = static_cast<int16_t>(m2);
    s.Annee_Fin_Selection = 9;
}

// n events of code 12 (one of the longest lines) from 09:00 on 4 March 2009, one a minute.
std::vector<Record> Evenements_Du_Jour(int n)
{
    std::vector<Record> r;
    for (int i = 0; i < n; ++i)
        r.push_back(makeEvent(4, 3, 2009, 9 + i / 60, i % 60, 12, 1, 2));
    return r;
}

class EventsWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::FreshState();
        main = std::make_unique<frmMain>();
        main->show();
        Vues_Tableaux::Inscrire();
        auto &p = D().Parametres_Afficheur;
        p.Nom_Afficheur = QStringLiteral("Salle des fêtes");
        p.Numero_Serie = QStringLiteral("12345678");
        p.Version_Firmware = {0, 2, 4};
        Periode(4, 3, 5, 3);
    }
    void TearDown() override
    {
        platform::SetPrinterDialogAnswerer(nullptr);
        testsupport::FreshState();
        main.reset();
    }

    QString pdf(const char *nom) const { return dossier.filePath(QString::fromLatin1(nom)); }
    void imprimerVers(const QString &fichier)
    {
        platform::SetPrinterDialogAnswerer([fichier] { return std::optional<QString>(fichier); });
        Evenements::Instance()->Cmd_Print_Click();
    }

    std::unique_ptr<frmMain> main;
    QTemporaryDir dossier;
};

TEST_F(EventsWindow, ListsThePeriodsEventsWithTheirLongTextsDayByDay)
{
    auto mesures = panelsim::makeRecords(4, 3, 2009, 12, 0, 3);
    Tenir({makeEvent(3, 3, 2009, 23, 59, 1, 0, 0), makeEvent(4, 3, 2009, 9, 5, 1, 0, 0), mesures[0],
           makeEvent(4, 3, 2009, 10, 0, 8, 70, 75), mesures[1], makeEvent(4, 3, 2009, 11, 30, 13, 136, 2),
           Record{255, 255, 255, 255, 255, 255, 255, 255}, makeEvent(5, 3, 2009, 23, 59, 20, 4, 4),
           makeEvent(6, 3, 2009, 0, 0, 2, 0, 0), mesures[2]});
    main->setEnabled(false);
    main->setCursor(Qt::WaitCursor);

    frmEvenements &f = Evenements::Show();
    const QStringList attendu{
        QStringLiteral("   Mercredi  04  Mars  2009  à  09 h. 05   :   Initialisation Système."),
        QStringLiteral(
            "   Mercredi  04  Mars  2009  à  10 h. 00   :   Modif. Niveau d'Alarme => 70 dB  ->  75 dB."),
        QStringLiteral("   Mercredi  04  Mars  2009  à  11 h. 30   :   Modif. Config. Afficheur Bas Gauche = "
                       "Afficheur Désactivé  ->  Niveau Leq 10 Minutes."),
        QString(),
        QStringLiteral("    Jeudi    05  Mars  2009  à  23 h. 59   :   ."),
    };
    QStringList lignes;
    for (int i = 0; i < f.List_Evenements->ListCount(); ++i)
        lignes << f.List_Evenements->List(i);
    EXPECT_EQ(lignes, attendu);

    EXPECT_EQ(f.windowTitle(), QStringLiteral("Tableau des Evénements"));
    EXPECT_EQ(f.Label_Entete->text(),
              QStringLiteral("Pelmar - Salle des fêtes - Version FirmWare 2.4 - Numéro de Série :12345678"));
    EXPECT_EQ(f.Label_Date->text(),
              QStringLiteral("Tableau des Evénements du Mercredi 04 Mars 2009 au  Jeudi   05 Mars 2009"));
    EXPECT_TRUE(D().Ouvert.Ouvert_Evenements);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(Wait::Instance(), nullptr);
    EXPECT_TRUE(main->isEnabled());
    EXPECT_EQ(main->cursor().shape(), Qt::ArrowCursor);

    f.Cmd_Exit_Click();
    EXPECT_FALSE(D().Ouvert.Ouvert_Evenements);
    EXPECT_EQ(Evenements::Instance(), nullptr);
}

TEST_F(EventsWindow, EmptyPeriodShowsTheNoEventText)
{
    Tenir({makeEvent(3, 3, 2009, 12, 0, 1, 0, 0)});
    frmEvenements &f = Evenements::Show();
    ASSERT_EQ(f.List_Evenements->ListCount(), 5);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(f.List_Evenements->List(i), QString());
    EXPECT_EQ(f.List_Evenements->List(4), QStringLiteral("     Aucun événement pour cette période !!!"));
}

TEST_F(EventsWindow, HeadingOfThe40dBPanelAndTheButtonsByWhereTheDataCameFrom)
{
    D().Parametres_Afficheur.Modele_40dB = true;
    main->setSaveEnabled(false); // data read from a file
    {
        frmEvenements &f = Evenements::Show();
        EXPECT_TRUE(f.Label_Entete->text().startsWith(QStringLiteral("Pelmar - 40dB - Salle des fêtes - ")));
        EXPECT_FALSE(f.Cmd_New_Data->isVisible());
        EXPECT_TRUE(f.Cmd_New_Tableau->isVisible());
        EXPECT_EQ(f.Cmd_Print->toolTip(), QStringLiteral(" Impression du tableau"));
        EXPECT_EQ(f.Cmd_Exit->toolTip(), QStringLiteral("Ferme le tableau"));
        EXPECT_EQ(f.Cmd_New_Tableau->toolTip(),
                  QStringLiteral("Permet d'effectuer un nouveau tableau avec les données déjà chargées"));
        f.Cmd_Exit_Click();
    }
    main->setSaveEnabled(true); // data from the panel
    frmEvenements &f = Evenements::Show();
    EXPECT_TRUE(f.Cmd_New_Data->isVisible());
    EXPECT_EQ(f.Cmd_New_Data->toolTip(),
              QStringLiteral("Permet d'effectuer un nouveau tableau en téléchargeant de nouvelles données"));
    EXPECT_EQ(f.Cmd_New_Data->geometry(), platform::TwipsRect(8670, 8700, 555, 525));
    EXPECT_EQ(f.List_Evenements->geometry(), platform::TwipsRect(240, 810, 11235, 7800));

    // Both "new" buttons go through the route table; the dialog they open closes this window.
    QStringList ouverts;
    Routes::Inscrire(Routes::Vue::InTableau_Old, [&] {
        ouverts << QStringLiteral("frmInTableau_Old");
        Fonctions::Fermer_Fenetres();
    });
    Routes::Inscrire(Routes::Vue::Data_Total, [&] { ouverts << QStringLiteral("frmData_Total"); });
    f.Cmd_New_Data_Click();
    f.Cmd_New_Tableau_Click();
    Routes::Inscrire(Routes::Vue::InTableau_Old, nullptr);
    Routes::Inscrire(Routes::Vue::Data_Total, nullptr);
    EXPECT_EQ(ouverts, QStringList({"frmData_Total", "frmInTableau_Old"}));
    EXPECT_FALSE(D().Ouvert.Ouvert_Evenements);
}

TEST_F(EventsWindow, PrintOf63ItemsTakesOnePageAtTheirPlaces)
{
    Tenir(Evenements_Du_Jour(63));
    frmEvenements &f = Evenements::Show();
    ASSERT_EQ(f.List_Evenements->ListCount(), 63);
    imprimerVers(pdf("63.pdf"));

    const auto pages = lecture_pdf::Lire(pdf("63.pdf"));
    ASSERT_EQ(pages.size(), 1u);
    const lecture_pdf::Page &p = pages[0];
    const lecture_pdf::Mot *pelmar = p.trouver(QStringLiteral("Pelmar"));
    const lecture_pdf::Mot *tableau = p.trouver(QStringLiteral("Tableau"));
    ASSERT_NE(pelmar, nullptr);
    ASSERT_NE(tableau, nullptr);
    EXPECT_NEAR(pelmar->xMin, 3000 / 20.0, 1.0);
    EXPECT_NEAR(pelmar->yMin, 200 / 20.0, 1.0);
    EXPECT_NEAR(tableau->xMin, 2100 / 20.0, 1.0);
    EXPECT_NEAR(tableau->yMin, 400 / 20.0, 1.0);
    EXPECT_EQ(p.ligne(200 / 20.0), f.Label_Entete->text().simplified());
    EXPECT_EQ(p.ligne(400 / 20.0), f.Label_Date->text().simplified());

    // Row r at y 1000 + 200 r, from x 200 (after the three leading blanks); the whole line on the page.
    for (int r : {1, 2, 63}) {
        const double y = (1000 + 200 * r) / 20.0;
        EXPECT_EQ(p.ligne(y), f.List_Evenements->List(r - 1).simplified()) << r;
    }
    for (const lecture_pdf::Mot &m : p.mots) {
        EXPECT_GT(m.xMin, 200 / 20.0);
        EXPECT_LT(m.xMax, p.largeur - 10);
    }
    EXPECT_EQ(p.ligne(15800 / 20.0), QStringLiteral("Page 1"));
    const lecture_pdf::Mot *page = p.trouver(QStringLiteral("Page"), 15800 / 20.0);
    ASSERT_NE(page, nullptr);
    EXPECT_GT(page->xMin, 5000 / 20.0); // after the footer's leading blank
    EXPECT_LT(page->xMin, 5000 / 20.0 + 5);
    // Two blanks between the word and the number: wider than one blank and a half of the rows' face.
    const lecture_pdf::Mot *numero = p.trouver(QStringLiteral("1"), 15800 / 20.0);
    ASSERT_NE(numero, nullptr);
    EXPECT_GT(numero->xMin - page->xMax, 1.5 * 0.278 * 8);
}

TEST_F(EventsWindow, PrintBreaksAfter64RowsWithHeadingAndFooterOnEveryPage)
{
    Tenir(Evenements_Du_Jour(65));
    frmEvenements &f = Evenements::Show();
    ASSERT_EQ(f.List_Evenements->ListCount(), 65);
    imprimerVers(pdf("65.pdf"));
    auto pages = lecture_pdf::Lire(pdf("65.pdf"));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].ligne(13800 / 20.0), f.List_Evenements->List(63).simplified());
    EXPECT_EQ(pages[0].ligne(15800 / 20.0), QStringLiteral("Page 1"));
    EXPECT_EQ(pages[1].ligne(200 / 20.0), f.Label_Entete->text().simplified());
    EXPECT_EQ(pages[1].ligne(400 / 20.0), f.Label_Date->text().simplified());
    EXPECT_EQ(pages[1].ligne(1200 / 20.0), f.List_Evenements->List(64).simplified());
    EXPECT_EQ(pages[1].ligne(1400 / 20.0), QString());
    EXPECT_EQ(pages[1].ligne(15800 / 20.0), QStringLiteral("Page 2"));
    f.Cmd_Exit_Click();

    // Exactly 64 rows: the break comes with the 64th, so a second page holds its heading and footer.
    Tenir(Evenements_Du_Jour(64));
    frmEvenements &g = Evenements::Show();
    imprimerVers(pdf("64.pdf"));
    pages = lecture_pdf::Lire(pdf("64.pdf"));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].ligne(13800 / 20.0), g.List_Evenements->List(63).simplified());
    const QString seule = g.Label_Entete->text().simplified() + QLatin1Char(' ') +
                          g.Label_Date->text().simplified() + QStringLiteral(" Page 2");
    EXPECT_EQ(pages[1].texte(), seule);
}

TEST_F(EventsWindow, CancelInThePrinterDialogPrintsNothingAndSaysNothing)
{
    Tenir(Evenements_Du_Jour(3));
    frmEvenements &f = Evenements::Show();
    testsupport::MessageRecorder boxes;
    int demandes = 0;
    platform::SetPrinterDialogAnswerer([&demandes] {
        ++demandes;
        return std::optional<QString>();
    });
    f.Cmd_Print_Click();
    EXPECT_EQ(demandes, 1);
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_TRUE(QDir(dossier.path()).isEmpty());
    EXPECT_TRUE(f.isVisible());

    // A file that cannot be written fails as quietly.
    imprimerVers(pdf("absent/evenements.pdf"));
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_FALSE(QFile::exists(pdf("absent/evenements.pdf")));
}

// "Tableau Evénements" on a saved file: the data-source dialog reads it and leads to the table period
// dialog, which opens this window on the period chosen.
class EventsRoad : public Download
{
};

TEST_F(EventsRoad, EventsTableFromASavedFile)
{
    Declaration::Etat sauvee;
    Tenir({makeEvent(2, 3, 2009, 8, 0, 2, 0, 0), makeEvent(2, 3, 2009, 8, 1, 1, 0, 0),
           makeEvent(3, 3, 2009, 14, 12, 7, 8, 136)},
          sauvee);
    sauvee.Donnees_Chargees = true;
    sauvee.Periode_Chargee = {2, 3, 2009, 3, 3, 2009};
    sauvee.Adresse_Debut_Chargee = 0x30000;
    sauvee.Adresse_Fin_Chargee = 0x30000 + 2 * 8;
    sauvee.Parametres_Afficheur.Nom_Afficheur = QStringLiteral("Gymnase");
    sauvee.Parametres_Afficheur.Numero_Serie = QStringLiteral("00000042");
    sauvee.Parametres_Afficheur.Version_Firmware = {0, 2, 3};
    sauvee.Parametres_Chargees = sauvee.Parametres_Afficheur;
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("gymnase.pelmar"));
    QFile fichier(chemin);
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
    fichier.write(Fonctions_Sauvegarde::Octets_Sauvegarde(sauvee));
    fichier.close();

    Vues_Tableaux::Inscrire();
    // The table period dialog's Ok: the period chosen, the main window under the hourglass, the view.
    Routes::Inscrire(Routes::Vue::InTableau_Old, [this] {
        opened << QStringLiteral("frmInTableau_Old");
        Periode(2, 3, 3, 3);
        main->setEnabled(false);
        main->setCursor(Qt::WaitCursor);
        Routes::Ouvrir(Routes::Route_De(D().Type_Analyse)->vue);
    });
    platform::SetFileDialogAnswerer(
        [&](const platform::FileDialogRequest &) { return std::optional(chemin); });
    testsupport::MessageRecorder boxes;
    main->mnuTableau_Evenements->trigger();
    frmData_Type *d = Data_Type::Instance();
    ASSERT_NE(d, nullptr);
    d->Cmd_Search_Click();
    d->Cmd_Ok_Click();

    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(opened, QStringList({"frmInTableau_Old"}));
    frmEvenements *f = Evenements::Instance();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(Data_Type::Instance(), nullptr);
    ASSERT_EQ(f->List_Evenements->ListCount(), 4);
    EXPECT_EQ(f->List_Evenements->List(0),
              QStringLiteral("    Lundi    02  Mars  2009  à  08 h. 00   :   Coupure Alimentation."));
    EXPECT_EQ(f->List_Evenements->List(2), QString());
    EXPECT_TRUE(
        f->List_Evenements->List(3).endsWith(QStringLiteral(":   Modif. Offset => +02 dB  ->  -02 dB.")));
    EXPECT_TRUE(
        f->Label_Entete->text().startsWith(QStringLiteral("Pelmar - Gymnase - Version FirmWare 2.3")));
    // A file's data are not offered for a new transfer, and the main window is given back.
    EXPECT_FALSE(f->Cmd_New_Data->isVisible());
    EXPECT_TRUE(main->isEnabled());
    EXPECT_EQ(main->cursor().shape(), Qt::ArrowCursor);
}

} // namespace
