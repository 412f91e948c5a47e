#pragma once

#include <string>

#include "core/colours.h"
#include "core/game_state.h"
#include "core/interval_timer.h"
#include "core/tick_source.h"

// The Hall of Memory's score display and the Mystery Domain's hidden trial:
// stop the stopwatch at 7 : 7 : 7 while its digits run live before you.
// Each rule changes the state and returns what its page shows.

inline constexpr const char* VictoryText = "勝利";
inline constexpr const char* DefeatText = "敗北";
// A victory's verdict is written in this size of type, and it stays so.
inline constexpr int VictoryFontPoints = 13;
inline constexpr int BonusPoints = 500;

struct ScoreDisplay {
    std::string points;
    std::string eye_total;
    std::string voice_total;
    bool show_domain_button;  // from 500 points on
};

struct HiddenTrialStop {
    ColourValue readout_colour;  // the readout keeps its last text, in this colour
    bool victory;
    std::string verdict;
};

ScoreDisplay ShowScores(const GameState& state);

// Returns the readout's colour while the count runs.
ColourValue HiddenTrialStart(GameState& state, const TickSource& ticks, IntervalTimer& timer3);

// One tick of the hidden trial's timer: the digits as they stand now.
std::string LiveReadout(GameState& state, const TickSource& ticks);

HiddenTrialStop HiddenTrialJudge(GameState& state, IntervalTimer& timer3);

void TakeBonus(GameState& state);

// A type size in points as pixels on a screen of `dpi` pixels per inch,
// rounded to the nearest pixel.
int PointsToPixels(int points, int dpi);
