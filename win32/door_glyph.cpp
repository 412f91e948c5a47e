#include "win32/door_glyph.h"

#include "form/glyphs.h"

void DrawDoorGlyph(HDC dc, int x, int y, bool greyed)
{
    const DoorGlyphPixels& glyph = DoorGlyph(greyed);
    for (int row = 0; row < DoorGlyphSide; ++row)
        for (int column = 0; column < DoorGlyphSide; ++column)
            if (const std::uint32_t c = glyph[std::size_t(row * DoorGlyphSide + column)]; c != 0)
                SetPixelV(dc, x + column, y + row, RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF));
}
