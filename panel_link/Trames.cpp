#include "panel_link/Trames.h"

#include "platform/serial_control.h"

#include <cstdint>

namespace panel_link {

QByteArray Trame_Commande(int code, int valeur)
{
    QByteArray trame;
    trame.append(static_cast<char>(code & 0xFF));
    trame.append(static_cast<char>(valeur & 0xFF));
    trame.append(Fin_Trame);
    return trame;
}

bool Envoi_Commande(platform::SerialControl &com, int code, int valeur)
{
    return com.Output(Trame_Commande(code, valeur));
}

int Parcourir_Reponse(const QByteArray &reponse, const std::function<void(int, int)> &trame)
{
    int trames = 0;
    for (qsizetype i = 0; i + 2 < reponse.size(); i += 3) {
        trame(static_cast<uint8_t>(reponse[i]), static_cast<uint8_t>(reponse[i + 1]));
        ++trames;
    }
    return trames;
}

void Ouverture_Detection(platform::SerialControl &com)
{
    com.setInBufferSize(1000);
    com.setOutBufferSize(1000);
    com.ClearInBuffer();
    com.setRThreshold(1000);
    com.setInputLen(0);
    com.setSettings(Reglages_Ligne);
    com.setInputModeBinary();
    com.setPortOpen(false);
}

bool Ouverture_Echange(platform::SerialControl &com, int port)
{
    com.setPortOpen(false);
    com.setCommPort(port);
    com.setSettings(Reglages_Ligne);
    com.setDTREnable(false);
    com.setInBufferSize(Taille_Reception);
    com.setRThreshold(Taille_Reception);
    com.setInputLen(0);
    com.setInputModeBinary();
    const bool ouvert = com.setPortOpen(true);
    // Discard what was waiting before the request: only its answer counts.
    com.ClearInBuffer();
    return ouvert;
}

} // namespace panel_link
