#pragma once

#include <string>
#include <string_view>

// How the locale writes a time of day, reduced to what the clock shows: the
// hour with or without a leading zero, on a 12- or 24-hour dial, the
// separator, and where the morning/afternoon designator stands.
struct ClockFormat {
    bool twelve_hour = false;
    bool hour_leading_zero = false;
    std::string separator = ":";
    bool designator_first = false;
};

// Reads a time pattern in the usual letters (h/hh 12-hour, H/HH 24-hour,
// m, s, a/A/AP/ap or t/tt for the designator, quoted literals).
ClockFormat ClockFormatFromPattern(std::string_view pattern);

// "9:05:07", "09:05:07", "9:05:07 PM" or "午後 9:05:07", as the format says.
std::string FormatClock(const ClockFormat& format, int hour, int minute, int second, std::string_view am,
                        std::string_view pm);
