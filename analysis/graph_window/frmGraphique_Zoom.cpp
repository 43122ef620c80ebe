// The rubber-band zoom of an enlarged pane and the cursor that a pane list's row sets on every graph pane.
#include "analysis/graph_window/Zoom_Graphique.h"

#include "analysis/core/Declaration.h"
#include "analysis/graph_drawing/Fonctions_Graphique.h"
#include "analysis/graph_window/frmGraphique.h"
#include "analysis/tables/Fonctions_Tableau.h"

#include <array>
#include <cmath>
#include <utility>

using Declaration::D;

namespace {

// The pane's grid routine, which finds the pane through the registered window.
void tracerGrille(int k)
{
    if (k == 1)
        Fonctions_Graphique::Trace_Grille_Leq1();
    else if (k == 2)
        Fonctions_Graphique::Trace_Grille_Leq2();
    else
        Fonctions_Graphique::Trace_Grille_Leq3();
}

void masquerBande(const frmGraphique::Volet &v)
{
    for (platform::LineControl *l : {v.Line_Haut, v.Line_Bas, v.Line_Gauche, v.Line_Droite})
        if (l)
            l->setVisible(false);
}

// The first row of `liste` that begins with `cle`, -1 when none.
int chercher(const platform::ListBox &liste, const QString &cle)
{
    for (int i = 0; i < liste.ListCount(); ++i)
        if (liste.List(i).startsWith(cle))
            return i;
    return -1;
}

} // namespace

// ---- Rubber band ---------------------------------------------------------------------------------

void frmGraphique::Graphique_Leq1_MouseDown(int16_t Button, int16_t Shift, float X, float Y)
{
    Graphique_MouseDown(1, Button, Shift, X, Y);
}
void frmGraphique::Graphique_Leq2_MouseDown(int16_t Button, int16_t Shift, float X, float Y)
{
    Graphique_MouseDown(2, Button, Shift, X, Y);
}
void frmGraphique::Graphique_Leq3_MouseDown(int16_t Button, int16_t Shift, float X, float Y)
{
    Graphique_MouseDown(3, Button, Shift, X, Y);
}
void frmGraphique::Graphique_Leq1_MouseMove(int16_t Button, int16_t Shift, float X, float Y)
{
    Graphique_MouseMove(1, Button, Shift, X, Y);
}
void frmGraphique::Graphique_Leq2_MouseMove(int16_t Button, int16_t Shift, float X, float Y)
{
    Graphique_MouseMove(2, Button, Shift, X, Y);
}
void frmGraphique::Graphique_Leq3_MouseMove(int16_t Button, int16_t Shift, float X, float Y)
{
    Graphique_MouseMove(3, Button, Shift, X, Y);
}
void frmGraphique::Graphique_Leq1_MouseUp(int16_t Button, int16_t Shift, float X, float Y)
{
    Graphique_MouseUp(1, Button, Shift, X, Y);
}
void frmGraphique::Graphique_Leq2_MouseUp(int16_t Button, int16_t Shift, float X, float Y)
{
    Graphique_MouseUp(2, Button, Shift, X, Y);
}
void frmGraphique::Graphique_Leq3_MouseUp(int16_t Button, int16_t Shift, float X, float Y)
{
    Graphique_MouseUp(3, Button, Shift, X, Y);
}

void frmGraphique::Graphique_MouseDown(int k, int16_t Button, int16_t /*Shift*/, float X, float Y)
{
    if (!Volet_Agrandi(k) || Button != 1)
        return;
    auto &g = D().Graphique;
    g.Selection_En_Cours = true;
    g.Selection_X1 = g.Selection_X2 = X;
    g.Selection_Y1 = g.Selection_Y2 = Y;
}

void frmGraphique::Graphique_MouseMove(int k, int16_t /*Button*/, int16_t /*Shift*/, float X, float Y)
{
    auto &g = D().Graphique;
    if (!g.Selection_En_Cours)
        return;
    const Volet v = Volet_Graphique(k);
    g.Selection_X2 = X;
    g.Selection_Y2 = Y;
    const auto x1 = static_cast<float>(g.Selection_X1), y1 = static_cast<float>(g.Selection_Y1);
    const std::array<std::pair<platform::LineControl *, std::array<float, 4>>, 4> lignes{{
        {v.Line_Bas, {x1, Y, X, Y}},
        {v.Line_Haut, {x1, y1, X, y1}},
        {v.Line_Gauche, {x1, y1, x1, Y}},
        {v.Line_Droite, {X, y1, X, Y}},
    }};
    for (const auto &[ligne, bouts] : lignes) {
        if (!ligne)
            continue;
        ligne->setX1(bouts[0]);
        ligne->setY1(bouts[1]);
        ligne->setX2(bouts[2]);
        ligne->setY2(bouts[3]);
        ligne->setVisible(true);
    }
}

void frmGraphique::Graphique_MouseUp(int k, int16_t /*Button*/, int16_t /*Shift*/, float X, float Y)
{
    auto &g = D().Graphique;
    if (!g.Selection_En_Cours)
        return;
    const Volet v = Volet_Graphique(k);
    g.Selection_En_Cours = false;
    g.Selection_X2 = X;
    g.Selection_Y2 = Y;
    masquerBande(v);

    platform::PictureBox *box = v.Graphique;
    // A band let go beyond the pane's edges is dropped, as one too small is.
    const QPointF pixel = box->ToPixels(X, Y);
    if (!QRectF(box->rect()).contains(pixel))
        return;
    const std::optional<Zoom_Graphique::Cadre> cadre =
        Zoom_Graphique::Cadre_Bande(g.Selection_X1, g.Selection_Y1, g.Selection_X2, g.Selection_Y2);
    if (!cadre)
        return;

    for (platform::LineControl *l : *v.Line_Level)
        if (l)
            l->setVisible(true);
    v.Cmd_Print->setVisible(false);
    box->Cls();
    g.Zoom_Selection = true;

    g.Selection_X1 = cadre->X1;
    g.Selection_Y1 = cadre->Y1;
    g.Selection_X2 = cadre->X2;
    g.Selection_Y2 = cadre->Y2;
    box->setScaleLeft(static_cast<float>(cadre->X1));
    box->setScaleWidth(static_cast<float>(cadre->X2 - cadre->X1));
    box->setScaleTop(static_cast<float>(-cadre->Y2));
    box->setScaleHeight(static_cast<float>(cadre->Y2 - cadre->Y1));

    tracerGrille(k);
    const QString choix = v.Combo_Choix->currentText();
    // The alarm line belongs to the Leq views only, as in the whole-period drawing.
    if (Choix_Graphique(choix) && choix != Fonctions_Graphique::Choix_Crete) {
        box->setDrawWidth(2);
        Fonctions_Graphique::Trace_Niveau_Alarme(*box);
        box->setDrawWidth(1);
    }
    if (const QString serie = Serie_Du_Choix(choix); Choix_Graphique(choix) && !serie.isEmpty())
        Fonctions_Graphique::Trace_Courbe(*box, serie);
    Tracer_Curseur_Si_Pose();
    // Both ends taken down from the band's own values: the float scale may end just short of X2.
    Fonctions_Ecriture_Jour::Ecriture_Jours(*box, static_cast<int16_t>(std::floor(cadre->X1)),
                                            static_cast<int16_t>(std::floor(cadre->X2)), 0, 0, 0);
}

// ---- List cursor ---------------------------------------------------------------------------------

void frmGraphique::List_Leq1_MouseDown(int16_t, int16_t, float, float)
{
    List_MouseDown(1);
}
void frmGraphique::List_Leq2_MouseDown(int16_t, int16_t, float, float)
{
    List_MouseDown(2);
}
void frmGraphique::List_Leq3_MouseDown(int16_t, int16_t, float, float)
{
    List_MouseDown(3);
}
void frmGraphique::List_Leq1_KeyDown(int16_t KeyCode, int16_t Shift)
{
    List_KeyDown(1, KeyCode, Shift);
}
void frmGraphique::List_Leq2_KeyDown(int16_t KeyCode, int16_t Shift)
{
    List_KeyDown(2, KeyCode, Shift);
}
void frmGraphique::List_Leq3_KeyDown(int16_t KeyCode, int16_t Shift)
{
    List_KeyDown(3, KeyCode, Shift);
}

void frmGraphique::List_MouseDown(int k)
{
    auto &g = D().Graphique;
    g.Curseur_Jour = g.Curseur_Mois = g.Curseur_Annee = g.Curseur_Heure = g.Curseur_Minute = 0;
    g.Curseur_Pose = false;

    const Volet ce = Volet_Graphique(k);
    const int index = ce.List_Leq->ListIndex();
    const QString ligne = ce.List_Leq->List(index);
    if (ligne.isEmpty())
        return;

    static constexpr std::array<std::array<int, 2>, 4> autres{{{0, 0}, {2, 3}, {1, 3}, {1, 2}}};
    // With both 5- and 10-minute rows present the lists differ in rows, so a list showing another series
    // is searched for the same moment; a row without ":" has none to search for.
    const bool parMoment = D().Presence_Leq5 && D().Presence_Leq10;
    const QString cle = Zoom_Graphique::Cle_Ligne(ligne);
    for (const int j : autres[static_cast<size_t>(k)]) {
        const Volet autre = Volet_Graphique(j);
        platform::ListBox &liste = *autre.List_Leq;
        int cible = -1;
        if (!parMoment || autre.Combo_Choix->currentIndex() == ce.Combo_Choix->currentIndex())
            cible = index < liste.ListCount() ? index : -1;
        else if (!cle.isEmpty())
            cible = chercher(liste, cle);
        if (cible >= 0)
            liste.setListIndex(cible);
    }

    const Zoom_Graphique::Moment_Ligne m = Zoom_Graphique::Lecture_Ligne(ligne);
    g.Curseur_Jour = m.Jour;
    g.Curseur_Mois = m.Mois;
    g.Curseur_Annee = m.Annee;
    g.Curseur_Heure = m.Heure;
    g.Curseur_Minute = m.Minute;
    // Only a real moment counts for the later redraws; 00 h and xx h 00 are real moments.
    g.Curseur_Pose = Fonctions_Tableau::Moment(m.Jour, m.Mois, m.Annee, m.Heure, m.Minute) >= 0;
    Fonctions_Graphique::Trace_Curseur(m.Jour, m.Mois, m.Annee, m.Heure, m.Minute);
}

void frmGraphique::List_KeyDown(int k, int16_t KeyCode, int16_t /*Shift*/)
{
    // The cursor and the other lists follow the row the key is about to select; the list then moves
    // its own selection.
    platform::ListBox &liste = *Volet_Graphique(k).List_Leq;
    const int index = liste.ListIndex();
    int vers = index;
    if (KeyCode == 38 && index > 0)
        vers = index - 1;
    else if (KeyCode == 40 && index != liste.ListCount() - 1)
        vers = index + 1;
    if (vers == index)
        return;
    liste.setListIndex(vers);
    List_MouseDown(k);
    liste.setListIndex(index);
}
