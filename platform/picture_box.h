// The picture box of the windows: a drawing surface whose drawing is kept in an image until it is cleared,
// with line controls lying on it and mouse events given in its user scale.
#pragma once

#include "drawing_surface.h"
#include "twips.h"

#include <QImage>
#include <QObject>
#include <QWidget>

namespace platform {

class PictureBox : public QWidget, public DrawingSurface
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);

    int Width() const override { return Twips(width()); }
    int Height() const override { return Twips(height()); }

    // Colour the picture is cleared to.
    QColor BackColor() const { return m_backColor; }
    void setBackColor(const QColor &colour);

    // The drawing as kept, without the line controls.
    const QImage &image() const { return m_image; }

signals:
    // Button: the button pressed or released (1 left, 2 right, 4 middle), or for a move the buttons held;
    // Shift: 1 Shift, 2 Ctrl, 4 Alt; X, Y: the pointer in the user scale.
    void MouseDown(int button, int shift, float x, float y);
    void MouseMove(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

    void clearSurface() override;
    void drawLine(float x1, float y1, float x2, float y2, const QColor &colour) override;
    void drawPoint(float x, float y) override;
    void drawText(float x, float y, const QString &text) override;
    void scaleChanged() override { update(); }

private:
    void ensureImage();
    QPen pen(const QColor &colour) const;

    QImage m_image;
    QColor m_backColor = Qt::white;
};

// A line lying on a picture box, drawn above its picture: its end points are in the box's user scale, so
// it moves when the scale changes. It never touches the picture itself.
class LineControl : public QObject
{
    Q_OBJECT
public:
    explicit LineControl(PictureBox *box);

    float X1() const { return m_x1; }
    float Y1() const { return m_y1; }
    float X2() const { return m_x2; }
    float Y2() const { return m_y2; }
    void setX1(float x);
    void setY1(float y);
    void setX2(float x);
    void setY2(float y);

    bool Visible() const { return m_visible; }
    void setVisible(bool visible);

    QColor BorderColor() const { return m_colour; }
    void setBorderColor(const QColor &colour);
    Qt::PenStyle BorderStyle() const { return m_style; }
    void setBorderStyle(Qt::PenStyle style);

private:
    void changed();

    PictureBox *m_box;
    float m_x1 = 0, m_y1 = 0, m_x2 = 0, m_y2 = 0;
    bool m_visible = true;
    QColor m_colour;
    Qt::PenStyle m_style = Qt::SolidLine;
};

} // namespace platform
