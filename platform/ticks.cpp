#include "platform/ticks.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cmath>

namespace platform {
namespace {

// Longest real sleep between two looks at the condition: QSerialPort and timers wake the loop
// earlier, this only bounds conditions that no event announces.
constexpr int kMaxSliceMs = 50;

struct Clock
{
    QElapsedTimer timer;
    double factor = 1.0;
    // Tick value at the last change of factor, and real ms at that moment.
    double baseTick = 0;
    qint64 baseReal = 0;
    Clock() { timer.start(); }
};

Clock &clock()
{
    static Clock c;
    return c;
}

} // namespace

qint64 GetTickCount()
{
    Clock &c = clock();
    return static_cast<qint64>(c.baseTick + (c.timer.elapsed() - c.baseReal) * c.factor);
}

void SetTickSpeed(double factor)
{
    Clock &c = clock();
    c.baseTick = static_cast<double>(GetTickCount());
    c.baseReal = c.timer.elapsed();
    c.factor = factor > 0 ? factor : 1.0;
}

double TickSpeed()
{
    return clock().factor;
}

void DoEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

static void sleepInEvents(qint64 realMs)
{
    if (!QCoreApplication::instance())
        return;
    const int slice = static_cast<int>(qBound<qint64>(qint64(1), realMs, qint64(kMaxSliceMs)));
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(slice);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

bool PumpUntil(const std::function<bool()> &done, qint64 deadlineTick)
{
    DoEvents();
    for (;;) {
        if (done())
            return true;
        const qint64 now = GetTickCount();
        if (now > deadlineTick)
            return false;
        const double remainingReal = (deadlineTick - now + 1) / clock().factor;
        sleepInEvents(static_cast<qint64>(std::ceil(remainingReal)));
    }
}

void PumpUntil(const std::function<bool()> &done)
{
    DoEvents();
    while (!done())
        sleepInEvents(kMaxSliceMs);
}

} // namespace platform

namespace platform {
int ScaledInterval(int ms)
{
    return qMax(1, static_cast<int>(ms / TickSpeed()));
}
} // namespace platform
