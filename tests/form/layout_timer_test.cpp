#include <gtest/gtest.h>

#include "core/error_text.h"
#include "form/layout_timer.h"

namespace {

// Counts what the timer asks of the platform.
class CountingDriver final : public TimerDriver {
public:
    CountingDriver(int& arms, int& disarms, const bool& refuse) : arms_(arms), disarms_(disarms), refuse_(refuse) {}
    bool Arm(int) override { return ++arms_, !refuse_; }
    void Disarm() override { ++disarms_; }

private:
    int& arms_;
    int& disarms_;
    const bool& refuse_;
};

TEST(LayoutTimer, ZeroStopsTheSameIntervalKeepsThePhaseANewOneRestarts)
{
    int arms = 0, disarms = 0;
    const bool refuse = false;
    LayoutTimer timer(std::make_unique<CountingDriver>(arms, disarms, refuse));
    timer.SetInterval(0);
    EXPECT_EQ(arms, 0) << "a stopped timer stopped again is not armed";
    timer.SetInterval(10);
    timer.SetInterval(10);
    EXPECT_EQ(arms, 1) << "asked for the interval it has, a running timer keeps its phase";
    EXPECT_EQ(timer.Interval(), 10);
    timer.SetInterval(1000);
    EXPECT_EQ(arms, 2);
    timer.SetInterval(0);
    EXPECT_EQ(disarms, 1);
    EXPECT_EQ(timer.Interval(), 0);
    timer.SetInterval(10);
    EXPECT_EQ(arms, 3) << "started again after a stop";
}

TEST(LayoutTimer, ATimerThePlatformCannotGiveRaisesTheGamesErrorAndStaysStopped)
{
    int arms = 0, disarms = 0;
    bool refuse = false;
    LayoutTimer timer(std::make_unique<CountingDriver>(arms, disarms, refuse));
    timer.SetInterval(10);
    // Refused a new period, a running timer must not go on at its old one.
    refuse = true;
    try {
        timer.SetInterval(20);
        FAIL() << "no error raised";
    } catch (const GameError& error) {
        EXPECT_EQ(error.Message(), "タイマーを取得できません");
    }
    EXPECT_EQ(disarms, 1) << "the timer that ran is stopped";
    EXPECT_EQ(timer.Interval(), 0);
    EXPECT_THROW(timer.SetInterval(10), GameError) << "asked again, it tries again";
    EXPECT_EQ(arms, 3);
}

}  // namespace
