#include "analysis/core/Echange.h"

#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "platform/serial_control.h"
#include "platform/ticks.h"

namespace Echange {

using Declaration::D;

namespace {

constexpr int kTentatives = 3;
constexpr int kRedemandesMax = 10; // short answers asked again before one counts as unanswered
constexpr int kLotMs = 250;        // how often the bytes of a download are taken

} // namespace

Issue Demander(const Requete &r)
{
    auto &l = D().Etat_Liaison;
    auto &com = Fonctions::MSComm1();
    l.Tentative = 1;
    int redemandes = 0;
    bool ouvert = r.ouvrir ? false : com.PortOpen();

    for (;;) {
        if (r.ouvrir)
            ouvert = Fonctions::Ouverture_Echange();
        if (ouvert)
            r.envoyer();
        Fonctions::Attendre(r.attente_ms, true);
        if (Fonctions::Arret()) {
            Fonctions::Fermeture_Port();
            return Issue::Arret;
        }

        if (ouvert && com.InBufferCount() > 0) {
            const Verdict v = r.juger ? r.juger() : Verdict::Complet;
            if (Fonctions::Arret()) {
                Fonctions::Fermeture_Port();
                return Issue::Arret;
            }
            if (v == Verdict::Complet)
                return Issue::Reussi;
            if (v == Verdict::Redemander && ++redemandes < kRedemandesMax) {
                if (r.ouvrir)
                    Fonctions::Fermeture_Port();
                continue;
            }
            redemandes = 0;
        }

        if (++l.Tentative > kTentatives) {
            // The port is closed before anything waits on the user.
            Fonctions::Fermeture_Port();
            if (!r.reprendre) {
                Fonctions::Message_Erreur_1();
                return Issue::Echec;
            }
            if (!r.reprendre() || Fonctions::Arret())
                return Fonctions::Arret() ? Issue::Arret : Issue::Echec;
            l.Tentative = 1;
            if (!r.ouvrir)
                ouvert = Fonctions::Ouverture_Echange();
        } else if (r.ouvrir) {
            Fonctions::Fermeture_Port();
        }
        if (r.nouvelle_tentative)
            r.nouvelle_tentative(l.Tentative);
    }
}

Issue Recevoir(qsizetype attendus, qint64 silence_ms, QByteArray *recus)
{
    auto &l = D().Etat_Liaison;
    auto &com = Fonctions::MSComm1();
    qsizetype nombre = 0;
    qint64 dernier_octet = platform::GetTickCount();
    while (nombre < attendus) {
        // The bytes are taken a few times a second, not chunk by chunk as the line brings them, and
        // whenever the input buffer is full, so that a fast line is not held to a bufferful a lot.
        const qint64 reste = attendus - nombre;
        platform::PumpUntil(
            [&] {
                return Fonctions::Arret() || com.InBufferCount() >= reste || com.InBufferFull() ||
                       !com.PortOpen();
            },
            qMin(platform::GetTickCount() + kLotMs, dernier_octet + silence_ms));
        if (Fonctions::Arret())
            return Issue::Arret;
        if (com.InBufferCount() == 0) {
            // Silent too long, or the device is gone.
            if (!com.PortOpen() || platform::GetTickCount() > dernier_octet + silence_ms)
                return Issue::Echec;
            continue;
        }
        const QByteArray morceau = com.Input();
        const qsizetype pris = qMin(morceau.size(), reste);
        if (recus)
            recus->append(morceau.constData(), pris);
        nombre += pris;
        dernier_octet = platform::GetTickCount();
        l.Compteur_Octets += static_cast<int32_t>(pris);
    }
    com.ClearInBuffer();
    return Issue::Reussi;
}

} // namespace Echange
