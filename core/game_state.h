#pragma once

#include <cstdint>

// The one record of the game: the shared stopwatch's digits and every score
// and flag. Every field is a signed 32-bit integer and starts at 0; nothing
// of it outlives the run.
struct GameState {
    std::int32_t StartTick = 0;        // tick reading at the last start of any trial
    std::int32_t Centiseconds = 0;     // elapsed time at the last refresh, 1/100 s
    std::int32_t Seconds = 0;          // whole seconds of that time (any number of digits)
    std::int32_t TenthsDigit = 0;      // 0..9
    std::int32_t HundredthsDigit = 0;  // 0..9
    std::int32_t Points = 0;           // may go negative
    std::int32_t EyeTotal = 0;
    std::int32_t EyeCombo = 0;
    std::int32_t VoiceTotal = 0;
    std::int32_t VoiceCombo = 0;
    std::int32_t VoiceGate = 0;        // 1 when the voice trial began below 100 points
    std::int32_t SecondsMark = 0;      // hidden trial: 1 when the seconds read 7
    std::int32_t TenthsMark = 0;       // hidden trial: 2 when the tenths read 7
    std::int32_t HundredthsMark = 0;   // hidden trial: 3 when the hundredths read 7
    std::int32_t OpacityCounter = 0;   // the opacity the transparency button applies next
};
