// The configuration program's splash window: logo, panel picture, model and version, shown for the
// 3 seconds of the main window's splash timer while the main window stays disabled.
#pragma once

#include "platform/form.h"

#include <QFrame>
#include <QLabel>

namespace configurator {

class frmStart : public platform::Form
{
    Q_OBJECT
public:
    frmStart();

    QFrame *Acceuil;
    QLabel *Image_Logo_Velquin;
    QLabel *Image_Appareil;
    QLabel *Label1;
    QLabel *Label_Version;
    QLabel *Label_Firmware;

protected:
    void Form_Load() override;
};

using Start = platform::FormSlot<frmStart>;

} // namespace configurator
