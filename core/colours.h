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
