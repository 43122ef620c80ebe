#include "analysis/core/Fonctions_Transfert.h"

#include "analysis/core/Echange.h"
#include "analysis/core/Fonctions.h"
#include "analysis/core/Suivi_Echange.h"
#include "panel_link/Trames.h"
#include "platform/input_guard.h"
#include "platform/serial_control.h"

namespace Fonctions_Transfert {

using Declaration::D;

namespace {

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
    // A count below zero asks for nothing.
    const qsizetype attendus = qBound<qsizetype>(0, static_cast<qsizetype>(n) * 8, octets.size());
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

Resultat Transfert_Periode(int32_t n, int32_t duree, Declaration::Table_Donnees &table)
{
    platform::InputGuard garde;
    auto &l = D().Etat_Liaison;
    Fonctions::Suivi_Echange &suivi = Fonctions::Suivi();

    // Attempts: the request again every 2.5 s until bytes come, three times at most.
    Echange::Requete r;
    r.envoyer = [] { Fonctions::Envoi_Commande(Fonctions::Demande_Transfert_Periode, 0); };
    r.attente_ms = kAttenteReponseMs;
    r.nouvelle_tentative = [&](int tentative) {
        suivi.Tentative(Fonctions::Texte_Tentative(tentative));
        suivi.Temps(QStringLiteral("Temps de transfert restant = ") + Fonctions::Deux_Chiffres(duree) +
                    QStringLiteral(" sec."));
        suivi.Recommencer();
    };
    const Echange::Issue demande = Echange::Demander(r);
    if (demande != Echange::Issue::Reussi)
        return demande == Echange::Issue::Arret ? Resultat::Arret : Resultat::Echec;

    // Reception: everything the line brings until the period is complete; a line that goes
    // quiet for too long ends the download.
    QByteArray recus;
    l.Compteur_Octets = 0;
    recus.reserve(static_cast<qsizetype>(n) * 8);
    const Echange::Issue reception =
        Echange::Recevoir(static_cast<qsizetype>(n) * 8, Delai_Silence_Ms, &recus);
    Fonctions::MSComm1().setRThreshold(panel_link::Taille_Reception);
    Fonctions::Fermeture_Port();
    if (reception == Echange::Issue::Arret)
        return Resultat::Arret;
    if (reception == Echange::Issue::Echec) {
        Fonctions::Message_Erreur_1();
        return Resultat::Echec;
    }
    table = Lignes_Depuis_Octets(recus, n);
    l.Nombre_Enregistrements = table.Nombre_Lignes() * 8;
    return Resultat::Reussi;
}

void Appliquer_Periode(Declaration::Table_Donnees &&table, Declaration::Etat &etat)
{
    const auto &s = etat.Date_Selection;
    etat.Donnees_Memoire = std::move(table);
    etat.Periode_Chargee = {
        s.Jour_Debut_Selection, s.Mois_Debut_Selection, static_cast<int16_t>(s.Annee_Debut_Selection + 2000),
        s.Jour_Fin_Selection,   s.Mois_Fin_Selection,   static_cast<int16_t>(s.Annee_Fin_Selection + 2000)};
    etat.Adresse_Debut_Chargee = s.Adresse_Debut_Selection;
    etat.Adresse_Fin_Chargee = s.Adresse_Fin_Selection;
    etat.Parametres_Chargees = etat.Parametres_Afficheur;
    etat.Donnees_Chargees = true;
}

} // namespace Fonctions_Transfert
