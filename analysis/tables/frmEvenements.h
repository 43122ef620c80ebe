// Events window: the panel's events of the chosen period, one line each, and their printout.
#pragma once

#include "platform/form.h"
#include "platform/list_box.h"

#include <QLabel>
#include <QPushButton>

class frmEvenements : public platform::Form
{
    Q_OBJECT
public:
    frmEvenements();

    QLabel *Label_Entete;
    QLabel *Label_Date;
    platform::ListBox *List_Evenements;
    QPushButton *Cmd_New_Data;
    QPushButton *Cmd_New_Tableau;
    QPushButton *Cmd_Print;
    QPushButton *Cmd_Exit;

    void Cmd_New_Data_Click();
    void Cmd_New_Tableau_Click();
    void Cmd_Print_Click();
    void Cmd_Exit_Click();

protected:
    void Form_Load() override;
    void Form_Unload() override;
};

using Evenements = platform::FormSlot<frmEvenements>;

// Printout positions, in twips from the paper's top left corner.
namespace Impression_Evenements {
inline constexpr int Lignes_Par_Page = 64;
inline constexpr int X_Entete = 3000, Y_Entete = 200;
inline constexpr int X_Titre = 2100, Y_Titre = 400;
inline constexpr int X_Ligne = 200, Y_Lignes = 1000, Pas_Ligne = 200;
inline constexpr int X_Pied = 5000, Y_Pied = 15800;
} // namespace Impression_Evenements
