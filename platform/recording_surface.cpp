// The recorder keeps primitives as given; measuring text goes through the shared font, so that its
// TextWidth and TextHeight agree with a picture box of the same size.
#include "recording_surface.h"

namespace platform {

RecordingSurface::RecordingSurface(int widthTwips, int heightTwips)
    : m_width(widthTwips), m_height(heightTwips)
{
}

void RecordingSurface::clearSurface()
{
    m_lines.clear();
    m_points.clear();
    m_texts.clear();
    ++m_clears;
}

void RecordingSurface::drawLine(float x1, float y1, float x2, float y2, const QColor &colour)
{
    m_lines.push_back({x1, y1, x2, y2, colour, DrawWidth()});
}

void RecordingSurface::drawPoint(float x, float y)
{
    m_points.push_back({x, y, ForeColor(), DrawWidth()});
}

void RecordingSurface::drawText(float x, float y, const QString &text)
{
    m_texts.push_back({x, y, text, ForeColor(), FontName(), FontSize(), FontBold()});
}

} // namespace platform
