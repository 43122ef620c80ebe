// The smaller model's program, Config_Tuvik: its texts, the model numbers it warns about and its
// display-area lists by firmware version. It has no clock, so no BCD conversions.
#include "configurator/Modele.h"

namespace configurator {

namespace {

// Only firmware 2.3 has the 5-minute level.
bool Listes_Completes_Tuvik(int majeure, int mineure)
{
    return !(majeure == 2 && mineure != 3);
}

Description_Modele Decrire()
{
    Description_Modele m;
    m.Mot_Modele = QStringLiteral("Tuvik");
    m.Titre_Principal = QStringLiteral("Velquin - Logiciel de Configuration de l'Tuvik - Version 2.3-B");
    m.Menu_Configurer = QStringLiteral("Configurer un Tuvik");
    m.Menu_Change_Password = QStringLiteral("Changer Mot de Passe");
    m.Message_Absence_Reponse = QStringLiteral(
        "ATTENTION : L'Tuvik n'a pas répondu !!! Veuillez vérifier le port de communication sélectionné et "
        "que le port USB de l'Tuvik soit bien connecté !!!");
    m.Titre_Absence_Reponse = QStringLiteral("L'Tuvik ne répond pas");
    m.Label_Firmware = QStringLiteral("Version 2.3-B - Installateur");
    m.About_Titre = QStringLiteral("LOGICIEL DE CONFIGURATION DE L'Tuvik");
    m.About_Version = QStringLiteral("Version 2.3-B");
    m.About_Date_Version = QStringLiteral("Version : 01012008");

    m.Titre_Config = QStringLiteral("Configuration de l'Tuvik");
    m.Titre_Nom = QStringLiteral("Nom de l'Tuvik : (24 caractères maxi.)");
    m.Titre_Reponses = QStringLiteral("Boite de Dialogue de Réponse de l'Tuvik :");

    m.Entete_Password = QStringLiteral("Veuillez entrer le mot de passe SVP.");
    m.Entete_Change_Password = QStringLiteral("Veuillez entrer le nouveau mot de passe SVP.");
    m.Confirmation_Change_Password = QStringLiteral("Veuillez confirmer le nouveau mot de passe SVP.");
    m.Codes_Differents = QStringLiteral("Impossible de changer le mot de passe !!!");
    m.Signal_Code_Errone = false;
    m.Message_Code_Errone =
        QStringLiteral("Le Mot de passe saisi est incorrect !!! Veuillez recommencer SVP !!!");
    m.Titre_Code_Errone = QStringLiteral("Mot de Passe erroné");
    m.Message_Code_Change = QStringLiteral("Changement de Mot de Passe effectué !!!");

    m.Modeles_Avertis = {20, 30};
    m.Ligne_Version = QStringLiteral("  Tuvik - Version ");
    m.Ligne_Version_40dB = QStringLiteral("  Tuvik - 40 dB - Version ");
    m.Ack_Aff_Centre = QStringLiteral("  Modification de la configuration de l'Afficheur Central Ok !!!");
    m.Ack_Aff_Bas_Gauche =
        QStringLiteral("  Modification de la configuration de l'Afficheur du Bas à Gauche Ok !!!");
    m.Ligne_Vide_Capteur = false;
    m.Ack_Capteur = QStringLiteral("  Modification du Type de Capteur Ok !!!");
    m.Ack_Nom = QStringLiteral("  Modification du nom de l'Tuvik Ok !!!");
    m.Ligne_Nom = QStringLiteral("  Nom de l'Tuvik : ");
    m.Valeur_Leq10 = QStringLiteral("  Valeur Leq10  = ");
    m.Valeur_Leq1 = QStringLiteral("  Valeur Leq1  = ");
    m.Valeur_Leq5 = QStringLiteral("  Valeur Leq5  = ");
    m.Rapports = {
        {0x08, QStringLiteral("  Le Système fonctionne Correctement !!!")},
        {0x0C, QStringLiteral("  Configuration de l'Afficheur du Centre erroné.")},
        {0x0D, QStringLiteral("  Configuration de l'Afficheur du Bas Gauche erroné.")},
        {0x0E, QStringLiteral("  Configuration de l'Afficheur du Bas Droite erroné.")},
        {0x0F, QStringLiteral("  Fonctionnement de Luminosité erroné.")},
        {0x10, QStringLiteral("  Type de Luminosité Automatique erroné.")},
        {0x11, QStringLiteral("  Valeur de la Luminosité Manuelle erroné.")},
        {0x12, QStringLiteral("  Valeur du Niveau d'Alarme erroné.")},
        {0x15, QStringLiteral(
                   "  Problème de la sauvegarde des Paramètres (RéInitialisation de la Mémoire Flash).")},
        {0x18, QStringLiteral("  Problème de sauvegarde des Paramètres (Sauvegarde des Paramètres).")},
        {0x19, QStringLiteral("  Valeur reçue erronée !!! Modification impossible !!!")},
        {0x1D, QStringLiteral("  Problème d'effacement de la Flash (Sauvegarde Leq)!!!")},
        {0x1E, QStringLiteral("  Problème d'écriture de la Flash (Sauvegarde Leq)!!!")},
        {0x1F, QStringLiteral("  Problème de lecture de la Flash (Sauvegarde Leq)!!!")},
        {0x21, QStringLiteral("  Valeur de l'Adresse erronée !!!")},
        {0x22, QStringLiteral("  Problème d'effacement de la Flash (Effacement Total) !!!")},
        {0x23, QStringLiteral("  Heure du changement d'Heure erronée !!!")},
        {0x24, QStringLiteral("  Problème de lecture de la Flash (Save Evénements) !!!")},
        {0x27, QStringLiteral("  Valeur de la Date erronée !!!")},
        {0x29, QStringLiteral("  Type de Capteur erronée !!!")},
    };
    m.Conflit_Centre = QStringLiteral("Cette configuration est impossible !!! L'Tuvik ne peut afficher le "
                                      "Niveau Leq10 et le Niveau Leq5 en "
                                      "même temps. Pour configurer l'Afficheur Central en %1, il faut "
                                      "préalablement changer la configuration "
                                      "de l'Afficheur du Bas à Gauche de %2");
    m.Titre_Conflit_Centre = QStringLiteral("Impossible de configurer l'Afficheur Central !!!");
    m.Conflit_Bas_Gauche = QStringLiteral(
        "Cette configuration est impossible !!! L'Tuvik ne peut afficher le Niveau Leq10 et le Niveau Leq5 "
        "en "
        "même temps. Pour configurer l'Afficheur Bas à Gauche en %1, il faut préalablement changer la "
        "configuration de l'Afficheur Central de %2");
    m.Titre_Conflit_Bas_Gauche = QStringLiteral("Impossible de configurer l'Afficheur Bas Gauche !!!");
    m.Nom_Trop_Long = QStringLiteral("Le Nom de l'Tuvik ne doit pas dépasser 24 caractères !!!");
    m.Titre_Nom_Trop_Long = QStringLiteral("Nombre de caractères incorrect !!!");
    m.Ligne_Nom_Refuse = QStringLiteral("  Impossible de changer le Nom (Caractère erroné !!!)");
    m.Numero_Trop_Long =
        QStringLiteral("Le Numéro de Série de l'Tuvik ne doit pas dépasser 8 caractères !!!");
    m.Titre_Numero_Trop_Long = QStringLiteral("Nombre de Caractères incorrect !!!");
    m.Ligne_Numero_Trop_Long =
        QStringLiteral("  Impossible de changer le Numéro de Série (Caractère Erroné !!!)");
    m.Titre_Numero_Incorrect = QStringLiteral("Numéro de Série incorrect !!!");
    m.Ligne_Numero_Incorrect =
        QStringLiteral("  Impossible de changer le Numéro de Série (Caractère erroné !!!)");
    m.Confirmation_Effacement = QStringLiteral("Etes-vous sûr de vouloir effacer la mémoire Flash ???");

    m.Listes_Completes = &Listes_Completes_Tuvik;
    m.BCD = nullptr;
    m.Entete_Fichier = QStringLiteral("Paramètres d'un Tuvik - Version 2.X");
    m.Extension_Fichier = QStringLiteral("tuvcfg");
    m.Filtre_Fichier = QStringLiteral("Paramètres Tuvik (*.tuvcfg)|*.tuvcfg");
    m.Prefixe_Nom_Fichier = QStringLiteral("Paramètres Tuvik - ");
    m.Titre_Sauvegarde_Impossible = QStringLiteral("Impossible de sauver les paramètres !!!");
    m.Message_Fichier_Refuse = QStringLiteral("Ce fichier n'est pas un fichier de paramètres d'Tuvik !!!");
    m.Entete_Parametres = QStringLiteral("Tuvik - ");
    m.Entete_Parametres_40dB = QStringLiteral("Tuvik - 40dB - ");
    m.Titre_Parametres = QStringLiteral("Paramètres de l'Tuvik - ");
    m.Titre_Ligne_Nom = QStringLiteral("Nom de l'Tuvik :");
    m.Capteur_Ferrin_Fichier = QStringLiteral("Liaison avec un Ferrin");
    m.Capteur_Ostra_Fichier = QStringLiteral("Liaison avec un Ostra");
    return m;
}

} // namespace

const Description_Modele &Modele()
{
    static const Description_Modele modele = Decrire();
    return modele;
}

} // namespace configurator
