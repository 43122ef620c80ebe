#include "analysis/tables/frmParametres.h"

#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "platform/common_dialog.h"
#include "platform/pictures.h"
#include "platform/printer.h"
#include "platform/twips.h"

#include <QMdiSubWindow>
#include <QPainter>

using Declaration::D;

namespace {

// ---- Captions -----------------------------------------------------------------------------------

QString Texte_Entete(const Declaration::Parametres &p)
{
    return (p.Modele_40dB ? QStringLiteral("Pelmar - 40 dB - ") : QStringLiteral("Pelmar - ")) +
           p.Nom_Afficheur;
}

// "00 dB.", "+05 dB.", "+12 dB.", "-03 dB.", "-20 dB."
QString Texte_Offset(int offset)
{
    if (offset == 0)
        return QStringLiteral("00 dB.");
    const int absolu = offset < 0 ? -offset : offset;
    QString texte = offset < 0 ? QStringLiteral("-") : QStringLiteral("+");
    if (absolu < 10)
        texte += QLatin1Char('0');
    return texte + QString::number(absolu) + QStringLiteral(" dB.");
}

// The centre area takes 1 to 4, the lower left 1 to 4 and 136, the lower right 0 and 136.
QString Texte_Afficheur(int valeur, bool leq, bool desactive, bool crete)
{
    switch (valeur) {
    case 1: return leq ? QStringLiteral("Niveau Leq 1 Seconde.") : QString();
    case 2: return leq ? QStringLiteral("Niveau Leq 10 Minutes.") : QString();
    case 3: return leq ? QStringLiteral("Niveau Leq 1 Minute.") : QString();
    case 4: return leq ? QStringLiteral("Niveau Leq 5 Minutes.") : QString();
    case 136: return desactive ? QStringLiteral("Afficheur Désactivé.") : QString();
    case 0: return crete ? QStringLiteral("Niveau Crête.") : QString();
    default: return {};
    }
}

QString Choix(int valeur, const QString &si0, const QString &si1)
{
    return valeur == 0 ? si0 : valeur == 1 ? si1 : QString();
}

// ---- Layout ---------------------------------------------------------------------------------------

constexpr int kHauteurLigne = 255;
constexpr int kGauche = 90, kDroite = 6960, kHaut = 150, kBas = 5820, kColonne = 3525;
constexpr int kRegles[] = {600, 1030, 1460, 1890, 2320, 2750, 3180, 3610, 4040, 4470, 4900, 5360};

QLabel *Etiquette(QWidget *parent, const QString &texte, int left, int top, int width)
{
    auto *l = new QLabel(texte, parent);
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(8.25);
    f.setBold(true);
    l->setFont(f);
    platform::PlaceTwips(l, left, top, width, kHauteurLigne);
    return l;
}

QLabel *Titre(QWidget *parent, const QString &texte, int top)
{
    return Etiquette(parent, texte, 150, top, 3315);
}

QLabel *Valeur(QWidget *parent, int top)
{
    return Etiquette(parent, QString(), 3590, top, 3315);
}

QPushButton *Bouton_Image(QWidget *parent, const QString &tooltip, int left)
{
    auto *b = new QPushButton(parent);
    b->setToolTip(tooltip);
    b->setIconSize(QSize(32, 32));
    // A picture button keeps its size: there is no caption to make room for.
    platform::PlaceTwips(b, left, 5940, 555, 525);
    b->setFixedSize(b->size());
    return b;
}

// Shows the buttons hidden for a print again, however the print ends.
class Boutons_Caches
{
public:
    Boutons_Caches(QWidget *a, QWidget *b) : m_a(a), m_b(b)
    {
        m_a->hide();
        m_b->hide();
    }
    ~Boutons_Caches()
    {
        m_a->show();
        m_b->show();
    }
    Boutons_Caches(const Boutons_Caches &) = delete;
    Boutons_Caches &operator=(const Boutons_Caches &) = delete;

private:
    QWidget *m_a, *m_b;
};

} // namespace

frmParametres::frmParametres()
    : platform::Form(Kind::MdiChild, QStringLiteral("Paramètres de l'Pelmar"), 7065, 6540)
{
    Label_Entete = new QLabel(this);
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(15.75);
    f.setBold(true);
    Label_Entete->setFont(f);
    Label_Entete->setAlignment(Qt::AlignCenter);
    platform::PlaceTwips(Label_Entete, 120, 180, 6825, 375);

    Label1 = Titre(this, QStringLiteral("Version FirmWare :"), 690);
    Label2 = Titre(this, QStringLiteral("Numéro de Série :"), 1120);
    Label3 = Titre(this, QStringLiteral("Nom de l'Pelmar :"), 1550);
    Label4 = Titre(this, QStringLiteral("Niveau d'Alarme :"), 1980);
    Label5 = Titre(this, QStringLiteral("Offset :"), 2410);
    Label6 = Titre(this, QStringLiteral("Config. Afficheur Central :"), 2840);
    Label7 = Titre(this, QStringLiteral("Config. Afficheur Bas Gauche :"), 3270);
    Label8 = Titre(this, QStringLiteral("Config. Afficheur Bas Droite :"), 3700);
    Label9 = Titre(this, QStringLiteral("Fonctionnement de la Luminosité :"), 4130);
    Label_Type_Lumens = Titre(this, QString(), 4560);
    Label10 = Titre(this, QStringLiteral("Changement d'Heure Automatique :"), 5010);
    Label11 = Titre(this, QStringLiteral("Type de Liaison Capteur :"), 5460);

    Label_FirmWare = Valeur(this, 690);
    Label_Serial_Number = Valeur(this, 1120);
    Label_Name = Valeur(this, 1550);
    Label_Alarme = Valeur(this, 1980);
    Label_Offset = Valeur(this, 2410);
    Label_Aff_Centre = Valeur(this, 2840);
    Label_Aff_Bas_Gauche = Valeur(this, 3270);
    Label_Aff_Bas_Droite = Valeur(this, 3700);
    Label_Lumens = Valeur(this, 4130);
    Label_Value_Lumens = Valeur(this, 4560);
    Label_Heure_Auto = Valeur(this, 5010);
    Label_Capteur = Etiquette(this, QString(), 3600, 5460, 3285);

    Cmd_Print = Bouton_Image(this, QStringLiteral("Impression"), 5640);
    Cmd_Exit = Bouton_Image(this, QStringLiteral("Quitter"), 6420);
    connect(Cmd_Print, &QPushButton::clicked, this, &frmParametres::Cmd_Print_Click);
    connect(Cmd_Exit, &QPushButton::clicked, this, &frmParametres::Cmd_Exit_Click);
}

void frmParametres::Form_Load()
{
    setLeftTwips(0);
    setTopTwips(0);
    Fonctions::Fermer_Fenetres();
    D().Ouvert.Ouvert_Parametres = true;
    Fonctions::Inscrire_Fenetre(Fonctions::Fenetre::Parametres, this);

    Cmd_Print->setIcon(QIcon(platform::LoadPicture(QStringLiteral("Print.bmp"))));
    Cmd_Exit->setIcon(QIcon(platform::LoadPicture(QStringLiteral("exit.bmp"))));

    const Declaration::Parametres &p = D().Parametres_Afficheur;
    Label_Entete->setText(Texte_Entete(p));
    Label_FirmWare->setText(
        QStringLiteral("Version %1.%2").arg(p.Version_Firmware[1]).arg(p.Version_Firmware[2]));
    Label_Serial_Number->setText(p.Numero_Serie);
    Label_Name->setText(p.Nom_Afficheur);
    Label_Alarme->setText(QString::number(p.Niveau_Alarme) + QStringLiteral(" dB."));
    Label_Offset->setText(Texte_Offset(p.Offset));
    Label_Aff_Centre->setText(Texte_Afficheur(p.Config_Aff_Centre, true, false, false));
    Label_Aff_Bas_Gauche->setText(Texte_Afficheur(p.Config_Aff_Bas_Gauche, true, true, false));
    Label_Aff_Bas_Droite->setText(Texte_Afficheur(p.Config_Aff_Bas_Droite, false, true, true));

    switch (p.Mode_Luminosite) {
    case 1:
        Label_Lumens->setText(QStringLiteral("Luminosité Manuelle."));
        Label_Type_Lumens->setText(QStringLiteral("Valeur de la Luminosité :"));
        Label_Value_Lumens->setText(QString::number(p.Valeur_Luminosite) + QStringLiteral(" / 15."));
        break;
    case 0:
        Label_Lumens->setText(QStringLiteral("Luminosité Automatique."));
        Label_Type_Lumens->setText(QStringLiteral("Type de Luminosité :"));
        Label_Value_Lumens->setText(Choix(p.Type_Luminosite_Auto, QStringLiteral("Luminosité Intérieure."),
                                          QStringLiteral("Luminosité Extérieure.")));
        break;
    default:
        Label_Lumens->clear();
        Label_Type_Lumens->clear();
        Label_Value_Lumens->clear();
    }
    Label_Heure_Auto->setText(Choix(p.Heure_Auto, QStringLiteral("Désactivé."), QStringLiteral("Activé.")));
    Label_Capteur->setText(p.Type_Capteur == 1   ? QStringLiteral("Liaison avec un Ferrin.")
                           : p.Type_Capteur == 2 ? QStringLiteral("Liaison avec un Ostra.")
                                                 : QString());

    Show();
    // A fixed table: no minimise or maximise box on its frame.
    if (auto *cadre = qobject_cast<QMdiSubWindow *>(parentWidget())) {
        cadre->setWindowFlags(cadre->windowFlags() & ~Qt::WindowMinMaxButtonsHint);
        cadre->show();
    }
}

void frmParametres::Form_Unload()
{
    D().Ouvert.Ouvert_Parametres = false;
}

void frmParametres::paintEvent(QPaintEvent *event)
{
    platform::Form::paintEvent(event);
    QPainter p(this);
    p.setPen(QPen(Qt::black, 2));
    const auto px = [](int twips) { return platform::Px(twips); };
    p.drawLine(px(60), px(kHaut), px(kDroite), px(kHaut));
    p.drawLine(px(kGauche), px(kBas), px(kDroite), px(kBas));
    p.drawLine(px(kGauche), px(kHaut), px(kGauche), px(kBas));
    p.drawLine(px(kDroite), px(kHaut), px(kDroite), px(kBas));
    p.drawLine(px(kColonne), px(600), px(kColonne), px(kBas));
    for (const int y : kRegles)
        p.drawLine(px(kGauche), px(y), px(kDroite), px(y));
}

void frmParametres::Cmd_Print_Click()
{
    platform::HandlerScope handler(this);
    platform::Printer printer;
    if (!platform::ShowPrinterDialog(printer) || !handler.Stands())
        return;
    const Boutons_Caches caches(Cmd_Print, Cmd_Exit);
    printer.PrintForm(*this);
}

void frmParametres::Cmd_Exit_Click()
{
    Unload();
}
