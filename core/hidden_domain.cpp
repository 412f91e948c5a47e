#include "core/hidden_domain.h"

#include <cmath>

#include "core/counter.h"
#include "core/stopwatch.h"
#include "core/training.h"

namespace {

// Matching all three digits pays 10 + 3090 + 6000; every defeat, partial
// matches included, costs this.
constexpr int DefeatPenalty = 250;

}  // namespace

ScoreDisplay ShowScores(const GameState& state)
{
    return {std::to_string(state.Points), std::to_string(state.EyeTotal), std::to_string(state.VoiceTotal),
            state.Points >= HiddenDomainPoints};
}

ColourValue HiddenTrialStart(GameState& state, const TickSource& ticks, IntervalTimer& timer3)
{
    StartStopwatch(state, ticks, timer3);
    return clRed;
}

std::string LiveReadout(GameState& state, const TickSource& ticks)
{
    RefreshDigits(state, ticks);
    // No blank before the hundredths and one after them: that is how the
    // readout has always looked.
    return std::to_string(state.Seconds) + " : " + std::to_string(state.TenthsDigit) + " :" +
           std::to_string(state.HundredthsDigit) + " ";
}

HiddenTrialStop HiddenTrialJudge(GameState& state, IntervalTimer& timer3)
{
    timer3.SetInterval(0);
    HiddenTrialStop shown{clGreen, false, DefeatText};
    if (state.Seconds == 7) {
        SaturatingAdd(state.Points, 10);
        state.SecondsMark = 1;
    }
    if (state.TenthsDigit == 7) {
        SaturatingAdd(state.Points, 3090);
        state.TenthsMark = 2;
    }
    if (state.HundredthsDigit == 7) {
        SaturatingAdd(state.Points, 6000);
        state.HundredthsMark = 3;
    }
    // The marks are 1, 2 and 3, so only all three together make 6. Partial
    // matches keep their points even in defeat.
    if (state.SecondsMark + state.TenthsMark + state.HundredthsMark == 6) {
        shown.victory = true;
        shown.verdict = VictoryText;
    } else {
        SaturatingAdd(state.Points, -DefeatPenalty);
    }
    state.SecondsMark = 0;
    state.TenthsMark = 0;
    state.HundredthsMark = 0;
    ClearDigits(state);
    return shown;
}

void TakeBonus(GameState& state) { SaturatingAdd(state.Points, BonusPoints); }

int PointsToPixels(int points, int dpi) { return int(std::lround(points * dpi / 72.0)); }
