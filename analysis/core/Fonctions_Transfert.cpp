#include "analysis/core/Fonctions_Transfert.h"

#include "analysis/core/Fonctions.h"
#include "analysis/core/frmConnexion.h"
#include "platform/serial_control.h"
#include "platform/ticks.h"

namespace Fonctions_Transfert {

using Declaration::D;
using platform::GetTickCount;

namespace {

constexpr int kTentatives = 3;
constexpr int kAttenteReponseMs = 2500;

bool Enregistrement_Efface(const char *octets)
{
    for (int c = 0; c < 8; ++c)
        if (static_cast<uint8_t>(octets[c]) != 255)
            return false;
    return true;
}

} // namespace

Declaration::Table_Donnees Lignes_Depuis_Octets(const QByteArray &octets, int32_t n)
{
    const qsizetype attendus = qMin<qsizetype>(static_cast<qsizetype>(n) * 8, octets.size());
    const qsizetype complets = attendus / 8;
    const bool filtre = static_cast<qsizetype>(n) * 8 > Seuil_Filtre;

    Declaration::Table_Donnees table;
    table.rows.reserve(static_cast<size_t>(complets) + 1);
    for (qsizetype r = 0; r < complets; ++r) {
        const char *enr = octets.constData() + r * 8;
        if (filtre && Enregistrement_Efface(enr))
            continue;
        Declaration::Enregistrement_Memoire ligne{};
        for (int c = 1; c <= 8; ++c)
            ligne[static_cast<size_t>(c)] = static_cast<uint8_t>(enr[c - 1]);
        table.rows.push_back(ligne);
    }
    return table;
}

Resultat Transfert_Periode(int32_t n, int32_t duree)
{
    auto &l = D().Etat_Liaison;
    auto &com = Fonctions::MSComm1();
    auto fen = [] { return Connexion::Instance(); };

    // Attempts: the request again every 2.5 s until bytes come, three times at most.
    l.Tentative = 1;
    for (;;) {
        const bool ouvert = Fonctions::Ouverture_Echange();
        if (ouvert)
            Fonctions::Envoi_Commande(Fonctions::Demande_Transfert_Periode, 0);
        Fonctions::Attendre(kAttenteReponseMs, true);
        if (Fonctions::Arret()) {
            Fonctions::Fermeture_Port();
            return Resultat::Arret;
        }
        if (ouvert && com.InBufferCount() > 0)
            break;
        ++l.Tentative;
        if (l.Tentative > kTentatives) {
            Fonctions::Fermeture_Port();
            Fonctions::Message_Erreur_1();
            return Resultat::Echec;
        }
        if (frmConnexion *c = fen()) {
            c->Label_Tentative->setText(Fonctions::Texte_Tentative(l.Tentative));
            c->Progression->setValue(c->Progression->Min());
            c->Label_Time->setText(QStringLiteral("Temps de transfert restant = ") +
                                   Fonctions::Deux_Chiffres(duree) + QStringLiteral(" sec."));
            c->Demarrer_Timer();
        }
        Fonctions::Fermeture_Port();
    }

    // Reception: everything the line brings until the period is complete; a line that goes
    // quiet for too long ends the download.
    const qsizetype attendus = static_cast<qsizetype>(n) * 8;
    QByteArray recus;
    recus.reserve(attendus);
    l.Compteur_Octets = 0;
    qint64 dernier_octet = GetTickCount();
    while (recus.size() < attendus) {
        platform::PumpUntil([&] { return Fonctions::Arret() || com.InBufferCount() > 0; },
                            dernier_octet + Delai_Silence_Ms);
        if (Fonctions::Arret()) {
            Fonctions::Fermeture_Port();
            return Resultat::Arret;
        }
        if (com.InBufferCount() == 0) {
            Fonctions::Fermeture_Port();
            Fonctions::Message_Erreur_1();
            return Resultat::Echec;
        }
        recus.append(com.Input());
        dernier_octet = GetTickCount();
        l.Compteur_Octets = static_cast<int32_t>(qMin(recus.size(), attendus));
    }
    recus.truncate(attendus);
    com.ClearInBuffer();
    com.setRThreshold(Fonctions::Taille_Reception);

    D().Donnees_Memoire = Lignes_Depuis_Octets(recus, n);
    l.Nombre_Enregistrements = D().Donnees_Memoire.Nombre_Lignes() * 8;
    Fonctions::Fermeture_Port();
    return Resultat::Reussi;
}

} // namespace Fonctions_Transfert
