// The state every drawing surface shares: user scale, text position, pen and font.
#include "drawing_surface.h"

#include "twips.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// Pixels of a size in twips; never 0, so that the scale always maps onto something.
double pixels(int twips)
{
    return std::max(1.0, static_cast<double>(twips) / kTwipsPerPixel);
}

} // namespace

DrawingSurface::DrawingSurface() : m_fontName(QFont().family()) {}

float DrawingSurface::ScaleLeft() const
{
    return m_userScale ? m_scaleLeft : 0.0f;
}

float DrawingSurface::ScaleTop() const
{
    return m_userScale ? m_scaleTop : 0.0f;
}

float DrawingSurface::ScaleWidth() const
{
    return m_userScale ? m_scaleWidth : static_cast<float>(std::max(Width(), 1));
}

float DrawingSurface::ScaleHeight() const
{
    return m_userScale ? m_scaleHeight : static_cast<float>(std::max(Height(), 1));
}

// Setting one property of the scale keeps the other three at the values they show now.
void DrawingSurface::freezeScale()
{
    if (m_userScale)
        return;
    m_scaleLeft = ScaleLeft();
    m_scaleTop = ScaleTop();
    m_scaleWidth = ScaleWidth();
    m_scaleHeight = ScaleHeight();
    m_userScale = true;
}

void DrawingSurface::setScaleLeft(float left)
{
    freezeScale();
    m_scaleLeft = left;
    scaleChanged();
}

void DrawingSurface::setScaleTop(float top)
{
    freezeScale();
    m_scaleTop = top;
    scaleChanged();
}

void DrawingSurface::setScaleWidth(float width)
{
    if (width == 0)
        return;
    freezeScale();
    m_scaleWidth = width;
    scaleChanged();
}

void DrawingSurface::setScaleHeight(float height)
{
    if (height == 0)
        return;
    freezeScale();
    m_scaleHeight = height;
    scaleChanged();
}

void DrawingSurface::Scale(float x1, float y1, float x2, float y2)
{
    if (x1 == x2 || y1 == y2)
        return;
    m_userScale = true;
    m_scaleLeft = x1;
    m_scaleTop = y1;
    m_scaleWidth = x2 - x1;
    m_scaleHeight = y2 - y1;
    scaleChanged();
}

QPointF DrawingSurface::ToPixels(float x, float y) const
{
    return QPointF((double(x) - ScaleLeft()) * pixels(Width()) / ScaleWidth(),
                   (double(y) - ScaleTop()) * pixels(Height()) / ScaleHeight());
}

QPointF DrawingSurface::ToUser(const QPointF &pixel) const
{
    return QPointF(ScaleLeft() + pixel.x() * ScaleWidth() / pixels(Width()),
                   ScaleTop() + pixel.y() * ScaleHeight() / pixels(Height()));
}

void DrawingSurface::setDrawWidth(int width)
{
    m_drawWidth = std::max(width, 1);
}

QFont DrawingSurface::textFont() const
{
    QFont font(m_fontName);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(m_fontSize * 96.0 / 72.0))));
    font.setBold(m_fontBold);
    return font;
}

float DrawingSurface::TextWidth(const QString &text) const
{
    return static_cast<float>(QFontMetricsF(textFont()).horizontalAdvance(text) * ScaleWidth() /
                              pixels(Width()));
}

float DrawingSurface::TextHeight(const QString &) const
{
    return static_cast<float>(QFontMetricsF(textFont()).height() * ScaleHeight() / pixels(Height()));
}

void DrawingSurface::Cls()
{
    clearSurface();
    m_currentX = 0;
    m_currentY = 0;
}

void DrawingSurface::Line(float x1, float y1, float x2, float y2)
{
    Line(x1, y1, x2, y2, m_foreColor);
}

void DrawingSurface::Line(float x1, float y1, float x2, float y2, const QColor &colour)
{
    drawLine(x1, y1, x2, y2, colour);
    m_currentX = x2;
    m_currentY = y2;
}

void DrawingSurface::PSet(float x, float y)
{
    drawPoint(x, y);
    m_currentX = x;
    m_currentY = y;
}

void DrawingSurface::Print(const QString &text)
{
    drawText(m_currentX, m_currentY, text);
    m_currentX = ScaleLeft();
    m_currentY += TextHeight(text);
}

} // namespace platform
