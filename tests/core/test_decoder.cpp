// The answer decoder into the program state.
#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "test_support.h"

#include <gtest/gtest.h>

using Declaration::D;

namespace {

class Decoder : public ::testing::Test
{
protected:
    void SetUp() override { testsupport::FreshState(); }

    // Decodes the name frames 0x20..0x37 built from panel codes.
    static void decodeName(const std::vector<int> &codes)
    {
        for (int i = 0; i < 24; ++i)
            Fonctions::Decodage_Reponse(false, 0x20 + i, i < static_cast<int>(codes.size()) ? codes[i] : 32);
    }
};

TEST_F(Decoder, OffsetByteRoundsHalfToEvenWithSignBit)
{
    const std::vector<std::pair<int, int>> cases = {{0, 0},    {128, 0},   {2, 0},    {6, 2},    {10, 2},
                                                    {127, 32}, {255, -32}, {129, 0},  {134, -2}, {138, -2},
                                                    {4, 1},    {14, 4},    {126, 32}, {254, -32}};
    for (const auto &[octet, attendu] : cases)
        EXPECT_EQ(Fonctions::Offset_Depuis_Octet(octet), attendu) << "byte " << octet;

    Fonctions::Decodage_Reponse(false, 0x01, 134);
    EXPECT_EQ(D().Parametres_Afficheur.Offset, -2);
}

TEST_F(Decoder, MajorVersionAbove128MarksThe40dBVariant)
{
    Fonctions::Decodage_Reponse(false, 0x09, 128);
    EXPECT_EQ(D().Parametres_Afficheur.Version_Firmware[1], 128);
    EXPECT_FALSE(D().Parametres_Afficheur.Modele_40dB);
    Fonctions::Decodage_Reponse(false, 0x09, 129);
    EXPECT_EQ(D().Parametres_Afficheur.Version_Firmware[1], 1);
    EXPECT_TRUE(D().Parametres_Afficheur.Modele_40dB);
    Fonctions::Decodage_Reponse(false, 0x0A, 4);
    EXPECT_EQ(D().Parametres_Afficheur.Version_Firmware[2], 4);
}

TEST_F(Decoder, SerialNumberDigitsAreJoinedInOrder)
{
    for (int i = 0; i < 8; ++i)
        Fonctions::Decodage_Reponse(false, 0x10 + i, i + 1);
    EXPECT_EQ(D().Parametres_Afficheur.Numero_Serie, QStringLiteral("12345678"));
    EXPECT_TRUE(D().Parametres_Afficheur.Tampon_Numero_Serie.isEmpty());

    // A value of 12 contributes two digits; 0x10 restarts the buffer.
    Fonctions::Decodage_Reponse(false, 0x10, 9);
    Fonctions::Decodage_Reponse(false, 0x11, 12);
    Fonctions::Decodage_Reponse(false, 0x17, 0);
    EXPECT_EQ(D().Parametres_Afficheur.Numero_Serie, QStringLiteral("9120"));
}

TEST_F(Decoder, NameLosesTrailingBlanksOnly)
{
    decodeName({65, 66});
    EXPECT_EQ(D().Parametres_Afficheur.Nom_Afficheur, QStringLiteral("AB"));
    decodeName({});
    EXPECT_EQ(D().Parametres_Afficheur.Nom_Afficheur, QString());
    decodeName({32, 65, 32, 66});
    EXPECT_EQ(D().Parametres_Afficheur.Nom_Afficheur, QStringLiteral(" A B"));
    // An unknown code stands as "No Valid" in its place.
    decodeName({65, 66, 34});
    EXPECT_EQ(D().Parametres_Afficheur.Nom_Afficheur, QStringLiteral("ABNo Valid"));
    // Digits travel one below their ASCII code.
    decodeName({47, 48, 56, 130});
    EXPECT_EQ(D().Parametres_Afficheur.Nom_Afficheur, QStringLiteral("019é"));
}

TEST_F(Decoder, AddressesAssembleHighByteFirstInTheirMode)
{
    Fonctions::Decodage_Reponse(false, 0x67, 0x03);
    Fonctions::Decodage_Reponse(false, 0x68, 0x00);
    Fonctions::Decodage_Reponse(false, 0x69, 0x08);
    EXPECT_EQ(D().Index_Memoire.Adresse_Premier, 196616);

    Fonctions::Decodage_Reponse(true, 0x67, 0x03);
    Fonctions::Decodage_Reponse(true, 0x68, 0x00);
    Fonctions::Decodage_Reponse(true, 0x69, 0x10);
    EXPECT_EQ(D().Date_Selection.Adresse_Debut_Selection, 196624);
    EXPECT_EQ(D().Index_Memoire.Adresse_Premier, 196616);

    // A high byte replaces whatever was assembled before it.
    Fonctions::Decodage_Reponse(false, 0x6B, 0xFF);
    Fonctions::Decodage_Reponse(false, 0x6A, 0x44);
    Fonctions::Decodage_Reponse(false, 0x6B, 0xFF);
    Fonctions::Decodage_Reponse(false, 0x6C, 0xF8);
    EXPECT_EQ(D().Index_Memoire.Adresse_Dernier, 0x44FFF8);
}

TEST_F(Decoder, DatesGoToIndexOrSelectionByMode)
{
    const int valeurs[6] = {3, 4, 9, 28, 5, 10};
    for (int i = 0; i < 6; ++i)
        Fonctions::Decodage_Reponse(false, 0x61 + i, valeurs[i]);
    const auto &idx = D().Index_Memoire;
    EXPECT_EQ((std::array<int, 6>{idx.Jour_Premier, idx.Mois_Premier, idx.Annee_Premier, idx.Jour_Dernier,
                                  idx.Mois_Dernier, idx.Annee_Dernier}),
              (std::array<int, 6>{3, 4, 9, 28, 5, 10}));
    EXPECT_EQ(D().Date_Selection.Jour_Debut_Selection, 0);

    Fonctions::Decodage_Reponse(true, 0x64, 17);
    EXPECT_EQ(D().Date_Selection.Jour_Fin_Selection, 17);
    EXPECT_EQ(idx.Jour_Dernier, 28);
}

TEST_F(Decoder, BufferIsWalkedInWholeFrames)
{
    QByteArray reponse;
    for (int i = 0; i < 42; ++i)
        reponse.append(QByteArray::fromRawData("\x08\x50\x69", 3));
    reponse.append('\x01');
    EXPECT_EQ(Fonctions::Decoder_Tampon(reponse, false), 42);
    EXPECT_EQ(D().Parametres_Afficheur.Niveau_Alarme, 0x50);
    EXPECT_EQ(Fonctions::Decoder_Tampon(QByteArray("\x08\x51", 2), false), 0);
    EXPECT_EQ(D().Parametres_Afficheur.Niveau_Alarme, 0x50);
    // Unknown tags change nothing.
    const Declaration::Parametres avant = D().Parametres_Afficheur;
    Fonctions::Decoder_Tampon(QByteArray("\x7F\x01i\x0B\x02i", 6), false);
    EXPECT_EQ(D().Parametres_Afficheur, avant);
}

} // namespace
