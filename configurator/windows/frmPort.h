// The port window: which of COM 1 to 16 can be opened, and the installer's choice of the panel's port.
#pragma once

#include "platform/form.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <array>

namespace configurator {

class frmPort : public platform::Form
{
    Q_OBJECT
public:
    frmPort();

    QGroupBox *Frame1;
    std::array<QRadioButton *, 17> Option_COM{}; // indices 1..16; 0 unused
    QPushButton *Cmd_Ok;
    QPushButton *Cmd_Annuler;

    void Option_COM_Click(int index);
    void Option_COM_DblClick(int index);
    void Cmd_Ok_Click();
    void Cmd_Annuler_Click();

protected:
    void Form_Load() override;
    void Form_Unload() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QRadioButton *option(int index) const { return Option_COM[static_cast<size_t>(index)]; }
    // Checks an option as a click on it would.
    void Cocher(int index);

    QButtonGroup m_groupe;
};

using Port = platform::FormSlot<frmPort>;

} // namespace configurator
