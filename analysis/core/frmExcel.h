// Spreadsheet export window: the period to export, entered as start and end date and time.
#pragma once

#include "platform/form.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

class frmExcel : public platform::Form
{
    Q_OBJECT
public:
    frmExcel();

    QLabel *Label_Date;
    QGroupBox *Frame1;
    QLineEdit *hd, *mnd, *jd, *md, *ad;
    QLineEdit *hf, *mnf, *jf, *mf, *af;
    QPushButton *Valex;
    QPushButton *Command1;

    // The ten boxes in reading and tab order.
    std::array<QLineEdit *, 10> Cases() const;

    void Valex_Click();
    void Command1_Click();

protected:
    void Form_Load() override;
};

using Excel = platform::FormSlot<frmExcel>;
