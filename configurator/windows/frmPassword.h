// The access-code window: four digits, "Ok" asks the panel for its stored code to check them against,
// "Code Masqué" asks for it only to show it.
#pragma once

#include "configurator/Controles_Config.h"
#include "configurator/windows/DigitCombo.h"
#include "platform/form.h"

#include <QLabel>
#include <QPushButton>
#include <array>
#include <functional>
#include <vector>

namespace configurator {

class frmPassword : public platform::Form
{
    Q_OBJECT
public:
    frmPassword();

    QLabel *Label_Entete;
    std::array<DigitCombo *, 4> Combo_Chiffre{}; // Combo_Chiffre1..4
    QPushButton *Cmd_Ok;
    QPushButton *Cmd_Code_Mask;

    void Cmd_Ok_Click();
    void Cmd_Code_Mask_Click();

    // The digits as the decoder reads and sets them.
    void Lire(Controles_Password &c) const;
    void Appliquer(const Controles_Password &c);

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    void Demande_Code(bool afficher);
};

using Password = platform::FormSlot<frmPassword>;

// Moves the focus to `suivant`, ready to take a typed digit when it is a digit combo.
void Focus_Suivant(QWidget *suivant);
// Enter in any of `controles` runs `ok`: a filter owned by `form` sees their keys first.
void Entree_Comme_Ok(platform::Form *form, const std::vector<QWidget *> &controles, std::function<void()> ok);

} // namespace configurator
