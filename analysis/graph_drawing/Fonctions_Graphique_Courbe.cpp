// The red step curve of one level series of the graph window's rows, and the green alarm line.
#include "analysis/graph_drawing/Fonctions_Graphique_Courbe.h"
#include "analysis/graph_drawing/Fonctions_Graphique.h"

#include "analysis/core/frmWait.h"
#include "analysis/tables/Fonctions_Tableau.h"
#include "platform/drawing_surface.h"
#include "platform/form.h"
#include "platform/input_guard.h"
#include "platform/ticks.h"

using Declaration::D;

namespace Fonctions_Graphique {

namespace {

const QColor Rouge(255, 0, 0);
const QColor Vert_Alarme(0, 146, 64);

// During the graph window's first drawing: the wait window moves on by 50 rows, up to its maximum, and
// window events run, the user's input held back meanwhile.
void Pas_Progression()
{
    const auto &e = D();
    const int64_t total =
        (static_cast<int64_t>(e.Graphique.Indice_Fin_Periode) - e.Graphique.Indice_Debut_Periode + 1) *
        (e.Presence_Leq5 && e.Presence_Leq10 ? 9 : 7);
    if (frmWait *w = Wait::Instance()) {
        platform::ProgressBar *p = w->Progression;
        p->setValue(p->Max() - p->Value() >= 50 ? p->Value() + 50 : p->Max());
        w->Label_Progression->setText(Texte_Progression(p->Value(), total));
    }
    platform::InputGuard garde;
    platform::DoEvents();
}

} // namespace

Etat_Trace Trace_Courbe(platform::DrawingSurface &box, const QString &serie)
{
    Etat_Trace etat;
    box.setForeColor(Rouge);
    const Declaration::Selection &s = D().Date_Selection;
    if (s.Adresse_Debut_Selection == 0 || s.Adresse_Fin_Selection == 0)
        return etat;
    const Declaration::Etat_Graphique &g = D().Graphique;
    const std::optional<Periode_Trace> periode = Periode_Du_Graphique(g);
    if (!periode)
        return etat;
    const Serie sorte = Serie_De(serie);
    // The bound is read at each turn: window events run between rows.
    for (int32_t i = 1; i <= g.Donnees_Graphique.Nombre_Lignes(); ++i) {
        const Declaration::Enregistrement_Memoire &r = g.Donnees_Graphique.rows[static_cast<size_t>(i)];
        if (Ligne_Considere(r)) {
            etat.Point_Y = 0;
            const int64_t t = Fonctions_Tableau::Moment_Ligne(r);
            if (r[6] >= 40 && periode->Contient(t)) {
                etat.Point_X = periode->Abscisse(t);
                etat.Point_Y = Ordonnee_Serie(r, sorte);
                if (etat.Point_Y != 0)
                    Tracer_Point(box, etat);
            }
        }
        if (i % 50 == 0 && D().Graphique.Chargement_Graphique) {
            Pas_Progression();
            if (platform::ProgramClosing())
                return etat;
        }
    }
    return etat;
}

void Trace_Niveau_Alarme(platform::DrawingSurface &box)
{
    const auto y = static_cast<float>(-D().Parametres_Afficheur.Niveau_Alarme);
    switch (D().Graphique.Nombre_Jours_Graphique) {
    case 1:
    case 3: box.Line(11, y, 37, y, Vert_Alarme); break;
    case 7: box.Line(11, y, 41, y, Vert_Alarme); break;
    default: break;
    }
}

} // namespace Fonctions_Graphique
