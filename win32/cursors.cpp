#include "win32/cursors.h"

#include <array>
#include <cstdint>

namespace {

constexpr int Side = 32;

// The arrow with a small stack of pages below it to the right, as Windows
// shows when several things are dragged: X is black, o white, the rest clear.
constexpr const char* MultiDragArt[] = {
    "X",
    "XX",
    "XoX",
    "XooX",
    "XoooX",
    "XooooX",
    "XoooooX",
    "XooooooX",
    "XoooooooX",
    "XooooooooX",
    "XoooooXXXXX",
    "XooXooX",
    "XoX XooX",
    "XX  XooX",
    "X    XooX  XXXXXXXX",
    "     XooX  XooooooX",
    "      XX XXXXXXXXoX",
    "         XooooooXoX",
    "       XXXXXXXXoXoX",
    "       XooooooXoXoX",
    "       XooooooXoXXX",
    "       XooooooXoX",
    "       XooooooXXX",
    "       XooooooX",
    "       XXXXXXXX",
};

HCURSOR MakeMultiDrag()
{
    // One bit a pixel, rows of four bytes: the AND plane keeps the screen
    // where it is 1, the XOR plane then inverts it where it is 1.
    std::array<std::uint8_t, Side * Side / 8> keep;
    std::array<std::uint8_t, Side * Side / 8> invert{};
    keep.fill(0xFF);
    for (int y = 0; y < int(std::size(MultiDragArt)); ++y)
        for (int x = 0; MultiDragArt[y][x] != '\0'; ++x) {
            const char pixel = MultiDragArt[y][x];
            if (pixel == ' ')
                continue;
            const std::size_t byte = std::size_t(y * Side / 8 + x / 8);
            const std::uint8_t bit = std::uint8_t(0x80 >> (x % 8));
            keep[byte] &= std::uint8_t(~bit);
            if (pixel == 'o')
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
