// The graph window's French texts and picture names, in one place, and how a picture button takes its
// picture.
#pragma once

#include <QPushButton>
#include <QString>

namespace Textes_Graphique {

inline const QString Titre_Fenetre = QStringLiteral("Graphique des Niveaux de Pression Acoustique");
inline const QString Nouveau_Graphique = QStringLiteral("Nouveau graphique");
inline const QString Quitter = QStringLiteral("Quitter");
inline const QString Impression = QStringLiteral("Impression");
inline const QString Zoom = QStringLiteral("Zoom +");
inline const QString Choix_Affichage = QStringLiteral("Choix Affichage");

inline const QString Entete_Evenements = QStringLiteral("Tableau des Evénements pendant la période :");
inline const QString Entete_Alarme = QStringLiteral("Niveau d'Alarme :");
inline const QString Entete_Leq10 = QStringLiteral("Niveau Leq10  Max :");
inline const QString Entete_Leq1 = QStringLiteral("Niveau Leq1 Max :");
inline const QString Entete_Crete = QStringLiteral("Niveau Crête Max :");
inline const QString Entete_Leq5 = QStringLiteral("Niveau Leq 5 Minutes Maxi :");

inline const QString Pas_De_Donnees =
    QStringLiteral("Il n'y a pas de données de Graphique dans la période sélectionnée !!!");
inline const QString Titre_Pas_De_Donnees = QStringLiteral("Impossible de faire le graphique !!!");

inline const QString Bulle_New_Data =
    QStringLiteral("Permet d'effectuer un nouveau graphique en téléchargeant des nouvelles données");
inline const QString Bulle_New_Old =
    QStringLiteral("Permet d'effectuer un nouveau graphique avec les données déjà chargées");
inline const QString Bulle_Quit = QStringLiteral("Ferme le Graphique");

inline const QString Image_New_Transfert = QStringLiteral("New Transfert Graphique.bmp");
inline const QString Image_New_Graphique = QStringLiteral("New Graphique.bmp");
inline const QString Image_Quit = QStringLiteral("exit.bmp");
inline const QString Image_Print = QStringLiteral("Print.bmp");
inline const QString Image_Zoom = QStringLiteral("Zoom Leq.bmp");
inline const QString Image_No_Zoom = QStringLiteral("No Zoom Leq.bmp");

// Gives the button the picture in place of its text; a missing picture leaves the text (and the tooltip).
void Poser_Image(QPushButton *bouton, const QString &fichier);

} // namespace Textes_Graphique
