#pragma once

#include "core/game_state.h"
#include "core/interval_timer.h"
#include "core/tick_source.h"

// The one silent stopwatch every trial shares. A start takes a new reading and
// runs the trial's refresh timer; each refresh tick recomputes the digits; a
// stop only stops its timer, so a judgement uses the digits of the last tick.
void StartStopwatch(GameState& state, const TickSource& ticks, IntervalTimer& timer);
void RefreshDigits(GameState& state, const TickSource& ticks);
void ClearDigits(GameState& state);
