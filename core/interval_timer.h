#pragma once

// A timer as the window's layout knows it: interval 0 is stopped; giving it
// the interval it already has changes nothing, so a running timer keeps its
// phase; a new interval restarts the period.
class IntervalTimer {
public:
    virtual ~IntervalTimer() = default;
    virtual int Interval() const = 0;
    virtual void SetInterval(int milliseconds) = 0;
};

// The spacing of the stopwatch's refresh ticks.
inline constexpr int RefreshIntervalMs = 10;
