#pragma once

#include <windows.h>

// The close button's glyph, a door standing ajar, 18 x 18 pixels, with a
// greyed, embossed twin for when the button is disabled; drawn with its
// top-left corner at x, y.
inline constexpr int DoorGlyphSide = 18;
void DrawDoorGlyph(HDC dc, int x, int y, bool greyed);
