#include "form/glyphs.h"

#include <iterator>

namespace {

constexpr std::uint32_t Colour(std::uint32_t rgb) { return 0xFF000000 | rgb; }

void Fill(DoorGlyphPixels& door, int left, int top, int width, int height, std::uint32_t colour)
{
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            door[std::size_t(y * DoorGlyphSide + x)] = colour;
}

DoorGlyphPixels Door()
{
    DoorGlyphPixels door{};
    // The frame, and the dark doorway the open door leaves.
    Fill(door, 3, 1, 12, 16, Colour(0x404040));
    Fill(door, 4, 2, 10, 15, Colour(0x000000));
    // The door itself, swung a little towards the viewer on its left hinges:
    // its outer edge drops from row 4 to row 17 while the hinge side runs
    // from row 2 to row 16.
    for (int x = 4; x <= 11; ++x) {
        const int top = 2 + (x - 4) * 2 / 7;
        const int bottom = 16 + (x - 4) / 7;
        const bool edge = x == 4 || x == 11;
        for (int y = top; y <= bottom; ++y)
            door[std::size_t(y * DoorGlyphSide + x)] =
                edge || y == top || y == bottom ? Colour(0x804000) : Colour(0xC08040);
    }
    // The knob, and the floor line.
    Fill(door, 9, 10, 2, 2, Colour(0xFFFF00));
    Fill(door, 1, 17, 16, 1, Colour(0x808080));
    return door;
}

// A disabled glyph keeps only its darker strokes, in grey over their own
// white shadow one pixel down and to the right; its light patches drop out.
DoorGlyphPixels Greyed(const DoorGlyphPixels& door)
{
    auto ink = [&](int x, int y) {
        const std::uint32_t c = door[std::size_t(y * DoorGlyphSide + x)];
        const std::uint32_t r = (c >> 16) & 0xFF, g = (c >> 8) & 0xFF, b = c & 0xFF;
        return c != 0 && (r * 299 + g * 587 + b * 114) / 1000 < 192;
    };
    DoorGlyphPixels grey{};
    for (int y = 0; y + 1 < DoorGlyphSide; ++y)
        for (int x = 0; x + 1 < DoorGlyphSide; ++x)
            if (ink(x, y))
                grey[std::size_t((y + 1) * DoorGlyphSide + x + 1)] = OpaqueWhite;
    for (int y = 0; y < DoorGlyphSide; ++y)
        for (int x = 0; x < DoorGlyphSide; ++x)
            if (ink(x, y))
                grey[std::size_t(y * DoorGlyphSide + x)] = Colour(0x808080);
    return grey;
}

// X is black, o white, the rest clear.
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

MultiDragPixels MultiDrag()
{
    MultiDragPixels cursor{};
    for (int y = 0; y < int(std::size(MultiDragArt)); ++y)
        for (int x = 0; MultiDragArt[y][x] != '\0'; ++x)
            if (const char pixel = MultiDragArt[y][x]; pixel != ' ')
                cursor[std::size_t(y * MultiDragSide + x)] = pixel == 'X' ? OpaqueBlack : OpaqueWhite;
    return cursor;
}

}  // namespace

const DoorGlyphPixels& DoorGlyph(bool greyed)
{
    static const DoorGlyphPixels colour = Door();
    static const DoorGlyphPixels grey = Greyed(colour);
    return greyed ? grey : colour;
}

const MultiDragPixels& MultiDragCursor()
{
    static const MultiDragPixels cursor = MultiDrag();
    return cursor;
}
