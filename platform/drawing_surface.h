// What the graphs draw on: a user coordinate scale over a surface sized in twips, with a pen, a font and
// a text position. The picture box and the test recorder are devices behind this one interface.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>

namespace platform {

class DrawingSurface
{
public:
    DrawingSurface();
    virtual ~DrawingSurface() = default;
    DrawingSurface(const DrawingSurface &) = delete;
    DrawingSurface &operator=(const DrawingSurface &) = delete;

    // Size of the surface in twips.
    virtual int Width() const = 0;
    virtual int Height() const = 0;

    // The user scale: coordinates of the top-left corner and extent of the surface. Until one of them is
    // set, the scale counts twips from the top-left corner and follows the size; once one is set, the four
    // stay as they are when the size changes. A negative extent makes its axis run backwards (y upwards).
    // An extent of 0 is refused.
    float ScaleLeft() const;
    float ScaleTop() const;
    float ScaleWidth() const;
    float ScaleHeight() const;
    void setScaleLeft(float left);
    void setScaleTop(float top);
    void setScaleWidth(float width);
    void setScaleHeight(float height);
    // (x1, y1) becomes the top-left corner and (x2, y2) the bottom-right one.
    void Scale(float x1, float y1, float x2, float y2);

    // Conversions between user units and pixels of the surface (15 twips a pixel).
    QPointF ToPixels(float x, float y) const;
    QPointF ToUser(const QPointF &pixel) const;

    float CurrentX() const { return m_currentX; }
    float CurrentY() const { return m_currentY; }
    void setCurrentX(float x) { m_currentX = x; }
    void setCurrentY(float y) { m_currentY = y; }

    QColor ForeColor() const { return m_foreColor; }
    void setForeColor(const QColor &colour) { m_foreColor = colour; }
    // Pen width in pixels for lines and points; at least 1.
    int DrawWidth() const { return m_drawWidth; }
    void setDrawWidth(int width);

    QString FontName() const { return m_fontName; }
    float FontSize() const { return m_fontSize; } // points
    bool FontBold() const { return m_fontBold; }
    void setFontName(const QString &name) { m_fontName = name; }
    void setFontSize(float points) { m_fontSize = points; }
    void setFontBold(bool bold) { m_fontBold = bold; }

    // Extent of a line of text in the current font, in user units along each axis (so negative where the
    // axis runs backwards).
    float TextWidth(const QString &text) const;
    float TextHeight(const QString &text) const;

    // Clears the surface; the text position goes back to (0, 0).
    void Cls();
    // A line in the ForeColor, or in the colour given; the text position moves to its end.
    void Line(float x1, float y1, float x2, float y2);
    void Line(float x1, float y1, float x2, float y2, const QColor &colour);
    // One point in the ForeColor, DrawWidth pixels wide; the text position moves onto it.
    void PSet(float x, float y);
    // Text with its top-left corner at (CurrentX, CurrentY), in the font and ForeColor. The position then
    // goes to the start of the next line: CurrentX to ScaleLeft, CurrentY one text line further down.
    void Print(const QString &text);

protected:
    // The font as drawn: the point size turned into whole pixels at 96 dots an inch, 15 twips a pixel.
    QFont textFont() const;

    virtual void clearSurface() = 0;
    virtual void drawLine(float x1, float y1, float x2, float y2, const QColor &colour) = 0;
    virtual void drawPoint(float x, float y) = 0;
    virtual void drawText(float x, float y, const QString &text) = 0;
    // The user scale or the size changed (what lies on the surface in user units moves).
    virtual void scaleChanged() {}

private:
    void freezeScale();

    bool m_userScale = false;
    float m_scaleLeft = 0;
    float m_scaleTop = 0;
    float m_scaleWidth = 1;
    float m_scaleHeight = 1;
    float m_currentX = 0;
    float m_currentY = 0;
    QColor m_foreColor = Qt::black;
    int m_drawWidth = 1;
    QString m_fontName;
    float m_fontSize = 8;
    bool m_fontBold = false;
};

} // namespace platform
