// The smaller model's parameter files and tables: its exact header, name and texts, its 13 lines without
// the clock change, a larger-model file refused, and both tables one row shorter.
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

TEST(TuvikParameterFile, HeaderNameAndTexts)
{
    const auto &m = Modele();
    EXPECT_EQ(m.Entete_Fichier, QStringLiteral("Paramètres d'un Tuvik - Version 2.X"));
    EXPECT_EQ(m.Filtre_Fichier, QStringLiteral("Paramètres Tuvik (*.tuvcfg)|*.tuvcfg"));
    EXPECT_EQ(FP::Nom_Par_Defaut(QStringLiteral("Stade"), QDate(2026, 12, 8)),
              QStringLiteral("Paramètres Tuvik - Stade - 08-12-2026.tuvcfg"));
    EXPECT_EQ(m.Message_Nom_Vide, QStringLiteral("Veuillez entrer un nom de sauvegarde SVP !!!"));
    EXPECT_EQ(m.Titre_Sauvegarde_Impossible, QStringLiteral("Impossible de sauver les paramètres !!!"));
    EXPECT_EQ(m.Message_Fichier_Refuse,
              QStringLiteral("Ce fichier n'est pas un fichier de paramètres d'Tuvik !!!"));
    EXPECT_EQ(m.Titre_Ligne_Nom, QStringLiteral("Nom de l'Tuvik :"));
}

TEST(TuvikParameterFile, ThirteenLinesTheSensorLinkLast)
{
    configurator::Controles_Config c;
    c.Check_Change_Automatique = 0; // no clock: never written
    c.Option_No_Alim_Fantom = true;
    const QByteArray octets = FP::Contenu(FP::Lignes(c, {0, 2, 3}, false));
    EXPECT_TRUE(octets.startsWith("Param\xe8tres d'un Tuvik - Version 2.X\r\n0\r\n105\r\n2 3\r\n"));
    EXPECT_TRUE(octets.endsWith("\r\n\r\n1\r\n2\r\n")); // type unset, brightness 1, Ostra
    EXPECT_EQ(octets.count("\r\n"), 13);
    const FP::Parametres_Lus p = FP::Lire(octets);
    EXPECT_TRUE(p.Complet);
    EXPECT_EQ(p.Lignes, 13);
    EXPECT_TRUE(p.Heure_Auto.isEmpty());
    const FP::Textes_Tableau t = FP::Textes_Fichier(p);
    EXPECT_TRUE(t.Heure_Auto.isEmpty());
    EXPECT_EQ(t.Capteur, QStringLiteral("Liaison avec un Ostra"));
    EXPECT_EQ(t.Entete, QStringLiteral("Tuvik -  "));
    EXPECT_EQ(t.Titre_Fenetre, QStringLiteral("Paramètres de l'Tuvik -  "));
    c.Option_No_Alim_Fantom = false, c.Option_Alim_Fantom = true;
    const FP::Textes_Tableau u = FP::Textes_Fichier(FP::Lire(FP::Contenu(FP::Lignes(c, {0, 2, 3}, true))));
    EXPECT_EQ(u.Capteur, QStringLiteral("Liaison avec un Ferrin"));
    EXPECT_EQ(u.Entete, QStringLiteral("Tuvik - 40dB -  "));
    // The printed sheet words it as the larger model does.
    EXPECT_EQ(FP::Textes_Feuille(c, {0, 2, 3}, false).Capteur, QStringLiteral("Liaison Avec un Ferrin"));
    EXPECT_TRUE(FP::Textes_Feuille(c, {0, 2, 3}, false).Heure_Auto.isEmpty());
}

TEST(TuvikParameterFile, ALargerModelFileIsRefused)
{
    QTemporaryDir dossier;
    const QByteArray pelmar =
        "Param\xe8tres d'un Pelmar - Version 2.X\r\n0\r\n105\r\n2 4\r\n +-*/\r\n\r\n0\r\n0\r\n"
        "0\r\n0\r\n0\r\n1\r\n1\r\n1\r\n";
    for (const QString &nom : {QStringLiteral("a.pelcfg"), QStringLiteral("a.tuvcfg")}) {
        QFile f(dossier.filePath(nom));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(pelmar);
        f.close();
        EXPECT_EQ(FP::Verifier(f.fileName()), FP::Verification::Refuse) << nom.toStdString();
    }
}

bool Regle(const QImage &image, int x, int y)
{
    return image.pixelColor(platform::Px(x), platform::Px(y)) == QColor(Qt::black);
}

TEST(TuvikParameterTables, WindowLayoutWithoutTheClockChangeRow)
{
    configurator::frmParametres f;
    EXPECT_EQ(f.size(), QSize(platform::Px(7065), platform::Px(5970)));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Paramètres de l'Tuvik"));
    EXPECT_EQ(f.Label3->text(), QStringLiteral("Nom de l'Tuvik :"));
    EXPECT_EQ(f.Label10, nullptr);
    EXPECT_EQ(f.Label_Heure_Auto, nullptr);
    EXPECT_EQ(f.Label11->geometry(), platform::TwipsRect(150, 4920, 3285, 255));
    EXPECT_EQ(f.Label_Capteur->geometry(), platform::TwipsRect(3600, 4920, 3285, 255));
    EXPECT_EQ(f.Cmd_Print->geometry(), platform::TwipsRect(5550, 5370, 615, 525));
    EXPECT_EQ(f.Cmd_Exit->geometry(), platform::TwipsRect(6360, 5370, 615, 525));
    const QImage image = f.grab().toImage();
    EXPECT_TRUE(Regle(image, 1000, 4815));
    EXPECT_TRUE(Regle(image, 1000, 5270)); // bottom edge
    EXPECT_TRUE(Regle(image, 3525, 5200));
    EXPECT_FALSE(Regle(image, 3525, 5500)); // the column line ends with the frame
}

TEST(TuvikParameterTables, SheetLayoutWithoutTheClockChangeRow)
{
    configurator::frmPrint p;
    EXPECT_EQ(p.size(), QSize(platform::Px(7065), platform::Px(5490)));
    EXPECT_EQ(p.Label_Heure_Auto, nullptr);
    EXPECT_EQ(p.Label_Capteur->geometry(), platform::TwipsRect(3600, 5010, 3285, 255));
    const QImage image = p.grab().toImage();
    EXPECT_TRUE(Regle(image, 1000, 4900));
    EXPECT_TRUE(Regle(image, 1000, 5360)); // bottom edge
    EXPECT_TRUE(Regle(image, 90, 5300));
    EXPECT_FALSE(Regle(image, 90, 5450));
}

} // namespace
