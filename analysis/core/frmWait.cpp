#include "analysis/core/frmWait.h"

#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "platform/twips.h"

using Declaration::D;

frmWait::frmWait() : platform::Form(Kind::MdiChild, QStringLiteral("Veuillez patienter"), 4500, 1400)
{
    Label_Entete = new QLabel(this);
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    Label_Entete->setFont(f);
    Label_Entete->setAlignment(Qt::AlignCenter);
    platform::PlaceTwips(Label_Entete, 120, 150, 4260, 255);
    Progression = new platform::ProgressBar(this);
    platform::PlaceTwips(Progression, 120, 560, 4260, 255);
    Label_Progression = new QLabel(this);
    Label_Progression->setAlignment(Qt::AlignCenter);
    platform::PlaceTwips(Label_Progression, 120, 960, 4260, 255);
}

void frmWait::Form_Load()
{
    D().Ouvert.Ouvert_Wait = true;
    Fonctions::Inscrire_Fenetre(Fonctions::Fenetre::Wait, this);
    setLeftTwips(0);
    setTopTwips(0);
    Label_Entete->setText(QStringLiteral("Traitement des données en cours ..."));
}

void frmWait::Form_Unload()
{
    D().Ouvert.Ouvert_Wait = false;
}
