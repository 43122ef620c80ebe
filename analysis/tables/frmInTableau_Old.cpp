#include "analysis/tables/frmInTableau_Old.h"

#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "analysis/core/Routes.h"
#include "analysis/core/frmMain.h"
#include "analysis/core/period_layout.h"
#include "platform/message_box.h"
#include "platform/twips.h"

#include <QDate>

using Declaration::D;

namespace {

const QString Texte_Dates_Inversees =
    QStringLiteral("Veuillez entrer des données d'analyse cohérentes SVP !!!");
const QString Titre_Dates_Inversees = QStringLiteral("Données d'analyse erronées !!!");
const QString Texte_Hors_Memoire = QStringLiteral(
    "Attention : Les dates d'analyse choisies ne sont pas cohérentes avec les données en mémoire!!! "
    "Voulez-vous toujours effectuer cette analyse???");
const QString Titre_Hors_Memoire = QStringLiteral("Données d'analyses non Cohérentes !!!");

// Record years are 2000 plus one byte of two decimal digits.
const QDate Premier_Jour(2000, 1, 1);
const QDate Dernier_Jour(2099, 12, 31);

} // namespace

frmInTableau_Old::frmInTableau_Old() : platform::Form(Kind::MdiChild, QString(), 6750, 5370)
{
    period_layout::Titre(this, QStringLiteral("La mémoire contient les données suivantes :"), 120, 6495);
    const auto lignes = period_layout::Lignes(
        this, 480,
        {QStringLiteral("Date de Début de la Mémoire :"), QStringLiteral("Date de Fin de la Mémoire :")});
    period_layout::Cadre(this, 60, 60, 6660, 1140);
    Label_Start_Memory = lignes[0];
    Label_End_Memory = lignes[1];

    period_layout::Titre(this, QStringLiteral("Analyse des Données :"), 1350, 6465);
    period_layout::Cadre(this, 60, 1290, 6660, 4650);
    period_layout::Texte(this, QStringLiteral("Date de Début d'Analyse :"), 120, 1710, 3135, 225);
    period_layout::Texte(this, QStringLiteral("Date de Fin d''Analyse :"), 3390, 1740, 3195, 225);
    MonthView_Start = period_layout::Calendrier(this, 360, 2130);
    MonthView_End = period_layout::Calendrier(this, 3660, 2130);
    for (QCalendarWidget *c : {MonthView_Start, MonthView_End})
        c->setDateRange(Premier_Jour, Dernier_Jour);

    const auto boutons = period_layout::Ok_Annuler(this, 2250, 4890);
    Cmd_Ok = boutons.Ok;
    Cmd_Annuler = boutons.Annuler;
    connect(Cmd_Ok, &QPushButton::clicked, this, &frmInTableau_Old::Cmd_Ok_Click);
    connect(Cmd_Annuler, &QPushButton::clicked, this, &frmInTableau_Old::Cmd_Annuler_Click);
    period_layout::Focus_Sur_Ok(MonthView_Start, MonthView_End, Cmd_Ok);
}

void frmInTableau_Old::Form_Load()
{
    setLeftTwips(0);
    setTopTwips(0);
    setWindowTitle(QStringLiteral("Analyse des données : ") + D().Type_Analyse);
    Fonctions::Fermer_Fenetres();
    D().Ouvert.Ouvert_InTableau_Old = true;
    Fonctions::Inscrire_Fenetre(Fonctions::Fenetre::InTableau_Old, this);

    const auto &p = D().Periode_Chargee;
    // Set in one step, so no invalid date is passed through on the way.
    MonthView_Start->setSelectedDate(QDate(p.Annee_Debut, p.Mois_Debut, p.Jour_Debut));
    MonthView_End->setSelectedDate(QDate(p.Annee_Fin, p.Mois_Fin, p.Jour_Fin));
    Label_Start_Memory->setText(
        Fonctions::Texte_Jour_Complet(p.Jour_Debut, p.Mois_Debut, p.Annee_Debut - 2000));
    Label_End_Memory->setText(Fonctions::Texte_Jour_Complet(p.Jour_Fin, p.Mois_Fin, p.Annee_Fin - 2000));
    Show();
    Cmd_Ok->setFocus();
}

void frmInTableau_Old::Form_Unload()
{
    D().Ouvert.Ouvert_InTableau_Old = false;
}

void frmInTableau_Old::Cmd_Ok_Click()
{
    const QDate debut = MonthView_Start->selectedDate();
    const QDate fin = MonthView_End->selectedDate();
    if (fin < debut) {
        platform::MsgBox(Texte_Dates_Inversees, platform::MsgButtons::Ok, platform::MsgIcon::Critical,
                         Titre_Dates_Inversees);
        return;
    }
    const auto &p = D().Periode_Chargee;
    if (debut < QDate(p.Annee_Debut, p.Mois_Debut, p.Jour_Debut) ||
        fin > QDate(p.Annee_Fin, p.Mois_Fin, p.Jour_Fin)) {
        if (platform::MsgBox(Texte_Hors_Memoire, platform::MsgButtons::OkCancel, platform::MsgIcon::None,
                             Titre_Hors_Memoire) == platform::MsgResult::Cancel)
            return;
    }

    auto &s = D().Date_Selection;
    s.Jour_Debut_Selection = static_cast<int16_t>(debut.day());
    s.Mois_Debut_Selection = static_cast<int16_t>(debut.month());
    s.Annee_Debut_Selection = static_cast<int16_t>(debut.year() - 2000);
    s.Jour_Fin_Selection = static_cast<int16_t>(fin.day());
    s.Mois_Fin_Selection = static_cast<int16_t>(fin.month());
    s.Annee_Fin_Selection = static_cast<int16_t>(fin.year() - 2000);

    platform::HandlerScope handler(this);
    const Routes::Route *route = Routes::Route_De(D().Type_Analyse);
    if (route && (route->vue == Routes::Vue::Tableau_Leq || route->vue == Routes::Vue::Evenements)) {
        // The table window gives the main window back once its lists are filled.
        frmMain *m = frmMain::Instance();
        if (m) {
            m->setEnabled(false);
            m->setCursor(Qt::WaitCursor);
        }
        if (!Routes::Ouvrir(route->vue) && m) {
            m->setEnabled(true);
            m->unsetCursor();
        }
    }
    Unload();
}

void frmInTableau_Old::Cmd_Annuler_Click()
{
    Unload();
}
