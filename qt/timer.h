#pragma once

#include <functional>

#include <QTimer>

#include "form/layout_timer.h"

// One of the window's timers as Qt gives it: precise, since the stopwatch's
// precision is the spacing of its ticks. It ticks only once armed.
class QtTimer final : public QTimer, public TimerDriver {
    Q_OBJECT
public:
    QtTimer(QObject* parent, std::function<void()> tick);

    bool Arm(int milliseconds) override;
    void Disarm() override { stop(); }
};
