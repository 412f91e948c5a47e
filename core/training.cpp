#include "core/training.h"

#include "core/counter.h"
#include "core/stopwatch.h"

namespace {

std::string Counts(std::int32_t count, const char* suffix) { return std::to_string(count) + suffix; }

// A run pays more the longer it lasts; a miss costs points only while the
// score is above the trial's threshold, and may then take it below: the
// voice trial's miss takes 6 points to 3.
void PayForRun(GameState& state, std::int32_t combo, int per_hit_in_run, int threshold, int miss_cost)
{
    if (combo != 0)
        SaturatingAdd(state.Points, std::int64_t{combo} * per_hit_in_run);
    else if (state.Points > threshold)
        SaturatingAdd(state.Points, -miss_cost);
}

void Finish(GameState& state, TrialStop& shown, std::int32_t total, std::int32_t combo)
{
    shown.total = Counts(total, TotalSuffix);
    shown.combo = Counts(combo, ComboSuffix);
    ClearDigits(state);
}

}  // namespace

TrialStart EyeStart(GameState& state, const TickSource& ticks, IntervalTimer& timer2)
{
    StartStopwatch(state, ticks, timer2);
    return {clNone, EyePrompt};
}

TrialStop EyeStop(GameState& state, IntervalTimer& timer2)
{
    timer2.SetInterval(0);
    TrialStop shown{};
    shown.hide_domain_button = state.Points < HiddenDomainPoints;
    if (state.Seconds == 5) {
        shown.colour = clGreen;
        shown.verdict = EyeSuccess;
        SaturatingAdd(state.EyeTotal, 1);
        SaturatingAdd(state.EyeCombo, 1);
        SaturatingAdd(state.Points, 3);
    } else {
        shown.verdict = std::to_string(state.Seconds) + " : " + std::to_string(state.TenthsDigit) +
                        " : " + std::to_string(state.HundredthsDigit);
        state.EyeCombo = 0;
    }
    PayForRun(state, state.EyeCombo, 5, 1, 1);
    Finish(state, shown, state.EyeTotal, state.EyeCombo);
    return shown;
}

TrialStart VoiceStart(GameState& state, const TickSource& ticks, IntervalTimer& timer2)
{
    StartStopwatch(state, ticks, timer2);
    TrialStart shown{clNone, VoicePrompt};
    state.VoiceGate = 0;
    // Beginners are told to train first, but the trial runs all the same.
    if (state.Points < 100) {
        shown.prompt = VoiceGateText;
        state.VoiceGate = 1;
    }
    return shown;
}

TrialStop VoiceStop(GameState& state, IntervalTimer& timer2)
{
    TrialStop shown{};
    shown.hide_domain_button = state.Points < HiddenDomainPoints;
    timer2.SetInterval(0);
    if (state.TenthsDigit == 5) {
        shown.colour = clSkyBlue;
        shown.verdict = VoiceSuccess;
        SaturatingAdd(state.VoiceTotal, 1);
        SaturatingAdd(state.VoiceCombo, 1);
        SaturatingAdd(state.Points, 15);
    } else {
        shown.verdict = std::to_string(state.TenthsDigit) + " ";
        state.VoiceCombo = 0;
    }
    if (state.VoiceGate == 1)
        shown.verdict = VoiceGateText;
    PayForRun(state, state.VoiceCombo, 100, 5, 3);
    Finish(state, shown, state.VoiceTotal, state.VoiceCombo);
    return shown;
}
