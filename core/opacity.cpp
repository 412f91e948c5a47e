#include "core/opacity.h"

#include "core/counter.h"

int TransparencyClick(GameState& state)
{
    // Past the faintest step the window turns opaque again rather than vanish.
    if (state.OpacityCounter < 1 || state.OpacityCounter > 255)
        state.OpacityCounter = 255;
    const int applied = state.OpacityCounter;
    SaturatingAdd(state.OpacityCounter, -10);
    if (state.OpacityCounter == 10)
        state.OpacityCounter = 255;
    return applied;
}
