// The French texts of the panel's event records, long (events window) and short (graph window).
#include "analysis/tables/Fonctions_Tableau.h"

namespace Fonctions_Tableau {

namespace {

QString nombre(int n)
{
    return QString::number(n);
}

enum class Afficheur { Centre, Bas_Gauche, Bas_Droite };

// Name of a display-area value; empty for a value the area does not accept.
QString nom_afficheur(Afficheur a, int valeur, bool court)
{
    const bool haut = a != Afficheur::Bas_Droite; // centre and lower left show the Leq kinds
    switch (valeur) {
    case 1:
        return haut ? (court ? QStringLiteral("Leq 1 Sec") : QStringLiteral("Niveau Leq 1 Seconde"))
                    : QString();
    case 2:
        return haut ? (court ? QStringLiteral("Leq 10 Min") : QStringLiteral("Niveau Leq 10 Minutes"))
                    : QString();
    case 3:
        return haut ? (court ? QStringLiteral("Leq 1 Min") : QStringLiteral("Niveau Leq 1 Minute"))
                    : QString();
    case 4:
        return haut ? (court ? QStringLiteral("Leq 5 Min") : QStringLiteral("Niveau Leq 5 Minutes"))
                    : QString();
    case 136:
        return a != Afficheur::Centre
                   ? (court ? QStringLiteral("Désactivé") : QStringLiteral("Afficheur Désactivé"))
                   : QString();
    case 0:
        return a == Afficheur::Bas_Droite ? (court ? QStringLiteral("Crête") : QStringLiteral("Niveau Crête"))
                                          : QString();
    default: return {};
    }
}

QString nom_liaison(int valeur)
{
    switch (valeur) {
    case 1: return QStringLiteral("Capteur Type Ferrin");
    case 2: return QStringLiteral("Liaison Ostra");
    default: return {};
    }
}

// Code 32: the panel's own error numbers.
QString texte_erreur(int erreur, bool court)
{
    QString texte;
    switch (erreur) {
    case 10: texte = QStringLiteral("Mémoire Flash Non Initialisée"); break;
    case 12: texte = QStringLiteral("Config. de l'Afficheur Central Erronée"); break;
    case 13: texte = QStringLiteral("Config. de l'Afficheur Bas Gauche Erronée"); break;
    case 14: texte = QStringLiteral("Config. de l'Afficheur Bas Droite Erronée"); break;
    case 15: texte = QStringLiteral("Fonctionnement de la Luminosité Erroné"); break;
    case 16: texte = QStringLiteral("Type de Luminosité Automatique Erroné"); break;
    case 17: texte = QStringLiteral("Valeur de la Luminosité Manuelle Erronée"); break;
    case 18: texte = QStringLiteral("Niveau d'Alarme Erroné"); break;
    case 33: texte = QStringLiteral("Valeur de l'Adress Erronée"); break;
    case 35: texte = QStringLiteral("Heure du Changement d'Heure Erronée"); break;
    case 39: texte = QStringLiteral("Valeur de Date ou d'Heure Erronée"); break;
    case 41: texte = QStringLiteral("Type de Capteur Erroné"); break;
    default: return {};
    }
    const QString numero = QStringLiteral("Erreur ") + nombre(erreur);
    return court ? numero : texte + QStringLiteral(" (") + numero + QLatin1Char(')');
}

// Texts that read the same in both wordings: the pair of a 0/1 state (code 3, 4, 11, 33).
QString etat(int premier, const QString &si_un, const QString &si_zero)
{
    return premier == 1 ? si_un : premier == 0 ? si_zero : QString();
}

QString texte(int code, int premier, int second, bool court, const QLocale &locale)
{
    const QString fleche = QStringLiteral("  ->  ");
    switch (code) {
    case 1: return QStringLiteral("Initialisation Système");
    case 2: return QStringLiteral("Coupure Alimentation");
    case 3:
        return etat(premier, QStringLiteral("Défaut Liaison Capteur"),
                    QStringLiteral("Fin Défaut Liaison Capteur"));
    case 4:
        return etat(premier, QStringLiteral("Passage en Mode Réglage"),
                    QStringLiteral("Sortie du Mode Réglage"));
    case 5:
        if (premier == 0 && second == 1)
            return court ? QStringLiteral("Passage en Luminosité Manuelle")
                         : QStringLiteral("Modif. Luminosité Automatique -> Luminosité Manuelle");
        if (premier == 1 && second == 0)
            return court ? QStringLiteral("Passage en Luminosité Automatique")
                         : QStringLiteral("Modif. Luminosité Manuelle -> Luminosité Automatique");
        return {};
    case 6:
        if (premier == 0 && second == 1)
            return court ? QStringLiteral("Passage en Luminosité Extérieure")
                         : QStringLiteral("Modif. Luminosité Intérieure -> Luminosité Extérieure");
        if (premier == 1 && second == 0)
            return court ? QStringLiteral("Passage en Luminosité Intérieure")
                         : QStringLiteral("Modif. Luminosité Extérieure -> Luminosité Intérieure");
        return {};
    case 7:
        if (court)
            return QStringLiteral("Réglage Offset = ") + Texte_Offset(second, locale);
        return QStringLiteral("Modif. Offset => ") + Texte_Offset(premier, locale) + fleche +
               Texte_Offset(second, locale);
    case 8:
        // A first parameter of 0 or 1 marks the clock-change setting, never an alarm level.
        if (premier == 0 || premier == 1)
            return second == 0   ? QStringLiteral("Changement d'Heure Automatique Inactif")
                   : second == 1 ? QStringLiteral("Changement d'Heure Automatique Actif")
                                 : QString();
        if (court)
            return QStringLiteral("Réglage Niveau d'Alarme => ") + nombre(second) + QStringLiteral(" dB");
        return QStringLiteral("Modif. Niveau d'Alarme => ") + nombre(premier) + QStringLiteral(" dB") +
               fleche + nombre(second) + QStringLiteral(" dB");
    case 9:
        return court ? QStringLiteral("Réglage Date de l'Pelmar") : QStringLiteral("Modif. Date de l'Pelmar");
    case 10:
        return court ? QStringLiteral("Réglage Heure de l'Pelmar")
                     : QStringLiteral("Modif. Heure de l'Pelmar");
    case 11:
        return etat(premier, QStringLiteral("Dépassement du Niveau d'Alarme"),
                    QStringLiteral("Fin Dépassement du Niveau d'Alarme"));
    case 12:
    case 13:
    case 14: {
        const Afficheur a = code == 12   ? Afficheur::Centre
                            : code == 13 ? Afficheur::Bas_Gauche
                                         : Afficheur::Bas_Droite;
        if (court) {
            static const QString debut[] = {QStringLiteral("Réglage Config. Aff. Centre = "),
                                            QStringLiteral("Réglage Config. Aff. Bas Gauche = "),
                                            QStringLiteral("Réglage Config. Aff. Bas Droite = ")};
            return debut[code - 12] + nom_afficheur(a, second, true);
        }
        static const QString debut[] = {QStringLiteral("Modif. Config. Afficheur Central = "),
                                        QStringLiteral("Modif. Config. Afficheur Bas Gauche = "),
                                        QStringLiteral("Modif. Config. Afficheur Bas Droite = ")};
        return debut[code - 12] + nom_afficheur(a, premier, false) + fleche + nom_afficheur(a, second, false);
    }
    case 15:
        if (court)
            return QStringLiteral("Réglage Valeur Luminosité : ") + nombre(second) + QStringLiteral("/15");
        return QStringLiteral("Modif. Valeur de Luminosité Manuelle : ") + nombre(premier) +
               QStringLiteral("/15 -> ") + nombre(second) + QStringLiteral("/15");
    case 16:
        if (court)
            return QStringLiteral("Réglage de Liaison Capteur : ") + nom_liaison(second);
        return QStringLiteral("Changement de Type de Liaison Capteur : ") + nom_liaison(premier) + fleche +
               nom_liaison(second);
    case 32: return texte_erreur(premier, court);
    case 33:
        return etat(premier, QStringLiteral("Changement de Mot de Passe"),
                    QStringLiteral("Mot de Passe Erroné"));
    default: return {};
    }
}

QString texte_ligne(const Declaration::Table_Donnees &t, int32_t ligne, bool court, const QLocale &locale)
{
    if (ligne < 1 || ligne > t.Nombre_Lignes())
        return {};
    const auto &r = t.rows[static_cast<size_t>(ligne)];
    return texte(r[6], r[7], r[8], court, locale);
}

} // namespace

QString Texte_Offset(int octet, const QLocale &locale)
{
    if (octet == 0 || octet == 128)
        return QStringLiteral("00 dB");
    const double v = (octet & 127) / 4.0;
    // Shortest form ("2", "2.25"), then the separator of the user's regional settings.
    QString chiffres = QString::number(v, 'g', QLocale::FloatingPointShortest);
    chiffres.replace(QLatin1Char('.'), locale.decimalPoint());
    const bool negatif = octet > 128;
    return (negatif ? QStringLiteral("-") : QStringLiteral("+")) +
           (v < 10 ? QStringLiteral("0") : QString()) + chiffres + QStringLiteral(" dB");
}

QString Texte_Evenement(const Declaration::Table_Donnees &t, int32_t ligne, const QLocale &locale)
{
    return texte_ligne(t, ligne, false, locale);
}

QString Texte_Evenement_Court(const Declaration::Table_Donnees &t, int32_t ligne, const QLocale &locale)
{
    return texte_ligne(t, ligne, true, locale);
}

} // namespace Fonctions_Tableau
