// The parameter file as plain functions: its lines from the settings window's controls, its name and check,
// its line-by-line reader, and the texts of the two parameter tables (file view and sheet).
#pragma once

#include "configurator/Controles_Config.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

namespace configurator::Fichier_Parametres {

// The end marker of the name line.
inline const QString Marqueur_Nom = QStringLiteral("+-*/");

// Whether the display-area positions of a file of this firmware version count the "Niveau Leq 5 Minutes"
// entry: every version but 2.0 to 2.2. The writer turns the window's choice into a position of this
// layout, whatever its lists hold, so that the reader finds the same area again.
bool Disposition_Leq5(int majeure, int mineure);

// ---- Writing --------------------------------------------------------------------------------------------

// The lines of a file, header first: 14 for a model with a clock, 13 without.
// `version` holds the major number at [1] and the minor at [2], as Declaration keeps them.
QStringList Lignes(const Controles_Config &c, const std::array<int16_t, 3> &version, bool modele_40dB);

// The file's bytes: single-byte Windows-1252, CR LF after every line.
QByteArray Contenu(const QStringList &lignes);

// The name that the save dialog proposes: "<prefix><name> - dd-mm-yyyy.<ext>".
QString Nom_Par_Defaut(const QString &nom, const QDate &date);

// ---- Checking -------------------------------------------------------------------------------------------

// The path ends in the extension word, case included; the dot before it is not looked at.
bool Extension_Valide(const QString &chemin);
// The first bytes of a file are exactly the header (no more are looked at; fewer fail).
bool Entete_Valide(const QByteArray &debut);
// Both tests on a file of the disk. A file that cannot be opened or read, a named pipe, a device or a
// folder among them, is unreadable; one shorter than the header is refused.
enum class Verification { Accepte, Refuse, Illisible };
Verification Verifier(const QString &chemin);

// ---- Reading --------------------------------------------------------------------------------------------

// The fields of a file, read line by line. A file that is cut, holds letters where a number belongs, lacks
// the name's end marker or has another header is not valid, and then gives no field at all.
struct Parametres_Lus
{
    int Lignes = 0; // lines the file holds
    bool Valide = false;
    QString Offset, Alarme;
    std::optional<int> Version_Majeure; // 128 taken off for the 40 dB variant
    std::optional<int> Version_Mineure;
    std::optional<bool> Modele_40dB; // known once the major number is read
    std::optional<QString> Nom;      // with the blank the writer puts before it
    QString Numero_Serie;
    QString Aff_Centre, Aff_Bas_Gauche, Aff_Bas_Droite;
    QString Mode_Lumens, Type_Lumens, Valeur_Lumens;
    QString Heure_Auto; // only a model with a clock has the line
    QString Capteur;
};

// Reads the bytes of a whole file.
Parametres_Lus Lire(const QByteArray &octets);
// The most of a file that reading it can need: a name and a serial number as long as their text boxes take
// (32767 characters each) and the short lines around them. What lies beyond is never read.
inline constexpr qint64 Longueur_Lue_Max = 2 * 32767 + 1024;
// Reads a plain file of the disk; one that cannot be opened gives nothing read.
Parametres_Lus Lire_Fichier(const QString &chemin);

// ---- The two tables -------------------------------------------------------------------------------------

// The run-time texts of a parameter table. Empty texts leave their label empty; an empty caption leaves the
// window's caption as it stands.
struct Textes_Tableau
{
    QString Entete;
    QString Titre_Fenetre;
    QString FirmWare, Serial_Number, Name, Alarme, Offset;
    QString Aff_Centre, Aff_Bas_Gauche, Aff_Bas_Droite;
    QString Lumens, Type_Lumens, Value_Lumens;
    QString Heure_Auto, Capteur;
};

// The parameters window's texts for what was read from a file.
Textes_Tableau Textes_Fichier(const Parametres_Lus &p);

// The printed sheet's texts from the settings window's controls.
Textes_Tableau Textes_Feuille(const Controles_Config &c, const std::array<int16_t, 3> &version,
                              bool modele_40dB);

// The offset label of a file's view from the field as read: "00 dB", "+07 dB", "-07 dB", "25 dB", "-25 dB".
QString Texte_Offset_Fichier(const QString &champ);

} // namespace configurator::Fichier_Parametres
