// Fixture of the download road: the main window, the simulated panel, and the windows of the other
// folders recorded instead of opened.
#pragma once

#include "analysis/core/Fonctions.h"
#include "analysis/core/Routes.h"
#include "analysis/core/frmData_Selected.h"
#include "analysis/core/frmData_Type.h"
#include "analysis/core/frmMain.h"
#include "platform/common_dialog.h"
#include "sim_fixture.h"

#include <QDate>
#include <QStringList>
#include <memory>

namespace {

using Declaration::D;

// The windows of the other folders, recorded instead of opened.
constexpr Routes::Vue kVues[] = {Routes::Vue::Tableau_Leq,      Routes::Vue::Evenements,
                                 Routes::Vue::Parametres,       Routes::Vue::Graphique,
                                 Routes::Vue::Data_Total_Graph, Routes::Vue::InTableau_Old,
                                 Routes::Vue::InGraphique_Old};

class Download : public SimulatedPanel
{
protected:
    void SetUp() override
    {
        SimulatedPanel::SetUp();
        main = std::make_unique<frmMain>();
        main->show();
        opened.clear();
        for (const Routes::Vue vue : kVues)
            Routes::Inscrire(vue, [this, vue] { opened << Routes::Nom(vue); });
    }
    void TearDown() override
    {
        for (const Routes::Vue vue : kVues)
            Routes::Inscrire(vue, nullptr);
        platform::SetFileDialogAnswerer(nullptr);
        main.reset();
        SimulatedPanel::TearDown();
    }

    // Memory index and selection as a period dialog leaves them before the download window.
    void selection(QDate debut, QDate fin, int32_t a, int32_t b)
    {
        auto &s = D().Date_Selection;
        s = {static_cast<int16_t>(debut.day()),
             static_cast<int16_t>(debut.month()),
             static_cast<int16_t>(debut.year() - 2000),
             static_cast<int16_t>(fin.day()),
             static_cast<int16_t>(fin.month()),
             static_cast<int16_t>(fin.year() - 2000),
             a,
             b};
        D().Index_Memoire = {s.Jour_Debut_Selection,
                             s.Mois_Debut_Selection,
                             s.Annee_Debut_Selection,
                             s.Jour_Fin_Selection,
                             s.Mois_Fin_Selection,
                             s.Annee_Fin_Selection,
                             a,
                             b};
    }

    // "Nouvelles Données" chosen in the data-source dialog, then Ok.
    static void nouveauTransfert()
    {
        frmData_Type &d = Data_Type::Show();
        d.Option_New_Transfert->setChecked(true);
        d.Cmd_Ok_Click();
    }

    // After a period answer whose dates do not exist: its one box, no download and no view, the data held
    // and the selection as they stood before the period dialog's Ok.
    void periodeRefusee(const std::vector<platform::ShownMessage> &boxes, const Declaration::Etat &avant)
    {
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, QStringLiteral("Les dates de la période envoyées par l'Pelmar ne sont pas valides "
                                                "!!! Veuillez recommencer le transfert SVP !!!"));
        EXPECT_EQ(boxes[0].title, QStringLiteral("Réponse de l'Pelmar erronée !!!"));
        EXPECT_EQ(sim->framesWithCode(0x66), 1);
        EXPECT_EQ(sim->framesWithCode(Fonctions::Demande_Transfert_Periode), 0);
        EXPECT_EQ(Data_Selected::Instance(), nullptr);
        EXPECT_TRUE(opened.isEmpty());
        EXPECT_EQ(D().Donnees_Memoire.rows, avant.Donnees_Memoire.rows);
        EXPECT_TRUE(D().Donnees_Chargees);
        EXPECT_EQ(D().Periode_Chargee, avant.Periode_Chargee);
        EXPECT_EQ(D().Date_Selection, avant.Date_Selection);
    }

    static Declaration::Table_Donnees rowsOf(const std::vector<uint8_t> &bytes)
    {
        Declaration::Table_Donnees t;
        t.Redimensionner(static_cast<int32_t>(bytes.size() / 8));
        for (size_t i = 0; i < bytes.size(); ++i)
            t(static_cast<int32_t>(i / 8) + 1, static_cast<int>(i % 8) + 1) = bytes[i];
        return t;
    }

    std::unique_ptr<frmMain> main;
    QStringList opened;
};

} // namespace
