#include "configurator/windows/frmPrint.h"

#include "configurator/Declaration.h"
#include "configurator/Fonctions_Sauvegarde.h"
#include "configurator/Modele.h"
#include "platform/common_dialog.h"
#include "platform/printer.h"
#include "platform/twips.h"

namespace configurator {

namespace {

Disposition_Tableau Disposition()
{
    const bool horloge = Modele().Horloge();
    Disposition_Tableau d;
    d.Largeur = 7065;
    d.Hauteur = horloge ? 5910 : 5490;
    d.Haut_Entete = 180;
    d.Gauche_Valeur = 3590;
    d.Hauts = {690, 1120, 1550, 1980, 2410, 2840, 3270, 3700, 4130, 4560, 5010};
    if (horloge)
        d.Hauts.push_back(5460);
    d.Haut_Cadre = 150;
    d.Ligne_Entete = 600;
    d.Regles = {1030, 1460, 1890, 2320, 2750, 3180, 3610, 4040, 4470, 4900};
    if (horloge)
        d.Regles.push_back(5360);
    d.Bas = horloge ? 5820 : 5360;
    return d;
}

} // namespace

frmPrint::frmPrint() : Tableau_Parametres(Modele().Titre_Parametres.chopped(3), Disposition()) {}

void frmPrint::Form_Load()
{
    platform::HandlerScope handler(this);
    platform::Printer printer;
    if (!platform::ShowPrinterDialog(printer) || !handler.Stands())
        return;
    const Declaration::Etat &d = Declaration::D();
    Afficher(Fichier_Parametres::Textes_Feuille(Fonctions_Sauvegarde::Reglages_Affiches(), d.Version_Firmware,
                                                d.Modele_40dB));
    // The sheet prints before it is ever shown: its labels are fitted to their texts here.
    platform::FitCaptions(this);
    Imprimer(printer);
}

} // namespace configurator
