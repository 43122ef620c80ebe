// Drawing the graph window's panes on picture boxes of the normal pane size: one 7-day pane of minute
// rows (about 10,000 points) with its axes and alarm line, and the three panes of a 7-day window.
#include "analysis/core/Declaration.h"
#include "analysis/graph_drawing/Fonctions_Graphique.h"
#include "donnees_graphique.h"
#include "platform/picture_box.h"
#include "platform/twips.h"

#include <benchmark/benchmark.h>

using Declaration::D;
namespace FG = Fonctions_Graphique;

namespace {

void Sept_Jours()
{
    Declaration::Reinitialiser();
    donnees_graphique::Generer(7, QDate(2024, 3, 4), donnees_graphique::Sortes::Les_Deux);
    D().Parametres_Afficheur.Niveau_Alarme = 80;
    D().Presence_Leq5 = D().Presence_Leq10 = true;
}

void Volet(platform::PictureBox &box)
{
    box.resize(platform::Px(FG::Largeur_Volet_Normal), platform::Px(FG::Hauteur_Volet_Normal));
}

void Dessiner(platform::PictureBox &box, const QString &choix, const QString &serie)
{
    box.Cls();
    if (choix == FG::Choix_Crete) {
        FG::Trace_Axes_Crete(box);
    } else {
        FG::Trace_Axes_Leq(box);
        FG::Trace_Niveau_Alarme(box);
    }
    FG::Trace_Courbe(box, serie);
}

void BM_OnePane_7Days_MinuteRows(benchmark::State &state)
{
    Sept_Jours();
    state.SetLabel(QStringLiteral("Leq 1 min, %1 rows, axes + alarm + curve")
                       .arg(D().Graphique.Donnees_Graphique.Nombre_Lignes())
                       .toStdString());
    platform::PictureBox box;
    Volet(box);
    for (auto _ : state) {
        Dessiner(box, FG::Choix_Leq1, QStringLiteral("Niveau Leq 1 Minute"));
        benchmark::DoNotOptimize(box.image().constBits());
    }
}
BENCHMARK(BM_OnePane_7Days_MinuteRows)->Unit(benchmark::kMillisecond);

void BM_ThreePanes_7Days(benchmark::State &state)
{
    Sept_Jours();
    state.SetLabel("Leq 10 min, Leq 1 min, peak");
    platform::PictureBox volets[3];
    for (auto &v : volets)
        Volet(v);
    for (auto _ : state) {
        Dessiner(volets[0], FG::Choix_Leq10, QStringLiteral("Niveau Leq 10 Minutes"));
        Dessiner(volets[1], FG::Choix_Leq1, QStringLiteral("Niveau Leq 1 Minute"));
        Dessiner(volets[2], FG::Choix_Crete, QStringLiteral("Niveau Crete"));
        benchmark::DoNotOptimize(volets[2].image().constBits());
    }
}
BENCHMARK(BM_ThreePanes_7Days)->Unit(benchmark::kMillisecond);

} // namespace
