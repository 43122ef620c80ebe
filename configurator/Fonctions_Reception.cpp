// The receive loop: the program's event pump, which reads the panel's answers in 3-byte groups while a
// window that talks to the panel is open, hands them to the decoder and carries out what it asks.
#include "configurator/Declaration.h"
#include "configurator/Fonctions.h"
#include "configurator/Modele.h"
#include "configurator/windows/frmChange_Password.h"
#include "configurator/windows/frmConfig.h"
#include "configurator/windows/frmMain.h"
#include "configurator/windows/frmPassword.h"
#include "panel_link/Trames.h"
#include "platform/form.h"
#include "platform/message_box.h"
#include "platform/serial_control.h"
#include "platform/ticks.h"

namespace configurator::Fonctions {

using Declaration::D;

namespace {

// How long one idle pass sleeps in the event loop at most: answers, clicks and timers wake it at once.
constexpr int kSommeMs = 50;
// The log keeps the newest lines only: a device that sends noise without end must not fill the memory.
// Far more than any session's answers; trimmed a few hundred at a time.
constexpr int kJournalMax = 5000;
constexpr int kJournalMarge = 500;

bool Quitter()
{
    return D().Demande_Quitter || platform::ProgramClosing();
}

bool Fenetre_Panneau_Ouverte()
{
    const auto &o = D().Ouvert;
    return o.Ouvert_Config || o.Ouvert_Password || o.Ouvert_Change_Password;
}

bool Timer_Answer_Arrete()
{
    frmMain *m = frmMain::Instance();
    return !m || !m->Timer_Answer.isActive();
}

void Attendre(int ms)
{
    const qint64 depart = platform::GetTickCount();
    platform::PumpUntil(Quitter, depart + ms);
}

} // namespace

Controles &Controles_Programme()
{
    static Controles controles;
    return controles;
}

void Debut_Attente()
{
    D().Attente_En_Cours = true;
    if (frmConfig *f = Config::Instance())
        f->Debut_Attente();
    else if (frmMain *m = frmMain::Instance())
        m->setParametresEnabled(false);
}

void Fin_Attente()
{
    D().Attente_En_Cours = false;
    frmMain *m = frmMain::Instance();
    if (frmConfig *f = Config::Instance()) {
        f->Fin_Attente();
        if (m) {
            m->mnuSave_Param->setEnabled(true);
            m->mnuPrint->setEnabled(true);
        }
    }
    // Without the settings window there is nothing to save or print, only the menu to give back.
    if (m)
        m->setParametresEnabled(true);
}

void Executer(const std::vector<Action> &actions)
{
    for (const Action &a : actions) {
        switch (a.genre) {
        case Genre::Ligne:
            if (frmConfig *f = Config::Instance()) {
                f->List_Reponses->AddItem(a.texte);
                if (f->List_Reponses->ListCount() > kJournalMax + kJournalMarge)
                    f->List_Reponses->RemoveFirst(f->List_Reponses->ListCount() - kJournalMax);
                // The newest answer stays in sight.
                f->List_Reponses->scrollToBottom();
            }
            break;
        case Genre::Message: platform::MsgBox(a.texte, platform::MsgButtons::Ok, a.icone, a.titre); break;
        case Genre::Envoi: Envoi_Trame(a.code, a.valeur); break;
        case Genre::Attente_200ms: Attendre(200); break;
        case Genre::Fin_Attente: Fin_Attente(); break;
        case Genre::Activer_Main:
            if (frmMain *m = frmMain::Instance())
                m->setEnabled(true);
            break;
        case Genre::Code_Accepte:
            if (frmMain *m = frmMain::Instance())
                m->mnuChange_Password->setVisible(true);
            D().Mode_Visualisation = false;
            Config::Show();
            if (D().Chaine_Temp == Declaration::No_Dorva)
                Config::Unload();
            Password::Unload();
            break;
        case Genre::Fermer_Change_Password: Change_Password::Unload(); break;
        }
        if (platform::ProgramClosing())
            return;
    }
}

void Traiter_Groupe(int code, int valeur)
{
    Controles &c = Controles_Programme();
    // The user may have changed a control since the last answer: the decoder reads what is shown.
    if (frmConfig *f = Config::Instance())
        f->Lire(c.Config);
    if (frmPassword *f = Password::Instance())
        f->Lire(c.Password);
    std::vector<Action> actions;
    Traitement_Reponse(code, valeur, c, actions);
    if (frmConfig *f = Config::Instance())
        f->Appliquer(c.Config);
    if (frmPassword *f = Password::Instance())
        f->Appliquer(c.Password);
    Executer(actions);
}

bool Passe_Reception()
{
    auto &d = D();
    if (Quitter())
        return false;
    platform::SerialControl &com = MSComm1();
    // Sleeps until something happens: the user, a timer, or enough answer bytes.
    const qint64 limite = platform::GetTickCount() + kSommeMs;
    platform::PumpUntil(
        [&com] {
            if (Quitter())
                return true;
            if (D().Port_COM == 0 || !Fenetre_Panneau_Ouverte())
                return false;
            return (com.PortOpen() && com.InBufferCount() >= 3) ||
                   (!D().Reponse_Absente_Signalee && Timer_Answer_Arrete());
        },
        limite);
    if (Quitter())
        return false;
    if (d.Port_COM == 0 || !Fenetre_Panneau_Ouverte())
        return true;

    if (com.PortOpen() && com.InBufferCount() >= 3) {
        // Let the rest of the answer come, so that a whole read-back is decoded in one pass.
        Attendre(200);
        platform::DoEvents();
        if (Quitter())
            return false;
        d.Tampon_Reception = com.Input();
        const QByteArray tampon = d.Tampon_Reception;
        for (qsizetype i = 0; i + 2 < tampon.size(); i += 3) {
            platform::DoEvents();
            if (Quitter())
                return false;
            Traiter_Groupe(static_cast<uint8_t>(tampon[i]), static_cast<uint8_t>(tampon[i + 1]));
        }
        if (Quitter())
            return false;
        com.setRThreshold(panel_link::Taille_Reception);
        if (frmMain *m = frmMain::Instance())
            m->setEnabled(true);
    }

    // A port that failed or whose adapter went away is told once, with the box that asks to check it.
    if (com.TakeLost()) {
        Signaler_Port_Perdu();
    } else if (Timer_Answer_Arrete() && !d.Reponse_Absente_Signalee) {
        d.Reponse_Absente_Signalee = true;
        Message_Absence_Reponse();
    }
    return !Quitter();
}

} // namespace configurator::Fonctions
