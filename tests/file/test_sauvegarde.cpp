// Writing the saved-data file: exact bytes, the save road's dialog and messages, and the round trip.
#include "file_test_support.h"

#include "analysis/core/Fonctions.h"
#include "analysis/core/Fonctions_Sauvegarde.h"
#include "analysis/core/frmMain.h"
#include "platform/form.h"
#include "small_disk.h"

#include <QFile>
#include <random>

using Declaration::D;
namespace FS = Fonctions_Sauvegarde;

class SavedFileWrite : public filetest::FileTest
{
protected:
    QByteArray Petit() { return filetest::Fixture(QStringLiteral("petit.pelmar")); }
};

namespace {

// `n` rows of any bytes, their addresses wrapping round the ring's end.
void Donnees_Aleatoires(Declaration::Etat &e, int n)
{
    std::mt19937 g(11);
    filetest::Donnees_Petites(e);
    e.Parametres_Afficheur.Modele_40dB = false;
    e.Parametres_Afficheur.Nom_Afficheur = QStringLiteral(" Ecole àéè  ");
    e.Parametres_Chargees = e.Parametres_Afficheur;
    e.Adresse_Debut_Chargee = Fonctions::Fin_Anneau - 8 * 10;
    e.Adresse_Fin_Chargee = Fonctions::Debut_Anneau + 8 * (n - 11);
    e.Donnees_Memoire.Redimensionner(n);
    for (int k = 1; k <= n; ++k)
        for (int c = 1; c <= 8; ++c)
            e.Donnees_Memoire(k, c) = static_cast<int16_t>(g() % 256);
}

} // namespace

TEST_F(SavedFileWrite, SmallDataSetIsWrittenByteForByteAsTheHandWrittenFixture)
{
    // The fixture's date lines hold the period held, not the narrower selection beside it.
    filetest::Donnees_Petites(D());
    EXPECT_EQ(FS::Octets_Sauvegarde(D()), Petit());

    const QString chemin = Chemin(QStringLiteral("a.pelmar"));
    filetest::Ecrire(chemin, QByteArray(100000, 'x')); // an older, longer file is replaced whole
    Repondre({chemin});
    FS::Sauvegarder_Donnees();
    EXPECT_EQ(filetest::Lire(chemin), Petit());
    ASSERT_EQ(demandes.size(), 1u);
    EXPECT_EQ(demandes[0].mode, platform::FileDialogMode::Save);
    EXPECT_EQ(demandes[0].proposedName,
              QStringLiteral("Pelmar - 40dB - Salle Fête  2 - 03-03-2009 au 05-03-2009.pelmar"));
    EXPECT_EQ(demandes[0].filter, QStringLiteral("Sauvegarde Pelmar (*.pelmar)|*.pelmar"));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(SavedFileWrite, FileHoldsEighteenLinesPlusOnePerRowEachEndedByCrLf)
{
    Donnees_Aleatoires(D(), 250);
    const QByteArray octets = FS::Octets_Sauvegarde(D());
    EXPECT_EQ(octets.count("\r\n"), 18 + 250);
    EXPECT_EQ(octets.count('\n'), 18 + 250);
    EXPECT_EQ(octets.count('\r'), 18 + 250);
    EXPECT_TRUE(octets.endsWith("\r\n"));
}

TEST_F(SavedFileWrite, ProposedNameWithoutTheFortyDbMarkAndWithASlashMadeADash)
{
    filetest::Donnees_Petites(D());
    D().Parametres_Afficheur.Modele_40dB = false;
    D().Parametres_Afficheur.Nom_Afficheur = QStringLiteral("Hall A/B");
    D().Parametres_Chargees = D().Parametres_Afficheur;
    D().Periode_Chargee = {9, 11, 2010, 12, 11, 2010};
    EXPECT_EQ(FS::Nom_Propose(D()), QStringLiteral("Pelmar - Hall A-B - 09-11-2010 au 12-11-2010.pelmar"));
}

TEST_F(SavedFileWrite, NameWithoutExtensionIsSavedAsTypedThenRefusedOnOpening)
{
    filetest::Donnees_Petites(D());
    const QString sans = Chemin(QStringLiteral("mesures"));
    Repondre({sans});
    FS::Sauvegarder_Donnees();
    EXPECT_EQ(filetest::Lire(sans), Petit());
    EXPECT_FALSE(FS::Ouvrir_Sauvegarde(sans));
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, FS::Texte_Pas_Pelmar);
}

TEST_F(SavedFileWrite, NoDataCancelEmptyNameAndFailedWrite)
{
    filetest::Donnees_Petites(D());
    D().Donnees_Chargees = false;
    FS::Sauvegarder_Donnees();
    EXPECT_TRUE(demandes.empty());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text,
              QStringLiteral("Il faut télécharger en premier les données pour faire une sauvegarde !!!"));
    EXPECT_EQ(Messages()[0].title, QStringLiteral("Impossible de sauvegarder les données !!!"));
    EXPECT_EQ(Messages()[0].icon, platform::MsgIcon::Critical);

    // Cancel: nothing written, nothing said.
    D().Donnees_Chargees = true;
    platform::ClearShownMessages();
    Repondre({std::nullopt});
    FS::Sauvegarder_Donnees();
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(QDir(Chemin(QString())).entryList(QDir::Files).isEmpty());

    // An empty name: the message, then the dialog again proposing nothing.
    demandes.clear();
    Repondre({QString(), Chemin(QStringLiteral("b.pelmar"))});
    FS::Sauvegarder_Donnees();
    ASSERT_EQ(demandes.size(), 2u);
    EXPECT_TRUE(demandes[1].proposedName.isEmpty());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, QStringLiteral("Veuillez entrer un nom de sauvegarde SVP !!!"));
    EXPECT_EQ(Messages()[0].title, QStringLiteral("Impossible de sauver les données !!!"));
    EXPECT_TRUE(QFile::exists(Chemin(QStringLiteral("b.pelmar"))));

    // A file that cannot be written is reported and leaves nothing behind.
    platform::ClearShownMessages();
    const QString absent = Chemin(QStringLiteral("absent/c.pelmar"));
    Repondre({absent});
    FS::Sauvegarder_Donnees();
    EXPECT_FALSE(QFile::exists(absent));
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, FS::Texte_Ecriture_Echouee);
}

TEST_F(SavedFileWrite, FullDiskLeavesTheOlderFileAsItWasAndSaysSo)
{
    if (!testsupport::RunWhereDisksMount())
        return;
    struct Cas
    {
        int lignes;
        qint64 libre;
        bool ancien;
    };
    // Files under and above the 16 KiB that a file keeps in memory before writing, on a full disk or one
    // with part of them free; over an older file or where there was none.
    const QByteArray ancien = QByteArray(32000, 'a');
    for (const Cas c :
         {Cas{100, 0, true}, Cas{400, 8192, false}, Cas{2000, 8192, true}, Cas{2000, 0, false}}) {
        SCOPED_TRACE(c.lignes);
        Donnees_Aleatoires(D(), c.lignes);
        const Declaration::Etat avant = D();
        testsupport::SmallDisk disque;
        if (!disque.mounted())
            return; // skipped, before anything is written
        const QString chemin = disque.path(QStringLiteral("a.pelmar"));
        if (c.ancien)
            filetest::Ecrire(chemin, ancien);
        disque.fill(c.libre);
        const QStringList entrees = disque.entries();
        platform::ClearShownMessages();
        frmMain fenetre;
        Repondre({chemin});
        fenetre.Save->trigger();

        ASSERT_EQ(Messages().size(), 1u) << FS::Octets_Sauvegarde(D()).size();
        EXPECT_EQ(Messages()[0].text, FS::Texte_Ecriture_Echouee);
        EXPECT_EQ(Messages()[0].title, FS::Titre_Sauver);
        EXPECT_EQ(disque.entries(), entrees);
        if (c.ancien) {
            EXPECT_EQ(filetest::Lire(chemin), ancien);
        }
        EXPECT_EQ(D().Donnees_Memoire.rows, avant.Donnees_Memoire.rows);
        EXPECT_TRUE(D().Donnees_Chargees);
    }
}

TEST_F(SavedFileWrite, SavingAndOpeningCloseTheFlaggedWindowsFirst)
{
    auto *vue = new platform::Form();
    Fonctions::Inscrire_Fenetre(Fonctions::Fenetre::Tableau_Leq, vue);
    D().Ouvert.Ouvert_Tableau_Leq = true;
    FS::Sauvegarder_Donnees(); // no data held: the windows close all the same
    EXPECT_TRUE(vue->IsUnloaded());

    auto *autre = new platform::Form();
    Fonctions::Inscrire_Fenetre(Fonctions::Fenetre::Evenements, autre);
    D().Ouvert.Ouvert_Evenements = true;
    FS::Ouvrir_Sauvegarde(QString());
    EXPECT_TRUE(autre->IsUnloaded());
}

TEST_F(SavedFileWrite, RoundTripGivesBackTheRecordTablePeriodParametersAndAddresses)
{
    Donnees_Aleatoires(D(), 3000);
    const Declaration::Etat avant = D();
    const QString chemin = Chemin(QStringLiteral("aller-retour.pelmar"));
    frmMain fenetre;
    Repondre({chemin});
    fenetre.Save->trigger(); // through the menu entry
    ASSERT_TRUE(Messages().empty());

    // Another data set replaces it in between, as a download would.
    filetest::Donnees_Tenues(D());
    D().Parametres_Afficheur.Modele_Afficheur = 9;
    D().Donnees_Chargees = false; // the data-source dialog clears it before opening
    ASSERT_TRUE(FS::Ouvrir_Sauvegarde(chemin));

    EXPECT_TRUE(D().Donnees_Chargees);
    EXPECT_EQ(D().Donnees_Memoire.rows, avant.Donnees_Memoire.rows);
    EXPECT_EQ(D().Periode_Chargee, avant.Periode_Chargee);
    EXPECT_EQ(D().Date_Selection.Adresse_Debut_Selection, avant.Adresse_Debut_Chargee);
    EXPECT_EQ(D().Date_Selection.Adresse_Fin_Selection, avant.Adresse_Fin_Chargee);
    EXPECT_EQ(D().Adresse_Debut_Chargee, avant.Adresse_Debut_Chargee);
    EXPECT_EQ(D().Adresse_Fin_Chargee, avant.Adresse_Fin_Chargee);
    auto attendus = avant.Parametres_Afficheur;
    attendus.Modele_Afficheur = 9; // not in the file: left as it was
    EXPECT_EQ(D().Parametres_Afficheur, attendus);
    EXPECT_EQ(D().Date_Selection.Jour_Debut_Selection, 1); // nor are the selection's dates

    // Saving what was read gives the same bytes again.
    EXPECT_EQ(FS::Octets_Sauvegarde(D()), filetest::Lire(chemin));
}
