// A drawing surface that keeps what is drawn on it, in user units, so that a drawing can be read back
// and checked without a window.
#pragma once

#include "drawing_surface.h"

#include <vector>

namespace platform {

struct RecordedLine
{
    float x1, y1, x2, y2;
    QColor colour;
    int width; // DrawWidth when drawn
};

struct RecordedPoint
{
    float x, y;
    QColor colour;
    int width;
};

struct RecordedText
{
    float x, y; // top-left corner
    QString text;
    QColor colour;
    QString fontName;
    float fontSize;
    bool fontBold;
};

class RecordingSurface : public DrawingSurface
{
public:
    // A surface of the given size in twips, as a picture box of that size.
    RecordingSurface(int widthTwips, int heightTwips);

    int Width() const override { return m_width; }
    int Height() const override { return m_height; }

    // What was drawn since the last Cls, in drawing order within each kind.
    const std::vector<RecordedLine> &lines() const { return m_lines; }
    const std::vector<RecordedPoint> &points() const { return m_points; }
    const std::vector<RecordedText> &texts() const { return m_texts; }
    int clearCount() const { return m_clears; }

protected:
    void clearSurface() override;
    void drawLine(float x1, float y1, float x2, float y2, const QColor &colour) override;
    void drawPoint(float x, float y) override;
    void drawText(float x, float y, const QString &text) override;

private:
    int m_width;
    int m_height;
    std::vector<RecordedLine> m_lines;
    std::vector<RecordedPoint> m_points;
    std::vector<RecordedText> m_texts;
    int m_clears = 0;
};

} // namespace platform
