// The "Paramètres" menu's file commands on real windows, offscreen: saving with its dialog answered, the
// check and the parameters window, both tables printed to PDF and read back, and the road from a simulated
// panel's read-back to a saved file and its view.
#include "configurator/Declaration.h"
#include "configurator/Fonctions.h"
#include "configurator/Fonctions_Sauvegarde.h"
#include "configurator/Modele.h"
#include "configurator/windows/frmConfig.h"
#include "configurator/windows/frmMain.h"
#include "configurator/windows/frmParametres.h"
#include "configurator/windows/frmPrint.h"
#include "lecture_pdf.h"
#include "odd_files.h"
#include "parametres_test.h"
#include "platform/common_dialog.h"
#include "platform/message_box.h"
#include "platform/ticks.h"
#include "relecture.h"
#include "small_disk.h"

#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

namespace FP = configurator::Fichier_Parametres;
namespace FS = configurator::Fonctions_Sauvegarde;
using configtest::Reglages;
using configurator::frmParametres;
using configurator::Modele;
using configurator::Parametres;
using configurator::Declaration::D;

class ParameterWindows : public ::testing::Test
{
protected:
    void SetUp() override
    {
        configurator::Declaration::Reinitialiser();
        configurator::Fonctions::Controles_Programme() = {};
        configurator::Fonctions::Controles_Programme().Config = Reglages();
        platform::ClearShownMessages();
        platform::SetMessageAnswerer([](const platform::ShownMessage &) { return platform::MsgResult::Ok; });
        main = std::make_unique<configurator::frmMain>();
        main->show();
    }
    void TearDown() override
    {
        configurator::Fonctions::Fermer_Fenetres();
        main.reset();
        platform::SetFileDialogAnswerer(nullptr);
        platform::SetPrinterDialogAnswerer(nullptr);
        platform::SetMessageAnswerer(nullptr);
        configtest::Ports_Vers_Rien();
    }

    QString Chemin(const QString &base) const
    {
        return dossier.filePath(base + QLatin1Char('.') + Modele().Extension_Fichier);
    }
    // The file dialog gives these answers in turn; every request is kept.
    void Dialogue(std::vector<std::optional<QString>> reponses)
    {
        demandes.clear();
        platform::SetFileDialogAnswerer([this, reponses](const platform::FileDialogRequest &r) {
            demandes.push_back(r);
            return reponses[std::min(demandes.size(), reponses.size()) - 1];
        });
    }
    QString Imprimante(const QString &nom, bool annuler = false)
    {
        const QString pdf = dossier.filePath(nom);
        platform::SetPrinterDialogAnswerer(
            [pdf, annuler] { return annuler ? std::nullopt : std::optional(pdf); });
        return pdf;
    }
    // The settings window in view mode, filled by the read-back of `sim` on COM 9.
    bool Relecture(panelsim::PanelSimulator &sim)
    {
        qputenv("PANEL_COM9", QByteArray::fromStdString(sim.path()));
        D().Port_COM = 9;
        D().Mode_Utilisateur = configurator::Declaration::Utilisateur;
        D().Reponse_Absente_Signalee = true; // as the start-up leaves it
        D().Envoi_Autorise = false;
        main->mnuVisualiser->setEnabled(true);
        main->mnuVisualiser->trigger();
        if (configurator::Config::Instance() == nullptr)
            return false;
        const qint64 fin = platform::GetTickCount() + 5000;
        while (!D().Envoi_Autorise && platform::GetTickCount() < fin)
            configurator::Fonctions::Passe_Reception();
        return D().Envoi_Autorise;
    }
    // Saves the settings window's parameters as `base`, then opens that file: the parameters window.
    frmParametres *Sauver_Ouvrir(const QString &base)
    {
        Dialogue({Chemin(base)});
        FS::Sauvegarde_Parametres();
        main->mnuOpen->trigger();
        EXPECT_EQ(configurator::Config::Instance(), nullptr); // one window at a time
        return Parametres::Instance();
    }
    static QString Ligne(const lecture_pdf::Page &p, const QString &mot)
    {
        const lecture_pdf::Mot *m = p.trouver(mot);
        return m ? p.ligne(m->yMin) : QString();
    }

    std::unique_ptr<configurator::frmMain> main;
    QTemporaryDir dossier;
    std::vector<platform::FileDialogRequest> demandes;
};

TEST_F(ParameterWindows, SaveWritesTheFileAndTellsAFailedWrite)
{
    D().Version_Firmware = {0, 2, 3};
    D().Modele_40dB = true;
    // No name at all is a Cancel: nothing written, nothing said, not asked again.
    Dialogue({QString()});
    FS::Sauvegarde_Parametres();
    EXPECT_EQ(demandes.size(), 1u);
    EXPECT_TRUE(QDir(dossier.path()).entryList(QDir::Files).isEmpty());
    demandes.clear();
    Dialogue({Chemin(QStringLiteral("salle"))});
    FS::Sauvegarde_Parametres();
    ASSERT_EQ(demandes.size(), 1u);
    EXPECT_EQ(demandes[0].mode, platform::FileDialogMode::Save);
    EXPECT_EQ(demandes[0].proposedName,
              FP::Nom_Par_Defaut(QStringLiteral("Salle des fêtes"), QDate::currentDate()));
    EXPECT_EQ(demandes[0].filter, Modele().Filtre_Fichier);
    QFile f(Chemin(QStringLiteral("salle")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), configtest::Octets(Reglages(), {0, 2, 3}, true));

    // Cancel: nothing written, nothing said. A folder that does not exist: said, nothing written.
    platform::ClearShownMessages();
    Dialogue({std::nullopt});
    FS::Sauvegarde_Parametres();
    EXPECT_TRUE(platform::ShownMessages().empty());
    const QString impossible = dossier.filePath(QStringLiteral("absent/x.") + Modele().Extension_Fichier);
    Dialogue({impossible});
    FS::Sauvegarde_Parametres();
    ASSERT_EQ(platform::ShownMessages().size(), 1u);
    EXPECT_TRUE(platform::ShownMessages()[0].text.contains(impossible));
    EXPECT_EQ(platform::ShownMessages()[0].title, Modele().Titre_Sauvegarde_Impossible);
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files).size(), 1);
}

TEST_F(ParameterWindows, SaveOnAFullDiskLeavesTheOlderFileAsItWasAndSaysSo)
{
    if (!testsupport::RunWhereDisksMount())
        return;
    const QByteArray ancien = QByteArray(32000, 'p');
    for (const bool present : {true, false}) {
        testsupport::SmallDisk disque;
        if (!disque.mounted())
            return; // skipped, before anything is written
        const QString chemin = disque.path(QStringLiteral("salle.") + Modele().Extension_Fichier);
        if (present) {
            QFile f(chemin);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(ancien);
        }
        disque.fill();
        const QStringList entrees = disque.entries();
        platform::ClearShownMessages();
        Dialogue({chemin});
        FS::Sauvegarde_Parametres();

        ASSERT_EQ(platform::ShownMessages().size(), 1u) << present;
        EXPECT_TRUE(platform::ShownMessages()[0].text.contains(chemin));
        EXPECT_EQ(platform::ShownMessages()[0].title, Modele().Titre_Sauvegarde_Impossible);
        EXPECT_EQ(disque.entries(), entrees);
        QFile f(chemin);
        if (present) {
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            EXPECT_EQ(f.readAll(), ancien);
        } else {
            EXPECT_FALSE(f.exists());
        }
    }
}

TEST_F(ParameterWindows, OpenMenuShowsTheFileOrRefusesIt)
{
    const QString chemin = Chemin(QStringLiteral("salle"));
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(configtest::Octets(Reglages(), {0, 2, 3}, true));
    f.close();
    QFile::copy(chemin, dossier.filePath(QStringLiteral("maj.") + Modele().Extension_Fichier.toUpper()));

    // A refused file: the message, no window; a cancelled dialog: nothing.
    Dialogue({dossier.filePath(QStringLiteral("maj.") + Modele().Extension_Fichier.toUpper())});
    main->mnuOpen->trigger();
    ASSERT_EQ(platform::ShownMessages().size(), 1u);
    EXPECT_EQ(platform::ShownMessages()[0].text, Modele().Message_Fichier_Refuse);
    EXPECT_EQ(platform::ShownMessages()[0].title, QStringLiteral("Impossible d'ouvrir le fichier ..."));
    Dialogue({std::nullopt});
    main->mnuOpen->trigger();
    EXPECT_EQ(Parametres::Instance(), nullptr);
    EXPECT_TRUE(D().Chaine_Temp.isEmpty());

    Dialogue({chemin});
    main->mnuOpen->trigger();
    EXPECT_EQ(demandes[0].mode, platform::FileDialogMode::Open);
    EXPECT_TRUE(demandes[0].proposedName.isEmpty());
    EXPECT_EQ(D().Chaine_Temp, chemin);
    EXPECT_TRUE(D().Modele_40dB && D().Ouvert.Ouvert_Parametres);
    frmParametres *w = Parametres::Instance();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), Modele().Titre_Parametres + QStringLiteral(" Salle des fêtes"));
    EXPECT_EQ(w->Label_Entete->text(), Modele().Entete_Parametres_40dB + QStringLiteral(" Salle des fêtes"));
    EXPECT_EQ(
        (QStringList{w->Label_FirmWare->text(), w->Label_Serial_Number->text(), w->Label_Name->text(),
                     w->Label_Alarme->text(), w->Label_Offset->text(), w->Label_Aff_Centre->text(),
                     w->Label_Aff_Bas_Gauche->text(), w->Label_Aff_Bas_Droite->text(),
                     w->Label_Lumens->text(), w->Label_Type_Lumens->text(), w->Label_Value_Lumens->text(),
                     w->Label_Capteur->text()}),
        (QStringList{"Version 2.3", "12345678", " Salle des fêtes", "85 dB", "-05 dB", "Niveau Leq 1 Minute",
                     "Afficheur Désactivé", "Niveau Crête", "Luminosité Manuelle",
                     "Valeur de  Luminosité :", "9 / 15", Modele().Capteur_Ostra_Fichier}));
    // Picture buttons say what they do; no label is cut off.
    EXPECT_EQ(w->Cmd_Print->accessibleName(), QStringLiteral("Imprimer"));
    EXPECT_EQ(w->Cmd_Exit->toolTip(), QStringLiteral("Quitter"));
    EXPECT_TRUE(w->Cmd_Print->text().isEmpty() && w->Cmd_Exit->text().isEmpty());
    for (QLabel *l : w->findChildren<QLabel *>())
        EXPECT_GE(l->width(), l->sizeHint().width()) << l->text().toStdString();

    // A damaged file of the right kind is refused whole: the window shown, the 40 dB flag and the path
    // all stay as they were.
    for (const QByteArray &abime :
         {configtest::Octets(Reglages(), {0, 2, 2}, false).chopped(8),
          configtest::Octets(Reglages(), {0, 2, 2}, false).replace("\r\n85\r\n", "\r\n8x\r\n"),
          configtest::Octets(Reglages(), {0, 2, 2}, false).replace("+-*/", "+-*")}) {
        const QString chemin_abime = Chemin(QStringLiteral("abime"));
        QFile a(chemin_abime);
        ASSERT_TRUE(a.open(QIODevice::WriteOnly));
        a.write(abime);
        a.close();
        platform::ClearShownMessages();
        Dialogue({chemin_abime});
        main->mnuOpen->trigger();
        ASSERT_EQ(platform::ShownMessages().size(), 1u);
        EXPECT_EQ(platform::ShownMessages()[0].text, Modele().Message_Fichier_Refuse);
        EXPECT_EQ(Parametres::Instance(), w);
        EXPECT_TRUE(D().Modele_40dB);
        EXPECT_EQ(D().Chaine_Temp, chemin);
        EXPECT_EQ(w->Label_FirmWare->text(), QStringLiteral("Version 2.3"));
    }
    // A named pipe that nobody writes to, or a link to an endless device: told as unreadable at once,
    // nothing waited on, and the same things stay.
    testsupport::NamedPipe tube(Chemin(QStringLiteral("x")));
    ASSERT_TRUE(tube.made());
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), Chemin(QStringLiteral("zero"))));
    for (const QString &nom : {Chemin(QStringLiteral("x")), Chemin(QStringLiteral("zero"))}) {
        platform::ClearShownMessages();
        Dialogue({nom});
        main->mnuOpen->trigger();
        ASSERT_EQ(platform::ShownMessages().size(), 1u);
        EXPECT_EQ(platform::ShownMessages()[0].text, QStringLiteral("Le fichier ne peut pas être lu :\n") + nom);
        EXPECT_EQ(platform::ShownMessages()[0].title, QStringLiteral("Impossible d'ouvrir le fichier ..."));
        EXPECT_EQ(Parametres::Instance(), w);
        EXPECT_EQ(D().Chaine_Temp, chemin);
    }
    EXPECT_FALSE(tube.readerWaited());
    Dialogue({chemin});

    // Opening again replaces the window; "Quitter" closes it.
    const QPointer<frmParametres> ancien(w);
    main->mnuOpen->trigger();
    EXPECT_TRUE(ancien.isNull() || ancien->IsUnloaded());
    ASSERT_NE(Parametres::Instance(), nullptr);
    Parametres::Instance()->Cmd_Exit->click();
    EXPECT_EQ(Parametres::Instance(), nullptr);
    EXPECT_FALSE(D().Ouvert.Ouvert_Parametres);
}

TEST_F(ParameterWindows, BothTablesPrintOnOnePortraitPage)
{
    D().Version_Firmware = {0, 2, 3};
    D().Modele_40dB = true;
    Imprimante(QStringLiteral("annule.pdf"), true);
    FS::Impression_Parametres();
    EXPECT_EQ(configurator::Print::Instance(), nullptr);

    const QString feuille = Imprimante(QStringLiteral("feuille.pdf"));
    FS::Impression_Parametres();
    EXPECT_EQ(configurator::Print::Instance(), nullptr);
    auto pages = lecture_pdf::Lire(feuille);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_GT(pages[0].hauteur, pages[0].largeur);
    EXPECT_EQ(Ligne(pages[0], QStringLiteral("40dB")),
              (Modele().Entete_Parametres_40dB + QStringLiteral("Salle des fêtes")).simplified());
    EXPECT_EQ(Ligne(pages[0], QStringLiteral("FirmWare")), QStringLiteral("Version FirmWare : Version 2.3"));
    EXPECT_EQ(Ligne(pages[0], QStringLiteral("d'Alarme")), QStringLiteral("Niveau d'Alarme : 85 dB"));
    EXPECT_EQ(Ligne(pages[0], QStringLiteral("Valeur")), QStringLiteral("Valeur de la Luminosité : 9 / 15"));
    EXPECT_EQ(Ligne(pages[0], QStringLiteral("Capteur")),
              QStringLiteral("Type de Liaison Capteur : Liaison Avec un Ostra"));
    EXPECT_EQ(pages[0].trouver(QStringLiteral("Changement")) != nullptr, Modele().Horloge());
    EXPECT_TRUE(QDir(dossier.path()).entryList({QStringLiteral("annule.pdf")}).isEmpty());

    D().Chaine_Temp = dossier.filePath(QStringLiteral("salle"));
    QFile f(D().Chaine_Temp);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(configtest::Octets(Reglages()));
    f.close();
    frmParametres &w = Parametres::Show();
    const QString fenetre = Imprimante(QStringLiteral("fenetre.pdf"));
    w.Cmd_Print->click();
    pages = lecture_pdf::Lire(fenetre);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_GT(pages[0].hauteur, pages[0].largeur);
    int labels = 0;
    for (QLabel *l : w.findChildren<QLabel *>()) {
        labels += !l->text().trimmed().isEmpty();
        EXPECT_TRUE(pages[0].texte().contains(l->text().simplified())) << l->text().toStdString();
    }
    EXPECT_EQ(labels, Modele().Horloge() ? 25 : 23);
    EXPECT_EQ(Ligne(pages[0], QStringLiteral("Offset")), QStringLiteral("Offset : -05 dB"));

    // A print that cannot be made is told; a cancelled one was not.
    platform::ClearShownMessages();
    Imprimante(QStringLiteral("absent/fenetre.pdf"));
    w.Cmd_Print->click();
    ASSERT_EQ(platform::ShownMessages().size(), 1u);
    EXPECT_EQ(platform::ShownMessages()[0].icon, platform::MsgIcon::Critical);
    EXPECT_EQ(platform::ShownMessages()[0].title, QStringLiteral("Impression impossible"));
    platform::ClearShownMessages();
    Imprimante(QStringLiteral("annule.pdf"), true);
    w.Cmd_Print->click();
    EXPECT_TRUE(platform::ShownMessages().empty());
}

TEST_F(ParameterWindows, ReadBackOfASimulatedPanelSavedThenOpened)
{
    panelsim::PanelSimulator sim;
    sim.setModel(Modele().Horloge() ? panelsim::Model::Pelmar : panelsim::Model::Tuvik);
    auto s = sim.settings();
    s.nom = panelsim::panelName("Stade nord");
    s.offsetByte = 128 + 28; // -7 dB
    s.niveauAlarme = 92;
    s.modeLuminosite = 0, s.typeLuminosite = 1;
    sim.setSettings(s);
    ASSERT_TRUE(Relecture(sim));

    // A name typed but not sent is what the file takes, as the window shows it.
    configurator::Config::Instance()->Text_Name->setText(QStringLiteral("Stade sud"));
    frmParametres *w = Sauver_Ouvrir(QStringLiteral("stade"));
    EXPECT_TRUE(
        demandes[0].proposedName.startsWith(Modele().Prefixe_Nom_Fichier + QStringLiteral("Stade sud - ")));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(
        (QStringList{w->Label_Name->text(), w->Label_Offset->text(), w->Label_Alarme->text(),
                     w->Label_Lumens->text(), w->Label_Value_Lumens->text(), w->Label_FirmWare->text()}),
        (QStringList{" Stade sud", "-07 dB", "92 dB", "Luminosité Automatique", "Luminosité Extérieure",
                     Modele().Horloge() ? "Version 2.4" : "Version 2.3"}));
    EXPECT_TRUE(platform::ShownMessages().empty());
}

// The display areas that the settings window shows come back from the saved file, whether its lists hold
// the 5-minute level for the panel's firmware or not.
TEST_F(ParameterWindows, DisplayAreasOfEveryFirmwareSurviveSaveAndOpen)
{
    const bool pelmar = Modele().Horloge();
    struct Cas
    {
        uint8_t majeure, mineure, centre, gauche; // area codes: 1 Leq 1 s, 3 Leq 1 min, 4 Leq 5 min, 0x88 off
        size_t entrees;                           // entries of the centre list shown
        const char *texte_centre, *texte_gauche;  // in the file's view
    };
    const Cas cas[] = {
        {2, 3, 4, 1, 4, "Niveau Leq 5 Minutes", "Niveau Leq 1 Seconde"},
        {2, 2, 1, 0x88, 3, "Niveau Leq 1 Seconde", "Afficheur Désactivé"},
        {2, 4, 1, 0x88, pelmar ? 4u : 3u, "Niveau Leq 1 Seconde", "Afficheur Désactivé"},
        {3, 0, 1, 0x88, 4, "Niveau Leq 1 Seconde", "Afficheur Désactivé"},
        {3, 0, 4, 3, 4, "Niveau Leq 5 Minutes", "Niveau Leq 1 Minute"},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(testing::Message() << int(c.majeure) << '.' << int(c.mineure) << " areas "
                                        << int(c.centre) << ' ' << int(c.gauche));
        panelsim::PanelSimulator sim;
        sim.setModel(pelmar ? panelsim::Model::Pelmar : panelsim::Model::Tuvik);
        auto s = sim.settings();
        s.versionMajeure = c.majeure, s.versionMineure = c.mineure;
        s.centre = c.centre, s.basGauche = c.gauche;
        sim.setSettings(s);
        ASSERT_TRUE(Relecture(sim));
        const configurator::frmConfig *cfg = configurator::Config::Instance();
        ASSERT_EQ(static_cast<size_t>(cfg->Combo_Aff_Centre->count()), c.entrees);
        const QString fenetre = cfg->Combo_Aff_Centre->currentText() + QLatin1Char('|') +
                                cfg->Combo_Aff_Bas_Gauche->currentText();
        EXPECT_EQ(fenetre, QString::fromUtf8(c.texte_centre) + QLatin1Char('|') +
                               QString::fromUtf8(c.texte_gauche)
                                   .replace(QStringLiteral("Afficheur Désactivé"),
                                            QStringLiteral("Désactiver l'Afficheur")));
        frmParametres *w = Sauver_Ouvrir(QStringLiteral("aires"));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->Label_Aff_Centre->text(), QString::fromUtf8(c.texte_centre));
        EXPECT_EQ(w->Label_Aff_Bas_Gauche->text(), QString::fromUtf8(c.texte_gauche));
    }
    EXPECT_TRUE(platform::ShownMessages().empty());
}

} // namespace
