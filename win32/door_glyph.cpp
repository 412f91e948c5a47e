#include "win32/door_glyph.h"

#include "form/glyphs.h"

void DrawDoorGlyph(HDC dc, int x, int y, bool greyed, const LayoutScale& scale)
{
    const DoorGlyphPixels& glyph = DoorGlyph(greyed);
    // Filled as ExtTextOut fills its opaque rectangle, in the background
    // colour, which is put back afterwards.
    const COLORREF background = GetBkColor(dc);
    for (int row = 0; row < DoorGlyphSide; ++row)
        for (int column = 0; column < DoorGlyphSide; ++column)
            if (const std::uint32_t c = glyph[std::size_t(row * DoorGlyphSide + column)]; c != 0) {
                const RECT block{x + scale.ToScreen(column), y + scale.ToScreen(row), x + scale.ToScreen(column + 1),
                                 y + scale.ToScreen(row + 1)};
                SetBkColor(dc, RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF));
                ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &block, nullptr, 0, nullptr);
            }
    SetBkColor(dc, background);
}
