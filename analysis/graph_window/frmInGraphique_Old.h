// Graph period dialog on the data already held (a download or a saved file): the graph's start and
// length, checked against the loaded period, then the graph window.
#pragma once

#include "platform/form.h"

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

class frmInGraphique_Old : public platform::Form
{
    Q_OBJECT
public:
    frmInGraphique_Old();

    QLabel *Label_Start_Memory;
    QLabel *Label_End_Memory;
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

using InGraphique_Old = platform::FormSlot<frmInGraphique_Old>;
