#include "analysis/tables/frmEvenements.h"

#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "analysis/core/Routes.h"
#include "analysis/core/frmMain.h"
#include "analysis/core/frmWait.h"
#include "analysis/tables/Fonctions_Tableau.h"
#include "platform/common_dialog.h"
#include "platform/pictures.h"
#include "platform/printer.h"
#include "platform/twips.h"

using Declaration::D;

namespace {

QString Texte_Entete(const Declaration::Parametres &p)
{
    // "40dB" without a blank here, where the other windows write "40 dB".
    return (p.Modele_40dB ? QStringLiteral("Pelmar - 40dB - ") : QStringLiteral("Pelmar - ")) +
           p.Nom_Afficheur +
           QStringLiteral(" - Version FirmWare %1.%2").arg(p.Version_Firmware[1]).arg(p.Version_Firmware[2]) +
           QStringLiteral(" - Numéro de Série :") + p.Numero_Serie;
}

// "Mercredi 04 Mars 2009" from a day, month and year minus 2000.
QString Texte_Jour(int jour, int mois, int annee_2000)
{
    const int annee = annee_2000 + 2000;
    return Fonctions::Nom_Jour(jour, mois, annee) + QLatin1Char(' ') + Fonctions::Deux_Chiffres(jour) +
           QLatin1Char(' ') + Fonctions::Nom_Mois(mois) + QLatin1Char(' ') + QString::number(annee);
}

QString Texte_Date(const Declaration::Selection &s)
{
    return QStringLiteral("Tableau des Evénements du ") +
           Texte_Jour(s.Jour_Debut_Selection, s.Mois_Debut_Selection, s.Annee_Debut_Selection) +
           QStringLiteral(" au ") +
           Texte_Jour(s.Jour_Fin_Selection, s.Mois_Fin_Selection, s.Annee_Fin_Selection);
}

QLabel *Etiquette(QWidget *parent, int top)
{
    auto *l = new QLabel(parent);
    l->setAlignment(Qt::AlignCenter);
    platform::SetBackground(l, platform::FormBackground());
    platform::PlaceTwips(l, 30, top, 11655, 285);
    return l;
}

QPushButton *Bouton_Image(QWidget *parent, int left)
{
    auto *b = new QPushButton(parent);
    b->setIconSize(QSize(32, 32));
    // A picture button keeps its size: there is no caption to make room for.
    platform::PlaceTwips(b, left, 8700, 555, 525);
    b->setFixedSize(b->size());
    return b;
}

void Image(QPushButton *b, const QString &fichier, const QString &tooltip)
{
    b->setIcon(QIcon(platform::LoadPicture(fichier)));
    b->setToolTip(tooltip);
}

} // namespace

frmEvenements::frmEvenements()
    : platform::Form(Kind::MdiChild, QStringLiteral("Tableau des Evénements"), 11715, 9315)
{
    Label_Entete = Etiquette(this, 30);
    Label_Date = Etiquette(this, 360);
    List_Evenements = new platform::ListBox(this);
    platform::PlaceTwips(List_Evenements, 240, 810, 11235, 7800);
    Cmd_New_Data = Bouton_Image(this, 8670);
    Cmd_New_Tableau = Bouton_Image(this, 9420);
    Cmd_Print = Bouton_Image(this, 10170);
    Cmd_Exit = Bouton_Image(this, 10920);
    connect(Cmd_New_Data, &QPushButton::clicked, this, &frmEvenements::Cmd_New_Data_Click);
    connect(Cmd_New_Tableau, &QPushButton::clicked, this, &frmEvenements::Cmd_New_Tableau_Click);
    connect(Cmd_Print, &QPushButton::clicked, this, &frmEvenements::Cmd_Print_Click);
    connect(Cmd_Exit, &QPushButton::clicked, this, &frmEvenements::Cmd_Exit_Click);
}

void frmEvenements::Form_Load()
{
    setLeftTwips(0);
    setTopTwips(0);
    Fonctions::Fermer_Fenetres();
    D().Ouvert.Ouvert_Evenements = true;
    Fonctions::Inscrire_Fenetre(Fonctions::Fenetre::Evenements, this);
    Hide();

    frmMain *m = frmMain::Instance();
    // The data held came from the panel only while they may be saved.
    if (m && m->SaveEnabled()) {
        Image(Cmd_New_Data, QStringLiteral("New Transfert.bmp"),
              QStringLiteral("Permet d'effectuer un nouveau tableau en téléchargeant de nouvelles données"));
        Cmd_New_Data->show();
    } else {
        Cmd_New_Data->hide();
    }
    Image(Cmd_New_Tableau, QStringLiteral("New Tableau.bmp"),
          QStringLiteral("Permet d'effectuer un nouveau tableau avec les données déjà chargées"));
    Image(Cmd_Print, QStringLiteral("Print.bmp"), QStringLiteral(" Impression du tableau"));
    Image(Cmd_Exit, QStringLiteral("exit.bmp"), QStringLiteral("Ferme le tableau"));

    Label_Entete->setText(Texte_Entete(D().Parametres_Afficheur));
    Label_Date->setText(Texte_Date(D().Date_Selection));

    // The fill lets window events run: the window must outlive them to be shown.
    platform::HandlerScope handler(this);
    const int32_t n = D().Donnees_Memoire.Nombre_Lignes();
    frmWait &attente = Wait::Show();
    attente.Label_Progression->setText(QStringLiteral("Données traitées = 0 / ") + QString::number(n));
    attente.Progression->setMax(n + 0.001);
    attente.Progression->setValue(attente.Progression->Min());
    Fonctions_Tableau::Remplir_Liste_Evenements(*List_Evenements);
    Wait::Unload();
    if (!handler.Stands())
        return;
    Show();
    if ((m = frmMain::Instance())) {
        m->unsetCursor();
        m->setEnabled(true);
    }
}

void frmEvenements::Form_Unload()
{
    D().Ouvert.Ouvert_Evenements = false;
}

void frmEvenements::Cmd_New_Data_Click()
{
    platform::HandlerScope handler(this);
    Routes::Ouvrir(Routes::Vue::Data_Total);
}

void frmEvenements::Cmd_New_Tableau_Click()
{
    platform::HandlerScope handler(this);
    Routes::Ouvrir(Routes::Vue::InTableau_Old);
}

void frmEvenements::Cmd_Exit_Click()
{
    Unload();
}

void frmEvenements::Cmd_Print_Click()
{
    namespace I = Impression_Evenements;
    platform::HandlerScope handler(this);
    platform::Printer printer;
    if (!platform::ShowPrinterDialog(printer) || !handler.Stands())
        return;
    printer.setOrientation(platform::PageOrientation::Portrait);

    const auto ecrire = [&printer](int x, int y, const QString &texte) {
        printer.setCurrentX(x);
        printer.setCurrentY(y);
        return printer.Print(texte);
    };
    const auto entete = [&] {
        printer.setFontSize(9);
        printer.setFontBold(true);
        const bool ok = ecrire(I::X_Entete, I::Y_Entete, Label_Entete->text()) &&
                        ecrire(I::X_Titre, I::Y_Titre, Label_Date->text());
        // The rows in a smaller face, so that the longest event line fits across a portrait page.
        printer.setFontSize(8);
        printer.setFontBold(false);
        return ok;
    };
    const auto pied = [&](int page) {
        return ecrire(I::X_Pied, I::Y_Pied, QStringLiteral(" Page  ") + QString::number(page));
    };

    // A failure ends the print at once and quietly, as a cancel does.
    int page = 1;
    int r = 0;
    if (!entete())
        return;
    for (int i = 0; i < List_Evenements->ListCount(); ++i) {
        ++r;
        if (!ecrire(I::X_Ligne, I::Y_Lignes + I::Pas_Ligne * r, List_Evenements->List(i)))
            return;
        // A full page breaks at once, so exactly 64 rows leave a second page with only its heading.
        if (r == I::Lignes_Par_Page) {
            if (!pied(page) || !printer.NewPage())
                return;
            ++page;
            r = 0;
            if (!entete())
                return;
        }
    }
    if (pied(page))
        printer.EndDoc();
}
