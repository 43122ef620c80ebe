// Helpers of the configuration program's tests: the read-back of a simulated panel over a real serial
// control, and the decoding of answers as the receive loop hands them on.
#pragma once

#include "configurator/Controles_Config.h"
#include "configurator/Traitement_Reponse.h"
#include "panel_simulator.h"

#include <QByteArray>
#include <QString>
#include <ostream>
#include <utility>
#include <vector>

// Readable failures: texts print as text.
inline void PrintTo(const QString &texte, std::ostream *os)
{
    *os << '"' << texte.toStdString() << '"';
}

namespace configtest {

// Points PANEL_COM1..16 at paths that do not exist, so no test opens a real device.
void Ports_Vers_Rien();

// Sends the read-back request to `sim` through a platform serial control on COM 9, as the settings
// window does, and returns every byte answered once `attendus` have come (or 3 s have passed).
QByteArray Relire(panelsim::PanelSimulator &sim, int attendus);

// Decodes `octets` group by group, with a fresh program state unless told otherwise.
struct Decodage
{
    configurator::Controles controles;
    std::vector<configurator::Fonctions::Action> actions;
    int groupes = 0;

    void Octets(const QByteArray &octets);
    void Groupes(const std::vector<std::pair<int, int>> &groupes);
};

// The read-back's size: 3 bytes a frame.
inline int Octets_Relecture(bool horloge)
{
    return 3 * (horloge ? 52 : 45);
}

} // namespace configtest
