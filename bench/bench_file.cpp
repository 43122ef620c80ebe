// Saving and opening a full ring (540,672 records, about 13 MB of text), the largest file there is: from the
// menu's call to the file in place, from a path to the table, and the two halves called directly.
#include "full_ring.h"

#include "analysis/core/Fonctions_Sauvegarde.h"
#include "platform/common_dialog.h"
#include "platform/message_box.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using Declaration::D;
namespace FS = Fonctions_Sauvegarde;

namespace {

using bench::Anneau_Plein;
using bench::kAnneau;

struct Dossier
{
    QTemporaryDir dir;
    QString fichier() const { return dir.filePath(QStringLiteral("anneau.pelmar")); }
};

void BM_FullRing_Save_FromMenuCallToFileInPlace(benchmark::State &state)
{
    state.SetLabel("Sauvegarder_Donnees, save dialog answered at once");
    Anneau_Plein();
    Dossier d;
    platform::SetFileDialogAnswerer([&](const platform::FileDialogRequest &) { return d.fichier(); });
    platform::SetMessageAnswerer([](const platform::ShownMessage &) { return platform::MsgResult::Ok; });
    for (auto _ : state)
        FS::Sauvegarder_Donnees();
    state.counters["MB"] = static_cast<double>(QFile(d.fichier()).size()) / 1e6;
    if (!platform::ShownMessages().empty())
        state.SkipWithError("the save reported a failure");
    platform::SetFileDialogAnswerer(nullptr);
    platform::SetMessageAnswerer(nullptr);
}
BENCHMARK(BM_FullRing_Save_FromMenuCallToFileInPlace)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FullRing_Open_FromPathToTableLoaded(benchmark::State &state)
{
    state.SetLabel("Ouvrir_Sauvegarde called directly");
    Anneau_Plein();
    Dossier d;
    QFile f(d.fichier());
    if (!f.open(QIODevice::WriteOnly) || f.write(FS::Octets_Sauvegarde(D())) < 0) {
        state.SkipWithError("cannot write the file to open");
        return;
    }
    f.close();
    platform::SetMessageAnswerer([](const platform::ShownMessage &) { return platform::MsgResult::Ok; });
    for (auto _ : state) {
        D().Donnees_Chargees = false;
        if (!FS::Ouvrir_Sauvegarde(d.fichier()) || D().Donnees_Memoire.Nombre_Lignes() != kAnneau)
            state.SkipWithError("the file was not read whole");
    }
    platform::SetMessageAnswerer(nullptr);
}
BENCHMARK(BM_FullRing_Open_FromPathToTableLoaded)->Unit(benchmark::kMillisecond)->UseRealTime();

// The two halves without the disk: building the bytes, and parsing them.
void BM_FullRing_FileBytes_CalledDirectly(benchmark::State &state)
{
    state.SetLabel("Octets_Sauvegarde, no disk");
    Anneau_Plein();
    for (auto _ : state)
        benchmark::DoNotOptimize(FS::Octets_Sauvegarde(D()));
}
BENCHMARK(BM_FullRing_FileBytes_CalledDirectly)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FullRing_ParseBytes_CalledDirectly(benchmark::State &state)
{
    state.SetLabel("Lire_Sauvegarde, no disk");
    Anneau_Plein();
    const QByteArray octets = FS::Octets_Sauvegarde(D());
    for (auto _ : state) {
        FS::Contenu c;
        if (FS::Lire_Sauvegarde(octets, c).refus != FS::Refus::Aucun)
            state.SkipWithError("the bytes were refused");
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_FullRing_ParseBytes_CalledDirectly)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
