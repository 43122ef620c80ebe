// Reading saved-data files: the four versions, the fields' readings, and every kind of damaged file
// refused with the data held before left as they were.
#include "file_test_support.h"

#include "analysis/core/Fonctions.h"
#include "analysis/core/Fonctions_Sauvegarde.h"
#include "analysis/core/Routes.h"
#include "analysis/core/frmData_Type.h"
#include "odd_files.h"

#include <QDir>
#include <QFile>
#include <functional>

using Declaration::D;
namespace FS = Fonctions_Sauvegarde;
using filetest::FileTest;

namespace {

constexpr int32_t kDebut = Fonctions::Debut_Anneau;

// The lines of a good file of version 2.<v> holding three records.
QList<QByteArray> Base(int v = 3)
{
    // Addresses 100 and 102 records into the ring.
    QList<QByteArray> l{FS::Entete(v)};
    l +=
        QByteArray("03-03-2009|04-03-2009|197408|197424|5|80|2 4| Dorva 1+-*/|0042|2|3|0|0|1|8|1").split('|');
    if (v >= 1)
        l << "2";
    l += QByteArray("5 14 3 3 9 72 68 81|6 14 3 3 9 200 70 90|7 14 3 3 9 3 85 90").split('|');
    return l;
}

QByteArray Joindre(const QList<QByteArray> &lignes, const QByteArray &fin = "\r\n")
{
    QByteArray o;
    for (const QByteArray &l : lignes)
        o += l + fin;
    return o;
}

class SavedFileRead : public FileTest
{
protected:
    // Writes the bytes to a .pelmar file and opens it as the data-source dialog does.
    bool Ouvrir(const QByteArray &octets)
    {
        const QString chemin = Chemin(QStringLiteral("essai.pelmar"));
        filetest::Ecrire(chemin, octets);
        return FS::Ouvrir_Sauvegarde(chemin);
    }
};

void Attendre_Donnees_Tenues_Intactes(bool drapeau)
{
    Declaration::Etat attendu;
    filetest::Donnees_Tenues(attendu);
    EXPECT_EQ(D().Donnees_Chargees, drapeau);
    EXPECT_EQ(D().Donnees_Memoire.rows, attendu.Donnees_Memoire.rows);
    EXPECT_EQ(D().Periode_Chargee, attendu.Periode_Chargee);
    EXPECT_EQ(D().Parametres_Afficheur, attendu.Parametres_Afficheur);
    EXPECT_EQ(D().Date_Selection.Adresse_Debut_Selection, attendu.Date_Selection.Adresse_Debut_Selection);
    EXPECT_EQ(D().Date_Selection.Adresse_Fin_Selection, attendu.Date_Selection.Adresse_Fin_Selection);
}

} // namespace

TEST_F(SavedFileRead, LaterVersionsFillEveryFieldTheFileCarries)
{
    Declaration::Parametres attendus;
    attendus.Offset = 5;
    attendus.Niveau_Alarme = 80;
    attendus.Version_Firmware = {0, 2, 4};
    attendus.Nom_Afficheur = QStringLiteral("Dorva 1");
    attendus.Numero_Serie = QStringLiteral("0042");
    attendus.Modele_Afficheur = 30; // not in the file: left as it was
    attendus.Config_Aff_Centre = 2;
    attendus.Config_Aff_Bas_Gauche = 3;
    attendus.Type_Luminosite_Auto = 1;
    attendus.Valeur_Luminosite = 8;
    attendus.Heure_Auto = 1;
    attendus.Type_Capteur = 2;
    for (int v = 1; v <= 3; ++v) {
        SCOPED_TRACE(v);
        testsupport::FreshState();
        D().Date_Selection = {7, 7, 7, 8, 8, 8, 0, 0};
        D().Index_Memoire.Jour_Premier = 12;
        D().Parametres_Afficheur.Modele_Afficheur = 30;
        ASSERT_TRUE(Ouvrir(Joindre(Base(v))));
        EXPECT_TRUE(D().Donnees_Chargees);
        EXPECT_EQ(D().Periode_Chargee, (Declaration::Periode{3, 3, 2009, 4, 3, 2009}));
        EXPECT_EQ(D().Date_Selection.Adresse_Debut_Selection, kDebut + 800);
        EXPECT_EQ(D().Date_Selection.Adresse_Fin_Selection, kDebut + 816);
        EXPECT_EQ(D().Parametres_Afficheur, attendus);
        ASSERT_EQ(D().Donnees_Memoire.Nombre_Lignes(), 3);
        EXPECT_EQ(D().Donnees_Memoire.rows[2],
                  (Declaration::Enregistrement_Memoire{0, 6, 14, 3, 3, 9, 200, 70, 90}));
        // The selection's dates and the memory index are not the file's.
        EXPECT_EQ(D().Date_Selection.Jour_Debut_Selection, 7);
        EXPECT_EQ(D().Index_Memoire.Jour_Premier, 12);
        EXPECT_TRUE(Messages().empty());
    }
}

TEST_F(SavedFileRead, VersionTwoZeroHasNoSensorLineAndLeavesTheSensorAlone)
{
    D().Parametres_Afficheur.Type_Capteur = 1;
    ASSERT_TRUE(Ouvrir(Joindre(Base(0))));
    EXPECT_EQ(D().Parametres_Afficheur.Type_Capteur, 1);
    EXPECT_EQ(D().Parametres_Afficheur.Heure_Auto, 1);
    ASSERT_EQ(D().Donnees_Memoire.Nombre_Lignes(), 3);
    EXPECT_EQ(D().Donnees_Memoire.rows[1],
              (Declaration::Enregistrement_Memoire{0, 5, 14, 3, 3, 9, 72, 68, 81}));
}

TEST_F(SavedFileRead, TheHandWrittenFixtureReadsAsTheDataSetItWasWrittenFrom)
{
    ASSERT_TRUE(FS::Ouvrir_Sauvegarde(QStringLiteral(FILE_TEST_DATA "/petit.pelmar")));
    Declaration::Etat attendu;
    filetest::Donnees_Petites(attendu);
    EXPECT_EQ(D().Donnees_Memoire.rows, attendu.Donnees_Memoire.rows);
    EXPECT_EQ(D().Periode_Chargee, attendu.Periode_Chargee);
    attendu.Parametres_Afficheur.Modele_Afficheur = 0;
    EXPECT_EQ(D().Parametres_Afficheur, attendu.Parametres_Afficheur); // Latin-1 ê included
}

TEST_F(SavedFileRead, VersionLineFortyDbMarkOnlyAbove128)
{
    auto l = Base();
    l[7] = "130 4";
    ASSERT_TRUE(Ouvrir(Joindre(l)));
    EXPECT_TRUE(D().Parametres_Afficheur.Modele_40dB);
    EXPECT_EQ(D().Parametres_Afficheur.Version_Firmware[1], 2);
    EXPECT_EQ(D().Parametres_Afficheur.Version_Firmware[2], 4);

    l[7] = "128 4";
    ASSERT_TRUE(Ouvrir(Joindre(l)));
    EXPECT_FALSE(D().Parametres_Afficheur.Modele_40dB);
    EXPECT_EQ(D().Parametres_Afficheur.Version_Firmware[1], 128);
}

TEST_F(SavedFileRead, SignedOffsetsAndNamesWithBlanks)
{
    auto l = Base();
    l[5] = "-12";
    l[8] = "   Mon  Nom  +-*/";
    ASSERT_TRUE(Ouvrir(Joindre(l)));
    EXPECT_EQ(D().Parametres_Afficheur.Offset, -12);
    EXPECT_EQ(D().Parametres_Afficheur.Nom_Afficheur, QStringLiteral("  Mon  Nom  "));

    l[5] = "+7";
    l[8] = " +-*/";
    ASSERT_TRUE(Ouvrir(Joindre(l)));
    EXPECT_EQ(D().Parametres_Afficheur.Offset, 7);
    EXPECT_EQ(D().Parametres_Afficheur.Nom_Afficheur, QString());
}

TEST_F(SavedFileRead, RowCountFollowsTheAddressesAcrossTheRingEnd)
{
    auto avec = [](int32_t premier, int32_t dernier, int lignes) {
        auto l = Base();
        l[3] = QByteArray::number(premier);
        l[4] = QByteArray::number(dernier);
        l.resize(18);
        for (int k = 0; k < lignes; ++k)
            l << QByteArray::number(k % 60) + " 1 2 3 9 70 65 80";
        return Joindre(l);
    };
    // Wrapping: 64 bytes before the end to 64 bytes after the start.
    ASSERT_TRUE(Ouvrir(avec(Fonctions::Fin_Anneau - 64, kDebut + 64, 20)));
    EXPECT_EQ(D().Donnees_Memoire.Nombre_Lignes(), 17); // lines after row N are not read
    ASSERT_TRUE(Ouvrir(avec(kDebut + 4096, kDebut + 4096 + 64, 9)));
    EXPECT_EQ(D().Donnees_Memoire.Nombre_Lignes(), 9);
    ASSERT_TRUE(Ouvrir(avec(kDebut, kDebut, 1)));
    EXPECT_EQ(D().Donnees_Memoire.Nombre_Lignes(), 1);
    // Fewer lines than the addresses count, as a download that dropped erased records writes.
    ASSERT_TRUE(Ouvrir(avec(kDebut, kDebut + 8 * 99, 37)));
    EXPECT_EQ(D().Donnees_Memoire.Nombre_Lignes(), 37);
    EXPECT_EQ(D().Donnees_Memoire.rows[37][1], 36);
    // Even none, as a download of erased memory only leaves.
    ASSERT_TRUE(Ouvrir(avec(kDebut, kDebut + 8 * 99, 0)));
    EXPECT_EQ(D().Donnees_Memoire.Nombre_Lignes(), 0);
}

TEST_F(SavedFileRead, LfLineEndsReadAsCrLf)
{
    ASSERT_TRUE(Ouvrir(Joindre(Base(), "\n")));
    const auto lf = D().Donnees_Memoire.rows;
    const auto parametres = D().Parametres_Afficheur;
    testsupport::FreshState();
    ASSERT_TRUE(Ouvrir(Joindre(Base())));
    EXPECT_EQ(D().Donnees_Memoire.rows, lf);
    EXPECT_EQ(D().Parametres_Afficheur, parametres);
}

TEST_F(SavedFileRead, PathAndExtensionChecksComeBeforeAnyReading)
{
    filetest::Donnees_Tenues(D());
    EXPECT_FALSE(FS::Ouvrir_Sauvegarde(QString()));
    const QString majuscules = Chemin(QStringLiteral("a.PELMAR"));
    filetest::Ecrire(majuscules, Joindre(Base()));
    EXPECT_FALSE(FS::Ouvrir_Sauvegarde(majuscules));
    EXPECT_FALSE(FS::Ouvrir_Sauvegarde(Chemin(QStringLiteral("absent.pelmar"))));
    ASSERT_EQ(Messages().size(), 3u);
    EXPECT_EQ(Messages()[0].text,
              QStringLiteral("Veuillez entrer un nom de sauvegarde pour ouvrir ce dernier, SVP !!!"));
    EXPECT_EQ(Messages()[0].title, QStringLiteral("Impossible d'ouvrir le Fichier !!!"));
    EXPECT_EQ(Messages()[1].text,
              QStringLiteral("Le fichier n'est pas un fichier d'Pelmar. Impossible d'ouvrir le fichier !!!"));
    EXPECT_EQ(Messages()[1].title, QStringLiteral("Impossible d'ouvrir le fichier"));
    EXPECT_EQ(Messages()[2].text, FS::Texte_Illisible);
    for (const auto &m : Messages())
        EXPECT_EQ(m.icon, platform::MsgIcon::Critical);
    Attendre_Donnees_Tenues_Intactes(true);

    // The same name in lower case opens.
    const QString minuscules = Chemin(QStringLiteral("a.pelmar"));
    filetest::Ecrire(minuscules, Joindre(Base()));
    EXPECT_TRUE(FS::Ouvrir_Sauvegarde(minuscules));
}

TEST_F(SavedFileRead, FilesThatAreNotPlainOrAreEndlessAreToldAtOnceAndReadNoFurtherThanARing)
{
    // A named pipe that nobody writes to, a link to an endless device and a folder: unreadable, with
    // nothing waited on and nothing read.
    testsupport::NamedPipe tube(Chemin(QStringLiteral("x.pelmar")));
    ASSERT_TRUE(tube.made());
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), Chemin(QStringLiteral("zero.pelmar"))));
    ASSERT_TRUE(QDir().mkdir(Chemin(QStringLiteral("dossier.pelmar"))));
    // Gigabytes of holes after another model's header, or after a good file whose rows end before them.
    constexpr qint64 kGrand = 6'000'000'000;
    static_assert(kGrand > 100 * FS::Longueur_Lue_Max);
    ASSERT_TRUE(testsupport::WriteSparseFile(Chemin(QStringLiteral("autre.pelmar")),
                                             "Sauvegarde d'un Tuvik - Version 2.3\r\n", kGrand));
    ASSERT_TRUE(testsupport::WriteSparseFile(Chemin(QStringLiteral("suite.pelmar")), Joindre(Base()), kGrand));

    struct Cas
    {
        const char *nom;
        QString texte;
    };
    for (const Cas &c : {Cas{"x.pelmar", FS::Texte_Illisible}, Cas{"zero.pelmar", FS::Texte_Illisible},
                         Cas{"dossier.pelmar", FS::Texte_Illisible}, Cas{"autre.pelmar", FS::Texte_Pas_Pelmar}}) {
        SCOPED_TRACE(c.nom);
        testsupport::FreshState();
        filetest::Donnees_Tenues(D());
        platform::ClearShownMessages();
        EXPECT_FALSE(FS::Ouvrir_Sauvegarde(Chemin(QString::fromLatin1(c.nom))));
        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_EQ(Messages()[0].text, c.texte);
        EXPECT_EQ(Messages()[0].title, FS::Titre_Ouvrir);
        Attendre_Donnees_Tenues_Intactes(true);
    }
    EXPECT_FALSE(tube.readerWaited());

    // The rows that the good file announces are read; the holes after them are not.
    testsupport::FreshState();
    platform::ClearShownMessages();
    ASSERT_TRUE(FS::Ouvrir_Sauvegarde(Chemin(QStringLiteral("suite.pelmar"))));
    EXPECT_TRUE(Messages().empty());
    ASSERT_EQ(D().Donnees_Memoire.Nombre_Lignes(), 3);
    EXPECT_EQ(D().Donnees_Memoire.rows[3][8], 90);
}

TEST_F(SavedFileRead, EveryKindOfBadFileIsRefusedAndTheDataHeldStay)
{
    using Retouche = std::function<QByteArray()>;
    auto ligne = [](int index, QByteArray texte) {
        return [index, texte] {
            auto l = Base();
            l[index] = texte;
            return Joindre(l);
        };
    };
    struct Cas
    {
        const char *nom;
        Retouche octets;
        bool entete; // refused as not a Pelmar file rather than as damaged
        int ligne;   // first line found wrong, for a damaged file
    };
    const std::vector<Cas> cas{
        {"empty file", [] { return QByteArray(); }, true, 0},
        {"version 2.4 header", ligne(0, "Sauvegarde d'un Pelmar - Version 2.4"), true, 0},
        {"other model", ligne(0, "Sauvegarde d'un Tuvik - Version 2.3"), true, 0},
        {"header with more after it", ligne(0, "Sauvegarde d'un Pelmar - Version 2.31"), false, 1},
        {"header only", [] { return FS::Entete(3); }, false, 1},
        {"file cut after the header block", [] { return Joindre(Base().mid(0, 10)); }, false, 11},
        {"record line cut short", [] { return Joindre(Base().mid(0, 20)) + "7 14 3\r\n"; }, false, 21},
        {"last line without its end", [] { return Joindre(Base()).chopped(2); }, false, 21},
        {"blank line among records",
         [] { return Joindre(Base().mid(0, 19)) + "\r\n" + Joindre(Base().mid(19)); }, false, 20},
        {"two blanks between numbers", ligne(18, "5  14 3 3 9 72 68 81"), false, 19},
        {"nine numbers", ligne(18, "5 14 3 3 9 72 68 81 1"), false, 19},
        {"letter in a record", ligne(19, "6 14 3 3 9 2O0 70 90"), false, 20},
        {"record byte above 255", ligne(20, "7 14 3 3 9 3 85 256"), false, 21},
        {"negative record byte", ligne(20, "7 14 3 3 9 -3 85 90"), false, 21},
        {"letter in the alarm level", ligne(6, "8O"), false, 7},
        {"letter in the serial number", ligne(9, "00A2"), false, 10},
        {"empty offset", ligne(5, ""), false, 6},
        {"offset out of range", ligne(5, "-40"), false, 6},
        {"setting out of range", ligne(13, "300"), false, 14},
        {"sensor link out of range", ligne(17, "70000"), false, 18},
        {"version without minor", ligne(7, "2"), false, 8},
        {"name without end marker", ligne(8, " Dorva 1"), false, 9},
        {"name without leading blank", ligne(8, "Dorva 1+-*/"), false, 9},
        {"address beyond the ring", ligne(4, QByteArray::number(Fonctions::Fin_Anneau)), false, 5},
        {"address before the ring", ligne(3, "8"), false, 4},
        {"address between two records", ligne(3, QByteArray::number(kDebut + 803)), false, 4},
        {"absurd address", ligne(3, "99999999999999"), false, 4},
        {"impossible date", ligne(1, "30-02-2009"), false, 2},
        {"month 13", ligne(2, "04-13-2009"), false, 3},
        {"year before the panel's", ligne(2, "04-03-1999"), false, 3},
        {"date with one-digit day", ligne(1, "3-03-2009"), false, 2},
        {"date with a letter", ligne(1, "03-O3-2009"), false, 2},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.nom);
        for (const bool drapeau : {true, false}) {
            testsupport::FreshState();
            filetest::Donnees_Tenues(D());
            D().Donnees_Chargees = drapeau;
            platform::ClearShownMessages();
            EXPECT_FALSE(Ouvrir(c.octets()));
            Attendre_Donnees_Tenues_Intactes(drapeau);
            ASSERT_EQ(Messages().size(), 1u);
            EXPECT_EQ(Messages()[0].text, c.entete ? FS::Texte_Pas_Pelmar : FS::Texte_Endommage(c.ligne));
            EXPECT_EQ(Messages()[0].title, QStringLiteral("Impossible d'ouvrir le fichier"));
        }
    }
}

TEST_F(SavedFileRead, DataSourceDialogOpensAFileAndTakesTheHeldDataRoad)
{
    int vues = 0;
    Routes::Inscrire(Routes::Vue::InTableau_Old, [&vues] { ++vues; });
    D().Type_Analyse = Declaration::Vue_Leq;
    const QString chemin = Chemin(QStringLiteral("dialogue.pelmar"));
    filetest::Ecrire(chemin, Joindre(Base()));
    Repondre({chemin});

    frmData_Type &dialogue = Data_Type::Show();
    dialogue.Cmd_Search_Click();
    ASSERT_EQ(dialogue.Text_Save_Data->text(), chemin);
    dialogue.Cmd_Ok_Click();
    EXPECT_TRUE(D().Donnees_Chargees);
    EXPECT_EQ(D().Donnees_Memoire.Nombre_Lignes(), 3);
    EXPECT_EQ(vues, 1);
    EXPECT_TRUE(Messages().empty());
    Routes::Inscrire(Routes::Vue::InTableau_Old, nullptr);
}
