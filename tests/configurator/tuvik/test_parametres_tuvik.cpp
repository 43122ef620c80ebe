// The smaller model's parameter files and tables: its exact texts, its 13 lines without the clock change, a
// larger-model file refused, and both tables one row shorter.
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

bool Regle(const QImage &image, int x, int y)
{
    return image.pixelColor(platform::Px(x), platform::Px(y)) == QColor(Qt::black);
}

TEST(TuvikParameterFile, TextsLinesAndTheOtherModelsFile)
{
    const auto &m = configurator::Modele();
    EXPECT_EQ(FP::Nom_Par_Defaut(QStringLiteral("Stade"), QDate(2026, 12, 8)),
              QStringLiteral("Paramètres Tuvik - Stade - 08-12-2026.tuvcfg"));
    EXPECT_EQ(m.Filtre_Fichier, QStringLiteral("Paramètres Tuvik (*.tuvcfg)|*.tuvcfg"));
    EXPECT_EQ(m.Titre_Sauvegarde_Impossible, QStringLiteral("Impossible de sauver les paramètres !!!"));
    EXPECT_EQ(m.Message_Fichier_Refuse,
              QStringLiteral("Ce fichier n'est pas un fichier de paramètres d'Tuvik !!!"));

    configurator::Controles_Config c;
    c.Option_No_Alim_Fantom = true;
    const QByteArray octets = FP::Contenu(FP::Lignes(c, {0, 2, 3}, false));
    EXPECT_TRUE(octets.startsWith("Param\xe8tres d'un Tuvik - Version 2.X\r\n0\r\n105\r\n2 3\r\n"));
    EXPECT_TRUE(octets.endsWith("\r\n\r\n1\r\n2\r\n")); // type unset, brightness 1, Ostra
    EXPECT_EQ(octets.count("\r\n"), 13);
    const FP::Parametres_Lus p = FP::Lire(octets);
    EXPECT_TRUE(p.Valide);
    EXPECT_EQ(FP::Textes_Fichier(p).Capteur, QStringLiteral("Liaison avec un Ostra"));
    EXPECT_EQ(FP::Textes_Feuille(c, {0, 2, 3}, false).Capteur, QStringLiteral("Liaison Avec un Ostra"));
    EXPECT_TRUE(FP::Textes_Feuille(c, {0, 2, 3}, false).Heure_Auto.isEmpty());

    QTemporaryDir dossier;
    QByteArray pelmar = octets;
    pelmar.replace("Tuvik", "Pelmar");
    for (const char *nom : {"a.pelcfg", "a.tuvcfg"}) {
        QFile f(dossier.filePath(QString::fromLatin1(nom)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(pelmar);
        f.close();
        EXPECT_EQ(FP::Verifier(f.fileName()), FP::Verification::Refuse) << nom;
    }
}

TEST(TuvikParameterTables, LayoutWithoutTheClockChangeRow)
{
    configurator::frmParametres f;
    EXPECT_EQ(f.size(), QSize(platform::Px(7065), platform::Px(5970)));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Paramètres de l'Tuvik"));
    EXPECT_EQ(f.Label3->text(), QStringLiteral("Nom de l'Tuvik :"));
    EXPECT_TRUE(f.Label10 == nullptr && f.Label_Heure_Auto == nullptr);
    EXPECT_EQ(f.Label_Capteur->geometry(), TwipsRect(3600, 4920, 3285, 255));
    EXPECT_EQ(f.Cmd_Print->geometry(), TwipsRect(5550, 5370, 615, 525));
    QImage image = f.grab().toImage();
    EXPECT_TRUE(Regle(image, 1000, 4815) && Regle(image, 1000, 5270) && Regle(image, 3525, 5200));
    EXPECT_FALSE(Regle(image, 3525, 5500)); // the column line ends with the frame

    configurator::frmPrint p;
    EXPECT_EQ(p.size(), QSize(platform::Px(7065), platform::Px(5490)));
    EXPECT_EQ(p.Label_Capteur->geometry(), TwipsRect(3600, 5010, 3285, 255));
    image = p.grab().toImage();
    EXPECT_TRUE(Regle(image, 1000, 4900) && Regle(image, 1000, 5360) && Regle(image, 90, 5300));
    EXPECT_FALSE(Regle(image, 90, 5450));
}

} // namespace
