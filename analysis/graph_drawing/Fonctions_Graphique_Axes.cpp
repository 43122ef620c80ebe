// Pane coordinates, pane font, and the scale and axes of a pane that shows the whole graph period.
#include "Fonctions_Graphique.h"

#include <QDate>

namespace Fonctions_Graphique {

namespace {

const QColor Noir(0, 0, 0);

QString deuxChiffres(int n)
{
    return n >= 0 && n < 10 ? QStringLiteral("0") + QString::number(n) : QString::number(n);
}

// "05 / 03 / 2009" under 1- and 3-day panes, "05/03/09" under 7-day panes.
QString dateLongue(const std::array<int16_t, 4> &j)
{
    return deuxChiffres(j[1]) + QStringLiteral(" / ") + deuxChiffres(j[2]) + QStringLiteral(" / ") +
           QString::number(j[3] + 2000);
}

QString dateCourte(const std::array<int16_t, 4> &j)
{
    return deuxChiffres(j[1]) + QStringLiteral("/") + deuxChiffres(j[2]) + QStringLiteral("/") +
           deuxChiffres(j[3]);
}

QString heureUnJour(int i)
{
    return deuxChiffres(i < 12 ? i + 12 : i - 12);
}

QString heureTroisJours(int i)
{
    static const QString cycle[4] = {QStringLiteral("12"), QStringLiteral("18"), QStringLiteral("00"),
                                     QStringLiteral("06")};
    return cycle[(i / 2) % 4];
}

QString heureSeptJours(int i)
{
    return i % 4 == 0 ? QStringLiteral("12") : QStringLiteral("00");
}

void texte(platform::DrawingSurface &box, double x, double y, const QString &t)
{
    box.setCurrentX(static_cast<float>(x));
    box.setCurrentY(static_cast<float>(y));
    box.Print(t);
}

void trait(platform::DrawingSurface &box, double x1, double y1, double x2, double y2)
{
    box.Line(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2), static_cast<float>(y2),
             Noir);
}

void traceAxes(platform::DrawingSurface &box, bool crete)
{
    Police_Volet(box);
    const Declaration::Etat_Graphique &g = Declaration::D().Graphique;
    // A day count or a period date that the period dialogs cannot leave would index past the days.
    if (!Periode_Valide(g))
        return;
    const int jours = g.Nombre_Jours_Graphique;
    const bool sept = jours == 7;
    const double B = Niveau_Base(crete, Declaration::D().Parametres_Afficheur.Modele_40dB);

    box.setScaleLeft(9);
    box.setScaleWidth(sept ? 34 : 30);
    box.setScaleTop(static_cast<float>(-(B + 69)));
    box.setScaleHeight(81);
    const double SL = box.ScaleLeft();
    const double SR = SL + box.ScaleWidth();

    // Time axis and its arrowhead.
    trait(box, SL + 1, -B, SR - 1, -B);
    const double pointe = sept ? 2 : 1.75;
    const double ouverture = sept ? 2 : 1;
    trait(box, SR - pointe, -(B + ouverture), SR - 1, -B);
    trait(box, SR - pointe, -(B - ouverture), SR - 1, -B);

    const int dernier = sept ? 28 : 24;
    for (int i = 0; i <= dernier; ++i) {
        const double demi = i % 2 == 0 ? 2 : 1;
        trait(box, SL + 3 + i, -(B - demi), SL + 3 + i, -(B + demi));
    }
    for (int i = 0; i <= dernier; i += 2) {
        const QString t = jours == 1 ? heureUnJour(i) : jours == 3 ? heureTroisJours(i) : heureSeptJours(i);
        texte(box, SL + 2.7 + i, -(B - 3), t);
    }

    const double yDate = -(B - 7.5);
    auto separateur = [&](double x) { trait(box, x, -(B - 11), x, yDate); };
    const QString hrs = QStringLiteral("Hrs");
    if (jours == 1) {
        texte(box, SL + 7, yDate, dateLongue(g.Jours_Graphique[1]));
        separateur(SL + 15);
        texte(box, SL + 19, yDate, dateLongue(g.Jours_Graphique[2]));
        texte(box, SR - 2, -(B - 3), hrs);
    } else if (jours == 3) {
        texte(box, SL + 2, yDate, dateLongue(g.Jours_Graphique[1]));
        for (int k = 1; k <= 3; ++k) {
            separateur(SL - 1 + 8 * k);
            texte(box, SL + 1 + 8 * k, yDate, dateLongue(g.Jours_Graphique[static_cast<size_t>(k + 1)]));
        }
        texte(box, SR - 2, -(B - 3), hrs);
    } else {
        texte(box, SR - 1.5, -(B - 3), hrs);
        for (int k = 0; k <= 7; ++k) {
            texte(box, SL + 1.75 + 4 * k, yDate, dateCourte(g.Jours_Graphique[static_cast<size_t>(k + 1)]));
            if (k >= 1)
                separateur(SL + 1 + 4 * k);
        }
    }

    // Level axis, its arrowhead, ticks and labels.
    trait(box, SL + 2, -(B - 5), SL + 2, -(B + 65));
    const double ecart = sept ? 0.5 : 0.25;
    trait(box, SL + 2, -(B + 65), SL + 2 - ecart, -(B + 62.5));
    trait(box, SL + 2, -(B + 65), SL + 2 + ecart, -(B + 62.5));
    for (int j = 1; j <= 12; ++j) {
        const double n = B + 5 * j;
        trait(box, SL + 1.75, -n, SL + 2.25, -n);
        // Three digits stand further left.
        texte(box, n < 100 ? SL + 0.5 : SL + 0.25, -(n + 2), QString::number(static_cast<int>(n)));
    }
    texte(box, SL + 0.5, -(B + 68), QStringLiteral("dB"));
}

} // namespace

int Minutes_Par_Unite(int16_t nombreJours)
{
    switch (nombreJours) {
    case 1: return 60;
    case 3: return 180;
    case 7: return 360;
    default: return 0;
    }
}

int16_t Niveau_Base(bool crete, bool modele40dB)
{
    return static_cast<int16_t>((crete ? 70 : 60) - (modele40dB ? 20 : 0));
}

bool Periode_Valide(const Declaration::Etat_Graphique &g)
{
    if (Minutes_Par_Unite(g.Nombre_Jours_Graphique) == 0)
        return false;
    for (int k = 1; k <= g.Nombre_Jours_Graphique + 1; ++k) {
        const auto &j = g.Jours_Graphique[static_cast<size_t>(k)];
        if (j[3] < 0 || !QDate::isValid(j[3] + 2000, j[2], j[1]))
            return false;
    }
    return true;
}

void Police_Volet(platform::DrawingSurface &box)
{
    const bool normal = box.Width() == Largeur_Volet_Normal && box.Height() == Hauteur_Volet_Normal;
    box.setFontSize(normal ? 8 : 10);
    box.setFontBold(false);
    box.setDrawWidth(1);
    box.setForeColor(Noir);
}

void Trace_Axes_Leq(platform::DrawingSurface &box)
{
    traceAxes(box, false);
}

void Trace_Axes_Crete(platform::DrawingSurface &box)
{
    traceAxes(box, true);
}

} // namespace Fonctions_Graphique
