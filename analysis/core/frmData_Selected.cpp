#include "analysis/core/frmData_Selected.h"

#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "analysis/core/Fonctions_Transfert.h"
#include "analysis/core/Routes.h"
#include "analysis/core/Suivi_Echange.h"
#include "analysis/core/frmData_Total.h"
#include "analysis/core/frmMain.h"
#include "analysis/core/period_layout.h"
#include "platform/input_guard.h"
#include "platform/message_box.h"
#include "platform/twips.h"

#include <QDate>
#include <cmath>
#include <optional>

using Declaration::D;
using platform::MsgBox;

int Jours_Selection()
{
    const auto &s = D().Date_Selection;
    const QDate debut(s.Annee_Debut_Selection + 2000, s.Mois_Debut_Selection, s.Jour_Debut_Selection);
    const QDate fin(s.Annee_Fin_Selection + 2000, s.Mois_Fin_Selection, s.Jour_Fin_Selection);
    return static_cast<int>(debut.daysTo(fin));
}

frmData_Selected::frmData_Selected()
    : platform::Form(Kind::MdiChild, QStringLiteral("Voulez-vous tranférer les données suivantes ?"), 6750,
                     2865)
{
    period_layout::Titre(this, QStringLiteral("Données de l'Pelmar sélectionnées pour l'analyse :"), 150,
                         6495);
    const auto lignes = period_layout::Lignes_Information(
        this, 510,
        {QStringLiteral("Date de Début de l'Analyse :"), QStringLiteral("Date de Fin de l'Analyse :"),
         QStringLiteral("Nombre de Données de l'Analyse :"),
         QStringLiteral("Estimation du Temps de Transfert :")});
    Label_Start_Memory = lignes[0];
    Label_End_Memory = lignes[1];
    Label_Nombre_Data = lignes[2];
    Label_Temps_Transfert = lignes[3];
    QLabel *question = period_layout::Titre(
        this, QStringLiteral("Voulez-vous transférer les données suivantes ???"), 2010, 6465);
    question->setFixedHeight(platform::Px(255));

    const auto boutons = period_layout::Ok_Annuler(this, 2250, 2400);
    Cmd_Ok = boutons.Ok;
    Cmd_Annuler = boutons.Annuler;
    connect(Cmd_Ok, &QPushButton::clicked, this, &frmData_Selected::Cmd_Ok_Click);
    connect(Cmd_Annuler, &QPushButton::clicked, this, &frmData_Selected::Cmd_Annuler_Click);
}

void frmData_Selected::Form_Load()
{
    setLeftTwips(0);
    Fonctions::Fermer_Fenetres();
    D().Ouvert.Ouvert_Data_Selected = true;
    Fonctions::Inscrire_Fenetre(Fonctions::Fenetre::Data_Selected, this);

    const auto &s = D().Date_Selection;
    period_layout::Remplir_Lignes_Periode(
        {Label_Start_Memory, Label_End_Memory, Label_Nombre_Data, Label_Temps_Transfert},
        {s.Jour_Debut_Selection, s.Mois_Debut_Selection, s.Annee_Debut_Selection, s.Jour_Fin_Selection,
         s.Mois_Fin_Selection, s.Annee_Fin_Selection},
        s.Adresse_Debut_Selection, s.Adresse_Fin_Selection);
}

void frmData_Selected::Form_Unload()
{
    D().Ouvert.Ouvert_Data_Selected = false;
}

void frmData_Selected::Retour_Periode()
{
    Unload();
    if (const Routes::Route *r = Routes::Route_De(D().Type_Analyse); r && r->periode)
        Routes::Ouvrir(*r->periode);
}

void frmData_Selected::Cmd_Annuler_Click()
{
    Retour_Periode();
}

void frmData_Selected::Cmd_Ok_Click()
{
    const auto n = static_cast<int32_t>(std::floor(Label_Nombre_Data->text().toDouble()));
    const int jours = Jours_Selection();
    const QString titre = QStringLiteral("Durée d'analyse trop longue !!!");
    const QString nl = QStringLiteral("\n\r");
    const QString debut = QStringLiteral("Vous voulez récupérer %1 jours de données.").arg(jours) + nl +
                          QStringLiteral("Cela représente ") + Label_Nombre_Data->text() +
                          QStringLiteral(" données, soit un temps de transfert de ") +
                          Label_Temps_Transfert->text();
    if (n > 100000 && jours > 90) {
        MsgBox(
            debut + nl +
                QStringLiteral("Le logiciel ne peut pas télécharger et analyser autant de données !!!") + nl +
                QStringLiteral(
                    "Il vous est recommandé d'effectuer une analyse en vous limitant à 1 mois de données.") +
                nl + QStringLiteral("Veuillez sélectionner une période d'analyse plus petite SVP !!!"),
            platform::MsgButtons::Ok, platform::MsgIcon::Critical, titre);
        Unload();
        Data_Total::Show();
        return;
    }
    if (n > 35000 && jours > 31) {
        const auto reponse = MsgBox(
            debut + QStringLiteral(".") + nl +
                QStringLiteral(
                    "Si vous effectuez cette récupération, vous pouvez vous retrouver confrontés à des "
                    "problèmes de transmission!, ou à des ralentissements du logiciel lors des différentes "
                    "analyses...") +
                nl +
                QStringLiteral(
                    "Il vous est recommandé d'effectuer une analyse en vous limitant à 1 mois de données.") +
                nl + QStringLiteral("Voulez-vous quand même effectuer cette transmission?"),
            platform::MsgButtons::YesNo, platform::MsgIcon::None, titre);
        if (reponse != platform::MsgResult::Yes) {
            Unload();
            Data_Total::Show();
            return;
        }
    }

    // Until the download is over the user reaches only the progress and "Quitter".
    platform::HandlerScope handler(this);
    std::optional<platform::InputGuard> garde(std::in_place);
    auto &l = D().Etat_Liaison;
    l.Duree_Transfert = static_cast<int32_t>(Fonctions::Arrondi(n * 8.0 / 5600)) + 2;
    Hide();
    Fonctions::Suivi_Echange &suivi = Fonctions::Suivi();
    suivi.Ouvrir();
    suivi.Transmission(l.Duree_Transfert);
    Declaration::Table_Donnees table;
    const auto resultat = Fonctions_Transfert::Transfert_Periode(n, l.Duree_Transfert, table);
    if (resultat == Fonctions_Transfert::Resultat::Arret || !Fonctions::Poursuivre(handler))
        return;
    if (resultat == Fonctions_Transfert::Resultat::Echec) {
        suivi.Fermer();
        Unload();
        return;
    }

    Fonctions::Attendre(2500, true);
    // Closing now must change nothing: the new data set is put in place only past this point.
    if (!Fonctions::Poursuivre(handler))
        return;
    suivi.Fermer();
    garde.reset();

    Fonctions_Transfert::Appliquer_Periode(std::move(table), D());
    frmMain *m = frmMain::Instance();
    if (m)
        m->setSaveEnabled(true);

    const Routes::Route *route = Routes::Route_De(D().Type_Analyse);
    if (route && route->vue == Routes::Vue::Graphique) {
        // The graph window takes a while to draw: the main window waits under the hourglass.
        if (m) {
            m->setEnabled(false);
            m->setCursor(Qt::WaitCursor);
        }
        Hide();
        if (!Routes::Ouvrir(route->vue) && m) {
            m->setEnabled(true);
            m->unsetCursor();
        }
    } else if (route) {
        Routes::Ouvrir(route->vue);
    }
    Unload();
}
