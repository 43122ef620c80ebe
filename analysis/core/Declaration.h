// Program-wide state of the analysis program: every group that more than one window uses.
#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace Declaration {

// One panel record: minute, hour, day, month, year-2000, level/event code, Leq 1 min/param, peak/param.
using Enregistrement_Memoire = std::array<int16_t, 9>; // index 0 unused, 1..8 the bytes

// Record table: row 0 and column 0 exist and are never used.
struct Table_Donnees
{
    std::vector<Enregistrement_Memoire> rows{Enregistrement_Memoire{}};

    int32_t Nombre_Lignes() const { return static_cast<int32_t>(rows.size()) - 1; } // N
    int16_t &operator()(int32_t row, int col)
    {
        return rows[static_cast<size_t>(row)][static_cast<size_t>(col)];
    }
    int16_t operator()(int32_t row, int col) const
    {
        return rows[static_cast<size_t>(row)][static_cast<size_t>(col)];
    }
    // Resizes to rows 0..n, dropping the old contents.
    void Redimensionner(int32_t n)
    {
        rows.assign(static_cast<size_t>(n < 0 ? 0 : n) + 1, Enregistrement_Memoire{});
    }
};

struct Periode
{
    int16_t Jour_Debut = 0, Mois_Debut = 0, Annee_Debut = 0;
    int16_t Jour_Fin = 0, Mois_Fin = 0, Annee_Fin = 0;
    bool operator==(const Periode &) const = default;
};

struct Parametres
{
    int16_t Offset = 0;
    int16_t Niveau_Alarme = 0;
    std::array<int16_t, 3> Version_Firmware{}; // 1 major, 2 minor
    bool Modele_40dB = false;
    QString Nom_Afficheur;
    QString Numero_Serie;
    int16_t Modele_Afficheur = 0;
    int16_t Config_Aff_Centre = 0;
    int16_t Config_Aff_Bas_Gauche = 0;
    int16_t Config_Aff_Bas_Droite = 0;
    int16_t Mode_Luminosite = 0;
    int16_t Type_Luminosite_Auto = 0;
    int16_t Valeur_Luminosite = 0;
    int16_t Heure_Auto = 0;
    int16_t Type_Capteur = 0;
    QString Tampon_Nom;
    QString Tampon_Numero_Serie;
    bool operator==(const Parametres &) const = default;
};

struct Index
{
    int16_t Jour_Premier = 0, Mois_Premier = 0, Annee_Premier = 0;
    int16_t Jour_Dernier = 0, Mois_Dernier = 0, Annee_Dernier = 0;
    int32_t Adresse_Premier = 0;
    int32_t Adresse_Dernier = 0;
};

struct Selection
{
    int16_t Jour_Debut_Selection = 0, Mois_Debut_Selection = 0, Annee_Debut_Selection = 0;
    int16_t Jour_Fin_Selection = 0, Mois_Fin_Selection = 0, Annee_Fin_Selection = 0;
    int32_t Adresse_Debut_Selection = 0;
    int32_t Adresse_Fin_Selection = 0;
    bool operator==(const Selection &) const = default;
};

struct Liaison
{
    int16_t Port_COM = 0;
    bool Afficheur_Detecte = false;
    bool Connexion_Reussie = false;
    bool Lecture_Index_Reussie = false;
    bool Transfert_Reussi = false;
    bool Arret_Demande = false;
    int16_t Tentative = 0;
    int64_t Top_Depart = 0;
    int32_t Duree_Transfert = 0;
    int16_t Quantite_Donnees = 0;
    int32_t Compteur_Octets = 0;
    QByteArray Tampon_Reception;
    QByteArray Tampon_Filtre;
    int32_t Nombre_Enregistrements = 0;
    int32_t Index_Enregistrement = 0;
};

struct Fenetres_Ouvertes
{
    bool Ouvert_Port = false;
    bool Ouvert_Data_Type = false;
    bool Ouvert_Data_Total = false;
    bool Ouvert_Data_Total_Graph = false;
    bool Ouvert_Data_Selected = false;
    bool Ouvert_Connexion = false;
    bool Ouvert_Tableau_Leq = false;
    bool Ouvert_Parametres = false;
    bool Ouvert_Graphique = false;
    bool Ouvert_Evenements = false;
    bool Ouvert_InTableau_Old = false;
    bool Ouvert_InGraphique_Old = false;
    bool Ouvert_Wait = false;
};

// The graph window's share of the program-wide state.
struct Etat_Graphique
{
    Table_Donnees Donnees_Graphique;
    std::array<std::array<int16_t, 4>, 9> Jours_Graphique{}; // rows 1..8, columns 1..3
    int16_t Nombre_Jours_Graphique = 0;
    int32_t Indice_Debut_Periode = 0;
    int32_t Indice_Fin_Periode = 0;
    bool Chargement_Graphique = false;
    bool Zoom_Selection = false;
    int16_t Curseur_Jour = 0, Curseur_Mois = 0, Curseur_Annee = 0, Curseur_Heure = 0, Curseur_Minute = 0;
    // Set when a list row gave the cursor: a row at hour 0 or minute 0 is a cursor as well.
    bool Curseur_Pose = false;
    // Rubber band of the enlarged pane: pressed, then dragged corners in the pane's user scale.
    bool Selection_En_Cours = false;
    double Selection_X1 = 0, Selection_Y1 = 0, Selection_X2 = 0, Selection_Y2 = 0;
};

struct Etat
{
    Table_Donnees Donnees_Memoire;
    bool Donnees_Chargees = false;
    Periode Periode_Chargee;
    Parametres Parametres_Afficheur;
    Index Index_Memoire;
    Selection Date_Selection;
    // The held set as it was read: a new request rewrites Date_Selection and Parametres_Afficheur before
    // it has a data set to show, so the save, the export and the held data's road take these.
    int32_t Adresse_Debut_Chargee = 0;
    int32_t Adresse_Fin_Chargee = 0;
    Parametres Parametres_Chargees;
    Liaison Etat_Liaison;
    QString Type_Analyse;
    Fenetres_Ouvertes Ouvert;
    bool Presence_Leq5 = false;
    bool Presence_Leq10 = false;
    int32_t Indice_Temp = 0;
    Etat_Graphique Graphique;
};

// The one program-wide state.
Etat &D();

// Back to the start state (every field zero, empty): used at start and by tests.
void Reinitialiser();

// Exact texts of the requested views, as the "Analyse" menu sets them.
inline const QString Vue_Graphique = QStringLiteral("Graphique Leq");
inline const QString Vue_Evenements = QStringLiteral("Tableau Evénements");
inline const QString Vue_Leq = QStringLiteral("Tableau Leq");
inline const QString Vue_Parametres = QStringLiteral("Parametres");

} // namespace Declaration
