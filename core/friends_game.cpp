#include "core/friends_game.h"

#include "core/error_text.h"
#include "core/integer_text.h"
#include "core/stopwatch.h"

GuessStart FriendsStart(GameState& state, const TickSource& ticks, IntervalTimer& timer2)
{
    StartStopwatch(state, ticks, timer2);
    return {GuessPrompt, ResultPrompt};
}

GuessStop FriendsStop(GameState& state, IntervalTimer& timer2, const std::string& target)
{
    timer2.SetInterval(0);
    const std::optional<std::int32_t> wanted = ParseInteger(target);
    if (!wanted)
        throw GameError("'" + target + "' は整数ではありません");
    GuessStop shown{};
    shown.hit = *wanted == state.Seconds;
    shown.result = shown.hit ? HitText : MissText;
    shown.seconds = std::to_string(state.Seconds);
    ClearDigits(state);
    return shown;
}
