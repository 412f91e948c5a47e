#include <gtest/gtest.h>

#include <limits>

#include "core/hidden_domain.h"
#include "core/stopwatch.h"
#include "fakes.h"

namespace {

class HiddenTrial : public ::testing::Test {
protected:
    // The trial started, its timer ticking once after `ms`, then stopped.
    HiddenTrialStop Play(std::uint32_t ms)
    {
        EXPECT_EQ(HiddenTrialStart(state, ticks, timer3), clRed);
        ticks.Advance(ms);
        last_readout = LiveReadout(state, ticks);
        return HiddenTrialJudge(state, timer3);
    }
    void ExpectClearedAfterTheJudgement() const
    {
        EXPECT_EQ(timer3.interval, 0);
        EXPECT_EQ(state.Seconds + state.TenthsDigit + state.HundredthsDigit, 0);
        EXPECT_EQ(state.SecondsMark + state.TenthsMark + state.HundredthsMark, 0);
    }
    GameState state;
    FakeTicks ticks;
    FakeTimer timer3;
    std::string last_readout;
};

TEST_F(HiddenTrial, SevenSevenSevenWinsTheWholePrize)
{
    const HiddenTrialStop shown = Play(7779);
    EXPECT_EQ(last_readout, "7 : 7 :7 ");
    EXPECT_TRUE(shown.victory);
    EXPECT_EQ(shown.verdict, "勝利");
    EXPECT_EQ(shown.readout_colour, clGreen);
    EXPECT_EQ(state.Points, 9100);
    ExpectClearedAfterTheJudgement();
}

TEST_F(HiddenTrial, PartialMatchesKeepTheirPointsAndPayTheDefeat)
{
    const HiddenTrialStop seven_seven_zero = Play(7700);
    EXPECT_FALSE(seven_seven_zero.victory);
    EXPECT_EQ(seven_seven_zero.verdict, "敗北");
    EXPECT_EQ(seven_seven_zero.readout_colour, clGreen);
    EXPECT_EQ(state.Points, 10 + 3090 - 250);
    ExpectClearedAfterTheJudgement();

    state.Points = 0;
    Play(2370);
    EXPECT_EQ(state.Points, 6000 - 250);
    ExpectClearedAfterTheJudgement();

    state.Points = 0;
    Play(17770);
    EXPECT_EQ(state.Points, 3090 + 6000 - 250) << "17 whole seconds are not 7";
}

TEST_F(HiddenTrial, AStopWithoutAStartIsADefeatEvenBelowZero)
{
    state.Points = -100;
    const HiddenTrialStop shown = HiddenTrialJudge(state, timer3);
    EXPECT_FALSE(shown.victory);
    EXPECT_EQ(state.Points, -350);
    HiddenTrialJudge(state, timer3);
    EXPECT_EQ(state.Points, -600);

    state.Points = std::numeric_limits<std::int32_t>::min() + 100;
    HiddenTrialJudge(state, timer3);
    EXPECT_EQ(state.Points, std::numeric_limits<std::int32_t>::min()) << "stops at the 32-bit bound";
}

TEST_F(HiddenTrial, ARestartWhileRunningCountsFromZeroWithoutAPause)
{
    HiddenTrialStart(state, ticks, timer3);
    ticks.Advance(3000);
    EXPECT_EQ(LiveReadout(state, ticks), "3 : 0 :0 ");
    ticks.Advance(5);
    HiddenTrialStart(state, ticks, timer3);
    EXPECT_EQ(timer3.interval, 10);
    EXPECT_EQ(timer3.restarts, 1) << "the running timer keeps its phase";
    ticks.Advance(50);
    EXPECT_EQ(LiveReadout(state, ticks), "0 : 0 :5 ");
}

TEST_F(HiddenTrial, TheReadoutFollowsTheSharedStopwatch)
{
    // A training start made elsewhere resets the count the readout shows.
    HiddenTrialStart(state, ticks, timer3);
    ticks.Advance(4000);
    FakeTimer timer2;
    StartStopwatch(state, ticks, timer2);
    ticks.Advance(12349);
    EXPECT_EQ(LiveReadout(state, ticks), "12 : 3 :4 ");
    EXPECT_EQ(state.Centiseconds, 1234);
}

TEST(ScoreDisplay, ShowsTheCountsAndOpensTheWayFrom500)
{
    GameState state;
    state.Points = 499;
    state.EyeTotal = 3;
    state.VoiceTotal = 12;
    ScoreDisplay shown = ShowScores(state);
    EXPECT_EQ(shown.points, "499");
    EXPECT_EQ(shown.eye_total, "3");
    EXPECT_EQ(shown.voice_total, "12");
    EXPECT_FALSE(shown.show_domain_button);

    state.Points = 500;
    EXPECT_TRUE(ShowScores(state).show_domain_button);
    state.Points = -250;
    EXPECT_EQ(ShowScores(state).points, "-250");
    EXPECT_FALSE(ShowScores(state).show_domain_button);
}

TEST(Bonus, AddsFiveHundred)
{
    GameState state;
    state.Points = -20;
    TakeBonus(state);
    EXPECT_EQ(state.Points, 480);
}

TEST(VictoryType, PointsBecomePixelsAtTheScreensDensity)
{
    EXPECT_EQ(PointsToPixels(13, 96), 17);
    EXPECT_EQ(PointsToPixels(13, 72), 13);
    EXPECT_EQ(PointsToPixels(13, 120), 22);
    EXPECT_EQ(PointsToPixels(13, 144), 26);
}

}  // namespace
