// The code-change window: a new access code typed twice, sent masked to the panel digit by digit.
#pragma once

#include "configurator/windows/DigitCombo.h"
#include "platform/form.h"

#include <QLabel>
#include <QPushButton>
#include <array>

namespace configurator {

class frmChange_Password : public platform::Form
{
    Q_OBJECT
public:
    frmChange_Password();

    QLabel *Label_Entete;
    QLabel *Label1;
    std::array<DigitCombo *, 8> Combo_Chiffre{}; // Combo_Chiffre1..8: the code, then its confirmation
    QPushButton *Cmd_Ok;

    void Cmd_Ok_Click();

protected:
    void Form_Load() override;
    void Form_Unload() override;
};

using Change_Password = platform::FormSlot<frmChange_Password>;

} // namespace configurator
