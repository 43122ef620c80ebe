// Progress bar with the real-valued minimum, maximum and value the windows count in.
#pragma once

#include <QProgressBar>

namespace platform {

class ProgressBar : public QProgressBar
{
    Q_OBJECT
public:
    explicit ProgressBar(QWidget *parent = nullptr);

    double Min() const { return m_min; }
    double Max() const { return m_max; }
    double Value() const { return m_value; }
    void setMin(double v);
    void setMax(double v);
    void setValue(double v);

private:
    void refresh();

    double m_min = 0;
    double m_max = 100;
    double m_value = 0;
};

} // namespace platform
