// The committed seeds reach deep into each reader: saved files of every version and line end that are
// accepted, panel answers that pass the checks, download streams that give the rows counted.
#include "analysis/core/Declaration.h"
#include "analysis/core/Fonctions.h"
#include "analysis/core/Fonctions_Sauvegarde.h"
#include "analysis/core/Fonctions_Transfert.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <set>

namespace FS = Fonctions_Sauvegarde;
using Declaration::D;

namespace {

QByteArray Seed(const QString &target, const QString &name)
{
    QFile f(QStringLiteral(FUZZ_CORPUS "/") + target + QLatin1Char('/') + name);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
    return f.readAll();
}

FS::Contenu ReadSaved(const QString &name)
{
    FS::Contenu c;
    const FS::Resultat_Lecture r = FS::Lire_Sauvegarde(Seed(QStringLiteral("saved_file"), name), c);
    EXPECT_EQ(r.refus, FS::Refus::Aucun) << name.toStdString() << " line " << r.ligne;
    return c;
}

void Decode(const QString &name, bool mode_periode, int frames)
{
    Declaration::Reinitialiser();
    const QByteArray bytes = Seed(QStringLiteral("answers"), name);
    EXPECT_EQ(Fonctions::Decoder_Tampon(bytes, mode_periode), frames) << name.toStdString();
}

// The stream seed's count (first four bytes, little-endian) and its rows.
int32_t Rows(const QString &name)
{
    const QByteArray bytes = Seed(QStringLiteral("download_rows"), name);
    EXPECT_GE(bytes.size(), 4);
    int32_t n = 0;
    for (int i = 3; i >= 0; --i)
        n = n << 8 | static_cast<uint8_t>(bytes[i]);
    return Fonctions_Transfert::Lignes_Depuis_Octets(bytes.mid(4), n).Nombre_Lignes();
}

} // namespace

TEST(FuzzSeeds, SavedFilesCoverEveryVersionAndBothLineEnds)
{
    const QStringList names = QDir(QStringLiteral(FUZZ_CORPUS "/saved_file")).entryList(QDir::Files);
    std::set<int> versions;
    bool crlf = false, lf_only = false;
    for (const QString &name : names) {
        const QByteArray bytes = Seed(QStringLiteral("saved_file"), name);
        versions.insert(ReadSaved(name).Version_Mineure);
        (bytes.contains("\r\n") ? crlf : lf_only) = true;
    }
    EXPECT_EQ(versions, (std::set<int>{0, 1, 2, 3}));
    EXPECT_TRUE(crlf);
    EXPECT_TRUE(lf_only);

    // The older versions are the same data set under another header and line end.
    const FS::Contenu v23 = ReadSaved(QStringLiteral("v2.3_crlf.pelmar"));
    EXPECT_EQ(v23.Donnees_Memoire.Nombre_Lignes(), 12);
    for (const char *name :
         {"v2.3_lf.pelmar", "v2.2_crlf.pelmar", "v2.1_lf.pelmar", "v2.0_crlf.pelmar", "v2.0_lf.pelmar"}) {
        const FS::Contenu c = ReadSaved(QString::fromLatin1(name));
        EXPECT_EQ(c.Donnees_Memoire.rows, v23.Donnees_Memoire.rows) << name;
        EXPECT_EQ(c.Parametres.Nom_Afficheur, QStringLiteral("Salle Fête")) << name;
        EXPECT_EQ(c.Parametres.Type_Capteur, c.Version_Mineure >= 1 ? 1 : 0) << name;
    }

    const FS::Contenu wrapped = ReadSaved(QStringLiteral("wrapped_40db.pelmar"));
    EXPECT_GT(wrapped.Adresse_Debut_Selection, wrapped.Adresse_Fin_Selection);
    EXPECT_TRUE(wrapped.Parametres.Modele_40dB);
    EXPECT_EQ(wrapped.Donnees_Memoire.Nombre_Lignes(), 3);
    EXPECT_EQ(ReadSaved(QStringLiteral("no_rows.pelmar")).Donnees_Memoire.Nombre_Lignes(), 0);
}

TEST(FuzzSeeds, ParameterAnswersAreWhole)
{
    Decode(QStringLiteral("parameters.bin"), false, 45);
    EXPECT_EQ(D().Parametres_Afficheur.Numero_Serie, QStringLiteral("12345678"));
    EXPECT_FALSE(D().Parametres_Afficheur.Modele_40dB);

    Decode(QStringLiteral("parameters_40db.bin"), false, 45);
    const auto &p = D().Parametres_Afficheur;
    EXPECT_TRUE(p.Modele_40dB);
    EXPECT_EQ(p.Version_Firmware[1], 2);
    EXPECT_EQ(p.Offset, -1);
    EXPECT_EQ(p.Nom_Afficheur, QStringLiteral("Gymnase été"));
}

TEST(FuzzSeeds, IndexAnswersPassTheChecksUnlessTheRingIsEmpty)
{
    Decode(QStringLiteral("memory_index.bin"), false, 12);
    EXPECT_EQ(Fonctions::Erreur_Index_Memoire(), QString());
    const auto &i = D().Index_Memoire;
    EXPECT_EQ(Fonctions::Nombre_Enregistrements(i.Adresse_Premier, i.Adresse_Dernier), 20);

    Decode(QStringLiteral("memory_index_wrapped.bin"), false, 12);
    EXPECT_EQ(Fonctions::Erreur_Index_Memoire(), QString());
    EXPECT_GT(i.Adresse_Premier, i.Adresse_Dernier);
    EXPECT_EQ(Fonctions::Nombre_Enregistrements(i.Adresse_Premier, i.Adresse_Dernier), 30);

    Decode(QStringLiteral("memory_index_empty.bin"), false, 12);
    EXPECT_FALSE(Fonctions::Erreur_Index_Memoire().isEmpty());

    Decode(QStringLiteral("date_range.bin"), true, 12);
    EXPECT_EQ(Fonctions::Erreur_Periode_Selection(), QString());
    const auto &s = D().Date_Selection;
    EXPECT_EQ(Fonctions::Nombre_Enregistrements(s.Adresse_Debut_Selection, s.Adresse_Fin_Selection), 10);
}

TEST(FuzzSeeds, DownloadStreamsGiveTheRowsCounted)
{
    EXPECT_EQ(Rows(QStringLiteral("whole_memory.bin")), 20);
    EXPECT_EQ(Rows(QStringLiteral("short.bin")), 12);
    EXPECT_EQ(Rows(QStringLiteral("date_range.bin")), 10);
    // Two erased records: left out only when the count is above the filter's threshold.
    EXPECT_EQ(Rows(QStringLiteral("erased_kept.bin")), 30);
    EXPECT_EQ(Rows(QStringLiteral("erased_filtered.bin")), 28);
}
