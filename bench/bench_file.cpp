// Saving and opening a full ring (540,672 records, about 10 MB of text), the largest file there is.
#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "analysis/core/Fonctions_Sauvegarde.h"
#include "platform/common_dialog.h"
#include "platform/message_box.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using Declaration::D;
namespace FS = Fonctions_Sauvegarde;

namespace {

constexpr int32_t kAnneau = Fonctions::Taille_Anneau / 8;

// A full ring of minute records starting 1 March 2009, wrapping round the ring's end.
void Anneau_Plein()
{
    Declaration::Reinitialiser();
    auto &e = D();
    e.Donnees_Chargees = true;
    e.Periode_Chargee = {1, 3, 2009, 4, 4, 2010};
    e.Date_Selection.Adresse_Debut_Selection = Fonctions::Debut_Anneau + 8 * 1000;
    e.Date_Selection.Adresse_Fin_Selection = Fonctions::Debut_Anneau + 8 * 999;
    e.Parametres_Afficheur.Nom_Afficheur = QStringLiteral("Salle des fêtes");
    e.Parametres_Afficheur.Numero_Serie = QStringLiteral("12345678");
    e.Donnees_Memoire.Redimensionner(kAnneau);
    for (int32_t k = 1; k <= kAnneau; ++k) {
        const int32_t minute = k - 1;
        auto &r = e.Donnees_Memoire.rows[static_cast<size_t>(k)];
        r = {0,
             static_cast<int16_t>(minute % 60),
             static_cast<int16_t>(minute / 60 % 24),
             static_cast<int16_t>(minute / 1440 % 28 + 1),
             static_cast<int16_t>(minute / 40320 % 12 + 1),
             9,
             static_cast<int16_t>(minute % 10 == 9 ? 72 : 128 + 70),
             static_cast<int16_t>(55 + minute % 40),
             static_cast<int16_t>(80 + minute % 30)};
    }
}

struct Dossier
{
    QTemporaryDir dir;
    QString fichier() const { return dir.filePath(QStringLiteral("anneau.pelmar")); }
};

void BM_Sauvegarder_Anneau_Plein(benchmark::State &state)
{
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
BENCHMARK(BM_Sauvegarder_Anneau_Plein)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Ouvrir_Anneau_Plein(benchmark::State &state)
{
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
BENCHMARK(BM_Ouvrir_Anneau_Plein)->Unit(benchmark::kMillisecond)->UseRealTime();

// The two halves without the disk: building the bytes, and parsing them.
void BM_Octets_Anneau_Plein(benchmark::State &state)
{
    Anneau_Plein();
    for (auto _ : state)
        benchmark::DoNotOptimize(FS::Octets_Sauvegarde(D()));
}
BENCHMARK(BM_Octets_Anneau_Plein)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Lecture_Anneau_Plein(benchmark::State &state)
{
    Anneau_Plein();
    const QByteArray octets = FS::Octets_Sauvegarde(D());
    for (auto _ : state) {
        FS::Contenu c;
        if (FS::Lire_Sauvegarde(octets, c).refus != FS::Refus::Aucun)
            state.SkipWithError("the bytes were refused");
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_Lecture_Anneau_Plein)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
