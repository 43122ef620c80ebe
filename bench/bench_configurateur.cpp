// The configuration program against a panel paced at the line rate: from the access code's "Ok" to the
// settings window filled by the read-back, and the processor time of the receive loop while it waits.
#include "configurator/Code_Acces.h"
#include "configurator/Declaration.h"
#include "configurator/Fichier_Parametres.h"
#include "configurator/Fonctions.h"
#include "configurator/Fonctions_Sauvegarde.h"
#include "configurator/windows/frmConfig.h"
#include "configurator/windows/frmMain.h"
#include "configurator/windows/frmParametres.h"
#include "configurator/windows/frmPassword.h"
#include "panel_simulator.h"
#include "platform/common_dialog.h"
#include "platform/form.h"
#include "platform/message_box.h"
#include "platform/ticks.h"
#include "resident_memory.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <ctime>

namespace {

namespace Declaration = configurator::Declaration;
namespace Fonctions = configurator::Fonctions;

double processCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

// A Pelmar on COM 9 holding the code 0000, the main window, and a port chosen.
struct Banc
{
    panelsim::PanelSimulator sim;
    configurator::frmMain principale;
    Banc()
    {
        Declaration::Reinitialiser();
        platform::SetMessageAnswerer([](const platform::ShownMessage &) { return platform::MsgResult::Ok; });
        sim.setModel(panelsim::Model::Pelmar);
        const auto &k = configurator::Decalages_Code;
        auto s = sim.settings();
        s.codeMasque = panelsim::maskedCode({0, 0, 0, 0}, {k[0], k[1], k[2], k[3]});
        sim.setSettings(s);
        sim.setPaced(true);
        qputenv("PANEL_COM9", QByteArray::fromStdString(sim.path()));
        principale.show();
        Declaration::D().Port_COM = 9;
        Declaration::D().Reponse_Absente_Signalee = true;
        Declaration::D().Mode_Utilisateur = Declaration::Utilisateur;
    }
    ~Banc()
    {
        principale.close();
        Fonctions::Fermeture_Port();
        platform::SetProgramClosing(false);
        platform::SetMessageAnswerer(nullptr);
    }
    void Tourner(const std::function<bool()> &fini)
    {
        QElapsedTimer montre;
        montre.start();
        while (!fini() && montre.elapsed() < 10000 && Fonctions::Passe_Reception()) {
        }
    }
};

void BM_CodeToSettingsFilled(benchmark::State &state)
{
    state.SetLabel("from Ok to the read-back decoded; waits of the program: 200 + 200 + 200 ms");
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        Banc banc;
        const double c0 = processCpuMs();
        QElapsedTimer montre;
        montre.start();
        auto &fenetre = configurator::Password::Show();
        fenetre.Cmd_Ok_Click();
        banc.Tourner([] { return configurator::Config::Instance() && Declaration::D().Envoi_Autorise; });
        wall += static_cast<double>(montre.elapsed());
        cpu += processCpuMs() - c0;
        if (!configurator::Config::Instance())
            state.SkipWithError("the settings window did not fill");
    }
    state.counters["wall_ms"] = wall / static_cast<double>(state.iterations());
    state.counters["cpu_percent_of_a_core"] = 100.0 * cpu / wall;
}
BENCHMARK(BM_CodeToSettingsFilled)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ReceiveLoopWaiting5s(benchmark::State &state)
{
    state.SetLabel("settings window open, panel silent: the loop waits for answers");
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        Banc banc;
        configurator::Password::Show().Cmd_Ok_Click();
        banc.Tourner([] { return configurator::Config::Instance() && Declaration::D().Envoi_Autorise; });
        const double c0 = processCpuMs();
        QElapsedTimer montre;
        montre.start();
        banc.Tourner([&montre] { return montre.elapsed() >= 5000; });
        wall += static_cast<double>(montre.elapsed());
        cpu += processCpuMs() - c0;
    }
    state.counters["cpu_percent_of_a_core"] = 100.0 * cpu / wall;
}
BENCHMARK(BM_ReceiveLoopWaiting5s)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The settings window open and filled, then a device that sends random bytes without end, at the line
// rate (argument 1) or as fast as the terminal takes them (0), for PANELS_BENCH_STREAM_S seconds
// (default 60). Every box is answered at once; a timer every 10 ms stands for the user's clicks, and the
// longest gap between two of its turns is how long a click would wait.
void BM_StreamWithTheSettingsWindowOpen(benchmark::State &state)
{
    const bool paced = state.range(0) != 0;
    const int secondes = qEnvironmentVariableIsSet("PANELS_BENCH_STREAM_S")
                             ? qEnvironmentVariableIntValue("PANELS_BENCH_STREAM_S")
                             : 60;
    state.SetLabel(paced ? "random bytes at 5600 bytes/s" : "random bytes as fast as the line takes them");
    for (auto _ : state) {
        Banc banc;
        banc.sim.setPaced(false);
        configurator::Password::Show().Cmd_Ok_Click();
        banc.Tourner([] { return configurator::Config::Instance() && Declaration::D().Envoi_Autorise; });
        for (int i = 0; i < 50; ++i)
            QCoreApplication::processEvents();
        const double avant = bench::Memoire_Residente_Mb();
        const size_t octets0 = banc.sim.bytesWritten();
        QElapsedTimer montre, battement;
        qint64 plus_long = 0;
        QTimer clic;
        clic.setInterval(10);
        QObject::connect(&clic, &QTimer::timeout,
                         [&] { plus_long = std::max(plus_long, battement.restart()); });
        banc.sim.startStream(paced);
        montre.start();
        battement.start();
        clic.start();
        double pointe = avant;
        size_t boites = 0;
        while (montre.elapsed() < secondes * 1000LL && Fonctions::Passe_Reception()) {
            pointe = std::max(pointe, bench::Memoire_Residente_Mb());
            // What the test seams keep of each box and frame is not the program's.
            boites += platform::ShownMessages().size();
            platform::ClearShownMessages();
            banc.sim.clearFrames();
        }
        clic.stop();
        banc.sim.stopStream();
        state.counters["resident_start_mb"] = avant;
        state.counters["resident_peak_growth_mb"] = pointe - avant;
        state.counters["resident_end_growth_mb"] = bench::Memoire_Residente_Mb() - avant;
        state.counters["received_kb"] = static_cast<double>(banc.sim.bytesWritten() - octets0) / 1000;
        state.counters["longest_event_gap_ms"] = static_cast<double>(plus_long);
        state.counters["log_lines"] = configurator::Config::Instance()
                                          ? configurator::Config::Instance()->List_Reponses->ListCount()
                                          : -1;
        state.counters["boxes"] = static_cast<double>(boites);
    }
}
BENCHMARK(BM_StreamWithTheSettingsWindowOpen)
    ->Arg(1)
    ->Arg(0)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

// From the dialog's answer to the file in place, the settings window open and filled.
void BM_SaveParameterFile(benchmark::State &state)
{
    state.SetLabel("from the save dialog's answer to the file written");
    Banc banc;
    configurator::Password::Show().Cmd_Ok_Click();
    banc.Tourner([] { return configurator::Config::Instance() && Declaration::D().Envoi_Autorise; });
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("banc.pelcfg"));
    platform::SetFileDialogAnswerer(
        [&](const platform::FileDialogRequest &) { return std::optional(chemin); });
    for (auto _ : state)
        configurator::Fonctions_Sauvegarde::Sauvegarde_Parametres();
    platform::SetFileDialogAnswerer(nullptr);
    if (!configurator::Fichier_Parametres::Lire_Fichier(chemin).Valide)
        state.SkipWithError("no valid file written");
}
BENCHMARK(BM_SaveParameterFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// From the open dialog's answer to the parameters window shown with the file's values.
void BM_OpenParameterFile(benchmark::State &state)
{
    state.SetLabel("from the open dialog's answer to the parameters window shown");
    Banc banc;
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("banc.pelcfg"));
    QFile f(chemin);
    f.open(QIODevice::WriteOnly);
    f.write(configurator::Fichier_Parametres::Contenu(
        configurator::Fichier_Parametres::Lignes(configurator::Controles_Config(), {0, 2, 4}, false)));
    f.close();
    platform::SetFileDialogAnswerer(
        [&](const platform::FileDialogRequest &) { return std::optional(chemin); });
    for (auto _ : state) {
        configurator::Fonctions_Sauvegarde::Ouverture_Parametres();
        state.PauseTiming();
        if (!configurator::Parametres::Instance())
            state.SkipWithError("the parameters window did not open");
        configurator::Parametres::Unload();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    platform::SetFileDialogAnswerer(nullptr);
}
BENCHMARK(BM_OpenParameterFile)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
