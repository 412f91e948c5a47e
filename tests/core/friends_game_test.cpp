#include <gtest/gtest.h>

#include "core/error_text.h"
#include "core/friends_game.h"
#include "core/stopwatch.h"
#include "fakes.h"

namespace {

class FriendsGameTest : public ::testing::Test {
protected:
    void StartAndCount(std::uint32_t ms)
    {
        FriendsStart(state, ticks, timer2);
        ticks.Advance(ms);
        RefreshDigits(state, ticks);
    }
    GameState state;
    FakeTicks ticks;
    FakeTimer timer2;
};

TEST_F(FriendsGameTest, StartRunsTheSharedStopwatchWithTheStartTexts)
{
    ticks.now = 1234;
    GuessStart shown = FriendsStart(state, ticks, timer2);
    EXPECT_EQ(shown.guess, " 当 た る か ! ? ");
    EXPECT_EQ(shown.result, " 結 果 は 如 何 に ? ");
    EXPECT_EQ(state.StartTick, 1234);
    EXPECT_EQ(timer2.interval, 10);
}

TEST_F(FriendsGameTest, HitAndMissOnWholeSeconds)
{
    StartAndCount(5800);
    GuessStop shown = FriendsStop(state, timer2, "5");
    EXPECT_EQ(timer2.interval, 0);
    EXPECT_TRUE(shown.hit);
    EXPECT_EQ(shown.result, "当たり!!");
    EXPECT_EQ(shown.seconds, "5");

    StartAndCount(6020);
    shown = FriendsStop(state, timer2, "5");
    EXPECT_FALSE(shown.hit);
    EXPECT_EQ(shown.result, "はずれ～");
    EXPECT_EQ(shown.seconds, "6");
    EXPECT_EQ(state.Seconds, 0) << "the digits are cleared";
    EXPECT_EQ(state.TenthsDigit, 0);
    EXPECT_EQ(state.HundredthsDigit, 0);
}

TEST_F(FriendsGameTest, ScoresNothing)
{
    state.Points = 77;
    state.EyeTotal = 3;
    StartAndCount(5000);
    FriendsStop(state, timer2, "5");
    EXPECT_EQ(state.Points, 77);
    EXPECT_EQ(state.EyeTotal, 3);
}

TEST_F(FriendsGameTest, ANegativeTargetIsNeverHit)
{
    StartAndCount(0);
    EXPECT_FALSE(FriendsStop(state, timer2, "-1").hit);
    EXPECT_TRUE(FriendsStop(state, timer2, "0").hit) << "a stop without a start reads the cleared digits";
}

TEST_F(FriendsGameTest, ABadTargetStopsTheWatchButKeepsTheCountedTime)
{
    StartAndCount(7400);
    try {
        FriendsStop(state, timer2, "7 ");
        FAIL() << "a trailing blank must not convert";
    } catch (const GameError& error) {
        EXPECT_STREQ(error.what(), "'7 ' は整数ではありません");
    }
    EXPECT_EQ(timer2.interval, 0);
    EXPECT_EQ(state.Seconds, 7);
    EXPECT_EQ(state.TenthsDigit, 4);
    EXPECT_TRUE(FriendsStop(state, timer2, "7").hit);
}

}  // namespace
