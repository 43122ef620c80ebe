// The "Paramètres" menu's file commands on real windows, offscreen: saving with its dialog answered, the
// check and the parameters window, both tables printed to PDF and read back, and the road from a simulated
// panel's read-back to a saved file and its view.
#include "configurator/Declaration.h"
#include "configurator/Fichier_Parametres.h"
#include "configurator/Fonctions.h"
#include "configurator/Fonctions_Sauvegarde.h"
#include "configurator/Modele.h"
#include "configurator/windows/frmConfig.h"
#include "configurator/windows/frmMain.h"
#include "configurator/windows/frmParametres.h"
#include "configurator/windows/frmPrint.h"
#include "lecture_pdf.h"
#include "platform/common_dialog.h"
#include "platform/message_box.h"
#include "platform/ticks.h"
#include "platform/twips.h"
#include "relecture.h"

#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

namespace FP = configurator::Fichier_Parametres;
namespace FS = configurator::Fonctions_Sauvegarde;
using configurator::Controles_Config;
using configurator::frmParametres;
using configurator::Modele;
using configurator::Parametres;
using configurator::Declaration::D;

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

class ParameterWindows : public ::testing::Test
{
protected:
    void SetUp() override
    {
        configurator::Declaration::Reinitialiser();
        configurator::Fonctions::Controles_Programme() = {};
        platform::ClearShownMessages();
        platform::SetMessageAnswerer([](const platform::ShownMessage &) { return platform::MsgResult::Ok; });
        main = std::make_unique<configurator::frmMain>();
        main->show();
    }
    void TearDown() override
    {
        configurator::Fonctions::Fermer_Fenetres();
        configurator::Print::Unload();
        main.reset();
        platform::SetFileDialogAnswerer(nullptr);
        platform::SetPrinterDialogAnswerer(nullptr);
        platform::SetMessageAnswerer(nullptr);
        platform::ClearShownMessages();
        configtest::Ports_Vers_Rien();
    }

    QString Ecrire(const QString &nom, const QByteArray &octets)
    {
        const QString chemin = dossier.filePath(nom);
        QFile f(chemin);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(octets);
        return chemin;
    }
    QString Nom(const QString &base) const { return base + QLatin1Char('.') + Modele().Extension_Fichier; }

    // The Open dialog answers `chemin`; every request is kept.
    void Ouvrir_Avec(const std::optional<QString> &chemin)
    {
        platform::SetFileDialogAnswerer([this, chemin](const platform::FileDialogRequest &r) {
            demandes.push_back(r);
            return chemin;
        });
    }
    // The printer dialog answers a PDF file of the folder, or Cancel.
    QString Imprimer_Vers(const QString &nom)
    {
        const QString pdf = dossier.filePath(nom);
        platform::SetPrinterDialogAnswerer([pdf] { return std::optional<QString>(pdf); });
        return pdf;
    }

    std::unique_ptr<configurator::frmMain> main;
    QTemporaryDir dossier;
    std::vector<platform::FileDialogRequest> demandes;
};

// ---- Saving -------------------------------------------------------------------------------------------

TEST_F(ParameterWindows, SaveWritesTheSettingsUnderTheChosenName)
{
    configurator::Fonctions::Controles_Programme().Config = Reglages();
    D().Version_Firmware = {0, 2, 3};
    D().Modele_40dB = true;
    const QString chemin = dossier.filePath(Nom(QStringLiteral("salle")));
    Ouvrir_Avec(chemin);
    FS::Sauvegarde_Parametres();

    ASSERT_EQ(demandes.size(), 1u);
    EXPECT_EQ(demandes[0].mode, platform::FileDialogMode::Save);
    EXPECT_EQ(demandes[0].proposedName,
              FP::Nom_Par_Defaut(QStringLiteral("Salle des fêtes"), QDate::currentDate()));
    EXPECT_EQ(demandes[0].filter, Modele().Filtre_Fichier);
    EXPECT_TRUE(platform::ShownMessages().empty());
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), FP::Contenu(FP::Lignes(Reglages(), {0, 2, 3}, true)));
}

TEST_F(ParameterWindows, EmptyNameAsksAgainWithNoProposedName)
{
    configurator::Fonctions::Controles_Programme().Config = Reglages();
    const QString chemin = dossier.filePath(Nom(QStringLiteral("apres")));
    std::vector<std::optional<QString>> reponses{QString(), QString(), chemin};
    platform::SetFileDialogAnswerer([&](const platform::FileDialogRequest &r) {
        demandes.push_back(r);
        return reponses[demandes.size() - 1];
    });
    FS::Sauvegarde_Parametres();

    ASSERT_EQ(demandes.size(), 3u);
    EXPECT_FALSE(demandes[0].proposedName.isEmpty());
    EXPECT_TRUE(demandes[1].proposedName.isEmpty());
    EXPECT_TRUE(demandes[2].proposedName.isEmpty());
    EXPECT_EQ(demandes[2].filter, Modele().Filtre_Fichier);
    const auto &boites = platform::ShownMessages();
    ASSERT_EQ(boites.size(), 2u);
    for (const auto &b : boites) {
        EXPECT_EQ(b.text, Modele().Message_Nom_Vide);
        EXPECT_EQ(b.title, Modele().Titre_Sauvegarde_Impossible);
        EXPECT_EQ(b.icon, platform::MsgIcon::Critical);
    }
    EXPECT_TRUE(QFile::exists(chemin));

    // Cancel after an empty name: one more box, nothing written.
    demandes.clear();
    platform::ClearShownMessages();
    reponses = {QString(), std::nullopt};
    FS::Sauvegarde_Parametres();
    EXPECT_EQ(demandes.size(), 2u);
    EXPECT_EQ(platform::ShownMessages().size(), 1u);
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files).size(), 1);
}

TEST_F(ParameterWindows, CancelWritesNothingAndAFailedWriteIsTold)
{
    configurator::Fonctions::Controles_Programme().Config = Reglages();
    Ouvrir_Avec(std::nullopt);
    FS::Sauvegarde_Parametres();
    EXPECT_TRUE(platform::ShownMessages().empty());
    EXPECT_TRUE(QDir(dossier.path()).entryList(QDir::Files).isEmpty());

    const QString impossible = dossier.filePath(QStringLiteral("absent/") + Nom(QStringLiteral("x")));
    Ouvrir_Avec(impossible);
    FS::Sauvegarde_Parametres();
    ASSERT_EQ(platform::ShownMessages().size(), 1u);
    const auto &b = platform::ShownMessages()[0];
    EXPECT_EQ(b.title, Modele().Titre_Sauvegarde_Impossible);
    EXPECT_TRUE(b.text.contains(impossible));
    EXPECT_EQ(b.icon, platform::MsgIcon::Critical);
    EXPECT_FALSE(QFile::exists(impossible));
}

// ---- Checking and the parameters window ----------------------------------------------------------------

TEST_F(ParameterWindows, OpenMenuShowsTheFileInTheParametersWindow)
{
    const QString chemin =
        Ecrire(Nom(QStringLiteral("salle")), FP::Contenu(FP::Lignes(Reglages(), {0, 2, 3}, true)));
    Ouvrir_Avec(chemin);
    ASSERT_TRUE(main->mnuOpen->isEnabled());
    main->mnuOpen->trigger();

    ASSERT_EQ(demandes.size(), 1u);
    EXPECT_EQ(demandes[0].mode, platform::FileDialogMode::Open);
    EXPECT_TRUE(demandes[0].proposedName.isEmpty());
    EXPECT_EQ(demandes[0].filter, Modele().Filtre_Fichier);
    EXPECT_TRUE(platform::ShownMessages().empty());
    EXPECT_EQ(D().Chaine_Temp, chemin);
    EXPECT_TRUE(D().Modele_40dB);
    EXPECT_TRUE(D().Ouvert.Ouvert_Parametres);

    frmParametres *f = Parametres::Instance();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f->windowTitle(), Modele().Titre_Parametres + QStringLiteral(" Salle des fêtes"));
    EXPECT_EQ(f->Label_Entete->text(), Modele().Entete_Parametres_40dB + QStringLiteral(" Salle des fêtes"));
    const std::vector<std::pair<QLabel *, QString>> attendus{
        {f->Label1, QStringLiteral("Version FirmWare :")},
        {f->Label_FirmWare, QStringLiteral("Version 2.3")},
        {f->Label2, QStringLiteral("Numéro de Série :")},
        {f->Label_Serial_Number, QStringLiteral("12345678")},
        {f->Label3, Modele().Titre_Ligne_Nom},
        {f->Label_Name, QStringLiteral(" Salle des fêtes")},
        {f->Label4, QStringLiteral("Niveau d'Alarme :")},
        {f->Label_Alarme, QStringLiteral("85 dB")},
        {f->Label5, QStringLiteral("Offset :")},
        {f->Label_Offset, QStringLiteral("-05 dB")},
        {f->Label6, QStringLiteral("Config. Afficheur Central :")},
        {f->Label_Aff_Centre, QStringLiteral("Niveau Leq 1 Minute")},
        {f->Label7, QStringLiteral("Config. Afficheur Bas Gauche :")},
        {f->Label_Aff_Bas_Gauche, QStringLiteral("Afficheur Désactivé")},
        {f->Label8, QStringLiteral("Config. Afficheur Bas Droite :")},
        {f->Label_Aff_Bas_Droite, QStringLiteral("Niveau Crête")},
        {f->Label9, QStringLiteral("Fonctionnement de la Luminosité :")},
        {f->Label_Lumens, QStringLiteral("Luminosité Manuelle")},
        {f->Label_Type_Lumens, QStringLiteral("Valeur de  Luminosité :")},
        {f->Label_Value_Lumens, QStringLiteral("9 / 15")},
        {f->Label11, QStringLiteral("Type de Liaison Capteur :")},
        {f->Label_Capteur, Modele().Capteur_Ostra_Fichier},
    };
    for (const auto &[label, texte] : attendus)
        EXPECT_EQ(label->text(), texte);

    // Picture buttons say what they do; no label is cut off.
    EXPECT_EQ(f->Cmd_Print->accessibleName(), QStringLiteral("Imprimer"));
    EXPECT_EQ(f->Cmd_Print->toolTip(), QStringLiteral("Imprimer"));
    EXPECT_EQ(f->Cmd_Exit->accessibleName(), QStringLiteral("Quitter"));
    EXPECT_EQ(f->Cmd_Exit->toolTip(), QStringLiteral("Quitter"));
    EXPECT_TRUE(f->Cmd_Print->text().isEmpty());
    EXPECT_FALSE(f->Cmd_Print->icon().isNull());
    EXPECT_FALSE(f->Cmd_Exit->icon().isNull());
    for (QLabel *l : f->findChildren<QLabel *>()) {
        EXPECT_GE(l->width(), l->sizeHint().width()) << l->text().toStdString();
        EXPECT_LE(l->geometry().right(), f->width()) << l->text().toStdString();
    }

    const QPointer<frmParametres> ancien(f);
    main->mnuOpen->trigger(); // the same file again: a fresh window in place of this one
    EXPECT_TRUE(ancien.isNull() || ancien->IsUnloaded());
    ASSERT_NE(Parametres::Instance(), nullptr);
    EXPECT_NE(Parametres::Instance(), ancien.data());
    Parametres::Instance()->Cmd_Exit->click();
    EXPECT_EQ(Parametres::Instance(), nullptr);
    EXPECT_FALSE(D().Ouvert.Ouvert_Parametres);
}

TEST_F(ParameterWindows, RefusedUnreadableAndCancelledFilesOpenNothing)
{
    const QByteArray bon = FP::Contenu(FP::Lignes(Reglages(), {0, 2, 4}, false));
    const QString titre = QStringLiteral("Impossible d'ouvrir le fichier ...");
    const std::vector<std::pair<QString, bool>> cas{
        {Ecrire(QStringLiteral("maj.") + Modele().Extension_Fichier.toUpper(), bon), true},
        {Ecrire(Nom(QStringLiteral("autre")), "Ceci n'est pas un fichier de param\xe8tres du tout\r\n"),
         true},
        {Ecrire(Nom(QStringLiteral("court")), "Param"), false},
        {dossier.filePath(Nom(QStringLiteral("absent"))), false},
    };
    D().Chaine_Temp = QStringLiteral("avant");
    for (const auto &[chemin, message] : cas) {
        platform::ClearShownMessages();
        Ouvrir_Avec(chemin);
        FS::Ouverture_Parametres();
        EXPECT_EQ(Parametres::Instance(), nullptr) << chemin.toStdString();
        EXPECT_EQ(D().Chaine_Temp, QStringLiteral("avant"));
        ASSERT_EQ(platform::ShownMessages().size(), message ? 1u : 0u) << chemin.toStdString();
        if (message) {
            EXPECT_EQ(platform::ShownMessages()[0].text, Modele().Message_Fichier_Refuse);
            EXPECT_EQ(platform::ShownMessages()[0].title, titre);
            EXPECT_EQ(platform::ShownMessages()[0].icon, platform::MsgIcon::Critical);
        }
    }
    Ouvrir_Avec(std::nullopt);
    FS::Ouverture_Parametres();
    EXPECT_EQ(Parametres::Instance(), nullptr);
}

TEST_F(ParameterWindows, ATruncatedFileShowsWhatCameBeforeTheCut)
{
    const QByteArray bon = FP::Contenu(FP::Lignes(Reglages(), {0, 2, 4}, false));
    const QString chemin = Ecrire(Nom(QStringLiteral("coupe")), bon.left(bon.indexOf("des")));
    D().Modele_40dB = true;
    Ouvrir_Avec(chemin);
    FS::Ouverture_Parametres();
    frmParametres *f = Parametres::Instance();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Label_Offset->text(), QStringLiteral("-05 dB"));
    EXPECT_EQ(f->Label_Alarme->text(), QStringLiteral("85 dB"));
    EXPECT_EQ(f->Label_FirmWare->text(), QStringLiteral("Version 2.4"));
    EXPECT_FALSE(D().Modele_40dB); // line 4 was read
    EXPECT_TRUE(f->Label_Name->text().isEmpty());
    EXPECT_TRUE(f->Label_Entete->text().isEmpty());
    EXPECT_TRUE(f->Label_Capteur->text().isEmpty());
    EXPECT_EQ(f->windowTitle(), Modele().Titre_Parametres.chopped(3));
}

// ---- Printing -----------------------------------------------------------------------------------------

TEST_F(ParameterWindows, ParametersWindowPrintsItsImageOnOnePortraitPage)
{
    const QString chemin =
        Ecrire(Nom(QStringLiteral("p")), FP::Contenu(FP::Lignes(Reglages(), {0, 2, 4}, false)));
    Ouvrir_Avec(chemin);
    FS::Ouverture_Parametres();
    frmParametres *f = Parametres::Instance();
    ASSERT_NE(f, nullptr);

    platform::SetPrinterDialogAnswerer([] { return std::optional<QString>(); });
    f->Cmd_Print->click();
    EXPECT_TRUE(QDir(dossier.path()).entryList({QStringLiteral("*.pdf")}).isEmpty());

    const QString pdf = Imprimer_Vers(QStringLiteral("fenetre.pdf"));
    f->Cmd_Print->click();
    const auto pages = lecture_pdf::Lire(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_GT(pages[0].hauteur, pages[0].largeur);
    const QString texte = pages[0].texte();
    int labels = 0;
    for (QLabel *l : f->findChildren<QLabel *>()) {
        if (l->text().trimmed().isEmpty())
            continue;
        ++labels;
        EXPECT_TRUE(texte.contains(l->text().simplified())) << l->text().toStdString();
    }
    EXPECT_EQ(labels, Modele().Horloge() ? 25 : 23);
    // Laid out as on screen: heading above the rows, each value on its caption's line, right of it.
    const lecture_pdf::Mot *entete = pages[0].trouver(QStringLiteral("fêtes"));
    const lecture_pdf::Mot *alarme = pages[0].trouver(QStringLiteral("d'Alarme"));
    ASSERT_TRUE(entete && alarme);
    EXPECT_LT(entete->yMax, alarme->yMin);
    EXPECT_EQ(pages[0].ligne(alarme->yMin), QStringLiteral("Niveau d'Alarme : 85 dB"));
    EXPECT_TRUE(f->isVisible());
}

TEST_F(ParameterWindows, SheetPrintsTheSettingsAndGoes)
{
    Controles_Config c = Reglages();
    configurator::Fonctions::Controles_Programme().Config = c;
    D().Version_Firmware = {0, 2, 3};
    D().Modele_40dB = true;

    // Cancel: nothing printed, nothing changed, no sheet left.
    platform::SetPrinterDialogAnswerer([] { return std::optional<QString>(); });
    FS::Impression_Parametres();
    EXPECT_EQ(configurator::Print::Instance(), nullptr);
    EXPECT_TRUE(QDir(dossier.path()).entryList({QStringLiteral("*.pdf")}).isEmpty());
    EXPECT_EQ(configurator::Fonctions::Controles_Programme().Config.Text_Name, c.Text_Name);

    const QString pdf = Imprimer_Vers(QStringLiteral("feuille.pdf"));
    FS::Impression_Parametres();
    EXPECT_EQ(configurator::Print::Instance(), nullptr);
    EXPECT_TRUE(platform::ShownMessages().empty());
    const auto pages = lecture_pdf::Lire(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_GT(pages[0].hauteur, pages[0].largeur);
    const lecture_pdf::Page &p = pages[0];
    const auto ligne = [&p](const QString &mot) {
        const lecture_pdf::Mot *m = p.trouver(mot);
        return m ? p.ligne(m->yMin) : QString();
    };
    EXPECT_EQ(ligne(QStringLiteral("40dB")),
              (Modele().Entete_Parametres_40dB + QStringLiteral("Salle des fêtes")).simplified());
    EXPECT_EQ(ligne(QStringLiteral("FirmWare")), QStringLiteral("Version FirmWare : Version 2.3"));
    EXPECT_EQ(ligne(QStringLiteral("d'Alarme")), QStringLiteral("Niveau d'Alarme : 85 dB"));
    EXPECT_EQ(ligne(QStringLiteral("Offset")), QStringLiteral("Offset : -05 dB"));
    EXPECT_EQ(ligne(QStringLiteral("Central")),
              QStringLiteral("Config. Afficheur Central : Niveau Leq 1 Minute"));
    EXPECT_EQ(ligne(QStringLiteral("Gauche")),
              QStringLiteral("Config. Afficheur Bas Gauche : Désactiver l'Afficheur"));
    EXPECT_EQ(ligne(QStringLiteral("Fonctionnement")),
              QStringLiteral("Fonctionnement de la Luminosité : Luminosité Manuelle"));
    EXPECT_EQ(ligne(QStringLiteral("Valeur")), QStringLiteral("Valeur de la Luminosité : 9 / 15"));
    EXPECT_EQ(ligne(QStringLiteral("Capteur")),
              QStringLiteral("Type de Liaison Capteur : Liaison Avec un Ostra"));
    EXPECT_EQ(p.trouver(QStringLiteral("Changement")) != nullptr, Modele().Horloge());
}

// ---- From a panel to a file and back ------------------------------------------------------------------

TEST_F(ParameterWindows, ReadBackOfASimulatedPanelSavedThenOpened)
{
    const bool horloge = Modele().Horloge();
    panelsim::PanelSimulator sim;
    sim.setModel(horloge ? panelsim::Model::Pelmar : panelsim::Model::Tuvik);
    auto s = sim.settings();
    s.nom = panelsim::panelName("Stade nord");
    s.offsetByte = 128 + 28; // -7 dB
    s.niveauAlarme = 92;
    s.modeLuminosite = 0, s.typeLuminosite = 1;
    s.typeCapteur = 2;
    sim.setSettings(s);
    qputenv("PANEL_COM9", QByteArray::fromStdString(sim.path()));
    D().Port_COM = 9;
    D().Mode_Utilisateur = configurator::Declaration::Utilisateur;
    D().Mode_Visualisation = true;
    D().Reponse_Absente_Signalee = true; // as the start-up leaves it
    main->mnuVisualiser->setEnabled(true);
    main->mnuVisualiser->trigger();
    ASSERT_NE(configurator::Config::Instance(), nullptr);
    const qint64 fin = platform::GetTickCount() + 5000;
    while (!D().Envoi_Autorise && platform::GetTickCount() < fin)
        configurator::Fonctions::Passe_Reception();
    ASSERT_TRUE(D().Envoi_Autorise);
    EXPECT_TRUE(platform::ShownMessages().empty());

    // A name typed but not sent is what the file takes, as the window shows it.
    configurator::Config::Instance()->Text_Name->setText(QStringLiteral("Stade sud"));
    const QString chemin = dossier.filePath(Nom(QStringLiteral("stade")));
    Ouvrir_Avec(chemin);
    FS::Sauvegarde_Parametres();
    EXPECT_EQ(demandes.back().proposedName.left(Modele().Prefixe_Nom_Fichier.size() + 9),
              Modele().Prefixe_Nom_Fichier + QStringLiteral("Stade sud"));
    ASSERT_TRUE(QFile::exists(chemin));

    main->mnuOpen->trigger();
    EXPECT_EQ(configurator::Config::Instance(), nullptr); // the one-window rule closed it
    EXPECT_FALSE(D().Ouvert.Ouvert_Config);
    frmParametres *f = Parametres::Instance();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Label_Name->text(), QStringLiteral(" Stade sud"));
    EXPECT_EQ(f->Label_Offset->text(), QStringLiteral("-07 dB"));
    EXPECT_EQ(f->Label_Alarme->text(), QStringLiteral("92 dB"));
    EXPECT_EQ(f->Label_Serial_Number->text(), QStringLiteral("12345678"));
    EXPECT_EQ(f->Label_Lumens->text(), QStringLiteral("Luminosité Automatique"));
    EXPECT_EQ(f->Label_Value_Lumens->text(), QStringLiteral("Luminosité Extérieure"));
    EXPECT_EQ(f->Label_Capteur->text(), Modele().Capteur_Ostra_Fichier);
    EXPECT_FALSE(f->Label_FirmWare->text().isEmpty());
    EXPECT_FALSE(f->Label_Aff_Centre->text().isEmpty());
}

} // namespace
