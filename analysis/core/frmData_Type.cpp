#include "analysis/core/frmData_Type.h"

#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "analysis/core/Fonctions_Sauvegarde.h"
#include "analysis/core/Fonctions_Transfert_Total.h"
#include "analysis/core/Routes.h"
#include "analysis/core/Suivi_Echange.h"
#include "analysis/core/frmMain.h"
#include "platform/common_dialog.h"
#include "platform/message_box.h"
#include "platform/twips.h"

#include <QEvent>
#include <QFrame>

using Declaration::D;
using platform::MsgBox;
using platform::MsgButtons;
using platform::MsgIcon;

namespace {

QRadioButton *option(QWidget *parent, const QString &text, int l, int t, int w, int h)
{
    auto *o = new QRadioButton(text, parent);
    platform::PlaceTwips(o, l, t, w, h);
    return o;
}

void ligneGrise(QWidget *parent, int top)
{
    auto *ligne = new QFrame(parent);
    ligne->setFrameShape(QFrame::HLine);
    ligne->setFrameShadow(QFrame::Sunken);
    platform::PlaceTwips(ligne, 120, top, 4605, 30);
}

// The held data's road: their own addresses and parameters back where the views read them (a later
// request may have rewritten both), then the road's dialog or view.
void Ouvrir_Suivante_Tenues()
{
    D().Parametres_Afficheur = D().Parametres_Chargees;
    auto &s = D().Date_Selection;
    s.Adresse_Debut_Selection = D().Adresse_Debut_Chargee;
    s.Adresse_Fin_Selection = D().Adresse_Fin_Chargee;
    if (const Routes::Route *r = Routes::Route_De(D().Type_Analyse))
        Routes::Ouvrir(r->tenues);
}

// The period dialog of the requested view on the panel's memory.
void Ouvrir_Periode()
{
    if (const Routes::Route *r = Routes::Route_De(D().Type_Analyse))
        Routes::Ouvrir(r->periode.value_or(r->vue));
}

} // namespace

QString Texte_Periode_Chargee()
{
    const auto &p = D().Periode_Chargee;
    return QStringLiteral("Données du %1 %2 %3 au %4 %5 %6")
        .arg(p.Jour_Debut)
        .arg(Fonctions::Nom_Mois(p.Mois_Debut))
        .arg(p.Annee_Debut)
        .arg(p.Jour_Fin)
        .arg(Fonctions::Nom_Mois(p.Mois_Fin))
        .arg(p.Annee_Fin);
}

frmData_Type::frmData_Type()
    : platform::Form(Kind::MdiChild, QStringLiteral("Sélection du type de données"), 5115, 3450)
{
    Frame1 = new QGroupBox(this);
    platform::PlaceTwips(Frame1, 120, 90, 4845, 2805);
    Option_New_Transfert =
        option(Frame1, QStringLiteral("Nouvelles Données  (Transfert des données de l'Pelmar)"), 960, 390,
               2895, 375);
    Option_Last_Data = option(Frame1, QStringLiteral("Dernières données utilisées"), 960, 1200, 2595, 225);
    Label_Date = new QLabel(Frame1);
    Label_Date->setAlignment(Qt::AlignCenter);
    platform::PlaceTwips(Label_Date, 180, 1410, 4545, 255);
    Option_New_Save = option(Frame1, QStringLiteral("Données sauvegardées"), 960, 1920, 2175, 210);
    Text_Save_Data = new QLineEdit(Frame1);
    Text_Save_Data->setReadOnly(true);
    platform::PlaceTwips(Text_Save_Data, 210, 2280, 4125, 315);
    Cmd_Search = new QPushButton(QStringLiteral("..."), Frame1);
    platform::PlaceTwips(Cmd_Search, 4350, 2280, 345, 315);
    Check_Transfert_All = new QCheckBox(QStringLiteral("Transfert de toute La mémoire."), Frame1);
    platform::PlaceTwips(Check_Transfert_All, 960, 60, 3000, 255);
    Check_Transfert_All->setVisible(false);
    ligneGrise(Frame1, 960);
    ligneGrise(Frame1, 1770);

    Cmd_Ok = new QPushButton(QStringLiteral("Ok"), this);
    platform::PlaceTwips(Cmd_Ok, 2580, 3000, 1095, 375);
    Cmd_Annuler = new QPushButton(QStringLiteral("Annuler"), this);
    platform::PlaceTwips(Cmd_Annuler, 3870, 3000, 1095, 375);

    // Any option chosen, by hand or by the load, makes Ok available.
    for (QRadioButton *o : {Option_New_Transfert, Option_Last_Data, Option_New_Save}) {
        connect(o, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                Cmd_Ok->setEnabled(true);
        });
    }
    Option_New_Transfert->installEventFilter(this);
    Option_Last_Data->installEventFilter(this);
    connect(Cmd_Ok, &QPushButton::clicked, this, &frmData_Type::Cmd_Ok_Click);
    connect(Cmd_Annuler, &QPushButton::clicked, this, &frmData_Type::Cmd_Annuler_Click);
    connect(Cmd_Search, &QPushButton::clicked, this, &frmData_Type::Cmd_Search_Click);
    setTabOrder(Cmd_Annuler, Option_New_Transfert);
    setTabOrder(Option_New_Transfert, Option_Last_Data);
    setTabOrder(Option_Last_Data, Option_New_Save);
    setTabOrder(Option_New_Save, Cmd_Ok);
    setTabOrder(Cmd_Ok, Text_Save_Data);
    setTabOrder(Text_Save_Data, Cmd_Search);
}

void frmData_Type::Form_Load()
{
    Fonctions::Fermer_Fenetres();
    D().Ouvert.Ouvert_Data_Type = true;
    Fonctions::Inscrire_Fenetre(Fonctions::Fenetre::Data_Type, this);
    setLeftTwips(0);
    Frame1->setTitle(QStringLiteral("Sélectionnez le type de données pour le ") + D().Type_Analyse);
    Cmd_Ok->setEnabled(false);
    Text_Save_Data->clear();
    Option_New_Transfert->setEnabled(D().Etat_Liaison.Port_COM != 0);
    if (D().Donnees_Chargees) {
        Option_Last_Data->move(Option_Last_Data->x(), platform::Px(1200 - 60));
        Label_Date->setText(Texte_Periode_Chargee());
        Option_Last_Data->setEnabled(true);
        Option_Last_Data->setChecked(true);
    } else {
        Option_Last_Data->setEnabled(false);
        Option_Last_Data->setChecked(false);
        Label_Date->clear();
    }
    if (!Option_Last_Data->isEnabled() && !Option_New_Transfert->isEnabled())
        Option_New_Save->setChecked(true);
}

void frmData_Type::Form_Unload()
{
    D().Ouvert.Ouvert_Data_Type = false;
}

bool frmData_Type::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        auto *o = qobject_cast<QRadioButton *>(watched);
        if (o && o->isEnabled() && (o == Option_New_Transfert || o == Option_Last_Data)) {
            o->setChecked(true);
            Cmd_Ok->setEnabled(true);
            Cmd_Ok_Click();
            return true;
        }
    }
    return platform::Form::eventFilter(watched, event);
}

void frmData_Type::Cmd_Search_Click()
{
    Option_New_Save->setChecked(true);
    const auto nom =
        platform::ShowFileDialog({platform::FileDialogMode::Open, QString(), Fonctions_Sauvegarde::Filtre});
    if (nom && Fonctions_Sauvegarde::Extension_Valide(*nom))
        Text_Save_Data->setText(*nom);
    else
        Text_Save_Data->clear();
}

void frmData_Type::Cmd_Annuler_Click()
{
    Unload();
}

void frmData_Type::Cmd_Ok_Click()
{
    if (Option_New_Transfert->isChecked()) {
        if (Check_Transfert_All->isChecked() && D().Type_Analyse != Declaration::Vue_Parametres)
            Route_Memoire_Totale();
        else
            Route_Nouveau_Transfert();
    } else if (Option_Last_Data->isChecked()) {
        Route_Donnees_Tenues();
    } else if (Option_New_Save->isChecked()) {
        Route_Sauvegarde();
    }
}

void frmData_Type::Route_Nouveau_Transfert()
{
    platform::HandlerScope handler(this);
    Hide();
    Fonctions::Lecture_Parametres();
    if (!Fonctions::Poursuivre(handler))
        return;
    const auto modele = D().Parametres_Afficheur.Modele_Afficheur;
    // The model is only known when the parameter read succeeded.
    if (D().Etat_Liaison.Connexion_Reussie && (modele == 15 || modele == 30)) {
        Fonctions::Suivi().Fermer();
        MsgBox(QStringLiteral("Il est impossible avec ce logiciel de récupérer les données d'un Dorva %1. "
                              "Veuillez ouvrir le bon logiciel pour récupérer les données !!!")
                   .arg(modele),
               MsgButtons::Ok, MsgIcon::Critical, QStringLiteral("Impossible de récupérer les données !!!"));
        Unload();
        return;
    }
    if (!D().Etat_Liaison.Connexion_Reussie) {
        Fonctions::Suivi().Fermer();
        return;
    }
    Fonctions::Lecture_Index_Memoire(false);
    if (!Fonctions::Poursuivre(handler))
        return;
    if (!D().Etat_Liaison.Lecture_Index_Reussie) {
        Fonctions::Suivi().Fermer();
        Unload();
        return;
    }
    if (D().Type_Analyse != Declaration::Vue_Parametres && !Memoire_Utilisable()) {
        Unload();
        return;
    }
    Ouvrir_Periode();
}

bool frmData_Type::Memoire_Utilisable()
{
    // An empty memory is no fault of the answer: there is nothing to choose from.
    if (Fonctions::Memoire_Vide()) {
        Fonctions::Message_Periode_Vide();
        return false;
    }
    // A calendar cannot show dates that are not real: say so instead of opening it.
    if (const QString erreur = Fonctions::Erreur_Index_Memoire(); !erreur.isEmpty()) {
        Fonctions::Message_Reponse_Erronee(erreur);
        return false;
    }
    return true;
}

void frmData_Type::Route_Memoire_Totale()
{
    platform::HandlerScope handler(this);
    const auto reponse =
        MsgBox(QStringLiteral("Le transfert de toutes les données de l'Pelmar dure environ 15 "
                              "Minutes. Voulez-vous effectuer ce transfert?"),
               MsgButtons::OkCancel, MsgIcon::None, QStringLiteral("Confirmation de transfert"));
    if (reponse == platform::MsgResult::Cancel || !Fonctions::Poursuivre(handler))
        return;
    Hide();
    Fonctions::Lecture_Parametres();
    if (!Fonctions::Poursuivre(handler))
        return;
    if (!D().Etat_Liaison.Connexion_Reussie) {
        Fonctions::Suivi().Fermer();
        return;
    }
    Fonctions_Transfert_Total::Transfert_Memoire();
    if (!Fonctions::Poursuivre(handler))
        return;
    if (D().Etat_Liaison.Transfert_Reussi) {
        Ouvrir_Periode();
    } else {
        Fonctions::Suivi().Fermer();
        Unload();
    }
}

void frmData_Type::Route_Donnees_Tenues()
{
    Ouvrir_Suivante_Tenues();
}

void frmData_Type::Route_Sauvegarde()
{
    if (Text_Save_Data->text().isEmpty()) {
        MsgBox(QStringLiteral("Veuillez sélectionner un fichier SVP !!!"), MsgButtons::Ok,
               MsgIcon::Information, QStringLiteral("Aucun fichier sélectionné !!!"));
        return;
    }
    // The reader keeps the data held, flag included, when the file is refused.
    platform::HandlerScope handler(this);
    Hide();
    if (Fonctions_Sauvegarde::Ouvrir_Sauvegarde(Text_Save_Data->text())) {
        if (frmMain *m = frmMain::Instance())
            m->setSaveEnabled(false);
        Ouvrir_Suivante_Tenues();
        Unload();
    } else if (!Fonctions::Arret()) {
        // The reader has closed every window: the dialog comes back afresh.
        Data_Type::Show();
    }
}
