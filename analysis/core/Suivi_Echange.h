// What an exchange with the panel shows while it runs. The transfer progress window implements it; the
// requests and downloads speak only to this, so they run and are tested without a window.
#pragma once

#include <QString>
#include <cstdint>

namespace platform {
class HandlerScope;
}

namespace Fonctions {

class Suivi_Echange
{
public:
    virtual ~Suivi_Echange() = default;

    // Shows the progress (the window loads, the menus wait).
    virtual void Ouvrir() = 0;
    // Stops the progress and closes it.
    virtual void Fermer() = 0;

    // Request form: "Connexion avec l'Pelmar en cours ...", attempt 1, no remaining time, the bar
    // running to `maximum` (steps of 125 ms).
    virtual void Connexion(double maximum) = 0;
    // Download form: a transfer of `duree` seconds with its countdown.
    virtual void Transmission(int32_t duree) = 0;
    // The attempt (or block) label and the remaining-time label.
    virtual void Tentative(const QString &texte) = 0;
    virtual void Temps(const QString &texte) = 0;
    // A new attempt: the bar back to its start and running again.
    virtual void Recommencer() = 0;
};

// The progress that exchanges report to; shows nothing until one is registered.
Suivi_Echange &Suivi();
void Inscrire_Suivi(Suivi_Echange *suivi);

// After an exchange in a window's handler: whether the handler may go on. When its window went while
// the program goes on, the progress that the exchange left shown goes too.
bool Poursuivre(const platform::HandlerScope &handler);

} // namespace Fonctions
