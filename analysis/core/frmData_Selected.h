// Download window: the settled period, its size and transfer time, and the download itself.
#pragma once

#include "platform/form.h"

#include <QLabel>
#include <QPushButton>

class frmData_Selected : public platform::Form
{
    Q_OBJECT
public:
    frmData_Selected();

    QLabel *Label_Start_Memory;
    QLabel *Label_End_Memory;
    QLabel *Label_Nombre_Data;
    QLabel *Label_Temps_Transfert;
    QPushButton *Cmd_Ok;
    QPushButton *Cmd_Annuler;

    void Cmd_Ok_Click();
    void Cmd_Annuler_Click();

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    void Retour_Periode();
};

using Data_Selected = platform::FormSlot<frmData_Selected>;

// Whole days from the start to the end day of the selected period.
int Jours_Selection();
