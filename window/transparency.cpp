#include "core/opacity.h"
#include "window/tform1.h"

void TForm1::Button11Click()
{
    // Where the platform has no per-window opacity this is silently a no-op.
    setWindowOpacity(TransparencyClick(State) / 255.0);
}
