#include "analysis/graph_window/frmInGraphique_Old.h"

#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "analysis/core/Routes.h"
#include "analysis/core/frmMain.h"
#include "analysis/core/period_layout.h"
#include "analysis/graph_window/Periode_Graphique.h"
#include "platform/message_box.h"

using Declaration::D;

namespace {

const QString Texte_Non_Coherentes = QStringLiteral(
    "Attention : Les dates d'analyses choisies ne sont pas cohérentes avec les données en mémoire!!! "
    "Voulez-vous toujours effectuer cette analyse???");
const QString Titre_Non_Coherentes = QStringLiteral("Données d'analyse non cohérentes !!!");

// The loaded period's first and last day as dates the picker accepts.
QDate Debut_Charge()
{
    const auto &p = D().Periode_Chargee;
    return Periode_Graphique::Date_Reelle(p.Jour_Debut, p.Mois_Debut, p.Annee_Debut);
}

QDate Fin_Chargee()
{
    const auto &p = D().Periode_Chargee;
    return Periode_Graphique::Date_Reelle(p.Jour_Fin, p.Mois_Fin, p.Annee_Fin);
}

} // namespace

frmInGraphique_Old::frmInGraphique_Old()
    : platform::Form(Kind::MdiChild, QStringLiteral("Analyse des Données : Graphique Leq"), 6750, 4170)
{
    using namespace Periode_Graphique;
    period_layout::Titre(this, QStringLiteral("La mémoire contient les données suivantes :"), 120, 6495);
    Rubrique(this, QStringLiteral("Date de Début de la Mémoire :"), 120, 480);
    Rubrique(this, QStringLiteral("Date de Fin de la Mémoire :"), 120, 840);
    Label_Start_Memory = Rubrique(this, QString(), 3420, 480);
    Label_End_Memory = Rubrique(this, QString(), 3420, 840);

    const Choix c = Construire_Choix(this, 1350, 4155, QStringLiteral("Date de Fin d'Analyse :"));
    MonthView_Start = c.MonthView_Start;
    Option_Jour = c.Option_Jour;
    Option_WeekEnd = c.Option_WeekEnd;
    Option_Semaine = c.Option_Semaine;
    Cmd_Ok = c.Cmd_Ok;
    Cmd_Annuler = c.Cmd_Annuler;

    // The two ruled boxes.
    for (const int y : {60, 420, 780, 1140})
        Trait(this, 60, y, 6660, y);
    for (const int y : {1290, 1650, 2010, 3255, 3615})
        Trait(this, 60, y, 6660, y);
    for (const int x : {60, 6660}) {
        Trait(this, x, 60, x, 1140);
        Trait(this, x, 1290, x, 3610);
    }
    Trait(this, 3360, 420, 3360, 1140);
    Trait(this, 3360, 1650, 3360, 3250);

    connect(Cmd_Ok, &QPushButton::clicked, this, &frmInGraphique_Old::Cmd_Ok_Click);
    connect(Cmd_Annuler, &QPushButton::clicked, this, &frmInGraphique_Old::Cmd_Annuler_Click);
}

void frmInGraphique_Old::Form_Load()
{
    setLeftTwips(0);
    setTopTwips(0);
    Fonctions::Fermer_Fenetres();
    D().Ouvert.Ouvert_InGraphique_Old = true;
    Fonctions::Inscrire_Fenetre(Fonctions::Fenetre::InGraphique_Old, this);

    const QDate debut = Debut_Charge();
    const QDate fin = Fin_Chargee();
    MonthView_Start->setDate(debut);
    Option_Jour->setChecked(true);
    Label_Start_Memory->setText(
        Fonctions::Texte_Jour_Complet(debut.day(), debut.month(), debut.year() - 2000));
    Label_End_Memory->setText(Fonctions::Texte_Jour_Complet(fin.day(), fin.month(), fin.year() - 2000));
    Show();
    Cmd_Ok->setFocus();
}

void frmInGraphique_Old::Form_Unload()
{
    D().Ouvert.Ouvert_InGraphique_Old = false;
}

void frmInGraphique_Old::Cmd_Ok_Click()
{
    const QDate debut = MonthView_Start->date();
    auto &g = D().Graphique;
    g.Nombre_Jours_Graphique =
        Periode_Graphique::Nombre_Jours(Option_Jour->isChecked(), Option_WeekEnd->isChecked(),
                                        Option_Semaine->isChecked(), g.Nombre_Jours_Graphique);
    Periode_Graphique::Remplir_Jours(g, debut);

    const QDate fin = Periode_Graphique::Date_Jour(g, g.Nombre_Jours_Graphique + 1);
    if (fin < Debut_Charge() || Fin_Chargee() < debut) {
        if (platform::MsgBox(Texte_Non_Coherentes, platform::MsgButtons::OkCancel, platform::MsgIcon::None,
                             Titre_Non_Coherentes) == platform::MsgResult::Cancel)
            return;
    }

    // The graph window gives the main window back once it has drawn (or found nothing to draw).
    frmMain *m = frmMain::Instance();
    if (m) {
        m->setEnabled(false);
        m->setCursor(Qt::WaitCursor);
    }
    Periode_Graphique::Selection_Depuis_Jours(D().Date_Selection, g);

    platform::HandlerScope handler(this);
    Hide();
    if (!Routes::Ouvrir(Routes::Vue::Graphique) && m) {
        m->setEnabled(true);
        m->unsetCursor();
    }
    // The graph window's load has closed this dialog already; only a closing program stops here.
    if (platform::ProgramClosing())
        return;
    // No record in the period: the graph window has said so and stays empty, so it goes. It and this
    // dialog are the only windows open now.
    if (g.Indice_Debut_Periode == 0 || g.Indice_Fin_Periode == 0)
        Fonctions::Fermer_Fenetres();
    Unload();
}

void frmInGraphique_Old::Cmd_Annuler_Click()
{
    Unload();
}
