#include "qt/timer.h"

QtTimer::QtTimer(std::function<void()> tick)
{
    setTimerType(Qt::PreciseTimer);
    connect(this, &QTimer::timeout, this, std::move(tick));
}

bool QtTimer::Arm(int milliseconds)
{
    start(milliseconds);
    // A thread without an event loop gets no timer.
    return timerId() > 0;
}
