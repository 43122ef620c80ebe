// Port window: choice of the serial port among COM 1..16.
#pragma once

#include "platform/form.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <array>

class frmPort : public platform::Form
{
    Q_OBJECT
public:
    frmPort();

    QGroupBox *Frame1;
    std::array<QRadioButton *, 17> Option_COM{}; // indices 1..16
    QPushButton *Cmd_Ok;
    QPushButton *Cmd_Annuler;

    // Index of the selected option, 0 when none.
    int Option_Selectionnee() const;

    void Option_COM_Click(int index);
    void Option_COM_DblClick(int index);
    void Cmd_Ok_Click();
    void Cmd_Annuler_Click();

protected:
    void Form_Load() override;
    void Form_Unload() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Selectionner(int index);
    QButtonGroup m_groupe;
};

using Port = platform::FormSlot<frmPort>;
