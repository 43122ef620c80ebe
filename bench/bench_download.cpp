// A 7-day period download (10,080 one-minute records) against the simulated panel paced at the line rate
// (5600 bytes a second), from the download window's OK to the records in the table, with the progress window;
// and a new transfer that a streaming device answers, from its OK to its message.
#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "analysis/core/frmConnexion.h"
#include "analysis/core/frmData_Selected.h"
#include "analysis/core/frmData_Type.h"
#include "panel_simulator.h"
#include "platform/message_box.h"
#include "platform/serial_control.h"
#include "platform/ticks.h"
#include "resident_memory.h"

#include <QElapsedTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <ctime>

using Declaration::D;

// Processor time of the program's own thread: the simulated panel runs on a thread of its own here, which
// a real panel does not cost.
static double programCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

static void BM_PeriodDownload7Days_FromOkToTableLoaded(benchmark::State &state)
{
    state.SetLabel("frmData_Selected::Cmd_Ok_Click, paced simulated panel");
    const int minutes = 7 * 24 * 60;
    panelsim::PanelSimulator sim;
    sim.setRecords(panelsim::makeRecords(2, 3, 2009, 0, 0, minutes));
    sim.setPaced(true);
    qputenv("PANEL_COM1", QByteArray::fromStdString(sim.path()));
    platform::SetMessageAnswerer([](const platform::ShownMessage &) { return platform::MsgResult::Ok; });
    // The progress window runs as in the program: its bar and countdown are part of the cost.
    Fonctions::Inscrire_Suivi(&Suivi_Fenetre());

    double wall = 0, cpu = 0;
    for (auto _ : state) {
        Declaration::Reinitialiser();
        D().Etat_Liaison.Port_COM = 1;
        D().Type_Analyse = Declaration::Vue_Leq;
        D().Date_Selection = {2, 3, 9, 9, 3, 9, 0x30000, 0x30000 + 8 * (minutes - 1)};
        frmData_Selected &w = Data_Selected::Show();
        const double c0 = programCpuMs();
        QElapsedTimer t;
        t.start();
        w.Cmd_Ok_Click();
        wall += static_cast<double>(t.elapsed());
        cpu += programCpuMs() - c0;
        if (D().Donnees_Memoire.Nombre_Lignes() != minutes)
            state.SkipWithError("download incomplete");
    }
    const double line = minutes * 8.0 / 5600 * 1000;
    const double n = static_cast<double>(state.iterations());
    state.counters["line_ms"] = line;
    // The 2.5 s wait for the first bytes runs while they arrive; the 2.5 s after the last is fixed.
    state.counters["over_line_and_final_wait_ms"] = wall / n - line - 2500;
    state.counters["cpu_percent_of_a_core"] = 100.0 * cpu / wall;
}
BENCHMARK(BM_PeriodDownload7Days_FromOkToTableLoaded)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// After a completed download, a new transfer whose parameter request a device answers with random bytes
// as fast as the line takes them: from the data-type window's Ok to the transfer given up with its message.
static void BM_NewTransferAnsweredByAStream_FromOkToItsMessage(benchmark::State &state)
{
    state.SetLabel("frmData_Type::Cmd_Ok_Click, \"Nouvelles Données\", unpaced random stream");
    const int minutes = 24 * 60;
    panelsim::PanelSimulator sim;
    sim.setRecords(panelsim::makeRecords(2, 3, 2009, 0, 0, minutes));
    qputenv("PANEL_COM1", QByteArray::fromStdString(sim.path()));
    size_t boites = 0;
    platform::SetMessageAnswerer([&boites](const platform::ShownMessage &) {
        ++boites;
        return platform::MsgResult::Ok;
    });
    Fonctions::Inscrire_Suivi(&Suivi_Fenetre());
    Declaration::Reinitialiser();
    D().Etat_Liaison.Port_COM = 1;
    D().Type_Analyse = Declaration::Vue_Leq;
    D().Date_Selection = {2, 3, 9, 2, 3, 9, 0x30000, 0x30000 + 8 * (minutes - 1)};
    Data_Selected::Show().Cmd_Ok_Click();
    if (D().Donnees_Memoire.Nombre_Lignes() != minutes)
        state.SkipWithError("first download incomplete");

    double wall = 0, growth = 0;
    for (auto _ : state) {
        sim.streamAfter(panelsim::cmd::Parameters, false);
        boites = 0;
        const double avant = bench::Memoire_Residente_Mb();
        QElapsedTimer t;
        t.start();
        frmData_Type &d = Data_Type::Show();
        d.Option_New_Transfert->setChecked(true);
        d.Cmd_Ok_Click();
        wall += static_cast<double>(t.elapsed());
        growth = std::max(growth, bench::Memoire_Residente_Mb() - avant);
        sim.stopStream();
        if (boites != 1 || D().Donnees_Memoire.Nombre_Lignes() != minutes || Fonctions::MSComm1().PortOpen())
            state.SkipWithError("not ended by one message with the data kept and the port closed");
    }
    state.counters["to_message_ms"] = wall / static_cast<double>(state.iterations());
    state.counters["resident_growth_mb"] = growth;
    platform::SetMessageAnswerer(nullptr);
}
BENCHMARK(BM_NewTransferAnsweredByAStream_FromOkToItsMessage)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
