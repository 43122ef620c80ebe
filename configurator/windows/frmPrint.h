// The printed parameter sheet: the parameter table filled from the settings window's controls, printed as
// the window's image by its load.
#pragma once

#include "configurator/windows/Tableau_Parametres.h"

namespace configurator {

class frmPrint : public Tableau_Parametres
{
    Q_OBJECT
public:
    frmPrint();

protected:
    // Asks for the printer, fills the sheet and prints it; Cancel prints nothing.
    void Form_Load() override;
};

using Print = platform::FormSlot<frmPrint>;

} // namespace configurator
