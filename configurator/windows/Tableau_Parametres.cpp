#include "configurator/windows/Tableau_Parametres.h"

#include "configurator/Modele.h"
#include "platform/message_box.h"
#include "platform/twips.h"

#include <QPainter>

namespace configurator {

namespace {

constexpr int kGaucheTitre = 150;
constexpr int kLargeur = 3315, kLargeurDerniere = 3285, kHauteur = 255;
constexpr int kGaucheValeurDerniere = 3600;
constexpr int kGaucheCadre = 90, kGaucheHaut = 60, kDroite = 6960, kColonne = 3525;

QFont Police(double points)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(points);
    f.setBold(true);
    return f;
}

QLabel *Etiquette(QWidget *parent, const QString &texte, int left, int top, int width)
{
    auto *l = new QLabel(texte, parent);
    l->setFont(Police(8.25));
    l->setAlignment(Qt::AlignCenter);
    platform::PlaceTwips(l, left, top, width, kHauteur);
    return l;
}

} // namespace

Tableau_Parametres::Tableau_Parametres(const QString &caption, const Disposition_Tableau &d)
    : platform::Form(Kind::MdiChild, caption, d.Largeur, d.Hauteur), m_disposition(d)
{
    Label_Entete = new QLabel(this);
    Label_Entete->setFont(Police(15.75));
    Label_Entete->setAlignment(Qt::AlignCenter);
    platform::PlaceTwips(Label_Entete, 120, d.Haut_Entete, 6825, 375);

    const bool horloge = Modele().Horloge();
    size_t rang = 0;
    // One row: its caption and value labels at the next top.
    const auto ligne = [&](QLabel *&titre, QLabel *&valeur, const QString &texte) {
        const int top = d.Hauts[rang++];
        titre = Etiquette(this, texte, kGaucheTitre, top, kLargeur);
        valeur = Etiquette(this, QString(), d.Gauche_Valeur, top, kLargeur);
    };
    ligne(Label1, Label_FirmWare, QStringLiteral("Version FirmWare :"));
    ligne(Label2, Label_Serial_Number, QStringLiteral("Numéro de Série :"));
    ligne(Label3, Label_Name, Modele().Titre_Ligne_Nom);
    ligne(Label4, Label_Alarme, QStringLiteral("Niveau d'Alarme :"));
    ligne(Label5, Label_Offset, QStringLiteral("Offset :"));
    ligne(Label6, Label_Aff_Centre, QStringLiteral("Config. Afficheur Central :"));
    ligne(Label7, Label_Aff_Bas_Gauche, QStringLiteral("Config. Afficheur Bas Gauche :"));
    ligne(Label8, Label_Aff_Bas_Droite, QStringLiteral("Config. Afficheur Bas Droite :"));
    ligne(Label9, Label_Lumens, QStringLiteral("Fonctionnement de la Luminosité :"));
    ligne(Label_Type_Lumens, Label_Value_Lumens, QString());
    Label10 = Label_Heure_Auto = nullptr;
    if (horloge)
        ligne(Label10, Label_Heure_Auto, QStringLiteral("Changement d'Heure Automatique :"));
    const int top = d.Hauts[rang];
    Label11 =
        Etiquette(this, QStringLiteral("Type de Liaison Capteur :"), kGaucheTitre, top, kLargeurDerniere);
    Label_Capteur = Etiquette(this, QString(), kGaucheValeurDerniere, top, kLargeurDerniere);
}

void Tableau_Parametres::Afficher(const Fichier_Parametres::Textes_Tableau &t)
{
    if (!t.Titre_Fenetre.isEmpty())
        setWindowTitle(t.Titre_Fenetre);
    Label_Entete->setText(t.Entete);
    Label_FirmWare->setText(t.FirmWare);
    Label_Serial_Number->setText(t.Serial_Number);
    Label_Name->setText(t.Name);
    Label_Alarme->setText(t.Alarme);
    Label_Offset->setText(t.Offset);
    Label_Aff_Centre->setText(t.Aff_Centre);
    Label_Aff_Bas_Gauche->setText(t.Aff_Bas_Gauche);
    Label_Aff_Bas_Droite->setText(t.Aff_Bas_Droite);
    Label_Lumens->setText(t.Lumens);
    Label_Type_Lumens->setText(t.Type_Lumens);
    Label_Value_Lumens->setText(t.Value_Lumens);
    if (Label_Heure_Auto)
        Label_Heure_Auto->setText(t.Heure_Auto);
    Label_Capteur->setText(t.Capteur);
}

void Tableau_Parametres::paintEvent(QPaintEvent *event)
{
    platform::Form::paintEvent(event);
    const Disposition_Tableau &d = m_disposition;
    QPainter p(this);
    p.setPen(QPen(Qt::black, 1));
    const auto horizontale = [&p](int gauche, int y) {
        p.drawLine(platform::Px(gauche), platform::Px(y), platform::Px(kDroite), platform::Px(y));
    };
    const auto verticale = [&p](int x, int haut, int bas) {
        p.drawLine(platform::Px(x), platform::Px(haut), platform::Px(x), platform::Px(bas));
    };
    horizontale(kGaucheHaut, d.Haut_Cadre);
    verticale(kGaucheCadre, d.Haut_Cadre, d.Bas);
    verticale(kDroite, d.Haut_Cadre, d.Bas);
    horizontale(kGaucheCadre, d.Ligne_Entete);
    for (const int y : d.Regles)
        horizontale(kGaucheCadre, y);
    horizontale(kGaucheCadre, d.Bas);
    verticale(kColonne, d.Ligne_Entete, d.Bas);
}

void Tableau_Parametres::Imprimer(platform::Printer &printer)
{
    // The orientation stays set for the prints that follow in this run.
    printer.setOrientation(platform::PageOrientation::Portrait);
    if (!printer.PrintForm(*this))
        platform::MsgBox(QStringLiteral("Impossible d'imprimer les Paramètres !!!"), platform::MsgButtons::Ok,
                         platform::MsgIcon::Critical, QStringLiteral("Impression impossible"));
}

} // namespace configurator
