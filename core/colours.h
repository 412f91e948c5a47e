#pragma once

#include <cstdint>

// Colour values as the layout writes them: $00BBGGRR for a plain colour; a
// top byte of $80 names a system colour by the index in the low byte.
using ColourValue = std::uint32_t;

inline constexpr ColourValue clBtnFace = 0x8000000F;
inline constexpr ColourValue clWindowText = 0x80000008;
inline constexpr ColourValue clWindow = 0x80000005;
inline constexpr ColourValue clGreen = 0x008000;
inline constexpr ColourValue clTeal = 0x808000;
inline constexpr ColourValue clNavy = 0x800000;
inline constexpr ColourValue clBlue = 0xFF0000;
inline constexpr ColourValue clGray = 0x808080;
inline constexpr ColourValue clRed = 0x0000FF;
inline constexpr ColourValue clSkyBlue = 0xF0CAA6;
// Neither a colour nor a system colour: text in it is drawn in the box's
// default text colour.
inline constexpr ColourValue clNone = 0x1FFFFFFF;

inline constexpr bool IsSystemColour(ColourValue c) { return (c >> 24) == 0x80; }

// The colour a text is shown in. Under a high-contrast scheme the colours the
// tables fix give way to the system's: such a text is shown in the window
// text colour, which the scheme makes readable on the face and window
// colours every box stands on (the tables fix no background of their own).
// The system colours and the box's default stay as they are, and without
// high contrast every colour is shown as the tables give it.
inline constexpr ColourValue ShownColour(ColourValue designed, bool high_contrast)
{
    return high_contrast && designed != clNone && !IsSystemColour(designed) ? clWindowText : designed;
}
