#pragma once

// One phase of start-up, timed from here to the end of the scope in the
// start-up benchmark's build, which defines HORUMINA_PHASE_TIMINGS and the
// two members; in the game's build it is empty and costs nothing.
#ifdef HORUMINA_PHASE_TIMINGS
#include <chrono>

class TimedPhase {
public:
    explicit TimedPhase(const char* name);
    ~TimedPhase();
    TimedPhase(const TimedPhase&) = delete;
    TimedPhase& operator=(const TimedPhase&) = delete;

private:
    const char* name_;
    std::chrono::steady_clock::time_point from_;
};
#else
class TimedPhase {
public:
    explicit TimedPhase(const char*) {}
};
#endif
