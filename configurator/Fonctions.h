// The configuration program's shell services: its serial control and the port opening of the windows that
// talk to the panel, the request sender, the one-window-at-a-time rule, the busy state and the receive loop.
#pragma once

#include "configurator/Controles_Config.h"
#include "configurator/Traitement_Reponse.h"

#include <vector>

namespace platform {
class Form;
class SerialControl;
} // namespace platform

namespace configurator::Fonctions {

// The main window's serial control (MSComm1).
platform::SerialControl &MSComm1();

// Opens the chosen port (Port_COM) for the panel when it is closed: buffers, line settings, waiting bytes
// discarded. An open port is left as it is.
void Ouverture_Port();
void Fermeture_Port();

// One request frame on MSComm1; false (and nothing sent) when the port is closed or the write fails. A
// request starts a new exchange, whose answers may show the decoder's boxes again.
bool Envoi_Commande(int code, int valeur);
// A frame the decoder asks for: part of the exchange under way.
bool Envoi_Trame(int code, int valeur);
// Whether a command can go out: when the port is closed (the adapter gone), the user is told with the
// no-answer box instead, and false is returned.
bool Port_Pret();
// The no-answer box of the model.
void Message_Absence_Reponse();
// Tells a lost port once, with the no-answer box: it stands for the answer still awaited, and ends the
// busy state of a command that no answer will end.
void Signaler_Port_Perdu();

// The exclusive windows, in the order in which the close-all routine unloads them.
enum class Fenetre { Port, Config, Change_Password, Password, Parametres };
// A window tells the close-all routine that it is loaded (null when it goes).
void Inscrire_Fenetre(Fenetre fenetre, platform::Form *form);
// Unloads every exclusive window whose open flag is set.
void Fermer_Fenetres();

// What the settings and access-code windows show, as the decoder reads and writes it.
Controles &Controles_Programme();

// Busy state of the settings window: on after a command was sent, off when its answer came.
void Debut_Attente();
void Fin_Attente();

// One pass of the receive loop: events, then the waiting answers read and decoded, then the no-answer
// check. Returns false once the program is to quit.
bool Passe_Reception();
// Hands one answer group to the decoder and carries out what it asks of the windows.
void Traiter_Groupe(int code, int valeur);
// Carries out the decoder's requests in order: log lines, boxes, frames, waits, windows.
void Executer(const std::vector<Action> &actions);

} // namespace configurator::Fonctions
