#include "analysis/core/frmData_Total.h"

#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "analysis/core/Suivi_Echange.h"
#include "analysis/core/frmData_Selected.h"
#include "analysis/core/period_layout.h"
#include "platform/message_box.h"
#include "platform/twips.h"

#include <QDate>

using Declaration::D;

frmData_Total::frmData_Total()
    : platform::Form(Kind::MdiChild, QStringLiteral("Données dans la mémoire de l'Pelmar"), 6750, 6120)
{
    period_layout::Titre(this, QStringLiteral("L'Pelmar contient les données suivantes :"), 120, 6495);
    const auto lignes = period_layout::Lignes_Information(
        this, 480,
        {QStringLiteral("Date de Début de la Mémoire :"), QStringLiteral("Date de Fin de la Mémoire :"),
         QStringLiteral("Nombre de Données dans la Mémoire :"),
         QStringLiteral("Estimation du Temps de Transfert :")});
    Label_Start_Memory = lignes[0];
    Label_End_Memory = lignes[1];
    Label_Nombre_Data = lignes[2];
    Label_Temps_Transfert = lignes[3];

    period_layout::Titre(this, QStringLiteral("Analyse des Données :"), 2130, 6465);
    period_layout::Texte(this, QStringLiteral("Date de Début de l'Analyse :"), 120, 2490, 3135, 225);
    period_layout::Texte(this, QStringLiteral("Date de Fin de l'Analyse :"), 3390, 2490, 3195, 225);
    MonthView_Start = period_layout::Calendrier(this, 360, 2910);
    MonthView_End = period_layout::Calendrier(this, 3660, 2910);

    const auto boutons = period_layout::Ok_Annuler(this, 2250, 5670);
    Cmd_Ok = boutons.Ok;
    Cmd_Annuler = boutons.Annuler;
    connect(Cmd_Ok, &QPushButton::clicked, this, &frmData_Total::Cmd_Ok_Click);
    connect(Cmd_Annuler, &QPushButton::clicked, this, &frmData_Total::Cmd_Annuler_Click);
    period_layout::Focus_Sur_Ok(MonthView_Start, MonthView_End, Cmd_Ok);
}

void frmData_Total::Form_Load()
{
    setLeftTwips(0);
    Fonctions::Fermer_Fenetres();
    D().Ouvert.Ouvert_Data_Total = true;
    Fonctions::Inscrire_Fenetre(Fonctions::Fenetre::Data_Total, this);

    const auto &i = D().Index_Memoire;
    // Set in one step, so no invalid date is passed through on the way.
    MonthView_Start->setSelectedDate(QDate(i.Annee_Premier + 2000, i.Mois_Premier, i.Jour_Premier));
    MonthView_End->setSelectedDate(QDate(i.Annee_Dernier + 2000, i.Mois_Dernier, i.Jour_Dernier));
    period_layout::Remplir_Lignes_Periode(
        {Label_Start_Memory, Label_End_Memory, Label_Nombre_Data, Label_Temps_Transfert},
        {i.Jour_Premier, i.Mois_Premier, i.Annee_Premier, i.Jour_Dernier, i.Mois_Dernier, i.Annee_Dernier},
        i.Adresse_Premier, i.Adresse_Dernier);
    Show();
    Cmd_Ok->setFocus();
}

void frmData_Total::Form_Unload()
{
    D().Ouvert.Ouvert_Data_Total = false;
}

void frmData_Total::Cmd_Ok_Click()
{
    const QDate debut = MonthView_Start->selectedDate();
    const QDate fin = MonthView_End->selectedDate();
    const auto &i = D().Index_Memoire;
    const QDate premier(i.Annee_Premier + 2000, i.Mois_Premier, i.Jour_Premier);
    const QDate dernier(i.Annee_Dernier + 2000, i.Mois_Dernier, i.Jour_Dernier);
    if (debut < premier || fin > dernier || fin < debut) {
        platform::MsgBox(QStringLiteral("Veuillez entrer des dates cohérentes SVP !!!"),
                         platform::MsgButtons::Ok, platform::MsgIcon::Critical,
                         QStringLiteral("Données de dates d'analyse erronées !!!"));
        return;
    }
    // Kept for a period answer that is refused: the panel's answer rewrites the selection.
    const Declaration::Selection selection_avant = D().Date_Selection;
    auto &s = D().Date_Selection;
    s.Jour_Debut_Selection = static_cast<int16_t>(debut.day());
    s.Mois_Debut_Selection = static_cast<int16_t>(debut.month());
    s.Annee_Debut_Selection = static_cast<int16_t>(debut.year() - 2000);
    s.Jour_Fin_Selection = static_cast<int16_t>(fin.day());
    s.Mois_Fin_Selection = static_cast<int16_t>(fin.month());
    s.Annee_Fin_Selection = static_cast<int16_t>(fin.year() - 2000);

    platform::HandlerScope handler(this);
    Hide();
    Fonctions::Lecture_Index_Memoire(true);
    if (!Fonctions::Poursuivre(handler))
        return;
    if (D().Etat_Liaison.Lecture_Index_Reussie) {
        if (s.Adresse_Debut_Selection == 0 && s.Adresse_Fin_Selection == 0) {
            // Nothing recorded in the period: the user picks other dates on a fresh dialog.
            Fonctions::Message_Periode_Vide();
            Unload();
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
    }
    Unload();
}

void frmData_Total::Cmd_Annuler_Click()
{
    Unload();
}
