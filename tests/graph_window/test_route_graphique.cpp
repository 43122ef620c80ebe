// The whole analysis road once, against the simulated panel: "Graphique Leq" from the menu, a new
// transfer, the graph period dialog, the download, the graph window drawn, then a cursor, a zoom and the
// enlarged pane printed to PDF.
#include "analysis/core/frmData_Selected.h"
#include "analysis/core/frmData_Type.h"
#include "analysis/graph_window/Vues_Graphique.h"
#include "analysis/graph_window/frmData_Total_Graph.h"
#include "analysis/graph_window/frmGraphique.h"
#include "download_fixture.h"
#include "lecture_pdf.h"
#include "platform/common_dialog.h"
#include "zoom_fixture.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using zoom_fixture::Pixels;

const QColor Rouge(255, 0, 0);
const QColor Bleu(0, 0, 255);

class RouteGraphique : public Download
{
protected:
    void SetUp() override
    {
        Download::SetUp();
        Vues_Graphique::Inscrire();
    }
    void TearDown() override
    {
        platform::SetPrinterDialogAnswerer(nullptr);
        Download::TearDown();
    }

    testsupport::FastTicks faster{10.0};
};

TEST_F(RouteGraphique, NewTransferToTheGraphWindowThenCursorZoomAndPrint)
{
    // 2 to 7 March 2009, a record a minute, 10- and 5-minute Leq both present.
    sim->setRecords(panelsim::makeRecords(2, 3, 2009, 0, 0, 6 * 24 * 60));
    testsupport::MessageRecorder boxes;

    main->mnuGraphique->trigger();
    EXPECT_EQ(D().Type_Analyse, Declaration::Vue_Graphique);
    frmData_Type *source = Data_Type::Instance();
    ASSERT_NE(source, nullptr);
    source->Option_New_Transfert->setChecked(true);
    source->Cmd_Ok_Click();

    frmData_Total_Graph *periode = Data_Total_Graph::Instance();
    ASSERT_NE(periode, nullptr);
    EXPECT_EQ(periode->Label_Nombre_Data->text(), QStringLiteral("8640"));
    periode->MonthView_Start->setDate(QDate(2009, 3, 3));
    periode->Option_WeekEnd->setChecked(true);
    periode->Cmd_Ok_Click();

    frmData_Selected *telechargement = Data_Selected::Instance();
    ASSERT_NE(telechargement, nullptr);
    telechargement->Cmd_Ok_Click();
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_TRUE(opened.isEmpty()); // no window of the road was stood in for

    // The graph window, drawn on noon 3 March to noon 6 March.
    frmGraphique *f = Graphique::Instance();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(Data_Selected::Instance(), nullptr);
    EXPECT_FALSE(D().Ouvert.Ouvert_Wait);
    EXPECT_TRUE(main->isEnabled());
    const auto &g = D().Graphique;
    EXPECT_EQ(D().Donnees_Memoire.Nombre_Lignes(), 4 * 1440);
    EXPECT_EQ(g.Indice_Debut_Periode, 12 * 60 + 1);
    EXPECT_EQ(g.Donnees_Graphique.Nombre_Lignes(), 3 * 1440 + 1);
    EXPECT_TRUE(D().Presence_Leq5);
    EXPECT_TRUE(D().Presence_Leq10);
    EXPECT_TRUE(f->Label_Date->text().contains(QStringLiteral("03 Mars 2009")));
    EXPECT_TRUE(f->Label_Date->text().contains(QStringLiteral("06 Mars 2009")));
    EXPECT_EQ(f->Combo_Choix1->count(), 8);
    EXPECT_EQ(f->Label_Alarme->text(), QStringLiteral("85 dB"));
    for (platform::PictureBox *pane : {f->Graphique_Leq1, f->Graphique_Leq2, f->Graphique_Leq3})
        EXPECT_GT(Pixels(pane->image(), Rouge), 100);
    const int evenements = f->List_Evenements->ListCount();
    ASSERT_GT(evenements, 0);
    EXPECT_EQ(f->List_Evenements->List(evenements - 1),
              QStringLiteral("    Aucun d'événement pour cette période !!!"));
    EXPECT_GT(f->List_Leq3->ListCount(), 3 * 1440);

    // A row of the 1-minute table sets the cursor on both graph panes.
    const int i = f->Combo_Choix2->findText(QStringLiteral("Tableau Leq 1 Minute"));
    ASSERT_GE(i, 0);
    f->Combo_Choix2->setCurrentIndex(i);
    emit f->Combo_Choix2->activated(i);
    ASSERT_TRUE(f->List_Leq2->isVisible());
    const int ligne =
        zoom_fixture::Ligne_Avec(f->List_Leq2, QStringLiteral("04   Mars   2009   à   15 h. 00"));
    ASSERT_GE(ligne, 0);
    zoom_fixture::Cliquer(f->List_Leq2, ligne);
    EXPECT_TRUE(g.Curseur_Pose);
    EXPECT_EQ(g.Curseur_Jour, 4);
    EXPECT_EQ(g.Curseur_Heure, 15);
    EXPECT_EQ(g.Curseur_Minute, 0);
    EXPECT_GT(Pixels(f->Graphique_Leq1->image(), Bleu), 5);
    EXPECT_GT(Pixels(f->Graphique_Leq3->image(), Bleu), 5);

    // Pane 1 enlarged, then zoomed on 4 March 15 h. (x = 12 + 27 / 3 = 21) with the cursor kept.
    f->Cmd_Zoom1_Click();
    EXPECT_TRUE(f->Volet_Agrandi(1));
    zoom_fixture::Tirer(f->Graphique_Leq1, 19, -50, 23, -100);
    ASSERT_TRUE(g.Zoom_Selection);
    EXPECT_NEAR(f->Graphique_Leq1->ScaleLeft(), 19.0, 1e-4);
    EXPECT_NEAR(f->Graphique_Leq1->ScaleWidth(), 4.0, 1e-4);
    EXPECT_TRUE(f->Line_Level1[0]->Visible());
    EXPECT_GT(Pixels(f->Graphique_Leq1->image(), Rouge), 20);
    EXPECT_GT(Pixels(f->Graphique_Leq1->image(), Bleu), 5);
    EXPECT_FALSE(f->Cmd_Print1->isVisible()) << "a band-zoomed pane offers no print";

    // Back to the whole enlarged period, whose print button the user presses.
    f->Cmd_Zoom1_Click();
    EXPECT_FALSE(g.Zoom_Selection);
    EXPECT_TRUE(f->Volet_Agrandi(1));
    ASSERT_TRUE(f->Cmd_Print1->isVisible());
    EXPECT_GT(Pixels(f->Graphique_Leq1->image(), Bleu), 5) << "the cursor drawn again";

    // The enlarged pane on one landscape page of a PDF.
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QString pdf = dossier.filePath(QStringLiteral("volet.pdf"));
    platform::SetPrinterDialogAnswerer([pdf]() -> std::optional<QString> { return pdf; });
    f->Cmd_Print1_Click();
    const std::vector<lecture_pdf::Page> pages = lecture_pdf::Lire(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_GT(pages[0].largeur, pages[0].hauteur);
    EXPECT_NE(pages[0].trouver(QStringLiteral("FirmWare")), nullptr) << pages[0].texte().toStdString();
    EXPECT_TRUE(pages[0].texte().contains(QStringLiteral("06 Mars 2009"))) << pages[0].texte().toStdString();
    // The window and the main window are given back after the print.
    EXPECT_TRUE(main->isEnabled());
    EXPECT_TRUE(f->Combo_Choix1->isVisible());
    EXPECT_TRUE(f->Cmd_Print1->isVisible());
    EXPECT_TRUE(boxes.shown().empty());
}

} // namespace
