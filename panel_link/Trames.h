// The serial protocol both programs share: line settings, the 3-byte request frame and its sender, the
// walk of an answer in 3-byte frames, and the two ways a port is prepared.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace platform {
class SerialControl;
}

namespace panel_link {

inline const QString Reglages_Ligne = QStringLiteral("56000,N,8,1");
// Input buffer size and receive threshold of an exchange.
inline constexpr int Taille_Reception = 16384;
// Third byte of every request: the letter "i".
inline constexpr char Fin_Trame = 'i';

// The request frame: command code, value byte, "i". No checksum.
QByteArray Trame_Commande(int code, int valeur);
// Writes one request frame on the given serial control; false when it could not be written.
bool Envoi_Commande(platform::SerialControl &com, int code, int valeur);

// Walks an answer in 3-byte frames (tag, value, an unexamined byte) from its start, handing each tag
// and value on; a trailing partial frame is ignored. Returns the number of frames walked.
int Parcourir_Reponse(const QByteArray &reponse, const std::function<void(int tag, int valeur)> &trame);

// Port preparation before a scan of the ports: buffers, line settings, port left closed.
void Ouverture_Detection(platform::SerialControl &com);
// Port preparation for one exchange on `port`, waiting bytes discarded; false when it cannot be opened.
bool Ouverture_Echange(platform::SerialControl &com, int port);

} // namespace panel_link
