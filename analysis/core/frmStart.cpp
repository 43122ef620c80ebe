#include "analysis/core/frmStart.h"

#include "analysis/core/Declaration.h"
#include "analysis/core/frmMain.h"
#include "platform/pictures.h"
#include "platform/ticks.h"
#include "platform/twips.h"

using Declaration::D;

namespace {

QLabel *texteBlanc(QWidget *parent, const QString &text, int points)
{
    auto *l = new QLabel(text, parent);
    QFont f(QStringLiteral("Comic Sans MS"), points);
    f.setBold(true);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    l->setPalette(p);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

} // namespace

frmStart::frmStart() : platform::Form(Kind::Owned, QStringLiteral("Velquin Analyser"), 7200, 4800)
{
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);

    Acceuil = new QFrame(this);
    Acceuil->setFrameShape(QFrame::Box);
    platform::SetBackground(Acceuil, QColor(9, 103, 181));
    platform::PlaceTwips(Acceuil, 120, 120, 6960, 4560);

    Image_Logo_Velquin = new QLabel(Acceuil);
    Image_Logo_Velquin->setScaledContents(true);
    platform::PlaceTwips(Image_Logo_Velquin, 240, 240, 2700, 1500);
    Image_Appareil = new QLabel(Acceuil);
    Image_Appareil->setScaledContents(true);
    platform::PlaceTwips(Image_Appareil, 3360, 240, 3360, 2400);

    Label_Firmware[1] = texteBlanc(Acceuil, QStringLiteral("Velquin Analyser"), 20);
    platform::PlaceTwips(Label_Firmware[1], 120, 2880, 6720, 600);
    Label_Firmware[0] = texteBlanc(Acceuil, QStringLiteral("Version 2.4"), 12);
    platform::PlaceTwips(Label_Firmware[0], 120, 3480, 6720, 420);
    Label_Version = texteBlanc(Acceuil, QStringLiteral("Pelmar"), 14);
    platform::PlaceTwips(Label_Version, 120, 3960, 6720, 480);
}

void frmStart::Form_Load()
{
    frmMain *m = frmMain::Instance();
    if (m)
        m->setEnabled(false);
    // A missing picture leaves its image empty: the splash still shows.
    Image_Logo_Velquin->setPixmap(platform::LoadPicture(QStringLiteral("Logo Velquin.bmp")));
    Image_Appareil->setPixmap(platform::LoadPicture(QStringLiteral("Dorva Series.bmp")));
    if (m) {
        move(m->geometry().center() - rect().center());
    }
    Show();
    if (m) {
        m->Timer_Wait.start(platform::ScaledInterval(3000));
        platform::PumpUntil([m] { return !m->Timer_Wait.isActive() || D().Etat_Liaison.Arret_Demande; });
        m->setEnabled(true);
    }
}
