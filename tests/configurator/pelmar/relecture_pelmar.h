// One Pelmar's settings and the exact log that their read-back writes, shared by the decoder's and the
// settings window's tests.
#pragma once

#include "panel_config.h"

#include <QStringList>

namespace configtest {

inline panelsim::PanelSettings Reglages_Salle(panelsim::PanelSettings s)
{
    s.offsetByte = 0x94;
    s.centre = 1, s.basGauche = 0x88, s.basDroite = 0x88;
    s.modeLuminosite = 1, s.typeLuminosite = 1, s.valeurLuminosite = 12, s.niveauAlarme = 100;
    s.serie = {9, 8, 7, 6, 5, 4, 3, 2};
    s.nom = panelsim::panelName("Salle des f\xc3\xaates");
    s.heureAuto = 0, s.typeCapteur = 2;
    s.heures = 0x23, s.minutes = 0x05, s.jourSemaine = 0, s.jour = 0x31, s.mois = 0x12, s.annee = 0x24;
    return s;
}

inline QStringList Journal_Salle()
{
    return {
        QStringLiteral("  Pelmar - Version 2.4."),
        QStringLiteral("  Offset = -05 dB."),
        QStringLiteral("  Configuration de l'Afficheur du Centre = Niveau Leq 1 Seconde."),
        QStringLiteral("  Configuration de l'Afficheur du Bas à Gauche = Désactiver l'Afficheur."),
        QStringLiteral("  Configuration de l'Afficheur du Bas à Droite = Désactiver l'Afficheur."),
        QStringLiteral("  Fonctionnement de la Luminosité = Manuelle."),
        QStringLiteral("  Fonctionnement de la Luminosité = Extérieure."),
        QStringLiteral("  Valeur de la Luminosité = 12 / 15."),
        QString(),
        QStringLiteral("  Niveau d'Alarme = 100 dB."),
        QStringLiteral("  Numéro de Série : 98765432."),
        QString(),
        QStringLiteral("  Nom de l'Pelmar : Salle des fêtes."),
        QString(),
        QStringLiteral("  Changement d'Heure Automatique Inactif."),
        QString(),
        QStringLiteral("  Liaison Capteur = Liaison avec un Ostra."),
        QStringLiteral("  Heure = 23:05"),
        QString(),
        QStringLiteral("  Date = Dimanche 31 Décembre 2024"),
        QString(),
        QStringLiteral("  Le Système Fonctionne Correctement !!!"),
    };
}

} // namespace configtest
