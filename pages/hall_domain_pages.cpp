#include "core/stopwatch.h"
#include "pages/pages.h"
#include "window/tform1.h"

namespace {

using T = TForm1;

const ControlRow HallOfMemory[] = {
    {&T::Button5, "Button5", {232, 104, 113, 25}, "【隠し】 神の領域", WindowFont, Hidden, 4, Cursor::MultiDrag},
};

const ControlRow MysteryDomain[] = {
    {&T::Button8, "Button8", {304, 156, 49, 25}, "裏技(笑)", WindowFont, Hidden, 4},
};

}  // namespace

std::span<const ControlRow> HallOfMemoryRows() { return HallOfMemory; }
std::span<const ControlRow> MysteryDomainRows() { return MysteryDomain; }

void TForm1::Timer3Timer()
{
    RefreshDigits(State, ticks_);
}
