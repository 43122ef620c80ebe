// The drawing surface: user scale, pen and text position, the picture box's pixels, mouse and line
// controls, and the recorder, offscreen.
#include "platform/picture_box.h"
#include "platform/recording_surface.h"

#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

using platform::LineControl;
using platform::PictureBox;
using platform::RecordingSurface;

namespace {

// Pixels of `colour` inside `area` of an image.
int countColour(const QImage &image, const QRect &area, const QColor &colour)
{
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

// Smallest rectangle holding every pixel of `colour` (empty when there is none).
QRect boundsOf(const QImage &image, const QColor &colour)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// A box of 200 x 100 pixels (3000 x 1500 twips).
class PictureBoxTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        box = std::make_unique<PictureBox>();
        box->resize(200, 100);
    }
    void show()
    {
        box->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(box.get()));
    }
    QImage screen() { return box->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    std::unique_ptr<PictureBox> box;
};

} // namespace

TEST(DrawingSurfaceScale, DefaultTwipsScaleFollowsTheSizeUntilOnePropertyIsSet)
{
    PictureBox box;
    platform::PlaceTwips(&box, 60, 660, 15075, 8505);
    EXPECT_EQ(box.Width(), 15075);
    EXPECT_EQ(box.Height(), 8505);
    EXPECT_EQ(box.ScaleWidth(), 15075);
    EXPECT_EQ(box.ScaleHeight(), 8505);
    EXPECT_EQ(box.ToPixels(150, 300), QPointF(10, 20));

    box.setScaleLeft(9); // the other three keep the values they show
    box.resize(200, 100);
    EXPECT_EQ(box.ScaleLeft(), 9);
    EXPECT_EQ(box.ScaleTop(), 0);
    EXPECT_EQ(box.ScaleWidth(), 15075);
    EXPECT_EQ(box.ScaleHeight(), 8505);
    box.setScaleWidth(0); // refused
    EXPECT_EQ(box.ScaleWidth(), 15075);
}

TEST(DrawingSurfaceScale, UserScaleMapsOntoPixelsEitherWayUp)
{
    RecordingSurface pane(7515, 4035); // 501 x 269 pixels
    pane.setScaleLeft(9);
    pane.setScaleWidth(30);
    pane.setScaleTop(-129);
    pane.setScaleHeight(81);
    EXPECT_EQ(pane.ToPixels(39, -48), QPointF(501, 269));
    const QPointF p = pane.ToPixels(12, -60);
    EXPECT_NEAR(p.x(), 3 * 501 / 30.0, 1e-4);
    EXPECT_NEAR(p.y(), 69 * 269 / 81.0, 1e-4);
    EXPECT_NEAR(pane.ToUser(p).y(), -60, 1e-4);

    RecordingSurface upwards(3000, 1500); // 200 x 100 pixels, y growing upwards
    upwards.Scale(0, 100, 200, 0);
    EXPECT_EQ(upwards.ScaleHeight(), -100);
    EXPECT_EQ(upwards.ToPixels(50, 80), QPointF(50, 20));
    EXPECT_EQ(upwards.ToUser(QPointF(50, 20)), QPointF(50, 80));
}

TEST(DrawingSurfacePosition, LinePointClsAndPrintMoveTheTextPosition)
{
    RecordingSurface surface(3000, 1500);
    surface.Scale(0, 100, 200, 0);
    surface.Line(1, 2, 30, 40);
    EXPECT_EQ(QPointF(surface.CurrentX(), surface.CurrentY()), QPointF(30, 40));
    surface.PSet(7, 8);
    EXPECT_EQ(QPointF(surface.CurrentX(), surface.CurrentY()), QPointF(7, 8));

    // Print ends at the start of the next line, one text line lower: y decreases on this upward scale.
    surface.setScaleLeft(5);
    surface.setCurrentX(50);
    surface.setCurrentY(60);
    const float line = surface.TextHeight(QStringLiteral("Hrs"));
    EXPECT_LT(line, 0);
    surface.Print(QStringLiteral("Hrs"));
    EXPECT_EQ(surface.CurrentX(), 5);
    EXPECT_FLOAT_EQ(surface.CurrentY(), 60 + line);

    surface.Cls();
    EXPECT_EQ(QPointF(surface.CurrentX(), surface.CurrentY()), QPointF(0, 0));
    surface.setDrawWidth(0);
    EXPECT_EQ(surface.DrawWidth(), 1);
}

TEST_F(PictureBoxTest, LinesAndPointsLandOnTheirPixels)
{
    box->Scale(0, 100, 200, 0); // one unit a pixel, y upwards
    box->Line(10, 80, 50, 80, Qt::red);
    const QImage &image = box->image();
    EXPECT_EQ(countColour(image, QRect(10, 20, 41, 1), Qt::red), 41);
    EXPECT_EQ(countColour(image, image.rect(), Qt::red), 41);

    // A vertical line in the ForeColor, three pixels wide; round caps reach at most 1.5 pixels further.
    box->setForeColor(Qt::blue);
    box->setDrawWidth(3);
    box->Line(100, 90, 100, 60);
    const QRect ink = boundsOf(image, Qt::blue);
    EXPECT_EQ(ink.left(), 99);
    EXPECT_EQ(ink.right(), 101);
    EXPECT_EQ(countColour(image, QRect(99, 10, 3, 30), Qt::blue), 3 * 30);
    EXPECT_GE(ink.top(), 8);
    EXPECT_LE(ink.bottom(), 42);

    box->setDrawWidth(1);
    box->setForeColor(QColor(0, 146, 64));
    box->PSet(150.2f, 30.6f); // nearest pixel: (150, 69)
    EXPECT_EQ(boundsOf(image, QColor(0, 146, 64)), QRect(150, 69, 1, 1));
}

TEST_F(PictureBoxTest, ClsClearsToTheBackColour)
{
    box->setBackColor(QColor(197, 207, 237));
    box->Line(0, 0, 3000, 1500, Qt::red);
    ASSERT_GT(countColour(box->image(), box->image().rect(), Qt::red), 0);
    box->Cls();
    EXPECT_EQ(countColour(box->image(), box->image().rect(), QColor(197, 207, 237)), 200 * 100);
}

TEST_F(PictureBoxTest, DrawingPersistsAcrossRepaints)
{
    show();
    box->Scale(0, 0, 200, 100);
    box->Line(20, 30, 120, 30, Qt::red);
    EXPECT_EQ(countColour(screen(), QRect(20, 30, 101, 1), Qt::red), 101);
    box->repaint();
    box->hide();
    show();
    QCoreApplication::processEvents();
    EXPECT_EQ(countColour(screen(), QRect(20, 30, 101, 1), Qt::red), 101);
}

TEST_F(PictureBoxTest, TextStandsBelowAndRightOfTheCurrentPosition)
{
    box->Scale(0, 0, 200, 100);
    box->setFontSize(10);
    box->setForeColor(Qt::blue);
    box->setCurrentX(40);
    box->setCurrentY(30);
    const QString text = QStringLiteral("00 / 01 / 2010");
    const float width = box->TextWidth(text), height = box->TextHeight(text);
    box->Print(text);
    const QRect ink = boundsOf(box->image(), Qt::blue);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 40);
    EXPECT_LE(ink.left(), 42);
    EXPECT_GE(ink.top(), 30);
    EXPECT_LE(ink.right(), 40 + width);
    EXPECT_LE(ink.bottom(), 30 + height);
    EXPECT_GT(ink.width(), width / 2);
}

TEST_F(PictureBoxTest, EnlargingKeepsTheDrawing)
{
    box->Line(150, 300, 600, 300, Qt::red); // twips: row 20, columns 10 to 40
    platform::PlaceTwips(box.get(), 60, 660, 15075, 8505);
    show();
    EXPECT_EQ(box->image().size(), QSize(1005, 567));
    EXPECT_EQ(countColour(box->image(), QRect(10, 20, 31, 1), Qt::red), 31);
    EXPECT_EQ(countColour(box->image(), QRect(200, 0, 805, 567), Qt::white), 805 * 567);
}

TEST_F(PictureBoxTest, MouseEventsComeInUserCoordinates)
{
    show();
    box->Scale(0, 100, 400, 0); // two units a pixel across, y upwards
    std::vector<QString> events;
    auto record = [&](char kind) {
        return [&events, kind](int b, int s, float x, float y) {
            events.push_back(QStringLiteral("%1 %2 %3 %4 %5").arg(kind).arg(b).arg(s).arg(x).arg(y));
        };
    };
    QObject::connect(box.get(), &PictureBox::MouseDown, record('D'));
    QObject::connect(box.get(), &PictureBox::MouseMove, record('M'));
    QObject::connect(box.get(), &PictureBox::MouseUp, record('U'));

    QTest::mousePress(box.get(), Qt::LeftButton, Qt::ShiftModifier, QPoint(50, 20));
    QTest::mouseMove(box.get(), QPoint(60, 30));
    QTest::mouseRelease(box.get(), Qt::LeftButton, {}, QPoint(70, 40));
    QTest::mousePress(box.get(), Qt::RightButton, Qt::ControlModifier, QPoint(10, 90));
    QTest::mouseRelease(box.get(), Qt::RightButton, {}, QPoint(10, 90));
    QTest::mouseMove(box.get(), QPoint(100, 50));

    // Button: the one pressed or released, or for a move the ones held (none is reported too).
    auto has = [&](const char *e) { return std::find(events.begin(), events.end(), e) != events.end(); };
    EXPECT_TRUE(has("D 1 1 100 80"));
    EXPECT_TRUE(has("M 1 0 120 70"));
    EXPECT_TRUE(has("U 1 0 140 60"));
    EXPECT_TRUE(has("D 2 2 20 10"));
    EXPECT_TRUE(has("U 2 0 20 10"));
    EXPECT_TRUE(has("M 0 0 200 50"));
}

TEST_F(PictureBoxTest, LineControlsLieAboveThePictureInItsScale)
{
    show();
    box->Scale(0, 100, 200, 0);
    LineControl line(box.get());
    EXPECT_TRUE(line.Visible());
    EXPECT_EQ(line.BorderColor(), box->palette().color(QPalette::WindowText));
    line.setBorderColor(Qt::green);
    line.setX1(100);
    line.setX2(100);
    line.setY1(0);
    line.setY2(100);
    QCoreApplication::processEvents();
    EXPECT_GE(countColour(screen(), QRect(100, 0, 1, 100), Qt::green), 99);
    EXPECT_EQ(countColour(box->image(), box->image().rect(), Qt::green), 0); // never in the picture

    // A new scale moves the line; the drawing under it stays.
    box->Line(0, 50, 200, 50, Qt::red);
    box->setScaleLeft(50);
    QCoreApplication::processEvents();
    const QImage shown = screen();
    EXPECT_GE(countColour(shown, QRect(50, 0, 1, 100), Qt::green), 99);
    EXPECT_EQ(countColour(shown, QRect(100, 0, 1, 100), Qt::green), 0);
    EXPECT_GE(countColour(shown, QRect(0, 50, 200, 1), Qt::red), 198);

    line.setBorderStyle(Qt::DotLine);
    QCoreApplication::processEvents();
    const int dotted = countColour(screen(), QRect(50, 0, 1, 100), Qt::green);
    EXPECT_GT(dotted, 20);
    EXPECT_LT(dotted, 80);

    line.setVisible(false);
    QCoreApplication::processEvents();
    EXPECT_EQ(countColour(screen(), box->rect(), Qt::green), 0);
}

TEST(RecordingSurfaceTest, KeepsWhatWasDrawnInUserUnits)
{
    RecordingSurface surface(7515, 4035);
    surface.Scale(9, -129, 39, -48);
    surface.setForeColor(Qt::red);
    surface.setDrawWidth(2);
    surface.Line(11, -60, 37, -60, QColor(0, 146, 64));
    surface.Line(12, -70, 12.5f, -70);
    surface.setDrawWidth(1);
    surface.PSet(12.5f, -70);
    surface.setForeColor(Qt::black);
    surface.setFontName(QStringLiteral("Arial"));
    surface.setFontSize(10);
    surface.setFontBold(true);
    surface.setCurrentX(37);
    surface.setCurrentY(-57);
    surface.Print(QStringLiteral("Hrs"));

    ASSERT_EQ(surface.lines().size(), 2u);
    const auto &alarm = surface.lines()[0];
    EXPECT_EQ(QRectF(QPointF(alarm.x1, alarm.y1), QPointF(alarm.x2, alarm.y2)),
              QRectF(QPointF(11, -60), QPointF(37, -60)));
    EXPECT_EQ(alarm.colour, QColor(0, 146, 64));
    EXPECT_EQ(alarm.width, 2);
    EXPECT_EQ(surface.lines()[1].colour, QColor(Qt::red));
    ASSERT_EQ(surface.points().size(), 1u);
    EXPECT_EQ(surface.points()[0].x, 12.5f);
    EXPECT_EQ(surface.points()[0].colour, QColor(Qt::red));
    EXPECT_EQ(surface.points()[0].width, 1);
    ASSERT_EQ(surface.texts().size(), 1u);
    const auto &text = surface.texts()[0];
    EXPECT_EQ(text.text, QStringLiteral("Hrs"));
    EXPECT_EQ(QPointF(text.x, text.y), QPointF(37, -57));
    EXPECT_EQ(text.colour, QColor(Qt::black));
    EXPECT_EQ(text.fontName, QStringLiteral("Arial"));
    EXPECT_EQ(text.fontSize, 10);
    EXPECT_TRUE(text.fontBold);

    surface.Cls();
    EXPECT_EQ(surface.clearCount(), 1);
    EXPECT_TRUE(surface.lines().empty() && surface.points().empty() && surface.texts().empty());
}

TEST(RecordingSurfaceTest, MeasuresTextAsThePictureBoxDoes)
{
    RecordingSurface surface(7515, 4035);
    PictureBox box;
    platform::PlaceTwips(&box, 60, 660, 7515, 4035);
    const QString text = QStringLiteral("05 / 03 / 2009");
    for (platform::DrawingSurface *s :
         {static_cast<platform::DrawingSurface *>(&surface), static_cast<platform::DrawingSurface *>(&box)})
        s->Scale(9, -129, 39, -48);
    EXPECT_EQ(surface.TextWidth(text), box.TextWidth(text));
    EXPECT_EQ(surface.TextHeight(text), box.TextHeight(text));

    // The extent follows the font and the scale.
    const float width = surface.TextWidth(text), height = surface.TextHeight(text);
    EXPECT_GT(width, 0);
    surface.setFontBold(true);
    EXPECT_GT(surface.TextWidth(text), width);
    surface.setFontBold(false);
    surface.setFontSize(10);
    EXPECT_GT(surface.TextHeight(text), height);
    surface.setFontSize(8);
    surface.setScaleWidth(60); // twice as many units a pixel
    EXPECT_FLOAT_EQ(surface.TextWidth(text), 2 * width);
}
