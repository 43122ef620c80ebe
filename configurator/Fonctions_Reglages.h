// What the settings window's commands send and show, as plain functions: value labels, value bytes, the
// name, serial-number, time and date frames, and the display-area conflict rule.
#pragma once

#include "configurator/Modele.h"

#include <QDate>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

namespace configurator::Fonctions_Reglages {

using Trame = std::pair<int, int>; // command code, value byte

// Value labels under the sliders.
QString Texte_Offset(int valeur);     // "Offset = -05 dB."
QString Texte_Alarme(int valeur);     // "Niveau d'Alarme = 105 dB."
QString Texte_Luminosite(int valeur); // "Niveau de Luminosité = 09."

// The panel's offset byte: sign in bit 7, magnitude in quarter dB (+-32 dB as 31.75 dB).
int Octet_Offset(int valeur);

// The value that a display-area entry stands for; -1 for a text that is no entry.
int Valeur_Affichage(const QString &texte);

// Whether the centre and lower-left areas would show the 10- and 5-minute levels together.
bool Conflit_Affichage(const QString &centre, const QString &bas_gauche);

// The 24 name frames (0x20..0x37), blanks after the text; or the first character outside the panel's
// table, which refuses the whole name.
struct Trames_Nom
{
    std::vector<Trame> trames;
    QString caractere_invalide;
};
Trames_Nom Trames_Du_Nom(const QString &nom);

// The 8 serial-number frames (0x10..0x17), padded with leading zeros; empty when the text is empty or
// holds anything but digits (the caller checks the length first).
std::vector<Trame> Trames_Numero_Serie(const QString &numero);

// A time typed as H:M, H:MM, HH:M or HH:MM.
enum class Erreur_Heure { Aucune, Format, Caracteres };
struct Heure_Lue
{
    Erreur_Heure erreur = Erreur_Heure::Aucune;
    int heures = 0;
    int minutes = 0;
};
Heure_Lue Lire_Heure(const QString &texte);

// The four date frames in sending order: weekday (Sunday 0), day, month, year - 2000, the last three in
// BCD with the model's conversion.
std::vector<Trame> Trames_Date(const QDate &date, const Conversions_BCD &bcd);

} // namespace configurator::Fonctions_Reglages
