#include "analysis/graph_window/Periode_Graphique.h"

#include "analysis/core/period_layout.h"
#include "platform/twips.h"

#include <QFontMetrics>
#include <QLocale>
#include <algorithm>

namespace Periode_Graphique {

namespace {

// The bold noon warning is nearly as wide as its box. It keeps the program's size, fixed before the window
// goes into the main window (whose font may differ), and takes a smaller size only from a face wider than
// Arial, so that it never reaches the box's right-hand rule.
void Ajuster_Attention(QLabel *l)
{
    QFont f = l->font();
    if (f.pointSizeF() <= 0)
        return;
    f.setPointSizeF(f.pointSizeF()); // marks the size as the label's own, not inherited
    while (QFontMetrics(f).horizontalAdvance(l->text()) > l->contentsRect().width() && f.pointSizeF() > 1)
        f.setPointSizeF(f.pointSizeF() - 0.25);
    l->setFont(f);
}

} // namespace

QDate Date_Reelle(int jour, int mois, int annee)
{
    const int a = std::clamp(annee, Premier_Jour.year(), Dernier_Jour.year());
    const int m = std::clamp(mois, 1, 12);
    return QDate(a, m, std::clamp(jour, 1, QDate(a, m, 1).daysInMonth()));
}

int16_t Nombre_Jours(bool jour, bool week_end, bool semaine, int16_t actuel)
{
    if (jour)
        return 1;
    if (week_end)
        return 3;
    if (semaine)
        return 7;
    return actuel;
}

void Jour_Suivant(int16_t &jour, int16_t &mois, int16_t &annee)
{
    ++jour;
    int longueur = 31;
    if (mois == 2)
        longueur = annee % 4 == 0 ? 29 : 28;
    else if (mois == 4 || mois == 6 || mois == 9 || mois == 11)
        longueur = 30;
    if (jour <= longueur)
        return;
    jour = 1;
    if (++mois == 13) {
        mois = 1;
        ++annee;
    }
}

void Remplir_Jours(Declaration::Etat_Graphique &g, QDate debut)
{
    auto &j = g.Jours_Graphique;
    j[1] = {0, static_cast<int16_t>(debut.day()), static_cast<int16_t>(debut.month()),
            static_cast<int16_t>(debut.year() - 2000)};
    // The table has 8 rows: 7 days and the day whose noon ends the graph.
    const int dernier = std::clamp(g.Nombre_Jours_Graphique + 1, 1, 8);
    for (int i = 2; i <= dernier; ++i) {
        j[i] = j[i - 1];
        Jour_Suivant(j[i][1], j[i][2], j[i][3]);
    }
}

QDate Date_Jour(const Declaration::Etat_Graphique &g, int ligne)
{
    const auto &r = g.Jours_Graphique[static_cast<size_t>(ligne)];
    return QDate(r[3] + 2000, r[2], r[1]);
}

void Selection_Depuis_Jours(Declaration::Selection &s, const Declaration::Etat_Graphique &g)
{
    const auto &debut = g.Jours_Graphique[1];
    const auto &fin = g.Jours_Graphique[static_cast<size_t>(std::clamp(g.Nombre_Jours_Graphique + 1, 1, 8))];
    s.Jour_Debut_Selection = debut[1];
    s.Mois_Debut_Selection = debut[2];
    s.Annee_Debut_Selection = debut[3];
    s.Jour_Fin_Selection = fin[1];
    s.Mois_Fin_Selection = fin[2];
    s.Annee_Fin_Selection = fin[3];
}

void Trait(QWidget *parent, int x1, int y1, int x2, int y2)
{
    auto *l = new QWidget(parent);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, Qt::black);
    l->setPalette(p);
    const int epaisseur = 2 * platform::kTwipsPerPixel;
    if (y1 == y2)
        platform::PlaceTwips(l, x1, y1, x2 - x1 + epaisseur, epaisseur);
    else
        platform::PlaceTwips(l, x1, y1, epaisseur, y2 - y1 + epaisseur);
}

QLabel *Rubrique(QWidget *parent, const QString &text, int left, int top)
{
    return period_layout::Texte(parent, text, left, top, 3165, 225);
}

Choix Construire_Choix(QWidget *parent, int haut, int gauche_options, const QString &fin)
{
    period_layout::Titre(parent,
                         QStringLiteral("Analyse des Données : Graphique des Niveaux de Pression Acoustique"),
                         haut, 6465);
    Rubrique(parent, QStringLiteral("Date de Début du Graphique :"), 120, haut + 360);
    Rubrique(parent, fin, 3420, haut + 360);

    Choix c{};
    c.MonthView_Start = new QDateEdit(parent);
    platform::PlaceTwips(c.MonthView_Start, 360, haut + 1110, 2685, 345);
    c.MonthView_Start->setCalendarPopup(true);
    c.MonthView_Start->setLocale(QLocale(QLocale::French, QLocale::France));
    c.MonthView_Start->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    c.MonthView_Start->setDateRange(Premier_Jour, Dernier_Jour);

    const auto option = [&](const QString &text, int top) {
        auto *o = new QRadioButton(text, parent);
        platform::PlaceTwips(o, gauche_options, top, 2000, 255);
        return o;
    };
    c.Option_Jour = option(QStringLiteral("1 Jour"), haut + 780);
    c.Option_WeekEnd = option(QStringLiteral("3 Jours (Week-End)"), haut + 1140);
    c.Option_Semaine = option(QStringLiteral("7 Jours (Semaine)"), haut + 1500);

    Ajuster_Attention(period_layout::Titre(
        parent,
        QStringLiteral("Attention : La Courbe ne commencera qu'à MIDI, le jour du début de l'analyse"),
        haut + 1980, 6465));

    c.Cmd_Ok = new QPushButton(QStringLiteral("Ok"), parent);
    platform::PlaceTwips(c.Cmd_Ok, 2280, haut + 2370, 975, 375);
    c.Cmd_Annuler = new QPushButton(QStringLiteral("Annuler"), parent);
    platform::PlaceTwips(c.Cmd_Annuler, 3480, haut + 2370, 975, 375);
    return c;
}

} // namespace Periode_Graphique
