// Question-and-answer exchanges with the panel: start-up scan, parameter read, memory-index read.
#include "analysis/core/Declaration.h"
#include "analysis/core/Echange.h"
#include "analysis/core/Fonctions.h"
#include "analysis/core/Suivi_Echange.h"
#include "panel_link/Trames.h"
#include "platform/input_guard.h"
#include "platform/serial_control.h"
#include "platform/ticks.h"

namespace Fonctions {

using Declaration::D;
using platform::GetTickCount;

namespace {

constexpr int kReponseParametres = 126; // 42 frames: a whole parameter answer
constexpr int kReponseIndex = 36;       // 12 frames: dates and both addresses
constexpr int kAttenteIndexMs = 2000;   // bound on the wait for the rest of an index answer
constexpr int kSondeMs = 250;           // probe answer window of the start-up scan

void Entre_Trames()
{
    platform::DoEvents();
}

// Reads what is waiting, decodes it and leaves the port ready for the next exchange.
void Lire_Et_Decoder(bool mode_periode)
{
    auto &com = MSComm1();
    auto &l = D().Etat_Liaison;
    l.Tampon_Reception = com.Input();
    Decoder_Tampon(l.Tampon_Reception, mode_periode, &Entre_Trames);
    com.ClearInBuffer();
    com.setRThreshold(panel_link::Taille_Reception);
}

} // namespace

bool Arret()
{
    return D().Etat_Liaison.Arret_Demande;
}

void Attendre(qint64 ms, bool avec_arret)
{
    auto &l = D().Etat_Liaison;
    l.Top_Depart = GetTickCount();
    platform::PumpUntil([&] { return avec_arret && Arret(); }, l.Top_Depart + ms);
}

QString Texte_Tentative(int tentative)
{
    return QStringLiteral("Tentative de Connexion %1 / 3.").arg(tentative);
}

void Message_Erreur_1()
{
    Message_Critique(Texte_Erreur_1, Titre_Erreur_1);
}

void Detection_Port()
{
    platform::InputGuard garde;
    Fermer_Fenetres();
    auto &l = D().Etat_Liaison;
    l.Afficheur_Detecte = false;
    Ouverture_Detection();
    auto &com = MSComm1();
    for (int port = 1; port <= 16 && !Arret(); ++port) {
        com.setCommPort(port);
        if (!com.setPortOpen(true))
            continue;
        com.ClearInBuffer();
        Envoi_Commande(Demande_Leq_1_Sec, 0);
        // A timed window instead of a count of event rounds, so the scan does not depend on
        // the machine's speed; a full window, since a 4-byte answer must not count.
        Attendre(kSondeMs, true);
        if (com.InBufferCount() == 3) {
            l.Port_COM = static_cast<int16_t>(port);
            l.Afficheur_Detecte = true;
        }
        com.setPortOpen(false);
    }
}

void Lecture_Parametres()
{
    platform::InputGuard garde;
    auto &l = D().Etat_Liaison;
    l.Connexion_Reussie = false;
    Suivi().Ouvrir();

    Echange::Requete r;
    r.envoyer = [] { Envoi_Commande(Demande_Parametres, 0); };
    r.attente_ms = 500;
    r.juger = [] {
        platform::DoEvents();
        return MSComm1().InBufferCount() >= kReponseParametres ? Echange::Verdict::Complet
                                                               : Echange::Verdict::Redemander;
    };
    if (Echange::Demander(r) != Echange::Issue::Reussi)
        return;
    Lire_Et_Decoder(false);
    l.Connexion_Reussie = true;
    Fermeture_Port();
}

void Lecture_Index_Memoire(bool mode_periode)
{
    platform::InputGuard garde;
    auto &l = D().Etat_Liaison;
    auto &com = MSComm1();
    // The stop flag is not cleared here: once the main window has unloaded it must stay set. The data
    // held stay as they are: only a completed download or a file read replaces them.
    l.Lecture_Index_Reussie = false;
    Suivi_Echange &suivi = Suivi();
    suivi.Ouvrir();

    const auto &idx = D().Index_Memoire;
    l.Quantite_Donnees = mode_periode ? Calcul_Quantite_Donnees(idx.Adresse_Premier, idx.Adresse_Dernier) : 0;
    suivi.Connexion(mode_periode ? l.Quantite_Donnees / 125.0 + 40.1 : 38.1);

    auto &s = D().Date_Selection;
    if (mode_periode) {
        // An answer that lacks them must not leave the previous period's addresses to size a download.
        s.Adresse_Debut_Selection = 0;
        s.Adresse_Fin_Selection = 0;
    }

    Echange::Requete r;
    r.envoyer = [&] {
        if (mode_periode) {
            const int valeurs[6] = {s.Jour_Debut_Selection, s.Mois_Debut_Selection, s.Annee_Debut_Selection,
                                    s.Jour_Fin_Selection,   s.Mois_Fin_Selection,   s.Annee_Fin_Selection};
            for (int i = 0; i < 6; ++i)
                Envoi_Commande(Demande_Periode + i, valeurs[i]);
        } else {
            Envoi_Commande(Demande_Index_Memoire, D().Type_Analyse == Declaration::Vue_Graphique ? 1 : 0);
        }
    };
    r.attente_ms = 5000 + l.Quantite_Donnees;
    r.juger = [&] {
        // Only the whole answer counts, and it must come in time.
        platform::PumpUntil([&] { return Arret() || com.InBufferCount() >= kReponseIndex; },
                            GetTickCount() + kAttenteIndexMs);
        return com.InBufferCount() >= kReponseIndex ? Echange::Verdict::Complet : Echange::Verdict::Manque;
    };
    r.nouvelle_tentative = [&](int tentative) {
        suivi.Tentative(Texte_Tentative(tentative));
        suivi.Recommencer();
    };

    const Echange::Issue issue = Echange::Demander(r);
    if (issue == Echange::Issue::Arret)
        return;
    if (issue == Echange::Issue::Reussi) {
        Lire_Et_Decoder(mode_periode);
        l.Lecture_Index_Reussie = true;
        Fermeture_Port();
    }
    suivi.Fermer();
}

} // namespace Fonctions
