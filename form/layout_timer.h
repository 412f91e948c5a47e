#pragma once

#include <functional>
#include <memory>

#include "core/interval_timer.h"

// What a front end gives the window for each of its timers: a periodic tick
// on the user-interface thread, armed at an interval and disarmed.
class TimerDriver {
public:
    virtual ~TimerDriver() = default;
    // Starts ticking every `milliseconds` from now, replacing any earlier
    // period; false when the platform has no timer to give.
    virtual bool Arm(int milliseconds) = 0;
    virtual void Disarm() = 0;
};

// A timer of the window: stopped at interval 0, and deaf to a request for the
// interval it already has, so a running timer keeps its phase. A timer the
// platform cannot give raises the game's error.
class LayoutTimer final : public IntervalTimer {
public:
    explicit LayoutTimer(std::unique_ptr<TimerDriver> driver) : driver_(std::move(driver)) {}

    int Interval() const override { return interval_; }
    void SetInterval(int milliseconds) override;

private:
    std::unique_ptr<TimerDriver> driver_;
    int interval_ = 0;
};
