#include "analysis/core/Fonctions_Transfert_Total.h"

#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "analysis/core/frmConnexion.h"
#include "analysis/core/frmData_Type.h"
#include "platform/message_box.h"
#include "platform/serial_control.h"
#include "platform/ticks.h"

namespace Fonctions_Transfert_Total {

using Declaration::D;
using platform::GetTickCount;

namespace {

constexpr int kAttenteRequeteMs = 1000;
constexpr int kAttenteEntreBlocsMs = 500;
constexpr int kChienDeGardeMs = 12500; // a block whose bytes stop is asked again

void Texte_Restant()
{
    const auto &l = D().Etat_Liaison;
    if (frmConnexion *c = Connexion::Instance()) {
        c->Label_Time->setText(QStringLiteral("Temps de transfert restant = ") +
                               Fonctions::Chiffre_Duree(l.Duree_Transfert - l.Compteur_Octets / 5600) +
                               QStringLiteral(" sec."));
        c->Demarrer_Timer();
    }
}

enum class Bloc { Recu, Relance, Abandon };

// One block: request, wait for its first bytes, then collect the 65536 bytes or give up on a
// silent line.
Bloc Recevoir_Bloc(int bloc)
{
    auto &l = D().Etat_Liaison;
    auto &com = Fonctions::MSComm1();
    com.ClearInBuffer();
    if (frmConnexion *c = Connexion::Instance())
        c->Label_Tentative->setText(QStringLiteral("Réception du Bock Mémoire n° %1 / 66.").arg(bloc + 1));
    Fonctions::Envoi_Commande(Fonctions::Demande_Bloc_Memoire, bloc);
    Fonctions::Attendre(kAttenteRequeteMs, false);

    if (com.InBufferCount() == 0) {
        ++l.Tentative;
        if (l.Tentative > 3) {
            const auto r = platform::MsgBox(
                QStringLiteral(
                    "Vérifier que l'Pelmar est bien connecté ! Voulez-vous continuer la transmission ???"),
                platform::MsgButtons::YesNo, platform::MsgIcon::None,
                QStringLiteral("Pelmar ne répond plus"));
            if (r != platform::MsgResult::Yes)
                return Bloc::Abandon;
            l.Tentative = 1;
        }
        Texte_Restant();
        return Bloc::Relance;
    }

    l.Tentative = 1;
    qsizetype recus = 0;
    qint64 dernier = GetTickCount();
    while (recus < Taille_Bloc) {
        platform::PumpUntil([&] { return Fonctions::Arret() || com.InBufferCount() > 0; },
                            dernier + kChienDeGardeMs);
        if (Fonctions::Arret())
            return Bloc::Recu;
        if (com.InBufferCount() == 0) {
            Texte_Restant();
            return Bloc::Relance;
        }
        // Bounded to the block: bytes past it belong to no block and are dropped below.
        recus += com.Input().size();
        dernier = GetTickCount();
    }
    com.ClearInBuffer();
    com.setRThreshold(Fonctions::Taille_Reception);
    return Bloc::Recu;
}

} // namespace

void Transfert_Memoire()
{
    auto &l = D().Etat_Liaison;
    l.Transfert_Reussi = false;
    l.Duree_Transfert = static_cast<int32_t>(Fonctions::Arrondi(4325376.0 / 5600)) + 17;

    if (frmData_Type *d = Data_Type::Instance())
        d->Hide();
    Connexion::Show().Preparer_Transmission(l.Duree_Transfert);
    l.Tentative = 1;

    if (!Fonctions::Ouverture_Echange()) {
        // An adapter that is gone answers nothing: the same message as a silent panel.
        Fonctions::Message_Erreur_1();
        return;
    }
    Fonctions::Attendre(kAttenteRequeteMs, true);
    if (Fonctions::Arret()) {
        Fonctions::Fermeture_Port();
        return;
    }
    l.Compteur_Octets = 0;
    l.Tentative = 1;

    for (int bloc = 0; bloc < Nombre_Blocs && !Fonctions::Arret(); ++bloc) {
        Bloc etat;
        while ((etat = Recevoir_Bloc(bloc)) == Bloc::Relance && !Fonctions::Arret()) {
        }
        if (etat == Bloc::Abandon) {
            Fonctions::Fermeture_Port();
            return;
        }
        Fonctions::Attendre(kAttenteEntreBlocsMs, true);
    }
    Fonctions::Fermeture_Port();
    if (Fonctions::Arret())
        return;

    platform::MsgBox(QStringLiteral("Transmission des données réussies !!!"), platform::MsgButtons::Ok,
                     platform::MsgIcon::None, QString());
    l.Transfert_Reussi = true;
    Fonctions::Attendre(2500, true);
    if (frmConnexion *fen = Connexion::Instance()) {
        fen->Arreter_Timer();
        fen->Unload();
    }
}

} // namespace Fonctions_Transfert_Total
