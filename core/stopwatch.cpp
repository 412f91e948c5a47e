#include "core/stopwatch.h"

#include <cstdint>

void StartStopwatch(GameState& state, const TickSource& ticks, IntervalTimer& timer)
{
    state.StartTick = static_cast<std::int32_t>(ticks.Now());
    timer.SetInterval(RefreshIntervalMs);
}

void RefreshDigits(GameState& state, const TickSource& ticks)
{
    // Unsigned subtraction: a wrap of the counter since the start still gives
    // the true elapsed time.
    std::uint32_t elapsed_ms = ticks.Now() - static_cast<std::uint32_t>(state.StartTick);
    std::uint32_t centiseconds = elapsed_ms / 10;
    std::uint32_t tenths = centiseconds / 10;
    state.Centiseconds = static_cast<std::int32_t>(centiseconds);
    state.Seconds = static_cast<std::int32_t>(tenths / 10);
    state.TenthsDigit = static_cast<std::int32_t>(tenths % 10);
    state.HundredthsDigit = static_cast<std::int32_t>(centiseconds % 10);
}

void ClearDigits(GameState& state)
{
    state.Seconds = 0;
    state.TenthsDigit = 0;
    state.HundredthsDigit = 0;
}
