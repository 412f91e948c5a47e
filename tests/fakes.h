#pragma once

#include <cstdint>

#include "core/interval_timer.h"
#include "core/tick_source.h"

// A tick counter the test sets by hand, wrap included.
class FakeTicks final : public TickSource {
public:
    std::uint32_t Now() const override { return now; }
    void Advance(std::uint32_t ms) { now += ms; }
    std::uint32_t now = 0;
};

// A timer that only remembers its interval and how often it was restarted.
class FakeTimer final : public IntervalTimer {
public:
    int Interval() const override { return interval; }
    void SetInterval(int ms) override
    {
        if (ms != interval && ms > 0)
            ++restarts;
        interval = ms;
    }
    int interval = 0;
    int restarts = 0;
};
