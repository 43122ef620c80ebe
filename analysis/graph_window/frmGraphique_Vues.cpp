// What each pane of the graph window shows: its view choice draws a graph or fills the pane's list.
#include "analysis/graph_window/frmGraphique.h"

#include "analysis/core/Declaration.h"
#include "analysis/tables/Fonctions_Tableau.h"

using Declaration::D;

namespace {

struct Vue
{
    QString entree;
    QString serie;
    bool graphique;
    QString legende;
};

// The view-choice entries, in the order in which a text is compared with them.
const std::array<Vue, 8> &Vues()
{
    using namespace Fonctions_Tableau;
    static const std::array<Vue, 8> vues{{
        {QStringLiteral("Graphique Leq 10 Minutes"), Niveau_Leq10, true,
         QStringLiteral("Graphique des Niveaux Leq 10 Minutes")},
        {QStringLiteral("Graphique Leq 5 Minutes"), Niveau_Leq5, true,
         QStringLiteral("Graphique des Niveaux Leq 5 Minutes")},
        {QStringLiteral("Graphique Leq 1 Minute"), Niveau_Leq1, true,
         QStringLiteral("Graphique des Niveaux Leq 1 Minute")},
        {QStringLiteral("Graphique Crête"), Niveau_Crete, true,
         QStringLiteral("Graphique des Niveaux Crête")},
        {QStringLiteral("Tableau Leq 10 Minutes"), Niveau_Leq10, false,
         QStringLiteral("Tableau des Niveaux Leq 10 Minutes")},
        {QStringLiteral("Tableau Leq 5 Minutes"), Niveau_Leq5, false,
         QStringLiteral("Tableau des Niveaux Leq 5 Minutes")},
        {QStringLiteral("Tableau Leq 1 Minute"), Niveau_Leq1, false,
         QStringLiteral("Tableau des Niveaux Leq 1 Minute")},
        {QStringLiteral("Tableau Crête"), Niveau_Crete, false, QStringLiteral("Tableau des Niveaux Crête")},
    }};
    return vues;
}

const Vue *Vue_De(const QString &texte)
{
    for (const Vue &v : Vues())
        if (v.entree == texte)
            return &v;
    return nullptr;
}

void Trace_Grille(int k)
{
    if (k == 1)
        Fonctions_Graphique::Trace_Grille_Leq1();
    else if (k == 2)
        Fonctions_Graphique::Trace_Grille_Leq2();
    else
        Fonctions_Graphique::Trace_Grille_Leq3();
}

} // namespace

QString frmGraphique::Serie_Du_Choix(const QString &texte)
{
    const Vue *v = Vue_De(texte);
    return v ? v->serie : QString();
}

bool frmGraphique::Choix_Graphique(const QString &texte)
{
    const Vue *v = Vue_De(texte);
    return v && v->graphique;
}

void frmGraphique::Tracer_Curseur_Si_Pose()
{
    const auto &g = D().Graphique;
    if (g.Curseur_Pose)
        Fonctions_Graphique::Trace_Curseur(g.Curseur_Jour, g.Curseur_Mois, g.Curseur_Annee, g.Curseur_Heure,
                                           g.Curseur_Minute);
}

void frmGraphique::Tracer_Volet(int k)
{
    const Volet v = Volet_Graphique(k);
    const Vue *vue = Vue_De(v.Combo_Choix->currentText());
    if (!vue || !vue->graphique)
        return;
    if (vue->serie == Fonctions_Tableau::Niveau_Crete) {
        Fonctions_Graphique::Trace_Axes_Crete(*v.Graphique);
    } else {
        Fonctions_Graphique::Trace_Axes_Leq(*v.Graphique);
        Fonctions_Graphique::Trace_Niveau_Alarme(*v.Graphique);
    }
    Fonctions_Graphique::Trace_Courbe(*v.Graphique, vue->serie);
}

void frmGraphique::Combo_Choix_Click(int k)
{
    const Volet v = Volet_Graphique(k);
    *v.Texte_Choix = v.Combo_Choix->currentText();
    v.Graphique->Cls();
    const Vue *vue = Vue_De(*v.Texte_Choix);
    if (!vue)
        return;
    if (!vue->graphique) {
        v.Graphique->hide();
        v.List_Leq->show();
        Fonctions_Tableau::Remplir_Liste_Jour(*v.List_Leq, vue->serie);
        v.Label_Leq->setText(vue->legende);
        return;
    }

    v.Graphique->show();
    v.List_Leq->hide();
    if (!D().Graphique.Zoom_Selection) {
        Tracer_Volet(k);
        Tracer_Curseur_Si_Pose();
        v.Label_Leq->setText(vue->legende);
        return;
    }
    // Under a band zoom the pane keeps its zoomed scale: grid and day labels of that range.
    Trace_Grille(k);
    if (vue->serie != Fonctions_Tableau::Niveau_Crete) {
        v.Graphique->setDrawWidth(2);
        Fonctions_Graphique::Trace_Niveau_Alarme(*v.Graphique);
    }
    v.Graphique->setDrawWidth(1);
    Fonctions_Graphique::Trace_Courbe(*v.Graphique, vue->serie);
    Tracer_Curseur_Si_Pose();
    v.Label_Leq->setText(vue->legende);
    const auto [x1, x2] = Fonctions_Ecriture_Jour::Vue_Jours_Choix(*v.Graphique, k);
    Fonctions_Ecriture_Jour::Ecriture_Jours(*v.Graphique, x1, x2, 0, 0, 0);
}

void frmGraphique::Combo_Choix_Change(int k)
{
    const Volet v = Volet_Graphique(k);
    v.Combo_Choix->setEditText(*v.Texte_Choix);
}

void frmGraphique::Combo_Choix1_Click()
{
    Combo_Choix_Click(1);
}
void frmGraphique::Combo_Choix2_Click()
{
    Combo_Choix_Click(2);
}
void frmGraphique::Combo_Choix3_Click()
{
    Combo_Choix_Click(3);
}
void frmGraphique::Combo_Choix1_Change()
{
    Combo_Choix_Change(1);
}
void frmGraphique::Combo_Choix2_Change()
{
    Combo_Choix_Change(2);
}
void frmGraphique::Combo_Choix3_Change()
{
    Combo_Choix_Change(3);
}
