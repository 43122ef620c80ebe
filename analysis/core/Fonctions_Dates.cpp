// French weekday and month names.
#include "analysis/core/Fonctions.h"

#include <QDate>
#include <QStringList>

namespace Fonctions {
namespace {

const QStringList &jours()
{
    // Sunday first; every name is 8 characters so that list columns line up.
    static const QStringList j{QStringLiteral("Dimanche"), QStringLiteral(" Lundi  "),
                               QStringLiteral(" Mardi  "), QStringLiteral("Mercredi"),
                               QStringLiteral(" Jeudi  "), QStringLiteral("Vendredi"),
                               QStringLiteral(" Samedi ")};
    return j;
}

const QStringList &mois()
{
    static const QStringList m{
        QStringLiteral("Janvier"), QStringLiteral("Février"),  QStringLiteral("Mars"),
        QStringLiteral("Avril"),   QStringLiteral("Mai"),      QStringLiteral("Juin"),
        QStringLiteral("Juillet"), QStringLiteral("Août"),     QStringLiteral("Septembre"),
        QStringLiteral("Octobre"), QStringLiteral("Novembre"), QStringLiteral("Décembre")};
    return m;
}

} // namespace

QString Nom_Jour(int jour, int mois_, int annee)
{
    if (annee >= 0 && annee < 100)
        annee += 2000;
    const QDate date(annee, mois_, jour);
    if (!date.isValid())
        return QString(8, QLatin1Char(' '));
    return jours()[date.dayOfWeek() % 7]; // Qt: Monday 1 .. Sunday 7
}

QString Nom_Jour(const QString &date)
{
    const QStringList parts = date.split(QLatin1Char('/'));
    if (parts.size() != 3)
        return QString(8, QLatin1Char(' '));
    bool ok[3];
    const int j = parts[0].trimmed().toInt(&ok[0]);
    const int m = parts[1].trimmed().toInt(&ok[1]);
    const int a = parts[2].trimmed().toInt(&ok[2]);
    if (!ok[0] || !ok[1] || !ok[2])
        return QString(8, QLatin1Char(' '));
    return Nom_Jour(j, m, a);
}

QString Nom_Mois(int m)
{
    if (m < 1 || m > 12)
        return {};
    return mois()[m - 1];
}

QString Texte_Jour_Complet(int jour, int mois_, int annee_2000)
{
    return Nom_Jour(QStringLiteral("%1 / %2 / %3").arg(jour).arg(mois_).arg(annee_2000)) + QLatin1Char(' ') +
           QString::number(jour) + QLatin1Char(' ') + Nom_Mois(mois_) + QLatin1Char(' ') +
           QString::number(annee_2000 + 2000);
}

QString Texte_Date_Tirets(int jour, int mois_, int annee)
{
    return QString::asprintf("%02d-%02d-%04d", jour, mois_, annee);
}

} // namespace Fonctions
