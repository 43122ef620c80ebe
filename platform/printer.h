// The printer as the windows use it: text at positions in twips, fonts, pages and a window's image,
// over QPrinter (a system printer or a PDF file, chosen in the printer dialog).
#pragma once

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <QString>

class QWidget;

namespace platform {

// Values as the windows give them (1 portrait, 2 landscape).
enum class PageOrientation { Portrait = 1, Landscape = 2 };

// Coordinates are twips from the paper's top left corner (not from the printable area). The
// document is opened by the first thing printed and reaches the printer or the file at EndDoc.
// Failures are returned, never thrown; once one occurred, EndDoc reports it too.
class Printer
{
public:
    Printer();
    ~Printer();
    Printer(const Printer &) = delete;
    Printer &operator=(const Printer &) = delete;

    // Applies to the next page begun (at once when no page is open).
    void setOrientation(PageOrientation orientation);
    PageOrientation Orientation() const { return m_orientation; }

    // Paper size in twips, in the current orientation.
    double Width() const;
    double Height() const;

    // Top left corner of the next text printed. Print leaves both unchanged.
    void setCurrentX(double twips) { m_currentX = twips; }
    void setCurrentY(double twips) { m_currentY = twips; }
    double CurrentX() const { return m_currentX; }
    double CurrentY() const { return m_currentY; }

    void setFontName(const QString &name) { m_font.setFamily(name); }
    void setFontSize(double points) { m_font.setPointSizeF(points); }
    void setFontBold(bool bold) { m_font.setBold(bold); }
    QString FontName() const { return m_font.family(); }
    double FontSize() const { return m_font.pointSizeF(); }
    bool FontBold() const { return m_font.bold(); }

    // Size of a text in the current font, in twips, as it will print.
    double TextWidth(const QString &text) const;
    double TextHeight() const;

    // Prints one line with its top left corner at (CurrentX, CurrentY).
    bool Print(const QString &text);
    // Ends the current page; the next thing printed goes on a new one. A NewPage right before
    // EndDoc adds no blank page.
    bool NewPage();
    // Ends the document and sends it, every page included. Nothing printed: nothing is sent.
    bool EndDoc();

    // Prints the image of a window's client area on a page of its own at its size on screen
    // (15 twips a pixel), reduced when the page is too small, then ends the document. The window
    // is recorded as drawing commands, so its texts stay texts in a PDF.
    bool PrintForm(QWidget &window);

    // The device behind, for the printer dialog.
    QPrinter &Device() { return m_printer; }

private:
    bool beginPage();
    double toDevice(double twips) const;

    QPrinter m_printer;
    QPainter m_painter;
    QFont m_font;
    PageOrientation m_orientation = PageOrientation::Portrait;
    double m_currentX = 0;
    double m_currentY = 0;
    bool m_pageEnded = false; // the open page is finished; the next print begins another one
    bool m_pageUsed = false;  // something was printed on the open page
    bool m_failed = false;
};

} // namespace platform
