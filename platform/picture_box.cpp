// The picture box draws into its image at once and only shows that image when painted, so a drawing made
// once survives every repaint until Cls; its line controls are painted over the image each time.
#include "picture_box.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

namespace platform {

namespace {

int buttonCode(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true); // moves are reported with no button held too
    ensureImage();
}

void PictureBox::setBackColor(const QColor &colour)
{
    m_backColor = colour;
}

// The image always has the widget's size; a resize keeps the drawing at its top-left corner. A hidden
// widget may be resized without a resize event, hence the check before every use.
void PictureBox::ensureImage()
{
    const QSize size = this->size().expandedTo(QSize(1, 1));
    if (m_image.size() == size)
        return;
    QImage image(size, QImage::Format_RGB32);
    image.fill(m_backColor);
    if (!m_image.isNull()) {
        QPainter painter(&image);
        painter.drawImage(0, 0, m_image);
    }
    m_image = image;
}

QPen PictureBox::pen(const QColor &colour) const
{
    return QPen(colour, DrawWidth(), Qt::SolidLine, DrawWidth() > 1 ? Qt::RoundCap : Qt::SquareCap,
                Qt::RoundJoin);
}

void PictureBox::clearSurface()
{
    ensureImage();
    m_image.fill(m_backColor);
    update();
}

void PictureBox::drawLine(float x1, float y1, float x2, float y2, const QColor &colour)
{
    ensureImage();
    QPainter painter(&m_image);
    painter.setPen(pen(colour));
    painter.drawLine(ToPixels(x1, y1), ToPixels(x2, y2));
    update();
}

void PictureBox::drawPoint(float x, float y)
{
    ensureImage();
    QPainter painter(&m_image);
    painter.setPen(pen(ForeColor()));
    painter.drawPoint(ToPixels(x, y));
    update();
}

void PictureBox::drawText(float x, float y, const QString &text)
{
    ensureImage();
    const QFont font = textFont();
    QPainter painter(&m_image);
    painter.setFont(font);
    painter.setPen(ForeColor());
    painter.drawText(ToPixels(x, y) + QPointF(0, QFontMetricsF(font).ascent()), text);
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    ensureImage();
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
    for (const LineControl *line : findChildren<LineControl *>(Qt::FindDirectChildrenOnly)) {
        if (!line->Visible())
            continue;
        painter.setPen(QPen(line->BorderColor(), 1, line->BorderStyle()));
        painter.drawLine(ToPixels(line->X1(), line->Y1()), ToPixels(line->X2(), line->Y2()));
    }
}

void PictureBox::resizeEvent(QResizeEvent *)
{
    ensureImage();
    scaleChanged();
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    const QPointF at = ToUser(event->position());
    emit MouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), at.x(), at.y());
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = ToUser(event->position());
    emit MouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()), at.x(), at.y());
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const QPointF at = ToUser(event->position());
    emit MouseUp(buttonCode(event->button()), shiftCode(event->modifiers()), at.x(), at.y());
}

LineControl::LineControl(PictureBox *box)
    : QObject(box), m_box(box), m_colour(box->palette().color(QPalette::WindowText))
{
}

void LineControl::changed()
{
    if (m_visible) // a hidden line's change shows nothing
        m_box->update();
}

void LineControl::setX1(float x)
{
    m_x1 = x;
    changed();
}

void LineControl::setY1(float y)
{
    m_y1 = y;
    changed();
}

void LineControl::setX2(float x)
{
    m_x2 = x;
    changed();
}

void LineControl::setY2(float y)
{
    m_y2 = y;
    changed();
}

void LineControl::setVisible(bool visible)
{
    if (m_visible == visible)
        return;
    m_visible = visible;
    m_box->update();
}

void LineControl::setBorderColor(const QColor &colour)
{
    m_colour = colour;
    changed();
}

void LineControl::setBorderStyle(Qt::PenStyle style)
{
    m_style = style;
    changed();
}

} // namespace platform
