// The graph window's data as plain functions: the record-table rows of a graph period, the Leq kinds
// they hold, the pane choice entries and the heading texts.
#pragma once

#include "analysis/core/Declaration.h"
#include "analysis/tables/Fonctions_Tableau.h"

#include <QString>
#include <QStringList>
#include <cstdint>

namespace Lignes_Periode {

// First and last row of the record table inside the period; both 0 when none.
struct Indices
{
    int32_t Debut = 0;
    int32_t Fin = 0;
    bool Vides() const { return Debut == 0 || Fin == 0; }
};

// The graph period, noon to noon; empty for a day count other than 1, 3 or 7.
Fonctions_Tableau::Periode_Liste Periode(const Declaration::Etat_Graphique &g);

// A measurement row that may start or stop the period: fields in range, a real date, no 255 in
// columns 7 and 8.
bool Ligne_Mesure(const Declaration::Enregistrement_Memoire &r);

// The rows of `t` inside `p`: the first one in, up to the one before the first row past the end (or the
// last row). The rows are taken to be in time order.
Indices Rechercher_Indices(const Declaration::Table_Donnees &t, const Fonctions_Tableau::Periode_Liste &p);

// Rows `i.Debut` to `i.Fin` of `t`, every one of them; empty when `i` is.
Declaration::Table_Donnees Copier_Lignes(const Declaration::Table_Donnees &t, Indices i);

struct Presences
{
    bool Leq5 = false;
    bool Leq10 = false;
};
// Which Leq kinds the measurement rows of `copie` inside `p` carry.
Presences Rechercher_Presences(const Declaration::Table_Donnees &copie,
                               const Fonctions_Tableau::Periode_Liste &p);

// The pane choice entries in their order: graphs, then tables. Without 10-minute rows but with 5-minute
// ones the 10-minute entries are left out; the 5-minute ones come only with 5-minute rows.
QStringList Entrees_Choix(Presences presences);
// The entries that show a list begin with this.
inline const QString Prefixe_Tableau = QStringLiteral("Tableau");

// "Pelmar - <name> - Version FirmWare <major>.<minor> - <serial>".
QString Texte_Entete(const Declaration::Parametres &p);
// "Graphique des Niveaux du <weekday> <dd> <month> <yyyy> à 12 h. 00  au ..." from the first and the
// last period row of the day table; empty for a day count other than 1, 3 or 7.
QString Texte_Date(const Declaration::Etat_Graphique &g);

} // namespace Lignes_Periode
