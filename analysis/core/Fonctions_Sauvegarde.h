// Saved-data file: the data set held written to one text file, and such a file read back into the
// program's state. The byte work is plain functions; the two routines add dialogs and messages.
#pragma once

#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"

#include <QByteArray>
#include <QString>

namespace Fonctions_Sauvegarde {

// The model word: file extension (no dot is compared) and part of every header.
inline const QString Extension = QStringLiteral("pelmar");
inline const QString Filtre = QStringLiteral("Sauvegarde Pelmar (*.pelmar)|*.pelmar");
// Headers of versions 2.0 to 2.3, all of this length; 2.3 is the one written.
inline constexpr int Longueur_Entete = 36;
QByteArray Entete(int version_mineure);
// The minor version whose header `debut` is, or -1 for none of the four.
int Version_Entete(const QByteArray &debut);
// The most of a file that reading it can need: the lines before the records (64 KiB, far more than a
// written file's) and a full ring of record lines, each at most eight 3-digit numbers, their blanks and
// CR LF. What lies beyond is never read.
inline constexpr qint64 Longueur_Lue_Max = 64 * 1024 + Fonctions::Taille_Anneau / 8 * (8 * 3 + 7 + 2);

// User texts.
inline const QString Texte_Pas_De_Donnees =
    QStringLiteral("Il faut télécharger en premier les données pour faire une sauvegarde !!!");
inline const QString Titre_Pas_De_Donnees = QStringLiteral("Impossible de sauvegarder les données !!!");
inline const QString Texte_Nom_Vide = QStringLiteral("Veuillez entrer un nom de sauvegarde SVP !!!");
inline const QString Titre_Sauver = QStringLiteral("Impossible de sauver les données !!!");
inline const QString Texte_Ecriture_Echouee =
    QStringLiteral("Le fichier n'a pas pu être écrit. Impossible de sauver les données !!!");
inline const QString Texte_Chemin_Vide =
    QStringLiteral("Veuillez entrer un nom de sauvegarde pour ouvrir ce dernier, SVP !!!");
inline const QString Titre_Chemin_Vide = QStringLiteral("Impossible d'ouvrir le Fichier !!!");
inline const QString Texte_Pas_Pelmar =
    QStringLiteral("Le fichier n'est pas un fichier d'Pelmar. Impossible d'ouvrir le fichier !!!");
inline const QString Texte_Illisible =
    QStringLiteral("Le fichier est illisible. Impossible d'ouvrir le fichier !!!");
// A damaged file: the first line found wrong is named.
QString Texte_Endommage(int ligne);
inline const QString Titre_Ouvrir = QStringLiteral("Impossible d'ouvrir le fichier");

// Everything a file holds, read whole before any of it reaches the program's state.
struct Contenu
{
    int Version_Mineure = 3; // 0..3: version 2.0 has no sensor line
    Declaration::Periode Periode;
    int32_t Adresse_Debut_Selection = 0;
    int32_t Adresse_Fin_Selection = 0;
    // Only the fields the file carries are meaningful; Type_Capteur not from a 2.0 file.
    Declaration::Parametres Parametres;
    Declaration::Table_Donnees Donnees_Memoire;
};

enum class Refus {
    Aucun,     // read
    Entete,    // not one of the four headers
    Endommage, // header right, contents not
};

struct Resultat_Lecture
{
    Refus refus = Refus::Aucun;
    int ligne = 0; // first line found wrong (1-based), for a damaged file
};

// The file's bytes for the data set in `etat`: version 2.3, single-byte Latin-1 text, CR LF after
// every line. The period lines come from the period held, the file name too.
QByteArray Octets_Sauvegarde(const Declaration::Etat &etat);

// Parses a whole file into `sortie`. LF line ends are taken as well as CR LF. Fewer record lines than
// the addresses count are accepted, down to none: a download drops erased records, so what it
// saves may hold any number of them. A line cut short or without its line end is not.
Resultat_Lecture Lire_Sauvegarde(const QByteArray &octets, Contenu &sortie);

// Puts a parsed file into the state: period held, selection addresses, the parameters the file
// carries, the record table, and the data-held flag.
void Appliquer(Contenu &&contenu, Declaration::Etat &etat);

// "Pelmar - <name> - 05-03-2009 au 06-03-2009.pelmar" from the period held.
QString Nom_Propose(const Declaration::Etat &etat);
// The chosen path ends with the extension word, letter case counting.
bool Extension_Valide(const QString &chemin);

// "Enregistrer Sous" > "Fromat Dorva": asks a name, writes the file whole or not at all.
void Sauvegarder_Donnees();
// Reads the file at `chemin` into the state; true when it was read. On any refusal the data held
// before stay as they were, their flag included.
bool Ouvrir_Sauvegarde(const QString &chemin);

} // namespace Fonctions_Sauvegarde
