// The configuration program's serial control and the port opening of the windows that talk to the panel.
#include "configurator/Declaration.h"
#include "configurator/Fonctions.h"
#include "configurator/Modele.h"
#include "panel_link/Trames.h"
#include "platform/message_box.h"
#include "platform/serial_control.h"

#include <QCoreApplication>
#include <QPointer>

namespace configurator::Fonctions {

platform::SerialControl &MSComm1()
{
    // Parented to the application so that it goes before Qt does.
    static QPointer<platform::SerialControl> control;
    if (!control)
        control = new platform::SerialControl(QCoreApplication::instance());
    return *control;
}

void Ouverture_Port()
{
    platform::SerialControl &com = MSComm1();
    if (com.PortOpen())
        return;
    com.setCommPort(Declaration::D().Port_COM);
    com.setInBufferSize(panel_link::Taille_Reception);
    com.setRThreshold(panel_link::Taille_Reception);
    com.setInputLen(0);
    com.setSettings(panel_link::Reglages_Ligne);
    com.setInputModeBinary();
    com.setDTREnable(false);
    com.setPortOpen(true);
    // Bytes left from before belong to no request of this window.
    com.ClearInBuffer();
}

void Fermeture_Port()
{
    MSComm1().setPortOpen(false);
}

bool Envoi_Commande(int code, int valeur)
{
    Nouvelle_Demande();
    return Envoi_Trame(code, valeur);
}

bool Envoi_Trame(int code, int valeur)
{
    platform::SerialControl &com = MSComm1();
    return com.PortOpen() && panel_link::Envoi_Commande(com, code, valeur);
}

void Message_Absence_Reponse()
{
    platform::MsgBox(Modele().Message_Absence_Reponse, platform::MsgButtons::Ok, platform::MsgIcon::Critical,
                     Modele().Titre_Absence_Reponse);
}

void Signaler_Port_Perdu()
{
    auto &d = Declaration::D();
    if (d.Attente_En_Cours)
        Fin_Attente();
    d.Reponse_Absente_Signalee = true;
    Message_Absence_Reponse();
}

bool Port_Pret()
{
    platform::SerialControl &com = MSComm1();
    if (com.PortOpen())
        return true;
    // This box tells the loss as well: the receive loop need not tell it again.
    com.TakeLost();
    Signaler_Port_Perdu();
    return false;
}

} // namespace configurator::Fonctions
