// The splash window and the about box, offscreen, with each model's texts; the pictures' folder is not
// beside the test program, so both windows show without their pictures.
#include "configurator/Modele.h"
#include "configurator/windows/frmAbout.h"
#include "configurator/windows/frmMain.h"
#include "configurator/windows/frmStart.h"
#include "platform/form.h"
#include "platform/pictures.h"
#include "platform/ticks.h"
#include "relecture.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

using configurator::About;
using configurator::frmAbout;
using configurator::frmMain;
using configurator::frmStart;
using configurator::Start;

// The texts each program must show, written out here rather than taken from the model descriptions.
struct Textes
{
    QString firmware, titre, version, date;
};

Textes Attendus()
{
    const QString mot = configurator::Modele().Mot_Modele;
    EXPECT_TRUE(mot == QStringLiteral("Pelmar") || mot == QStringLiteral("Tuvik")) << mot.toStdString();
    if (mot == QStringLiteral("Tuvik"))
        return {QStringLiteral("Version 2.3-B - Installateur"),
                QStringLiteral("LOGICIEL DE CONFIGURATION DE L'Tuvik"), QStringLiteral("Version 2.3-B"),
                QStringLiteral("Version : 01012008")};
    return {QStringLiteral("Version 2.4 - Installateur"),
            QStringLiteral("LOGICIEL DE CONFIGURATION DE L'Pelmar"), QStringLiteral("Version 2.4"),
            QStringLiteral("Version : 25062009")};
}

class Accueil : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // A main window closed by an earlier case leaves the program closing.
        platform::SetProgramClosing(false);
        configtest::Ports_Vers_Rien();
        main = std::make_unique<frmMain>();
        main->show();
        platform::SetTickSpeed(20.0);
    }
    void TearDown() override
    {
        platform::SetTickSpeed(1.0);
        platform::SetProgramClosing(false);
        Start::Unload();
        About::Unload();
        QApplication::processEvents();
        main.reset();
    }
    std::unique_ptr<frmMain> main;
};

TEST_F(Accueil, SplashShowsTheModelForThreeSecondsWithTheMainWindowDisabled)
{
    bool principaleActive = true, splashVisible = false;
    QTimer::singleShot(platform::ScaledInterval(500), main.get(), [&] {
        principaleActive = main->isEnabled();
        frmStart *s = Start::Instance();
        splashVisible = s && s->isVisible();
    });
    const qint64 debut = platform::GetTickCount();
    frmStart &s = Start::Load();
    const qint64 duree = platform::GetTickCount() - debut;

    // A coarse timer may fire up to 5 % early.
    EXPECT_GE(duree, 2850);
    EXPECT_LT(duree, 6000);
    EXPECT_FALSE(principaleActive);
    EXPECT_TRUE(splashVisible);
    EXPECT_TRUE(main->isEnabled());
    EXPECT_FALSE(main->Timer_Wait.isActive());

    EXPECT_EQ(s.Label1->text(), configurator::Modele().Mot_Modele);
    EXPECT_EQ(s.Label_Version->text(), QStringLiteral("Logiciel de Configuration"));
    EXPECT_EQ(s.Label_Firmware->text(), Attendus().firmware);
    for (QLabel *l : {s.Label1, s.Label_Version, s.Label_Firmware}) {
        EXPECT_EQ(l->font().family(), QStringLiteral("Comic Sans MS"));
        EXPECT_EQ(l->parentWidget(), s.Acceuil);
    }
    EXPECT_EQ(s.Image_Logo_Velquin->parentWidget(), s.Acceuil);
    EXPECT_EQ(s.Image_Appareil->parentWidget(), s.Acceuil);
}

TEST_F(Accueil, MissingPicturesLeaveEmptyImages)
{
    ASSERT_FALSE(QDir(platform::ImagesFolder()).exists());
    frmStart &s = Start::Load();
    EXPECT_TRUE(s.Image_Logo_Velquin->pixmap().isNull());
    EXPECT_TRUE(s.Image_Appareil->pixmap().isNull());
    EXPECT_TRUE(s.isVisible());
    frmAbout &a = About::Show();
    EXPECT_TRUE(a.picIcon->pixmap().isNull());
    EXPECT_TRUE(a.isVisible());
}

TEST_F(Accueil, SplashStopsWaitingWhenTheProgramCloses)
{
    QTimer::singleShot(platform::ScaledInterval(300), main.get(), [] { platform::SetProgramClosing(true); });
    const qint64 debut = platform::GetTickCount();
    Start::Load();
    EXPECT_LT(platform::GetTickCount() - debut, 3000);
}

TEST_F(Accueil, AboutBoxTextsAndModalBehaviour)
{
    const QString m = configurator::Modele().Mot_Modele;
    const QString attendue =
        "Description de l'application :\n\r_ Ce logiciel est exclusivement destiné aux installateurs d'" + m +
        ".\n\r_ Il permet de régler les différents paramètres de l'" + m +
        " ou de détecter une éventuelle erreur de fonctionnement.\n\r_ Les différents paramètres réglables "
        "sont la configuration des afficheurs, l'offset, le niveau d'alarme, la luminosité d'affichage, ou "
        "encore le nom de l'" +
        m +
        ".\n\r\n\rATTENTION : Il est necessaire d'avoir installé les drivers USB pour que le logiciel puisse "
        "détecter le port de communication.";
    EXPECT_EQ(configurator::Description_About(), attendue);

    frmAbout &a = About::Show();
    EXPECT_EQ(a.windowTitle(), QStringLiteral("A Propos de ..."));
    EXPECT_EQ(a.lblTitle->text(), Attendus().titre);
    EXPECT_EQ(a.lblVersion->text(), Attendus().version);
    EXPECT_EQ(a.Label_Version->text(), Attendus().date);
    EXPECT_EQ(a.cmdOK->text(), QStringLiteral("OK"));
    // Each pair shows as one line break, the double one as an empty line.
    EXPECT_EQ(a.lblDescription->text(),
              QString(attendue).replace(QStringLiteral("\n\r"), QStringLiteral("\n")));
    EXPECT_FALSE(a.lblDescription->text().contains(QLatin1Char('\r')));
    // The whole description fits its label.
    EXPECT_LE(a.lblDescription->heightForWidth(a.lblDescription->width()), a.lblDescription->height());

    // Modal in effect: the main window stays disabled until OK.
    EXPECT_FALSE(main->isEnabled());
    a.cmdOK->click();
    EXPECT_EQ(About::Instance(), nullptr);
    EXPECT_TRUE(main->isEnabled());
}

} // namespace
