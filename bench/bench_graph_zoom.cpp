// The rubber-band zoom of an enlarged 7-day pane of minute rows: from the band's release to the pane
// redrawn with its grid, alarm line, curve and day labels, without and with a cursor set.
#include "analysis/core/Declaration.h"
#include "analysis/core/frmMain.h"
#include "analysis/graph_window/frmGraphique.h"
#include "donnees_graphique.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

using Declaration::D;

namespace {

void Zoom(benchmark::State &state, bool curseur)
{
    Declaration::Reinitialiser();
    donnees_graphique::Generer(7, QDate(2024, 3, 4), donnees_graphique::Sortes::Les_Deux);
    D().Donnees_Memoire = D().Graphique.Donnees_Graphique;
    D().Parametres_Afficheur.Niveau_Alarme = 80;
    frmMain principale;
    principale.show();
    frmGraphique &w = Graphique::Show();
    // Pane 2 shows the 1-minute Leq, the densest curve.
    w.Cmd_Zoom2_Click();
    if (curseur) {
        // A row on the second day: its arrow is drawn again by every zoom.
        w.List_Leq2->setListIndex(2000);
        w.List_Leq2_MouseDown(0, 0, 0, 0);
    }
    state.SetLabel(QStringLiteral("%1 rows, 1-min Leq pane%2")
                       .arg(D().Graphique.Donnees_Graphique.Nombre_Lignes())
                       .arg(curseur ? QStringLiteral(", cursor set") : QString())
                       .toStdString());
    for (auto _ : state) {
        // A band over the second and third days, from 60 to 90 dB.
        w.Graphique_Leq2_MouseDown(1, 0, 14.2f, -90.0f);
        w.Graphique_Leq2_MouseMove(1, 0, 20.6f, -60.0f);
        w.Graphique_Leq2_MouseUp(1, 0, 20.6f, -60.0f);
        benchmark::DoNotOptimize(w.Graphique_Leq2->image().constBits());
        state.PauseTiming();
        if (!D().Graphique.Zoom_Selection) {
            state.SkipWithError("the band made no zoom");
            break;
        }
        w.Cmd_Zoom2_Click(); // back to the whole enlarged period
        state.ResumeTiming();
    }
    Graphique::Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_Zoom_7Days(benchmark::State &state)
{
    Zoom(state, false);
}
BENCHMARK(BM_Zoom_7Days)->Unit(benchmark::kMillisecond);

void BM_Zoom_7Days_Cursor(benchmark::State &state)
{
    Zoom(state, true);
}
BENCHMARK(BM_Zoom_7Days_Cursor)->Unit(benchmark::kMillisecond);

} // namespace
