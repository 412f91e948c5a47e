#pragma once

#include <windows.h>

#include "form/glyphs.h"
#include "win32/layout_scale.h"

// Draws the close button's glyph, or its greyed twin, with its top-left
// corner at x, y, grown by the layout's scale as the text beside it grows:
// each of its pixels a block of the screen's, as pixel art is enlarged.
void DrawDoorGlyph(HDC dc, int x, int y, bool greyed, const LayoutScale& scale);
