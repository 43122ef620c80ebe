// The fills of the table and graph windows' list boxes: lines from the program state, progress on
// the wait window, one batch into the list.
#include "analysis/core/Declaration.h"
#include "analysis/core/frmWait.h"
#include "analysis/tables/Fonctions_Tableau.h"
#include "platform/list_box.h"
#include "platform/ticks.h"

#include <QPointer>
#include <cmath>

using Declaration::D;

namespace Fonctions_Tableau {

namespace {

QString texte_progression(double valeur, int64_t total)
{
    return QStringLiteral("Données traitées = ") + QString::number(std::llround(valeur)) +
           QStringLiteral(" / ") + QString::number(total);
}

// Table windows: every 50 rows the bar grows by 50 against the total the window set; window events
// run there too (the window is hidden and the main window disabled meanwhile).
Avancement avancement_tableau(int64_t total)
{
    return [total](int32_t) {
        if (frmWait *w = Wait::Instance()) {
            w->Progression->setValue(w->Progression->Value() + 50);
            w->Label_Progression->setText(texte_progression(w->Progression->Value(), total));
        }
        platform::DoEvents();
    };
}

// Graph window: only during its first drawing, and the bar stops at its maximum.
Avancement avancement_graphique()
{
    const auto &g = D().Graphique;
    if (!g.Chargement_Graphique)
        return {};
    const int64_t total = (static_cast<int64_t>(g.Indice_Fin_Periode) - g.Indice_Debut_Periode + 1) *
                          (D().Presence_Leq5 && D().Presence_Leq10 ? 9 : 7);
    return [total](int32_t) {
        if (frmWait *w = Wait::Instance()) {
            platform::ProgressBar *p = w->Progression;
            p->setValue(p->Max() - p->Value() >= 50 ? p->Value() + 50 : p->Max());
            w->Label_Progression->setText(texte_progression(p->Value(), total));
        }
        platform::DoEvents();
    };
}

// Window events ran while the lines were built: the list may have gone with its window.
void remplacer(QPointer<platform::ListBox> liste, QStringList lignes)
{
    if (!liste)
        return;
    liste->Clear();
    liste->AddItems(std::move(lignes));
}

} // namespace

void Remplir_Liste_Leq(platform::ListBox &liste, const QString &type)
{
    QPointer<platform::ListBox> garde(&liste);
    liste.Clear();
    const auto &e = D();
    const int64_t total = static_cast<int64_t>(e.Donnees_Memoire.Nombre_Lignes()) *
                          (e.Presence_Leq5 && e.Presence_Leq10 ? 4 : 3);
    QStringList lignes =
        Lignes_Leq(e.Donnees_Memoire, Periode_Tableau(e.Date_Selection), type,
                   e.Parametres_Afficheur.Modele_40dB, Libelles::Tableau, avancement_tableau(total));
    remplacer(garde, std::move(lignes));
}

void Remplir_Liste_Jour(platform::ListBox &liste, const QString &type)
{
    QPointer<platform::ListBox> garde(&liste);
    const int choisie = liste.ListIndex();
    liste.Clear();
    const auto &e = D();
    QStringList lignes =
        Lignes_Leq(e.Graphique.Donnees_Graphique, Periode_Graphique(e.Graphique), type,
                   e.Parametres_Afficheur.Modele_40dB, Libelles::Graphique, avancement_graphique());
    remplacer(garde, std::move(lignes));
    // The program's own selection: ListBox never reports it as the user's click.
    if (garde && choisie >= 0 && choisie < garde->ListCount())
        garde->setListIndex(choisie);
}

void Remplir_Liste_Evenements(platform::ListBox &liste)
{
    QPointer<platform::ListBox> garde(&liste);
    liste.Clear();
    const auto &e = D();
    QStringList lignes =
        Lignes_Evenements(e.Donnees_Memoire, Periode_Tableau(e.Date_Selection), Libelles::Tableau,
                          avancement_tableau(e.Donnees_Memoire.Nombre_Lignes()));
    remplacer(garde, std::move(lignes));
}

void Remplir_Liste_Evenements_Jour(platform::ListBox &liste)
{
    QPointer<platform::ListBox> garde(&liste);
    liste.Clear();
    const auto &e = D();
    QStringList lignes = Lignes_Evenements(e.Graphique.Donnees_Graphique, Periode_Graphique(e.Graphique),
                                           Libelles::Graphique, avancement_graphique());
    remplacer(garde, std::move(lignes));
}

} // namespace Fonctions_Tableau
