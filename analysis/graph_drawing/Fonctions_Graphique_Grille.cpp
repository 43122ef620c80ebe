// The grid of a pane under a rubber-band zoom: hour and level line controls placed in the zoomed scale,
// each labelled at both ends.
#include "Fonctions_Graphique.h"

namespace Fonctions_Graphique {

namespace {

QString heureGrille(int16_t jours, int i)
{
    static const char *const trois[8] = {"12", "15", "18", "21", "00", "03", "06", "09"};
    static const char *const sept[4] = {"12", "18", "00", "06"};
    QString h;
    if (jours == 1) {
        const int heure = i <= 11 ? i + 12 : i - 12;
        h = (heure < 10 ? QStringLiteral("0") : QString()) + QString::number(heure);
    } else if (jours == 3) {
        h = QLatin1String(trois[i % 8]);
    } else {
        h = QLatin1String(sept[i % 4]);
    }
    return h + QStringLiteral("h.");
}

void texte(platform::DrawingSurface &box, double x, double y, const QString &t)
{
    box.setCurrentX(static_cast<float>(x));
    box.setCurrentY(static_cast<float>(y));
    box.Print(t);
}

void grilleDuVolet(int numero)
{
    if (Fenetre_Graphique *f = Fenetre())
        Trace_Grille(f->Volet[static_cast<size_t>(numero)]);
}

} // namespace

void Trace_Grille(Volet_Graphique &volet)
{
    if (!volet.Graphique)
        return;
    platform::DrawingSurface &box = *volet.Graphique;
    const int16_t jours = Declaration::D().Graphique.Nombre_Jours_Graphique;
    if (Minutes_Par_Unite(jours) == 0)
        return; // no hour line to place for a day count the period dialogs cannot leave
    const int dernier = jours == 7 ? 28 : 24;
    box.setForeColor(QColor(0, 0, 0));

    // Both offsets follow the view's height, whatever its width.
    for (int i = 0; i <= dernier; ++i) {
        const double top = box.ScaleTop();
        const double hauteur = box.ScaleHeight();
        const double x = i + 12;
        if (platform::LineControl *ligne = volet.Line_Heure[static_cast<size_t>(i)]) {
            ligne->setX1(static_cast<float>(x));
            ligne->setX2(static_cast<float>(x));
            ligne->setY1(static_cast<float>(top));
            ligne->setY2(static_cast<float>(top + hauteur));
            ligne->setVisible(true);
        }
        const QString t = heureGrille(jours, i);
        texte(box, x + 0.0033 * hauteur, top, t);
        texte(box, x + 0.0033 * hauteur, top + hauteur - 0.025 * hauteur, t);
    }

    const bool crete = volet.Combo_Choix && volet.Combo_Choix->currentText() == Choix_Crete;
    const int base = (crete ? 75 : 65) - (Declaration::D().Parametres_Afficheur.Modele_40dB ? 20 : 0);
    for (int i = 0; i < Nombre_Lignes_Niveau; ++i) {
        const double gauche = box.ScaleLeft();
        const double droite = gauche + box.ScaleWidth();
        const double hauteur = box.ScaleHeight();
        const int n = base + 5 * i;
        if (platform::LineControl *ligne = volet.Line_Level[static_cast<size_t>(i)]) {
            ligne->setX1(static_cast<float>(gauche));
            ligne->setX2(static_cast<float>(droite));
            ligne->setY1(static_cast<float>(-n));
            ligne->setY2(static_cast<float>(-n));
        }
        const QString t = QString::number(n) + QStringLiteral(" dB");
        const double y = -n - 0.025 * hauteur;
        texte(box, gauche, y, t);
        texte(box, droite - 0.015 * hauteur, y, t);
    }
}

void Trace_Grille_Leq1()
{
    grilleDuVolet(1);
}

void Trace_Grille_Leq2()
{
    grilleDuVolet(2);
}

void Trace_Grille_Leq3()
{
    grilleDuVolet(3);
}

} // namespace Fonctions_Graphique
