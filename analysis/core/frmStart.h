// Splash window shown for 3 seconds at start.
#pragma once

#include "platform/form.h"

#include <QFrame>
#include <QLabel>

class frmStart : public platform::Form
{
    Q_OBJECT
public:
    frmStart();

    QFrame *Acceuil;
    QLabel *Image_Logo_Velquin;
    QLabel *Image_Appareil;
    QLabel *Label_Firmware[2];
    QLabel *Label_Version;

protected:
    void Form_Load() override;
};

using Start = platform::FormSlot<frmStart>;
