#include "relecture.h"

#include "panel_link/Trames.h"
#include "platform/serial_control.h"
#include "platform/ticks.h"

namespace configtest {

void Ports_Vers_Rien()
{
    for (int port = 1; port <= 16; ++port)
        qputenv(("PANEL_COM" + QByteArray::number(port)).constData(),
                ("/nonexistent/panel-com-" + QByteArray::number(port)).constData());
}

QByteArray Relire(panelsim::PanelSimulator &sim, int attendus)
{
    constexpr int port = 9;
    qputenv(("PANEL_COM" + QByteArray::number(port)).constData(), QByteArray::fromStdString(sim.path()));
    platform::SerialControl com;
    if (!panel_link::Ouverture_Echange(com, port) || !panel_link::Envoi_Commande(com, 0x80, 0))
        return {};
    platform::PumpUntil([&] { return com.InBufferCount() >= attendus; }, platform::GetTickCount() + 3000);
    const QByteArray octets = com.Input();
    com.setPortOpen(false);
    Ports_Vers_Rien();
    return octets;
}

void Decodage::Octets(const QByteArray &octets)
{
    groupes += panel_link::Parcourir_Reponse(octets, [this](int tag, int valeur) {
        configurator::Fonctions::Traitement_Reponse(tag, valeur, controles, actions);
    });
}

void Decodage::Groupes(const std::vector<std::pair<int, int>> &liste)
{
    for (const auto &[tag, valeur] : liste) {
        configurator::Fonctions::Traitement_Reponse(tag, valeur, controles, actions);
        ++groupes;
    }
}

} // namespace configtest
