#include "win32/door_glyph.h"

#include <array>

namespace {

// Where the glyph is not drawn; no colour of the door comes near it.
constexpr COLORREF Clear = RGB(0xFF, 0x00, 0xFF);

using Pixels = std::array<COLORREF, DoorGlyphSide * DoorGlyphSide>;

void Fill(Pixels& door, int left, int top, int width, int height, COLORREF colour)
{
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            door[std::size_t(y * DoorGlyphSide + x)] = colour;
}

Pixels Door()
{
    Pixels door;
    door.fill(Clear);
    // The frame, and the dark doorway the open door leaves.
    Fill(door, 3, 1, 12, 16, RGB(0x40, 0x40, 0x40));
    Fill(door, 4, 2, 10, 15, RGB(0x00, 0x00, 0x00));
    // The door itself, swung a little towards the viewer on its left hinges:
    // its outer edge drops from row 4 to row 17 while the hinge side runs
    // from row 2 to row 16.
    for (int x = 4; x <= 11; ++x) {
        const int top = 2 + (x - 4) * 2 / 7;
        const int bottom = 16 + (x - 4) / 7;
        const bool edge = x == 4 || x == 11;
        for (int y = top; y <= bottom; ++y)
            door[std::size_t(y * DoorGlyphSide + x)] =
                edge || y == top || y == bottom ? RGB(0x80, 0x40, 0x00) : RGB(0xC0, 0x80, 0x40);
    }
    Fill(door, 9, 10, 2, 2, RGB(0xFF, 0xFF, 0x00));
    // The floor line.
    Fill(door, 1, 17, 16, 1, RGB(0x80, 0x80, 0x80));
    return door;
}

// A disabled glyph keeps only its darker strokes, in grey over their own
// white shadow one pixel down and to the right; its light patches drop out.
Pixels Greyed(const Pixels& door)
{
    auto ink = [&](int x, int y) {
        const COLORREF c = door[std::size_t(y * DoorGlyphSide + x)];
        return c != Clear && (GetRValue(c) * 299 + GetGValue(c) * 587 + GetBValue(c) * 114) / 1000 < 192;
    };
    Pixels grey;
    grey.fill(Clear);
    for (int y = 0; y + 1 < DoorGlyphSide; ++y)
        for (int x = 0; x + 1 < DoorGlyphSide; ++x)
            if (ink(x, y))
                grey[std::size_t((y + 1) * DoorGlyphSide + x + 1)] = RGB(0xFF, 0xFF, 0xFF);
    for (int y = 0; y < DoorGlyphSide; ++y)
        for (int x = 0; x < DoorGlyphSide; ++x)
            if (ink(x, y))
                grey[std::size_t(y * DoorGlyphSide + x)] = RGB(0x80, 0x80, 0x80);
    return grey;
}

}  // namespace

void DrawDoorGlyph(HDC dc, int x, int y, bool greyed)
{
    static const Pixels colour = Door();
    static const Pixels grey = Greyed(colour);
    const Pixels& glyph = greyed ? grey : colour;
    for (int row = 0; row < DoorGlyphSide; ++row)
        for (int column = 0; column < DoorGlyphSide; ++column)
            if (const COLORREF c = glyph[std::size_t(row * DoorGlyphSide + column)]; c != Clear)
                SetPixelV(dc, x + column, y + row, c);
}
