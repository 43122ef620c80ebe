#include "analysis/core/frmAbout.h"

#include "analysis/core/Fonctions.h"
#include "analysis/core/frmMain.h"
#include "platform/pictures.h"
#include "platform/twips.h"

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

frmAbout::frmAbout()
    : platform::Form(Kind::Independent, QStringLiteral("A Propos de Velquin Analyser"), 7500, 5400)
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
    lblDescription = label(this, 240, 1320, 7020, 1000);
    Label_System_Exploitation = label(this, 240, 2460, 7020, 760);
    Label_Resolution = label(this, 240, 3340, 7020, 1100);
    cmdOK = new QPushButton(QStringLiteral("Ok"), this);
    platform::PlaceTwips(cmdOK, 5940, 4740, 1260, 375);
    connect(cmdOK, &QPushButton::clicked, this, [this] { Unload(); });
}

void frmAbout::Form_Load()
{
    if (frmMain *m = frmMain::Instance())
        m->setEnabled(false);
    Fonctions::Fermer_Fenetres();
    picIcon->setPixmap(platform::LoadPicture(QStringLiteral("Logo Velquin.bmp")));
    const QString nl = QStringLiteral("\r\n");
    lblTitle->setText(QStringLiteral("LOGICIEL D'ANALYSE DES DONNEES DE L'Pelmar"));
    lblVersion->setText(QStringLiteral("Version 2.4"));
    Label_Version->setText(QStringLiteral("Version :15072009"));
    lblDescription->setText(QStringLiteral("*  Description de l'application :") + nl +
                            QStringLiteral("Logiciel d'analyse des données enregistrées par l'Pelmar.") + nl +
                            QStringLiteral("Ces données peuvent être récupérées sous forme de tableau, de "
                                           "graphique ou être sauvegardées."));
    Label_System_Exploitation->setText(QStringLiteral("*  Systèmes d'exploitation :") + nl +
                                       QStringLiteral("    _ Windows 2000.") + nl +
                                       QStringLiteral("    _ Windows XP."));
    Label_Resolution->setText(QStringLiteral("*  Résolutions compatibles :") + nl +
                              QStringLiteral("    _ 800 x 600.") + nl + QStringLiteral("    _ 1024 x 768.") +
                              nl + QStringLiteral("    _ 1152 x 864 ou +  (Recommandé)."));
    if (frmMain *m = frmMain::Instance())
        move(m->geometry().center() - rect().center());
}

void frmAbout::Form_Unload()
{
    if (frmMain *m = frmMain::Instance())
        m->setEnabled(true);
}
