// The platform spreadsheet: what it writes reads back, and a failed save says why and leaves no file.
#include "xlsx_lecture.h"

#include "platform/spreadsheet.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(PlatformSpreadsheet, CellsReadBackAsUtf8TextAndNumbers)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("classeur.xlsx"));
    platform::Spreadsheet s;
    s.AddWorkbook();
    s.SetCellText(1, 1, QStringLiteral("Décembre – ²"));
    s.SetCellNumber(3, 4, -2.5);
    ASSERT_TRUE(s.SaveAs(chemin)) << s.ErrorString().toStdString();
    const auto feuille = xlsx::Lire_Feuille(chemin);
    ASSERT_EQ(feuille.size(), 2u);
    EXPECT_EQ(feuille.at(QStringLiteral("A1")).valeur, QStringLiteral("Décembre – ²"));
    EXPECT_EQ(feuille.at(QStringLiteral("D3")).valeur, QStringLiteral("-2.5"));
    EXPECT_FALSE(feuille.at(QStringLiteral("D3")).texte);
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

    // A cell beyond the sheet fails the save; an existing file stays as it was.
    s.SetCellNumber(platform::Spreadsheet::kMaxRows + 1, 1, 1);
    const QString ancien = dossier.filePath(QStringLiteral("ancien.xlsx"));
    QFile f(ancien);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("ancien");
    f.close();
    EXPECT_FALSE(s.SaveAs(ancien));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("ancien"));
}
