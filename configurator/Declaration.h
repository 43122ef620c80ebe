// Program-wide state of the configuration program: the shell's flags, the settings window's send and busy
// flags, and what the panel last reported.
#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>
#include <array>
#include <cstdint>

namespace configurator::Declaration {

struct Fenetres_Ouvertes
{
    bool Ouvert_Port = false;
    bool Ouvert_Config = false;
    bool Ouvert_Password = false;
    bool Ouvert_Change_Password = false;
    bool Ouvert_Parametres = false;
};

struct Etat
{
    // Shell and receive loop.
    int16_t Port_COM = 0; // 1..16, 0 = none chosen
    QString Mode_Utilisateur;
    bool Demande_Quitter = false;
    bool Reponse_Absente_Signalee = false;
    QByteArray Tampon_Reception;
    Fenetres_Ouvertes Ouvert;
    int16_t Indice = 0;
    // The decoder's boxes shown since the last request, each by its text without the numbers it carries.
    QSet<QString> Boites_Montrees;

    // Settings window and busy state.
    bool Envoi_Autorise = false;
    bool Attente_En_Cours = false;
    bool Mode_Visualisation = false;
    int64_t Top_Depart = 0;
    bool Reinitialisation_En_Cours = false; // a factory reset or flash erase awaits its report

    // Access code.
    bool Afficher_Code_Masque = false;
    QString Code_Masque;
    QString Code_Acces;

    // What the panel reported.
    QString Tampon_Numero_Serie;
    QString Numero_Serie;
    QString Tampon_Nom;
    QString Nom_Afficheur;
    int16_t Modele_Afficheur = 0;
    std::array<int16_t, 3> Version_Firmware{}; // 1 major, 2 minor
    bool Modele_40dB = false;
    QString Texte_Heures, Texte_Minutes;
    QString Texte_Jour_Semaine, Texte_Jour, Texte_Mois, Texte_Annee;
    int16_t Etat_Liaison_Capteur = 0;

    QString Chaine_Temp;
};

// The one program-wide state.
Etat &D();

// Back to the start state (every field zero or empty): used at start and by tests.
void Reinitialiser();

inline const QString Utilisateur = QStringLiteral("Utilisateur");
// Left in Chaine_Temp by the settings window's load when the panel did not answer its read-back.
inline const QString No_Dorva = QStringLiteral("No Dorva");

} // namespace configurator::Declaration
