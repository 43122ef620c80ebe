// Lines of the level and event lists as plain functions of a record table and a period, the event
// texts, and the fills that put those lines into the list boxes of the table and graph windows.
#pragma once

#include "analysis/core/Declaration.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

namespace platform {
class ListBox;
}

namespace Fonctions_Tableau {

// ---- Kinds of level list (compared exactly) ---------------------------------------------------

inline const QString Niveau_Leq10 = QStringLiteral("Niveau Leq 10 Minutes");
inline const QString Niveau_Leq5 = QStringLiteral("Niveau Leq 5 Minutes");
inline const QString Niveau_Leq1 = QStringLiteral("Niveau Leq 1 Minute");
inline const QString Niveau_Crete = QStringLiteral("Niveau Crete");

// Last line of an event list that has no event: the events window's, then the graph window's.
inline const QString Texte_Aucun_Evenement = QStringLiteral("     Aucun événement pour cette période !!!");
inline const QString Texte_Aucun_Evenement_Jour =
    QStringLiteral("    Aucun d'événement pour cette période !!!");

// Which window the lines are for: the wordings and separators differ.
enum class Libelles { Tableau, Graphique };

// ---- Rows and periods -------------------------------------------------------------------------

// The validity rule: minute <= 59, hour <= 23, day 1..31, month 1..12, year-2000 1..99, and none of
// bytes 6 to 8 equal to 255. Measurement rows (byte 6 >= 40) that fail it are in no level list.
bool Ligne_Valide(const Declaration::Enregistrement_Memoire &r);

// A date and time as minutes on one scale (a day is 1440), or -1 when it is no real calendar date
// and time; `annee` below 100 counts from 2000.
int64_t Moment(int jour, int mois, int annee, int heure, int minute);
// The moment of a row (bytes 1 to 5), -1 when its date is impossible.
int64_t Moment_Ligne(const Declaration::Enregistrement_Memoire &r);

// Both ends included; a row of impossible date (moment -1) is never inside.
struct Periode_Liste
{
    int64_t Debut = 0;
    int64_t Fin = -1;
    bool Contient(int64_t moment) const { return moment >= 0 && moment >= Debut && moment <= Fin; }
};

// The table windows' period: start day 00:00 to end day 23:59 of the selection.
Periode_Liste Periode_Tableau(const Declaration::Selection &s);
// The graph window's period: noon of its first day to noon of day Nombre_Jours_Graphique + 1.
Periode_Liste Periode_Graphique(const Declaration::Etat_Graphique &g);

// Called with the row number after every 50th row of the table (used or not).
using Avancement = std::function<void(int32_t ligne)>;

// ---- Lines ------------------------------------------------------------------------------------

// The lines of one level list (kind: one of the four texts above; any other gives none), in row
// order with an empty line between two days. No empty-list text: that is the window's.
QStringList Lignes_Leq(const Declaration::Table_Donnees &t, const Periode_Liste &p, const QString &type,
                       bool modele_40db, Libelles libelles, const Avancement &tous_les_50 = {});

// The lines of an event list: long texts for the table window, short ones for the graph window;
// an empty period gives four empty lines and the window's "no event" text.
QStringList Lignes_Evenements(const Declaration::Table_Donnees &t, const Periode_Liste &p, Libelles libelles,
                              const Avancement &tous_les_50 = {}, const QLocale &locale = QLocale());

// ---- Event texts ------------------------------------------------------------------------------

// Offset byte (bit 7 sign, quarter dB) as "+02.25 dB", with the locale's decimal separator.
QString Texte_Offset(int octet, const QLocale &locale = QLocale());

// Long and short text of event row `ligne` of `t` (code in byte 6, parameters in bytes 7 and 8);
// an unknown code or value, or a row outside the table, gives an empty text.
QString Texte_Evenement(const Declaration::Table_Donnees &t, int32_t ligne,
                        const QLocale &locale = QLocale());
QString Texte_Evenement_Court(const Declaration::Table_Donnees &t, int32_t ligne,
                              const QLocale &locale = QLocale());

// ---- List-box fills (read the program state, advance the wait window) -------------------------

// A list of the Leq table window from Donnees_Memoire over Date_Selection.
void Remplir_Liste_Leq(platform::ListBox &liste, const QString &type);
// A pane list of the graph window from Donnees_Graphique over its days; the selected line is
// selected again when the list still has it.
void Remplir_Liste_Jour(platform::ListBox &liste, const QString &type);
// The events window's list from Donnees_Memoire over Date_Selection.
void Remplir_Liste_Evenements(platform::ListBox &liste);
// The graph window's event list from Donnees_Graphique over its days.
void Remplir_Liste_Evenements_Jour(platform::ListBox &liste);

} // namespace Fonctions_Tableau
