#include "analysis/tables/frmTableau_Leq.h"

#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "analysis/core/Routes.h"
#include "analysis/core/frmMain.h"
#include "analysis/core/frmWait.h"
#include "analysis/tables/Fonctions_Tableau.h"
#include "analysis/tables/Impression_Leq.h"
#include "platform/common_dialog.h"
#include "platform/pictures.h"
#include "platform/printer.h"
#include "platform/twips.h"

#include <QKeyEvent>

using Declaration::D;
using platform::ListBox;

namespace {

// Design places (twips) of the pairs that move with the layout.
constexpr int kGauche = 30, kLargeurLabel = 7695, kHauteurLabel = 255;
constexpr int kGaucheListe = 240, kLargeurListe = 7245, kHauteurListe = 1920;
constexpr int kLargeur = 7755, kHauteur = 8400;
constexpr int kHautBoutons = 7770, kHautBoutonsQuatre = 10110;

const QString Texte_Vide_Leq10 =
    QStringLiteral("               Il n'y a pas de Niveau Leq10 en mémoire pour cette période !!!");
const QString Texte_Vide_Leq5 =
    QStringLiteral("                Il n'y a pas de Niveau Leq5 en mémoire pour cette période !!!");
const QString Texte_Vide_Leq1 =
    QStringLiteral("                Il n'y a pas de Niveau Leq1 en mémoire pour cette période !!!");
const QString Texte_Vide_Crete =
    QStringLiteral("               Il n'y a pas de Niveau Crête en mémoire pour cette période !!!");

QLabel *titre(QWidget *parent, const QString &text, int top)
{
    auto *l = new QLabel(text, parent);
    platform::PlaceTwips(l, kGauche, top, kLargeurLabel, kHauteurLabel);
    return l;
}

ListBox *liste(QWidget *parent, int top)
{
    auto *l = new ListBox(parent);
    platform::PlaceTwips(l, kGaucheListe, top, kLargeurListe, kHauteurListe);
    return l;
}

QPushButton *bouton(QWidget *parent, int left)
{
    auto *b = new QPushButton(parent);
    b->setIconSize(QSize(32, 32));
    platform::PlaceTwips(b, left, kHautBoutons, 555, 525);
    return b;
}

void placerPaire(QLabel *label, ListBox *liste, int top)
{
    platform::PlaceTwips(label, kGauche, top, kLargeurLabel, kHauteurLabel);
    platform::PlaceTwips(liste, kGaucheListe, top + 330, kLargeurListe, kHauteurListe);
}

// The first line of `liste` that begins with `prefixe`, -1 when none.
int chercher(const ListBox &liste, const QString &prefixe)
{
    for (int i = 0; i < liste.ListCount(); ++i)
        if (liste.List(i).startsWith(prefixe))
            return i;
    return -1;
}

void ajouterTexteVide(ListBox &liste, const QString &texte)
{
    liste.AddItems({QString(), QString(), QString(), QString(), texte});
}

} // namespace

frmTableau_Leq::frmTableau_Leq()
    : platform::Form(Kind::MdiChild, QStringLiteral("Tableau des Valeurs Leq"), kLargeur, kHauteur)
{
    Label_Entete = titre(this, QString(), 30);
    Label_Date = titre(this, QString(), 360);
    QFont gras = Label_Entete->font();
    gras.setBold(true);
    Label_Entete->setFont(gras);
    Label_Date->setFont(gras);
    Label_Leq10 = titre(this, QStringLiteral("Tableau des Niveaux Leq 10 Minutes :"), 720);
    List_Leq10 = liste(this, 1050);
    Label_Leq1 = titre(this, QStringLiteral("Tableau des Niveaux Leq 1 Minute :"), 3060);
    List_Leq1 = liste(this, 3390);
    Label_Crete = titre(this, QStringLiteral("Tableau des Niveaux Crête :"), 5400);
    List_Crete = liste(this, 5730);
    // Placed by the load, with the layout.
    Label_Leq5 = titre(this, QStringLiteral("Tableau des Niveaux Leq 5 Minutes :"), 720);
    List_Leq5 = liste(this, 1050);

    Cmd_New_Data = bouton(this, 4680);
    Cmd_New = bouton(this, 5430);
    Cmd_Print = bouton(this, 6180);
    Cmd_Quit = bouton(this, 6930);
    connect(Cmd_New_Data, &QPushButton::clicked, this, &frmTableau_Leq::Cmd_New_Data_Click);
    connect(Cmd_New, &QPushButton::clicked, this, &frmTableau_Leq::Cmd_New_Click);
    connect(Cmd_Print, &QPushButton::clicked, this, &frmTableau_Leq::Cmd_Print_Click);
    connect(Cmd_Quit, &QPushButton::clicked, this, &frmTableau_Leq::Cmd_Quit_Click);

    for (ListBox *l : Listes()) {
        // The list box says Click for a mouse press and for a key that moved its line; the keys are
        // handled on their own, before the list moves.
        connect(l, &ListBox::Click, this, [this, l] {
            if (!m_touche)
                Liste_MouseDown(*l);
        });
        l->installEventFilter(this);
        l->viewport()->installEventFilter(this);
    }
}

bool frmTableau_Leq::eventFilter(QObject *watched, QEvent *event)
{
    for (ListBox *l : Listes()) {
        if (watched == l->viewport() && event->type() == QEvent::MouseButtonPress) {
            m_touche = false;
        } else if (watched == l && event->type() == QEvent::KeyPress) {
            m_touche = true;
            Liste_KeyDown(*l, static_cast<QKeyEvent *>(event)->key());
        }
    }
    return platform::Form::eventFilter(watched, event);
}

void frmTableau_Leq::Form_Load()
{
    D().Presence_Leq5 = false;
    D().Presence_Leq10 = false;
    Rechercher_Presence();
    Disposer();
    setLeftTwips(0);
    setTopTwips(0);
    Fonctions::Fermer_Fenetres();
    D().Ouvert.Ouvert_Tableau_Leq = true;
    Fonctions::Inscrire_Fenetre(Fonctions::Fenetre::Tableau_Leq, this);
    Hide();
    Preparer_Boutons();

    const auto &p = D().Parametres_Afficheur;
    Label_Entete->setText(
        (p.Modele_40dB ? QStringLiteral("Pelmar - 40 dB - ") : QStringLiteral("Pelmar - ")) +
        p.Nom_Afficheur + QStringLiteral(" - Version FirmWare ") + QString::number(p.Version_Firmware[1]) +
        QLatin1Char('.') + QString::number(p.Version_Firmware[2]) + QStringLiteral(" - Numéro de Série : ") +
        p.Numero_Serie);
    const auto &s = D().Date_Selection;
    Jour_Debut = Fonctions::Deux_Chiffres(s.Jour_Debut_Selection);
    Jour_Fin = Fonctions::Deux_Chiffres(s.Jour_Fin_Selection);
    const QLatin1Char blanc(' ');
    Label_Date->setText(
        blanc + Fonctions::Nom_Jour(s.Jour_Debut_Selection, s.Mois_Debut_Selection, s.Annee_Debut_Selection) +
        blanc + Jour_Debut + blanc + Fonctions::Nom_Mois(s.Mois_Debut_Selection) + blanc +
        QString::number(s.Annee_Debut_Selection + 2000) + QStringLiteral(" au ") +
        Fonctions::Nom_Jour(s.Jour_Fin_Selection, s.Mois_Fin_Selection, s.Annee_Fin_Selection) + blanc +
        Jour_Fin + blanc + Fonctions::Nom_Mois(s.Mois_Fin_Selection) + blanc +
        QString::number(s.Annee_Fin_Selection + 2000));

    Remplir_Listes();
}

void frmTableau_Leq::Form_Unload()
{
    D().Ouvert.Ouvert_Tableau_Leq = false;
}

void frmTableau_Leq::Rechercher_Presence()
{
    const auto &s = D().Date_Selection;
    const int64_t debut = Fonctions_Tableau::Moment(s.Jour_Debut_Selection, s.Mois_Debut_Selection,
                                                    s.Annee_Debut_Selection, 0, 0);
    const int64_t fin =
        Fonctions_Tableau::Moment(s.Jour_Fin_Selection, s.Mois_Fin_Selection, s.Annee_Fin_Selection, 0, 0);
    if (debut < 0 || fin < 0)
        return;
    // The scan runs to midnight after the end day, one minute past the lists' own period.
    const Fonctions_Tableau::Periode_Liste periode{debut, fin + 24 * 60};
    const auto &t = D().Donnees_Memoire;
    bool &leq5 = D().Presence_Leq5;
    bool &leq10 = D().Presence_Leq10;
    for (int32_t i = 1; i <= t.Nombre_Lignes() && !(leq5 && leq10); ++i) {
        const auto &r = t.rows[static_cast<size_t>(i)];
        if (r[6] < 40 || !Fonctions_Tableau::Ligne_Valide(r) ||
            !periode.Contient(Fonctions_Tableau::Moment_Ligne(r)))
            continue;
        (r[6] >= 128 ? leq5 : leq10) = true;
    }
}

void frmTableau_Leq::Disposer()
{
    const bool leq5 = D().Presence_Leq5;
    const bool leq10 = D().Presence_Leq10;
    const bool dix = !(leq5 && !leq10);
    Label_Leq10->setVisible(dix);
    List_Leq10->setVisible(dix);
    Label_Leq5->setVisible(leq5);
    List_Leq5->setVisible(leq5);
    if (leq5 && !leq10) {
        placerPaire(Label_Leq5, List_Leq5, 720);
    } else if (leq5 && leq10) {
        placerPaire(Label_Leq5, List_Leq5, 3060);
        placerPaire(Label_Leq1, List_Leq1, 5400);
        placerPaire(Label_Crete, List_Crete, 7740);
        for (QPushButton *b : {Cmd_New_Data, Cmd_New, Cmd_Print, Cmd_Quit})
            b->move(b->x(), platform::Px(kHautBoutonsQuatre));
        setClientSizeTwips(kLargeur, Hauteur_Quatre_Listes);
    }
}

void frmTableau_Leq::Preparer_Boutons()
{
    const frmMain *m = frmMain::Instance();
    const bool depuisAfficheur = m && m->SaveEnabled();
    Cmd_New_Data->setVisible(depuisAfficheur);
    if (depuisAfficheur) {
        Cmd_New_Data->setIcon(QIcon(platform::LoadPicture(QStringLiteral("New Transfert.bmp"))));
        Cmd_New_Data->setToolTip(
            QStringLiteral("Permet d'effectuer un nouveau tableau en téléchargeant de nouvelles données"));
    }
    Cmd_New->setIcon(QIcon(platform::LoadPicture(QStringLiteral("New Tableau.bmp"))));
    Cmd_New->setToolTip(
        QStringLiteral("Permet d'effectuer un nouveau tableau avec les données déjà chargées"));
    Cmd_Print->setIcon(QIcon(platform::LoadPicture(QStringLiteral("Print.bmp"))));
    Cmd_Print->setToolTip(QStringLiteral("Impression des tableaux"));
    Cmd_Quit->setIcon(QIcon(platform::LoadPicture(QStringLiteral("exit.bmp"))));
    Cmd_Quit->setToolTip(QStringLiteral("Ferme le tableau"));
}

void frmTableau_Leq::Remplir_Listes()
{
    const bool leq5 = D().Presence_Leq5;
    const bool leq10 = D().Presence_Leq10;
    frmMain *m = frmMain::Instance();
    // The fills let window events run: the menus must not open another view meanwhile.
    if (m) {
        m->setEnabled(false);
        m->setCursor(Qt::WaitCursor);
    }
    platform::HandlerScope handler(this);

    frmWait &w = Wait::Show();
    const double total = static_cast<double>(D().Donnees_Memoire.Nombre_Lignes()) * (leq5 && leq10 ? 4 : 3);
    w.Label_Progression->setText(QStringLiteral("Données traitées = 0 / ") + QString::number(total, 'f', 0));
    w.Progression->setMax(total + 0.001);
    w.Progression->setValue(w.Progression->Min());

    using namespace Fonctions_Tableau;
    if (!(leq5 && !leq10))
        Remplir_Liste_Leq(*List_Leq10, Niveau_Leq10);
    if (leq5 && handler.Stands())
        Remplir_Liste_Leq(*List_Leq5, Niveau_Leq5);
    if (handler.Stands())
        Remplir_Liste_Leq(*List_Leq1, Niveau_Leq1);
    if (handler.Stands())
        Remplir_Liste_Leq(*List_Crete, Niveau_Crete);

    if (handler.Stands()) {
        if (List_Leq10->ListCount() == 0 && !leq5)
            ajouterTexteVide(*List_Leq10, Texte_Vide_Leq10);
        if (List_Leq5->ListCount() == 0 && leq5)
            ajouterTexteVide(*List_Leq5, Texte_Vide_Leq5);
        if (List_Leq1->ListCount() == 0)
            ajouterTexteVide(*List_Leq1, Texte_Vide_Leq1);
        if (List_Crete->ListCount() == 0)
            ajouterTexteVide(*List_Crete, Texte_Vide_Crete);
    }

    Wait::Unload();
    if (handler.Stands())
        Show();
    if (m) {
        m->setEnabled(true);
        m->unsetCursor();
    }
}

void frmTableau_Leq::Liste_MouseDown(ListBox &liste)
{
    const int index = liste.ListIndex();
    const QString ligne = liste.List(index);
    // Only a line with its date and time (up to the first ":") is looked up in the other lists; an
    // empty line or an empty-list text follows by index.
    const qsizetype deuxPoints = ligne.indexOf(QLatin1Char(':'));
    const bool parDate = D().Presence_Leq5 && D().Presence_Leq10 && deuxPoints >= 0;
    const QString prefixe = ligne.left(deuxPoints + 1);

    if (&liste == List_Leq10 || &liste == List_Leq5) {
        if (parDate) {
            const int trouve = chercher(*List_Leq1, prefixe);
            if (trouve >= 0) {
                List_Leq1->setListIndex(trouve);
                List_Crete->setListIndex(trouve);
            }
        } else {
            List_Leq1->setListIndex(index);
            List_Crete->setListIndex(index);
        }
        return;
    }
    ListBox *partenaire = &liste == List_Leq1 ? List_Crete : List_Leq1;
    if (parDate) {
        for (ListBox *l : {List_Leq10, List_Leq5})
            if (const int trouve = chercher(*l, prefixe); trouve >= 0)
                l->setListIndex(trouve);
    } else if (D().Presence_Leq5 && !D().Presence_Leq10) {
        List_Leq5->setListIndex(index);
    } else {
        List_Leq10->setListIndex(index);
    }
    partenaire->setListIndex(index);
}

void frmTableau_Leq::Liste_KeyDown(ListBox &liste, int touche)
{
    // The others follow the line the key leads to; the list then makes the move itself.
    const int index = liste.ListIndex();
    if (touche == Qt::Key_Up && index > 0) {
        liste.setListIndex(index - 1);
        Liste_MouseDown(liste);
        liste.setListIndex(index);
    } else if (touche == Qt::Key_Down && index != liste.ListCount() - 1) {
        liste.setListIndex(index + 1);
        Liste_MouseDown(liste);
        liste.setListIndex(index);
    }
}

void frmTableau_Leq::Cmd_New_Data_Click()
{
    Routes::Ouvrir(Routes::Vue::Data_Total);
}

void frmTableau_Leq::Cmd_New_Click()
{
    Routes::Ouvrir(Routes::Vue::InTableau_Old);
}

void frmTableau_Leq::Cmd_Print_Click()
{
    platform::Printer imprimante;
    if (!platform::ShowPrinterDialog(imprimante))
        return;
    using Impression_Leq::Lignes;
    Impression_Leq::Imprimer(
        imprimante, Label_Entete->text(), Label_Date->text(),
        {Lignes(*List_Leq10), Lignes(*List_Leq5), Lignes(*List_Leq1), Lignes(*List_Crete)});
}

void frmTableau_Leq::Cmd_Quit_Click()
{
    Unload();
}
