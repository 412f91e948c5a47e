#pragma once

#include "core/game_state.h"

// One click of the transparency button: returns the opacity (1..255) the
// window takes now and moves the counter on. From the start the clicks apply
// 230, 220, ..., 20, then 255, 245, ..., 5, and from there the cycle from 255
// down to 5 repeats, so the window never vanishes.
int TransparencyClick(GameState& state);
