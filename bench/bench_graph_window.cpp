// Opening the graph window on a 7-day period of held minute rows: the period search and copy, three panes
// drawn, three lists and the events filled, the maxima written.
#include "analysis/core/Declaration.h"
#include "analysis/core/frmMain.h"
#include "analysis/graph_window/frmGraphique.h"
#include "donnees_graphique.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

using Declaration::D;

namespace {

void BM_Open_7Days(benchmark::State &state)
{
    Declaration::Reinitialiser();
    donnees_graphique::Generer(7, QDate(2024, 3, 4), donnees_graphique::Sortes::Les_Deux);
    D().Donnees_Memoire = D().Graphique.Donnees_Graphique;
    D().Parametres_Afficheur.Niveau_Alarme = 80;
    state.SetLabel(QStringLiteral("%1 held rows").arg(D().Donnees_Memoire.Nombre_Lignes()).toStdString());
    frmMain principale;
    principale.show();
    for (auto _ : state) {
        frmGraphique &w = Graphique::Show();
        benchmark::DoNotOptimize(w.Graphique_Leq3->image().constBits());
        state.PauseTiming();
        Graphique::Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Open_7Days)->Unit(benchmark::kMillisecond);

} // namespace
