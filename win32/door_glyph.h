#pragma once

#include <windows.h>

#include "form/glyphs.h"

// Draws the close button's glyph, or its greyed twin, with its top-left
// corner at x, y.
void DrawDoorGlyph(HDC dc, int x, int y, bool greyed);
