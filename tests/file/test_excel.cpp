// Spreadsheet export: the rows picked, the texts, the window, and the workbook read back from disk.
#include "file_test_support.h"
#include "xlsx_lecture.h"

#include "analysis/core/Sauvegarde_Excel.h"
#include "analysis/core/frmExcel.h"
#include "analysis/core/frmMain.h"
#include "small_disk.h"
#include "utilisateur.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <clocale>
#include <random>

using Declaration::D;
using Declaration::Enregistrement_Memoire;
namespace SE = Sauvegarde_Excel;

class ExcelExportTexts : public filetest::FileTest
{
};

namespace {

Enregistrement_Memoire Releve(int jour, int mois, int annee, int heure, int minute, int b6, int b7, int b8)
{
    auto o = [](int v) { return static_cast<int16_t>(v); };
    return {0, o(minute), o(heure), o(jour), o(mois), o(annee), o(b6), o(b7), o(b8)};
}

Declaration::Table_Donnees Table(const std::vector<Enregistrement_Memoire> &lignes)
{
    Declaration::Table_Donnees t;
    t.rows.insert(t.rows.end(), lignes.begin(), lignes.end());
    return t;
}

// Hour, minute, day, month, year-2000 of the start, then of the end: 3 March 2009 14:00 to 4 March 00:00.
const SE::Periode_Excel kApres_Midi{14, 0, 3, 3, 9, 0, 0, 4, 3, 9};

// One measurement row a minute from 14:00 on 3 March 2009, with the given 1-minute Leq.
std::vector<Enregistrement_Memoire> Minutes(const std::vector<int> &leq1)
{
    std::vector<Enregistrement_Memoire> l;
    for (size_t i = 0; i < leq1.size(); ++i)
        l.push_back(Releve(3, 3, 9, 14, static_cast<int>(i), 70, leq1[i], 90));
    return l;
}

std::vector<int32_t> Choisies(const std::vector<Enregistrement_Memoire> &lignes)
{
    return SE::Lignes_Exportees(Table(lignes), kApres_Midi, 1000).value();
}

// The next widget that Tab reaches from `w`.
QWidget *Suivant_Tab(QWidget *w)
{
    QWidget *n = w->nextInFocusChain();
    while (n != w && !(n->focusPolicy() & Qt::TabFocus))
        n = n->nextInFocusChain();
    return n;
}

} // namespace

TEST_F(ExcelExportTexts, DateTextsAndHalfOpenPeriod)
{
    EXPECT_EQ(SE::Texte_Date(Releve(3, 3, 9, 14, 5, 72, 68, 81)), QStringLiteral("3/3/2009-14h05mn"));
    EXPECT_EQ(SE::Texte_Date(Releve(12, 11, 10, 9, 30, 72, 68, 81)), QStringLiteral("12/11/2010-9h30mn"));

    EXPECT_TRUE(SE::Dans_Periode(Releve(3, 3, 9, 14, 0, 70, 70, 80), kApres_Midi));
    EXPECT_FALSE(SE::Dans_Periode(Releve(3, 3, 9, 13, 59, 70, 70, 80), kApres_Midi));
    EXPECT_FALSE(SE::Dans_Periode(Releve(4, 3, 9, 0, 0, 70, 70, 80), kApres_Midi));
    const SE::Periode_Excel avril{10, 0, 28, 3, 9, 10, 0, 2, 4, 9};
    EXPECT_TRUE(SE::Dans_Periode(Releve(31, 3, 9, 0, 0, 70, 70, 80), avril));
    EXPECT_TRUE(SE::Dans_Periode(Releve(1, 4, 9, 23, 59, 70, 70, 80), avril));
    EXPECT_FALSE(SE::Dans_Periode(Releve(1, 4, 10, 12, 0, 70, 70, 80), avril)); // a year later
}

TEST_F(ExcelExportTexts, EveryFifthLoudMeasurementRowOfThePeriodIsPicked)
{
    EXPECT_EQ(Choisies(Minutes(std::vector<int>(12, 60))), (std::vector<int32_t>{1, 6, 11}));
    // A 59 dB row neither goes out nor counts.
    EXPECT_EQ(Choisies(Minutes({60, 59, 61, 62, 63, 64, 65, 59, 66})), (std::vector<int32_t>{1, 7}));

    // Events, erased memory, unusable bytes and rows outside the period neither go out nor count.
    auto l = Minutes({70, 70});
    l.push_back(Releve(3, 3, 9, 14, 2, 3, 85, 90));   // event with a parameter of 85
    l.push_back(Releve(3, 3, 9, 14, 3, 39, 60, 60));  // event code 39
    l.push_back(Releve(3, 3, 9, 14, 4, 255, 70, 90)); // unusable level byte
    l.push_back(Releve(3, 3, 9, 14, 5, 70, 70, 255)); // unusable peak
    l.push_back(Releve(255, 255, 255, 255, 255, 255, 255, 255));
    l.push_back(Releve(3, 3, 9, 13, 0, 70, 70, 90));  // before the period
    l.push_back(Releve(3, 3, 9, 14, 6, 198, 70, 90)); // 5-minute row: counts
    l.push_back(Releve(3, 3, 9, 14, 7, 40, 70, 90));  // lowest 10-minute level: counts
    l.push_back(Releve(3, 3, 9, 14, 8, 70, 70, 90));
    l.push_back(Releve(3, 3, 9, 14, 9, 70, 70, 90)); // the sixth that passes
    EXPECT_EQ(Choisies(l), (std::vector<int32_t>{1, 12}));

    // More rows than the sheet takes: nothing.
    const auto quinze = Table(Minutes(std::vector<int>(15, 80))); // rows 1, 6, 11
    EXPECT_TRUE(SE::Lignes_Exportees(quinze, kApres_Midi, 3).has_value());
    EXPECT_FALSE(SE::Lignes_Exportees(quinze, kApres_Midi, 2).has_value());
    EXPECT_EQ(SE::Lignes_Max(), 1048575);
}

TEST_F(ExcelExportTexts, NameLabelAndBoxTexts)
{
    EXPECT_EQ(SE::Nom_Propose(QStringLiteral("A/B"), {8, 0, 5, 3, 9, 0, 0, 1, 1, 11}),
              QStringLiteral("Pelmar A-B - 05-03-2009 au 01-01-2011.xlsx"));

    const Declaration::Selection s{4, 3, 9, 6, 3, 9, 0, 0};
    EXPECT_EQ(SE::Texte_Label_Date(s, 1), QStringLiteral(" Niveaux du Mercredi 04 Mars 2009"));
    EXPECT_EQ(
        SE::Texte_Label_Date(s, 3),
        QStringLiteral(" Niveaux du Mercredi 04 Mars 2009 à 00h.00  au Vendredi 06 Mars 2009 à 00h.00"));
    const Declaration::Selection d{30, 11, 10, 2, 12, 10, 0, 0};
    EXPECT_EQ(SE::Texte_Label_Date(d, 7),
              QStringLiteral(
                  " Niveaux du  Mardi   30 Novembre 2010 à 00h.00  au  Jeudi   02 Décembre 2010 à 00h.00"));

    EXPECT_EQ(SE::Texte_Case(0), QString());
    EXPECT_EQ(SE::Texte_Case(7), QStringLiteral("07"));
    EXPECT_EQ(SE::Texte_Case_Annee(0), QString());
    EXPECT_EQ(SE::Texte_Case_Annee(9), QStringLiteral("2009"));

    EXPECT_EQ(SE::Valeur_Texte(QString()), 0);
    EXPECT_EQ(SE::Valeur_Texte(QStringLiteral("12ab")), 12);
    EXPECT_EQ(SE::Valeur_Texte(QStringLiteral(" 2 009")), 2009);
    EXPECT_EQ(SE::Valeur_Texte(QStringLiteral("x5")), 0);
    EXPECT_EQ(SE::Valeur_Texte(QStringLiteral("-2.5")), -2.5);
    EXPECT_EQ(SE::Valeur_Texte(QStringLiteral("1e3")), 1000);
}

class ExcelExport : public filetest::FileTest
{
protected:
    void SetUp() override
    {
        FileTest::SetUp();
        filetest::Donnees_Petites(D());
        D().Parametres_Chargees.Nom_Afficheur = QStringLiteral("Salle é");
        auto lignes = Minutes(std::vector<int>(11, 65));
        lignes[5] = Releve(3, 3, 9, 14, 5, 198, 70, 95);                      // a 5-minute row of 70 dB
        lignes.insert(lignes.begin() + 2, Releve(3, 3, 9, 14, 1, 7, 90, 90)); // an event among them
        D().Donnees_Memoire = Table(lignes);
        SE::Periode() = kApres_Midi;
    }
};

TEST_F(ExcelExport, WorkbookHoldsHeadingsDateTextsAndNumbers)
{
    const QString chemin = Chemin(QStringLiteral("export.xlsx"));
    Repondre({chemin});
    SE::Exporter_Excel();
    ASSERT_TRUE(Messages().empty());
    ASSERT_EQ(demandes.size(), 1u);
    EXPECT_EQ(demandes[0].proposedName, QStringLiteral("Pelmar Salle é - 03-03-2009 au 04-03-2009.xlsx"));
    EXPECT_EQ(demandes[0].filter, QStringLiteral("Pelmar save File(*.xlsx)|*.xlsx"));

    const auto feuille = xlsx::Lire_Feuille(chemin);
    // Loud rows at minutes 0 to 10, the event left out: minutes 0, 5 and 10 go out.
    const std::vector<std::vector<QString>> attendu{
        {QStringLiteral("Dates(jj/mm/aaaa - hh:mm)"), QStringLiteral("LEQ5min (dB(A))"),
         QStringLiteral("LEQ1Min (dB(A))"), QStringLiteral("Peak (dB(A))")},
        {QStringLiteral("3/3/2009-14h00mn"), QStringLiteral("70"), QStringLiteral("65"),
         QStringLiteral("90")},
        {QStringLiteral("3/3/2009-14h05mn"), QStringLiteral("198"), QStringLiteral("70"),
         QStringLiteral("95")},
        {QStringLiteral("3/3/2009-14h10mn"), QStringLiteral("70"), QStringLiteral("65"),
         QStringLiteral("90")}};
    ASSERT_EQ(feuille.size(), 16u);
    for (size_t ligne = 0; ligne < attendu.size(); ++ligne) {
        for (size_t colonne = 0; colonne < 4; ++colonne) {
            const QString ref = QChar(static_cast<char16_t>(u'A' + colonne)) + QString::number(ligne + 1);
            SCOPED_TRACE(ref.toStdString());
            ASSERT_EQ(feuille.count(ref), 1u);
            EXPECT_EQ(feuille.at(ref).valeur, attendu[ligne][colonne]);
            EXPECT_EQ(feuille.at(ref).texte, ligne == 0 || colonne == 0); // levels are numbers
        }
    }
}

TEST_F(ExcelExport, ExtensionIsAddedWhenTheNameHasNoneAndAWorkbookUnderItIsReplacedOnlyOnYes)
{
    Repondre({Chemin(QStringLiteral("sans"))});
    SE::Exporter_Excel();
    EXPECT_TRUE(QFile::exists(Chemin(QStringLiteral("sans.xlsx"))));
    EXPECT_FALSE(QFile::exists(Chemin(QStringLiteral("sans"))));
    Repondre({Chemin(QStringLiteral("avec.XLSX"))});
    SE::Exporter_Excel();
    EXPECT_TRUE(QFile::exists(Chemin(QStringLiteral("avec.XLSX"))));
    EXPECT_TRUE(Messages().empty());

    // The same name typed again without its extension: the workbook it would replace is asked about, in a
    // real box that the user closes; a name typed with its extension was asked about by the dialog.
    const QByteArray ancien = QByteArray(5000, 'w');
    struct Cas
    {
        const char *tape;
        QMessageBox::StandardButton bouton;
        bool question, remplace;
    };
    for (const Cas c : {Cas{"sans", QMessageBox::No, true, false}, Cas{"sans", QMessageBox::Yes, true, true},
                        Cas{"sans.xlsx", QMessageBox::No, false, true}}) {
        SCOPED_TRACE(std::string(c.tape) + (c.bouton == QMessageBox::Yes ? " Yes" : " No"));
        filetest::Ecrire(Chemin(QStringLiteral("sans.xlsx")), ancien);
        Repondre({Chemin(QString::fromLatin1(c.tape))});
        testsupport::Utilisateur utilisateur(100, c.bouton);
        SE::Exporter_Excel();
        EXPECT_EQ(utilisateur.Boites(), c.question ? QStringList{QStringLiteral(
                                                         "sans.xlsx already exists.\nDo you want to replace it?")}
                                                   : QStringList());
        const QByteArray apres = filetest::Lire(Chemin(QStringLiteral("sans.xlsx")));
        if (c.remplace) {
            EXPECT_EQ(xlsx::Lire_Feuille(Chemin(QStringLiteral("sans.xlsx"))).at(QStringLiteral("A2")).valeur,
                      QStringLiteral("3/3/2009-14h00mn"));
        } else {
            EXPECT_EQ(apres, ancien);
        }
        EXPECT_FALSE(QFile::exists(Chemin(QStringLiteral("sans.xlsx.xlsx"))));
    }
}

TEST_F(ExcelExport, NoDataCancelEmptyNameAndFailedSave)
{
    D().Donnees_Chargees = false;
    SE::Exporter_Excel();
    EXPECT_TRUE(demandes.empty());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, QStringLiteral("You have to download data from Dorva before save ..."));
    EXPECT_EQ(Messages()[0].title, QStringLiteral("Unable to save data ..."));
    EXPECT_EQ(Messages()[0].icon, platform::MsgIcon::Critical);

    D().Donnees_Chargees = true;
    platform::ClearShownMessages();
    Repondre({std::nullopt});
    SE::Exporter_Excel();
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(QDir(Chemin(QString())).entryList(QDir::Files).isEmpty());

    demandes.clear();
    Repondre({QString(), Chemin(QStringLiteral("y.xlsx"))});
    SE::Exporter_Excel();
    ASSERT_EQ(demandes.size(), 2u);
    EXPECT_TRUE(demandes[1].proposedName.isEmpty());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, QStringLiteral("Can you give a name to the saving file., please "));
    EXPECT_EQ(Messages()[0].title, QStringLiteral("Data saving is impossible."));
    EXPECT_TRUE(QFile::exists(Chemin(QStringLiteral("y.xlsx"))));

    platform::ClearShownMessages();
    Repondre({Chemin(QStringLiteral("absent/z.xlsx"))});
    SE::Exporter_Excel();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_TRUE(Messages()[0].text.startsWith(QStringLiteral("The workbook could not be written (")));
    EXPECT_EQ(Messages()[0].title, QStringLiteral("Data saving is impossible."));
}

TEST_F(ExcelExport, FullDiskLeavesTheOlderWorkbookAsItWasAndSaysSo)
{
    if (!testsupport::RunWhereDisksMount())
        return;
    // `releves` minutes of March 2009 with levels of any kind, so that the workbook hardly compresses.
    auto Mars = [](int releves) {
        std::mt19937 g(5);
        std::vector<Enregistrement_Memoire> l;
        for (int i = 0; i < releves; ++i)
            l.push_back(Releve(1 + i / 1440, 3, 9, i / 60 % 24, i % 60, 40 + static_cast<int>(g() % 200),
                               60 + static_cast<int>(g() % 60), 60 + static_cast<int>(g() % 90)));
        return l;
    };
    struct Cas
    {
        int releves;
        qint64 libre;
        bool ancien;
        bool temporaire_plein; // the workbook is built on the full disk, and saved elsewhere
    };
    // Workbooks under and above the 16 KiB that a file keeps in memory before writing, on a full disk or
    // one with part of them free; over an older workbook or where there was none.
    const QByteArray ancien = QByteArray(32000, 'w');
    for (const Cas c :
         {Cas{2000, 0, true, false}, Cas{2000, 8192, false, false}, Cas{10000, 8192, true, false},
          Cas{10000, 0, false, false}, Cas{2000, 0, true, true}}) {
        SCOPED_TRACE(c.releves);
        D().Donnees_Memoire = Table(Mars(c.releves));
        SE::Periode() = {0, 0, 1, 3, 9, 0, 0, 1, 4, 9};
        testsupport::SmallDisk disque;
        if (!disque.mounted())
            return; // skipped, before anything is written
        const QString chemin =
            c.temporaire_plein ? Chemin(QStringLiteral("m.xlsx")) : disque.path(QStringLiteral("m.xlsx"));
        if (c.ancien)
            filetest::Ecrire(chemin, ancien);
        disque.fill(c.libre);
        const QStringList entrees = disque.entries();
        const std::optional<QByteArray> tmpdir =
            qEnvironmentVariableIsSet("TMPDIR") ? std::optional(qgetenv("TMPDIR")) : std::nullopt;
        if (c.temporaire_plein)
            qputenv("TMPDIR", QFile::encodeName(disque.path(QString())));
        platform::ClearShownMessages();
        Repondre({chemin});
        SE::Exporter_Excel();
        if (tmpdir)
            qputenv("TMPDIR", *tmpdir);
        else
            qunsetenv("TMPDIR");

        ASSERT_EQ(Messages().size(), 1u);
        EXPECT_TRUE(Messages()[0].text.startsWith(QStringLiteral("The workbook could not be written (")));
        EXPECT_TRUE(Messages()[0].text.endsWith(QStringLiteral("). Unable to save data ...")));
        EXPECT_EQ(Messages()[0].title, SE::Titre_Impossible);
        EXPECT_EQ(disque.entries(), entrees);
        if (c.ancien) {
            EXPECT_EQ(filetest::Lire(chemin), ancien);
        } else {
            EXPECT_FALSE(QFile::exists(chemin));
        }
        EXPECT_EQ(D().Donnees_Memoire.Nombre_Lignes(), c.releves);
    }
}

TEST_F(ExcelExport, WindowShowsTheKeptPeriodAndValiderExportsAndCloses)
{
    D().Date_Selection = {4, 3, 9, 4, 3, 9, 0, 0};
    D().Graphique.Nombre_Jours_Graphique = 1;
    SE::Periode() = {};
    frmMain principale;
    principale.ExcelSave->trigger(); // the menu entry opens it
    frmExcel *premiere = Excel::Instance();
    ASSERT_NE(premiere, nullptr);
    EXPECT_EQ(premiere->windowTitle(), QStringLiteral("Sauvegarde Excel"));
    EXPECT_EQ(premiere->Label_Date->text(), QStringLiteral(" Niveaux du Mercredi 04 Mars 2009"));
    const auto cases = premiere->Cases();
    for (size_t i = 0; i < cases.size(); ++i) {
        EXPECT_TRUE(cases[i]->text().isEmpty());
        EXPECT_EQ(cases[i]->maxLength(), i % 5 == 4 ? 4 : 2);
        if (i + 1 < cases.size()) {
            EXPECT_EQ(Suivant_Tab(cases[i]), cases[i + 1]) << i;
        }
    }

    const std::array<const char *, 10> saisies{"0", "0", "3", "3", "2009", "0", "0", "4", "3", "2009"};
    for (size_t i = 0; i < saisies.size(); ++i)
        cases[i]->setText(QLatin1String(saisies[i]));
    const QString chemin = Chemin(QStringLiteral("fenetre.xlsx"));
    Repondre({chemin});
    premiere->Valex->click();
    EXPECT_EQ(Excel::Instance(), nullptr);
    EXPECT_EQ(SE::Periode(), (SE::Periode_Excel{0, 0, 3, 3, 9, 0, 0, 4, 3, 9}));
    EXPECT_EQ(xlsx::Derniere_Ligne(xlsx::Lire_Feuille(chemin)), 4);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // Next time: the period kept, hour 0 as an empty box.
    frmExcel &seconde = Excel::Show();
    const std::array<const char *, 10> affichees{"", "", "03", "03", "2009", "", "", "04", "03", "2009"};
    for (size_t i = 0; i < affichees.size(); ++i)
        EXPECT_EQ(seconde.Cases()[i]->text(), QLatin1String(affichees[i])) << i;
    seconde.Command1->click();
    EXPECT_EQ(Excel::Instance(), nullptr);
}

// LC_NUMERIC set to French, whose decimal point is a comma, for the life of the object, as Qt sets it at
// start for a French user: the machine's own locale where it has one, else one built from the system's
// locale sources into a folder of the test's.
class Locale_Francaise
{
public:
    Locale_Francaise() : m_avant(setlocale(LC_NUMERIC, nullptr))
    {
        for (const char *nom : {"fr_FR.UTF-8", "fr_FR.utf8", "fr_FR"}) {
            if (setlocale(LC_NUMERIC, nom)) {
                Verifier();
                return;
            }
        }
        QProcess localedef;
        localedef.setProcessChannelMode(QProcess::MergedChannels);
        localedef.start(QStringLiteral("localedef"), {QStringLiteral("-i"), QStringLiteral("fr_FR"),
                                                      QStringLiteral("-f"), QStringLiteral("UTF-8"),
                                                      m_dossier.filePath(QStringLiteral("fr_FR.UTF-8"))});
        localedef.waitForFinished(60000);
        if (!QFile::exists(m_dossier.filePath(QStringLiteral("fr_FR.UTF-8/LC_NUMERIC")))) {
            m_raison = "this machine has no French locale, and localedef could not build one (the package "
                       "locales holds its sources): " +
                       localedef.readAll().toStdString();
            return;
        }
        qputenv("LOCPATH", QFile::encodeName(m_dossier.path()));
        m_locpath = true;
        if (!setlocale(LC_NUMERIC, "fr_FR.UTF-8")) {
            m_raison = "the French locale built by localedef does not load";
            return;
        }
        Verifier();
    }
    ~Locale_Francaise()
    {
        setlocale(LC_NUMERIC, m_avant.c_str());
        if (m_locpath)
            qunsetenv("LOCPATH");
    }
    // Empty once the locale is in force.
    const std::string &Raison() const { return m_raison; }

private:
    void Verifier()
    {
        if (std::string(localeconv()->decimal_point) != ",")
            m_raison = "the French locale's decimal point is not a comma";
    }

    std::string m_avant;
    QTemporaryDir m_dossier;
    bool m_locpath = false;
    std::string m_raison;
};

TEST_F(ExcelExport, BoxesReadAPointAsTheDecimalPointUnderACommaLocale)
{
    Locale_Francaise francaise;
    if (!francaise.Raison().empty())
        GTEST_SKIP() << francaise.Raison();
    // The leading numeric part with "." as the point; a comma ends the number.
    EXPECT_EQ(SE::Valeur_Texte(QStringLiteral("1.5")), 1.5);
    EXPECT_EQ(SE::Valeur_Texte(QStringLiteral("-.25")), -0.25);
    EXPECT_EQ(SE::Valeur_Texte(QStringLiteral("1,5")), 1);
    // Typed into the boxes (two characters at most for the hour and minute), then rounded.
    const std::array<const char *, 10> saisies{".6", "1,", "3", "3", "2009", "0", "0", "4", "3", "2009"};
    frmExcel &f = Excel::Show();
    for (size_t i = 0; i < saisies.size(); ++i)
        f.Cases()[i]->setText(QLatin1String(saisies[i]));
    Repondre({std::nullopt});
    f.Valex->click();
    EXPECT_EQ(SE::Periode(), (SE::Periode_Excel{1, 1, 3, 3, 9, 0, 0, 4, 3, 9}));
}

TEST_F(ExcelExport, AnnulerAndRefusedBoxesStoreNothing)
{
    const auto garde = SE::Periode();
    frmExcel &f = Excel::Show();
    f.jd->setText(QStringLiteral("9"));
    f.Command1->click();
    EXPECT_EQ(SE::Periode(), garde);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    frmExcel &g = Excel::Show();
    g.ad->setText(QStringLiteral("9e99"));
    g.jd->setText(QStringLiteral("9"));
    g.Valex->click();
    EXPECT_EQ(SE::Periode(), garde);
    EXPECT_EQ(Excel::Instance(), &g); // still open for a correction
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, SE::Texte_Periode_Invalide);
    EXPECT_TRUE(demandes.empty());
    g.Command1->click();
}
