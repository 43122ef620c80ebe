// Question-and-answer exchanges with the panel: start-up scan, parameter read, memory-index read.
#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "analysis/core/frmConnexion.h"
#include "analysis/core/frmMain.h"
#include "platform/serial_control.h"
#include "platform/ticks.h"

namespace Fonctions {

using Declaration::D;
using platform::GetTickCount;

namespace {

constexpr int kAttentesCourtesMax = 10;  // short parameter answers tolerated before one counts
constexpr int kAttente18OctetsMs = 2000; // bound on the wait for a full index answer
constexpr int kSondeMs = 250;            // probe answer window of the start-up scan

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
    com.setRThreshold(16384);
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
    auto &l = D().Etat_Liaison;
    auto &com = MSComm1();
    l.Connexion_Reussie = false;
    l.Tentative = 1;
    Connexion::Show();
    int courtes = 0;

    for (;;) {
        const bool ouvert = Ouverture_Echange();
        if (ouvert)
            Envoi_Commande(Demande_Parametres, 0);
        Attendre(500, true);
        if (Arret()) {
            Fermeture_Port();
            return;
        }
        int attente = ouvert ? com.InBufferCount() : 0;
        if (attente > 0) {
            platform::DoEvents();
            attente = com.InBufferCount();
            if (attente >= 126) {
                Lire_Et_Decoder(false);
                l.Connexion_Reussie = true;
                Fermeture_Port();
                return;
            }
            // A short answer is asked again without counting, but not forever.
            if (++courtes < kAttentesCourtesMax) {
                Fermeture_Port();
                continue;
            }
            courtes = 0;
        }
        ++l.Tentative;
        if (l.Tentative > 3) {
            Message_Erreur_1();
            Fermeture_Port();
            return;
        }
        Fermeture_Port();
    }
}

void Lecture_Index_Memoire(bool mode_periode)
{
    auto &l = D().Etat_Liaison;
    auto &com = MSComm1();
    // The stop flag is not cleared here: once the main window has unloaded it must stay set.
    D().Donnees_Chargees = false;
    l.Lecture_Index_Reussie = false;
    if (frmMain *m = frmMain::Instance())
        m->setSaveEnabled(false);
    // Events run during the waits, so the window is looked up again at each use.
    Connexion::Show().Etat_Menu_Sauvegarde = false; // the index read has just disabled saving
    auto fen = [] { return Connexion::Instance(); };

    const auto &idx = D().Index_Memoire;
    l.Quantite_Donnees = Calcul_Quantite_Donnees(idx.Adresse_Premier, idx.Adresse_Dernier);
    if (frmConnexion *c = fen()) {
        c->Progression->setMax(static_cast<float>(l.Quantite_Donnees / 125.0 + 40.1));
        c->Demarrer_Timer();
        c->Label_Type->setText(QStringLiteral("Connexion avec l'Pelmar en cours ..."));
        c->Label_Tentative->setText(Texte_Tentative(1));
        c->Label_Time->setText(QString());
    }
    l.Tentative = 1;

    auto fermer_fenetre = [&] {
        if (frmConnexion *c = Connexion::Instance()) {
            c->Arreter_Timer();
            c->Unload();
        }
    };

    for (;;) {
        const bool ouvert = Ouverture_Echange();
        if (mode_periode) {
            const auto &s = D().Date_Selection;
            const int valeurs[6] = {s.Jour_Debut_Selection, s.Mois_Debut_Selection, s.Annee_Debut_Selection,
                                    s.Jour_Fin_Selection,   s.Mois_Fin_Selection,   s.Annee_Fin_Selection};
            for (int i = 0; i < 6 && ouvert; ++i)
                Envoi_Commande(Demande_Periode + i, valeurs[i]);
        } else {
            l.Quantite_Donnees = 0;
            if (frmConnexion *c = fen())
                c->Progression->setMax(38.1f);
            if (ouvert)
                Envoi_Commande(Demande_Index_Memoire, D().Type_Analyse == Declaration::Vue_Graphique ? 1 : 0);
        }
        Attendre(5000 + l.Quantite_Donnees, true);
        if (Arret()) {
            Fermeture_Port();
            return;
        }

        bool complet = false;
        if (ouvert && com.InBufferCount() > 0) {
            // The whole answer is 36 bytes; 18 is enough to begin, and it must come in time.
            platform::PumpUntil([&] { return Arret() || com.InBufferCount() >= 18; },
                                GetTickCount() + kAttente18OctetsMs);
            if (Arret()) {
                Fermeture_Port();
                return;
            }
            complet = com.InBufferCount() >= 18;
        }
        if (complet) {
            Lire_Et_Decoder(mode_periode);
            l.Lecture_Index_Reussie = true;
            Fermeture_Port();
            fermer_fenetre();
            return;
        }

        ++l.Tentative;
        if (l.Tentative > 3) {
            Message_Erreur_1();
            Fermeture_Port();
            fermer_fenetre();
            return;
        }
        if (frmConnexion *c = fen()) {
            c->Label_Tentative->setText(Texte_Tentative(l.Tentative));
            c->Progression->setValue(c->Progression->Min());
            c->Demarrer_Timer();
        }
        Fermeture_Port();
    }
}

} // namespace Fonctions
