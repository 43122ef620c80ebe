// The larger model's parameter files: its exact header, name and texts, its 14 lines with the clock
// change, and a smaller-model file refused.
#include "configurator/Fichier_Parametres.h"
#include "configurator/Modele.h"

#include <QFile>
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

} // namespace
