#pragma once

#include <string_view>

#include "core/clock_format.h"

// Reads a time pattern in QLocale's letters: h/hh for the hour on a 12-hour
// dial when a designator is named (24-hour otherwise), H/HH always 24-hour,
// m and s, quoted literals, and the designator as A or AP (upper case), a or
// ap (lower case), or Ap or aP (as the locale writes it). Any other letter,
// "t" (the time zone) among them, is no designator.
ClockFormat ClockFormatFromPattern(std::string_view pattern);
