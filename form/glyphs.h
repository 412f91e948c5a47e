#pragma once

#include <array>
#include <cstdint>

// The game's own pixel art, drawn the same by every front end: each pixel an
// ARGB value, rows from the top, 0 where nothing is drawn.

// The close button's glyph: a door standing ajar, 18 x 18, with a greyed,
// embossed twin for when the button is disabled.
inline constexpr int DoorGlyphSide = 18;
using DoorGlyphPixels = std::array<std::uint32_t, DoorGlyphSide * DoorGlyphSide>;
const DoorGlyphPixels& DoorGlyph(bool greyed);

// The cursor of the controls that show several things dragged at once: the
// arrow with a small stack of pages below it to the right, in black and
// white, its hot spot at the arrow's tip, the top-left corner.
inline constexpr int MultiDragSide = 32;
using MultiDragPixels = std::array<std::uint32_t, MultiDragSide * MultiDragSide>;
const MultiDragPixels& MultiDragCursor();

inline constexpr std::uint32_t OpaqueBlack = 0xFF000000;
inline constexpr std::uint32_t OpaqueWhite = 0xFFFFFFFF;
