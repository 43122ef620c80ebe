#include "configurator/windows/frmPassword.h"

#include "configurator/Declaration.h"
#include "configurator/Fonctions.h"
#include "configurator/Modele.h"
#include "configurator/windows/frmMain.h"
#include "platform/twips.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace configurator {

using Declaration::D;

namespace {

constexpr int Demande_Code_Acces = 0x56;

} // namespace

void Focus_Suivant(QWidget *suivant)
{
    suivant->setFocus(Qt::TabFocusReason);
    if (auto *combo = qobject_cast<QComboBox *>(suivant); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
}

namespace {

// Sees the keys of a window's controls before they do: Enter runs the window's "Ok".
class Filtre_Entree : public QObject
{
public:
    Filtre_Entree(QObject *parent, std::function<void()> ok) : QObject(parent), m_ok(std::move(ok)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_ok();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_ok;
};

} // namespace

void Entree_Comme_Ok(platform::Form *form, const std::vector<QWidget *> &controles, std::function<void()> ok)
{
    auto *filtre = new Filtre_Entree(form, std::move(ok));
    for (QWidget *w : controles) {
        w->installEventFilter(filtre);
        if (auto *combo = qobject_cast<QComboBox *>(w); combo && combo->lineEdit())
            combo->lineEdit()->installEventFilter(filtre);
    }
}

frmPassword::frmPassword()
    : platform::Form(Kind::MdiChild, QStringLiteral("Entrer le mot de Passe"), 4380, 1350)
{
    Label_Entete = new QLabel(Modele().Entete_Password, this);
    platform::PlaceTwips(Label_Entete, 60, 120, 4245, 255);
    const int gauches[4] = {450, 1230, 2010, 2790};
    for (size_t i = 0; i < Combo_Chiffre.size(); ++i) {
        Combo_Chiffre[i] = new DigitCombo(this);
        Combo_Chiffre[i]->setAccessibleName(QStringLiteral("Chiffre %1").arg(i + 1));
        platform::PlaceTwips(Combo_Chiffre[i], gauches[i], 510, 525, 330);
    }
    Cmd_Ok = new QPushButton(QStringLiteral("Ok"), this);
    platform::PlaceTwips(Cmd_Ok, 3600, 510, 555, 345);
    Cmd_Code_Mask = new QPushButton(QStringLiteral("Code Masqué"), this);
    platform::PlaceTwips(Cmd_Code_Mask, 450, 960, 1305, 285);

    // Tab order of the window: the first digit, "Ok", then the digits from the last one back.
    setTabOrder(Combo_Chiffre[0], Cmd_Ok);
    setTabOrder(Cmd_Ok, Combo_Chiffre[3]);
    setTabOrder(Combo_Chiffre[3], Combo_Chiffre[2]);
    setTabOrder(Combo_Chiffre[2], Combo_Chiffre[1]);
    setTabOrder(Combo_Chiffre[1], Cmd_Code_Mask);

    QWidget *suivants[4] = {Combo_Chiffre[1], Combo_Chiffre[2], Combo_Chiffre[3], Cmd_Ok};
    for (size_t i = 0; i < Combo_Chiffre.size(); ++i) {
        QWidget *suivant = suivants[i];
        connect(Combo_Chiffre[i], &DigitCombo::Change, this, [suivant] { Focus_Suivant(suivant); });
    }
    connect(Cmd_Ok, &QPushButton::clicked, this, &frmPassword::Cmd_Ok_Click);
    connect(Cmd_Code_Mask, &QPushButton::clicked, this, &frmPassword::Cmd_Code_Mask_Click);
    Entree_Comme_Ok(
        this, {Combo_Chiffre[0], Combo_Chiffre[1], Combo_Chiffre[2], Combo_Chiffre[3], Cmd_Ok, Cmd_Code_Mask},
        [this] { Cmd_Ok_Click(); });
}

void frmPassword::Form_Load()
{
    setLeftTwips(0);
    setTopTwips(0);
    Fonctions::Fermer_Fenetres();
    D().Ouvert.Ouvert_Password = true;
    Fonctions::Inscrire_Fenetre(Fonctions::Fenetre::Password, this);
    for (auto *combo : Combo_Chiffre)
        combo->Fixer(QStringLiteral("0"));
    Fonctions::Ouverture_Port();
}

void frmPassword::Form_Unload()
{
    // The port stays open: the settings window that may follow uses it as it is.
    D().Ouvert.Ouvert_Password = false;
    Fonctions::Inscrire_Fenetre(Fonctions::Fenetre::Password, nullptr);
}

void frmPassword::Demande_Code(bool afficher)
{
    if (!Fonctions::Port_Pret())
        return;
    auto &d = D();
    d.Afficher_Code_Masque = afficher;
    Fonctions::Envoi_Commande(Demande_Code_Acces, 0);
    d.Reponse_Absente_Signalee = false;
    if (frmMain *m = frmMain::Instance())
        m->Armer_Timer_Answer();
}

void frmPassword::Cmd_Ok_Click()
{
    Demande_Code(false);
}

void frmPassword::Cmd_Code_Mask_Click()
{
    Demande_Code(true);
}

void frmPassword::Lire(Controles_Password &c) const
{
    for (size_t i = 0; i < Combo_Chiffre.size(); ++i)
        c.Combo_Chiffre[i] = Combo_Chiffre[i]->currentText();
}

void frmPassword::Appliquer(const Controles_Password &c)
{
    for (size_t i = 0; i < Combo_Chiffre.size(); ++i)
        if (Combo_Chiffre[i]->currentText() != c.Combo_Chiffre[i])
            Combo_Chiffre[i]->Fixer(c.Combo_Chiffre[i]);
}

} // namespace configurator
