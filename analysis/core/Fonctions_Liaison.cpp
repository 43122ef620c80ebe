// Panel link of the analysis program: its serial control, the answer decoder into the program state,
// the progress that exchanges report to.
#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "analysis/core/Suivi_Echange.h"
#include "panel_link/Fonctions_ASCII.h"
#include "panel_link/Trames.h"
#include "platform/form.h"
#include "platform/serial_control.h"

#include <QCoreApplication>
#include <QPointer>

namespace Fonctions {

using Declaration::D;

platform::SerialControl &MSComm1()
{
    // Parented to the application so that it goes before Qt does.
    static QPointer<platform::SerialControl> control;
    if (!control)
        control = new platform::SerialControl(QCoreApplication::instance());
    return *control;
}

void Envoi_Commande(int code, int valeur)
{
    panel_link::Envoi_Commande(MSComm1(), code, valeur);
}

namespace {

// Shows nothing: exchanges run before any progress is registered (and in tests without one).
class Suivi_Muet final : public Suivi_Echange
{
public:
    void Ouvrir() override {}
    void Fermer() override {}
    void Connexion(double) override {}
    void Transmission(int32_t) override {}
    void Tentative(const QString &) override {}
    void Temps(const QString &) override {}
    void Recommencer() override {}
};

Suivi_Echange *&suivi_inscrit()
{
    static Suivi_Echange *s = nullptr;
    return s;
}

} // namespace

Suivi_Echange &Suivi()
{
    static Suivi_Muet muet;
    Suivi_Echange *s = suivi_inscrit();
    return s ? *s : muet;
}

void Inscrire_Suivi(Suivi_Echange *suivi)
{
    suivi_inscrit() = suivi;
}

bool Poursuivre(const platform::HandlerScope &handler)
{
    if (Arret())
        return false;
    if (handler.Stands())
        return true;
    Suivi().Fermer();
    return false;
}

int16_t Offset_Depuis_Octet(int octet)
{
    if (octet == 255)
        return -32;
    if (octet == 127)
        return 32;
    if (octet >= 1 && octet <= 126)
        return static_cast<int16_t>(Arrondi(octet / 4.0));
    if (octet >= 129 && octet <= 254)
        return static_cast<int16_t>(-Arrondi((octet - 128) / 4.0));
    return 0;
}

namespace {

// Drops trailing blanks of a completed name; a lone blank becomes empty.
QString Completer_Nom(QString nom)
{
    for (int i = 0; i < 24; ++i) {
        if (nom.size() > 1 && nom.endsWith(QLatin1Char(' ')))
            nom.chop(1);
        else if (nom == QLatin1String(" "))
            nom.clear();
    }
    return nom;
}

} // namespace

void Decodage_Reponse(bool mode_periode, int tag, int valeur)
{
    auto &p = D().Parametres_Afficheur;
    auto &idx = D().Index_Memoire;
    auto &sel = D().Date_Selection;
    const auto v16 = static_cast<int16_t>(valeur);

    switch (tag) {
    case 0x01: p.Offset = Offset_Depuis_Octet(valeur); return;
    case 0x02: p.Config_Aff_Centre = v16; return;
    case 0x03: p.Config_Aff_Bas_Gauche = v16; return;
    case 0x04: p.Config_Aff_Bas_Droite = v16; return;
    case 0x05: p.Mode_Luminosite = v16; return;
    case 0x06: p.Type_Luminosite_Auto = v16; return;
    case 0x07: p.Valeur_Luminosite = v16; return;
    case 0x08: p.Niveau_Alarme = v16; return;
    case 0x09:
        if (valeur > 128) {
            p.Version_Firmware[1] = static_cast<int16_t>(valeur - 128);
            p.Modele_40dB = true;
        } else {
            p.Version_Firmware[1] = v16;
            p.Modele_40dB = false;
        }
        return;
    case 0x0A: p.Version_Firmware[2] = v16; return;
    case 0x10: p.Tampon_Numero_Serie = QString::number(valeur); return;
    case 0x17:
        p.Numero_Serie = p.Tampon_Numero_Serie + QString::number(valeur);
        p.Tampon_Numero_Serie.clear();
        return;
    case 0x1C: p.Modele_Afficheur = v16; return;
    case 0x20: p.Tampon_Nom = Fonctions_ASCII::Code_Vers_Caractere(valeur); return;
    case 0x37:
        p.Nom_Afficheur = Completer_Nom(p.Tampon_Nom + Fonctions_ASCII::Code_Vers_Caractere(valeur));
        return;
    case 0x38: p.Heure_Auto = v16; return;
    case 0x39: p.Type_Capteur = v16; return;
    case 0x61: (mode_periode ? sel.Jour_Debut_Selection : idx.Jour_Premier) = v16; return;
    case 0x62: (mode_periode ? sel.Mois_Debut_Selection : idx.Mois_Premier) = v16; return;
    case 0x63: (mode_periode ? sel.Annee_Debut_Selection : idx.Annee_Premier) = v16; return;
    case 0x64: (mode_periode ? sel.Jour_Fin_Selection : idx.Jour_Dernier) = v16; return;
    case 0x65: (mode_periode ? sel.Mois_Fin_Selection : idx.Mois_Dernier) = v16; return;
    case 0x66: (mode_periode ? sel.Annee_Fin_Selection : idx.Annee_Dernier) = v16; return;
    default: break;
    }

    if (tag >= 0x11 && tag <= 0x16) {
        p.Tampon_Numero_Serie += QString::number(valeur);
        return;
    }
    if (tag >= 0x21 && tag <= 0x36) {
        p.Tampon_Nom += Fonctions_ASCII::Code_Vers_Caractere(valeur);
        return;
    }
    if (tag >= 0x67 && tag <= 0x6C) {
        const bool premier = tag <= 0x69;
        int32_t &adresse = mode_periode ? (premier ? sel.Adresse_Debut_Selection : sel.Adresse_Fin_Selection)
                                        : (premier ? idx.Adresse_Premier : idx.Adresse_Dernier);
        switch ((tag - 0x67) % 3) {
        case 0: adresse = valeur * 65536; break;
        case 1: adresse += valeur * 256; break;
        default: adresse += valeur; break;
        }
    }
}

int Decoder_Tampon(const QByteArray &tampon, bool mode_periode, void (*entre_trames)())
{
    return panel_link::Parcourir_Reponse(tampon, [&](int tag, int valeur) {
        if (entre_trames)
            entre_trames();
        Decodage_Reponse(mode_periode, tag, valeur);
    });
}

void Ouverture_Detection()
{
    panel_link::Ouverture_Detection(MSComm1());
}

bool Ouverture_Echange()
{
    return panel_link::Ouverture_Echange(MSComm1(), D().Etat_Liaison.Port_COM);
}

void Fermeture_Port()
{
    MSComm1().setPortOpen(false);
}

} // namespace Fonctions
