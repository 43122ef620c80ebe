// The cursor arrow on every graph pane of the graph window.
#include "analysis/graph_drawing/Fonctions_Graphique.h"
#include "analysis/graph_drawing/Fonctions_Graphique_Courbe.h"

#include "analysis/tables/Fonctions_Tableau.h"

using Declaration::D;

namespace Fonctions_Graphique {

namespace {

const QColor Bleu(0, 0, 255);

// The series a pane's choice shows; empty for a text that names no graph.
QString Serie_Du_Choix(const QString &choix)
{
    if (choix == Choix_Leq10)
        return Fonctions_Tableau::Niveau_Leq10;
    if (choix == Choix_Leq5)
        return Fonctions_Tableau::Niveau_Leq5;
    if (choix == Choix_Leq1)
        return Fonctions_Tableau::Niveau_Leq1;
    if (choix == Choix_Crete)
        return Fonctions_Tableau::Niveau_Crete;
    return {};
}

// y of the arrow's point: the level, in the pane's series, of the first measurement row at the cursor
// time; 0 when there is none or its level is 0.
double Niveau_Curseur(const QString &choix, int jour, int mois, int annee, int heure, int minute)
{
    if (Serie_Du_Choix(choix).isEmpty())
        return 0;
    const Declaration::Table_Donnees &t = D().Graphique.Donnees_Graphique;
    for (int32_t i = 1; i <= t.Nombre_Lignes(); ++i) {
        const Declaration::Enregistrement_Memoire &r = t.rows[static_cast<size_t>(i)];
        if (r[2] == heure && r[1] == minute && r[3] == jour && r[4] == mois && r[5] + 2000 == annee &&
            r[6] >= 40)
            return Niveau_Fleche(r, choix);
    }
    return 0;
}

void Fleche(platform::DrawingSurface &box, double x, double y)
{
    const auto X = static_cast<float>(x);
    const auto Y = static_cast<float>(y);
    box.setForeColor(Bleu);
    box.Line(X, Y - 1, X, Y - 5);                 // the shaft
    box.Line(X, Y - 0.1f, X - 0.05f, Y - 1);      // one side of the head
    box.Line(X, Y - 0.1f, X + 0.05f, Y - 1);      // the other side
    box.Line(X - 0.05f, Y - 1, X + 0.05f, Y - 1); // its base
}

} // namespace

void Trace_Curseur(int16_t jour, int16_t mois, int16_t annee, int16_t heure, int16_t minute)
{
    for (int k = 1; k <= 3; ++k) {
        // Looked up again for each pane: a curve drawn during the window's load lets events run.
        Fenetre_Graphique *f = Fenetre();
        if (!f)
            return;
        Volet_Graphique &v = f->Volet[static_cast<size_t>(k)];
        if (!v.Graphique || !v.Combo_Choix)
            continue;
        const QString choix = v.Combo_Choix->currentText();
        if (choix.left(9) != QStringLiteral("Graphique"))
            continue;
        platform::DrawingSurface &box = *v.Graphique;
        // Under a rubber-band zoom the zoomed pane has just drawn its curve and the others are hidden:
        // only the arrow is added.
        if (!D().Graphique.Zoom_Selection) {
            box.Cls();
            if (choix != Choix_Crete) {
                Trace_Axes_Leq(box);
                Trace_Niveau_Alarme(box);
            } else {
                Trace_Axes_Crete(box);
            }
            if (const QString serie = Serie_Du_Choix(choix); !serie.isEmpty())
                Trace_Courbe(box, serie);
        }

        // A pane without a point at the cursor time gets no arrow; the other panes still get theirs.
        const double y = Niveau_Curseur(choix, jour, mois, annee, heure, minute);
        if (y == 0)
            continue;
        const std::optional<Periode_Trace> periode = Periode_Du_Graphique(D().Graphique);
        const int64_t t = Fonctions_Tableau::Moment(jour, mois, annee, heure, minute);
        if (!periode || t < 0)
            continue;
        Fleche(box, periode->Abscisse(t), y);
    }
}

} // namespace Fonctions_Graphique
