// Builders of graph periods and record rows for the drawing tests and the benchmark.
#pragma once

#include "analysis/core/Declaration.h"

#include <QDate>
#include <cmath>
#include <cstdint>

namespace donnees_graphique {

// A row: minute, hour, day, month, year-2000, byte 6 (10-min Leq, 5-min Leq + 128 or event code), 1-min
// Leq, peak.
inline Declaration::Enregistrement_Memoire Ligne(int minute, int heure, int jour, int mois, int annee, int b6,
                                                 int b7, int b8)
{
    Declaration::Enregistrement_Memoire r{};
    const int valeurs[] = {minute, heure, jour, mois, annee, b6, b7, b8};
    for (int i = 0; i < 8; ++i)
        r[static_cast<size_t>(i + 1)] = static_cast<int16_t>(valeurs[i]);
    return r;
}

// A row at `minutes` after noon of `debut`.
inline Declaration::Enregistrement_Memoire Ligne_Apres(QDate debut, int minutes, int b6, int b7, int b8)
{
    const QDateTime t = QDateTime(debut, QTime(12, 0)).addSecs(60LL * minutes);
    return Ligne(t.time().minute(), t.time().hour(), t.date().day(), t.date().month(), t.date().year() - 2000,
                 b6, b7, b8);
}

// A graph period of `jours` days from noon of `debut`, with selection addresses set and no rows.
inline void Periode(int jours, QDate debut)
{
    auto &g = Declaration::D().Graphique;
    g.Nombre_Jours_Graphique = static_cast<int16_t>(jours);
    for (int k = 1; k <= 8; ++k) {
        const QDate d = debut.addDays(k - 1);
        g.Jours_Graphique[static_cast<size_t>(k)] = {0, static_cast<int16_t>(d.day()),
                                                     static_cast<int16_t>(d.month()),
                                                     static_cast<int16_t>(d.year() - 2000)};
    }
    g.Donnees_Graphique.Redimensionner(0);
    Declaration::D().Date_Selection.Adresse_Debut_Selection = 0x30000;
    Declaration::D().Date_Selection.Adresse_Fin_Selection = 0x30800;
}

inline void Ajouter(const Declaration::Enregistrement_Memoire &r)
{
    Declaration::D().Graphique.Donnees_Graphique.rows.push_back(r);
}

// What byte 6 of the generated measurement rows carries: the running 10-minute Leq, the running 5-minute
// Leq, or the first for the period's first half and the second after (a setting changed).
enum class Sortes { Leq10, Leq5, Les_Deux };

// A period's worth of 1-minute rows from noon to noon, levels following a slow day-and-night swing with a
// little noise, and an event row every 6 hours.
inline void Generer(int jours, QDate debut, Sortes sortes = Sortes::Leq10)
{
    Periode(jours, debut);
    uint32_t alea = 12345;
    const int total = jours * 1440;
    for (int m = 0; m <= total; ++m) {
        alea = alea * 1103515245u + 12345u;
        const double jour = std::sin(m * 2 * 3.14159265358979 / 1440.0);
        const int bruit = static_cast<int>((alea >> 16) % 7) - 3;
        const int leq1 = 70 + static_cast<int>(12 * jour) + bruit;
        const int crete = leq1 + 12 + static_cast<int>((alea >> 8) % 6);
        const bool cinq = sortes == Sortes::Leq5 || (sortes == Sortes::Les_Deux && 2 * m > total);
        const int pas = cinq ? 5 : 10;
        const double bloc = std::sin((m - m % pas) * 2 * 3.14159265358979 / 1440.0);
        const int b6 = (cinq ? 128 : 0) + 68 + static_cast<int>(12 * bloc);
        Ajouter(Ligne_Apres(debut, m, b6, leq1, crete));
        if (m % 360 == 180)
            Ajouter(Ligne_Apres(debut, m, 3, 1, 0)); // an event row between two minutes
    }
}

} // namespace donnees_graphique
