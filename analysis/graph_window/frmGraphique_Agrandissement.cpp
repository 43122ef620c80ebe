// A pane of the graph window enlarged to the whole graph area, back from a band zoom, or back among three.
#include "analysis/graph_window/frmGraphique.h"

#include "analysis/core/Declaration.h"
#include "analysis/graph_window/Lignes_Periode.h"
#include "analysis/graph_window/Textes_Graphique.h"
#include "platform/twips.h"

#include <cmath>

using Declaration::D;

namespace {

struct Place
{
    int left, top;
};
// Normal places of each pane's picture, caption and view choice (twips).
constexpr std::array<Place, 4> Place_Graphique{{{0, 0}, {60, 660}, {60, 5130}, {7650, 5130}}};
constexpr std::array<Place, 4> Place_Legende{{{0, 0}, {90, 4800}, {90, 9270}, {7680, 9270}}};
constexpr std::array<Place, 4> Place_Choix{{{0, 0}, {5190, 4740}, {5190, 9210}, {12780, 9210}}};

Place place(const std::array<Place, 4> &t, int k)
{
    return t[static_cast<size_t>(k)];
}

} // namespace

bool frmGraphique::Volet_Agrandi(int k)
{
    const platform::PictureBox *box = Volet_Graphique(k).Graphique;
    return box->Width() == Largeur_Volet_Agrandi && box->Height() == Hauteur_Volet_Agrandi;
}

bool frmGraphique::Volet_Normal(int k)
{
    const platform::PictureBox *box = Volet_Graphique(k).Graphique;
    return box->Width() == Fonctions_Graphique::Largeur_Volet_Normal &&
           box->Height() == Fonctions_Graphique::Hauteur_Volet_Normal;
}

std::array<QLabel *, 8> frmGraphique::Labels_Resume() const
{
    return {Label_Entete_Alarme, Label_Entete_Leq10, Label_Entete_Leq1, Label_Entete_Crete,
            Label_Alarme,        Label_Leq10_Maxi,   Label_Leq1_Maxi,   Label_Crete_Maxi};
}

void frmGraphique::Placer_Bouton(int k, QPushButton *bouton, double x)
{
    const platform::PictureBox *box = Volet_Graphique(k).Graphique;
    if (box->ScaleWidth() == 0)
        return;
    const double pixels = (x - box->ScaleLeft()) / box->ScaleWidth() * box->width();
    bouton->move(static_cast<int>(std::lround(pixels)), bouton->y());
}

void frmGraphique::Cmd_Zoom_Click(int k)
{
    if (!m_donnees)
        return;
    const bool agrandi = Volet_Agrandi(k);
    if ((agrandi && D().Graphique.Zoom_Selection) || Volet_Normal(k))
        Agrandir(k);
    else if (agrandi)
        Restaurer(k);
}

void frmGraphique::Agrandir(int k)
{
    const Volet v = Volet_Graphique(k);
    const bool depuisNormal = Volet_Normal(k);
    v.Graphique->Cls();
    platform::PlaceTwips(v.Graphique, 60, 660, Largeur_Volet_Agrandi, Hauteur_Volet_Agrandi);
    v.Graphique->raise();
    for (platform::LineControl *l : *v.Line_Heure)
        l->setVisible(false);
    for (platform::LineControl *l : *v.Line_Level)
        l->setVisible(false);
    D().Graphique.Zoom_Selection = false;
    Textes_Graphique::Poser_Image(v.Cmd_Zoom, Textes_Graphique::Image_No_Zoom);
    Textes_Graphique::Poser_Image(v.Cmd_Print, Textes_Graphique::Image_Print);
    v.Cmd_Print->show();

    // From a band zoom the block is already hidden: what it showed was noted when the pane left three.
    if (depuisNormal) {
        const std::array<QLabel *, 8> labels = Labels_Resume();
        for (size_t i = 0; i < labels.size(); ++i)
            m_labelsVisibles[i] = !labels[i]->isHidden();
    }
    for (int n = 1; n <= 8; ++n)
        Line[static_cast<size_t>(n)].Visible = false;
    for (QLabel *l : Labels_Resume())
        l->hide();
    Label_Entete_Evenements->hide();
    for (int autre = 1; autre <= 3; ++autre) {
        const Volet o = Volet_Graphique(autre);
        o.List_Leq->hide();
        if (autre == k)
            continue;
        o.Graphique->hide();
        o.Combo_Choix->hide();
        o.Label_Leq->hide();
    }
    List_Evenements->hide();
    platform::PlaceTwips(v.Label_Leq, 90, 9270, 12600, 255);
    v.Combo_Choix->move(platform::Px(12780), platform::Px(9210));

    for (int i = v.Combo_Choix->count() - 1; i >= 0; --i)
        if (v.Combo_Choix->itemText(i).startsWith(Lignes_Periode::Prefixe_Tableau))
            v.Combo_Choix->removeItem(i);

    Tracer_Volet(k);
    Tracer_Curseur_Si_Pose();
    const double r = v.Graphique->ScaleLeft() + v.Graphique->ScaleWidth();
    const int jours = D().Graphique.Nombre_Jours_Graphique;
    if (jours == 1 || jours == 3) {
        Placer_Bouton(k, v.Cmd_Print, r - 2.55);
        Placer_Bouton(k, v.Cmd_Zoom, r - 1.3);
    } else if (jours == 7) {
        Placer_Bouton(k, v.Cmd_Print, r - 2.9);
        Placer_Bouton(k, v.Cmd_Zoom, r - 1.45);
    }
    update();
}

void frmGraphique::Restaurer(int k)
{
    const Volet v = Volet_Graphique(k);
    v.Graphique->Cls();
    const Place p = place(Place_Graphique, k);
    platform::PlaceTwips(v.Graphique, p.left, p.top, Fonctions_Graphique::Largeur_Volet_Normal,
                         Fonctions_Graphique::Hauteur_Volet_Normal);
    Textes_Graphique::Poser_Image(v.Cmd_Zoom, Textes_Graphique::Image_Zoom);
    Textes_Graphique::Poser_Image(v.Cmd_Print, Textes_Graphique::Image_Print);
    v.Cmd_Print->hide();

    for (int n = 1; n <= 8; ++n)
        Line[static_cast<size_t>(n)].Visible = true;
    // The maxima hid the rows of an absent series: they stay hidden.
    const std::array<QLabel *, 8> labels = Labels_Resume();
    for (size_t i = 0; i < labels.size(); ++i)
        labels[i]->setVisible(m_labelsVisibles[i]);
    Label_Entete_Evenements->show();
    List_Evenements->show();
    v.List_Leq->hide();
    for (int autre = 1; autre <= 3; ++autre) {
        if (autre == k)
            continue;
        const Volet o = Volet_Graphique(autre);
        o.Combo_Choix->show();
        o.Label_Leq->show();
        const bool tableau = o.Combo_Choix->currentText().startsWith(Lignes_Periode::Prefixe_Tableau);
        o.List_Leq->setVisible(tableau);
        o.Graphique->setVisible(!tableau);
    }
    const Place l = place(Place_Legende, k);
    platform::PlaceTwips(v.Label_Leq, l.left, l.top, 5025, 255);
    const Place c = place(Place_Choix, k);
    v.Combo_Choix->move(platform::Px(c.left), platform::Px(c.top));

    // The same entries as the load gave, the graph ones still in place.
    const QStringList entrees = Lignes_Periode::Entrees_Choix({D().Presence_Leq5, D().Presence_Leq10});
    for (const QString &e : entrees)
        if (e.startsWith(Lignes_Periode::Prefixe_Tableau))
            v.Combo_Choix->addItem(e);

    Tracer_Volet(k);
    Tracer_Curseur_Si_Pose();
    const double r = v.Graphique->ScaleLeft() + v.Graphique->ScaleWidth();
    const int jours = D().Graphique.Nombre_Jours_Graphique;
    if (jours == 1 || jours == 3)
        Placer_Bouton(k, v.Cmd_Zoom, r - 2.6);
    else if (jours == 7)
        Placer_Bouton(k, v.Cmd_Zoom, r - 2.9);
    update();
}

void frmGraphique::Cmd_Zoom1_Click()
{
    Cmd_Zoom_Click(1);
}
void frmGraphique::Cmd_Zoom2_Click()
{
    Cmd_Zoom_Click(2);
}
void frmGraphique::Cmd_Zoom3_Click()
{
    Cmd_Zoom_Click(3);
}
