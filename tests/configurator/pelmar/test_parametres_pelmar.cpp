// The larger model's parameter files and tables: its exact header, name and texts, its 14 lines with the
// clock change, a smaller-model file refused, and both tables laid out with the clock-change row.
#include "configurator/Fichier_Parametres.h"
#include "configurator/Modele.h"
#include "configurator/windows/frmParametres.h"
#include "configurator/windows/frmPrint.h"
#include "platform/twips.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

namespace FP = configurator::Fichier_Parametres;
using configurator::Modele;

TEST(PelmarParameterFile, HeaderNameAndTexts)
{
    const auto &m = Modele();
    EXPECT_EQ(m.Entete_Fichier, QStringLiteral("Paramètres d'un Pelmar - Version 2.X"));
    EXPECT_EQ(m.Filtre_Fichier, QStringLiteral("Paramètres Pelmar (*.pelcfg)|*.pelcfg"));
    EXPECT_EQ(FP::Nom_Par_Defaut(QStringLiteral("Stade"), QDate(2026, 12, 8)),
              QStringLiteral("Paramètres Pelmar - Stade - 08-12-2026.pelcfg"));
    EXPECT_EQ(m.Message_Nom_Vide, QStringLiteral("Veuillez Entrer un Nom de Sauvegarde SVP !!!"));
    EXPECT_EQ(m.Titre_Sauvegarde_Impossible, QStringLiteral("Impossible de Sauver Les Paramètres !!!"));
    EXPECT_EQ(m.Message_Fichier_Refuse,
              QStringLiteral("Ce fichier n'est pas un fichier de Paramètres d'Pelmar !!!"));
    EXPECT_EQ(m.Titre_Ligne_Nom, QStringLiteral("Nom de l'Pelmar :"));
}

TEST(PelmarParameterFile, FourteenLinesWithTheClockChangeBeforeTheSensorLink)
{
    configurator::Controles_Config c;
    c.Check_Change_Automatique = 1;
    c.Option_Alim_Fantom = true;
    const QByteArray octets = FP::Contenu(FP::Lignes(c, {0, 2, 4}, false));
    EXPECT_TRUE(
        octets.startsWith("Param\xe8tres d'un Pelmar - Version 2.X\r\n0\r\n105\r\n2 4\r\n +-*/\r\n\r\n"));
    EXPECT_TRUE(octets.endsWith("\r\n1\r\n1\r\n1\r\n")); // brightness 1, clock change on, Ferrin
    const FP::Parametres_Lus p = FP::Lire(octets);
    EXPECT_EQ(p.Lignes, 14);
    EXPECT_EQ(p.Heure_Auto, QStringLiteral("1"));
    const FP::Textes_Tableau t = FP::Textes_Fichier(p);
    EXPECT_EQ(t.Heure_Auto, QStringLiteral("Activé"));
    EXPECT_EQ(t.Capteur, QStringLiteral("Liaison Avec un Ferrin"));
    EXPECT_EQ(t.Titre_Fenetre, QStringLiteral("Paramètres de l'Pelmar -  "));
    EXPECT_EQ(t.Entete, QStringLiteral("Pelmar -  "));
    c.Option_Alim_Fantom = false, c.Option_No_Alim_Fantom = true;
    EXPECT_EQ(FP::Textes_Fichier(FP::Lire(FP::Contenu(FP::Lignes(c, {0, 2, 4}, true)))).Capteur,
              QStringLiteral("Liaison Avec un Ostra"));
    EXPECT_EQ(FP::Textes_Fichier(FP::Lire(FP::Contenu(FP::Lignes(c, {0, 2, 4}, true)))).Entete,
              QStringLiteral("Pelmar - 40dB -  "));
}

TEST(PelmarParameterFile, ASmallerModelFileIsRefused)
{
    QTemporaryDir dossier;
    const QByteArray tuvik =
        "Param\xe8tres d'un Tuvik - Version 2.X\r\n0\r\n105\r\n2 3\r\n +-*/\r\n\r\n0\r\n0\r\n0\r\n"
        "0\r\n0\r\n1\r\n1\r\n";
    for (const QString &nom : {QStringLiteral("a.tuvcfg"), QStringLiteral("a.pelcfg")}) {
        QFile f(dossier.filePath(nom));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(tuvik);
        f.close();
        EXPECT_EQ(FP::Verifier(f.fileName()), FP::Verification::Refuse) << nom.toStdString();
    }
}

// Whether the pixel at (x, y) twips of the window's image is black: a ruled line passes there.
bool Regle(const QImage &image, int x, int y)
{
    return image.pixelColor(platform::Px(x), platform::Px(y)) == QColor(Qt::black);
}

TEST(PelmarParameterTables, WindowLayoutWithTheClockChangeRow)
{
    configurator::frmParametres f;
    EXPECT_EQ(f.size(), QSize(platform::Px(7065), platform::Px(6525)));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Paramètres de l'Pelmar"));
    EXPECT_EQ(f.Label3->text(), QStringLiteral("Nom de l'Pelmar :"));
    EXPECT_EQ(f.Label_Entete->geometry(), platform::TwipsRect(120, 90, 6825, 375));
    EXPECT_EQ(f.Label_FirmWare->geometry(), platform::TwipsRect(3585, 600, 3315, 255));
    EXPECT_EQ(f.Label_Type_Lumens->geometry(), platform::TwipsRect(150, 4470, 3315, 255));
    ASSERT_NE(f.Label10, nullptr);
    ASSERT_NE(f.Label_Heure_Auto, nullptr);
    EXPECT_EQ(f.Label10->text(), QStringLiteral("Changement d'Heure Automatique :"));
    EXPECT_EQ(f.Label_Heure_Auto->geometry(), platform::TwipsRect(3585, 4920, 3315, 255));
    EXPECT_EQ(f.Label11->geometry(), platform::TwipsRect(150, 5370, 3285, 255));
    EXPECT_EQ(f.Label_Capteur->geometry(), platform::TwipsRect(3600, 5370, 3285, 255));
    EXPECT_EQ(f.Cmd_Print->geometry(), platform::TwipsRect(5550, 5880, 615, 525));
    EXPECT_EQ(f.Cmd_Exit->geometry(), platform::TwipsRect(6360, 5880, 615, 525));
    const QImage image = f.grab().toImage();
    EXPECT_TRUE(Regle(image, 3000, 60));   // top edge
    EXPECT_TRUE(Regle(image, 1000, 5265)); // between the clock-change and sensor-link rows
    EXPECT_TRUE(Regle(image, 1000, 5730)); // bottom edge
    EXPECT_TRUE(Regle(image, 3525, 5500)); // column line down to the bottom
    EXPECT_TRUE(Regle(image, 90, 5600));
    EXPECT_FALSE(Regle(image, 5000, 5500)); // inside the empty last value
}

TEST(PelmarParameterTables, SheetLayoutWithTheClockChangeRow)
{
    configurator::frmPrint p;
    EXPECT_EQ(p.size(), QSize(platform::Px(7065), platform::Px(5910)));
    EXPECT_EQ(p.Label_Entete->geometry(), platform::TwipsRect(120, 180, 6825, 375));
    EXPECT_EQ(p.Label_FirmWare->geometry(), platform::TwipsRect(3590, 690, 3315, 255));
    ASSERT_NE(p.Label_Heure_Auto, nullptr);
    EXPECT_EQ(p.Label_Heure_Auto->geometry(), platform::TwipsRect(3590, 5010, 3315, 255));
    EXPECT_EQ(p.Label_Capteur->geometry(), platform::TwipsRect(3600, 5460, 3285, 255));
    const QImage image = p.grab().toImage();
    EXPECT_TRUE(Regle(image, 3000, 150));
    EXPECT_TRUE(Regle(image, 1000, 5360));
    EXPECT_TRUE(Regle(image, 1000, 5820));
    EXPECT_TRUE(Regle(image, 6960, 5700));
}

} // namespace
