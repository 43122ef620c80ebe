// Filling the four lists of the Leq table from a 31-day period of minute rows (44,640 rows), as the
// table window does at load: wait window shown, lines built, one batch into each list box.
#include "analysis/core/Declaration.h"
#include "analysis/core/frmWait.h"
#include "analysis/tables/Fonctions_Tableau.h"
#include "platform/list_box.h"

#include <QApplication>
#include <benchmark/benchmark.h>

using Declaration::D;
namespace FT = Fonctions_Tableau;

namespace {

constexpr int32_t kMinutes = 31 * 1440;

// March 2024, one row a minute; one row in ten carries a 10-minute level, the others a 5-minute one.
void Mois_De_Minutes()
{
    Declaration::Reinitialiser();
    auto &e = D();
    e.Donnees_Memoire.Redimensionner(kMinutes);
    for (int32_t k = 1; k <= kMinutes; ++k) {
        const int32_t m = k - 1;
        e.Donnees_Memoire.rows[static_cast<size_t>(k)] = {0,
                                                          static_cast<int16_t>(m % 60),
                                                          static_cast<int16_t>(m / 60 % 24),
                                                          static_cast<int16_t>(m / 1440 + 1),
                                                          3,
                                                          24,
                                                          static_cast<int16_t>(m % 10 == 9 ? 72 : 128 + 70),
                                                          static_cast<int16_t>(55 + m % 40),
                                                          static_cast<int16_t>(80 + m % 30)};
    }
    e.Date_Selection = {1, 3, 24, 31, 3, 24, 0, 0};
    e.Presence_Leq5 = e.Presence_Leq10 = true;
}

void BM_FourLeqLists_31Days_IntoListBoxes(benchmark::State &state)
{
    state.SetLabel("Remplir_Liste_Leq x4, 44,640 rows, wait window shown");
    Mois_De_Minutes();
    platform::ListBox l10, l5, l1, crete;
    platform::ListBox *listes[] = {&l10, &l5, &l1, &crete};
    for (platform::ListBox *l : listes) {
        l->resize(480, 130);
        l->show();
    }
    QApplication::processEvents();
    int64_t lignes = 0;
    for (auto _ : state) {
        frmWait &w = Wait::Show();
        w.Progression->setMax(kMinutes * 4 + 0.001);
        FT::Remplir_Liste_Leq(l10, FT::Niveau_Leq10);
        FT::Remplir_Liste_Leq(l5, FT::Niveau_Leq5);
        FT::Remplir_Liste_Leq(l1, FT::Niveau_Leq1);
        FT::Remplir_Liste_Leq(crete, FT::Niveau_Crete);
        Wait::Unload();
        // Layout and first paint of the lists run on the next events.
        QApplication::processEvents();
        lignes = l10.ListCount() + l5.ListCount() + l1.ListCount() + crete.ListCount();
    }
    state.counters["lines"] = static_cast<double>(lignes);
    if (l1.ListCount() != kMinutes + 30)
        state.SkipWithError("the 1-minute list does not hold a line a row and a blank a day");
}
BENCHMARK(BM_FourLeqLists_31Days_IntoListBoxes)->Unit(benchmark::kMillisecond)->UseRealTime();

// The lines alone, without widgets or window events.
void BM_FourLeqLists_31Days_LinesOnly(benchmark::State &state)
{
    state.SetLabel("Lignes_Leq x4, 44,640 rows");
    Mois_De_Minutes();
    const FT::Periode_Liste p = FT::Periode_Tableau(D().Date_Selection);
    for (auto _ : state)
        for (const QString &type : {FT::Niveau_Leq10, FT::Niveau_Leq5, FT::Niveau_Leq1, FT::Niveau_Crete})
            benchmark::DoNotOptimize(
                FT::Lignes_Leq(D().Donnees_Memoire, p, type, false, FT::Libelles::Tableau));
}
BENCHMARK(BM_FourLeqLists_31Days_LinesOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
