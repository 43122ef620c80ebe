// The configuration program's about box: title, versions and what the program is for. It keeps the main
// window disabled while it is open.
#pragma once

#include "platform/form.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QString>

namespace configurator {

// The description as the about box builds it, each line after the first preceded by a line feed and a
// carriage return (the last one by two such pairs).
QString Description_About();

class frmAbout : public platform::Form
{
    Q_OBJECT
public:
    frmAbout();

    QLabel *picIcon;
    QLabel *lblTitle;
    QLabel *lblVersion;
    QLabel *Label_Version;
    QFrame *Line1;
    QLabel *lblDescription;
    QPushButton *cmdOK;

protected:
    void Form_Load() override;
    void Form_Unload() override;
};

using About = platform::FormSlot<frmAbout>;

} // namespace configurator
