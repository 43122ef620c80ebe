// The larger model's program, Config_Pelmar: its texts, the model numbers it warns about, its display-area
// lists by firmware version, and its clock.
#include "configurator/Modele.h"
#include "configurator/models/Fonctions_BCD.h"

namespace configurator {

namespace {

// The 5-minute level came with firmware 2.3.
bool Listes_Completes_Pelmar(int majeure, int mineure)
{
    return !(majeure == 2 && mineure < 3);
}

const Conversions_BCD Horloge_Pelmar{&Fonctions_BCD::Decimal_Vers_BCD, &Fonctions_BCD::BCD_Vers_Decimal};

Description_Modele Decrire()
{
    Description_Modele m;
    m.Mot_Modele = QStringLiteral("Pelmar");
    m.Titre_Principal = QStringLiteral("Velquin - Logiciel de Configuration de l'Pelmar - Version 2.4");
    m.Menu_Configurer = QStringLiteral("Configurer un Pelmar");
    m.Menu_Change_Password = QStringLiteral("Change Mot de Passe");
    m.Message_Absence_Reponse = QStringLiteral(
        "ATTENTION : L'Pelmar n'a pas répondu !!! Veuillez vérifier le port de communication sélectionné et "
        "que le port USB de l'Pelmar est bien connecté !!!");
    m.Titre_Absence_Reponse = QStringLiteral("L'Pelmar ne répond pas");
    m.Label_Firmware = QStringLiteral("Version 2.4 - Installateur");
    m.About_Titre = QStringLiteral("LOGICIEL DE CONFIGURATION DE L'Pelmar");
    m.About_Version = QStringLiteral("Version 2.4");
    m.About_Date_Version = QStringLiteral("Version : 25062009");

    m.Titre_Config = QStringLiteral("Configuration de l'Pelmar");
    m.Titre_Nom = QStringLiteral("Nom de l'Pelmar : (24 caractères maxi.)");
    m.Titre_Reponses = QStringLiteral("Boite de Dialogue de Réponse de l'Pelmar :");

    m.Entete_Password = QStringLiteral("Veuillez Entrer le mot de passe SVP.");
    m.Entete_Change_Password = QStringLiteral("Veuillez Entrer le nouveau mot de passe SVP.");
    m.Confirmation_Change_Password = QStringLiteral("Veuillez Confirmer le nouveau mot de passe SVP.");
    m.Codes_Differents = QStringLiteral("Impossible de Changer le mot de Passe !!!");
    m.Signal_Code_Errone = true;
    m.Message_Code_Errone = QStringLiteral(
        "Le Mot de Passe que vous avez entré est incorrect !!! Veuillez en saisir un autre SVP !!!");
    m.Titre_Code_Errone = QStringLiteral("Mot de Passe Erroné");
    m.Message_Code_Change = QStringLiteral("Changement de Mot de Passe Effectué !!!");

    m.Modeles_Avertis = {15, 30};
    m.Ligne_Version = QStringLiteral("  Pelmar - Version ");
    m.Ligne_Version_40dB = QStringLiteral("  Pelmar - 40 dB - Version ");
    m.Ack_Aff_Centre = QStringLiteral("  Modification de la Configuration de l'Afficheur Central Ok !!!");
    m.Ack_Aff_Bas_Gauche =
        QStringLiteral("  Modification de la Configuration de l'Afficheur du Bas à Gauche Ok !!!");
    m.Ligne_Vide_Capteur = true;
    m.Ack_Capteur = QStringLiteral("  Modification du Type de Liaison Capteur !!!");
    m.Ack_Nom = QStringLiteral("  Modification du Nom de l'Pelmar Ok !!!");
    m.Ligne_Nom = QStringLiteral("  Nom de l'Pelmar : ");
    m.Valeur_Leq10 = QStringLiteral("  Valeur Leq 10 Minutes = ");
    m.Valeur_Leq1 = QStringLiteral("  Valeur Leq 1 Minute = ");
    m.Valeur_Leq5 = QStringLiteral("  Valeur Leq 5 Minutes = ");
    m.Rapports = {
        {0x08, QStringLiteral("  Le Système Fonctionne Correctement !!!")},
        {0x0C, QStringLiteral("  Configuration de l'Afficheur du Centre Erroné.")},
        {0x0D, QStringLiteral("  Configuration de l'Afficheur du Bas Gauche Erroné.")},
        {0x0E, QStringLiteral("  Configuration de l'Afficheur du Bas Droite Erroné.")},
        {0x0F, QStringLiteral("  Fonctionnement de Luminosité Erroné.")},
        {0x10, QStringLiteral("  Type de Luminosité Automatique Erroné.")},
        {0x11, QStringLiteral("  Valeur de la Luminosité Manuelle Erroné.")},
        {0x12, QStringLiteral("  Valeur du Niveau d'Alarme Erroné.")},
        {0x15, QStringLiteral(
                   "  Problème de la Sauvegarde des Paramètres (RéInitialisation de la Mémoire Flash).")},
        {0x18, QStringLiteral("  Problème de Sauvegarde des Paramètres (Sauvegarde des Paramètres).")},
        {0x19, QStringLiteral("  Valeur Reçue Erronée !!! Modification Impossible !!!")},
        {0x1D, QStringLiteral("  Problème d'Effacement de la Flash (Sauvegarde Leq)!!!")},
        {0x1E, QStringLiteral("  Problème d'Ecriture de la Flash (Sauvegarde Leq)!!!")},
        {0x1F, QStringLiteral("  Problème de Lecture de la Flash (Sauvegarde Leq)!!!")},
        {0x21, QStringLiteral("  Valeur de l'Adresse Erronée !!!")},
        {0x22, QStringLiteral("  Problème d'Effacement de la Flash (Effacement Total) !!!")},
        {0x23, QStringLiteral("  Heure du Changement d'Heure Erronée !!!")},
        {0x24, QStringLiteral("  Problème de Lecture de la Flash (Save Evénements) !!!")},
        {0x27, QStringLiteral("  Valeur de la Date Erronée !!!")},
        {0x29, QStringLiteral("  Type de Capteur Erronée !!!")},
    };
    m.Conflit_Centre = QStringLiteral("Cette configuration est impossible !!! L'Pelmar ne peut afficher le "
                                      "Niveau Leq 10 Minutes et le Niveau "
                                      "Leq 5 Minutes en même temps. Pour configurer l'Afficheur Central en "
                                      "%1, il faut préalablement changer "
                                      "la configuration de l'Afficheur du Bas à Gauche de %2");
    m.Titre_Conflit_Centre = QStringLiteral("Impossible de Configurer l'Afficheur Central !!!");
    m.Conflit_Bas_Gauche = QStringLiteral("Cette configuration est impossible !!! L'Pelmar ne peut afficher "
                                          "le Niveau Leq 10 Minutes et le Niveau "
                                          "Leq 5 Minutes en même temps. Pour configurer l'Afficheur du Bas à "
                                          "Gauche en %1, il faut préalablement "
                                          "changer la configuration de l'Afficheur Central de %2");
    m.Titre_Conflit_Bas_Gauche = QStringLiteral("Impossible de Configurer l'Afficheur du Bas à Gauche !!!");
    m.Nom_Trop_Long = QStringLiteral("Le Nom de l'Pelmar ne doit pas dépasser 24 caractères !!!");
    m.Titre_Nom_Trop_Long = QStringLiteral("Nombre de Caractères incorrects !!!");
    m.Ligne_Nom_Refuse = QStringLiteral("  Impossible de Changer le Nom (Caractère Erroné !!!)");
    m.Numero_Trop_Long =
        QStringLiteral("Le Numéro de Série de l'Pelmar ne doit pas dépasser 8 caractères !!!");
    m.Titre_Numero_Trop_Long = QStringLiteral("Nombre de Caractères incorrects !!!");
    m.Ligne_Numero_Trop_Long =
        QStringLiteral("  Impossible de Changer le Numéro de Série (Caractère Erroné !!!)");
    m.Titre_Numero_Incorrect = QStringLiteral("Numéro de Série Incorrect !!!");
    m.Ligne_Numero_Incorrect =
        QStringLiteral("  Impossible de Changer le Numéro de Série (Caractère Erroné !!!)");
    m.Confirmation_Effacement = QStringLiteral("Etes-vous sûr de vouloir Effacer la mémoire Flash ???");

    m.Listes_Completes = &Listes_Completes_Pelmar;
    m.BCD = &Horloge_Pelmar;
    m.Entete_Fichier = QStringLiteral("Paramètres d'un Pelmar - Version 2.X");
    m.Extension_Fichier = QStringLiteral("pelcfg");
    m.Filtre_Fichier = QStringLiteral("Paramètres Pelmar (*.pelcfg)|*.pelcfg");
    m.Prefixe_Nom_Fichier = QStringLiteral("Paramètres Pelmar - ");
    m.Titre_Sauvegarde_Impossible = QStringLiteral("Impossible de Sauver Les Paramètres !!!");
    m.Message_Fichier_Refuse = QStringLiteral("Ce fichier n'est pas un fichier de Paramètres d'Pelmar !!!");
    m.Entete_Parametres = QStringLiteral("Pelmar - ");
    m.Entete_Parametres_40dB = QStringLiteral("Pelmar - 40dB - ");
    m.Titre_Parametres = QStringLiteral("Paramètres de l'Pelmar - ");
    m.Titre_Ligne_Nom = QStringLiteral("Nom de l'Pelmar :");
    m.Capteur_Ferrin_Fichier = QStringLiteral("Liaison Avec un Ferrin");
    m.Capteur_Ostra_Fichier = QStringLiteral("Liaison Avec un Ostra");
    return m;
}

} // namespace

const Description_Modele &Modele()
{
    static const Description_Modele modele = Decrire();
    return modele;
}

} // namespace configurator
