#include "win32/cursors.h"

#include <array>
#include <cstdint>

#include "form/glyphs.h"

namespace {

HCURSOR MakeMultiDrag()
{
    // One bit a pixel, rows of four bytes: the AND plane keeps the screen
    // where it is 1, the XOR plane then inverts it where it is 1.
    constexpr int Side = MultiDragSide;
    std::array<std::uint8_t, Side * Side / 8> keep;
    std::array<std::uint8_t, Side * Side / 8> invert{};
    keep.fill(0xFF);
    const MultiDragPixels& cursor = MultiDragCursor();
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x) {
            const std::uint32_t pixel = cursor[std::size_t(y * Side + x)];
            if (pixel == 0)
                continue;
            const std::size_t byte = std::size_t(y * Side / 8 + x / 8);
            const std::uint8_t bit = std::uint8_t(0x80 >> (x % 8));
            keep[byte] &= std::uint8_t(~bit);
            if (pixel == OpaqueWhite)
                invert[byte] |= bit;
        }
    return CreateCursor(GetModuleHandleW(nullptr), 0, 0, Side, Side, keep.data(), invert.data());
}

}  // namespace

HCURSOR CursorOf(Cursor cursor)
{
    switch (cursor) {
    case Cursor::Standard: return nullptr;
    case Cursor::HandPoint: {
        static const HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
        return hand;
    }
    case Cursor::MultiDrag: {
        static const HCURSOR multi_drag = MakeMultiDrag();
        return multi_drag;
    }
    }
    return nullptr;
}
