#include <gtest/gtest.h>

#include "core/stopwatch.h"
#include "fakes.h"

namespace {

struct Digits {
    int centiseconds, seconds, tenths, hundredths;
    bool operator==(const Digits&) const = default;
};

Digits Read(const GameState& s) { return {s.Centiseconds, s.Seconds, s.TenthsDigit, s.HundredthsDigit}; }

class StopwatchTest : public ::testing::Test {
protected:
    Digits RunFor(std::uint32_t ms)
    {
        StartStopwatch(state, ticks, timer);
        ticks.Advance(ms);
        RefreshDigits(state, ticks);
        return Read(state);
    }
    GameState state;
    FakeTicks ticks;
    FakeTimer timer;
};

TEST_F(StopwatchTest, WorkedValuesSplitIntoSecondsTenthsAndHundredths)
{
    ticks.now = 123456;
    EXPECT_EQ(RunFor(5038), (Digits{503, 5, 0, 3}));
    EXPECT_EQ(RunFor(12349), (Digits{1234, 12, 3, 4}));
    EXPECT_EQ(RunFor(7779), (Digits{777, 7, 7, 7}));
    EXPECT_EQ(RunFor(99), (Digits{9, 0, 0, 9}));
    EXPECT_EQ(RunFor(0), (Digits{0, 0, 0, 0}));
}

TEST_F(StopwatchTest, SecondsAreNotLimitedToOneDigitButDigitsAre)
{
    EXPECT_EQ(RunFor(123456), (Digits{12345, 123, 4, 5}));
    EXPECT_EQ(RunFor(4294967295u), (Digits{429496729, 4294967, 2, 9}));
}

TEST_F(StopwatchTest, ElapsedTimeSurvivesTheCounterWrapping)
{
    ticks.now = 0xFFFFFFFFu - 1000;  // a second and a bit before the wrap
    EXPECT_EQ(RunFor(5500), (Digits{550, 5, 5, 0}));
    EXPECT_LT(ticks.now, 5000u);
}

TEST_F(StopwatchTest, StartArmsTheTimerAndKeepsAPhaseWhenAlreadyRunning)
{
    state.Seconds = 9;
    StartStopwatch(state, ticks, timer);
    EXPECT_EQ(timer.interval, RefreshIntervalMs);
    EXPECT_EQ(state.Seconds, 9) << "a start shows nothing until the first refresh";
    ticks.Advance(3000);
    StartStopwatch(state, ticks, timer);
    EXPECT_EQ(timer.restarts, 1) << "a second start must not restart a running timer";
    EXPECT_EQ(state.StartTick, 3000);
    ticks.Advance(10);
    RefreshDigits(state, ticks);
    EXPECT_EQ(Read(state), (Digits{1, 0, 0, 1}));
}

TEST_F(StopwatchTest, ClearLeavesTheStartAndCentisecondsAlone)
{
    ticks.now = 4242;
    RunFor(7779);
    ClearDigits(state);
    EXPECT_EQ(Read(state), (Digits{777, 0, 0, 0}));
    EXPECT_EQ(state.StartTick, 4242);
}

}  // namespace
