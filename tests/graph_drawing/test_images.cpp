// 1-, 3- and 7-day panes drawn from a generated record table on a picture box, saved as PNG and compared
// with the reference images kept beside the tests, so that any change of drawing shows.
// GRAPH_WRITE_REFERENCES=1 writes a reference that is missing (review it, then commit it).
#include "analysis/graph_drawing/Fonctions_Graphique.h"
#include "donnees_graphique.h"
#include "platform/picture_box.h"
#include "platform/twips.h"
#include "test_support.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

namespace FG = Fonctions_Graphique;
using Declaration::D;

// A pixel differs when one of its channels is more than this apart; an image matches when at most this
// share of its pixels differ (room for font rendering, none for a line moved or recoloured).
constexpr int Ecart_Canal = 48;
constexpr double Part_Pixels = 0.002;

struct Cas
{
    const char *nom;
    int jours;
    QString choix;
    QString serie;
    donnees_graphique::Sortes sortes;
};

const Cas Cas_Images[] = {
    {"volet_1_jour_leq10", 1, FG::Choix_Leq10, QStringLiteral("Niveau Leq 10 Minutes"),
     donnees_graphique::Sortes::Leq10},
    {"volet_3_jours_leq1", 3, FG::Choix_Leq1, QStringLiteral("Niveau Leq 1 Minute"),
     donnees_graphique::Sortes::Les_Deux},
    {"volet_7_jours_crete", 7, FG::Choix_Crete, QStringLiteral("Niveau Crete"),
     donnees_graphique::Sortes::Leq5},
};

// The pane as the graph window draws it, then marked by the cursor at 18:00 on the first day.
QImage Dessiner(const Cas &c)
{
    testsupport::FreshState();
    donnees_graphique::Generer(c.jours, QDate(2009, 3, 5), c.sortes);
    D().Parametres_Afficheur.Niveau_Alarme = 78;
    QWidget fenetre;
    auto *box = new platform::PictureBox(&fenetre);
    box->resize(platform::Px(FG::Largeur_Volet_Normal), platform::Px(FG::Hauteur_Volet_Normal));
    auto *combo = new QComboBox(&fenetre);
    combo->addItem(c.choix);
    FG::Fenetre_Graphique f;
    f.Volet[1].Graphique = box;
    f.Volet[1].Combo_Choix = combo;
    FG::Inscrire_Fenetre_Graphique(&f);
    FG::Trace_Curseur(5, 3, 2009, 18, 0);
    FG::Inscrire_Fenetre_Graphique(nullptr);
    return box->image().convertToFormat(QImage::Format_RGB32);
}

// Number of pixels that differ beyond the channel tolerance; -1 when the sizes differ.
qsizetype Pixels_Differents(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return -1;
    qsizetype n = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto *la = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *lb = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = la[x], q = lb[x];
            n += std::abs(qRed(p) - qRed(q)) > Ecart_Canal || std::abs(qGreen(p) - qGreen(q)) > Ecart_Canal ||
                 std::abs(qBlue(p) - qBlue(q)) > Ecart_Canal;
        }
    }
    return n;
}

bool Conforme(const QImage &image, const QImage &reference)
{
    const qsizetype n = Pixels_Differents(image, reference);
    return n >= 0 && n <= static_cast<qsizetype>(Part_Pixels * image.width() * image.height());
}

QImage Reference(const Cas &c)
{
    return QImage(QDir(QStringLiteral(GRAPH_TEST_DATA)).filePath(QString::fromLatin1(c.nom) + ".png"))
        .convertToFormat(QImage::Format_RGB32);
}

TEST(ImagesVolets, EachPaneMatchesItsReference)
{
    const QDir sortie(QCoreApplication::applicationDirPath() + QStringLiteral("/images_graphiques"));
    ASSERT_TRUE(sortie.mkpath(QStringLiteral(".")));
    for (const Cas &c : Cas_Images) {
        SCOPED_TRACE(c.nom);
        const QImage image = Dessiner(c);
        const QString nom = QString::fromLatin1(c.nom) + ".png";
        ASSERT_TRUE(image.save(sortie.filePath(nom)));
        const QString chemin = QDir(QStringLiteral(GRAPH_TEST_DATA)).filePath(nom);
        if (!QFileInfo::exists(chemin) && qEnvironmentVariableIntValue("GRAPH_WRITE_REFERENCES") == 1) {
            ASSERT_TRUE(image.save(chemin));
        }
        const QImage reference = Reference(c);
        ASSERT_FALSE(reference.isNull()) << "no reference image " << chemin.toStdString();
        EXPECT_TRUE(Conforme(image, reference))
            << Pixels_Differents(image, reference) << " pixels differ; see "
            << sortie.filePath(nom).toStdString();
    }
}

// The tolerance lets no real change through: the same pane with its alarm line 1 dB higher, or with the
// curve of another series, no longer matches.
TEST(ImagesVolets, AChangedDrawingNoLongerMatches)
{
    const Cas &c = Cas_Images[0];
    const QImage reference = Reference(c);
    ASSERT_FALSE(reference.isNull());
    Cas autre = c;
    autre.choix = FG::Choix_Leq1;
    EXPECT_FALSE(Conforme(Dessiner(autre), reference));

    testsupport::FreshState();
    donnees_graphique::Generer(c.jours, QDate(2009, 3, 5), c.sortes);
    D().Parametres_Afficheur.Niveau_Alarme = 79;
    platform::PictureBox box;
    box.resize(reference.width(), reference.height());
    FG::Trace_Axes_Leq(box);
    FG::Trace_Niveau_Alarme(box);
    FG::Trace_Courbe(box, c.serie);
    const QImage sans_curseur = box.image().convertToFormat(QImage::Format_RGB32);
    const qsizetype n = Pixels_Differents(sans_curseur, reference);
    EXPECT_GT(n, 0);
    EXPECT_FALSE(Conforme(sans_curseur, reference)) << n << " pixels differ";
}

} // namespace
