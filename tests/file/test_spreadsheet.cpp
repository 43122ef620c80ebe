// The platform spreadsheet: what it writes reads back, rows out of order and failed saves say why and
// leave no file, and no temporary file outlives the workbook.
#include "xlsx_lecture.h"

#include "platform/spreadsheet.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// Points the temp folder (TMPDIR) somewhere else for one test.
class TempFolder
{
public:
    explicit TempFolder(const QString &path)
        : m_old(qgetenv("TMPDIR")), m_had(qEnvironmentVariableIsSet("TMPDIR"))
    {
        qputenv("TMPDIR", QFile::encodeName(path));
    }
    ~TempFolder()
    {
        if (m_had)
            qputenv("TMPDIR", m_old);
        else
            qunsetenv("TMPDIR");
    }

private:
    QByteArray m_old;
    bool m_had;
};

QStringList Entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray ReadFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

TEST(PlatformSpreadsheet, CellsReadBackAsUtf8TextAndNumbers)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("classeur.xlsx"));
    platform::Spreadsheet s;
    s.AddWorkbook();
    ASSERT_TRUE(s.HasWorkbook());
    s.SetCellText(1, 1, QStringLiteral("Décembre – ²"));
    // The columns of one row may come in any order; rows may be skipped.
    s.SetCellNumber(3, 4, -2.5);
    s.SetCellNumber(3, 2, 70);
    s.SetCellText(1000, 1, QStringLiteral("fin"));
    ASSERT_TRUE(s.SaveAs(chemin)) << s.ErrorString().toStdString();
    EXPECT_TRUE(s.ErrorString().isEmpty());
    EXPECT_FALSE(s.HasWorkbook());

    const auto feuille = xlsx::Lire_Feuille(chemin);
    ASSERT_EQ(feuille.size(), 4u);
    EXPECT_EQ(feuille.at(QStringLiteral("A1")).valeur, QStringLiteral("Décembre – ²"));
    EXPECT_TRUE(feuille.at(QStringLiteral("A1")).texte);
    EXPECT_EQ(feuille.at(QStringLiteral("D3")).valeur, QStringLiteral("-2.5"));
    EXPECT_FALSE(feuille.at(QStringLiteral("D3")).texte);
    EXPECT_EQ(feuille.at(QStringLiteral("B3")).valeur, QStringLiteral("70"));
    EXPECT_EQ(feuille.at(QStringLiteral("A1000")).valeur, QStringLiteral("fin"));
}

TEST(PlatformSpreadsheet, ARowOutOfOrderFailsTheSave)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("desordre.xlsx"));
    platform::Spreadsheet s;
    s.AddWorkbook();
    s.SetCellNumber(1, 1, 1);
    s.SetCellNumber(3, 1, 3);
    s.SetCellNumber(2, 1, 2);
    s.SetCellNumber(4, 1, 4);
    EXPECT_FALSE(s.SaveAs(chemin));
    EXPECT_TRUE(s.ErrorString().contains(QStringLiteral("(2, 1)"))) << s.ErrorString().toStdString();
    EXPECT_TRUE(s.ErrorString().contains(QStringLiteral("increasing order")));
    EXPECT_FALSE(QFile::exists(chemin));
}

TEST(PlatformSpreadsheet, FailedSavesAreReportedAndLeaveNoFile)
{
    QTemporaryDir dossier;
    platform::Spreadsheet s;
    EXPECT_FALSE(s.SaveAs(dossier.filePath(QStringLiteral("sans-classeur.xlsx"))));
    EXPECT_FALSE(s.ErrorString().isEmpty());

    s.AddWorkbook();
    s.SetCellNumber(1, 1, 1);
    const QString absent = dossier.filePath(QStringLiteral("absent/a.xlsx"));
    EXPECT_FALSE(s.SaveAs(absent));
    EXPECT_FALSE(s.ErrorString().isEmpty());
    EXPECT_FALSE(QFile::exists(absent));
    EXPECT_FALSE(s.HasWorkbook());

    // A cell beyond the sheet fails the save; an existing file stays as it was.
    const QString ancien = dossier.filePath(QStringLiteral("ancien.xlsx"));
    WriteFile(ancien, "ancien");
    s.AddWorkbook();
    s.SetCellNumber(1, 1, 1);
    s.SetCellNumber(platform::Spreadsheet::kMaxRows + 1, 1, 1);
    EXPECT_FALSE(s.SaveAs(ancien));
    EXPECT_TRUE(s.ErrorString().contains(QStringLiteral("outside the sheet")));
    EXPECT_EQ(ReadFile(ancien), QByteArray("ancien"));

    s.AddWorkbook();
    s.SetCellNumber(1, 0, 1);
    EXPECT_FALSE(s.SaveAs(ancien));
    EXPECT_EQ(ReadFile(ancien), QByteArray("ancien"));
    EXPECT_EQ(Entries(dossier.path()), QStringList{QStringLiteral("ancien.xlsx")});
}

TEST(PlatformSpreadsheet, ASavedWorkbookReplacesAFileKeepingItsMode)
{
    QTemporaryDir dossier;
    const QString ancien = dossier.filePath(QStringLiteral("ancien.xlsx"));
    WriteFile(ancien, "ancien");
    ASSERT_TRUE(QFile::setPermissions(ancien, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ReadGroup));
    platform::Spreadsheet s;
    s.AddWorkbook();
    s.SetCellText(1, 1, QStringLiteral("nouveau"));
    ASSERT_TRUE(s.SaveAs(ancien)) << s.ErrorString().toStdString();
    EXPECT_EQ(xlsx::Lire_Feuille(ancien).at(QStringLiteral("A1")).valeur, QStringLiteral("nouveau"));
    const QFileDevice::Permissions mode = QFile::permissions(ancien);
    EXPECT_TRUE(mode & QFileDevice::ReadGroup);
    EXPECT_FALSE(mode & QFileDevice::ReadOther);

    // A new file is readable by others, as saved files are, not private like a temporary one.
    const QString neuf = dossier.filePath(QStringLiteral("neuf.xlsx"));
    s.AddWorkbook();
    s.SetCellNumber(1, 1, 1);
    ASSERT_TRUE(s.SaveAs(neuf)) << s.ErrorString().toStdString();
    EXPECT_TRUE(QFile::permissions(neuf) & QFileDevice::ReadOther);
}

TEST(PlatformSpreadsheet, NoTemporaryFileOutlivesTheWorkbook)
{
    QTemporaryDir temp;
    QTemporaryDir dossier;
    const TempFolder redirection(temp.path());
    {
        platform::Spreadsheet s;
        s.AddWorkbook();
        s.SetCellText(1, 1, QStringLiteral("abandonné"));
        s.SetCellNumber(2, 1, 2);
        EXPECT_EQ(Entries(temp.path()).size(), 1) << "the workbook is built in the temp folder";
        s.Quit();
        EXPECT_FALSE(s.HasWorkbook());
        EXPECT_TRUE(Entries(temp.path()).isEmpty());
        EXPECT_FALSE(s.SaveAs(dossier.filePath(QStringLiteral("apres-quit.xlsx"))));

        s.AddWorkbook();
        s.SetCellNumber(1, 1, 1);
        ASSERT_TRUE(s.SaveAs(dossier.filePath(QStringLiteral("a.xlsx")))) << s.ErrorString().toStdString();
        EXPECT_TRUE(Entries(temp.path()).isEmpty());

        s.AddWorkbook();
        s.SetCellNumber(1, 1, 1);
        EXPECT_FALSE(s.SaveAs(dossier.filePath(QStringLiteral("absent/b.xlsx"))));
        EXPECT_TRUE(Entries(temp.path()).isEmpty());

        // A second AddWorkbook drops the first; the destructor drops the last.
        s.AddWorkbook();
        s.AddWorkbook();
        s.SetCellNumber(1, 1, 1);
        EXPECT_EQ(Entries(temp.path()).size(), 1);
    }
    EXPECT_TRUE(Entries(temp.path()).isEmpty());
    EXPECT_EQ(Entries(dossier.path()), QStringList{QStringLiteral("a.xlsx")});
}

TEST(PlatformSpreadsheet, AWorkbookThatCannotBeMadeSaysWhyAtSave)
{
    QTemporaryDir dossier;
    // A file where the temp folder should be: nothing can be made in it, even by root.
    const QString fichier = dossier.filePath(QStringLiteral("fichier"));
    WriteFile(fichier, "x");
    const TempFolder redirection(fichier);
    platform::Spreadsheet s;
    s.AddWorkbook();
    EXPECT_FALSE(s.HasWorkbook());
    s.SetCellNumber(1, 1, 1);
    EXPECT_FALSE(s.SaveAs(dossier.filePath(QStringLiteral("c.xlsx"))));
    EXPECT_FALSE(s.ErrorString().isEmpty());
    EXPECT_NE(s.ErrorString(), QStringLiteral("no workbook to save"));
    EXPECT_EQ(Entries(dossier.path()), QStringList{QStringLiteral("fichier")});
}

TEST(PlatformSpreadsheet, AWorkbookBuiltOnAnotherDiskIsCopiedIntoPlace)
{
    QTemporaryDir dossier;
    QTemporaryDir temp(QStringLiteral("/dev/shm/workbook-test-XXXXXX"));
    struct stat a
    {
    }, b{};
    if (!temp.isValid() || stat(QFile::encodeName(temp.path()).constData(), &a) != 0 ||
        stat(QFile::encodeName(dossier.path()).constData(), &b) != 0 || a.st_dev == b.st_dev)
        GTEST_SKIP() << "no second file system to build the workbook on";

    const TempFolder redirection(temp.path());
    const QString chemin = dossier.filePath(QStringLiteral("copie.xlsx"));
    WriteFile(chemin, "ancien");
    platform::Spreadsheet s;
    s.AddWorkbook();
    s.SetCellNumber(1, 1, 42);
    ASSERT_TRUE(s.SaveAs(chemin)) << s.ErrorString().toStdString();
    EXPECT_EQ(xlsx::Lire_Feuille(chemin).at(QStringLiteral("A1")).valeur, QStringLiteral("42"));
    EXPECT_TRUE(Entries(temp.path()).isEmpty());
    EXPECT_EQ(Entries(dossier.path()), QStringList{QStringLiteral("copie.xlsx")});
}
