// The settings window's commands: each user change of a setting goes to the panel as one command (or a
// short series), and the window waits, busy, for the panel's answer.
#include "configurator/Declaration.h"
#include "configurator/Fonctions.h"
#include "configurator/Fonctions_Reglages.h"
#include "configurator/Modele.h"
#include "configurator/windows/frmConfig.h"
#include "platform/message_box.h"
#include "platform/serial_control.h"
#include "platform/ticks.h"

#include <QKeyEvent>

namespace configurator {

using Declaration::D;
namespace R = Fonctions_Reglages;

namespace {

constexpr int Reglage_Offset = 0x01;
constexpr int Reglage_Afficheur_Centre = 0x02;
constexpr int Reglage_Afficheur_Bas_Gauche = 0x03;
constexpr int Reglage_Afficheur_Bas_Droite = 0x04;
constexpr int Reglage_Mode_Luminosite = 0x05;
constexpr int Reglage_Type_Luminosite = 0x06;
constexpr int Reglage_Valeur_Luminosite = 0x07;
constexpr int Reglage_Niveau_Alarme = 0x08;
constexpr int Reglage_Heure_Auto = 0x38;
constexpr int Reglage_Type_Capteur = 0x39;
constexpr int Reglage_Heures = 0x50;
constexpr int Reglage_Minutes = 0x51;
constexpr int Demande_Diagnostic = 0x80;
constexpr int Reglage_Usine = 0x81;
constexpr int Effacement_Flash = 0x85;
constexpr int Confirmation_Effacement = 0x58;
constexpr int Reglage_Mode_Reglage = 0x00;

void Erreur(const QString &texte, const QString &titre)
{
    platform::MsgBox(texte, platform::MsgButtons::Ok, platform::MsgIcon::Critical, titre);
}

} // namespace

void frmConfig::Envoyer(int code, int valeur, double maximum)
{
    // Busy only for a command that left: with nothing sent no answer would ever end it.
    if (!Fonctions::Port_Pret() || !Fonctions::Envoi_Commande(code, valeur))
        return;
    Progression->setMax(maximum);
    Fonctions::Debut_Attente();
}

void frmConfig::Envoyer_Serie(const std::vector<std::pair<int, int>> &trames)
{
    if (!Fonctions::Port_Pret())
        return;
    bool envoye = false;
    for (const auto &[code, valeur] : trames)
        envoye = Fonctions::Envoi_Commande(code, valeur) || envoye;
    if (!envoye)
        return;
    Progression->setMax(14.1);
    Fonctions::Debut_Attente();
}

void frmConfig::Attendre_250ms()
{
    D().Top_Depart = platform::GetTickCount();
    platform::PumpUntil([] { return platform::ProgramClosing(); }, D().Top_Depart + 250);
}

void frmConfig::Slider_Offset_Change()
{
    const int v = Slider_Offset->value();
    Label_Offset->setText(R::Texte_Offset(v));
    if (Envoi_Possible())
        Envoyer(Reglage_Offset, R::Octet_Offset(v));
}

void frmConfig::Slider_Alarme_Change()
{
    const int v = Slider_Alarme->value();
    Label_Alarme->setText(R::Texte_Alarme(v));
    if (Envoi_Possible())
        Envoyer(Reglage_Niveau_Alarme, v);
}

void frmConfig::Slider_Lumens_Change()
{
    const int v = Slider_Lumens->value();
    Label_Luminosite_Value->setText(R::Texte_Luminosite(v));
    if (Envoi_Possible())
        Envoyer(Reglage_Valeur_Luminosite, v);
}

void frmConfig::Combo_Aff_Click(QComboBox *combo, QString &memoire, int code)
{
    const QString texte = combo->currentText();
    if (code != Reglage_Afficheur_Bas_Droite &&
        R::Conflit_Affichage(Combo_Aff_Centre->currentText(), Combo_Aff_Bas_Gauche->currentText())) {
        const bool centre = code == Reglage_Afficheur_Centre;
        Erreur(centre ? Modele().Conflit_Centre.arg(Combo_Aff_Centre->currentText(),
                                                    Combo_Aff_Bas_Gauche->currentText())
                      : Modele().Conflit_Bas_Gauche.arg(Combo_Aff_Bas_Gauche->currentText(),
                                                        Combo_Aff_Centre->currentText()),
               centre ? Modele().Titre_Conflit_Centre : Modele().Titre_Conflit_Bas_Gauche);
        const QSignalBlocker bloque(combo);
        const int index = combo->findText(memoire);
        combo->setCurrentIndex(index);
        return;
    }
    memoire = texte;
    const int valeur = R::Valeur_Affichage(texte);
    // Busy only for a command really sent: with nothing sent no answer would end it.
    if (Envoi_Possible() && valeur >= 0 && combo->findText(texte) >= 0)
        Envoyer(code, valeur);
}

void frmConfig::Combo_Aff_Centre_Click()
{
    Combo_Aff_Click(Combo_Aff_Centre, Texte_Aff_Centre, Reglage_Afficheur_Centre);
}

void frmConfig::Combo_Aff_Bas_Gauche_Click()
{
    Combo_Aff_Click(Combo_Aff_Bas_Gauche, Texte_Aff_Bas_Gauche, Reglage_Afficheur_Bas_Gauche);
}

void frmConfig::Combo_Aff_Bas_Droite_Click()
{
    Combo_Aff_Click(Combo_Aff_Bas_Droite, Texte_Aff_Bas_Droite, Reglage_Afficheur_Bas_Droite);
}

void frmConfig::Modes_Luminosite(bool manuel)
{
    if (!D().Mode_Visualisation) {
        for (QWidget *w : std::initializer_list<QWidget *>{Label_Lumens_Maxi, Label_Lumens_Mini,
                                                           Label_Lumens_Value, Label_Luminosite_Value,
                                                           Slider_Lumens, Cmd_Lumens_Moins, Cmd_Lumens_Plus})
            w->setEnabled(manuel);
        for (QWidget *w :
             std::initializer_list<QWidget *>{Label_Lumens_Int_Ext, Option_Lumens_Ext, Option_Lumens_Int})
            w->setEnabled(!manuel);
    }
    if (Envoi_Possible())
        Envoyer(Reglage_Mode_Luminosite, manuel ? 1 : 0);
}

void frmConfig::Option_Lumens_Auto_Click()
{
    Modes_Luminosite(false);
}

void frmConfig::Option_Lumens_Manuel_Click()
{
    Modes_Luminosite(true);
}

void frmConfig::Option_Lumens_Int_Click()
{
    if (Envoi_Possible())
        Envoyer(Reglage_Type_Luminosite, 0);
}

void frmConfig::Option_Lumens_Ext_Click()
{
    if (Envoi_Possible())
        Envoyer(Reglage_Type_Luminosite, 1);
}

namespace {

// A sensor-link fault lets the link type be corrected even while the settings are not being sent.
bool Envoi_Capteur(bool envoi_possible)
{
    const int etat = D().Etat_Liaison_Capteur;
    return envoi_possible || etat == 0x1A || etat == 0x1B;
}

} // namespace

void frmConfig::Option_Alim_Fantom_Click()
{
    if (!m_par_programme && Envoi_Capteur(Envoi_Possible()))
        Envoyer(Reglage_Type_Capteur, 1);
}

void frmConfig::Option_No_Alim_Fantom_Click()
{
    if (!m_par_programme && Envoi_Capteur(Envoi_Possible()))
        Envoyer(Reglage_Type_Capteur, 2);
}

void frmConfig::Check_Change_Automatique_Click()
{
    if (!m_par_programme && Check_Change_Automatique->isEnabled())
        Envoyer(Reglage_Heure_Auto, Check_Change_Automatique->isChecked() ? 1 : 0);
}

void frmConfig::Cmd_Envoi_Name_Click()
{
    const QString nom = Text_Name->text();
    if (nom.size() > 24) {
        Erreur(Modele().Nom_Trop_Long, Modele().Titre_Nom_Trop_Long);
        return;
    }
    const R::Trames_Nom trames = R::Trames_Du_Nom(nom);
    if (!trames.caractere_invalide.isEmpty()) {
        Erreur(QStringLiteral("Le caractère << %1 >> n'est pas valide !!! Veuillez le remplacer pour pouvoir "
                              "enregistrer le nom !!!")
                   .arg(trames.caractere_invalide),
               QStringLiteral("Caractère Invalide"));
        List_Reponses->AddItems({QString(), Modele().Ligne_Nom_Refuse});
        return;
    }
    Envoyer_Serie(trames.trames);
}

void frmConfig::Cmd_Envoi_Serial_Number_Click()
{
    const QString numero = Text_Serial_Number->text();
    const bool trop_long = numero.size() > 8;
    const auto trames = trop_long ? std::vector<R::Trame>{} : R::Trames_Numero_Serie(numero);
    if (trames.empty()) {
        if (trop_long)
            Erreur(Modele().Numero_Trop_Long, Modele().Titre_Numero_Trop_Long);
        else
            Erreur(QStringLiteral("Il y a un caractère incorrect dans le Numéro de Série !!!"),
                   Modele().Titre_Numero_Incorrect);
        List_Reponses->AddItems(
            {QString(), trop_long ? Modele().Ligne_Numero_Trop_Long : Modele().Ligne_Numero_Incorrect});
        return;
    }
    Envoyer_Serie(trames);
}

void frmConfig::Cmd_Envoi_Date_Click()
{
    if (!Modele().Horloge())
        return;
    if (!Fonctions::Port_Pret())
        return;
    platform::HandlerScope portee(this);
    const auto trames = R::Trames_Date(DTP_Date->date(), *Modele().BCD);
    Progression->setMax(14.1);
    Fonctions::Debut_Attente();
    for (size_t i = 0; i < trames.size(); ++i) {
        if (i > 0) {
            Attendre_250ms();
            if (!portee.Stands())
                return;
        }
        Fonctions::Envoi_Commande(trames[i].first, trames[i].second);
    }
}

void frmConfig::Cmd_Envoi_Heure_Click()
{
    if (!Modele().Horloge())
        return;
    const R::Heure_Lue heure = R::Lire_Heure(Text_Heure->text());
    if (heure.erreur == R::Erreur_Heure::Format) {
        Erreur(QStringLiteral("Il y a une erreur dans l'heure rentrée !!! Format Obligatoire = XX:XX"),
               QStringLiteral("Problème de réglage de l'Heure."));
        return;
    }
    if (heure.erreur == R::Erreur_Heure::Caracteres) {
        Erreur(
            QStringLiteral("Il y a des Caractères incorrects dans l'heure. Veuillez Saisir une heure correct "
                           "SVP !!!"),
            QStringLiteral("Problème de réglage de l'Heure"));
        return;
    }
    if (!Fonctions::Port_Pret())
        return;
    platform::HandlerScope portee(this);
    Progression->setMax(14.1);
    Fonctions::Debut_Attente();
    const Conversions_BCD &bcd = *Modele().BCD;
    Fonctions::Envoi_Commande(Reglage_Heures, bcd.Decimal_Vers_BCD(static_cast<int16_t>(heure.heures)));
    Attendre_250ms();
    if (!portee.Stands())
        return;
    Fonctions::Envoi_Commande(Reglage_Minutes, bcd.Decimal_Vers_BCD(static_cast<int16_t>(heure.minutes)));
}

void frmConfig::Cmd_Diagnostic_Click()
{
    if (!Fonctions::Port_Pret())
        return;
    List_Reponses->Clear();
    D().Envoi_Autorise = false;
    D().Attente_En_Cours = false;
    Fonctions::Envoi_Commande(Demande_Diagnostic, 0);
}

void frmConfig::Cmd_Default_Click()
{
    if (!Fonctions::Port_Pret())
        return;
    D().Reinitialisation_En_Cours = true;
    List_Reponses->Clear();
    Envoyer(Reglage_Usine, 0);
}

void frmConfig::Cmd_Clear_Flash_Click()
{
    if (platform::MsgBox(Modele().Confirmation_Effacement, platform::MsgButtons::OkCancel,
                         platform::MsgIcon::None,
                         QStringLiteral("Effacement de la mémoire Flash")) != platform::MsgResult::Ok)
        return;
    if (!Fonctions::Port_Pret())
        return;
    D().Reinitialisation_En_Cours = true;
    List_Reponses->Clear();
    Envoyer(Effacement_Flash, Confirmation_Effacement, 4200.1);
}

void frmConfig::Cmd_Mode_Reglage_Click()
{
    if (!Fonctions::Port_Pret())
        return;
    const QString texte = Cmd_Mode_Reglage->text();
    if (texte == QStringLiteral("Activer Mode Réglage"))
        Fonctions::Envoi_Commande(Reglage_Mode_Reglage, 1);
    else if (texte == QStringLiteral("Désactiver Mode Réglage"))
        Fonctions::Envoi_Commande(Reglage_Mode_Reglage, 0);
}

bool frmConfig::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == Text_Name)
                Cmd_Envoi_Name_Click();
            else if (watched == Text_Serial_Number)
                Cmd_Envoi_Serial_Number_Click();
            else if (watched == Text_Heure)
                Cmd_Envoi_Heure_Click();
            else if (watched == DTP_Date) {
                // The key reaches this filter before the field has read its half-typed text: read it
                // first, so that Enter sends what "Envoi" would.
                DTP_Date->interpretText();
                Cmd_Envoi_Date_Click();
            }
        }
    }
    return platform::Form::eventFilter(watched, event);
}

} // namespace configurator
