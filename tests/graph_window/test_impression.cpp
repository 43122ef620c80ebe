// Printing an enlarged pane: one landscape page read back from the PDF, and the window and the main
// window given back as they were on every way out, a cancelled printer dialog included.
#include "lecture_pdf.h"
#include "platform/common_dialog.h"
#include "zoom_fixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

using Declaration::D;

// Counts the main window's changes of enabled state.
class Bascules : public QObject
{
public:
    explicit Bascules(QWidget *w) { w->installEventFilter(this); }
    int n = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        n += e->type() == QEvent::EnabledChange;
        return false;
    }
};

class PanePrint : public zoom_fixture::Fenetre
{
protected:
    void TearDown() override
    {
        platform::SetPrinterDialogAnswerer(nullptr);
        zoom_fixture::Fenetre::TearDown();
    }

    // What a print may change, as it stands.
    struct Etat
    {
        QRect volet, legende, entete, date;
        bool print, zoom, choix, nouveau, ancien, quitter;
        QColor fond, fondEntete;
        bool operator==(const Etat &) const = default;
    };
    Etat etat() const
    {
        return {f->Graphique_Leq2->geometry(),        f->Label_Leq2->geometry(),
                f->Label_Entete->geometry(),          f->Label_Date->geometry(),
                f->Cmd_Print2->isVisible(),           f->Cmd_Zoom2->isVisible(),
                f->Combo_Choix2->isVisible(),         f->Cmd_New_Data_Graphique->isVisible(),
                f->Cmd_New_Graph_Old->isVisible(),    f->Cmd_Quit->isVisible(),
                f->palette().color(QPalette::Window), f->Label_Entete->palette().color(QPalette::Window)};
    }

    QTemporaryDir dossier;
};

TEST_F(PanePrint, AnEnlargedPanePrintsOnOneLandscapePageAndTheWindowComesBack)
{
    Ouvrir(3);
    f->Cmd_Zoom2_Click();
    ASSERT_TRUE(f->Cmd_Print2->isVisible());
    const Etat avant = etat();
    // The enlarged layout the print returns to.
    EXPECT_EQ(avant.volet.top(), platform::Px(660));
    EXPECT_EQ(avant.legende.top(), platform::Px(9270));
    EXPECT_EQ(avant.entete.top(), platform::Px(30));
    EXPECT_EQ(avant.date.top(), platform::Px(330));
    EXPECT_EQ(avant.fond, QColor(197, 207, 237));
    Bascules bascules(main.get());
    testsupport::MessageRecorder boites;

    // Cancel: nothing changes.
    int demandes = 0;
    platform::SetPrinterDialogAnswerer([&demandes] {
        ++demandes;
        return std::optional<QString>();
    });
    f->Cmd_Print2_Click();
    EXPECT_EQ(demandes, 1);
    EXPECT_EQ(etat(), avant);
    EXPECT_EQ(bascules.n, 0);
    EXPECT_TRUE(main->isEnabled());

    // A print that fails once the page was laid out gives everything back as well.
    const QString absent = dossier.filePath(QStringLiteral("absent/graphique.pdf"));
    platform::SetPrinterDialogAnswerer([absent] { return std::optional<QString>(absent); });
    f->Cmd_Print2_Click();
    EXPECT_FALSE(QFile::exists(absent));
    EXPECT_EQ(etat(), avant);
    EXPECT_TRUE(main->isEnabled());

    const QString chemin = dossier.filePath(QStringLiteral("graphique.pdf"));
    platform::SetPrinterDialogAnswerer([chemin] { return std::optional<QString>(chemin); });
    bascules.n = 0;
    f->Cmd_Print2_Click();
    EXPECT_EQ(etat(), avant);
    // Disabled while the page printed, enabled again after.
    EXPECT_EQ(bascules.n, 2);
    EXPECT_TRUE(main->isEnabled());
    EXPECT_TRUE(boites.shown().empty());

    const auto pages = lecture_pdf::Lire(chemin);
    ASSERT_EQ(pages.size(), 1u);
    const lecture_pdf::Page &p = pages[0];
    EXPECT_GT(p.largeur, p.hauteur);
    const QString texte = p.texte();
    EXPECT_TRUE(texte.contains(f->Label_Leq2->text().simplified()));
    EXPECT_TRUE(texte.contains(f->Label_Entete->text().simplified()));
    EXPECT_TRUE(texte.contains(QStringLiteral("Graphique des Niveaux du")));
    // No combo, no button captions, no summary block.
    EXPECT_FALSE(texte.contains(QStringLiteral("Graphique Leq 1 Minute")));
    EXPECT_FALSE(texte.contains(QStringLiteral("Quitter")));
    EXPECT_FALSE(texte.contains(QStringLiteral("Alarme")));
    // Caption, heading and date under the pane at 8600, 9000 and 9300 twips, as they are on the page.
    const lecture_pdf::Mot *legende = p.trouver(QStringLiteral("Niveaux"));
    const lecture_pdf::Mot *entete = p.trouver(QStringLiteral("Pelmar"));
    const lecture_pdf::Mot *date = p.trouver(QStringLiteral("au"));
    ASSERT_TRUE(legende && entete && date);
    ASSERT_LT(legende->yMin, entete->yMin);
    ASSERT_LT(entete->yMin, date->yMin);
    EXPECT_NEAR((date->yMin - entete->yMin) / (entete->yMin - legende->yMin), 300.0 / 400.0, 0.1);
    EXPECT_GT(legende->yMin, p.hauteur / 2);

    // Taken before the main window was disabled: the heading prints black, not grey.
    const QString image = dossier.filePath(QStringLiteral("page"));
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-png"),
                       QStringLiteral("-singlefile"), chemin, image});
    const QImage page(image + QStringLiteral(".png"));
    ASSERT_FALSE(page.isNull());
    int plusSombre = 255;
    for (int y = int(entete->yMin); y <= int(entete->yMax); ++y)
        for (int x = int(entete->xMin); x <= int(entete->xMax); ++x)
            plusSombre = std::min(plusSombre, qGray(page.pixel(x, y)));
    EXPECT_LT(plusSombre, 60);

    // A second print still asks for landscape.
    const QString second = dossier.filePath(QStringLiteral("second.pdf"));
    platform::SetPrinterDialogAnswerer([second] { return std::optional<QString>(second); });
    f->Cmd_Print2_Click();
    const auto encore = lecture_pdf::Lire(second);
    ASSERT_EQ(encore.size(), 1u);
    EXPECT_GT(encore[0].largeur, encore[0].hauteur);
    EXPECT_EQ(etat(), avant);
}

TEST_F(PanePrint, TheNewTransferButtonComesBackOnlyWhenItWasShown)
{
    Ouvrir(1);
    main->setSaveEnabled(true);
    Graphique::Unload();
    f = &Graphique::Show();
    f->Cmd_Zoom1_Click();
    ASSERT_TRUE(f->Cmd_New_Data_Graphique->isVisible());
    const QString chemin = dossier.filePath(QStringLiteral("un.pdf"));
    platform::SetPrinterDialogAnswerer([chemin] { return std::optional<QString>(chemin); });
    f->Cmd_Print1_Click();
    EXPECT_TRUE(QFile::exists(chemin));
    EXPECT_TRUE(f->Cmd_New_Data_Graphique->isVisible());
    EXPECT_TRUE(f->Cmd_Print1->isVisible());
    EXPECT_TRUE(f->Combo_Choix1->isVisible());
    EXPECT_EQ(f->Graphique_Leq1->y(), platform::Px(660));
}

} // namespace
