#include "window/layout_timer.h"

#include "core/error_text.h"

LayoutTimer::LayoutTimer(QObject* parent, const char* name) : QObject(parent)
{
    setObjectName(QString::fromLatin1(name));
    // The stopwatch's precision is the spacing of these ticks: no coarse timers.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &LayoutTimer::Ticked);
}

void LayoutTimer::SetInterval(int milliseconds)
{
    if (milliseconds == interval_)
        return;
    interval_ = milliseconds;
    if (milliseconds <= 0) {
        timer_.stop();
        return;
    }
    timer_.start(milliseconds);
    if (timer_.timerId() <= 0) {
        interval_ = 0;
        throw GameError("タイマーを取得できません");
    }
}
