// The larger model's clock commands against a simulated panel: date and time frames 250 ms apart under a
// busy state started first, the time checks, and the automatic clock change, which opening never sends.
#include "commandes.h"
#include "configurator/Fonctions.h"
#include "configurator/Fonctions_Reglages.h"

#include <QTest>
#include <QTimer>
#include <chrono>
#include <mutex>
#include <thread>

namespace {

using configtest::Trames;
using configurator::Declaration::D;
namespace R = configurator::Fonctions_Reglages;

TEST(Horloge, DateFramesCarryTheWeekdayThenBcd)
{
    const auto &bcd = *configurator::Modele().BCD;
    EXPECT_EQ(R::Trames_Date(QDate(2009, 12, 31), bcd),
              (std::vector<R::Trame>{{0x55, 4}, {0x52, 0x31}, {0x53, 0x12}, {0x54, 0x09}}));
    EXPECT_EQ(R::Trames_Date(QDate(2024, 3, 3), bcd).front(), R::Trame(0x55, 0)); // a Sunday
    EXPECT_EQ(R::Trames_Date(QDate(2024, 3, 9), bcd).front(), R::Trame(0x55, 6)); // a Saturday
    EXPECT_EQ(R::Trames_Date(QDate(2000, 1, 1), bcd).back(), R::Trame(0x54, 0x00));
}

class Horloge_Fenetre : public configtest::Commandes
{
protected:
    // When each frame reached the panel, taken on the simulator's own thread.
    void Chronometrer()
    {
        sim.setFrameObserver([this](const panelsim::Frame &) {
            const std::lock_guard verrou(m_mutex);
            m_instants.push_back(std::chrono::steady_clock::now());
        });
    }
    // The gaps between the first `trames` frames. The simulator lists a frame before it tells the observer,
    // so the last instants may still be on their way.
    std::vector<double> Ecarts_Ms(size_t trames)
    {
        for (int i = 0; i < 400; ++i) {
            {
                const std::lock_guard verrou(m_mutex);
                if (m_instants.size() >= trames)
                    break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        const std::lock_guard verrou(m_mutex);
        std::vector<double> ecarts;
        for (size_t i = 1; i < m_instants.size(); ++i)
            ecarts.push_back(
                std::chrono::duration<double, std::milli>(m_instants[i] - m_instants[i - 1]).count());
        return ecarts;
    }
    void TearDown() override
    {
        sim.setFrameObserver(nullptr);
        configtest::Commandes::TearDown();
    }

private:
    std::mutex m_mutex;
    std::vector<std::chrono::steady_clock::time_point> m_instants;
};

TEST_F(Horloge_Fenetre, DateGoesAsFourFramesQuarterOfASecondApart)
{
    Ouvrir();
    auto *f = Fenetre();
    f->DTP_Date->setDate(QDate(2009, 12, 31));
    Chronometrer();
    const int debut = Lignes_Log();

    // Seen from inside the handler's waits: busy from before the first frame.
    bool occupee_pendant = false;
    size_t trames_pendant = 0;
    QTimer::singleShot(120, f, [&] {
        occupee_pendant = static_cast<bool>(Occupee(true));
        trames_pendant = sim.frames().size();
    });
    QTest::mouseClick(f->Cmd_Envoi_Date, Qt::LeftButton);
    EXPECT_TRUE(occupee_pendant);
    EXPECT_EQ(trames_pendant, 1u);
    EXPECT_EQ(Attendre_Trames(4), (Trames{{0x55, 4}, {0x52, 0x31}, {0x53, 0x12}, {0x54, 0x09}}));
    const auto ecarts = Ecarts_Ms(4);
    ASSERT_EQ(ecarts.size(), 3u);
    for (double e : ecarts) {
        EXPECT_GE(e, 240.0);
        EXPECT_LT(e, 600.0);
    }
    EXPECT_TRUE(Occupee(true));
    ASSERT_TRUE(Attendre_Reponse());
    EXPECT_EQ(Lignes_Depuis(debut),
              (QStringList{QString(), QStringLiteral("  Modification de la Date Ok !!!"),
                           QStringLiteral("  Date = Jeudi 31 Décembre 2009")}));
    EXPECT_EQ(f->DTP_Date->date(), QDate(2009, 12, 31));
}

TEST_F(Horloge_Fenetre, TimeGoesAsHoursThenMinutesOnEnter)
{
    Ouvrir();
    auto *f = Fenetre();
    Chronometrer();
    const int debut = Lignes_Log();
    // Typed key by key: Enter sends the text as it stands, as "Envoi" does.
    f->Text_Heure->clear();
    QTest::keyClicks(f->Text_Heure, QStringLiteral("9:05"));
    QTest::keyClick(f->Text_Heure, Qt::Key_Return);
    EXPECT_EQ(Attendre_Trames(2), (Trames{{0x50, 0x09}, {0x51, 0x05}}));
    const auto ecarts = Ecarts_Ms(2);
    ASSERT_EQ(ecarts.size(), 1u);
    EXPECT_GE(ecarts[0], 240.0);
    EXPECT_TRUE(Occupee(true));
    ASSERT_TRUE(Attendre_Reponse());
    EXPECT_EQ(Lignes_Depuis(debut),
              (QStringList{QString(), QStringLiteral("  Modification de l'Heure Ok !!!"),
                           QStringLiteral("  Heure = 09:05")}));
    EXPECT_EQ(f->Text_Heure->text(), QStringLiteral("09:05"));
}

TEST_F(Horloge_Fenetre, EnterInTheDatePickerSendsTheDate)
{
    Ouvrir();
    auto *f = Fenetre();
    f->DTP_Date->setDate(QDate(2024, 3, 3));
    QTest::keyClick(f->DTP_Date, Qt::Key_Return);
    EXPECT_EQ(Attendre_Trames(4), (Trames{{0x55, 0}, {0x52, 0x03}, {0x53, 0x03}, {0x54, 0x24}}));
    ASSERT_TRUE(Attendre_Reponse());
    EXPECT_EQ(Lignes_Depuis(Lignes_Log() - 1), QStringList{QStringLiteral("  Date = Dimanche 3 Mars 2024")});
}

TEST_F(Horloge_Fenetre, EnterSendsTheDateAsTypedAsEnvoiDoes)
{
    Ouvrir();
    auto *f = Fenetre();
    struct Cas
    {
        QDateTimeEdit::Section section; // selected before the keys, as a double click does
        const char *touches;
        Trames attendues;
    };
    // 15/02/2023 on screen: "1" typed over the month; "3" then "1" typed over the day, the "1" going on
    // into the month. Both leave the month half typed: January, as the user sees it.
    const std::vector<Cas> cas{
        {QDateTimeEdit::MonthSection, "1", {{0x55, 0}, {0x52, 0x15}, {0x53, 0x01}, {0x54, 0x23}}},
        {QDateTimeEdit::DaySection, "31", {{0x55, 2}, {0x52, 0x03}, {0x53, 0x01}, {0x54, 0x23}}},
    };
    for (const Cas &c : cas) {
        for (const bool entree : {false, true}) {
            SCOPED_TRACE(std::string(c.touches) + (entree ? " Enter" : " Envoi"));
            f->DTP_Date->setDate(QDate(2023, 2, 15));
            f->activateWindow();
            f->DTP_Date->setFocus();
            f->DTP_Date->setSelectedSection(c.section);
            QTest::keyClicks(f->DTP_Date, QString::fromLatin1(c.touches));
            sim.clearFrames();
            if (entree)
                QTest::keyClick(f->DTP_Date, Qt::Key_Return);
            else
                QTest::mouseClick(f->Cmd_Envoi_Date, Qt::LeftButton);
            EXPECT_EQ(Attendre_Trames(4), c.attendues);
            ASSERT_TRUE(Attendre_Reponse());
        }
    }
}

TEST_F(Horloge_Fenetre, ClockCommandsWithThePortClosedAreToldAndStartNoBusyState)
{
    Ouvrir();
    auto *f = Fenetre();
    configurator::Fonctions::Fermeture_Port();
    QTest::mouseClick(f->Cmd_Envoi_Date, Qt::LeftButton);
    EXPECT_TRUE(Occupee(false));
    f->Text_Heure->setText(QStringLiteral("12:05"));
    QTest::keyClick(f->Text_Heure, Qt::Key_Return);
    EXPECT_TRUE(Occupee(false));
    QTest::mouseClick(f->Check_Change_Automatique, Qt::LeftButton);
    EXPECT_TRUE(Occupee(false));
    EXPECT_TRUE(Recues_Apres(200).empty());
    Attendre_Boites_Port_Absent(3);
}

TEST_F(Horloge_Fenetre, BadTimesAreRefusedWithTheirMessage)
{
    Ouvrir();
    auto *f = Fenetre();
    const int debut = Lignes_Log();
    struct Cas
    {
        QString heure, texte, titre;
    };
    const QString format =
        QStringLiteral("Il y a une erreur dans l'heure rentrée !!! Format Obligatoire = XX:XX");
    const QString caracteres = QStringLiteral(
        "Il y a des Caractères incorrects dans l'heure. Veuillez Saisir une heure correct SVP !!!");
    for (const Cas &c :
         {Cas{QStringLiteral("1205"), format, QStringLiteral("Problème de réglage de l'Heure.")},
          Cas{QStringLiteral("12-05"), format, QStringLiteral("Problème de réglage de l'Heure.")},
          Cas{QStringLiteral("12:5x"), caracteres, QStringLiteral("Problème de réglage de l'Heure")},
          Cas{QStringLiteral("24:00"), caracteres, QStringLiteral("Problème de réglage de l'Heure")},
          Cas{QStringLiteral("12:60"), caracteres, QStringLiteral("Problème de réglage de l'Heure")}}) {
        f->Text_Heure->setText(c.heure);
        QTest::mouseClick(f->Cmd_Envoi_Heure, Qt::LeftButton);
        const auto messages = Messages();
        ASSERT_EQ(messages.size(), 1u) << c.heure.toStdString();
        EXPECT_EQ(messages[0].text, c.texte) << c.heure.toStdString();
        EXPECT_EQ(messages[0].title, c.titre) << c.heure.toStdString();
        EXPECT_EQ(messages[0].icon, platform::MsgIcon::Critical);
        EXPECT_TRUE(Occupee(false)) << c.heure.toStdString();
    }
    EXPECT_TRUE(Recues_Apres(200).empty());
    EXPECT_EQ(Lignes_Log(), debut);
}

TEST_F(Horloge_Fenetre, OpeningNeverSendsTheClockChangeTheUserDoes)
{
    auto s = sim.settings();
    s.heureAuto = 0;
    sim.setSettings(s);
    Ouvrir_Reglages();
    Tourner_Pendant(300);
    EXPECT_EQ(sim.framesWithCode(0x38), 0);
    auto *f = Fenetre();
    EXPECT_FALSE(f->Check_Change_Automatique->isChecked());
    EXPECT_TRUE(f->Check_Change_Automatique->isEnabled());
    sim.clearFrames();
    Messages();

    const int debut = Lignes_Log();
    QTest::mouseClick(f->Check_Change_Automatique, Qt::LeftButton);
    EXPECT_EQ(Attendre_Trames(1), (Trames{{0x38, 1}}));
    EXPECT_TRUE(Occupee(true));
    ASSERT_TRUE(Attendre_Reponse());
    EXPECT_EQ(Lignes_Depuis(debut),
              (QStringList{QString(), QStringLiteral("  Modification du Type de Changement d'Heure Ok !!!"),
                           QStringLiteral("  Changement d'Heure Automatique Actif.")}));
    EXPECT_TRUE(f->Check_Change_Automatique->isChecked());

    // Nor does a view-mode opening, with the box ticked by the read-back.
    configurator::Config::Unload();
    sim.clearFrames();
    principale->mnuVisualiser->trigger();
    ASSERT_TRUE(Tourner([] { return Fenetre() && D().Envoi_Autorise; }));
    Tourner_Pendant(200);
    EXPECT_EQ(Recues(), (Trames{{0x80, 0}}));
    EXPECT_FALSE(Fenetre()->Check_Change_Automatique->isEnabled());
}

} // namespace
