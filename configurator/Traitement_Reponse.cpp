#include "configurator/Traitement_Reponse.h"

#include "configurator/Code_Acces.h"
#include "configurator/Declaration.h"
#include "configurator/Modele.h"
#include "panel_link/Fonctions_ASCII.h"

#include <QRegularExpression>

#include <cmath>
#include <map>

namespace configurator::Fonctions {

namespace {

using platform::MsgIcon;

constexpr int Demande_Diagnostic = 0x80;
constexpr int Signal_Code_Errone = 0x5F;
constexpr int Aff_Desactive = 0x88;

// Report texts worded alike in both models; the others come from the model description.
const std::map<int, QString> &Rapports_Communs()
{
    static const std::map<int, QString> rapports{
        {0x00, QStringLiteral("  Test de la Mémoire Flash Ok !!!")},
        {0x01, QStringLiteral("  Problème du Get Info.")},
        {0x02, QStringLiteral("  Nombre de Régions de la Mémoire Flash Non Valide.")},
        {0x03, QStringLiteral("  Problème d'Offset de la Mémoire Flash.")},
        {0x04, QStringLiteral("  Problème de Taille de la Mémoire Flash.")},
        {0x05, QStringLiteral("  Problème de Taille des Blocks Mémoire de la Mémoire Flash.")},
        {0x06, QStringLiteral("  Problème du Nombre de Blocks de la Mémoire Flash.")},
        {0x07, QStringLiteral("  Mauvaise Référence de la Mémoire Flash.")},
        {0x09, QStringLiteral("  Problème de Lecture de la Mémoire Flash (Initialisation Système).")},
        {0x0A, QStringLiteral("  Mémoire Flash Non Initialisée.")},
        {0x0B, QStringLiteral("  Valeur d'Offset Erroné.")},
        {0x13, QStringLiteral("  RéInitialisation de la Mémoire Flash Ok !!!")},
        {0x14, QStringLiteral(
                   "  Problème d'effacement de la Mémoire Flash (RéInitialisation de la Mémoire Flash).")},
        {0x16, QStringLiteral("  Sauvegarde des Paramètres Ok !!!")},
        {0x17, QStringLiteral("  Problème d'effacement de la Mémoire Flash (Sauvegarde des Paramètres).")},
        {0x1A, QStringLiteral("  Défaut Liaison Capteur n°1 !!! (Type Ferrin)")},
        {0x1B, QStringLiteral("  Défaut Liaison Capteur n°2 !!! (Type Ostra)")},
        {0x1C, QStringLiteral("  Effacement de la Mémoire Flash Ok !!!")},
        {0x20, QStringLiteral("  Problème de mise en route du Timer !!!")},
        {0x25, QStringLiteral("  Problème d'effacement de la Flash (Save Evénements) !!!")},
        {0x26, QStringLiteral("  Problème d'écriture de la Flash (Save Evénements) !!!")},
    };
    return rapports;
}

QString Texte_Rapport(int rapport)
{
    for (const auto &r : Modele().Rapports)
        if (r.rapport == rapport)
            return r.texte;
    const auto it = Rapports_Communs().find(rapport);
    return it == Rapports_Communs().end() ? QString() : it->second;
}

// The reports that say a factory reset or flash erase failed: nothing else will end its busy state.
bool Echec_Reinitialisation(int rapport)
{
    return rapport == 0x14 || rapport == 0x15 || rapport == 0x22;
}

const QString Jours_Semaine[7] = {QStringLiteral("Dimanche"), QStringLiteral("Lundi"),
                                  QStringLiteral("Mardi"),    QStringLiteral("Mercredi"),
                                  QStringLiteral("Jeudi"),    QStringLiteral("Vendredi"),
                                  QStringLiteral("Samedi")};
const QString Mois[12] = {QStringLiteral("Janvier"), QStringLiteral("Février"),  QStringLiteral("Mars"),
                          QStringLiteral("Avril"),   QStringLiteral("Mai"),      QStringLiteral("Juin"),
                          QStringLiteral("Juillet"), QStringLiteral("Août"),     QStringLiteral("Septembre"),
                          QStringLiteral("Octobre"), QStringLiteral("Novembre"), QStringLiteral("Décembre")};

const QString Titre_Date_Invalide = QStringLiteral("Veuillez entrer une date valide !!!");

// What an area code names, in the words of the combo entries.
QString Sens_Aff(int code)
{
    using namespace Textes_Affichage;
    switch (code) {
    case 1: return Leq1s;
    case 2: return Leq10;
    case 3: return Leq1;
    case 4: return Leq5;
    case Aff_Desactive: return Desactiver;
    default: return {};
    }
}

class Decodeur
{
public:
    Decodeur(Controles &c, std::vector<Action> &a) : c(c), cfg(c.Config), actions(a) {}
    void Traiter(int code, int valeur);

private:
    void Ligne(const QString &texte) { actions.push_back({Genre::Ligne, texte, {}}); }
    // A line full of noise must not hold the user behind box after box: each box once per request, the
    // numbers it carries aside (a masked code, a model number).
    void Message(const QString &texte, const QString &titre, MsgIcon icone)
    {
        static const QRegularExpression nombres(QStringLiteral("[0-9]+"));
        const QString genre = QString(texte).replace(nombres, QString());
        auto &montrees = Declaration::D().Boites_Montrees;
        if (montrees.contains(genre))
            return;
        montrees.insert(genre);
        actions.push_back({Genre::Message, texte, titre, icone});
    }
    void Envoi(int code, int valeur)
    {
        actions.push_back({Genre::Envoi, {}, {}, MsgIcon::None, code, valeur});
    }
    void Action_Seule(Genre genre) { actions.push_back({genre, {}, {}}); }
    void Fin_Attente()
    {
        Declaration::D().Attente_En_Cours = false;
        Action_Seule(Genre::Fin_Attente);
    }
    // An empty line and the acknowledgement, when a command of the window awaits its answer.
    void Ack(const QString &texte)
    {
        if (Declaration::D().Attente_En_Cours) {
            Ligne({});
            Ligne(texte);
        }
    }
    // An empty line in any case, the acknowledgement only when awaited.
    void Ack_Toujours(const QString &texte)
    {
        Ligne({});
        if (Declaration::D().Attente_En_Cours)
            Ligne(texte);
    }

    void Offset(int valeur);
    void Version(int code, int valeur);
    void Reduire_Listes();
    void Aff(Combo_Affichage &combo, int code, const QString &ack, const QString &ligne);
    void Serie(int code, int valeur);
    void Nom(int code, int valeur);
    void Horloge(int code, int valeur);
    void Rapport(int rapport);
    void Code(int code, int valeur);

    Controles &c;
    Controles_Config &cfg;
    std::vector<Action> &actions;
};

void Decodeur::Traiter(int code, int valeur)
{
    auto &d = Declaration::D();
    const Description_Modele &m = Modele();
    if (code == 0x00) {
        if (valeur == 0 || valeur == 1) {
            Ligne({});
            Ligne(valeur == 0 ? QStringLiteral("  Mode Réglage Désactivé !!!")
                              : QStringLiteral("  Mode Réglage Activé !!!"));
            cfg.Cmd_Mode_Reglage = valeur == 0 ? QStringLiteral("Activer Mode Réglage")
                                               : QStringLiteral("Désactiver Mode Réglage");
        }
    } else if (code == 0x01) {
        Ack(QStringLiteral("  Modification de l'Offset Ok !!!"));
        Offset(valeur);
        Fin_Attente();
    } else if (code == 0x02) {
        Aff(cfg.Combo_Aff_Centre, valeur, m.Ack_Aff_Centre,
            QStringLiteral("  Configuration de l'Afficheur du Centre = "));
    } else if (code == 0x03) {
        Aff(cfg.Combo_Aff_Bas_Gauche, valeur, m.Ack_Aff_Bas_Gauche,
            QStringLiteral("  Configuration de l'Afficheur du Bas à Gauche = "));
    } else if (code == 0x04) {
        Ack(QStringLiteral("  Modification de la Configuration de l'Afficheur du Bas à Droite Ok !!!"));
        if (valeur == 0)
            cfg.Combo_Aff_Bas_Droite.Choisir(Textes_Affichage::Crete);
        else if (valeur == Aff_Desactive)
            cfg.Combo_Aff_Bas_Droite.Choisir(Textes_Affichage::Desactiver);
        Ligne(QStringLiteral("  Configuration de l'Afficheur du Bas à Droite = ") +
              cfg.Combo_Aff_Bas_Droite.Text() + QStringLiteral("."));
        Fin_Attente();
    } else if (code == 0x05) {
        Ack(QStringLiteral("  Modification du Fonctionnement de la Luminosité !!!"));
        if (valeur == 0 || valeur == 1) {
            cfg.Option_Lumens_Auto = valeur == 0;
            cfg.Option_Lumens_Manuel = valeur == 1;
            Ligne(valeur == 0 ? QStringLiteral("  Fonctionnement de la Luminosité = Automatique.")
                              : QStringLiteral("  Fonctionnement de la Luminosité = Manuelle."));
        }
        Fin_Attente();
    } else if (code == 0x06) {
        Ack(QStringLiteral("  Modification du Type de la Luminosité !!!"));
        if (valeur == 0 || valeur == 1) {
            cfg.Option_Lumens_Int = valeur == 0;
            cfg.Option_Lumens_Ext = valeur == 1;
            Ligne(valeur == 0 ? QStringLiteral("  Fonctionnement de la Luminosité = Intérieure.")
                              : QStringLiteral("  Fonctionnement de la Luminosité = Extérieure."));
        }
        Fin_Attente();
    } else if (code == 0x07) {
        Ack(QStringLiteral("  Modification du Niveau de Luminosité Manuelle Ok !!!"));
        cfg.Slider_Lumens.Fixer(valeur);
        Ligne(QStringLiteral("  Valeur de la Luminosité = %1 / 15.").arg(cfg.Slider_Lumens.Value));
        Fin_Attente();
    } else if (code == 0x08) {
        Ack_Toujours(QStringLiteral("  Modification du Niveau d'Alarme Ok !!!"));
        cfg.Niveau_Alarme_Lu = valeur;
        cfg.Slider_Alarme.Fixer(valeur);
        Ligne(QStringLiteral("  Niveau d'Alarme = %1 dB.").arg(cfg.Slider_Alarme.Value));
        Fin_Attente();
    } else if (code == 0x09 || code == 0x0A) {
        Version(code, valeur);
    } else if (code >= 0x10 && code <= 0x17) {
        Serie(code, valeur);
    } else if (code == 0x1C) {
        d.Modele_Afficheur = static_cast<int16_t>(valeur);
    } else if (code >= 0x20 && code <= 0x37) {
        Nom(code, valeur);
    } else if (code == 0x38 && m.Horloge()) {
        Ack_Toujours(QStringLiteral("  Modification du Type de Changement d'Heure Ok !!!"));
        if (valeur == 0 || valeur == 1) {
            Ligne(valeur == 0 ? QStringLiteral("  Changement d'Heure Automatique Inactif.")
                              : QStringLiteral("  Changement d'Heure Automatique Actif."));
            cfg.Check_Change_Automatique = valeur;
        }
        Fin_Attente();
    } else if (code == 0x39) {
        if (m.Ligne_Vide_Capteur)
            Ack_Toujours(m.Ack_Capteur);
        else if (d.Attente_En_Cours)
            Ligne(m.Ack_Capteur);
        if (valeur == 1 || valeur == 2) {
            cfg.Option_Alim_Fantom = valeur == 1;
            cfg.Option_No_Alim_Fantom = valeur == 2;
            Ligne(valeur == 1 ? QStringLiteral("  Liaison Capteur = Liaison avec un Ferrin.")
                              : QStringLiteral("  Liaison Capteur = Liaison avec un Ostra."));
        }
        Fin_Attente();
    } else if (code >= 0x40 && code <= 0x44) {
        const QString prefixes[5] = {m.Valeur_Leq10, m.Valeur_Leq1,
                                     QStringLiteral("  Valeur Leq 1 Seconde = "),
                                     QStringLiteral("  Valeur Crête = "), m.Valeur_Leq5};
        Ligne({});
        Ligne(prefixes[code - 0x40] + QString::number(valeur) +
              (code == 0x43 ? QStringLiteral(" dB.") : QStringLiteral(" dBA.")));
    } else if (code >= 0x50 && code <= 0x55 && m.Horloge()) {
        Horloge(code, valeur);
    } else if ((code >= 0x57 && code <= 0x5A) || code == 0x5F) {
        Code(code, valeur);
    } else if (code == 0x88) {
        Rapport(valeur);
    }
}

void Decodeur::Offset(int valeur)
{
    const double m = (valeur & 0x7F) / 4.0;
    const QString entier = QString::number(static_cast<int>(std::floor(m)));
    if (valeur == 0xFF) {
        cfg.Slider_Offset.Fixer(-32);
        Ligne(QStringLiteral("  Offset = -32 dB."));
    } else if (valeur == 0x7F) {
        cfg.Slider_Offset.Fixer(32);
        Ligne(QStringLiteral("  Offset = +32 dB."));
    } else if (valeur >= 0x01 && valeur <= 0x7E) {
        // The slider takes the value rounded half to even, the text its whole part.
        cfg.Slider_Offset.Fixer(static_cast<int>(std::nearbyint(m)));
        Ligne((cfg.Slider_Offset.Value < 10 ? QStringLiteral("  Offset = +0")
                                            : QStringLiteral("  Offset = +")) +
              entier + QStringLiteral(" dB."));
    } else if (valeur >= 0x81 && valeur <= 0xFE) {
        cfg.Slider_Offset.Fixer(-static_cast<int>(std::nearbyint(m)));
        Ligne((cfg.Slider_Offset.Value > -10 ? QStringLiteral("  Offset = -0")
                                             : QStringLiteral("  Offset = -")) +
              entier + QStringLiteral(" dB."));
    } else {
        cfg.Slider_Offset.Fixer(0);
        Ligne(QStringLiteral("  Offset = 00 dB."));
    }
}

void Decodeur::Aff(Combo_Affichage &combo, int code, const QString &ack, const QString &ligne)
{
    Ack(ack);
    // Chosen by what the code means in the entries the combo holds now, so that the order of the area
    // and version answers does not matter; a code the combo cannot show leaves it as it was.
    const QString sens = Sens_Aff(code);
    if (!sens.isEmpty())
        combo.Choisir(sens);
    Ligne(ligne + combo.Text() + QStringLiteral("."));
    Fin_Attente();
}

void Decodeur::Version(int code, int valeur)
{
    auto &d = Declaration::D();
    const Description_Modele &m = Modele();
    if (code == 0x09) {
        if (d.Reinitialisation_En_Cours)
            Ligne({});
        if (valeur > 0x80) {
            d.Version_Firmware[1] = static_cast<int16_t>(valeur - 0x80);
            d.Modele_40dB = true;
            cfg.Slider_Alarme.Min = 55;
            cfg.Slider_Alarme.Max = 100;
            // A level already read keeps its place when the new range holds it.
            const int lu = cfg.Niveau_Alarme_Lu;
            cfg.Slider_Alarme.Fixer(lu >= 55 && lu <= 100 ? lu : 85);
            cfg.Labels_Alarme = {QStringLiteral("55 dB"), QStringLiteral("70 dB"), QStringLiteral("85 dB"),
                                 QStringLiteral("100 dB")};
        } else {
            d.Version_Firmware[1] = static_cast<int16_t>(valeur);
            d.Modele_40dB = false;
        }
        return;
    }
    d.Version_Firmware[2] = static_cast<int16_t>(valeur);
    const QString version = QStringLiteral("%1.%2.").arg(d.Version_Firmware[1]).arg(d.Version_Firmware[2]);
    const bool etranger = std::find(m.Modeles_Avertis.begin(), m.Modeles_Avertis.end(), d.Modele_Afficheur) !=
                          m.Modeles_Avertis.end();
    if (etranger) {
        Message(
            QStringLiteral("ATTENTION : Vous essayez de lire les données d'un Dorva %1 avec le logiciel non "
                           "adéquate !!! Tous les paramètres ne vous seront donc pas accessibles et le "
                           "logiciel pourra alors se bloquer !!!")
                .arg(d.Modele_Afficheur),
            QStringLiteral("Problème de Version d'Afficheur"), MsgIcon::Critical);
        Ligne(QStringLiteral("  Dorva %1 - Version ").arg(d.Modele_Afficheur) + version);
    } else {
        Ligne((d.Modele_40dB ? m.Ligne_Version_40dB : m.Ligne_Version) + version);
    }
    if (!m.Listes_Completes(d.Version_Firmware[1], d.Version_Firmware[2]))
        Reduire_Listes();
}

void Decodeur::Reduire_Listes()
{
    auto &centre = cfg.Combo_Aff_Centre.Elements;
    auto &gauche = cfg.Combo_Aff_Bas_Gauche.Elements;
    // The entry counts make this happen once per opening of the window.
    if (centre.size() != 4 || gauche.size() != 5)
        return;
    centre.erase(centre.begin() + 1);
    gauche.erase(gauche.begin() + 1);
    cfg.Cmd_Leq_5_Min_Visible = false;
}

void Decodeur::Serie(int code, int valeur)
{
    auto &d = Declaration::D();
    if (code == 0x10) {
        d.Tampon_Numero_Serie = QString::number(valeur);
    } else if (code < 0x17) {
        d.Tampon_Numero_Serie += QString::number(valeur);
    } else {
        Ack(QStringLiteral("  Modification du Numéro de Série Ok !!!"));
        d.Numero_Serie = d.Tampon_Numero_Serie + QString::number(valeur);
        d.Tampon_Numero_Serie.clear();
        cfg.Text_Serial_Number = d.Numero_Serie;
        Ligne(QStringLiteral("  Numéro de Série : ") + d.Numero_Serie + QStringLiteral("."));
        Fin_Attente();
    }
}

void Decodeur::Nom(int code, int valeur)
{
    auto &d = Declaration::D();
    const QString caractere =
        Fonctions_ASCII::Code_Vers_Caractere(valeur, Fonctions_ASCII::Code_Inconnu::Vide);
    if (code == 0x20) {
        d.Tampon_Nom = caractere;
    } else if (code < 0x37) {
        // A repeated frame must not grow the name past what the panel holds (23 before the last).
        if (d.Tampon_Nom.size() < 23)
            d.Tampon_Nom += caractere;
    } else {
        Ack_Toujours(Modele().Ack_Nom);
        d.Nom_Afficheur = d.Tampon_Nom + caractere;
        for (int tour = 0; tour < 24; ++tour) {
            if (d.Nom_Afficheur.size() > 1 && d.Nom_Afficheur.endsWith(QLatin1Char(' ')))
                d.Nom_Afficheur.chop(1);
            if (d.Nom_Afficheur == QStringLiteral(" "))
                d.Nom_Afficheur.clear();
        }
        cfg.Text_Name = d.Nom_Afficheur;
        Ligne(Modele().Ligne_Nom + d.Nom_Afficheur + QStringLiteral("."));
        Fin_Attente();
    }
}

void Decodeur::Horloge(int code, int valeur)
{
    auto &d = Declaration::D();
    const auto bcd = [](int b) {
        return static_cast<int>(Modele().BCD->BCD_Vers_Decimal(static_cast<int16_t>(b)));
    };
    const auto deux_chiffres = [](int n) {
        return (n < 10 ? QStringLiteral("0") : QString()) + QString::number(n);
    };
    switch (code) {
    case 0x50: d.Texte_Heures = deux_chiffres(bcd(valeur & 0x3F)); break;
    case 0x51:
        Ack(QStringLiteral("  Modification de l'Heure Ok !!!"));
        d.Texte_Minutes = deux_chiffres(bcd(valeur & 0x7F));
        Ligne(QStringLiteral("  Heure = ") + d.Texte_Heures + QStringLiteral(":") + d.Texte_Minutes);
        cfg.Text_Heure = d.Texte_Heures + QStringLiteral(":") + d.Texte_Minutes;
        Fin_Attente();
        break;
    case 0x55:
        // Sunday is any multiple of 8; Monday to Saturday only their own number.
        d.Texte_Jour_Semaine = (valeur & 7) == 0            ? Jours_Semaine[0]
                               : valeur >= 1 && valeur <= 6 ? Jours_Semaine[valeur]
                                                            : QString();
        break;
    case 0x52: {
        const int jour = bcd(valeur & 0x3F);
        d.Texte_Jour = QString::number(jour);
        if (jour < 1 || jour > 31) {
            d.Texte_Jour.clear();
            Message(QStringLiteral(
                        "Il existe un Problème dans le Jour ! Veuillez entrer une date valide SVP !!!"),
                    Titre_Date_Invalide, MsgIcon::Critical);
        }
        break;
    }
    case 0x53: {
        const int mois = bcd(valeur & 0x1F);
        d.Texte_Mois = QString::number(mois);
        if (mois < 1 || mois > 12) {
            d.Texte_Mois.clear();
            Message(QStringLiteral(
                        "Il existe un Problème dans le Mois ! Veuillez entrer une date valide SVP !!!"),
                    Titre_Date_Invalide, MsgIcon::Critical);
        }
        break;
    }
    case 0x54: {
        d.Texte_Annee = QString::number(bcd(valeur) + 2000);
        if (d.Texte_Jour_Semaine.isEmpty() || d.Texte_Jour.isEmpty() || d.Texte_Mois.isEmpty() ||
            d.Texte_Annee.isEmpty()) {
            Message(QStringLiteral("Il y a eu un problème pendant la réception des informations de date !!! "
                                   "Veuillez vérifier que la date est bien une date valide SVP !!!"),
                    QStringLiteral("Problème de Date de l'") + Modele().Mot_Modele, MsgIcon::Critical);
            Fin_Attente();
            break;
        }
        Ack_Toujours(QStringLiteral("  Modification de la Date Ok !!!"));
        // A day the month does not have (31 February), or a year past the panel's two BCD digits (a
        // high half above 9 reads as 2100 and more), leaves the picker as it was.
        const QDate date(d.Texte_Annee.toInt(), d.Texte_Mois.toInt(), d.Texte_Jour.toInt());
        if (date.isValid() && date.year() <= 2099)
            cfg.DTP_Date = date;
        Ligne(QStringLiteral("  Date = ") + d.Texte_Jour_Semaine + QStringLiteral(" ") + d.Texte_Jour +
              QStringLiteral(" ") + Mois[d.Texte_Mois.toInt() - 1] + QStringLiteral(" ") + d.Texte_Annee);
        Fin_Attente();
        break;
    }
    default: break;
    }
}

void Decodeur::Rapport(int rapport)
{
    auto &d = Declaration::D();
    const QString texte = Texte_Rapport(rapport);
    if (texte.isEmpty())
        return;
    if (rapport == 0x08 || rapport == 0x1A || rapport == 0x1B)
        d.Etat_Liaison_Capteur = static_cast<int16_t>(rapport);
    if (rapport == 0x08)
        Ligne({});
    Ligne(texte);
    if (rapport == 0x08) {
        d.Envoi_Autorise = true;
        Action_Seule(Genre::Activer_Main);
        d.Reinitialisation_En_Cours = false;
    } else if (rapport == 0x13 && d.Reinitialisation_En_Cours) {
        Fin_Attente();
        d.Envoi_Autorise = false;
        d.Attente_En_Cours = false;
        Action_Seule(Genre::Attente_200ms);
        Envoi(Demande_Diagnostic, 0);
    } else if (rapport == 0x19) {
        Fin_Attente();
    } else if (Echec_Reinitialisation(rapport) && d.Reinitialisation_En_Cours) {
        d.Reinitialisation_En_Cours = false;
        Fin_Attente();
    }
}

void Decodeur::Code(int code, int valeur)
{
    auto &d = Declaration::D();
    const Description_Modele &m = Modele();
    if (code == 0x5F) {
        if (valeur == 1) {
            Action_Seule(Genre::Fermer_Change_Password);
            Message(m.Message_Code_Change, QStringLiteral("Mot de Passe mis à jour."), MsgIcon::Information);
        }
        return;
    }
    // The last code answer is an answer for the no-answer timer, whatever is done with it.
    if (code == 0x5A)
        d.Reponse_Absente_Signalee = true;
    // A code answer is only ever asked for by the access-code window: one that comes late, when that
    // window is gone, must neither refuse nor accept anything.
    if (!d.Ouvert.Ouvert_Password)
        return;
    if (code == 0x57)
        d.Code_Masque = QString::number(valeur);
    else
        d.Code_Masque += QString::number(valeur);
    if (code != 0x5A)
        return;
    if (d.Afficher_Code_Masque) {
        Message(QStringLiteral("Code Masqué = ") + d.Code_Masque + QStringLiteral("."),
                QStringLiteral("Code Masqué"), MsgIcon::Information);
        return;
    }
    // Positions 1..4 come back as the 4th, 1st, 3rd and 2nd digit. Anything but four digits (a lost frame,
    // a value above 9) is no code and is refused.
    d.Code_Acces.clear();
    const bool quatre_chiffres =
        d.Code_Masque.size() == 4 && std::all_of(d.Code_Masque.begin(), d.Code_Masque.end(), [](QChar ch) {
            return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
        });
    if (quatre_chiffres) {
        const int source[4] = {3, 0, 2, 1};
        for (int p = 0; p < 4; ++p) {
            const int r =
                ((d.Code_Masque[source[p]].digitValue() - Decalages_Code[static_cast<size_t>(p)]) % 10 + 10) %
                10;
            d.Code_Acces += QString::number(r);
        }
    }
    d.Chaine_Temp = c.Password.Combo_Chiffre[0] + c.Password.Combo_Chiffre[1] + c.Password.Combo_Chiffre[2] +
                    c.Password.Combo_Chiffre[3];
    if (quatre_chiffres && d.Chaine_Temp == d.Code_Acces) {
        d.Mode_Visualisation = false;
        Action_Seule(Genre::Code_Accepte);
        return;
    }
    c.Password.Combo_Chiffre.fill(QStringLiteral("0"));
    if (m.Signal_Code_Errone)
        Envoi(Signal_Code_Errone, 0);
    Message(m.Message_Code_Errone, m.Titre_Code_Errone, MsgIcon::Critical);
}

} // namespace

void Traitement_Reponse(int code, int valeur, Controles &controles, std::vector<Action> &actions)
{
    Decodeur(controles, actions).Traiter(code, valeur);
}

void Nouvelle_Demande()
{
    Declaration::D().Boites_Montrees.clear();
}

QStringList Lignes(const std::vector<Action> &actions)
{
    QStringList lignes;
    for (const auto &a : actions)
        if (a.genre == Genre::Ligne)
            lignes << a.texte;
    return lignes;
}

} // namespace configurator::Fonctions
