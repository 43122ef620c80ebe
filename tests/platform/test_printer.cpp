// The printer and the printer choice, printing to PDF files read back with poppler's tools.
#include "lecture_pdf.h"
#include "platform/common_dialog.h"
#include "platform/printer.h"

#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using platform::PageOrientation;
using platform::Printer;

QString run(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(30000);
    return process.exitCode() == 0 ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}

// The page count that pdfinfo reports; -1 when the file is not a readable PDF.
int pageCount(const QString &pdf)
{
    static const QRegularExpression pages(QStringLiteral(R"re(^Pages:\s+(\d+)$)re"),
                                          QRegularExpression::MultilineOption);
    const QRegularExpressionMatch m = pages.match(run(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

class PrinterTest : public ::testing::Test
{
protected:
    void TearDown() override { platform::SetPrinterDialogAnswerer(nullptr); }

    QString path(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }

    // Points the printer at a PDF file through the printer dialog's seam.
    void choosePdf(const QString &file)
    {
        platform::SetPrinterDialogAnswerer([file] { return std::optional<QString>(file); });
        ASSERT_TRUE(platform::ShowPrinterDialog(printer));
    }

    void printAt(double x, double y, const QString &text)
    {
        printer.setCurrentX(x);
        printer.setCurrentY(y);
        ASSERT_TRUE(printer.Print(text));
    }

    QTemporaryDir m_dir;
    Printer printer;
};

TEST_F(PrinterTest, TextLandsAtItsTwipsPositionsOnPortraitAndLandscapePages)
{
    choosePdf(path("portrait.pdf"));
    printer.setOrientation(PageOrientation::Portrait);
    printAt(3000, 200, QStringLiteral("Heading"));
    printAt(2350, 13800, QStringLiteral("Lastline"));
    printAt(5000, 15800, QStringLiteral("Footer"));
    // Print leaves the position where it was.
    EXPECT_EQ(printer.CurrentX(), 5000);
    EXPECT_EQ(printer.CurrentY(), 15800);
    ASSERT_TRUE(printer.EndDoc());

    std::vector<lecture_pdf::Page> pages = lecture_pdf::Lire(path("portrait.pdf"));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_LT(pages[0].largeur, pages[0].hauteur);
    EXPECT_NEAR(pages[0].largeur, printer.Width() / 20, 0.5);
    EXPECT_NEAR(pages[0].hauteur, printer.Height() / 20, 0.5);
    for (const auto &[text, x, y] : {std::tuple(QStringLiteral("Heading"), 3000, 200),
                                     std::tuple(QStringLiteral("Lastline"), 2350, 13800),
                                     std::tuple(QStringLiteral("Footer"), 5000, 15800)}) {
        const lecture_pdf::Mot *w = pages[0].trouver(text);
        ASSERT_NE(w, nullptr) << text.toStdString();
        EXPECT_NEAR(w->xMin, x / 20.0, 1.0) << text.toStdString();
        EXPECT_NEAR(w->yMin, y / 20.0, 1.0) << text.toStdString();
    }

    const double portraitWidth = printer.Width();
    choosePdf(path("landscape.pdf"));
    printer.setOrientation(PageOrientation::Landscape);
    EXPECT_EQ(printer.Height(), portraitWidth);
    printAt(3000, 200, QStringLiteral("Wide"));
    ASSERT_TRUE(printer.EndDoc());
    pages = lecture_pdf::Lire(path("landscape.pdf"));
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_NEAR(pages[0].largeur, printer.Width() / 20, 0.5);
    EXPECT_GT(pages[0].largeur, pages[0].hauteur);
    const lecture_pdf::Mot *w = pages[0].trouver(QStringLiteral("Wide"));
    ASSERT_NE(w, nullptr);
    EXPECT_NEAR(w->xMin, 150, 1.0);
    EXPECT_NEAR(w->yMin, 10, 1.0);
}

TEST_F(PrinterTest, FontNameSizeAndBoldReachThePageAndTheMeasures)
{
    choosePdf(path("fonts.pdf"));
    const QString text = QStringLiteral("Mesure");
    printer.setFontName(QStringLiteral("DejaVu Sans Mono"));
    printer.setFontSize(10);
    const double width10 = printer.TextWidth(text);
    const double height10 = printer.TextHeight();
    printAt(1000, 1000, text);
    printer.setFontSize(20);
    printer.setFontBold(true);
    const double width20 = printer.TextWidth(text);
    EXPECT_NEAR(width20 / width10, 2.0, 0.1);
    EXPECT_NEAR(printer.TextHeight() / height10, 2.0, 0.15);
    printAt(1000, 3000, text);
    ASSERT_TRUE(printer.EndDoc());

    const std::vector<lecture_pdf::Page> pages = lecture_pdf::Lire(path("fonts.pdf"));
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_EQ(pages[0].mots.size(), 2u);
    // What the printer measures is what the page shows, so a caller can check that a line fits.
    EXPECT_NEAR(pages[0].mots[0].xMax - pages[0].mots[0].xMin, width10 / 20, width10 / 20 * 0.03);
    EXPECT_NEAR(pages[0].mots[1].xMax - pages[0].mots[1].xMin, width20 / 20, width20 / 20 * 0.03);
    const QString fonts = run(QStringLiteral("pdffonts"), {path("fonts.pdf")});
    EXPECT_TRUE(fonts.contains(QStringLiteral("DejaVuSansMono-Bold"))) << fonts.toStdString();
    EXPECT_TRUE(fonts.contains(QRegularExpression(QStringLiteral("DejaVuSansMono\\s"))))
        << fonts.toStdString();
}

TEST_F(PrinterTest, NewPageAndEndDocGiveEveryPageAndNoTrailingBlank)
{
    choosePdf(path("pages.pdf"));
    printAt(200, 1200, QStringLiteral("First"));
    ASSERT_TRUE(printer.NewPage());
    printAt(200, 1200, QStringLiteral("Second"));
    // Two page ends in a row leave a blank page between.
    ASSERT_TRUE(printer.NewPage());
    ASSERT_TRUE(printer.NewPage());
    printAt(200, 1200, QStringLiteral("Fourth"));
    // The last page ended before the document, as the table printouts do.
    ASSERT_TRUE(printer.NewPage());
    ASSERT_TRUE(printer.EndDoc());

    EXPECT_EQ(pageCount(path("pages.pdf")), 4);
    const std::vector<lecture_pdf::Page> pages = lecture_pdf::Lire(path("pages.pdf"));
    ASSERT_EQ(pages.size(), 4u);
    EXPECT_NE(pages[0].trouver(QStringLiteral("First")), nullptr);
    EXPECT_NE(pages[1].trouver(QStringLiteral("Second")), nullptr);
    EXPECT_TRUE(pages[2].mots.empty());
    EXPECT_NE(pages[3].trouver(QStringLiteral("Fourth")), nullptr);
}

TEST_F(PrinterTest, EachDocumentGoesWholeToTheFileChosenForIt)
{
    choosePdf(path("first.pdf"));
    printAt(200, 1200, QStringLiteral("Premier"));
    ASSERT_TRUE(printer.NewPage());
    printAt(200, 1200, QStringLiteral("Suite")); // a last page that no NewPage ends
    ASSERT_TRUE(printer.EndDoc());
    choosePdf(path("second.pdf"));
    printAt(200, 1200, QStringLiteral("Second"));
    ASSERT_TRUE(printer.EndDoc());

    const std::vector<lecture_pdf::Page> first = lecture_pdf::Lire(path("first.pdf"));
    ASSERT_EQ(pageCount(path("first.pdf")), 2);
    ASSERT_EQ(first.size(), 2u);
    EXPECT_NE(first[1].trouver(QStringLiteral("Suite")), nullptr);
    const std::vector<lecture_pdf::Page> second = lecture_pdf::Lire(path("second.pdf"));
    ASSERT_EQ(second.size(), 1u);
    EXPECT_NE(second[0].trouver(QStringLiteral("Second")), nullptr);
}

TEST_F(PrinterTest, FailureIsReportedAndAnEmptyDocumentSendsNothing)
{
    choosePdf(path("missing-folder/out.pdf"));
    EXPECT_FALSE(printer.Print(QStringLiteral("Lost")));
    EXPECT_FALSE(printer.EndDoc());

    choosePdf(path("nothing.pdf"));
    EXPECT_TRUE(printer.EndDoc());
    EXPECT_FALSE(QFile::exists(path("nothing.pdf")));
    printAt(200, 1200, QStringLiteral("Recovered"));
    EXPECT_TRUE(printer.EndDoc());
    EXPECT_EQ(pageCount(path("nothing.pdf")), 1);
}

// A window as the programs print them: labels on a coloured background.
class SheetWindow : public QWidget
{
public:
    explicit SheetWindow(QSize size)
    {
        resize(size);
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, QColor(197, 207, 237));
        setPalette(p);
        heading->setGeometry(100, 40, 200, 20);
        value->setGeometry(240, 300, 200, 20);
    }
    QLabel *heading = new QLabel(QStringLiteral("Paramètres"), this);
    QLabel *value = new QLabel(QStringLiteral("Capteur"), this);
};

TEST_F(PrinterTest, WindowImageKeepsItsLabelsAsTextAtTheirPlaceAndSize)
{
    SheetWindow window(QSize(470, 400));
    choosePdf(path("window.pdf"));
    ASSERT_TRUE(printer.PrintForm(window));

    // PrintForm sends the document itself.
    ASSERT_EQ(pageCount(path("window.pdf")), 1);
    const std::vector<lecture_pdf::Page> pages = lecture_pdf::Lire(path("window.pdf"));
    const lecture_pdf::Mot *heading = pages[0].trouver(QStringLiteral("Paramètres"));
    const lecture_pdf::Mot *value = pages[0].trouver(QStringLiteral("Capteur"));
    ASSERT_NE(heading, nullptr);
    ASSERT_NE(value, nullptr);
    // 15 twips (0.75 point) a window pixel, from a half-inch margin.
    EXPECT_NEAR(heading->xMin, 36 + 100 * 0.75, 3);
    EXPECT_NEAR(value->xMin, 36 + 240 * 0.75, 3);
    EXPECT_NEAR(value->yMin - heading->yMin, 260 * 0.75, 3);
    const double screenWidth = window.value->fontMetrics().horizontalAdvance(window.value->text()) * 0.75;
    EXPECT_NEAR(value->xMax - value->xMin, screenWidth, screenWidth * 0.15);
}

TEST_F(PrinterTest, WindowImageTakesAPageOfItsOwnAndShrinksToFit)
{
    SheetWindow window(QSize(1200, 400)); // 18000 twips: wider than a portrait page
    window.value->move(1100, 300);
    choosePdf(path("wide.pdf"));
    printAt(200, 1200, QStringLiteral("Before"));
    ASSERT_TRUE(printer.PrintForm(window));

    const std::vector<lecture_pdf::Page> pages = lecture_pdf::Lire(path("wide.pdf"));
    ASSERT_EQ(pageCount(path("wide.pdf")), 2);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_NE(pages[0].trouver(QStringLiteral("Before")), nullptr);
    const lecture_pdf::Mot *value = pages[1].trouver(QStringLiteral("Capteur"));
    ASSERT_NE(value, nullptr);
    EXPECT_LT(value->xMax, pages[1].largeur - 35);
}

TEST_F(PrinterTest, CancelInTheDialogLeavesThePrinterAsItWas)
{
    choosePdf(path("chosen.pdf"));
    EXPECT_EQ(printer.Device().outputFormat(), QPrinter::PdfFormat);
    int asked = 0;
    platform::SetPrinterDialogAnswerer([&asked] {
        ++asked;
        return std::optional<QString>();
    });
    EXPECT_FALSE(platform::ShowPrinterDialog(printer));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(printer.Device().outputFileName(), path("chosen.pdf"));
}

} // namespace
