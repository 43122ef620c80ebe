// Window geometry in twips, the unit in which the windows are laid out (15 twips a pixel).
#pragma once

#include <QColor>
#include <QRect>
#include <QWidget>

namespace platform {

constexpr int kTwipsPerPixel = 15;

constexpr int Px(int twips)
{
    return twips / kTwipsPerPixel;
}
constexpr int Twips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

inline void PlaceTwips(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(TwipsRect(left, top, width, height));
}

// Widens a caption-bearing control (label, option, check box) to show its whole text, as far as
// its parent leaves room: the layouts were drawn for narrower system fonts.
void FitWidth(QWidget *w);
// FitWidth on every caption-bearing control inside `w` (labels that do not wrap, buttons, options, check
// boxes).
void FitCaptions(QWidget *w);

// Background of every window but the main one.
inline QColor FormBackground()
{
    return QColor(197, 207, 237);
}

} // namespace platform
