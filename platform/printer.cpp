#include "platform/printer.h"

#include "platform/twips.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPicture>
#include <QWidget>
#include <algorithm>

namespace platform {
namespace {

constexpr double kTwipsPerInch = 1440;
constexpr double kTwipsPerPoint = 20;
// Blank border around a window's image: full-page coordinates start at the paper's edge, where
// printers cannot print.
constexpr double kFormMarginTwips = 720;

QPageLayout::Orientation qtOrientation(PageOrientation orientation)
{
    return orientation == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// A QPicture plays its fonts back at the resolution it was recorded at (the screen's) whatever the
// device, so the page uses that resolution too; the output stays vector text and lines either way.
int pictureResolution()
{
    return QPicture().logicalDpiY();
}

} // namespace

Printer::Printer() : m_font(QStringLiteral("Arial"), 10)
{
    m_printer.setResolution(pictureResolution());
    m_printer.setFullPage(true);
    m_printer.setPageOrientation(qtOrientation(m_orientation));
}

Printer::~Printer()
{
    // A document left open goes out, as it would when the program ends.
    if (m_painter.isActive())
        m_painter.end();
}

void Printer::setOrientation(PageOrientation orientation)
{
    m_orientation = orientation;
    if (!m_painter.isActive())
        m_printer.setPageOrientation(qtOrientation(orientation));
}

double Printer::Width() const
{
    const QSizeF paper = m_printer.pageLayout().pageSize().size(QPageSize::Point);
    const double side = m_orientation == PageOrientation::Portrait ? std::min(paper.width(), paper.height())
                                                                   : std::max(paper.width(), paper.height());
    return side * kTwipsPerPoint;
}

double Printer::Height() const
{
    const QSizeF paper = m_printer.pageLayout().pageSize().size(QPageSize::Point);
    const double side = m_orientation == PageOrientation::Portrait ? std::max(paper.width(), paper.height())
                                                                   : std::min(paper.width(), paper.height());
    return side * kTwipsPerPoint;
}

double Printer::toDevice(double twips) const
{
    return twips * m_printer.resolution() / kTwipsPerInch;
}

double Printer::TextWidth(const QString &text) const
{
    // The metrics of the printer itself: a screen's would give other widths at other resolutions.
    const QFontMetricsF metrics(m_font, &m_printer);
    return metrics.horizontalAdvance(text) * kTwipsPerInch / m_printer.resolution();
}

double Printer::TextHeight() const
{
    const QFontMetricsF metrics(m_font, &m_printer);
    return metrics.height() * kTwipsPerInch / m_printer.resolution();
}

bool Printer::beginPage()
{
    if (!m_painter.isActive()) {
        m_printer.setResolution(pictureResolution()); // again, should a printer dialog have changed it
        m_printer.setPageOrientation(qtOrientation(m_orientation));
        if (!m_painter.begin(&m_printer)) {
            m_failed = true;
            return false;
        }
    } else if (m_pageEnded) {
        m_printer.setPageOrientation(qtOrientation(m_orientation));
        if (!m_printer.newPage()) {
            m_failed = true;
            return false;
        }
    } else {
        return true;
    }
    m_pageEnded = false;
    m_pageUsed = false;
    return true;
}

bool Printer::Print(const QString &text)
{
    if (!beginPage())
        return false;
    m_painter.setFont(m_font);
    m_painter.setPen(Qt::black);
    const QFontMetricsF metrics(m_font, &m_printer);
    m_painter.drawText(QPointF(toDevice(m_currentX), toDevice(m_currentY) + metrics.ascent()), text);
    m_pageUsed = true;
    return true;
}

bool Printer::NewPage()
{
    // The page already ended stays blank, as two page ends in a row give.
    if (!beginPage())
        return false;
    m_pageEnded = true;
    return true;
}

bool Printer::EndDoc()
{
    bool ok = !m_failed;
    if (m_painter.isActive())
        ok = m_painter.end() && ok;
    m_pageEnded = false;
    m_pageUsed = false;
    m_failed = false;
    return ok;
}

bool Printer::PrintForm(QWidget &window)
{
    QPicture picture;
    window.render(&picture, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);

    if (m_pageUsed)
        m_pageEnded = true;
    if (beginPage()) {
        const double widthTwips = window.width() * kTwipsPerPixel;
        const double heightTwips = window.height() * kTwipsPerPixel;
        const double fit = std::min({1.0, (Width() - 2 * kFormMarginTwips) / widthTwips,
                                     (Height() - 2 * kFormMarginTwips) / heightTwips});
        const double scale = toDevice(kTwipsPerPixel) * fit;
        m_painter.save();
        m_painter.translate(toDevice(kFormMarginTwips), toDevice(kFormMarginTwips));
        m_painter.scale(scale, scale);
        m_painter.drawPicture(0, 0, picture);
        m_painter.restore();
        m_pageUsed = true;
    }
    return EndDoc();
}

} // namespace platform
