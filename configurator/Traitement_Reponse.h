// The reading of the panel's answers: each (tag, value) group becomes program state, control values and
// an ordered list of what the windows must then do (log lines, boxes, frames, busy state, windows).
#pragma once

#include "configurator/Controles_Config.h"
#include "platform/message_box.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace configurator::Fonctions {

enum class Genre {
    Ligne,                  // add `texte` at the end of List_Reponses
    Message,                // message box `texte`, `titre`, `icone`, OK button
    Envoi,                  // send the frame (`code`, `valeur`)
    Attente_200ms,          // wait 200 ms, window events running
    Fin_Attente,            // switch the busy state off (Attente_En_Cours is already cleared)
    Activer_Main,           // enable the main window
    Code_Accepte,           // show "Change Mot de Passe", open the settings window, close the code window
    Fermer_Change_Password, // unload the code-change window
};

struct Action
{
    Genre genre;
    QString texte;
    QString titre;
    platform::MsgIcon icone = platform::MsgIcon::None;
    int code = 0;
    int valeur = 0;
};

// Decodes one answer group. The values it puts into `controles` are for showing only: nothing here sends
// them back, and the only frames it asks for are the wrong-code signal and the read-back after a reset.
void Traitement_Reponse(int code, int valeur, Controles &controles, std::vector<Action> &actions);

// A request went out: the answers from here on may show each of the decoder's boxes once more.
void Nouvelle_Demande();

// The log lines among `actions`, in order.
QStringList Lignes(const std::vector<Action> &actions);

} // namespace configurator::Fonctions
