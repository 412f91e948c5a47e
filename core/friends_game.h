#pragma once

#include <string>

#include "core/game_state.h"
#include "core/interval_timer.h"
#include "core/tick_source.h"

// The Friends Game: someone types a number of seconds, the player starts the
// silent stopwatch and stops it when they think that many whole seconds have
// passed. It scores nothing; a hit only toggles the bonus button of the
// Mystery Domain page.

inline constexpr const char* GuessPrompt = " 当 た る か ! ? ";
inline constexpr const char* ResultPrompt = " 結 果 は 如 何 に ? ";
inline constexpr const char* HitText = "当たり!!";
inline constexpr const char* MissText = "はずれ～";

struct GuessStart {
    std::string guess;   // the counted-seconds box
    std::string result;  // the hit-or-miss box
};

struct GuessStop {
    bool hit;  // a hit flips the bonus button between shown and hidden
    std::string result;
    std::string seconds;  // the whole seconds counted, in decimal
};

GuessStart FriendsStart(GameState& state, const TickSource& ticks, IntervalTimer& timer2);

// Throws GameError when the target is not an integer. By then the stopwatch
// is stopped but its digits are kept, so a stop with a corrected target
// judges the same counted time.
GuessStop FriendsStop(GameState& state, IntervalTimer& timer2, const std::string& target);
