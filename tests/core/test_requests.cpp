// The start-up scan, the parameter read and the memory-index read against the simulated panel.
#include "analysis/core/Fonctions.h"
#include "analysis/core/frmConnexion.h"
#include "platform/serial_control.h"
#include "platform/ticks.h"
#include "sim_fixture.h"

#include <QElapsedTimer>

using Declaration::D;
using testsupport::MessageRecorder;

namespace {

using Requests = SimulatedPanel;

TEST_F(Requests, ScanPicksTheHighestPortAnsweringThreeBytes)
{
    panelsim::PanelSimulator autre;
    panelsim::PanelSimulator quatreOctets;
    quatreOctets.setFault(panelsim::Fault::FourByteProbe);
    testsupport::PointPortAt(3, QString::fromStdString(autre.path()));
    testsupport::PointPortAt(7, QString::fromStdString(sim->path()));
    testsupport::PointPortAt(12, QString::fromStdString(quatreOctets.path()));
    D().Etat_Liaison.Port_COM = 0;

    Fonctions::Detection_Port();
    EXPECT_TRUE(D().Etat_Liaison.Afficheur_Detecte);
    EXPECT_EQ(D().Etat_Liaison.Port_COM, 7);
    EXPECT_EQ(autre.framesWithCode(panelsim::cmd::Probe), 1);
    EXPECT_EQ(quatreOctets.framesWithCode(panelsim::cmd::Probe), 1);
    EXPECT_FALSE(Fonctions::MSComm1().PortOpen());
}

TEST_F(Requests, ScanWithoutAnswerKeepsThePort)
{
    sim->setFault(panelsim::Fault::Silent);
    D().Etat_Liaison.Port_COM = 0;
    Fonctions::Detection_Port();
    EXPECT_FALSE(D().Etat_Liaison.Afficheur_Detecte);
    EXPECT_EQ(D().Etat_Liaison.Port_COM, 0);
    EXPECT_EQ(sim->framesWithCode(panelsim::cmd::Probe), 1);
}

TEST_F(Requests, ScanOfSixteenMissingPortsIsQuick)
{
    testsupport::PointPortsAtNothing();
    platform::SetTickSpeed(1.0);
    QElapsedTimer t;
    t.start();
    Fonctions::Detection_Port();
    EXPECT_LT(t.elapsed(), 4000);
    EXPECT_FALSE(D().Etat_Liaison.Afficheur_Detecte);
}

TEST_F(Requests, ParameterReadFillsThePanelParameters)
{
    panelsim::PanelSettings s;
    s.offsetByte = 134;
    s.niveauAlarme = 92;
    s.versionMajeure = 130;
    s.versionMineure = 4;
    s.nom = panelsim::panelName("Salle 2 ");
    s.serie = {0, 9, 1, 2, 3, 4, 5, 6};
    s.modele = 7;
    s.centre = 1;
    s.basGauche = 136;
    s.basDroite = 0;
    s.valeurLuminosite = 12;
    s.typeCapteur = 2;
    sim->setSettings(s);
    MessageRecorder boxes;

    Fonctions::Lecture_Parametres();
    const auto &p = D().Parametres_Afficheur;
    EXPECT_TRUE(D().Etat_Liaison.Connexion_Reussie);
    EXPECT_EQ(p.Offset, -2);
    EXPECT_EQ(p.Niveau_Alarme, 92);
    EXPECT_EQ(p.Version_Firmware[1], 2);
    EXPECT_EQ(p.Version_Firmware[2], 4);
    EXPECT_TRUE(p.Modele_40dB);
    EXPECT_EQ(p.Nom_Afficheur, QStringLiteral("Salle 2"));
    EXPECT_EQ(p.Numero_Serie, QStringLiteral("09123456"));
    EXPECT_EQ(p.Modele_Afficheur, 7);
    EXPECT_EQ(p.Config_Aff_Centre, 1);
    EXPECT_EQ(p.Config_Aff_Bas_Gauche, 136);
    EXPECT_EQ(p.Valeur_Luminosite, 12);
    EXPECT_EQ(p.Type_Capteur, 2);
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(sim->framesWithCode(panelsim::cmd::Parameters), 1);
    // The progress window stays for the index read that follows.
    EXPECT_NE(Connexion::Instance(), nullptr);
    EXPECT_FALSE(Fonctions::MSComm1().PortOpen());
}

TEST_F(Requests, SilentPanelGetsThreeFramesAndOneErrorBox)
{
    sim->setFault(panelsim::Fault::Silent);
    MessageRecorder boxes;
    Fonctions::Lecture_Parametres();
    EXPECT_FALSE(D().Etat_Liaison.Connexion_Reussie);
    EXPECT_EQ(sim->framesWithCode(panelsim::cmd::Parameters), 3);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(
        boxes.shown()[0].text,
        QStringLiteral("L'Pelmar ne répond pas !!! Veuillez consulter le cahier de maintenance de l'Pelmar "
                       "(Erreur n°1)."));
    EXPECT_EQ(boxes.shown()[0].title, QStringLiteral("Erreur n°1 : L'erreur ne répond pas."));
    EXPECT_EQ(boxes.shown()[0].icon, platform::MsgIcon::Critical);
    EXPECT_FALSE(Fonctions::MSComm1().PortOpen());
}

TEST_F(Requests, ShortParameterAnswersAreRepeatedButNotForever)
{
    sim->setFault(panelsim::Fault::ShortAnswer, 125);
    MessageRecorder boxes;
    Fonctions::Lecture_Parametres();
    EXPECT_FALSE(D().Etat_Liaison.Connexion_Reussie);
    // Ten uncounted repeats make one failed attempt; three attempts end the read.
    EXPECT_EQ(sim->framesWithCode(panelsim::cmd::Parameters), 30);
    EXPECT_EQ(boxes.shown().size(), 1u);
}

TEST_F(Requests, ParameterAnswerOf126BytesIsEnough)
{
    sim->setFault(panelsim::Fault::ShortAnswer, 126);
    MessageRecorder boxes;
    Fonctions::Lecture_Parametres();
    EXPECT_TRUE(D().Etat_Liaison.Connexion_Reussie);
    EXPECT_EQ(sim->framesWithCode(panelsim::cmd::Parameters), 1);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(Requests, PortThatCannotBeOpenedIsAnUnansweredAttempt)
{
    testsupport::PointPortsAtNothing();
    MessageRecorder boxes;
    Fonctions::Lecture_Parametres();
    EXPECT_FALSE(D().Etat_Liaison.Connexion_Reussie);
    EXPECT_EQ(boxes.shown().size(), 1u);
    Fonctions::Lecture_Index_Memoire(false);
    EXPECT_FALSE(D().Etat_Liaison.Lecture_Index_Reussie);
    EXPECT_EQ(boxes.shown().size(), 2u);
}

TEST_F(Requests, IndexReadInNormalMode)
{
    sim->setRecords(panelsim::makeRecords(28, 2, 2009, 23, 0, 24 * 60 + 30), 0x44FFF8 - 8 * 100);
    D().Type_Analyse = Declaration::Vue_Graphique;
    D().Donnees_Chargees = true;
    MessageRecorder boxes;
    LabelWatcher tentatives(
        [] { return Connexion::Instance() ? Connexion::Instance()->Label_Tentative : nullptr; });

    Fonctions::Lecture_Index_Memoire(false);
    EXPECT_TRUE(D().Etat_Liaison.Lecture_Index_Reussie);
    EXPECT_TRUE(D().Donnees_Chargees); // only a new data set replaces the one held
    const auto &i = D().Index_Memoire;
    EXPECT_EQ(i.Jour_Premier, 28);
    EXPECT_EQ(i.Mois_Premier, 2);
    EXPECT_EQ(i.Annee_Premier, 9);
    EXPECT_EQ(i.Jour_Dernier, 1);
    EXPECT_EQ(i.Mois_Dernier, 3);
    EXPECT_EQ(i.Adresse_Premier, 0x44FFF8 - 8 * 100);
    EXPECT_EQ(i.Adresse_Dernier, 0x30000 + 8 * (24 * 60 + 30 - 102));
    const auto frames = sim->frames();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], (panelsim::Frame{0x60, 1, 0x69}));
    EXPECT_EQ(Connexion::Instance(), nullptr);
    EXPECT_EQ(tentatives.texts().value(0), QStringLiteral("Tentative de Connexion 1 / 3."));
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(Requests, IndexReadInDateRangeModeSendsSixFrames)
{
    sim->setRecords(panelsim::makeRecords(1, 3, 2009, 0, 0, 5 * 24 * 60));
    D().Index_Memoire.Adresse_Premier = 0x30000;
    D().Index_Memoire.Adresse_Dernier = 0x30000 + 8 * (5 * 24 * 60 - 1);
    D().Date_Selection = {2, 3, 9, 3, 3, 9, 0, 0};
    D().Type_Analyse = Declaration::Vue_Leq;

    Fonctions::Lecture_Index_Memoire(true);
    ASSERT_TRUE(D().Etat_Liaison.Lecture_Index_Reussie);
    const auto frames = sim->frames();
    ASSERT_EQ(frames.size(), 6u);
    const uint8_t attendu[6][2] = {{0x61, 2}, {0x62, 3}, {0x63, 9}, {0x64, 3}, {0x65, 3}, {0x66, 9}};
    for (int k = 0; k < 6; ++k)
        EXPECT_EQ(frames[static_cast<size_t>(k)], (panelsim::Frame{attendu[k][0], attendu[k][1], 0x69}));
    const auto &s = D().Date_Selection;
    EXPECT_EQ(s.Adresse_Debut_Selection, 0x30000 + 8 * 24 * 60);
    EXPECT_EQ(s.Adresse_Fin_Selection, 0x30000 + 8 * (3 * 24 * 60 - 1));
    // The memory index is left as it was.
    EXPECT_EQ(D().Index_Memoire.Adresse_Premier, 0x30000);
    // 7200 records: extra wait of 201 ms.
    EXPECT_EQ(D().Etat_Liaison.Quantite_Donnees, 201);
}

TEST_F(Requests, SilentIndexReadCountsItsAttemptsOnTheLabel)
{
    sim->setFault(panelsim::Fault::Silent);
    MessageRecorder boxes;
    LabelWatcher tentatives(
        [] { return Connexion::Instance() ? Connexion::Instance()->Label_Tentative : nullptr; });
    Fonctions::Lecture_Index_Memoire(false);
    EXPECT_FALSE(D().Etat_Liaison.Lecture_Index_Reussie);
    EXPECT_EQ(sim->framesWithCode(panelsim::cmd::MemoryIndex), 3);
    EXPECT_EQ(tentatives.texts(), QStringList({QStringLiteral("Tentative de Connexion 1 / 3."),
                                               QStringLiteral("Tentative de Connexion 2 / 3."),
                                               QStringLiteral("Tentative de Connexion 3 / 3.")}));
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, Fonctions::Titre_Erreur_1);
    EXPECT_EQ(Connexion::Instance(), nullptr);
    EXPECT_FALSE(Fonctions::MSComm1().PortOpen());
}

TEST_F(Requests, IndexAnswerOf17BytesIsAFailedAttemptNotAHang)
{
    sim->setFault(panelsim::Fault::ShortAnswer, 17);
    MessageRecorder boxes;
    Fonctions::Lecture_Index_Memoire(false);
    EXPECT_FALSE(D().Etat_Liaison.Lecture_Index_Reussie);
    EXPECT_EQ(sim->framesWithCode(panelsim::cmd::MemoryIndex), 3);
    EXPECT_EQ(boxes.shown().size(), 1u);
}

TEST_F(Requests, StopFlagEndsTheIndexReadWithoutSuccess)
{
    sim->setFault(panelsim::Fault::Silent);
    MessageRecorder boxes;
    QTimer::singleShot(50, [] { D().Etat_Liaison.Arret_Demande = true; });
    Fonctions::Lecture_Index_Memoire(false);
    EXPECT_FALSE(D().Etat_Liaison.Lecture_Index_Reussie);
    EXPECT_TRUE(D().Etat_Liaison.Arret_Demande); // never cleared once set
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_FALSE(Fonctions::MSComm1().PortOpen());
    EXPECT_EQ(sim->framesWithCode(panelsim::cmd::MemoryIndex), 1);
}

} // namespace
