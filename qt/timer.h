#pragma once

#include <functional>

#include <QTimer>

#include "form/layout_timer.h"

// One of the window's timers as Qt gives it: precise, since the stopwatch's
// precision is the spacing of its ticks. It ticks only once armed. Its one
// owner is the form's timer, so it has no Qt parent; it is made on the
// user-interface thread and lives there.
class QtTimer final : public QTimer, public TimerDriver {
    Q_OBJECT
public:
    explicit QtTimer(std::function<void()> tick);

    bool Arm(int milliseconds) override;
    void Disarm() override { stop(); }
};
