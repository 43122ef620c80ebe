// Period dialog on panel memory: what the memory holds, and the period to analyse.
#pragma once

#include "platform/form.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>

class frmData_Total : public platform::Form
{
    Q_OBJECT
public:
    frmData_Total();

    QLabel *Label_Start_Memory;
    QLabel *Label_End_Memory;
    QLabel *Label_Nombre_Data;
    QLabel *Label_Temps_Transfert;
    QCalendarWidget *MonthView_Start;
    QCalendarWidget *MonthView_End;
    QPushButton *Cmd_Ok;
    QPushButton *Cmd_Annuler;

    void Cmd_Ok_Click();
    void Cmd_Annuler_Click();

protected:
    void Form_Load() override;
    void Form_Unload() override;
};

using Data_Total = platform::FormSlot<frmData_Total>;
