// What the settings commands send and show, without a window: value labels, the offset byte, the
// display-area values and conflict, the name, serial-number and time checks.
#include "configurator/Fonctions_Reglages.h"
#include "relecture.h"

#include <gtest/gtest.h>

namespace {

namespace R = configurator::Fonctions_Reglages;
using Trames = std::vector<R::Trame>;

TEST(Reglages, OffsetByteHasASignBitAndQuarterDecibels)
{
    EXPECT_EQ(R::Octet_Offset(32), 0x7F);
    EXPECT_EQ(R::Octet_Offset(-32), 0xFF);
    EXPECT_EQ(R::Octet_Offset(-1), 0x84);
    EXPECT_EQ(R::Octet_Offset(1), 0x04);
    EXPECT_EQ(R::Octet_Offset(0), 0x00);
    EXPECT_EQ(R::Octet_Offset(31), 0x7C);
    EXPECT_EQ(R::Octet_Offset(-31), 0xFC);
    EXPECT_EQ(R::Octet_Offset(-5), 0x94);
    EXPECT_EQ(R::Octet_Offset(10), 0x28);
}

TEST(Reglages, SliderLabelsKeepTwoDigits)
{
    EXPECT_EQ(R::Texte_Offset(-5), QStringLiteral("Offset = -05 dB."));
    EXPECT_EQ(R::Texte_Offset(0), QStringLiteral("Offset = 00 dB."));
    EXPECT_EQ(R::Texte_Offset(-15), QStringLiteral("Offset = -15 dB."));
    EXPECT_EQ(R::Texte_Offset(5), QStringLiteral("Offset = +05 dB."));
    EXPECT_EQ(R::Texte_Offset(10), QStringLiteral("Offset = +10 dB."));
    EXPECT_EQ(R::Texte_Offset(-9), QStringLiteral("Offset = -09 dB."));
    EXPECT_EQ(R::Texte_Offset(-10), QStringLiteral("Offset = -10 dB."));
    EXPECT_EQ(R::Texte_Offset(32), QStringLiteral("Offset = +32 dB."));
    EXPECT_EQ(R::Texte_Luminosite(9), QStringLiteral("Niveau de Luminosité = 09."));
    EXPECT_EQ(R::Texte_Luminosite(10), QStringLiteral("Niveau de Luminosité = 10."));
    EXPECT_EQ(R::Texte_Luminosite(1), QStringLiteral("Niveau de Luminosité = 01."));
    EXPECT_EQ(R::Texte_Alarme(75), QStringLiteral("Niveau d'Alarme = 75 dB."));
    EXPECT_EQ(R::Texte_Alarme(120), QStringLiteral("Niveau d'Alarme = 120 dB."));
}

TEST(Reglages, DisplayAreaValuesAndTheTenFiveMinuteConflict)
{
    EXPECT_EQ(R::Valeur_Affichage(QStringLiteral("Niveau Leq 10 Minutes")), 2);
    EXPECT_EQ(R::Valeur_Affichage(QStringLiteral("Niveau Leq 5 Minutes")), 4);
    EXPECT_EQ(R::Valeur_Affichage(QStringLiteral("Niveau Leq 1 Minute")), 3);
    EXPECT_EQ(R::Valeur_Affichage(QStringLiteral("Niveau Leq 1 Seconde")), 1);
    EXPECT_EQ(R::Valeur_Affichage(QStringLiteral("Désactiver l'Afficheur")), 0x88);
    EXPECT_EQ(R::Valeur_Affichage(QStringLiteral("Niveau Crête")), 0);
    EXPECT_EQ(R::Valeur_Affichage(QStringLiteral("Choisissez un Mode d'Affichage")), -1);

    const QString dix = QStringLiteral("Niveau Leq 10 Minutes"),
                  cinq = QStringLiteral("Niveau Leq 5 Minutes");
    EXPECT_TRUE(R::Conflit_Affichage(dix, cinq));
    EXPECT_TRUE(R::Conflit_Affichage(cinq, dix));
    EXPECT_FALSE(R::Conflit_Affichage(dix, dix));
    EXPECT_FALSE(R::Conflit_Affichage(cinq, cinq));
    EXPECT_FALSE(R::Conflit_Affichage(dix, QStringLiteral("Niveau Leq 1 Minute")));
    EXPECT_FALSE(R::Conflit_Affichage(cinq, QStringLiteral("Désactiver l'Afficheur")));
}

TEST(Reglages, NameGoesAsTwentyFourFramesPaddedWithBlanks)
{
    const R::Trames_Nom abc = R::Trames_Du_Nom(QStringLiteral("AB0"));
    EXPECT_TRUE(abc.caractere_invalide.isEmpty());
    ASSERT_EQ(abc.trames.size(), 24u);
    EXPECT_EQ(abc.trames[0], R::Trame(0x20, 65));
    EXPECT_EQ(abc.trames[1], R::Trame(0x21, 66));
    EXPECT_EQ(abc.trames[2], R::Trame(0x22, 47)); // digits travel one below their ASCII code
    for (size_t i = 3; i < 24; ++i)
        EXPECT_EQ(abc.trames[i], R::Trame(0x20 + static_cast<int>(i), 32)) << i;

    const R::Trames_Nom plein = R::Trames_Du_Nom(QString(24, QLatin1Char('Z')));
    ASSERT_EQ(plein.trames.size(), 24u);
    EXPECT_EQ(plein.trames.back(), R::Trame(0x37, 90));

    const R::Trames_Nom accent = R::Trames_Du_Nom(QStringLiteral("fête"));
    EXPECT_EQ(accent.trames.at(1), R::Trame(0x21, 136));

    // One character outside the panel's table refuses the whole name and is named.
    const R::Trames_Nom refuse = R::Trames_Du_Nom(QStringLiteral("AB@CD"));
    EXPECT_TRUE(refuse.trames.empty());
    EXPECT_EQ(refuse.caractere_invalide, QStringLiteral("@"));
    EXPECT_EQ(R::Trames_Du_Nom(QStringLiteral("\"")).caractere_invalide, QStringLiteral("\""));
}

TEST(Reglages, SerialNumberIsPaddedToEightDigits)
{
    EXPECT_EQ(
        R::Trames_Numero_Serie(QStringLiteral("123")),
        (Trames{{0x10, 0}, {0x11, 0}, {0x12, 0}, {0x13, 0}, {0x14, 0}, {0x15, 1}, {0x16, 2}, {0x17, 3}}));
    EXPECT_EQ(
        R::Trames_Numero_Serie(QStringLiteral("98765432")),
        (Trames{{0x10, 9}, {0x11, 8}, {0x12, 7}, {0x13, 6}, {0x14, 5}, {0x15, 4}, {0x16, 3}, {0x17, 2}}));
    EXPECT_TRUE(R::Trames_Numero_Serie(QStringLiteral("12.5")).empty());
    EXPECT_TRUE(R::Trames_Numero_Serie(QString()).empty());
    EXPECT_TRUE(R::Trames_Numero_Serie(QStringLiteral("12 5")).empty());
    EXPECT_TRUE(R::Trames_Numero_Serie(QStringLiteral("-125")).empty());
}

TEST(Reglages, TimeIsReadInItsFourShapes)
{
    struct Cas
    {
        const char *texte;
        int heures, minutes;
    };
    for (const Cas &c : {Cas{"9:5", 9, 5}, Cas{"9:05", 9, 5}, Cas{"12:5", 12, 5}, Cas{"12:05", 12, 5},
                         Cas{"0:0", 0, 0}, Cas{"23:59", 23, 59}}) {
        const R::Heure_Lue h = R::Lire_Heure(QString::fromLatin1(c.texte));
        EXPECT_EQ(h.erreur, R::Erreur_Heure::Aucune) << c.texte;
        EXPECT_EQ(h.heures, c.heures) << c.texte;
        EXPECT_EQ(h.minutes, c.minutes) << c.texte;
    }
    for (const char *format : {"1205", "12-05", "", "1:", "123:45", "12:345", ":05"})
        EXPECT_EQ(R::Lire_Heure(QString::fromLatin1(format)).erreur, R::Erreur_Heure::Format) << format;
    for (const char *caracteres : {"12:5x", "24:00", "12:60", "ab:cd", "1::5", "-1:05"})
        EXPECT_EQ(R::Lire_Heure(QString::fromLatin1(caracteres)).erreur, R::Erreur_Heure::Caracteres)
            << caracteres;
}

} // namespace
