// The larger model's parameter files and tables: its exact texts, its 14 lines with the clock change, a
// smaller-model file refused, and both tables laid out with the clock-change row.
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
using platform::TwipsRect;

// A ruled line passes at (x, y) twips of the window's image.
bool Regle(const QImage &image, int x, int y)
{
    return image.pixelColor(platform::Px(x), platform::Px(y)) == QColor(Qt::black);
}

TEST(PelmarParameterFile, TextsLinesAndTheOtherModelsFile)
{
    const auto &m = configurator::Modele();
    EXPECT_EQ(FP::Nom_Par_Defaut(QStringLiteral("Stade"), QDate(2026, 12, 8)),
              QStringLiteral("Paramètres Pelmar - Stade - 08-12-2026.pelcfg"));
    EXPECT_EQ(m.Filtre_Fichier, QStringLiteral("Paramètres Pelmar (*.pelcfg)|*.pelcfg"));
    EXPECT_EQ(m.Titre_Sauvegarde_Impossible, QStringLiteral("Impossible de Sauver Les Paramètres !!!"));
    EXPECT_EQ(m.Message_Fichier_Refuse,
              QStringLiteral("Ce fichier n'est pas un fichier de Paramètres d'Pelmar !!!"));

    configurator::Controles_Config c;
    c.Option_Alim_Fantom = true;
    const QByteArray octets = FP::Contenu(FP::Lignes(c, {0, 2, 4}, true));
    EXPECT_TRUE(
        octets.startsWith("Param\xe8tres d'un Pelmar - Version 2.X\r\n0\r\n105\r\n130 4\r\n +-*/\r\n\r\n"));
    EXPECT_TRUE(octets.endsWith("\r\n1\r\n1\r\n1\r\n")); // brightness 1, clock change on, Ferrin
    const FP::Textes_Tableau t = FP::Textes_Fichier(FP::Lire(octets));
    EXPECT_EQ(t.Heure_Auto, QStringLiteral("Activé"));
    EXPECT_EQ(t.Capteur, QStringLiteral("Liaison Avec un Ferrin"));
    EXPECT_EQ(t.Entete, QStringLiteral("Pelmar - 40dB -  "));

    QTemporaryDir dossier;
    QByteArray tuvik = octets;
    tuvik.replace("Pelmar", "Tuvik");
    for (const char *nom : {"a.tuvcfg", "a.pelcfg"}) {
        QFile f(dossier.filePath(QString::fromLatin1(nom)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(tuvik);
        f.close();
        EXPECT_EQ(FP::Verifier(f.fileName()), FP::Verification::Refuse) << nom;
    }
}

TEST(PelmarParameterTables, LayoutWithTheClockChangeRow)
{
    configurator::frmParametres f;
    EXPECT_EQ(f.size(), QSize(platform::Px(7065), platform::Px(6525)));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Paramètres de l'Pelmar"));
    EXPECT_EQ(f.Label3->text(), QStringLiteral("Nom de l'Pelmar :"));
    EXPECT_EQ(f.Label_Entete->geometry(), TwipsRect(120, 90, 6825, 375));
    EXPECT_EQ(f.Label_FirmWare->geometry(), TwipsRect(3585, 600, 3315, 255));
    ASSERT_NE(f.Label_Heure_Auto, nullptr);
    EXPECT_EQ(f.Label10->text(), QStringLiteral("Changement d'Heure Automatique :"));
    EXPECT_EQ(f.Label_Heure_Auto->geometry(), TwipsRect(3585, 4920, 3315, 255));
    EXPECT_EQ(f.Label_Capteur->geometry(), TwipsRect(3600, 5370, 3285, 255));
    EXPECT_EQ(f.Cmd_Exit->geometry(), TwipsRect(6360, 5880, 615, 525));
    QImage image = f.grab().toImage();
    EXPECT_TRUE(Regle(image, 3000, 60) && Regle(image, 1000, 5265) && Regle(image, 1000, 5730));
    EXPECT_TRUE(Regle(image, 3525, 5500) && Regle(image, 90, 5600));
    EXPECT_FALSE(Regle(image, 5000, 5500)); // inside the empty last value

    configurator::frmPrint p;
    EXPECT_EQ(p.size(), QSize(platform::Px(7065), platform::Px(5910)));
    EXPECT_EQ(p.Label_Entete->geometry(), TwipsRect(120, 180, 6825, 375));
    EXPECT_EQ(p.Label_FirmWare->geometry(), TwipsRect(3590, 690, 3315, 255));
    EXPECT_EQ(p.Label_Capteur->geometry(), TwipsRect(3600, 5460, 3285, 255));
    image = p.grab().toImage();
    EXPECT_TRUE(Regle(image, 3000, 150) && Regle(image, 1000, 5360) && Regle(image, 1000, 5820));
}

} // namespace
