#include "analysis/graph_window/frmData_Total_Graph.h"

#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "analysis/core/Suivi_Echange.h"
#include "analysis/core/frmData_Selected.h"
#include "analysis/core/frmData_Total.h"
#include "analysis/core/period_layout.h"
#include "analysis/graph_window/Periode_Graphique.h"
#include "platform/message_box.h"

using Declaration::D;

namespace {

const QString Texte_Dates_Erronees = QStringLiteral("Veuillez entrer des dates cohérentes SVP !!!");
const QString Titre_Dates_Erronees = QStringLiteral("Données de dates d'analyse erronées !!!");

// The first and last record of the memory index as dates the picker accepts.
QDate Premier_Enregistrement()
{
    const auto &i = D().Index_Memoire;
    return Periode_Graphique::Date_Reelle(i.Jour_Premier, i.Mois_Premier, i.Annee_Premier + 2000);
}

QDate Dernier_Enregistrement()
{
    const auto &i = D().Index_Memoire;
    return Periode_Graphique::Date_Reelle(i.Jour_Dernier, i.Mois_Dernier, i.Annee_Dernier + 2000);
}

} // namespace

frmData_Total_Graph::frmData_Total_Graph()
    : platform::Form(Kind::MdiChild, QStringLiteral("Données dans la mémoire de l'Pelmar"), 6735, 4935)
{
    using namespace Periode_Graphique;
    period_layout::Titre(this, QStringLiteral("L'Pelmar contient les données suivantes :"), 120, 6495);
    Rubrique(this, QStringLiteral("Date de Début de la Mémoire :"), 120, 480);
    Rubrique(this, QStringLiteral("Date de Fin de la Mémoire :"), 120, 840);
    Rubrique(this, QStringLiteral("Nombre de Données dans la Mémoire :"), 120, 1200);
    Rubrique(this, QStringLiteral("Estimation du Temps de Transfert :"), 120, 1560);
    Label_Start_Memory = Rubrique(this, QString(), 3420, 480);
    Label_End_Memory = Rubrique(this, QString(), 3420, 840);
    Label_Nombre_Data = Rubrique(this, QString(), 3420, 1200);
    Label_Temps_Transfert = Rubrique(this, QString(), 3420, 1560);

    const Choix c = Construire_Choix(this, 2130, 4150, QStringLiteral("Date de Fin de l'Analyse :"));
    MonthView_Start = c.MonthView_Start;
    Option_Jour = c.Option_Jour;
    Option_WeekEnd = c.Option_WeekEnd;
    Option_Semaine = c.Option_Semaine;
    Cmd_Ok = c.Cmd_Ok;
    Cmd_Annuler = c.Cmd_Annuler;

    // Line1 to Line17: the two ruled boxes.
    for (const int y : {60, 420, 780, 1140, 1500, 1860})
        Trait(this, 60, y, 6660, y);
    for (const int y : {2070, 2430, 2790, 4030, 4390})
        Trait(this, 60, y, 6660, y);
    for (const int x : {60, 6660}) {
        Trait(this, x, 60, x, 1860);
        Trait(this, x, 2070, x, 4390);
    }
    Trait(this, 3360, 420, 3360, 1860);
    Trait(this, 3360, 2430, 3360, 4030);

    connect(Cmd_Ok, &QPushButton::clicked, this, &frmData_Total_Graph::Cmd_Ok_Click);
    connect(Cmd_Annuler, &QPushButton::clicked, this, &frmData_Total_Graph::Cmd_Annuler_Click);
}

void frmData_Total_Graph::Form_Load()
{
    setLeftTwips(0);
    setTopTwips(0);
    Fonctions::Fermer_Fenetres();
    D().Ouvert.Ouvert_Data_Total_Graph = true;
    Fonctions::Inscrire_Fenetre(Fonctions::Fenetre::Data_Total_Graph, this);

    const QDate premier = Premier_Enregistrement();
    const QDate dernier = Dernier_Enregistrement();
    MonthView_Start->setDate(premier);
    Option_Jour->setChecked(true);
    const auto &i = D().Index_Memoire;
    period_layout::Remplir_Lignes_Periode(
        {Label_Start_Memory, Label_End_Memory, Label_Nombre_Data, Label_Temps_Transfert},
        {premier.day(), premier.month(), premier.year() - 2000, dernier.day(), dernier.month(),
         dernier.year() - 2000},
        i.Adresse_Premier, i.Adresse_Dernier);
    Show();
    Cmd_Ok->setFocus();
}

void frmData_Total_Graph::Form_Unload()
{
    D().Ouvert.Ouvert_Data_Total_Graph = false;
}

void frmData_Total_Graph::Cmd_Ok_Click()
{
    const QDate debut = MonthView_Start->date();
    // A start on the last record's day still holds its morning's records.
    if (Dernier_Enregistrement() < debut) {
        Fonctions::Message_Critique(Texte_Dates_Erronees, Titre_Dates_Erronees);
        return;
    }
    auto &g = D().Graphique;
    g.Nombre_Jours_Graphique =
        Periode_Graphique::Nombre_Jours(Option_Jour->isChecked(), Option_WeekEnd->isChecked(),
                                        Option_Semaine->isChecked(), g.Nombre_Jours_Graphique);
    Periode_Graphique::Remplir_Jours(g, debut);
    // Kept for a period answer that is refused: the panel's answer rewrites the selection.
    const Declaration::Selection selection_avant = D().Date_Selection;
    auto &s = D().Date_Selection;
    Periode_Graphique::Selection_Depuis_Jours(s, g);

    platform::HandlerScope handler(this);
    Hide();
    // The panel answers with the dates and addresses of the records it holds in the period.
    Fonctions::Lecture_Index_Memoire(true);
    if (!Fonctions::Poursuivre(handler))
        return;
    if (!D().Etat_Liaison.Lecture_Index_Reussie) {
        Unload();
        return;
    }
    if (s.Adresse_Debut_Selection == 0 || s.Adresse_Fin_Selection == 0) {
        Fonctions::Message_Periode_Vide();
        Unload();
        // A fresh dialog: back on the first record's day and one day.
        if (D().Type_Analyse == Declaration::Vue_Graphique)
            Data_Total_Graph::Show();
        else
            Data_Total::Show();
        return;
    }
    if (const QString erreur = Fonctions::Erreur_Periode_Selection(); !erreur.isEmpty()) {
        s = selection_avant;
        Fonctions::Message_Reponse_Erronee(erreur);
        Unload();
        return;
    }
    Data_Selected::Show();
    Unload();
}

void frmData_Total_Graph::Cmd_Annuler_Click()
{
    Unload();
}
