#include "configurator/windows/frmAbout.h"

#include "configurator/Modele.h"
#include "configurator/windows/frmMain.h"
#include "platform/pictures.h"
#include "platform/twips.h"

namespace configurator {

namespace {

QLabel *label(QWidget *parent, int l, int t, int w, int h)
{
    auto *lab = new QLabel(parent);
    lab->setWordWrap(true);
    lab->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    platform::PlaceTwips(lab, l, t, w, h);
    return lab;
}

} // namespace

QString Description_About()
{
    const QString &m = Modele().Mot_Modele;
    const QString saut = QStringLiteral("\n\r");
    return QStringLiteral("Description de l'application :") + saut +
           QStringLiteral("_ Ce logiciel est exclusivement destiné aux installateurs d'%1.").arg(m) + saut +
           QStringLiteral("_ Il permet de régler les différents paramètres de l'%1 ou de détecter une "
                          "éventuelle erreur de fonctionnement.")
               .arg(m) +
           saut +
           QStringLiteral("_ Les différents paramètres réglables sont la configuration des afficheurs, "
                          "l'offset, le niveau d'alarme, la luminosité d'affichage, ou encore le nom de "
                          "l'%1.")
               .arg(m) +
           saut + saut +
           QStringLiteral(
               "ATTENTION : Il est necessaire d'avoir installé les drivers USB pour que le logiciel "
               "puisse détecter le port de communication.");
}

frmAbout::frmAbout() : platform::Form(Kind::Independent, QStringLiteral("A Propos de ..."), 7500, 4200)
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    picIcon = new QLabel(this);
    picIcon->setScaledContents(true);
    platform::PlaceTwips(picIcon, 240, 240, 1500, 900);
    lblTitle = label(this, 1950, 240, 5300, 300);
    QFont gras = lblTitle->font();
    gras.setBold(true);
    lblTitle->setFont(gras);
    lblVersion = label(this, 1950, 600, 2500, 255);
    Label_Version = label(this, 4560, 600, 2700, 255);
    Line1 = new QFrame(this);
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    platform::PlaceTwips(Line1, 240, 1200, 7020, 30);
    lblDescription = label(this, 240, 1320, 7020, 2160);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    platform::PlaceTwips(cmdOK, 5940, 3600, 1260, 375);
    connect(cmdOK, &QPushButton::clicked, this, [this] { Unload(); });
}

void frmAbout::Form_Load()
{
    frmMain *m = frmMain::Instance();
    if (m)
        m->setEnabled(false);
    picIcon->setPixmap(platform::LoadPicture(QStringLiteral("Logo Velquin.bmp")));
    lblTitle->setText(Modele().About_Titre);
    lblVersion->setText(Modele().About_Version);
    Label_Version->setText(Modele().About_Date_Version);
    // The label would show each carriage return as a blank opening the next line: each pair is one break.
    lblDescription->setText(Description_About().replace(QStringLiteral("\n\r"), QStringLiteral("\n")));
    if (m)
        move(m->geometry().center() - rect().center());
    Show();
}

void frmAbout::Form_Unload()
{
    if (frmMain *m = frmMain::Instance())
        m->setEnabled(true);
}

} // namespace configurator
