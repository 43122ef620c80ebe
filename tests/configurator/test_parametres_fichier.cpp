// The parameter file of either program as plain functions: the written bytes, the round trip through the
// check and the reader, the reader's edge cases and short files, and the texts of both parameter tables.
#include "configurator/Declaration.h"
#include "configurator/Fichier_Parametres.h"
#include "configurator/Modele.h"
#include "relecture.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

namespace FP = configurator::Fichier_Parametres;
using configurator::Controles_Config;
using configurator::Modele;
using Verification = FP::Verification;

// The settings of a panel as the decoder leaves them after a read-back.
Controles_Config Reglages()
{
    using namespace configurator::Textes_Affichage;
    Controles_Config c;
    c.Slider_Offset.Fixer(-5);
    c.Slider_Alarme.Fixer(85);
    c.Text_Name = QStringLiteral("Salle des fêtes");
    c.Text_Serial_Number = QStringLiteral("12345678");
    c.Combo_Aff_Centre.Choisir(Leq1);
    c.Combo_Aff_Bas_Gauche.Choisir(Desactiver);
    c.Combo_Aff_Bas_Droite.Choisir(Crete);
    c.Option_Lumens_Manuel = true;
    c.Option_Lumens_Ext = true;
    c.Slider_Lumens.Fixer(9);
    c.Check_Change_Automatique = 0;
    c.Option_No_Alim_Fantom = true;
    return c;
}

constexpr std::array<int16_t, 3> kVersion24{0, 2, 4};

QByteArray Octets(const Controles_Config &c, std::array<int16_t, 3> version = kVersion24, bool db40 = false)
{
    return FP::Contenu(FP::Lignes(c, version, db40));
}

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
        const QString chemin = dossier.filePath(nom);
        QFile f(chemin);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(octets);
        return chemin;
    }
    QString Nom(const QString &base) const { return base + QLatin1Char('.') + Modele().Extension_Fichier; }

    QTemporaryDir dossier;
};

TEST_F(ParameterFile, LinesAreLatin1WithCrLfAfterEveryOne)
{
    const QStringList lignes = FP::Lignes(Reglages(), kVersion24, false);
    ASSERT_EQ(lignes.size(), Nombre_Lignes());
    EXPECT_EQ(lignes[0], Modele().Entete_Fichier);
    EXPECT_EQ(lignes.mid(1, 8),
              (QStringList{"-5", "85", "2 4", " Salle des fêtes+-*/", "12345678", "2", "4", "0"}));
    EXPECT_EQ(lignes[9], QStringLiteral("1"));  // manual brightness
    EXPECT_EQ(lignes[10], QStringLiteral("1")); // outdoor
    EXPECT_EQ(lignes[11], QStringLiteral("9"));
    if (Modele().Horloge()) {
        EXPECT_EQ(lignes[12], QStringLiteral("0"));
    }
    EXPECT_EQ(lignes.last(), QStringLiteral("2")); // Ostra

    const QByteArray octets = FP::Contenu(lignes);
    EXPECT_EQ(octets.count("\r\n"), Nombre_Lignes());
    EXPECT_EQ(octets.count('\n'), Nombre_Lignes());
    EXPECT_TRUE(octets.endsWith("2\r\n"));
    // "è" of the header and "ê" of the name are one byte each.
    EXPECT_TRUE(octets.startsWith("Param\xe8tres d'un "));
    EXPECT_TRUE(octets.contains(" Salle des f\xeates+-*/\r\n"));
    EXPECT_EQ(octets.indexOf("\r\n"), Modele().Entete_Fichier.size());
}

TEST_F(ParameterFile, NumbersHaveNoPlusSignAndNoLeadingZero)
{
    Controles_Config c = Reglages();
    for (const auto &[offset, texte] : {std::pair(0, "0"), std::pair(-5, "-5"), std::pair(7, "7"),
                                        std::pair(32, "32"), std::pair(-32, "-32")}) {
        c.Slider_Offset.Fixer(offset);
        EXPECT_EQ(FP::Lignes(c, kVersion24, false)[1], QString::fromLatin1(texte)) << offset;
    }
    c.Option_Lumens_Auto = true, c.Option_Lumens_Manuel = false;
    c.Option_Lumens_Int = true, c.Option_Lumens_Ext = false;
    c.Option_Alim_Fantom = true, c.Option_No_Alim_Fantom = false;
    c.Check_Change_Automatique = 1;
    const QStringList lignes = FP::Lignes(c, kVersion24, false);
    EXPECT_EQ(lignes[9], QStringLiteral("0"));
    EXPECT_EQ(lignes[10], QStringLiteral("0"));
    if (Modele().Horloge()) {
        EXPECT_EQ(lignes[12], QStringLiteral("1"));
    }
    EXPECT_EQ(lignes.last(), QStringLiteral("1"));
}

TEST_F(ParameterFile, RoundTripThroughTheCheckAndTheReader)
{
    const QString chemin = Ecrire(Nom(QStringLiteral("Salle")), Octets(Reglages()));
    ASSERT_EQ(FP::Verifier(chemin), Verification::Accepte);
    const FP::Parametres_Lus p = FP::Lire_Fichier(chemin);
    EXPECT_TRUE(p.Complet);
    EXPECT_EQ(p.Lignes, Nombre_Lignes());
    EXPECT_EQ(p.Offset, QStringLiteral("-5"));
    EXPECT_EQ(p.Alarme, QStringLiteral("85"));
    EXPECT_EQ(p.Version_Majeure, 2);
    EXPECT_EQ(p.Version_Mineure, 4);
    EXPECT_EQ(p.Modele_40dB, false);
    EXPECT_EQ(p.Nom, QStringLiteral(" Salle des fêtes"));
    EXPECT_EQ(p.Numero_Serie, QStringLiteral("12345678"));
    EXPECT_EQ(p.Aff_Centre, QStringLiteral("2"));
    EXPECT_EQ(p.Aff_Bas_Gauche, QStringLiteral("4"));
    EXPECT_EQ(p.Aff_Bas_Droite, QStringLiteral("0"));
    EXPECT_EQ(p.Mode_Lumens, QStringLiteral("1"));
    EXPECT_EQ(p.Type_Lumens, QStringLiteral("1"));
    EXPECT_EQ(p.Valeur_Lumens, QStringLiteral("9"));
    EXPECT_EQ(p.Heure_Auto, Modele().Horloge() ? QStringLiteral("0") : QString());
    EXPECT_EQ(p.Capteur, QStringLiteral("2"));

    // Written again from what was read, the file is the same, byte for byte.
    Controles_Config relu;
    relu.Slider_Offset.Fixer(p.Offset.toInt());
    relu.Slider_Alarme.Fixer(p.Alarme.toInt());
    relu.Text_Name = p.Nom->mid(1);
    relu.Text_Serial_Number = p.Numero_Serie;
    relu.Combo_Aff_Centre.Choisir(relu.Combo_Aff_Centre.Elements[p.Aff_Centre.toUInt()]);
    relu.Combo_Aff_Bas_Gauche.Choisir(relu.Combo_Aff_Bas_Gauche.Elements[p.Aff_Bas_Gauche.toUInt()]);
    relu.Combo_Aff_Bas_Droite.Choisir(relu.Combo_Aff_Bas_Droite.Elements[p.Aff_Bas_Droite.toUInt()]);
    relu.Option_Lumens_Manuel = p.Mode_Lumens == QStringLiteral("1");
    relu.Option_Lumens_Ext = p.Type_Lumens == QStringLiteral("1");
    relu.Slider_Lumens.Fixer(p.Valeur_Lumens.toInt());
    relu.Check_Change_Automatique = p.Heure_Auto.toInt();
    relu.Option_No_Alim_Fantom = p.Capteur == QStringLiteral("2");
    EXPECT_EQ(
        Octets(relu, {0, static_cast<int16_t>(*p.Version_Majeure), static_cast<int16_t>(*p.Version_Mineure)}),
        Octets(Reglages()));
}

TEST_F(ParameterFile, NameEdgeCases)
{
    Controles_Config c = Reglages();
    c.Text_Name.clear();
    const QStringList lignes = FP::Lignes(c, kVersion24, false);
    EXPECT_EQ(lignes[4], QStringLiteral(" +-*/"));
    FP::Parametres_Lus p = FP::Lire(FP::Contenu(lignes));
    EXPECT_EQ(p.Nom, QStringLiteral(" "));
    EXPECT_TRUE(p.Complet);
    EXPECT_EQ(p.Capteur, QStringLiteral("2"));

    // The name ends at the first marker; what follows it is taken as the next lines.
    c.Text_Name = QStringLiteral("AB+-*/CD");
    p = FP::Lire(Octets(c));
    EXPECT_EQ(p.Nom, QStringLiteral(" AB"));
    EXPECT_NE(p.Numero_Serie, QStringLiteral("12345678"));

    // A name line with no marker at all: the reader runs to the end of the file and stops there.
    QByteArray sans = Octets(Reglages());
    sans.replace("+-*/", "====");
    p = FP::Lire(sans);
    EXPECT_FALSE(p.Nom.has_value());
    EXPECT_EQ(p.Lignes, 4);
    EXPECT_FALSE(p.Complet);
}

TEST_F(ParameterFile, FortyDbVariantOnLineFour)
{
    const QStringList lignes = FP::Lignes(Reglages(), {0, 2, 3}, true);
    EXPECT_EQ(lignes[3], QStringLiteral("130 3"));
    FP::Parametres_Lus p = FP::Lire(FP::Contenu(lignes));
    EXPECT_EQ(p.Version_Majeure, 2);
    EXPECT_EQ(p.Version_Mineure, 3);
    EXPECT_EQ(p.Modele_40dB, true);
    FP::Textes_Tableau t = FP::Textes_Fichier(p);
    EXPECT_EQ(t.FirmWare, QStringLiteral("Version 2.3"));
    EXPECT_EQ(t.Entete, Modele().Entete_Parametres_40dB + QStringLiteral(" Salle des fêtes"));
    EXPECT_TRUE(t.Entete.contains(QStringLiteral(" - 40dB - ")));

    p = FP::Lire(Octets(Reglages(), {0, 2, 3}, false));
    EXPECT_EQ(p.Modele_40dB, false);
    EXPECT_EQ(FP::Textes_Fichier(p).Entete, Modele().Entete_Parametres + QStringLiteral(" Salle des fêtes"));
    // 128 itself is no variant.
    p = FP::Lire(Octets(Reglages(), {0, 128, 1}, false));
    EXPECT_EQ(p.Modele_40dB, false);
    EXPECT_EQ(p.Version_Majeure, 128);
    p = FP::Lire(Octets(Reglages(), {0, 1, 1}, true));
    EXPECT_EQ(p.Modele_40dB, true);
    EXPECT_EQ(p.Version_Majeure, 1);
}

TEST_F(ParameterFile, CheckOfExtensionAndHeader)
{
    const QByteArray bon = Octets(Reglages());
    const QString ext = Modele().Extension_Fichier;
    EXPECT_EQ(FP::Verifier(Ecrire(Nom(QStringLiteral("bon")), bon)), Verification::Accepte);
    // Capitals in the extension are refused, whatever the file holds.
    EXPECT_EQ(FP::Verifier(Ecrire(QStringLiteral("maj.") + ext.toUpper(), bon)), Verification::Refuse);
    EXPECT_FALSE(FP::Extension_Valide(QStringLiteral("a.") + ext.left(1).toUpper() + ext.mid(1)));
    // No dot before the extension word: judged by the header.
    EXPECT_EQ(FP::Verifier(Ecrire(QStringLiteral("sanspoint") + ext, bon)), Verification::Accepte);
    EXPECT_TRUE(FP::Extension_Valide(QStringLiteral("/x/y") + ext));
    EXPECT_FALSE(FP::Extension_Valide(QStringLiteral("/x/y.") + ext + QStringLiteral(".bak")));

    // A header that differs, even only in case, is refused.
    QByteArray casse = bon;
    casse.replace(0, 10, QByteArray("PARAM\xc8TRES", 10));
    EXPECT_EQ(FP::Verifier(Ecrire(Nom(QStringLiteral("casse")), casse)), Verification::Refuse);
    EXPECT_FALSE(FP::Entete_Valide(Modele().Entete_Fichier.toLower().toLatin1()));
    EXPECT_EQ(FP::Verifier(Ecrire(Nom(QStringLiteral("autre")),
                                  "Une autre premi\xe8re ligne, plus longue que l'ent\xeate\r\n")),
              Verification::Refuse);
    // The header written in UTF-8 ("è" in two bytes) is not the header.
    QByteArray utf8 = Modele().Entete_Fichier.toUtf8() + "\r\n";
    EXPECT_EQ(FP::Verifier(Ecrire(Nom(QStringLiteral("utf8")), utf8)), Verification::Refuse);

    // Shorter than the header, or not there: unreadable, which the menu passes over in silence.
    EXPECT_EQ(FP::Verifier(Ecrire(Nom(QStringLiteral("court")), bon.left(10))), Verification::Illisible);
    EXPECT_EQ(FP::Verifier(Ecrire(Nom(QStringLiteral("vide")), QByteArray())), Verification::Illisible);
    EXPECT_EQ(FP::Verifier(dossier.filePath(Nom(QStringLiteral("absent")))), Verification::Illisible);
    // The header alone passes the check; the reader then stops after it.
    const QString entete = Ecrire(Nom(QStringLiteral("entete")), Modele().Entete_Fichier.toLatin1());
    EXPECT_EQ(FP::Verifier(entete), Verification::Accepte);
    EXPECT_EQ(FP::Lire_Fichier(entete).Lignes, 0);
}

TEST_F(ParameterFile, EveryTruncationStopsEarlyAndNeverReadsPastTheEnd)
{
    const QByteArray entier = Octets(Reglages());
    int precedent = 0;
    // The last LF is never read: the CR before it ends the last field.
    for (qsizetype n = 0; n < entier.size() - 1; ++n) {
        // A copy of exactly n bytes: reading one more would be caught by the sanitizers and Qt's asserts.
        const QByteArray court(entier.constData(), n);
        const FP::Parametres_Lus p = FP::Lire(court);
        EXPECT_FALSE(p.Complet) << n;
        EXPECT_GE(p.Lignes, precedent) << n;
        EXPECT_LT(p.Lignes, Nombre_Lignes()) << n;
        precedent = p.Lignes;
    }
    EXPECT_TRUE(FP::Lire(entier).Complet);
    EXPECT_TRUE(FP::Lire(entier.chopped(1)).Complet);

    // Cut inside the name: the lines before it stand, the rest is left empty.
    const qsizetype dans_nom = entier.indexOf("des");
    const FP::Parametres_Lus p = FP::Lire(entier.left(dans_nom));
    EXPECT_EQ(p.Lignes, 4);
    EXPECT_EQ(p.Alarme, QStringLiteral("85"));
    EXPECT_FALSE(p.Nom);
    const FP::Textes_Tableau t = FP::Textes_Fichier(p);
    EXPECT_EQ(t.Offset, QStringLiteral("-05 dB"));
    EXPECT_EQ(t.FirmWare, QStringLiteral("Version 2.4"));
    EXPECT_TRUE(t.Name.isEmpty());
    EXPECT_TRUE(t.Entete.isEmpty());
    EXPECT_TRUE(t.Titre_Fenetre.isEmpty());
    EXPECT_TRUE(t.Serial_Number.isEmpty());
    EXPECT_TRUE(t.Capteur.isEmpty());

    // Without the last line end the last field is not taken: its digit run never ends.
    const FP::Parametres_Lus sans_fin = FP::Lire(entier.chopped(2));
    EXPECT_EQ(sans_fin.Lignes, Nombre_Lignes() - 1);
    EXPECT_TRUE(sans_fin.Capteur.isEmpty());

    // Cut in the middle of line 4, after its major number: the variant is known, the version is not.
    const QByteArray variante = Octets(Reglages(), {0, 2, 3}, true);
    const FP::Parametres_Lus milieu = FP::Lire(variante.left(variante.indexOf("130 ") + 4));
    EXPECT_EQ(milieu.Modele_40dB, true);
    EXPECT_EQ(milieu.Lignes, 3);
    EXPECT_TRUE(FP::Textes_Fichier(milieu).FirmWare.isEmpty());
}

TEST_F(ParameterFile, GarbageNeverHangsOrCrashesTheReader)
{
    // Lines of anything: the reader takes what it can and ends with the bytes.
    const QByteArray entete = Modele().Entete_Fichier.toLatin1() + "\r\n";
    for (const QByteArray &reste : {QByteArray("\r\n\r\n\r\n\r\n\r\n\r\n"), QByteArray(500, '9'),
                                    QByteArray("+-*/+-*/+-*/"), QByteArray("abc\r\ndef\r\n1 2\r\n"),
                                    QByteArray("99999999999999999999999\r\n1\r\n999999999999 1\r\n"),
                                    QByteArray(3, '\0'), QByteArray("\xff\xfe\xfd\r\n")}) {
        const FP::Parametres_Lus p = FP::Lire(entete + reste);
        EXPECT_LE(p.Lignes, Nombre_Lignes());
        EXPECT_EQ(p.Complet, p.Lignes == Nombre_Lignes());
        EXPECT_GE(p.Lignes, 1);
        const FP::Textes_Tableau t = FP::Textes_Fichier(p);
        EXPECT_EQ(t.Name.isEmpty(), !p.Nom || p.Nom->isEmpty());
    }
    // Huge numbers saturate instead of wrapping round into a known value.
    const FP::Parametres_Lus p = FP::Lire(entete + "99999999999999999999999\r\n1\r\n999999999999 1\r\n");
    EXPECT_EQ(FP::Textes_Fichier(p).Offset, QStringLiteral("99999999999999999999999 dB"));
    EXPECT_EQ(p.Modele_40dB, true);
    EXPECT_GT(*p.Version_Majeure, 128);
}

TEST_F(ParameterFile, UnchosenListsAndOptionsKeepTheReaderInStep)
{
    Controles_Config c = Reglages();
    c.Combo_Aff_Centre.Choix.clear();
    c.Option_Lumens_Auto = c.Option_Lumens_Manuel = false;
    c.Option_Lumens_Int = c.Option_Lumens_Ext = false;
    const QStringList lignes = FP::Lignes(c, kVersion24, false);
    EXPECT_TRUE(lignes[6].isEmpty());
    EXPECT_TRUE(lignes[9].isEmpty());
    EXPECT_TRUE(lignes[10].isEmpty());
    const FP::Parametres_Lus p = FP::Lire(FP::Contenu(lignes));
    EXPECT_TRUE(p.Complet);
    EXPECT_EQ(p.Aff_Bas_Gauche, QStringLiteral("4"));
    EXPECT_EQ(p.Valeur_Lumens, QStringLiteral("9"));
    EXPECT_EQ(p.Capteur, QStringLiteral("2"));
    const FP::Textes_Tableau t = FP::Textes_Fichier(p);
    EXPECT_TRUE(t.Aff_Centre.isEmpty());
    EXPECT_TRUE(t.Lumens.isEmpty());
    EXPECT_TRUE(t.Type_Lumens.isEmpty());
    EXPECT_TRUE(t.Value_Lumens.isEmpty());
    EXPECT_EQ(t.Aff_Bas_Gauche, QStringLiteral("Afficheur Désactivé"));
    EXPECT_EQ(t.Capteur, Modele().Capteur_Ostra_Fichier);
}

TEST_F(ParameterFile, TextsOfAFileView)
{
    for (const auto &[offset, texte] :
         {std::pair(0, "00 dB"), std::pair(7, "+07 dB"), std::pair(-7, "-07 dB"), std::pair(25, "25 dB"),
          std::pair(-25, "-25 dB"), std::pair(9, "+09 dB"), std::pair(-10, "-10 dB")}) {
        Controles_Config c = Reglages();
        c.Slider_Offset.Fixer(offset);
        EXPECT_EQ(FP::Textes_Fichier(FP::Lire(Octets(c))).Offset, QString::fromUtf8(texte)) << offset;
    }
    EXPECT_EQ(FP::Texte_Offset_Fichier(QStringLiteral("+7")), QStringLiteral("+0+7 dB"));
    EXPECT_TRUE(FP::Texte_Offset_Fichier(QString()).isEmpty());

    // Manual brightness: the value in row 10, the type line passed over.
    FP::Textes_Tableau t = FP::Textes_Fichier(FP::Lire(Octets(Reglages())));
    EXPECT_EQ(t.Alarme, QStringLiteral("85 dB"));
    EXPECT_EQ(t.Name, QStringLiteral(" Salle des fêtes"));
    EXPECT_EQ(t.Titre_Fenetre, Modele().Titre_Parametres + QStringLiteral(" Salle des fêtes"));
    EXPECT_EQ(t.Serial_Number, QStringLiteral("12345678"));
    EXPECT_EQ(t.Lumens, QStringLiteral("Luminosité Manuelle"));
    EXPECT_EQ(t.Type_Lumens, QStringLiteral("Valeur de  Luminosité :"));
    EXPECT_EQ(t.Value_Lumens, QStringLiteral("9 / 15"));
    EXPECT_EQ(t.Aff_Bas_Droite, QStringLiteral("Niveau Crête"));
    EXPECT_EQ(t.Heure_Auto, Modele().Horloge() ? QStringLiteral("Désactivé") : QString());
    // Automatic: the type, the manual value passed over.
    Controles_Config c = Reglages();
    c.Option_Lumens_Auto = true, c.Option_Lumens_Manuel = false;
    c.Check_Change_Automatique = 1;
    c.Option_Alim_Fantom = true, c.Option_No_Alim_Fantom = false;
    c.Combo_Aff_Bas_Droite.Choisir(configurator::Textes_Affichage::Desactiver);
    t = FP::Textes_Fichier(FP::Lire(Octets(c)));
    EXPECT_EQ(t.Lumens, QStringLiteral("Luminosité Automatique"));
    EXPECT_EQ(t.Type_Lumens, QStringLiteral("Type de Luminosité :"));
    EXPECT_EQ(t.Value_Lumens, QStringLiteral("Luminosité Extérieure"));
    EXPECT_EQ(t.Aff_Bas_Droite, QStringLiteral("Afficheur Désactivé"));
    EXPECT_EQ(t.Heure_Auto, Modele().Horloge() ? QStringLiteral("Activé") : QString());
    EXPECT_EQ(t.Capteur, Modele().Capteur_Ferrin_Fichier);
    c.Option_Lumens_Ext = false, c.Option_Lumens_Int = true;
    EXPECT_EQ(FP::Textes_Fichier(FP::Lire(Octets(c))).Value_Lumens, QStringLiteral("Luminosité Intérieure"));
}

TEST_F(ParameterFile, DisplayAreasFollowTheMinorVersionsListLayout)
{
    const QByteArray entete = Modele().Entete_Fichier.toLatin1() + "\r\n0\r\n90\r\n";
    const auto lire = [&](const char *version, const char *centre, const char *gauche) {
        return FP::Textes_Fichier(FP::Lire(entete + version + "\r\n +-*/\r\n1\r\n" + centre + "\r\n" +
                                           gauche + "\r\n0\r\n0\r\n0\r\n1\r\n1\r\n1\r\n"));
    };
    FP::Textes_Tableau t = lire("2 2", "1", "3");
    EXPECT_EQ(t.Aff_Centre, QStringLiteral("Niveau Leq 1 Minute"));
    EXPECT_EQ(t.Aff_Bas_Gauche, QStringLiteral("Afficheur Désactivé"));
    t = lire("2 3", "1", "3");
    EXPECT_EQ(t.Aff_Centre, QStringLiteral("Niveau Leq 5 Minutes"));
    EXPECT_EQ(t.Aff_Bas_Gauche, QStringLiteral("Niveau Leq 1 Seconde"));
    // The major number plays no part: 3.1 has the short lists.
    t = lire("3 1", "2", "0");
    EXPECT_EQ(t.Aff_Centre, QStringLiteral("Niveau Leq 1 Seconde"));
    EXPECT_EQ(t.Aff_Bas_Gauche, QStringLiteral("Niveau Leq 10 Minutes"));
    // Beyond the list: empty.
    t = lire("2 2", "3", "4");
    EXPECT_TRUE(t.Aff_Centre.isEmpty());
    EXPECT_TRUE(t.Aff_Bas_Gauche.isEmpty());
    t = lire("2 4", "3", "4");
    EXPECT_EQ(t.Aff_Centre, QStringLiteral("Niveau Leq 1 Seconde"));
    EXPECT_EQ(t.Aff_Bas_Gauche, QStringLiteral("Afficheur Désactivé"));
}

TEST_F(ParameterFile, DefaultName)
{
    const Controles_Config c = Reglages();
    EXPECT_EQ(FP::Nom_Par_Defaut(c.Text_Name, QDate(2026, 12, 8)),
              Modele().Prefixe_Nom_Fichier + QStringLiteral("Salle des fêtes - 08-12-2026.") +
                  Modele().Extension_Fichier);
    EXPECT_EQ(FP::Nom_Par_Defaut(QString(), QDate(2009, 6, 25)),
              Modele().Prefixe_Nom_Fichier + QStringLiteral(" - 25-06-2009.") + Modele().Extension_Fichier);
}

TEST_F(ParameterFile, TextsOfThePrintedSheet)
{
    Controles_Config c = Reglages();
    FP::Textes_Tableau t = FP::Textes_Feuille(c, {0, 2, 3}, true);
    EXPECT_EQ(t.Entete, Modele().Entete_Parametres_40dB + QStringLiteral("Salle des fêtes"));
    EXPECT_EQ(t.FirmWare, QStringLiteral("Version 2.3"));
    EXPECT_EQ(t.Name, QStringLiteral("Salle des fêtes"));
    EXPECT_EQ(t.Serial_Number, QStringLiteral("12345678"));
    EXPECT_EQ(t.Alarme, QStringLiteral(" 85 dB"));
    EXPECT_EQ(t.Offset, QStringLiteral("-05 dB"));
    EXPECT_EQ(t.Aff_Centre, QStringLiteral("Niveau Leq 1 Minute"));
    EXPECT_EQ(t.Aff_Bas_Gauche, QStringLiteral("Désactiver l'Afficheur"));
    EXPECT_EQ(t.Aff_Bas_Droite, QStringLiteral("Niveau Crête"));
    EXPECT_EQ(t.Lumens, QStringLiteral("Luminosité Manuelle"));
    EXPECT_EQ(t.Type_Lumens, QStringLiteral("Valeur de la Luminosité :"));
    EXPECT_EQ(t.Value_Lumens, QStringLiteral("9 / 15"));
    EXPECT_EQ(t.Heure_Auto, Modele().Horloge() ? QStringLiteral("Désactivé") : QString());
    EXPECT_EQ(t.Capteur, QStringLiteral("Liaison Avec un Ostra"));
    EXPECT_TRUE(t.Titre_Fenetre.isEmpty());

    c.Slider_Offset.Fixer(12);
    c.Slider_Alarme.Fixer(120);
    c.Combo_Aff_Centre.Choix.clear();
    c.Option_Lumens_Auto = true, c.Option_Lumens_Manuel = false;
    c.Option_Alim_Fantom = true;
    c.Check_Change_Automatique = 1;
    t = FP::Textes_Feuille(c, {0, 2, 4}, false);
    EXPECT_EQ(t.Entete, Modele().Entete_Parametres + QStringLiteral("Salle des fêtes"));
    EXPECT_EQ(t.Offset, QStringLiteral("+12 dB"));
    EXPECT_EQ(t.Alarme, QStringLiteral(" 120 dB"));
    EXPECT_EQ(t.Aff_Centre, QStringLiteral("Choisissez un Mode d'Affichage"));
    EXPECT_EQ(t.Type_Lumens, QStringLiteral("Type de Luminosité :"));
    EXPECT_EQ(t.Value_Lumens, QStringLiteral("Luminosité Extérieure"));
    EXPECT_EQ(t.Heure_Auto, Modele().Horloge() ? QStringLiteral("Activé") : QString());
    EXPECT_EQ(t.Capteur, QStringLiteral("Liaison Avec un Ferrin"));
    // Both brightness options set, or neither: the rows stay empty.
    c.Option_Lumens_Manuel = true;
    t = FP::Textes_Feuille(c, kVersion24, false);
    EXPECT_TRUE(t.Lumens.isEmpty() && t.Type_Lumens.isEmpty() && t.Value_Lumens.isEmpty());
    c.Option_Lumens_Manuel = false;
    c.Option_Lumens_Ext = true, c.Option_Lumens_Int = true;
    t = FP::Textes_Feuille(c, kVersion24, false);
    EXPECT_EQ(t.Lumens, QStringLiteral("Luminosité Automatique"));
    EXPECT_TRUE(t.Value_Lumens.isEmpty());
}

} // namespace
