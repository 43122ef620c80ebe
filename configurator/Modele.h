// Everything that tells the two configuration programs apart, in one description per model. Each program
// links exactly one of the two descriptions (models/), so the shared sources ask Modele() and never test
// the model themselves.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace configurator {

// The panel's BCD clock conversions; only a model with a clock carries them.
struct Conversions_BCD
{
    int16_t (*Decimal_Vers_BCD)(int16_t n);
    int16_t (*BCD_Vers_Decimal)(int16_t b);
};

// A system report whose log text is not the same in both models.
struct Texte_Rapport
{
    int rapport;
    QString texte;
};

struct Description_Modele
{
    QString Mot_Modele; // "Pelmar" or "Tuvik", as in the about box's description lines

    // Main window, splash window and about box.
    QString Titre_Principal;
    QString Menu_Configurer;
    QString Menu_Change_Password;
    QString Message_Absence_Reponse;
    QString Titre_Absence_Reponse;
    QString Label_Firmware;
    QString About_Titre;
    QString About_Version;
    QString About_Date_Version;

    // Settings window.
    QString Titre_Config;
    QString Titre_Nom;
    QString Titre_Reponses;

    // Access-code windows.
    QString Entete_Password;
    QString Entete_Change_Password;
    QString Confirmation_Change_Password;
    QString Codes_Differents;
    bool Signal_Code_Errone = false; // whether a refused code is told to the panel (0x5F)
    QString Message_Code_Errone;
    QString Titre_Code_Errone;
    QString Message_Code_Change;

    // Answer decoder.
    std::vector<int> Modeles_Avertis; // model numbers (tag 0x1C) that belong to another program
    QString Ligne_Version;            // "  <model> - Version "
    QString Ligne_Version_40dB;       // "  <model> - 40 dB - Version "
    QString Ack_Aff_Centre;
    QString Ack_Aff_Bas_Gauche;
    bool Ligne_Vide_Capteur = true; // tag 0x39 opens its group with an empty line
    QString Ack_Capteur;
    QString Ack_Nom;
    QString Ligne_Nom; // "  Nom de l'<model> : "
    QString Valeur_Leq10;
    QString Valeur_Leq1;
    QString Valeur_Leq5;
    std::vector<Texte_Rapport> Rapports; // reports worded differently in the other model

    // Settings commands: refusals and confirmations. The conflict texts take the clicked area's new
    // choice as %1 and the other area's text as %2.
    QString Conflit_Centre, Titre_Conflit_Centre;
    QString Conflit_Bas_Gauche, Titre_Conflit_Bas_Gauche;
    QString Nom_Trop_Long, Titre_Nom_Trop_Long, Ligne_Nom_Refuse;
    QString Numero_Trop_Long, Titre_Numero_Trop_Long, Ligne_Numero_Trop_Long;
    QString Titre_Numero_Incorrect, Ligne_Numero_Incorrect;
    QString Confirmation_Effacement;

    // Whether the display-area lists keep their "Niveau Leq 5 Minutes" entry for this firmware version.
    bool (*Listes_Completes)(int majeure, int mineure);

    // Clock, date and automatic clock change (tags 0x38, 0x50..0x55): null for a model without a clock.
    const Conversions_BCD *BCD = nullptr;
    bool Horloge() const { return BCD != nullptr; }

    // Parameter files and sheets.
    QString Entete_Fichier;              // the file's first line
    QString Extension_Fichier;           // without its dot
    QString Filtre_Fichier;              // "Description (*.ext)|*.ext"
    QString Prefixe_Nom_Fichier;         // start of the name proposed by the save dialog
    QString Titre_Sauvegarde_Impossible; // title of the boxes of a save that cannot be done
    QString Message_Fichier_Refuse;      // the chosen file fails the check
    QString Entete_Parametres;           // heading of both tables: "<model> - " and the name
    QString Entete_Parametres_40dB;
    QString Titre_Parametres; // caption of the parameters window, before the name
    QString Titre_Ligne_Nom;  // caption of the name row
    QString Capteur_Ferrin_Fichier, Capteur_Ostra_Fichier; // sensor-link row of a file's view
};

// The description of the model this program is built for.
const Description_Modele &Modele();

} // namespace configurator
