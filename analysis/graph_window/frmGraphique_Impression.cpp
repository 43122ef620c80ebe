// Printing an enlarged pane: the window laid out as a clean landscape page, its image printed, and the
// window and the main window given back as they were, whatever happens.
#include "analysis/core/frmMain.h"
#include "analysis/graph_window/frmGraphique.h"
#include "platform/common_dialog.h"
#include "platform/form.h"
#include "platform/printer.h"
#include "platform/twips.h"

#include <QPainter>
#include <QPicture>
#include <vector>

namespace {

// Tops of the page layout, in twips.
constexpr int kHautVolet = 30, kHautLegende = 8600, kHautEntete = 9000, kHautDate = 9300;

// A widget that shows a recorded image, so that the printer records the window as it was taken.
class Image_Fenetre : public QWidget
{
public:
    Image_Fenetre(const QPicture &image, QSize taille) : m_image(image) { resize(taille); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.drawPicture(0, 0, m_image);
    }

private:
    QPicture m_image;
};

// The controls a print moves, hides or whitens, as they stood; put back when it goes.
class Mise_En_Page
{
public:
    void garder(QWidget *w)
    {
        if (w)
            m_etats.push_back({w, w->geometry(), !w->isHidden(), w->palette(), w->autoFillBackground()});
    }
    ~Mise_En_Page()
    {
        for (const Etat &e : m_etats) {
            e.w->setGeometry(e.geometrie);
            e.w->setPalette(e.palette);
            e.w->setAutoFillBackground(e.remplissage);
            e.w->setVisible(e.visible);
        }
    }

private:
    struct Etat
    {
        QWidget *w;
        QRect geometrie;
        bool visible;
        QPalette palette;
        bool remplissage;
    };
    std::vector<Etat> m_etats;
};

// The main window disabled while the page prints, enabled again when it goes.
class Fenetre_Principale_Inactive
{
public:
    Fenetre_Principale_Inactive() : m_main(frmMain::Instance())
    {
        if (m_main)
            m_main->setEnabled(false);
    }
    ~Fenetre_Principale_Inactive()
    {
        if (m_main)
            m_main->setEnabled(true);
    }
    Fenetre_Principale_Inactive(const Fenetre_Principale_Inactive &) = delete;
    Fenetre_Principale_Inactive &operator=(const Fenetre_Principale_Inactive &) = delete;

private:
    frmMain *m_main;
};

void placerHaut(QWidget *w, int hautTwips)
{
    w->move(w->x(), platform::Px(hautTwips));
}

} // namespace

void frmGraphique::Cmd_Print1_Click()
{
    Cmd_Print_Click(1);
}
void frmGraphique::Cmd_Print2_Click()
{
    Cmd_Print_Click(2);
}
void frmGraphique::Cmd_Print3_Click()
{
    Cmd_Print_Click(3);
}

void frmGraphique::Cmd_Print_Click(int k)
{
    if (!Donnees_Presentes())
        return;
    platform::HandlerScope handler(this);
    platform::Printer imprimante;
    if (!platform::ShowPrinterDialog(imprimante) || !handler.Stands())
        return;
    // Landscape before every print: the window is wider than high.
    imprimante.setOrientation(platform::PageOrientation::Landscape);

    const Volet v = Volet_Graphique(k);
    QPicture image;
    {
        Mise_En_Page page;
        for (QWidget *w : std::initializer_list<QWidget *>{
                 this, v.Graphique, v.Label_Leq, Label_Entete, Label_Date, v.Cmd_Print, v.Cmd_Zoom,
                 v.Combo_Choix, Cmd_New_Data_Graphique, Cmd_New_Graph_Old, Cmd_Quit})
            page.garder(w);

        placerHaut(v.Graphique, kHautVolet);
        placerHaut(v.Label_Leq, kHautLegende);
        placerHaut(Label_Entete, kHautEntete);
        placerHaut(Label_Date, kHautDate);
        for (QWidget *w : std::initializer_list<QWidget *>{
                 v.Cmd_Print, v.Cmd_Zoom, v.Combo_Choix, Cmd_New_Data_Graphique, Cmd_New_Graph_Old, Cmd_Quit})
            w->hide();
        for (QWidget *w : std::initializer_list<QWidget *>{this, Label_Entete, Label_Date, v.Label_Leq})
            platform::SetBackground(w, Qt::white);

        // Taken while nothing is disabled, so that no text prints greyed.
        render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }

    const Fenetre_Principale_Inactive inactive;
    Image_Fenetre fenetre(image, size());
    // A failed print ends the handler without a message, as a cancelled dialog does.
    imprimante.PrintForm(fenetre);
}
