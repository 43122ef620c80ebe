// The settings window's commands against a simulated panel, through the real window: what each user
// action sends, the busy state until the answer, the refusals, the panel functions, view mode and unload.
#include "commandes.h"
#include "configurator/Fonctions.h"
#include "configurator/windows/frmParametres.h"
#include "platform/common_dialog.h"
#include "platform/serial_control.h"
#include "platform/ticks.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

namespace {

using configtest::Trames;
namespace Declaration = configurator::Declaration;
namespace Fonctions = configurator::Fonctions;
using Declaration::D;

class Commandes : public configtest::Commandes
{
};

TEST_F(Commandes, SliderMovedByTheUserSendsAndTheAnswerEndsTheBusyState)
{
    Ouvrir();
    auto *f = Fenetre();
    ASSERT_TRUE(Occupee(false));
    principale->mnuSave_Param->setEnabled(false);
    principale->mnuPrint->setEnabled(false);

    int debut = Lignes_Log();
    QTest::keyClick(f->Slider_Alarme, Qt::Key_Right);
    EXPECT_EQ(f->Label_Alarme->text(), QStringLiteral("Niveau d'Alarme = 86 dB."));
    EXPECT_EQ(Attendre_Trames(1), (Trames{{0x08, 86}}));
    EXPECT_TRUE(Occupee(true));
    EXPECT_DOUBLE_EQ(f->Progression->Max(), 14.1);
    EXPECT_FALSE(principale->mnuSave_Param->isEnabled());
    ASSERT_TRUE(Attendre_Reponse());
    EXPECT_TRUE(Occupee(false));
    EXPECT_EQ(Lignes_Depuis(debut),
              (QStringList{QString(), QStringLiteral("  Modification du Niveau d'Alarme Ok !!!"),
                           QStringLiteral("  Niveau d'Alarme = 86 dB.")}));
    EXPECT_TRUE(principale->mnuSave_Param->isEnabled());
    EXPECT_TRUE(principale->mnuPrint->isEnabled());

    sim.clearFrames();
    debut = Lignes_Log();
    QTest::keyClick(f->Slider_Offset, Qt::Key_Left);
    EXPECT_EQ(f->Label_Offset->text(), QStringLiteral("Offset = -01 dB."));
    EXPECT_EQ(Attendre_Trames(1), (Trames{{0x01, 0x84}}));
    EXPECT_TRUE(Occupee(true));
    ASSERT_TRUE(Attendre_Reponse());
    EXPECT_EQ(Lignes_Depuis(debut),
              (QStringList{QString(), QStringLiteral("  Modification de l'Offset Ok !!!"),
                           QStringLiteral("  Offset = -01 dB.")}));

    // Manual brightness first opens its slider, then the slider sends.
    sim.clearFrames();
    debut = Lignes_Log();
    EXPECT_FALSE(f->Slider_Lumens->isEnabled());
    QTest::mouseClick(f->Option_Lumens_Manuel, Qt::LeftButton);
    EXPECT_EQ(Attendre_Trames(1), (Trames{{0x05, 1}}));
    EXPECT_TRUE(Occupee(true));
    ASSERT_TRUE(Attendre_Reponse());
    EXPECT_EQ(Lignes_Depuis(debut),
              (QStringList{QString(), QStringLiteral("  Modification du Fonctionnement de la Luminosité !!!"),
                           QStringLiteral("  Fonctionnement de la Luminosité = Manuelle.")}));
    EXPECT_TRUE(f->Slider_Lumens->isEnabled());
    EXPECT_FALSE(f->Option_Lumens_Ext->isEnabled());

    sim.clearFrames();
    debut = Lignes_Log();
    QTest::keyClick(f->Slider_Lumens, Qt::Key_Right);
    EXPECT_EQ(f->Label_Luminosite_Value->text(), QStringLiteral("Niveau de Luminosité = 09."));
    EXPECT_EQ(Attendre_Trames(1), (Trames{{0x07, 9}}));
    ASSERT_TRUE(Attendre_Reponse());
    EXPECT_EQ(
        Lignes_Depuis(debut),
        (QStringList{QString(), QStringLiteral("  Modification du Niveau de Luminosité Manuelle Ok !!!"),
                     QStringLiteral("  Valeur de la Luminosité = 9 / 15.")}));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(Commandes, PlusAndMinusAtTheEndOfASliderSendNothing)
{
    auto s = sim.settings();
    s.offsetByte = 0x7F, s.niveauAlarme = 120, s.modeLuminosite = 1, s.valeurLuminosite = 1;
    sim.setSettings(s);
    Ouvrir();
    auto *f = Fenetre();
    ASSERT_EQ(f->Slider_Offset->value(), 32);
    ASSERT_EQ(f->Slider_Alarme->value(), 120);
    ASSERT_EQ(f->Slider_Lumens->value(), 1);
    ASSERT_TRUE(f->Cmd_Lumens_Moins->isEnabled());

    QTest::mouseClick(f->Cmd_Offset_Plus, Qt::LeftButton);
    QTest::mouseClick(f->Cmd_Alarme_Plus, Qt::LeftButton);
    QTest::mouseClick(f->Cmd_Lumens_Moins, Qt::LeftButton);
    EXPECT_TRUE(Recues_Apres(200).empty());
    EXPECT_TRUE(Occupee(false));
    EXPECT_EQ(f->Slider_Offset->value(), 32);
    EXPECT_EQ(f->Label_Offset->text(), QStringLiteral("Offset = +32 dB."));
    EXPECT_EQ(f->Slider_Alarme->value(), 120);
    EXPECT_EQ(f->Slider_Lumens->value(), 1);

    // The other way the same buttons step and send.
    QTest::mouseClick(f->Cmd_Offset_Moins, Qt::LeftButton);
    EXPECT_EQ(Attendre_Trames(1), (Trames{{0x01, 0x7C}}));
    EXPECT_EQ(f->Label_Offset->text(), QStringLiteral("Offset = +31 dB."));
    EXPECT_TRUE(Occupee(true));
    ASSERT_TRUE(Attendre_Reponse());
}

TEST_F(Commandes, DisplayAreaConflictIsRefusedAndTheComboKeepsItsChoice)
{
    Ouvrir();
    auto *f = Fenetre();
    ASSERT_EQ(f->Combo_Aff_Centre->currentText(), QStringLiteral("Niveau Leq 10 Minutes"));
    ASSERT_EQ(f->Combo_Aff_Bas_Gauche->currentText(), QStringLiteral("Niveau Leq 1 Minute"));
    const int debut = Lignes_Log();

    QTest::keyClick(f->Combo_Aff_Bas_Gauche, Qt::Key_Up); // "Niveau Leq 5 Minutes"
    auto messages = Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(
        messages[0].text,
        Pelmar()
            ? QStringLiteral("Cette configuration est impossible !!! L'Pelmar ne peut afficher le Niveau "
                             "Leq 10 Minutes et le Niveau Leq 5 Minutes en même temps. Pour configurer "
                             "l'Afficheur du Bas à Gauche en Niveau Leq 5 Minutes, il faut "
                             "préalablement changer la configuration de l'Afficheur Central de Niveau "
                             "Leq 10 Minutes")
            : QStringLiteral("Cette configuration est impossible !!! L'Tuvik ne peut afficher le Niveau "
                             "Leq10 et le Niveau Leq5 en même temps. Pour configurer l'Afficheur Bas à "
                             "Gauche en Niveau Leq 5 Minutes, il faut préalablement changer la "
                             "configuration de l'Afficheur Central de Niveau Leq 10 Minutes"));
    EXPECT_EQ(messages[0].title,
              Pelmar() ? QStringLiteral("Impossible de Configurer l'Afficheur du Bas à Gauche !!!")
                       : QStringLiteral("Impossible de configurer l'Afficheur Bas Gauche !!!"));
    EXPECT_EQ(messages[0].icon, platform::MsgIcon::Critical);
    EXPECT_EQ(f->Combo_Aff_Bas_Gauche->currentText(), QStringLiteral("Niveau Leq 1 Minute"));
    EXPECT_TRUE(Occupee(false));
    EXPECT_TRUE(Recues_Apres(200).empty());
    EXPECT_EQ(Lignes_Log(), debut);

    // A choice without conflict goes; then the centre cannot take the 5-minute level either.
    QTest::keyClick(f->Combo_Aff_Bas_Gauche, Qt::Key_Home);
    EXPECT_EQ(Attendre_Trames(1), (Trames{{0x03, 2}}));
    EXPECT_TRUE(Occupee(true));
    ASSERT_TRUE(Attendre_Reponse());
    EXPECT_EQ(
        Lignes_Depuis(debut),
        (QStringList{
            QString(),
            Pelmar()
                ? QStringLiteral("  Modification de la Configuration de l'Afficheur du Bas à Gauche Ok !!!")
                : QStringLiteral("  Modification de la configuration de l'Afficheur du Bas à Gauche Ok !!!"),
            QStringLiteral("  Configuration de l'Afficheur du Bas à Gauche = Niveau Leq 10 Minutes.")}));

    sim.clearFrames();
    QTest::keyClick(f->Combo_Aff_Centre, Qt::Key_Down); // "Niveau Leq 5 Minutes"
    messages = Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(
        messages[0].text,
        Pelmar()
            ? QStringLiteral("Cette configuration est impossible !!! L'Pelmar ne peut afficher le Niveau "
                             "Leq 10 Minutes et le Niveau Leq 5 Minutes en même temps. Pour configurer "
                             "l'Afficheur Central en Niveau Leq 5 Minutes, il faut préalablement changer "
                             "la configuration de l'Afficheur du Bas à Gauche de Niveau Leq 10 Minutes")
            : QStringLiteral("Cette configuration est impossible !!! L'Tuvik ne peut afficher le Niveau "
                             "Leq10 et le Niveau Leq5 en même temps. Pour configurer l'Afficheur Central "
                             "en Niveau Leq 5 Minutes, il faut préalablement changer la configuration de "
                             "l'Afficheur du Bas à Gauche de Niveau Leq 10 Minutes"));
    EXPECT_EQ(messages[0].title, Pelmar()
                                     ? QStringLiteral("Impossible de Configurer l'Afficheur Central !!!")
                                     : QStringLiteral("Impossible de configurer l'Afficheur Central !!!"));
    EXPECT_EQ(f->Combo_Aff_Centre->currentText(), QStringLiteral("Niveau Leq 10 Minutes"));
    EXPECT_TRUE(Occupee(false));
    EXPECT_TRUE(Recues_Apres(200).empty());

    // The lower-right area has no rule.
    QTest::keyClick(f->Combo_Aff_Bas_Droite, Qt::Key_Down);
    EXPECT_EQ(Attendre_Trames(1), (Trames{{0x04, 0x88}}));
    EXPECT_TRUE(Occupee(true));
    ASSERT_TRUE(Attendre_Reponse());
    EXPECT_EQ(f->Combo_Aff_Bas_Droite->currentText(), QStringLiteral("Désactiver l'Afficheur"));
}

TEST_F(Commandes, NameAndSerialNumberRefusalsSendNothing)
{
    Ouvrir();
    auto *f = Fenetre();
    int debut = Lignes_Log();

    f->Text_Name->setText(QString(25, QLatin1Char('A')));
    QTest::mouseClick(f->Cmd_Envoi_Name, Qt::LeftButton);
    auto messages = Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              Pelmar() ? QStringLiteral("Le Nom de l'Pelmar ne doit pas dépasser 24 caractères !!!")
                       : QStringLiteral("Le Nom de l'Tuvik ne doit pas dépasser 24 caractères !!!"));
    EXPECT_EQ(messages[0].title, Pelmar() ? QStringLiteral("Nombre de Caractères incorrects !!!")
                                          : QStringLiteral("Nombre de caractères incorrect !!!"));
    EXPECT_EQ(messages[0].icon, platform::MsgIcon::Critical);
    EXPECT_EQ(Lignes_Log(), debut); // a name too long writes no log line

    f->Text_Name->setText(QStringLiteral("AB@CD"));
    QTest::mouseClick(f->Cmd_Envoi_Name, Qt::LeftButton);
    messages = Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              QStringLiteral("Le caractère << @ >> n'est pas valide !!! Veuillez le remplacer "
                             "pour pouvoir enregistrer le nom !!!"));
    EXPECT_EQ(messages[0].title, QStringLiteral("Caractère Invalide"));
    EXPECT_EQ(messages[0].icon, platform::MsgIcon::Critical);
    EXPECT_EQ(
        Lignes_Depuis(debut),
        (QStringList{QString(),
                     Pelmar() ? QStringLiteral("  Impossible de Changer le Nom (Caractère Erroné !!!)")
                              : QStringLiteral("  Impossible de changer le Nom (Caractère erroné !!!)")}));
    EXPECT_TRUE(Occupee(false));

    // The serial number's box and button are out of the installer's reach: the handler itself.
    EXPECT_FALSE(f->Text_Serial_Number->isEnabled());
    EXPECT_TRUE(f->Cmd_Envoi_Serial_Number->isHidden());
    debut = Lignes_Log();
    f->Text_Serial_Number->setText(QStringLiteral("123456789"));
    f->Cmd_Envoi_Serial_Number_Click();
    messages = Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              Pelmar()
                  ? QStringLiteral("Le Numéro de Série de l'Pelmar ne doit pas dépasser 8 caractères !!!")
                  : QStringLiteral("Le Numéro de Série de l'Tuvik ne doit pas dépasser 8 caractères !!!"));
    EXPECT_EQ(messages[0].title, Pelmar() ? QStringLiteral("Nombre de Caractères incorrects !!!")
                                          : QStringLiteral("Nombre de Caractères incorrect !!!"));
    const QString trop_long =
        Pelmar() ? QStringLiteral("  Impossible de Changer le Numéro de Série (Caractère Erroné !!!)")
                 : QStringLiteral("  Impossible de changer le Numéro de Série (Caractère Erroné !!!)");
    const QString incorrect =
        Pelmar() ? QStringLiteral("  Impossible de Changer le Numéro de Série (Caractère Erroné !!!)")
                 : QStringLiteral("  Impossible de changer le Numéro de Série (Caractère erroné !!!)");
    EXPECT_EQ(Lignes_Depuis(debut), (QStringList{QString(), trop_long}));

    for (const QString &mauvais : {QStringLiteral("12.5"), QString()}) {
        debut = Lignes_Log();
        f->Text_Serial_Number->setText(mauvais);
        f->Cmd_Envoi_Serial_Number_Click();
        messages = Messages();
        ASSERT_EQ(messages.size(), 1u) << mauvais.toStdString();
        EXPECT_EQ(messages[0].text,
                  QStringLiteral("Il y a un caractère incorrect dans le Numéro de Série !!!"));
        EXPECT_EQ(messages[0].title, Pelmar() ? QStringLiteral("Numéro de Série Incorrect !!!")
                                              : QStringLiteral("Numéro de Série incorrect !!!"));
        EXPECT_EQ(messages[0].icon, platform::MsgIcon::Critical);
        EXPECT_EQ(Lignes_Depuis(debut), (QStringList{QString(), incorrect}));
    }
    EXPECT_TRUE(Recues_Apres(200).empty());
    EXPECT_TRUE(Occupee(false));
}

TEST_F(Commandes, ANamePastedWithItsLineBreakStaysOneLineAndItsFileOpensAgain)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("colle.") + configurator::Modele().Extension_Fichier);
    std::vector<platform::FileDialogRequest> demandes;
    platform::SetFileDialogAnswerer([&](const platform::FileDialogRequest &r) {
        demandes.push_back(r);
        return std::optional(chemin);
    });
    const auto sans_dialogue = qScopeGuard([] { platform::SetFileDialogAnswerer(nullptr); });
    struct Cas
    {
        QString avant; // the field's text, the cursor after `curseur` characters
        int curseur;
        QString colle; // on the clipboard, as copied from a spreadsheet cell or a text
        QString apres;
    };
    const Cas cas[] = {
        {QString(), 0, QStringLiteral("Gymnase\n"), QStringLiteral("Gymnase")},
        {QString(), 0, QStringLiteral("Gymnase\r\n"), QStringLiteral("Gymnase")},
        {QStringLiteral("Salle B"), 6, QStringLiteral("A\nX\nY"), QStringLiteral("Salle AB")},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.colle.toStdString());
        Ouvrir();
        QLineEdit *nom = Fenetre()->Text_Name;
        nom->setText(c.avant);
        nom->setCursorPosition(c.curseur);
        nom->setFocus();
        QGuiApplication::clipboard()->setText(c.colle);
        QTest::keySequence(nom, QKeySequence::Paste);
        EXPECT_EQ(nom->text(), c.apres);

        demandes.clear();
        ASSERT_TRUE(principale->mnuSave_Param->isEnabled());
        principale->mnuSave_Param->trigger();
        ASSERT_EQ(demandes.size(), 1u);
        EXPECT_FALSE(demandes[0].proposedName.contains(QLatin1Char('\n')));
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll().count('\n'), Pelmar() ? 14 : 13);
        principale->mnuOpen->trigger();
        ASSERT_NE(configurator::Parametres::Instance(), nullptr);
        EXPECT_EQ(configurator::Parametres::Instance()->Label_Name->text(), QLatin1Char(' ') + c.apres);
        EXPECT_TRUE(Messages().empty());
    }
}

TEST_F(Commandes, NameAndSerialNumberGoFrameByFrame)
{
    Ouvrir();
    auto *f = Fenetre();
    int debut = Lignes_Log();
    f->Text_Name->setText(QStringLiteral("ABC"));
    // Enter in the name box sends it.
    QTest::keyClick(f->Text_Name, Qt::Key_Return);
    Trames nom{{0x20, 65}, {0x21, 66}, {0x22, 67}};
    for (int code = 0x23; code <= 0x37; ++code)
        nom.emplace_back(code, 32);
    EXPECT_EQ(Attendre_Trames(24), nom);
    EXPECT_TRUE(Occupee(true));
    ASSERT_TRUE(Attendre_Reponse());
    EXPECT_EQ(Lignes_Depuis(debut),
              (QStringList{QString(),
                           Pelmar() ? QStringLiteral("  Modification du Nom de l'Pelmar Ok !!!")
                                    : QStringLiteral("  Modification du nom de l'Tuvik Ok !!!"),
                           Pelmar() ? QStringLiteral("  Nom de l'Pelmar : ABC.")
                                    : QStringLiteral("  Nom de l'Tuvik : ABC.")}));
    EXPECT_EQ(f->Text_Name->text(), QStringLiteral("ABC"));

    sim.clearFrames();
    debut = Lignes_Log();
    f->Text_Serial_Number->setText(QStringLiteral("123"));
    f->Cmd_Envoi_Serial_Number_Click();
    EXPECT_EQ(
        Attendre_Trames(8),
        (Trames{{0x10, 0}, {0x11, 0}, {0x12, 0}, {0x13, 0}, {0x14, 0}, {0x15, 1}, {0x16, 2}, {0x17, 3}}));
    EXPECT_TRUE(Occupee(true));
    ASSERT_TRUE(Attendre_Reponse());
    EXPECT_EQ(Lignes_Depuis(debut),
              (QStringList{QString(), QStringLiteral("  Modification du Numéro de Série Ok !!!"),
                           QStringLiteral("  Numéro de Série : 00000123.")}));
    EXPECT_EQ(f->Text_Serial_Number->text(), QStringLiteral("00000123"));
}

TEST_F(Commandes, FactorySettingsStayBusyUntilTheReportThenReadBackAgain)
{
    auto s = sim.settings();
    s.niveauAlarme = 100;
    sim.setSettings(s);
    Ouvrir();
    auto *f = Fenetre();
    ASSERT_EQ(f->Slider_Alarme->value(), 100);

    sim.setFault(panelsim::Fault::LateAnswer, 400);
    QTest::mouseClick(f->Cmd_Default, Qt::LeftButton);
    EXPECT_EQ(Lignes_Log(), 0);
    EXPECT_TRUE(D().Reinitialisation_En_Cours);
    EXPECT_EQ(Attendre_Trames(1), (Trames{{0x81, 0}}));
    EXPECT_TRUE(Occupee(true));
    EXPECT_DOUBLE_EQ(f->Progression->Max(), 14.1);
    Tourner_Pendant(250);
    EXPECT_TRUE(Occupee(true));

    ASSERT_TRUE(Tourner([] { return D().Envoi_Autorise && !D().Reinitialisation_En_Cours; }, 4000));
    EXPECT_EQ(Recues(), (Trames{{0x81, 0}, {0x80, 0}}));
    EXPECT_TRUE(Occupee(false));
    EXPECT_EQ(f->Slider_Alarme->value(), 85);
    EXPECT_EQ(f->Label_Alarme->text(), QStringLiteral("Niveau d'Alarme = 85 dB."));
    const QStringList lignes = Lignes_Depuis(0);
    ASSERT_GE(lignes.size(), 3);
    EXPECT_EQ(lignes.first(), QStringLiteral("  RéInitialisation de la Mémoire Flash Ok !!!"));
    EXPECT_EQ(lignes.last(), Pelmar() ? QStringLiteral("  Le Système Fonctionne Correctement !!!")
                                      : QStringLiteral("  Le Système fonctionne Correctement !!!"));
    EXPECT_TRUE(lignes.contains(QStringLiteral("  Niveau d'Alarme = 85 dB.")));
    sim.setFault(panelsim::Fault::None);
}

TEST_F(Commandes, FlashEraseAsksFirstAndWaitsLonger)
{
    Ouvrir();
    auto *f = Fenetre();
    EXPECT_TRUE(f->Cmd_Clear_Flash->isHidden());
    const int lignes = Lignes_Log();

    reponse = platform::MsgResult::Cancel;
    f->Cmd_Clear_Flash_Click();
    auto messages = Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              Pelmar() ? QStringLiteral("Etes-vous sûr de vouloir Effacer la mémoire Flash ???")
                       : QStringLiteral("Etes-vous sûr de vouloir effacer la mémoire Flash ???"));
    EXPECT_EQ(messages[0].title, QStringLiteral("Effacement de la mémoire Flash"));
    EXPECT_EQ(messages[0].icon, platform::MsgIcon::None);
    EXPECT_EQ(messages[0].buttons, platform::MsgButtons::OkCancel);
    EXPECT_TRUE(Recues_Apres(200).empty());
    EXPECT_TRUE(Occupee(false));
    EXPECT_FALSE(D().Reinitialisation_En_Cours);
    EXPECT_EQ(Lignes_Log(), lignes);

    reponse = platform::MsgResult::Ok;
    f->Cmd_Clear_Flash_Click();
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Attendre_Trames(1), (Trames{{0x85, 0x58}}));
    EXPECT_DOUBLE_EQ(f->Progression->Max(), 4200.1);
    EXPECT_TRUE(Occupee(true));
    EXPECT_EQ(Lignes_Log(), 0);
    ASSERT_TRUE(Tourner([] { return D().Envoi_Autorise && !D().Reinitialisation_En_Cours; }, 4000));
    EXPECT_TRUE(Occupee(false));
    EXPECT_EQ(Recues(), (Trames{{0x85, 0x58}, {0x80, 0}}));
    const QStringList debut = Lignes_Depuis(0).mid(0, 2);
    EXPECT_EQ(debut, (QStringList{QStringLiteral("  Effacement de la Mémoire Flash Ok !!!"),
                                  QStringLiteral("  RéInitialisation de la Mémoire Flash Ok !!!")}));
}

TEST_F(Commandes, DiagnosticReadsBackWithoutBusyAndNothingIsSentMeanwhile)
{
    Ouvrir();
    auto *f = Fenetre();
    ASSERT_GT(Lignes_Log(), 0);
    QTest::mouseClick(f->Cmd_Diagnostic, Qt::LeftButton);
    EXPECT_EQ(Lignes_Log(), 0);
    EXPECT_TRUE(Occupee(false));
    EXPECT_FALSE(D().Envoi_Autorise);
    EXPECT_EQ(Attendre_Trames(1), (Trames{{0x80, 0}}));

    // Until the read-back is complete a slider only moves its label.
    QTest::keyClick(f->Slider_Alarme, Qt::Key_Right);
    EXPECT_EQ(f->Label_Alarme->text(), QStringLiteral("Niveau d'Alarme = 86 dB."));
    EXPECT_TRUE(Occupee(false));
    ASSERT_TRUE(Tourner([] { return D().Envoi_Autorise; }));
    EXPECT_EQ(Recues(), (Trames{{0x80, 0}}));
    EXPECT_EQ(f->Slider_Alarme->value(), 85);
    EXPECT_GT(Lignes_Log(), 10);

    QTest::keyClick(f->Slider_Alarme, Qt::Key_Right);
    EXPECT_EQ(Attendre_Trames(2), (Trames{{0x80, 0}, {0x08, 86}}));
    EXPECT_TRUE(Occupee(true));
    ASSERT_TRUE(Attendre_Reponse());
}

TEST_F(Commandes, SensorLinkIsSentWhileTheLinkIsFaulty)
{
    auto s = sim.settings();
    s.rapportSysteme = panelsim::report::SensorLink1Fault;
    sim.setSettings(s);
    Code_Panneau({0, 0, 0, 0});
    Entrer_Code({0, 0, 0, 0});
    const QString defaut = QStringLiteral("  Défaut Liaison Capteur n°1 !!! (Type Ferrin)");
    ASSERT_TRUE(Tourner([&] { return Fenetre() && Lignes_Log() > 0 && Lignes_Depuis(0).last() == defaut; }));
    EXPECT_FALSE(D().Envoi_Autorise);
    EXPECT_EQ(D().Etat_Liaison_Capteur, 0x1A);
    auto *f = Fenetre();
    sim.clearFrames();

    // The other settings are not sent while the read-back is incomplete...
    QTest::mouseClick(f->Option_Lumens_Ext, Qt::LeftButton);
    EXPECT_TRUE(f->Option_Lumens_Ext->isChecked());
    EXPECT_TRUE(Recues_Apres(200).empty());
    EXPECT_TRUE(Occupee(false));

    // ...but the link type is, so that the fault can be mended.
    const int debut = Lignes_Log();
    QTest::mouseClick(f->Option_No_Alim_Fantom, Qt::LeftButton);
    EXPECT_EQ(Attendre_Trames(1), (Trames{{0x39, 2}}));
    EXPECT_TRUE(Occupee(true));
    ASSERT_TRUE(Attendre_Reponse());
    const QStringList attendu =
        Pelmar() ? QStringList{QString(), QStringLiteral("  Modification du Type de Liaison Capteur !!!"),
                               QStringLiteral("  Liaison Capteur = Liaison avec un Ostra.")}
                 : QStringList{QStringLiteral("  Modification du Type de Capteur Ok !!!"),
                               QStringLiteral("  Liaison Capteur = Liaison avec un Ostra.")};
    EXPECT_EQ(Lignes_Depuis(debut), attendu);
}

TEST_F(Commandes, ViewModeLocksEverySettingButNotDiagnostic)
{
    principale->mnuVisualiser->trigger();
    ASSERT_TRUE(Tourner([] { return Fenetre() && D().Envoi_Autorise; }));
    EXPECT_TRUE(D().Mode_Visualisation);
    EXPECT_EQ(Recues(), (Trames{{0x80, 0}}));
    EXPECT_TRUE(Messages().empty());
    sim.clearFrames();
    auto *f = Fenetre();
    std::vector<QWidget *> verrouilles{f->Label_Titre_Offset,
                                       f->Slider_Offset,
                                       f->Cmd_Offset_Moins,
                                       f->Cmd_Offset_Plus,
                                       f->Label_Offset,
                                       f->Label_Titre_Alarme,
                                       f->Slider_Alarme,
                                       f->Cmd_Alarme_Plus,
                                       f->Cmd_Alarme_Moins,
                                       f->Label6,
                                       f->Label7,
                                       f->Label8,
                                       f->Label9,
                                       f->Label_Alarme,
                                       f->Label_Titre_Centre,
                                       f->Combo_Aff_Centre,
                                       f->Label_Titre_Bas_Gauche,
                                       f->Combo_Aff_Bas_Gauche,
                                       f->Label_Titre_Bas_Droite,
                                       f->Combo_Aff_Bas_Droite,
                                       f->Label_Titre_Lumens,
                                       f->Option_Lumens_Auto,
                                       f->Option_Lumens_Manuel,
                                       f->Label_Lumens_Int_Ext,
                                       f->Option_Lumens_Int,
                                       f->Option_Lumens_Ext,
                                       f->Label_Lumens_Value,
                                       f->Slider_Lumens,
                                       f->Cmd_Lumens_Plus,
                                       f->Cmd_Lumens_Moins,
                                       f->Label_Luminosite_Value,
                                       f->Label_Lumens_Maxi,
                                       f->Label_Lumens_Mini,
                                       f->Label_Titre_Capteur,
                                       f->Option_Alim_Fantom,
                                       f->Option_No_Alim_Fantom,
                                       f->Cmd_Default,
                                       f->Label_Name,
                                       f->Text_Name,
                                       f->Cmd_Envoi_Name,
                                       f->Label_Serial_Number,
                                       f->Text_Serial_Number,
                                       f->Cmd_Clear_Flash,
                                       f->Cmd_Mode_Reglage,
                                       f->Cmd_Envoi_Serial_Number,
                                       f->Label_Titre_Reponses};
    verrouilles.insert(verrouilles.end(), f->Labels_Offset.begin(), f->Labels_Offset.end());
    if (Pelmar())
        verrouilles.insert(verrouilles.end(), {f->Label_Titre_Date, f->DTP_Date, f->Cmd_Envoi_Date,
                                               f->Label_Titre_Heure, f->Text_Heure, f->Cmd_Envoi_Heure,
                                               f->Label_Titre_Changement, f->Check_Change_Automatique});
    for (QWidget *w : verrouilles)
        EXPECT_FALSE(w->isEnabled()) << w->metaObject()->className() << " "
                                     << (w->accessibleName().isEmpty() ? w->property("text").toString()
                                                                       : w->accessibleName())
                                            .toStdString();
    EXPECT_TRUE(f->Cmd_Diagnostic->isEnabled());
    EXPECT_TRUE(f->List_Reponses->isEnabled());
    EXPECT_TRUE(f->isEnabled());

    // Keys and clicks on the locked controls reach nothing.
    QTest::keyClick(f->Slider_Alarme, Qt::Key_Right);
    QTest::mouseClick(f->Cmd_Default, Qt::LeftButton);
    QTest::mouseClick(f->Option_Lumens_Manuel, Qt::LeftButton);
    EXPECT_TRUE(Recues_Apres(100).empty());

    QTest::mouseClick(f->Cmd_Diagnostic, Qt::LeftButton);
    EXPECT_EQ(Attendre_Trames(1), (Trames{{0x80, 0}}));
    EXPECT_TRUE(Occupee(false));
    ASSERT_TRUE(Tourner([] { return D().Envoi_Autorise; }));
    // The read-back leaves the lock in place.
    EXPECT_FALSE(f->Slider_Lumens->isEnabled());
    EXPECT_FALSE(f->Option_Lumens_Int->isEnabled());
}

TEST_F(Commandes, SilentPanelInViewModeIsReportedOnceAndTheWindowStays)
{
    sim.setFault(panelsim::Fault::Silent);
    principale->mnuVisualiser->trigger();
    ASSERT_NE(Fenetre(), nullptr);
    Tourner_Pendant(500);
    const auto messages = Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text,
              Pelmar()
                  ? QStringLiteral("ATTENTION : L'Pelmar n'a pas répondu !!! Veuillez vérifier le port de "
                                   "communication sélectionné et que le port USB de l'Pelmar est bien "
                                   "connecté !!!")
                  : QStringLiteral("ATTENTION : L'Tuvik n'a pas répondu !!! Veuillez vérifier le port de "
                                   "communication sélectionné et que le port USB de l'Tuvik soit bien "
                                   "connecté !!!"));
    EXPECT_EQ(messages[0].title,
              Pelmar() ? QStringLiteral("L'Pelmar ne répond pas") : QStringLiteral("L'Tuvik ne répond pas"));
    EXPECT_EQ(messages[0].icon, platform::MsgIcon::Critical);
    EXPECT_EQ(D().Chaine_Temp, Declaration::No_Dorva);
    ASSERT_NE(Fenetre(), nullptr);
    EXPECT_TRUE(Fenetre()->isVisible());
    EXPECT_FALSE(D().Envoi_Autorise);
    EXPECT_TRUE(Occupee(false));
    EXPECT_TRUE(Fenetre()->Cmd_Diagnostic->isEnabled());
}

TEST_F(Commandes, UnloadLeavesTheParameterMenusOffAndThePortClosed)
{
    Ouvrir();
    QTest::keyClick(Fenetre()->Slider_Alarme, Qt::Key_Left);
    ASSERT_EQ(Attendre_Trames(1), (Trames{{0x08, 84}}));
    ASSERT_TRUE(Attendre_Reponse());
    ASSERT_TRUE(principale->mnuSave_Param->isEnabled());
    ASSERT_TRUE(principale->mnuPrint->isEnabled());
    ASSERT_TRUE(principale->mnuChange_Password->isVisible());

    configurator::Config::Unload();
    EXPECT_EQ(Fenetre(), nullptr);
    EXPECT_FALSE(principale->mnuSave_Param->isEnabled());
    EXPECT_FALSE(principale->mnuPrint->isEnabled());
    EXPECT_FALSE(principale->mnuChange_Password->isVisible());
    EXPECT_FALSE(Fonctions::MSComm1().PortOpen());
    EXPECT_FALSE(D().Ouvert.Ouvert_Config);

    // Closed while a command awaited its answer: the "Paramètres" menu is usable again.
    Ouvrir();
    sim.setFault(panelsim::Fault::Silent);
    QTest::keyClick(Fenetre()->Slider_Alarme, Qt::Key_Left);
    ASSERT_EQ(Attendre_Trames(1), (Trames{{0x08, 83}}));
    ASSERT_TRUE(Occupee(true));
    configurator::Config::Unload();
    EXPECT_TRUE(principale->ParametresEnabled());
    EXPECT_FALSE(D().Attente_En_Cours);
    EXPECT_FALSE(principale->mnuSave_Param->isEnabled());
    EXPECT_FALSE(Fonctions::MSComm1().PortOpen());
}

TEST_F(Commandes, WithThePortClosedEachCommandIsToldAndStartsNoBusyState)
{
    Ouvrir();
    auto *f = Fenetre();
    Fonctions::Fermeture_Port();
    QTest::keyClick(f->Slider_Alarme, Qt::Key_Right);
    EXPECT_EQ(f->Label_Alarme->text(), QStringLiteral("Niveau d'Alarme = 86 dB."));
    EXPECT_TRUE(Occupee(false));
    QTest::keyClick(f->Combo_Aff_Bas_Droite, Qt::Key_Down);
    EXPECT_TRUE(Occupee(false));
    f->Text_Name->setText(QStringLiteral("ABC"));
    QTest::keyClick(f->Text_Name, Qt::Key_Return);
    EXPECT_TRUE(Occupee(false));
    f->Text_Serial_Number->setText(QStringLiteral("42"));
    f->Cmd_Envoi_Serial_Number_Click();
    EXPECT_TRUE(Occupee(false));
    QTest::mouseClick(f->Cmd_Default, Qt::LeftButton);
    EXPECT_TRUE(Occupee(false));
    QTest::mouseClick(f->Cmd_Leq_1_Sec, Qt::LeftButton);
    EXPECT_TRUE(Recues_Apres(200).empty());
    // Each command says that the panel cannot be reached, instead of doing nothing.
    Attendre_Boites_Port_Absent(6);
}

TEST_F(Commandes, ProgressBarStepsToFourteenAndStops)
{
    Ouvrir();
    auto *f = Fenetre();
    sim.setFault(panelsim::Fault::Silent);
    struct Vitesse
    {
        Vitesse() { platform::SetTickSpeed(10); }
        ~Vitesse() { platform::SetTickSpeed(1); }
    } vitesse;
    std::vector<double> pas;
    QObject contexte; // goes before `pas`, and the recording with it
    QObject::connect(&f->Timer_Wait, &QTimer::timeout, &contexte,
                     [&] { pas.push_back(f->Progression->Value()); });

    QTest::keyClick(f->Slider_Alarme, Qt::Key_Right);
    ASSERT_TRUE(Occupee(true));
    EXPECT_DOUBLE_EQ(f->Progression->Value(), f->Progression->Min());
    Tourner_Pendant(300); // 3000 ms of ticks: 120 steps' worth
    ASSERT_GT(pas.size(), 20u);
    for (size_t i = 0; i < pas.size(); ++i)
        EXPECT_DOUBLE_EQ(pas[i], std::min<double>(static_cast<double>(i + 1), 14)) << i;
    EXPECT_DOUBLE_EQ(f->Progression->Value(), 14);
    // A full bar ends nothing.
    EXPECT_TRUE(Occupee(true));
}

} // namespace
