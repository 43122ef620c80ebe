#include "configurator/windows/frmStart.h"

#include "configurator/Modele.h"
#include "configurator/windows/frmMain.h"
#include "platform/pictures.h"
#include "platform/ticks.h"
#include "platform/twips.h"

#include <QPointer>

namespace configurator {

namespace {

QLabel *texteBlanc(QWidget *parent, const QString &text, int points, int l, int t, int w, int h)
{
    auto *label = new QLabel(text, parent);
    QFont f(QStringLiteral("Comic Sans MS"), points);
    f.setBold(true);
    label->setFont(f);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(p);
    label->setAlignment(Qt::AlignCenter);
    platform::PlaceTwips(label, l, t, w, h);
    return label;
}

QLabel *image(QWidget *parent, int l, int t, int w, int h)
{
    auto *label = new QLabel(parent);
    label->setScaledContents(true);
    platform::PlaceTwips(label, l, t, w, h);
    return label;
}

} // namespace

frmStart::frmStart() : platform::Form(Kind::Owned, QString(), 7200, 4800)
{
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);

    Acceuil = new QFrame(this);
    Acceuil->setFrameShape(QFrame::Box);
    platform::SetBackground(Acceuil, QColor(9, 103, 181));
    platform::PlaceTwips(Acceuil, 120, 120, 6960, 4560);

    Image_Logo_Velquin = image(Acceuil, 240, 240, 2700, 1500);
    Image_Appareil = image(Acceuil, 3360, 240, 3360, 2400);
    Label1 = texteBlanc(Acceuil, Modele().Mot_Modele, 20, 120, 2760, 6720, 600);
    Label_Version =
        texteBlanc(Acceuil, QStringLiteral("Logiciel de Configuration"), 14, 120, 3360, 6720, 480);
    Label_Firmware = texteBlanc(Acceuil, QString(), 12, 120, 3900, 6720, 420);
}

void frmStart::Form_Load()
{
    // The main window may go while the splash waits (the program closing).
    const QPointer<frmMain> m = frmMain::Instance();
    if (m)
        m->setEnabled(false);
    // A missing picture leaves its image empty: the splash still shows.
    Image_Logo_Velquin->setPixmap(platform::LoadPicture(QStringLiteral("Logo Velquin.bmp")));
    Image_Appareil->setPixmap(platform::LoadPicture(QStringLiteral("Dorva Series.bmp")));
    Label_Firmware->setText(Modele().Label_Firmware);
    if (m)
        move(m->geometry().center() - rect().center());
    Show();
    if (!m)
        return;
    m->Timer_Wait.start(platform::ScaledInterval(3000));
    platform::PumpUntil([m] { return !m || !m->Timer_Wait.isActive() || platform::ProgramClosing(); });
    if (m)
        m->setEnabled(true);
}

} // namespace configurator
