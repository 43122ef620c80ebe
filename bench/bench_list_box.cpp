// Time to fill a shown list box with 50,000 lines and lay them out, as the table windows do.
#include "platform/list_box.h"

#include <QApplication>
#include <benchmark/benchmark.h>

static void BM_ListBoxFill50000(benchmark::State &state)
{
    QStringList lines;
    lines.reserve(50000);
    for (int i = 0; i < 50000; ++i)
        lines << QStringLiteral("   Lundi    05  Mars  2024  à  10 h. %1  :  Niveau Leq 1 Min. =  62 dBA.")
                     .arg(i);
    platform::ListBox list;
    list.resize(480, 130);
    list.show();
    QApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        list.Clear();
        QApplication::processEvents();
        QStringList copy = lines;
        state.ResumeTiming();
        list.AddItems(std::move(copy));
        // The layout and the first paint run on the next events.
        QApplication::processEvents();
    }
    if (list.ListCount() != 50000)
        state.SkipWithError("the list does not hold 50,000 lines");
}
BENCHMARK(BM_ListBoxFill50000)->Unit(benchmark::kMillisecond)->UseRealTime();
