// The parameters window: its captions for both panel kinds, its print as the window's image, and its
// road from the "Analyse" menu after a new transfer, offscreen.
#include "analysis/core/Fonctions.h"
#include "analysis/core/frmConnexion.h"
#include "analysis/core/frmData_Type.h"
#include "analysis/core/frmMain.h"
#include "analysis/tables/Vues_Tableaux.h"
#include "analysis/tables/frmParametres.h"
#include "download_fixture.h"
#include "lecture_pdf.h"
#include "platform/common_dialog.h"
#include "test_support.h"

#include <QEvent>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Declaration::D;

// Counts the times a widget is hidden.
class Masquages : public QObject
{
public:
    explicit Masquages(QWidget *w) { w->installEventFilter(this); }
    int n = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Hide)
            ++n;
        return false;
    }
};

class ParametersWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::FreshState();
        main = std::make_unique<frmMain>();
        main->show();
        auto &p = D().Parametres_Afficheur;
        p.Nom_Afficheur = QStringLiteral("Salle des fêtes");
        p.Numero_Serie = QStringLiteral("12345678");
        p.Version_Firmware = {0, 2, 4};
        p.Niveau_Alarme = 85;
        p.Offset = 5;
        p.Config_Aff_Centre = 2;
        p.Config_Aff_Bas_Gauche = 3;
        p.Config_Aff_Bas_Droite = 0;
        p.Mode_Luminosite = 1;
        p.Valeur_Luminosite = 9;
        p.Heure_Auto = 1;
        p.Type_Capteur = 1;
    }
    void TearDown() override
    {
        platform::SetPrinterDialogAnswerer(nullptr);
        testsupport::FreshState();
        main.reset();
    }

    // The window opened afresh on the parameters held now.
    static frmParametres &ouvrir()
    {
        Parametres::Unload();
        return Parametres::Show();
    }

    std::unique_ptr<frmMain> main;
    QTemporaryDir dossier;
};

TEST_F(ParametersWindow, CaptionsOfAStandardPanelWithManualBrightness)
{
    frmParametres &f = ouvrir();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Paramètres de l'Pelmar"));
    EXPECT_TRUE(D().Ouvert.Ouvert_Parametres);
    EXPECT_TRUE(f.isVisible());
    const std::vector<std::pair<QLabel *, QString>> attendus{
        {f.Label_Entete, QStringLiteral("Pelmar - Salle des fêtes")},
        {f.Label1, QStringLiteral("Version FirmWare :")},
        {f.Label_FirmWare, QStringLiteral("Version 2.4")},
        {f.Label2, QStringLiteral("Numéro de Série :")},
        {f.Label_Serial_Number, QStringLiteral("12345678")},
        {f.Label3, QStringLiteral("Nom de l'Pelmar :")},
        {f.Label_Name, QStringLiteral("Salle des fêtes")},
        {f.Label4, QStringLiteral("Niveau d'Alarme :")},
        {f.Label_Alarme, QStringLiteral("85 dB.")},
        {f.Label5, QStringLiteral("Offset :")},
        {f.Label_Offset, QStringLiteral("+05 dB.")},
        {f.Label6, QStringLiteral("Config. Afficheur Central :")},
        {f.Label_Aff_Centre, QStringLiteral("Niveau Leq 10 Minutes.")},
        {f.Label7, QStringLiteral("Config. Afficheur Bas Gauche :")},
        {f.Label_Aff_Bas_Gauche, QStringLiteral("Niveau Leq 1 Minute.")},
        {f.Label8, QStringLiteral("Config. Afficheur Bas Droite :")},
        {f.Label_Aff_Bas_Droite, QStringLiteral("Niveau Crête.")},
        {f.Label9, QStringLiteral("Fonctionnement de la Luminosité :")},
        {f.Label_Lumens, QStringLiteral("Luminosité Manuelle.")},
        {f.Label_Type_Lumens, QStringLiteral("Valeur de la Luminosité :")},
        {f.Label_Value_Lumens, QStringLiteral("9 / 15.")},
        {f.Label10, QStringLiteral("Changement d'Heure Automatique :")},
        {f.Label_Heure_Auto, QStringLiteral("Activé.")},
        {f.Label11, QStringLiteral("Type de Liaison Capteur :")},
        {f.Label_Capteur, QStringLiteral("Liaison avec un Ferrin.")},
    };
    for (const auto &[label, texte] : attendus)
        EXPECT_EQ(label->text(), texte);
    EXPECT_EQ(f.Label_Type_Lumens->y(), platform::Px(4560));
    EXPECT_EQ(f.Label_Capteur->x(), platform::Px(3600));
    EXPECT_EQ(f.Cmd_Print->toolTip(), QStringLiteral("Impression"));
    EXPECT_EQ(f.Cmd_Exit->toolTip(), QStringLiteral("Quitter"));

    // Every value of the area, brightness, clock and link tables.
    auto &p = D().Parametres_Afficheur;
    p.Config_Aff_Centre = 1;
    p.Config_Aff_Bas_Gauche = 136;
    p.Config_Aff_Bas_Droite = 136;
    p.Heure_Auto = 0;
    p.Type_Capteur = 2;
    frmParametres &g = ouvrir();
    EXPECT_EQ(g.Label_Aff_Centre->text(), QStringLiteral("Niveau Leq 1 Seconde."));
    EXPECT_EQ(g.Label_Aff_Bas_Gauche->text(), QStringLiteral("Afficheur Désactivé."));
    EXPECT_EQ(g.Label_Aff_Bas_Droite->text(), QStringLiteral("Afficheur Désactivé."));
    EXPECT_EQ(g.Label_Heure_Auto->text(), QStringLiteral("Désactivé."));
    EXPECT_EQ(g.Label_Capteur->text(), QStringLiteral("Liaison avec un Ostra."));
    p.Config_Aff_Centre = 4;
    p.Config_Aff_Bas_Gauche = 4;
    EXPECT_EQ(ouvrir().Label_Aff_Centre->text(), QStringLiteral("Niveau Leq 5 Minutes."));
    EXPECT_EQ(Parametres::Instance()->Label_Aff_Bas_Gauche->text(), QStringLiteral("Niveau Leq 5 Minutes."));

    Parametres::Instance()->Cmd_Exit_Click();
    EXPECT_FALSE(D().Ouvert.Ouvert_Parametres);
    EXPECT_EQ(Parametres::Instance(), nullptr);
}

TEST_F(ParametersWindow, CaptionsOfA40dBPanelWithAutomaticBrightness)
{
    auto &p = D().Parametres_Afficheur;
    p.Modele_40dB = true;
    p.Mode_Luminosite = 0;
    p.Type_Luminosite_Auto = 1;
    frmParametres &f = ouvrir();
    EXPECT_EQ(f.Label_Entete->text(), QStringLiteral("Pelmar - 40 dB - Salle des fêtes"));
    EXPECT_EQ(f.Label_Lumens->text(), QStringLiteral("Luminosité Automatique."));
    EXPECT_EQ(f.Label_Type_Lumens->text(), QStringLiteral("Type de Luminosité :"));
    EXPECT_EQ(f.Label_Value_Lumens->text(), QStringLiteral("Luminosité Extérieure."));
    p.Type_Luminosite_Auto = 0;
    EXPECT_EQ(ouvrir().Label_Value_Lumens->text(), QStringLiteral("Luminosité Intérieure."));
}

TEST_F(ParametersWindow, OffsetsWithTheirSignAndTwoDigits)
{
    for (const auto &[offset, texte] :
         {std::pair(0, "00 dB."), std::pair(5, "+05 dB."), std::pair(12, "+12 dB."), std::pair(-3, "-03 dB."),
          std::pair(-20, "-20 dB."), std::pair(10, "+10 dB."), std::pair(-9, "-09 dB.")}) {
        D().Parametres_Afficheur.Offset = static_cast<int16_t>(offset);
        EXPECT_EQ(ouvrir().Label_Offset->text(), QString::fromUtf8(texte)) << offset;
    }
}

TEST_F(ParametersWindow, ValuesOutOfTheirTablesLeaveTheirLabelEmpty)
{
    auto &p = D().Parametres_Afficheur;
    p.Config_Aff_Centre = 136;
    p.Config_Aff_Bas_Gauche = 0;
    p.Config_Aff_Bas_Droite = 4;
    p.Mode_Luminosite = 2;
    p.Heure_Auto = 2;
    p.Type_Capteur = 3;
    frmParametres &f = ouvrir();
    for (QLabel *l : {f.Label_Aff_Centre, f.Label_Aff_Bas_Gauche, f.Label_Aff_Bas_Droite, f.Label_Lumens,
                      f.Label_Type_Lumens, f.Label_Value_Lumens, f.Label_Heure_Auto, f.Label_Capteur})
        EXPECT_TRUE(l->text().isEmpty()) << l->text().toStdString();
    p.Config_Aff_Centre = 0;
    p.Config_Aff_Bas_Droite = 1;
    p.Mode_Luminosite = 0;
    p.Type_Luminosite_Auto = 2;
    frmParametres &g = ouvrir();
    EXPECT_TRUE(g.Label_Aff_Centre->text().isEmpty());
    EXPECT_TRUE(g.Label_Aff_Bas_Droite->text().isEmpty());
    EXPECT_EQ(g.Label_Type_Lumens->text(), QStringLiteral("Type de Luminosité :"));
    EXPECT_TRUE(g.Label_Value_Lumens->text().isEmpty());
}

TEST_F(ParametersWindow, PrintIsTheWindowsImageWithItsButtonsBackOnEveryPath)
{
    frmParametres &f = ouvrir();
    Masquages print(f.Cmd_Print), exit(f.Cmd_Exit);
    testsupport::MessageRecorder boxes;

    // Cancel: nothing hidden, nothing printed.
    platform::SetPrinterDialogAnswerer([] { return std::optional<QString>(); });
    f.Cmd_Print_Click();
    EXPECT_EQ(print.n, 0);
    EXPECT_TRUE(f.Cmd_Print->isVisible());
    EXPECT_TRUE(f.Cmd_Exit->isVisible());
    EXPECT_TRUE(QDir(dossier.path()).isEmpty());

    // A print that fails after the buttons were hidden gives them back as well.
    const QString absent = dossier.filePath(QStringLiteral("absent/parametres.pdf"));
    platform::SetPrinterDialogAnswerer([absent] { return std::optional<QString>(absent); });
    f.Cmd_Print_Click();
    EXPECT_EQ(print.n, 1);
    EXPECT_TRUE(f.Cmd_Print->isVisible());
    EXPECT_TRUE(f.Cmd_Exit->isVisible());
    EXPECT_FALSE(QFile::exists(absent));

    const QString chemin = dossier.filePath(QStringLiteral("parametres.pdf"));
    platform::SetPrinterDialogAnswerer([chemin] { return std::optional<QString>(chemin); });
    f.Cmd_Print_Click();
    EXPECT_EQ(print.n, 2);
    EXPECT_EQ(exit.n, 2);
    EXPECT_TRUE(f.Cmd_Print->isVisible());
    EXPECT_TRUE(f.Cmd_Exit->isVisible());
    EXPECT_TRUE(boxes.shown().empty());

    const auto pages = lecture_pdf::Lire(chemin);
    ASSERT_EQ(pages.size(), 1u);
    const QString texte = pages[0].texte();
    int labels = 0;
    for (QLabel *l : f.findChildren<QLabel *>()) {
        if (l->text().isEmpty())
            continue;
        ++labels;
        EXPECT_TRUE(texte.contains(l->text().simplified())) << l->text().toStdString();
    }
    EXPECT_EQ(labels, 25);
    // Laid out as on screen: the heading above the first row, the values right of the titles.
    const lecture_pdf::Mot *entete = pages[0].trouver(QStringLiteral("Pelmar"));
    const lecture_pdf::Mot *version = pages[0].trouver(QStringLiteral("FirmWare"));
    const lecture_pdf::Mot *valeur = pages[0].trouver(QStringLiteral("2.4"));
    ASSERT_TRUE(entete && version && valeur);
    EXPECT_LT(entete->yMax, version->yMin);
    EXPECT_NEAR(valeur->yMin, version->yMin, 1.0);
    EXPECT_GT(valeur->xMin, version->xMax);
}

// "Tableau Paramètres" after a new transfer: the window opens straight after the parameter and
// index reads, on what the panel answered.
class ParametersRoad : public Download
{
};

TEST_F(ParametersRoad, ParametersTableAfterANewTransfer)
{
    sim->setRecords(panelsim::makeRecords(2, 3, 2009, 10, 0, 60));
    panelsim::PanelSettings s;
    s.nom = panelsim::panelName("Stade nord");
    s.versionMajeure = 128 + 3;
    s.versionMineure = 1;
    s.offsetByte = 128 + 12; // -3 dB
    s.niveauAlarme = 92;
    s.centre = 1;
    s.basGauche = 136;
    s.basDroite = 136;
    s.modeLuminosite = 1;
    s.valeurLuminosite = 12;
    s.heureAuto = 0;
    s.typeCapteur = 2;
    sim->setSettings(s);
    Vues_Tableaux::Inscrire();
    testsupport::MessageRecorder boxes;

    main->mnuTableau_Parametres->trigger();
    ASSERT_NE(Data_Type::Instance(), nullptr);
    EXPECT_EQ(D().Type_Analyse, Declaration::Vue_Parametres);
    nouveauTransfert();

    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(sim->framesWithCode(Fonctions::Demande_Parametres), 1);
    EXPECT_EQ(sim->framesWithCode(Fonctions::Demande_Index_Memoire), 1);
    EXPECT_EQ(sim->framesWithCode(Fonctions::Demande_Periode), 0);
    EXPECT_EQ(sim->framesWithCode(Fonctions::Demande_Transfert_Periode), 0);
    frmParametres *f = Parametres::Instance();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(Connexion::Instance(), nullptr);
    EXPECT_EQ(Data_Type::Instance(), nullptr);
    EXPECT_EQ(f->Label_Entete->text(), QStringLiteral("Pelmar - 40 dB - Stade nord"));
    EXPECT_EQ(f->Label_FirmWare->text(), QStringLiteral("Version 3.1"));
    EXPECT_EQ(f->Label_Serial_Number->text(), D().Parametres_Afficheur.Numero_Serie);
    EXPECT_FALSE(f->Label_Serial_Number->text().isEmpty());
    EXPECT_EQ(f->Label_Alarme->text(), QStringLiteral("92 dB."));
    EXPECT_EQ(f->Label_Offset->text(), QStringLiteral("-03 dB."));
    EXPECT_EQ(f->Label_Aff_Centre->text(), QStringLiteral("Niveau Leq 1 Seconde."));
    EXPECT_EQ(f->Label_Aff_Bas_Gauche->text(), QStringLiteral("Afficheur Désactivé."));
    EXPECT_EQ(f->Label_Aff_Bas_Droite->text(), QStringLiteral("Afficheur Désactivé."));
    EXPECT_EQ(f->Label_Value_Lumens->text(), QStringLiteral("12 / 15."));
    EXPECT_EQ(f->Label_Heure_Auto->text(), QStringLiteral("Désactivé."));
    EXPECT_EQ(f->Label_Capteur->text(), QStringLiteral("Liaison avec un Ostra."));
    EXPECT_TRUE(opened.isEmpty());
}

} // namespace
