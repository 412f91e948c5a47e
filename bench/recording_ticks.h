#pragma once

#include <chrono>
#include <vector>

#include "core/tick_source.h"

// The game's own millisecond clock, noting when each reading was taken: the
// stopwatch reads it once per refresh, so the notes are the refresh moments.
class RecordingTicks final : public TickSource {
public:
    using Clock = std::chrono::steady_clock;

    std::uint32_t Now() const override
    {
        last_read_ = Clock::now();
        if (recording_)
            reads_.push_back(last_read_);
        return clock_.Now();
    }

    void StartRecording()
    {
        reads_.clear();
        reads_.reserve(10'000);
        recording_ = true;
    }
    std::vector<Clock::time_point> StopRecording()
    {
        recording_ = false;
        return std::move(reads_);
    }
    Clock::time_point LastRead() const { return last_read_; }

private:
    SteadyTickSource clock_;
    mutable std::vector<Clock::time_point> reads_;
    mutable Clock::time_point last_read_;
    bool recording_ = false;
};
