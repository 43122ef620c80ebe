// About window: program name, version and what it runs on.
#pragma once

#include "platform/form.h"

#include <QLabel>
#include <QPushButton>

class frmAbout : public platform::Form
{
    Q_OBJECT
public:
    frmAbout();

    QLabel *picIcon;
    QLabel *lblTitle;
    QLabel *lblVersion;
    QLabel *Label_Version;
    QLabel *lblDescription;
    QLabel *Label_System_Exploitation;
    QLabel *Label_Resolution;
    QPushButton *cmdOK;

protected:
    void Form_Load() override;
    void Form_Unload() override;
};

using About = platform::FormSlot<frmAbout>;
