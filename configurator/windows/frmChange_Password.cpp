#include "configurator/windows/frmChange_Password.h"

#include "configurator/Code_Acces.h"
#include "configurator/Declaration.h"
#include "configurator/Fonctions.h"
#include "configurator/Modele.h"
#include "configurator/windows/frmPassword.h"
#include "platform/message_box.h"
#include "platform/twips.h"

namespace configurator {

using Declaration::D;

frmChange_Password::frmChange_Password()
    : platform::Form(Kind::MdiChild, QStringLiteral("Changer le Mot de Passe"), 4380, 1875)
{
    Label_Entete = new QLabel(Modele().Entete_Change_Password, this);
    platform::PlaceTwips(Label_Entete, 60, 90, 4245, 255);
    Label1 = new QLabel(Modele().Confirmation_Change_Password, this);
    platform::PlaceTwips(Label1, 60, 990, 4245, 255);
    const int gauches[4] = {450, 1230, 2010, 2790};
    for (size_t i = 0; i < Combo_Chiffre.size(); ++i) {
        Combo_Chiffre[i] = new DigitCombo(this);
        Combo_Chiffre[i]->setAccessibleName(i < 4 ? QStringLiteral("Nouveau chiffre %1").arg(i + 1)
                                                  : QStringLiteral("Confirmation chiffre %1").arg(i - 3));
        platform::PlaceTwips(Combo_Chiffre[i], gauches[i % 4], i < 4 ? 480 : 1380, 525, 330);
    }
    Cmd_Ok = new QPushButton(QStringLiteral("Ok"), this);
    platform::PlaceTwips(Cmd_Ok, 3540, 1380, 555, 345);

    // Tab order: the new code, "Ok", then the confirmation.
    setTabOrder(Combo_Chiffre[0], Combo_Chiffre[1]);
    setTabOrder(Combo_Chiffre[1], Combo_Chiffre[2]);
    setTabOrder(Combo_Chiffre[2], Combo_Chiffre[3]);
    setTabOrder(Combo_Chiffre[3], Cmd_Ok);
    setTabOrder(Cmd_Ok, Combo_Chiffre[4]);
    for (size_t i = 4; i + 1 < Combo_Chiffre.size(); ++i)
        setTabOrder(Combo_Chiffre[i], Combo_Chiffre[i + 1]);

    for (size_t i = 0; i < Combo_Chiffre.size(); ++i) {
        QWidget *suivant = i + 1 < Combo_Chiffre.size() ? static_cast<QWidget *>(Combo_Chiffre[i + 1])
                                                        : static_cast<QWidget *>(Cmd_Ok);
        connect(Combo_Chiffre[i], &DigitCombo::Change, this, [suivant] { Focus_Suivant(suivant); });
    }
    connect(Cmd_Ok, &QPushButton::clicked, this, &frmChange_Password::Cmd_Ok_Click);
    std::vector<QWidget *> controles(Combo_Chiffre.begin(), Combo_Chiffre.end());
    controles.push_back(Cmd_Ok);
    Entree_Comme_Ok(this, controles, [this] { Cmd_Ok_Click(); });
}

void frmChange_Password::Form_Load()
{
    setLeftTwips(0);
    setTopTwips(0);
    // Closes the settings window too, which hides this window's menu entry and closes the port.
    Fonctions::Fermer_Fenetres();
    D().Ouvert.Ouvert_Change_Password = true;
    Fonctions::Inscrire_Fenetre(Fonctions::Fenetre::Change_Password, this);
    for (auto *combo : Combo_Chiffre)
        combo->Fixer(QStringLiteral("0"));
    Fonctions::Ouverture_Port();
}

void frmChange_Password::Form_Unload()
{
    D().Ouvert.Ouvert_Change_Password = false;
    Fonctions::Inscrire_Fenetre(Fonctions::Fenetre::Change_Password, nullptr);
    Fonctions::Fermeture_Port();
}

void frmChange_Password::Cmd_Ok_Click()
{
    bool accord = true;
    for (size_t i = 0; i < 4; ++i)
        accord = accord && Combo_Chiffre[i]->currentText() == Combo_Chiffre[i + 4]->currentText();
    if (!accord) {
        platform::MsgBox(Modele().Codes_Differents, platform::MsgButtons::Ok, platform::MsgIcon::Critical,
                         Modele().Codes_Differents);
        for (auto *combo : Combo_Chiffre)
            combo->Fixer(QStringLiteral("0"));
        return;
    }
    if (!Fonctions::Port_Pret())
        return;
    // The panel takes the digits in this order of positions, each masked with its position's offset.
    constexpr std::array<std::pair<int, int>, 4> ordre{{{0x5B, 2}, {0x5C, 4}, {0x5D, 3}, {0x5E, 1}}};
    for (const auto &[code, position] : ordre) {
        const int chiffre = Combo_Chiffre[static_cast<size_t>(position - 1)]->currentText().toInt();
        const int decalage = Decalages_Code[static_cast<size_t>(position - 1)];
        Fonctions::Envoi_Commande(code, ((chiffre + decalage) % 10 + 10) % 10);
    }
}

} // namespace configurator
