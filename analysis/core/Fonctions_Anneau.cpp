// Panel memory ring arithmetic and the duration texts built on it.
#include "analysis/core/Fonctions.h"

#include <cmath>

namespace Fonctions {

double Arrondi(double x)
{
    const double bas = std::floor(x);
    const double reste = x - bas;
    if (reste > 0.5)
        return bas + 1;
    if (reste < 0.5)
        return bas;
    return std::fmod(bas, 2.0) == 0 ? bas : bas + 1;
}

double Nombre_Enregistrements(int32_t a, int32_t b)
{
    const double da = a, db = b;
    if (a < b)
        return (db - da + 8) / 8;
    if (a == b)
        return 1;
    return (db - da + Taille_Anneau + 8) / 8;
}

int32_t Estimation_Temps(double n)
{
    return static_cast<int32_t>(Arrondi(std::floor(n) * 8 / 5600 + 2));
}

int16_t Calcul_Quantite_Donnees(int32_t a, int32_t b)
{
    // 64-bit so that absurd addresses cannot overflow; the result is clamped to the full ring.
    const int64_t da = a, db = b;
    double q;
    if (db > da)
        q = Arrondi((db - da + 8) / 286.0);
    else if (db == da)
        q = 1;
    else
        q = Arrondi((db - da + 4325384) / 286.0);
    if (q < 0)
        q = 0;
    if (q > Quantite_Maximale)
        q = Quantite_Maximale;
    return static_cast<int16_t>(q);
}

QString Deux_Chiffres(int32_t n)
{
    return n < 10 && n >= 0 ? QStringLiteral("0%1").arg(n) : QString::number(n);
}

QString Chiffre_Duree(int32_t secondes)
{
    if (secondes < 60)
        return Deux_Chiffres(secondes);
    return Deux_Chiffres(secondes / 60) + QStringLiteral(" Min. ") + Deux_Chiffres(secondes % 60);
}

QString Texte_Duree(int32_t secondes)
{
    return Chiffre_Duree(secondes) + QStringLiteral(" Sec.");
}

QString Texte_Compte_A_Rebours(int32_t secondes)
{
    return QStringLiteral("Temps de transfert restant = ") + Texte_Duree(secondes);
}

} // namespace Fonctions
