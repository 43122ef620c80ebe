// Millisecond tick count and the event-pumping waits that every panel exchange uses.
#pragma once

#include <QtGlobal>
#include <functional>

namespace platform {

// Monotonic milliseconds since an arbitrary start (scaled by the test seam below).
qint64 GetTickCount();

// Lets pending window events run once, without blocking.
void DoEvents();

// Runs window events until `done` returns true or the tick count is strictly past `deadlineTick`.
// Sleeps in the event loop between events, so a long wait costs almost no processor time.
// Returns true when `done` ended the wait.
bool PumpUntil(const std::function<bool()> &done, qint64 deadlineTick);

// Runs window events until `done` returns true, with no deadline.
void PumpUntil(const std::function<bool()> &done);

// Test seam: tick count runs `factor` times faster than real time (1 = real time).
void SetTickSpeed(double factor);
double TickSpeed();

} // namespace platform

namespace platform {
// A timer interval of `ms` tick milliseconds, in real milliseconds under the test seam.
int ScaledInterval(int ms);
} // namespace platform
