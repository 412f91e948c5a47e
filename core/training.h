#pragma once

#include <optional>
#include <string>

#include "core/colours.h"
#include "core/game_state.h"
#include "core/interval_timer.h"
#include "core/tick_source.h"

// The two training trials: Mind's Eye (stop at 5 whole seconds) and Heart's
// Voice (stop when the tenths digit reads 5). Each rule changes the state and
// returns what its page shows; the page writes that into its controls.

inline constexpr const char* EyePrompt = " 貴 様 に 見 切 れ る か ？";
inline constexpr const char* EyeSuccess = " 貴 様 は す ご い ぞ ! !\u3000ジ ャ ス ト だ !";
inline constexpr const char* VoicePrompt = " 貴 様 に 聞 こ え る か ？";
inline constexpr const char* VoiceSuccess = " 貴 様 は 覚 醒 し て る !\u3000ジ ャ ス ト だ !";
inline constexpr const char* VoiceGateText = "100Pointまで修行してから参れ";
inline constexpr const char* TotalSuffix = "\u3000回 、 見 切 っ た !";
inline constexpr const char* ComboSuffix = "\u3000H i t !";

// Below this many points a training stop hides the hidden-domain button.
inline constexpr int HiddenDomainPoints = 500;

struct TrialStart {
    ColourValue colour;  // the prompt box's new font colour
    std::string prompt;
};

struct TrialStop {
    bool hide_domain_button;            // judged on the points before this stop scored
    std::optional<ColourValue> colour;  // set on a success only
    std::string verdict;
    std::string total;                  // "<total>　回 、 見 切 っ た !"
    std::string combo;                  // "<combo>　H i t !"
};

TrialStart EyeStart(GameState& state, const TickSource& ticks, IntervalTimer& timer2);
TrialStop EyeStop(GameState& state, IntervalTimer& timer2);
TrialStart VoiceStart(GameState& state, const TickSource& ticks, IntervalTimer& timer2);
TrialStop VoiceStop(GameState& state, IntervalTimer& timer2);
