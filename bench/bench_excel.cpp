// Spreadsheet export of a full ring (540,672 records): from the menu's call to the workbook in place, and
// the platform spreadsheet writing the same rows called directly.
#include "full_ring.h"

#include "analysis/core/Sauvegarde_Excel.h"
#include "platform/common_dialog.h"
#include "platform/message_box.h"
#include "platform/spreadsheet.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using Declaration::D;
namespace SE = Sauvegarde_Excel;

namespace {

// The whole ring lies in 2009: every loud measurement row counts towards the export.
const SE::Periode_Excel kAnnee_2009{0, 0, 1, 1, 9, 0, 0, 1, 1, 10};

void Compter(benchmark::State &state, const QString &chemin, size_t lignes)
{
    state.counters["sheet_rows"] = static_cast<double>(lignes);
    state.counters["MB"] = static_cast<double>(QFile(chemin).size()) / 1e6;
}

void BM_FullRing_ExcelExport_FromMenuCallToFileInPlace(benchmark::State &state)
{
    state.SetLabel("Exporter_Excel, save dialog answered at once");
    bench::Anneau_Plein();
    SE::Periode() = kAnnee_2009;
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("anneau.xlsx"));
    platform::SetFileDialogAnswerer([&](const platform::FileDialogRequest &) { return chemin; });
    platform::SetMessageAnswerer([](const platform::ShownMessage &) { return platform::MsgResult::Ok; });
    platform::ClearShownMessages();
    for (auto _ : state)
        SE::Exporter_Excel();
    if (!platform::ShownMessages().empty() || !QFile::exists(chemin))
        state.SkipWithError("the export reported a failure");
    Compter(state, chemin, SE::Lignes_Exportees(D().Donnees_Memoire, kAnnee_2009, SE::Lignes_Max())->size());
    platform::SetFileDialogAnswerer(nullptr);
    platform::SetMessageAnswerer(nullptr);
}
BENCHMARK(BM_FullRing_ExcelExport_FromMenuCallToFileInPlace)->Unit(benchmark::kMillisecond)->UseRealTime();

// The cells the export writes, with their texts, without the row choice and the dialog.
void BM_FullRing_SpreadsheetRows_CalledDirectly(benchmark::State &state)
{
    state.SetLabel("platform::Spreadsheet from AddWorkbook to SaveAs's file in place");
    bench::Anneau_Plein();
    const auto lignes = SE::Lignes_Exportees(D().Donnees_Memoire, kAnnee_2009, SE::Lignes_Max());
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("lignes.xlsx"));
    for (auto _ : state) {
        platform::Spreadsheet classeur;
        classeur.AddWorkbook();
        for (int colonne = 1; colonne <= 4; ++colonne)
            classeur.SetCellText(1, colonne, SE::Entetes[static_cast<size_t>(colonne - 1)]);
        int32_t ligne = 2;
        for (const int32_t k : *lignes) {
            const auto &r = D().Donnees_Memoire.rows[static_cast<size_t>(k)];
            classeur.SetCellText(ligne, 1, SE::Texte_Date(r));
            for (int colonne = 2; colonne <= 4; ++colonne)
                classeur.SetCellNumber(ligne, colonne, r[static_cast<size_t>(colonne + 4)]);
            ++ligne;
        }
        if (!classeur.SaveAs(chemin))
            state.SkipWithError(classeur.ErrorString().toStdString().c_str());
    }
    Compter(state, chemin, lignes->size());
}
BENCHMARK(BM_FullRing_SpreadsheetRows_CalledDirectly)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
