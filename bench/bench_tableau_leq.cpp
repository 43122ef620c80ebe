// Opening the Leq table window on a 31-day period of minute rows (44,640 rows): presence scan, layout,
// wait window, the four fills, the empty-list checks, and the window shown and painted.
#include "analysis/core/Declaration.h"
#include "analysis/core/frmMain.h"
#include "analysis/tables/frmTableau_Leq.h"
#include "panel_simulator.h"

#include <QApplication>
#include <benchmark/benchmark.h>

using Declaration::D;

namespace {

constexpr int kMinutes = 31 * 1440;

void BM_OpenLeqTable_31Days(benchmark::State &state)
{
    state.SetLabel("frmTableau_Leq load and show, 44,640 rows, both kinds");
    Declaration::Reinitialiser();
    const auto records = panelsim::makeRecords(1, 3, 2024, 0, 0, kMinutes);
    auto &t = D().Donnees_Memoire;
    t.Redimensionner(kMinutes);
    for (int i = 0; i < kMinutes; ++i)
        for (int c = 0; c < 8; ++c)
            t(i + 1, c + 1) = records[static_cast<size_t>(i)][static_cast<size_t>(c)];
    D().Date_Selection = {1, 3, 24, 31, 3, 24, 0, 0};
    frmMain main;
    main.resize(1024, 768);
    main.show();
    QApplication::processEvents();

    int lignes = 0;
    for (auto _ : state) {
        frmTableau_Leq &w = Tableau_Leq::Show();
        // Layout and first paint of the window run on the next events.
        QApplication::processEvents();
        lignes = w.List_Leq1->ListCount();
        state.PauseTiming();
        Tableau_Leq::Unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["1-minute lines"] = lignes;
    if (lignes != kMinutes + 30)
        state.SkipWithError("the 1-minute list does not hold a line a row and a blank a day");
}
BENCHMARK(BM_OpenLeqTable_31Days)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
