#include "platform/progress_bar.h"

#include <cmath>

namespace platform {

ProgressBar::ProgressBar(QWidget *parent) : QProgressBar(parent)
{
    setTextVisible(false);
    refresh();
}

void ProgressBar::setMin(double v)
{
    m_min = v;
    refresh();
}

void ProgressBar::setMax(double v)
{
    m_max = v;
    refresh();
}

void ProgressBar::setValue(double v)
{
    m_value = v;
    refresh();
}

void ProgressBar::refresh()
{
    // Shown in thousandths so that fractional maxima such as 38.1 still fill the bar.
    QProgressBar::setRange(static_cast<int>(std::floor(m_min * 1000)),
                           static_cast<int>(std::ceil(m_max * 1000)));
    QProgressBar::setValue(static_cast<int>(std::lround(m_value * 1000)));
}

} // namespace platform
