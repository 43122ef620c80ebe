// The summary block beside the graph panes: its rows laid out for the series the period holds, and the
// alarm level and the maxima of the period written in.
#include "analysis/graph_drawing/Fonctions_Graphique.h"
#include "analysis/graph_drawing/Fonctions_Graphique_Courbe.h"

#include "analysis/tables/Fonctions_Tableau.h"
#include "platform/twips.h"

#include <algorithm>

using Declaration::D;
using Declaration::Enregistrement_Memoire;

namespace Fonctions_Graphique {

namespace {

void Montrer(QWidget *w, bool visible)
{
    if (w)
        w->setVisible(visible);
}

void Placer(QWidget *w, int left, int top, int width, int height)
{
    if (w)
        platform::PlaceTwips(w, left, top, width, height);
}

void Monter(QWidget *w, int top)
{
    if (w)
        w->move(w->x(), platform::Px(top));
}

void Legende(QLabel *l, int valeur, const QString &unite)
{
    if (l)
        l->setText(QString::number(valeur) + unite);
}

} // namespace

Maxima Calcul_Maxima(const Declaration::Etat_Graphique &g)
{
    Maxima m;
    const std::optional<Periode_Trace> p = Periode_Du_Graphique(g);
    if (!p)
        return m;
    const Declaration::Table_Donnees &t = g.Donnees_Graphique;
    for (int32_t i = 1; i <= t.Nombre_Lignes(); ++i) {
        const Enregistrement_Memoire &r = t.rows[static_cast<size_t>(i)];
        if (r[6] < 40 || !Ligne_Considere(r) || !p->Contient(Fonctions_Tableau::Moment_Ligne(r)))
            continue;
        if (r[6] <= 127)
            m.Leq10 = std::max(m.Leq10, r[6]);
        else
            m.Leq5 = std::max<int16_t>(m.Leq5, static_cast<int16_t>(r[6] - 128));
        m.Leq1 = std::max(m.Leq1, r[7]);
        m.Crete = std::max(m.Crete, r[8]);
    }
    return m;
}

void Affiche_Maxima()
{
    Fenetre_Graphique *f = Fenetre();
    if (!f)
        return;
    auto ligne = [f](int n) { return f->Line[static_cast<size_t>(n)]; };
    const bool leq5 = D().Presence_Leq5;
    const bool leq10 = D().Presence_Leq10;
    if (!leq5) {
        if (ligne(9))
            ligne(9)->Visible = false;
        Montrer(f->Label_Entete_Leq5, false);
        Montrer(f->Label_Leq5_Maxi, false);
    } else if (!leq10) {
        // The 5-minute row takes the 10-minute row's place.
        if (ligne(9))
            ligne(9)->Visible = false;
        Montrer(f->Label_Entete_Leq10, false);
        Montrer(f->Label_Leq10_Maxi, false);
        Montrer(f->Label_Entete_Leq5, true);
        Montrer(f->Label_Leq5_Maxi, true);
        Placer(f->Label_Entete_Leq5, 8160, 4080, 3225, 195);
        Placer(f->Label_Leq5_Maxi, 11520, 4080, 3195, 195);
    } else {
        // Five rows 270 twips apart, the 5-minute row under the 10-minute one.
        if (ligne(9))
            ligne(9)->Visible = true;
        Montrer(f->Label_Entete_Leq5, true);
        Montrer(f->Label_Leq5_Maxi, true);
        const std::array<std::pair<QLabel *, QLabel *>, 5> rangs{{
            {f->Label_Entete_Alarme, f->Label_Alarme},
            {f->Label_Entete_Leq10, f->Label_Leq10_Maxi},
            {f->Label_Entete_Leq5, f->Label_Leq5_Maxi},
            {f->Label_Entete_Leq1, f->Label_Leq1_Maxi},
            {f->Label_Entete_Crete, f->Label_Crete_Maxi},
        }};
        for (int i = 0; i < 5; ++i) {
            const int top = 3660 + 270 * i;
            Placer(rangs[static_cast<size_t>(i)].first, 8160, top, 3225, 195);
            Placer(rangs[static_cast<size_t>(i)].second, 11520, top, 3195, 195);
            if (Ligne_Fenetre *l = ligne(i + 1))
                l->Y1 = l->Y2 = static_cast<float>(top - 30);
        }
        if (ligne(9))
            ligne(9)->Y1 = ligne(9)->Y2 = 4980;
        for (const int n : {6, 7, 8}) {
            if (Ligne_Fenetre *l = ligne(n)) {
                l->Y1 = 3630;
                l->Y2 = 4980;
            }
        }
        Monter(f->List_Evenements, 960);
        Monter(f->Label_Entete_Evenements, 660);
    }

    const Maxima m = Calcul_Maxima(D().Graphique);
    const QString dB = QStringLiteral(" dB");
    const QString dBA = QStringLiteral(" dBA");
    Legende(f->Label_Alarme, D().Parametres_Afficheur.Niveau_Alarme, dB);
    Legende(f->Label_Leq10_Maxi, m.Leq10, dBA);
    Legende(f->Label_Leq5_Maxi, m.Leq5, dBA);
    Legende(f->Label_Leq1_Maxi, m.Leq1, dBA);
    Legende(f->Label_Crete_Maxi, m.Crete, dB);
}

} // namespace Fonctions_Graphique
