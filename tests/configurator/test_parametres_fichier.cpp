// The parameter file of either program as plain functions: bytes written, round trip through the check and
// the reader, the reader's edge cases and short files, and the texts of both parameter tables.
#include "configurator/Declaration.h"
#include "configurator/Fichier_Parametres.h"
#include "configurator/Modele.h"
#include "odd_files.h"
#include "parametres_test.h"
#include "relecture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

namespace FP = configurator::Fichier_Parametres;
using configtest::Octets;
using configtest::Reglages;
using configurator::Controles_Config;
using configurator::Modele;
using Verification = FP::Verification;

int Nombre_Lignes()
{
    return Modele().Horloge() ? 14 : 13;
}

class ParameterFile : public ::testing::Test
{
protected:
    void SetUp() override { configurator::Declaration::Reinitialiser(); }
    QString Ecrire(const QString &nom, const QByteArray &octets)
    {
        QFile f(dossier.filePath(nom));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(octets);
        return f.fileName();
    }
    QTemporaryDir dossier;
};

TEST_F(ParameterFile, RoundTripOfSingleByteLinesWithCrLf)
{
    const QStringList lignes = FP::Lignes(Reglages(), {0, 2, 4}, false);
    ASSERT_EQ(lignes.size(), Nombre_Lignes());
    EXPECT_EQ(lignes.mid(1, 11), (QStringList{"-5", "85", "2 4", " Salle des fêtes+-*/", "12345678", "2", "4",
                                              "0", "1", "1", "9"}));
    EXPECT_EQ(lignes.last(), QStringLiteral("2"));
    const QByteArray octets = FP::Contenu(lignes);
    EXPECT_EQ(octets.count("\r\n"), Nombre_Lignes());
    EXPECT_EQ(octets.count('\n'), Nombre_Lignes());
    EXPECT_TRUE(octets.startsWith("Param\xe8tres d'un ")); // one byte for "è", one for "ê"
    EXPECT_TRUE(octets.contains(" Salle des f\xeates+-*/\r\n"));

    // A line break held in a text never splits its line: the text is written up to it.
    Controles_Config casse = Reglages();
    casse.Text_Name = QStringLiteral("Gym\r\nnase");
    casse.Text_Serial_Number = QStringLiteral("1234\n5678");
    const QByteArray une_ligne = FP::Contenu(FP::Lignes(casse, {0, 2, 4}, false));
    EXPECT_EQ(une_ligne.count('\n'), Nombre_Lignes());
    EXPECT_EQ(FP::Lire(une_ligne).Nom, QStringLiteral(" Gym"));
    EXPECT_EQ(FP::Lire(une_ligne).Numero_Serie, QStringLiteral("1234"));

    const QString chemin = Ecrire(QStringLiteral("s.") + Modele().Extension_Fichier, octets);
    ASSERT_EQ(FP::Verifier(chemin), Verification::Accepte);
    const FP::Parametres_Lus p = FP::Lire_Fichier(chemin);
    EXPECT_TRUE(p.Valide);
    EXPECT_EQ(p.Lignes, Nombre_Lignes());
    EXPECT_EQ(
        (QStringList{p.Offset, p.Alarme, p.Numero_Serie, p.Aff_Centre, p.Aff_Bas_Gauche, p.Aff_Bas_Droite,
                     p.Mode_Lumens, p.Type_Lumens, p.Valeur_Lumens, p.Heure_Auto, p.Capteur}),
        (QStringList{"-5", "85", "12345678", "2", "4", "0", "1", "1", "9",
                     Modele().Horloge() ? QStringLiteral("0") : QString(), "2"}));
    EXPECT_EQ(p.Nom, QStringLiteral(" Salle des fêtes"));
    EXPECT_EQ(p.Version_Majeure, 2);
    EXPECT_EQ(p.Version_Mineure, 4);
    EXPECT_EQ(p.Modele_40dB, false);
}

TEST_F(ParameterFile, NameSignAnd40dBEdgeCases)
{
    Controles_Config c = Reglages();
    c.Text_Name.clear();
    EXPECT_EQ(FP::Lignes(c, {0, 2, 4}, false)[4], QStringLiteral(" +-*/"));
    EXPECT_EQ(FP::Lire(Octets(c)).Nom, QStringLiteral(" "));
    // The marker inside a name is part of it: the name ends with its line.
    c.Text_Name = QStringLiteral("AB+-*/CD");
    EXPECT_EQ(FP::Lire(Octets(c)).Nom, QStringLiteral(" AB+-*/CD"));
    EXPECT_EQ(FP::Lire(Octets(c)).Capteur, QStringLiteral("2"));

    // Names in the desktops' code page, Windows-1252: its signs at 0x80..0x9F are one byte each and read
    // back; a character it lacks is a '?'. Every byte of an older name line reads and is written again.
    c.Text_Name = QStringLiteral("L’œuvre 5 € Ÿ…Ω");
    EXPECT_TRUE(Octets(c).contains(" L\x92\x9cuvre 5 \x80 \x9f\x85?+-*/\r\n"));
    EXPECT_EQ(FP::Lire(Octets(c)).Nom, QStringLiteral(" L’œuvre 5 € Ÿ…?"));
    QByteArray tous;
    for (int b = 0x20; b <= 0xFF; ++b)
        tous += static_cast<char>(b);
    c.Text_Name = FP::Lire(Octets(c).replace(" L\x92\x9cuvre 5 \x80 \x9f\x85?", " " + tous)).Nom->mid(1);
    EXPECT_EQ(c.Text_Name.size(), tous.size());
    EXPECT_TRUE(Octets(c).contains(" " + tous + "+-*/\r\n"));
    c.Text_Name = QStringLiteral("AB");

    for (const auto &[offset, ligne, texte] :
         {std::tuple(0, "0", "00 dB"), std::tuple(7, "7", "+07 dB"), std::tuple(-7, "-7", "-07 dB"),
          std::tuple(25, "25", "25 dB"), std::tuple(-25, "-25", "-25 dB"),
          std::tuple(-10, "-10", "-10 dB")}) {
        c.Slider_Offset.Fixer(offset);
        EXPECT_EQ(FP::Lignes(c, {0, 2, 4}, false)[1], QString::fromLatin1(ligne));
        EXPECT_EQ(FP::Textes_Fichier(FP::Lire(Octets(c))).Offset, QString::fromUtf8(texte));
    }
    // A sign written in the file is read, and shown once.
    QByteArray signe = Octets(c);
    signe.replace("\r\n-10\r\n", "\r\n+5\r\n");
    EXPECT_EQ(FP::Textes_Fichier(FP::Lire(signe)).Offset, QStringLiteral("+05 dB"));

    EXPECT_EQ(FP::Lignes(c, {0, 2, 3}, true)[3], QStringLiteral("130 3"));
    FP::Parametres_Lus p = FP::Lire(Octets(c, {0, 2, 3}, true));
    EXPECT_EQ(p.Modele_40dB, true);
    EXPECT_EQ(FP::Textes_Fichier(p).FirmWare, QStringLiteral("Version 2.3"));
    EXPECT_EQ(FP::Textes_Fichier(p).Entete, Modele().Entete_Parametres_40dB + QStringLiteral(" AB"));
    p = FP::Lire(Octets(c, {0, 128, 1}, false)); // 128 itself is no variant
    EXPECT_EQ(p.Modele_40dB, false);
    EXPECT_EQ(p.Version_Majeure, 128);
}

TEST_F(ParameterFile, CheckOfExtensionAndHeader)
{
    // A "/" of the panel's name cannot make a folder of the proposed name.
    EXPECT_EQ(FP::Nom_Par_Defaut(QStringLiteral("Hall A/B"), QDate(2026, 12, 8)),
              Modele().Prefixe_Nom_Fichier + QStringLiteral("Hall A-B - 08-12-2026.") +
                  Modele().Extension_Fichier);

    const QByteArray bon = Octets(Reglages());
    const QString ext = Modele().Extension_Fichier;
    QByteArray casse = bon;
    casse.replace(0, 10, QByteArray("PARAM\xc8TRES", 10));
    const std::vector<std::tuple<QString, QByteArray, Verification>> cas{
        {QStringLiteral("bon.") + ext, bon, Verification::Accepte},
        {QStringLiteral("sanspoint") + ext, bon, Verification::Accepte}, // judged by its header
        {QStringLiteral("maj.") + ext.toUpper(), bon, Verification::Refuse},
        {QStringLiteral("casse.") + ext, casse, Verification::Refuse},
        {QStringLiteral("utf8.") + ext, Modele().Entete_Fichier.toUtf8() + "\r\n", Verification::Refuse},
        {QStringLiteral("court.") + ext, bon.left(10), Verification::Refuse},
    };
    for (const auto &[nom, octets, attendu] : cas)
        EXPECT_EQ(FP::Verifier(Ecrire(nom, octets)), attendu) << nom.toStdString();
    EXPECT_EQ(FP::Verifier(dossier.filePath(QStringLiteral("absent.") + ext)), Verification::Illisible);

    // What is not a plain file is unreadable at once, nothing waited on: a named pipe that nobody writes
    // to, a link to an endless device, a folder.
    testsupport::NamedPipe tube(dossier.filePath(QStringLiteral("x.") + ext));
    ASSERT_TRUE(tube.made());
    const QString zero = dossier.filePath(QStringLiteral("zero.") + ext);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    ASSERT_TRUE(QDir(dossier.path()).mkdir(QStringLiteral("dossier.") + ext));
    for (const QString &nom : {QStringLiteral("x."), QStringLiteral("zero."), QStringLiteral("dossier.")}) {
        EXPECT_EQ(FP::Verifier(dossier.filePath(nom + ext)), Verification::Illisible) << nom.toStdString();
        EXPECT_FALSE(FP::Lire_Fichier(dossier.filePath(nom + ext)).Valide) << nom.toStdString();
    }
    EXPECT_FALSE(tube.readerWaited());
    // A good file followed by gigabytes of holes: read no further than a parameter file can need.
    const QString grand = dossier.filePath(QStringLiteral("grand.") + ext);
    ASSERT_TRUE(testsupport::WriteSparseFile(grand, bon, 6'000'000'000));
    EXPECT_EQ(FP::Verifier(grand), Verification::Accepte);
    const FP::Parametres_Lus lu = FP::Lire_Fichier(grand);
    // The holes it reads make one more line, and the file is not one of this program's.
    EXPECT_EQ(lu.Lignes, Nombre_Lignes() + 1);
    EXPECT_FALSE(lu.Valide);
    EXPECT_FALSE(FP::Extension_Valide(QStringLiteral("a.") + ext + QStringLiteral(".bak")));
}

TEST_F(ParameterFile, DamagedFilesAreRefusedWhole)
{
    const QByteArray entier = Octets(Reglages());
    ASSERT_TRUE(FP::Lire(entier).Valide);
    // Cut anywhere before the last value: refused, with no field taken from it.
    const qsizetype derniere = entier.lastIndexOf("\r\n", entier.size() - 3) + 2;
    for (qsizetype n = 0; n < derniere; ++n) {
        const FP::Parametres_Lus p = FP::Lire(entier.left(n));
        EXPECT_FALSE(p.Valide) << n;
        EXPECT_FALSE(p.Nom.has_value() || p.Modele_40dB.has_value()) << n;
        EXPECT_TRUE(FP::Textes_Fichier(p).Alarme.isEmpty()) << n;
    }
    // Without its last line end, or with empty lines after it, nothing is lost.
    EXPECT_TRUE(FP::Lire(entier.chopped(2)).Valide);
    EXPECT_TRUE(FP::Lire(entier + "\r\n\r\n").Valide);
    // Lone LFs are line ends too.
    QByteArray lf = entier;
    lf.replace("\r\n", "\n");
    EXPECT_TRUE(FP::Lire(lf).Valide);

    const auto remplace = [&](const QByteArray &de, const QByteArray &par) {
        QByteArray o = entier;
        o.replace(de, par);
        return FP::Lire(o);
    };
    EXPECT_FALSE(remplace("\r\n85\r\n", "\r\n8S\r\n").Valide);    // a letter in a number
    EXPECT_FALSE(remplace("\r\n-5\r\n", "\r\n--5\r\n").Valide);   // two signs
    EXPECT_FALSE(remplace("2 4\r\n", "2.4\r\n").Valide);          // version without its blank
    EXPECT_FALSE(remplace("+-*/", "====").Valide);                // no end marker
    EXPECT_FALSE(remplace("Param", "param").Valide);              // another header
    EXPECT_FALSE(remplace("\r\n9\r\n", "\r\n9\r\n9\r\n").Valide); // a line too many
    EXPECT_FALSE(FP::Lire(QByteArray()).Valide);
    EXPECT_FALSE(FP::Lire(Modele().Entete_Fichier.toLatin1() + "\r\n" + QByteArray(500, '\n')).Valide);

    // The "-1" of a list with no entry chosen is a value the view shows as nothing; it shifts nothing.
    const FP::Parametres_Lus p = remplace("12345678\r\n2\r\n4\r\n", "12345678\r\n-1\r\n-1\r\n");
    ASSERT_TRUE(p.Valide);
    const FP::Textes_Tableau t = FP::Textes_Fichier(p);
    EXPECT_TRUE(t.Aff_Centre.isEmpty() && t.Aff_Bas_Gauche.isEmpty());
    EXPECT_EQ(t.Aff_Bas_Droite, QStringLiteral("Niveau Crête"));
    EXPECT_EQ(t.Capteur, Modele().Capteur_Ostra_Fichier);
}

TEST_F(ParameterFile, FilesWrittenByHandReadAndWriteByteForByte)
{
    const auto fichier = [](const char *nom) {
        QFile f(QStringLiteral(CONFIG_TEST_DATA "/") + QString::fromLatin1(nom) + QLatin1Char('.') +
                Modele().Extension_Fichier);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << nom;
        return f.readAll();
    };
    // The writer gives exactly the file written by hand.
    EXPECT_EQ(Octets(Reglages()), fichier("reglages"));

    // An older file: a sign on the offset, the 40 dB variant, a marker inside the name, lists unchosen.
    const FP::Parametres_Lus p = FP::Lire(fichier("ancien_40db"));
    ASSERT_TRUE(p.Valide);
    EXPECT_EQ(p.Modele_40dB, true);
    EXPECT_EQ(p.Nom, QStringLiteral(" Café +-*/ Nord"));
    const FP::Textes_Tableau t = FP::Textes_Fichier(p);
    EXPECT_EQ(t.Offset, QStringLiteral("+07 dB"));
    EXPECT_EQ(t.Alarme, QStringLiteral("62 dB"));
    EXPECT_EQ(t.FirmWare, QStringLiteral("Version 2.3"));
    EXPECT_EQ(t.Entete, Modele().Entete_Parametres_40dB + QStringLiteral(" Café +-*/ Nord"));
    EXPECT_EQ(t.Serial_Number, QStringLiteral("00421739"));
    EXPECT_TRUE(t.Aff_Centre.isEmpty() && t.Aff_Bas_Gauche.isEmpty());
    EXPECT_EQ(t.Aff_Bas_Droite, QStringLiteral("Afficheur Désactivé"));
    EXPECT_EQ(t.Lumens, QStringLiteral("Luminosité Automatique"));
    EXPECT_EQ(t.Value_Lumens, QStringLiteral("Luminosité Intérieure"));
    EXPECT_EQ(t.Capteur, Modele().Capteur_Ferrin_Fichier);
    EXPECT_EQ(t.Heure_Auto, Modele().Horloge() ? QStringLiteral("Activé") : QString());
}

TEST_F(ParameterFile, UnchosenListsAndOptionsAreEmptyLinesThatKeepTheReaderInStep)
{
    Controles_Config c = Reglages();
    c.Combo_Aff_Centre.Choix.clear();
    c.Option_Lumens_Manuel = c.Option_Lumens_Ext = false;
    const FP::Parametres_Lus p = FP::Lire(Octets(c));
    EXPECT_TRUE(p.Valide);
    EXPECT_EQ(p.Capteur, QStringLiteral("2"));
    const FP::Textes_Tableau t = FP::Textes_Fichier(p);
    EXPECT_TRUE(t.Aff_Centre.isEmpty() && t.Lumens.isEmpty() && t.Value_Lumens.isEmpty());
    EXPECT_EQ(t.Aff_Bas_Gauche, QStringLiteral("Afficheur Désactivé"));
}

TEST_F(ParameterFile, TextsOfAFileView)
{
    FP::Textes_Tableau t = FP::Textes_Fichier(FP::Lire(Octets(Reglages())));
    EXPECT_EQ(t.Titre_Fenetre, Modele().Titre_Parametres + QStringLiteral(" Salle des fêtes"));
    EXPECT_EQ(t.Lumens, QStringLiteral("Luminosité Manuelle"));
    EXPECT_EQ(t.Type_Lumens, QStringLiteral("Valeur de  Luminosité :"));
    EXPECT_EQ(t.Value_Lumens, QStringLiteral("9 / 15")); // the type line passed over
    EXPECT_EQ(t.Heure_Auto, Modele().Horloge() ? QStringLiteral("Désactivé") : QString());
    Controles_Config c = Reglages();
    c.Option_Lumens_Auto = true, c.Option_Lumens_Manuel = false;
    c.Option_Alim_Fantom = true;
    t = FP::Textes_Fichier(FP::Lire(Octets(c)));
    EXPECT_EQ(t.Type_Lumens, QStringLiteral("Type de Luminosité :"));
    EXPECT_EQ(t.Value_Lumens, QStringLiteral("Luminosité Extérieure")); // the manual value passed over
    EXPECT_EQ(t.Capteur, Modele().Capteur_Ferrin_Fichier);

    // Display areas by the version's list layout: without the 5-minute level for 2.0 to 2.2 only; a
    // position beyond the layout shows nothing.
    const auto aires = [](const char *version, const char *centre, const char *gauche) {
        QStringList lignes = FP::Lignes(Reglages(), {0, 2, 4}, false);
        lignes[3] = QString::fromLatin1(version);
        lignes[6] = QString::fromLatin1(centre);
        lignes[7] = QString::fromLatin1(gauche);
        const FP::Textes_Tableau a = FP::Textes_Fichier(FP::Lire(FP::Contenu(lignes)));
        return a.Aff_Centre + QLatin1Char('|') + a.Aff_Bas_Gauche;
    };
    EXPECT_EQ(aires("2 2", "1", "3"), QStringLiteral("Niveau Leq 1 Minute|Afficheur Désactivé"));
    EXPECT_EQ(aires("2 3", "1", "3"), QStringLiteral("Niveau Leq 5 Minutes|Niveau Leq 1 Seconde"));
    EXPECT_EQ(aires("3 1", "3", "4"), QStringLiteral("Niveau Leq 1 Seconde|Afficheur Désactivé"));
    EXPECT_EQ(aires("2 2", "3", "4"), QStringLiteral("|"));
}

TEST_F(ParameterFile, TextsOfThePrintedSheet)
{
    Controles_Config c = Reglages();
    FP::Textes_Tableau t = FP::Textes_Feuille(c, {0, 2, 3}, true);
    EXPECT_EQ(t.Entete, Modele().Entete_Parametres_40dB + QStringLiteral("Salle des fêtes"));
    EXPECT_EQ(
        (QStringList{t.FirmWare, t.Name, t.Alarme, t.Offset, t.Aff_Bas_Gauche, t.Type_Lumens, t.Capteur}),
        (QStringList{"Version 2.3", "Salle des fêtes", " 85 dB", "-05 dB", "Désactiver l'Afficheur",
                     "Valeur de la Luminosité :", "Liaison Avec un Ostra"}));
    c.Slider_Offset.Fixer(12);
    c.Combo_Aff_Centre.Choix.clear();
    c.Option_Lumens_Auto = true; // both brightness options set: the rows stay empty
    t = FP::Textes_Feuille(c, {0, 2, 4}, false);
    EXPECT_EQ(t.Offset, QStringLiteral("+12 dB"));
    EXPECT_EQ(t.Aff_Centre, QStringLiteral("Choisissez un Mode d'Affichage"));
    EXPECT_TRUE(t.Lumens.isEmpty() && t.Type_Lumens.isEmpty() && t.Value_Lumens.isEmpty());
}

} // namespace
