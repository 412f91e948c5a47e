#include <gtest/gtest.h>

#include <limits>

#include "core/stopwatch.h"
#include "core/training.h"
#include "fakes.h"

namespace {

class TrainingTest : public ::testing::Test {
protected:
    // A trial started, left running for `ms`, refreshed once, then stopped.
    TrialStop Eye(std::uint32_t ms)
    {
        EyeStart(state, ticks, timer2);
        Tick(ms);
        return EyeStop(state, timer2);
    }
    TrialStop Voice(std::uint32_t ms)
    {
        VoiceStart(state, ticks, timer2);
        Tick(ms);
        return VoiceStop(state, timer2);
    }
    void Tick(std::uint32_t ms)
    {
        ticks.Advance(ms);
        RefreshDigits(state, ticks);
    }
    GameState state;
    FakeTicks ticks;
    FakeTimer timer2;
};

TEST_F(TrainingTest, EyeStartRunsTheSilentStopwatchWithThePrompt)
{
    TrialStart shown = EyeStart(state, ticks, timer2);
    EXPECT_EQ(shown.prompt, " 貴 様 に 見 切 れ る か ？");
    EXPECT_EQ(shown.colour, clNone);
    EXPECT_EQ(timer2.interval, 10);
}

TEST_F(TrainingTest, EyeSucceedsOnFiveWholeSecondsOnly)
{
    TrialStop hit = Eye(5990);
    EXPECT_EQ(hit.verdict, " 貴 様 は す ご い ぞ ! !\u3000ジ ャ ス ト だ !");
    EXPECT_EQ(hit.colour, clGreen);
    EXPECT_EQ(timer2.interval, 0);
    EXPECT_EQ(state.Points, 8);
    EXPECT_EQ(hit.total, "1\u3000回 、 見 切 っ た !");
    EXPECT_EQ(hit.combo, "1\u3000H i t !");

    TrialStop miss = Eye(6000);
    EXPECT_EQ(miss.verdict, "6 : 0 : 0");
    EXPECT_FALSE(miss.colour.has_value()) << "a failure leaves the prompt's colour";
    EXPECT_EQ(miss.combo, "0\u3000H i t !");
    EXPECT_EQ(state.Points, 7);
    EXPECT_EQ(state.EyeTotal, 1);

    EXPECT_EQ(Eye(15230).verdict, "15 : 2 : 3");
    EXPECT_EQ(Eye(5000).colour, clGreen);
}

TEST_F(TrainingTest, EyeRunsPayMoreAndMissesNeverTakePointsBelowOne)
{
    Eye(5500);
    EXPECT_EQ(state.Points, 8);
    Eye(5500);
    EXPECT_EQ(state.Points, 21);
    EXPECT_EQ(state.EyeCombo, 2);
    Eye(1000);
    EXPECT_EQ(state.Points, 20);
    EXPECT_EQ(state.EyeCombo, 0);

    state.Points = 1;
    Eye(1000);
    EXPECT_EQ(state.Points, 1);
    state.Points = -40;
    Eye(1000);
    EXPECT_EQ(state.Points, -40);
}

TEST_F(TrainingTest, StopWithoutStartJudgesClearedDigits)
{
    state.Points = 10;
    TrialStop first = EyeStop(state, timer2);
    EXPECT_EQ(first.verdict, "0 : 0 : 0");
    EXPECT_EQ(state.Points, 9);
    Tick(5500);
    EyeStop(state, timer2);
    EXPECT_EQ(EyeStop(state, timer2).verdict, "0 : 0 : 0") << "the first stop cleared the digits";
}

TEST_F(TrainingTest, VoiceJudgesTheTenthsDigitWhateverTheSeconds)
{
    state.Points = 100;
    TrialStop hit = Voice(3540);
    EXPECT_EQ(hit.verdict, " 貴 様 は 覚 醒 し て る !\u3000ジ ャ ス ト だ !");
    EXPECT_EQ(hit.colour, clSkyBlue);
    EXPECT_EQ(state.Points, 215);
    EXPECT_EQ(Voice(12550).colour, clSkyBlue);
    EXPECT_EQ(state.Points, 430);

    TrialStop miss = Voice(3490);
    EXPECT_EQ(miss.verdict, "4 ");
    EXPECT_EQ(miss.total, "2\u3000回 、 見 切 っ た !") << "the voice page shares the eye's suffix";
    EXPECT_EQ(miss.combo, "0\u3000H i t !");
    EXPECT_EQ(state.Points, 427);

    state.Points = 5;
    Voice(100);
    EXPECT_EQ(state.Points, 5) << "a miss at 5 points or fewer costs nothing";
}

TEST_F(TrainingTest, VoiceBelowOneHundredPointsShowsTheGateButStillScores)
{
    state.Points = 99;
    TrialStart start = VoiceStart(state, ticks, timer2);
    EXPECT_EQ(start.prompt, "100Pointまで修行してから参れ");
    EXPECT_EQ(state.VoiceGate, 1);
    Tick(2500);
    TrialStop stop = VoiceStop(state, timer2);
    EXPECT_EQ(stop.verdict, "100Pointまで修行してから参れ");
    EXPECT_EQ(stop.colour, clSkyBlue) << "the success's colour stays under the gate text";
    EXPECT_EQ(state.Points, 99 + 15 + 100);

    TrialStart later = VoiceStart(state, ticks, timer2);
    EXPECT_EQ(later.prompt, " 貴 様 に 聞 こ え る か ？");
    EXPECT_EQ(state.VoiceGate, 0);
}

TEST_F(TrainingTest, WorkedScoreFromZero)
{
    Eye(5100);
    Eye(5100);
    Eye(100);
    EXPECT_EQ(state.Points, 20);
    state.Points = 0;
    Voice(500);
    Voice(1500);
    EXPECT_EQ(state.Points, 330);
}

TEST_F(TrainingTest, DomainButtonIsHiddenOnThePointsFromBeforeTheStop)
{
    state.Points = 498;
    EXPECT_TRUE(Eye(5500).hide_domain_button);
    EXPECT_EQ(state.Points, 506);
    state.Points = 500;
    state.EyeCombo = 0;
    EXPECT_FALSE(Eye(100).hide_domain_button);
    EXPECT_EQ(state.Points, 499);
    EXPECT_TRUE(Voice(100).hide_domain_button);
}

TEST_F(TrainingTest, EyeStartOnOnePageIsJudgedByTheOther)
{
    state.Points = 200;
    EyeStart(state, ticks, timer2);
    Tick(3540);
    EXPECT_EQ(VoiceStop(state, timer2).colour, clSkyBlue);
}

TEST_F(TrainingTest, ScoresStopAtThe32BitBoundsInsteadOfWrapping)
{
    state.Points = std::numeric_limits<std::int32_t>::max() - 2;
    state.EyeCombo = std::numeric_limits<std::int32_t>::max() - 1;
    Eye(5500);
    EXPECT_EQ(state.Points, std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(state.EyeCombo, std::numeric_limits<std::int32_t>::max());
    Eye(5500);
    EXPECT_EQ(state.Points, std::numeric_limits<std::int32_t>::max());
}

}  // namespace
