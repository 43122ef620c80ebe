// Table period dialog: the period of a new Leq or events table on the data set already held.
#pragma once

#include "platform/form.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>

class frmInTableau_Old : public platform::Form
{
    Q_OBJECT
public:
    frmInTableau_Old();

    QLabel *Label_Start_Memory;
    QLabel *Label_End_Memory;
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

using InTableau_Old = platform::FormSlot<frmInTableau_Old>;
