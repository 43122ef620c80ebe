#include "configurator/windows/frmParametres.h"

#include "configurator/Declaration.h"
#include "configurator/Fonctions.h"
#include "configurator/Modele.h"
#include "platform/common_dialog.h"
#include "platform/pictures.h"
#include "platform/printer.h"
#include "platform/twips.h"

namespace configurator {

namespace {

Disposition_Tableau Disposition()
{
    const bool horloge = Modele().Horloge();
    Disposition_Tableau d;
    d.Largeur = 7065;
    d.Hauteur = horloge ? 6525 : 5970;
    d.Haut_Entete = 90;
    d.Gauche_Valeur = 3585;
    d.Hauts = {600, 1035, 1455, 1890, 2325, 2745, 3180, 3615, 4035, 4470, 4920};
    if (horloge)
        d.Hauts.push_back(5370);
    d.Haut_Cadre = 60;
    d.Ligne_Entete = 510;
    d.Regles = {945, 1365, 1800, 2235, 2655, 3090, 3525, 3945, 4380, 4815, 5265};
    d.Bas = horloge ? 5730 : 5270;
    return d;
}

// A button that shows a picture only: its name and tooltip say what it does.
QPushButton *Bouton_Image(QWidget *parent, const QString &nom, int left, int top)
{
    auto *b = new QPushButton(parent);
    b->setAccessibleName(nom);
    b->setToolTip(nom);
    b->setIconSize(QSize(32, 32));
    platform::PlaceTwips(b, left, top, 615, 525);
    // No caption to make room for: the button keeps its size.
    b->setFixedSize(b->size());
    return b;
}

QString Titre_Initial()
{
    // The caption until a name is read: the model's caption without its separator.
    return Modele().Titre_Parametres.chopped(3);
}

} // namespace

frmParametres::frmParametres() : Tableau_Parametres(Titre_Initial(), Disposition())
{
    const int top = Modele().Horloge() ? 5880 : 5370;
    Cmd_Print = Bouton_Image(this, QStringLiteral("Imprimer"), 5550, top);
    Cmd_Exit = Bouton_Image(this, QStringLiteral("Quitter"), 6360, top);
    connect(Cmd_Print, &QPushButton::clicked, this, &frmParametres::Cmd_Print_Click);
    connect(Cmd_Exit, &QPushButton::clicked, this, &frmParametres::Cmd_Exit_Click);
}

void frmParametres::Form_Load()
{
    setLeftTwips(0);
    setTopTwips(0);
    Cmd_Print->setIcon(QIcon(platform::LoadPicture(QStringLiteral("Print.bmp"))));
    Cmd_Exit->setIcon(QIcon(platform::LoadPicture(QStringLiteral("Exit.bmp"))));
    Declaration::D().Ouvert.Ouvert_Parametres = true;
    Fonctions::Inscrire_Fenetre(Fonctions::Fenetre::Parametres, this);

    const Fichier_Parametres::Parametres_Lus lus =
        Fichier_Parametres::Lire_Fichier(Declaration::D().Chaine_Temp);
    // The file's firmware line is the only thing it changes outside this window.
    if (lus.Modele_40dB)
        Declaration::D().Modele_40dB = *lus.Modele_40dB;
    Afficher(Fichier_Parametres::Textes_Fichier(lus));
}

void frmParametres::Form_Unload()
{
    Declaration::D().Ouvert.Ouvert_Parametres = false;
    Fonctions::Inscrire_Fenetre(Fonctions::Fenetre::Parametres, nullptr);
}

void frmParametres::Cmd_Print_Click()
{
    platform::HandlerScope handler(this);
    platform::Printer printer;
    if (!platform::ShowPrinterDialog(printer) || !handler.Stands())
        return;
    Imprimer(printer);
}

void frmParametres::Cmd_Exit_Click()
{
    Unload();
}

} // namespace configurator
