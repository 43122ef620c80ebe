#include "analysis/core/Fonctions_Transfert_Total.h"

#include "analysis/core/Declaration.h"
#include "analysis/core/Echange.h"
#include "analysis/core/Fonctions.h"
#include "analysis/core/Suivi_Echange.h"
#include "panel_link/Trames.h"
#include "platform/input_guard.h"
#include "platform/message_box.h"
#include "platform/serial_control.h"

namespace Fonctions_Transfert_Total {

using Declaration::D;

namespace {

constexpr int kAttenteRequeteMs = 1000;
constexpr int kAttenteEntreBlocsMs = 500;
constexpr int kChienDeGardeMs = 12500; // a block whose bytes stop is asked again

void Texte_Restant()
{
    const auto &l = D().Etat_Liaison;
    Fonctions::Suivi().Temps(QStringLiteral("Temps de transfert restant = ") +
                             Fonctions::Chiffre_Duree(l.Duree_Transfert - l.Compteur_Octets / 5600) +
                             QStringLiteral(" sec."));
    Fonctions::Suivi().Recommencer();
}

// After three silent requests, with the port closed: whether to go on.
bool Continuer()
{
    return platform::MsgBox(
               QStringLiteral(
                   "Vérifier que l'Pelmar est bien connecté ! Voulez-vous continuer la transmission ???"),
               platform::MsgButtons::YesNo, platform::MsgIcon::None,
               QStringLiteral("Pelmar ne répond plus")) == platform::MsgResult::Yes;
}

// One block: asked until its first bytes come, then its 65536 bytes collected; a line that goes quiet
// mid-block asks the same block again.
Echange::Issue Recevoir_Bloc(int bloc)
{
    auto &com = Fonctions::MSComm1();
    Echange::Requete r;
    r.ouvrir = false;
    r.envoyer = [&com, bloc] {
        com.ClearInBuffer();
        Fonctions::Suivi().Tentative(QStringLiteral("Réception du Bock Mémoire n° %1 / 66.").arg(bloc + 1));
        Fonctions::Envoi_Commande(Fonctions::Demande_Bloc_Memoire, bloc);
    };
    r.attente_ms = kAttenteRequeteMs;
    r.nouvelle_tentative = [](int) { Texte_Restant(); };
    r.reprendre = &Continuer;
    for (;;) {
        const Echange::Issue demande = Echange::Demander(r);
        if (demande != Echange::Issue::Reussi)
            return demande;
        const Echange::Issue bloc_recu = Echange::Recevoir(Taille_Bloc, kChienDeGardeMs, nullptr);
        if (bloc_recu != Echange::Issue::Echec)
            return bloc_recu;
        Texte_Restant();
    }
}

} // namespace

void Transfert_Memoire()
{
    platform::InputGuard garde;
    auto &l = D().Etat_Liaison;
    l.Transfert_Reussi = false;
    l.Duree_Transfert = static_cast<int32_t>(Fonctions::Arrondi(4325376.0 / 5600)) + 17;
    Fonctions::Suivi_Echange &suivi = Fonctions::Suivi();
    suivi.Ouvrir();
    suivi.Transmission(l.Duree_Transfert);

    if (!Fonctions::Ouverture_Echange()) {
        // An adapter that is gone answers nothing: the same message as a silent panel.
        Fonctions::Fermeture_Port();
        Fonctions::Message_Erreur_1();
        return;
    }
    Fonctions::Attendre(kAttenteRequeteMs, true);
    l.Compteur_Octets = 0;

    for (int bloc = 0; bloc < Nombre_Blocs && !Fonctions::Arret(); ++bloc) {
        if (Recevoir_Bloc(bloc) != Echange::Issue::Reussi)
            break;
        Fonctions::MSComm1().setRThreshold(panel_link::Taille_Reception);
        Fonctions::Attendre(kAttenteEntreBlocsMs, true);
    }
    const bool complet = Fonctions::MSComm1().PortOpen() && !Fonctions::Arret();
    Fonctions::Fermeture_Port();
    if (!complet)
        return;

    platform::MsgBox(QStringLiteral("Transmission des données réussies !!!"), platform::MsgButtons::Ok,
                     platform::MsgIcon::None, QString());
    l.Transfert_Reussi = true;
    Fonctions::Attendre(2500, true);
    suivi.Fermer();
}

} // namespace Fonctions_Transfert_Total
