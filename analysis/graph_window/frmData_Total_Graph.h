// Graph period dialog before a new download: what the panel memory holds, the graph's start and length,
// then the panel asked for that period and the download window shown.
#pragma once

#include "platform/form.h"

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

class frmData_Total_Graph : public platform::Form
{
    Q_OBJECT
public:
    frmData_Total_Graph();

    QLabel *Label_Start_Memory;
    QLabel *Label_End_Memory;
    QLabel *Label_Nombre_Data;
    QLabel *Label_Temps_Transfert;
    QDateEdit *MonthView_Start;
    QRadioButton *Option_Jour;
    QRadioButton *Option_WeekEnd;
    QRadioButton *Option_Semaine;
    QPushButton *Cmd_Ok;
    QPushButton *Cmd_Annuler;

    void Cmd_Ok_Click();
    void Cmd_Annuler_Click();

protected:
    void Form_Load() override;
    void Form_Unload() override;
};

using Data_Total_Graph = platform::FormSlot<frmData_Total_Graph>;
