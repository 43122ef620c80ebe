// Panel link: request frame, answer decoder, port preparations.
#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "analysis/core/Fonctions_ASCII.h"
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

QByteArray Trame_Commande(int code, int valeur)
{
    QByteArray trame;
    trame.append(static_cast<char>(code & 0xFF));
    trame.append(static_cast<char>(valeur & 0xFF));
    trame.append('i');
    return trame;
}

void Envoi_Commande(int code, int valeur)
{
    MSComm1().Output(Trame_Commande(code, valeur));
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
    int trames = 0;
    for (qsizetype i = 0; i + 2 < tampon.size(); i += 3) {
        if (entre_trames)
            entre_trames();
        Decodage_Reponse(mode_periode, static_cast<uint8_t>(tampon[i]), static_cast<uint8_t>(tampon[i + 1]));
        ++trames;
    }
    return trames;
}

void Ouverture_Detection()
{
    auto &com = MSComm1();
    com.setInBufferSize(1000);
    com.setOutBufferSize(1000);
    com.ClearInBuffer();
    com.setRThreshold(1000);
    com.setInputLen(0);
    com.setSettings(Reglages_Ligne);
    com.setInputModeBinary();
    com.setPortOpen(false);
}

bool Ouverture_Echange()
{
    auto &com = MSComm1();
    com.setPortOpen(false);
    com.setCommPort(D().Etat_Liaison.Port_COM);
    com.setSettings(Reglages_Ligne);
    com.setDTREnable(false);
    com.setInBufferSize(16384);
    com.setRThreshold(16384);
    com.setInputLen(0);
    com.setInputModeBinary();
    const bool ouvert = com.setPortOpen(true);
    // Discard what was waiting before the request: only its answer counts.
    com.ClearInBuffer();
    return ouvert;
}

void Fermeture_Port()
{
    MSComm1().setPortOpen(false);
}

} // namespace Fonctions
