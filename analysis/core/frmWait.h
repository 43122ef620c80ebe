// Wait window that long fills and drawings drive.
#pragma once

#include "platform/form.h"
#include "platform/progress_bar.h"

#include <QLabel>

class frmWait : public platform::Form
{
    Q_OBJECT
public:
    frmWait();

    QLabel *Label_Entete;
    platform::ProgressBar *Progression;
    QLabel *Label_Progression;

protected:
    void Form_Load() override;
    void Form_Unload() override;
};

using Wait = platform::FormSlot<frmWait>;
