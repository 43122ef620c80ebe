// The parameters window: a parameter file chosen by "Ouverture Paramètres", read and shown as the parameter
// table, which prints as the window's image.
#pragma once

#include "configurator/windows/Tableau_Parametres.h"

#include <QPushButton>

namespace configurator {

class frmParametres : public Tableau_Parametres
{
    Q_OBJECT
public:
    frmParametres();

    // Picture buttons under the table.
    QPushButton *Cmd_Print;
    QPushButton *Cmd_Exit;

    void Cmd_Print_Click();
    void Cmd_Exit_Click();

protected:
    // Reads the file named by Chaine_Temp.
    void Form_Load() override;
    void Form_Unload() override;
};

using Parametres = platform::FormSlot<frmParametres>;

} // namespace configurator
