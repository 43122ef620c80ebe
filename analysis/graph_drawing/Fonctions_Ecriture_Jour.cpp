// The dates of the days that a zoomed pane's visible range touches, one label in the middle of each
// day's visible part, near the bottom edge of the pane.
#include "Fonctions_Graphique.h"

#include <cmath>
#include <limits>
#include <vector>

namespace Fonctions_Ecriture_Jour {

namespace {

// The period's midnights in pane x units; day k runs from boundary k-1 to boundary k.
std::vector<double> bornes(int16_t jours)
{
    switch (jours) {
    case 1: return {24};
    case 3: return {16, 24, 32};
    case 7: return {14, 18, 22, 26, 30, 34, 38};
    default: return {};
    }
}

QString deuxChiffres(int n)
{
    return n >= 0 && n < 10 ? QStringLiteral("0") + QString::number(n) : QString::number(n);
}

// As the pattern "0.0" formats it, then read back as single precision.
float unDecimal(double v)
{
    return static_cast<float>(std::round(v * 10) / 10);
}

int16_t entier16(double v)
{
    constexpr double bas = std::numeric_limits<int16_t>::min();
    constexpr double haut = std::numeric_limits<int16_t>::max();
    return static_cast<int16_t>(v < bas ? bas : v > haut ? haut : v);
}

} // namespace

QString Texte_Date_Jour(int16_t k)
{
    if (k < 1 || k > 8)
        return {};
    const auto &j = Declaration::D().Graphique.Jours_Graphique[static_cast<size_t>(k)];
    return deuxChiffres(j[1]) + QStringLiteral(" / ") + deuxChiffres(j[2]) + QStringLiteral(" / ") +
           deuxChiffres(j[3]);
}

void Ecriture_Jours(platform::DrawingSurface &box, int16_t X1, int16_t X2, int16_t rouge, int16_t bleu,
                    int16_t vert)
{
    // The colour as one RGB value, so components beyond a byte carry into the next as they would there.
    const int64_t valeur = rouge + 256 * static_cast<int64_t>(vert) + 65536 * static_cast<int64_t>(bleu);
    box.setForeColor(QColor(static_cast<int>(valeur & 0xFF), static_cast<int>((valeur >> 8) & 0xFF),
                            static_cast<int>((valeur >> 16) & 0xFF)));

    const Declaration::Etat_Graphique &g = Declaration::D().Graphique;
    // No label for a day count or a period date that the period dialogs cannot leave.
    if (!Fonctions_Graphique::Periode_Valide(g))
        return;
    const std::vector<double> b = bornes(g.Nombre_Jours_Graphique);
    const int nombreJours = static_cast<int>(b.size()) + 1;
    constexpr double infini = std::numeric_limits<double>::infinity();
    auto bas = [&](int k) { return k == 1 ? -infini : b[static_cast<size_t>(k - 2)]; };
    auto haut = [&](int k) { return k == nombreJours ? infini : b[static_cast<size_t>(k - 1)]; };
    const double x1 = X1, x2 = X2;

    std::vector<std::pair<int, double>> etiquettes;
    int seul = 0;
    for (int k = 1; k <= nombreJours && seul == 0; ++k)
        if (bas(k) <= x1 && x1 <= haut(k) && bas(k) <= x2 && x2 <= haut(k))
            seul = k;
    if (seul != 0) {
        etiquettes.push_back({seul, (x1 + x2) / 2});
    } else {
        int a = 1, z = 1;
        while (haut(a) < x1)
            ++a;
        while (haut(z) < x2)
            ++z;
        etiquettes.push_back({a, (x1 + haut(a)) / 2});
        for (int k = a + 1; k < z; ++k)
            etiquettes.push_back({k, (bas(k) + haut(k)) / 2});
        if (z > a)
            etiquettes.push_back({z, (bas(z) + x2) / 2});
    }

    for (const auto &[jour, x] : etiquettes) {
        box.setCurrentX(unDecimal(x));
        const double top = box.ScaleTop();
        const double hauteur = box.ScaleHeight();
        box.setCurrentY(unDecimal(top + hauteur - hauteur * 0.075));
        box.Print(Texte_Date_Jour(static_cast<int16_t>(jour)));
    }
}

std::pair<int16_t, int16_t> Vue_Jours_Choix(const platform::DrawingSurface &box, int volet)
{
    const float gauche = box.ScaleLeft();
    const float droite = gauche + box.ScaleWidth();
    if (volet == 3)
        return {entier16(std::floor(gauche)), entier16(std::floor(droite))};
    // Halves to the even neighbour, as every whole-number conversion of the program.
    return {entier16(std::nearbyint(gauche)), entier16(std::nearbyint(droite))};
}

} // namespace Fonctions_Ecriture_Jour
