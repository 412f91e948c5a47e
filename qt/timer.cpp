#include "qt/timer.h"

QtTimer::QtTimer(QObject* parent, std::function<void()> tick) : QTimer(parent)
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
