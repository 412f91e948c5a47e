#pragma once

#include <string>
#include <string_view>

// How the locale writes a time of day, reduced to what the clock shows: the
// hour with or without a leading zero, on a 12- or 24-hour dial, the
// separator, and where the morning/afternoon designator stands and in which
// case it is written.
enum class DesignatorCase { AsTheLocaleWritesIt, Upper, Lower };

struct ClockFormat {
    bool twelve_hour = false;
    bool hour_leading_zero = false;
    std::string separator = ":";
    bool designator_first = false;
    DesignatorCase designator_case = DesignatorCase::AsTheLocaleWritesIt;
};

// "9:05:07", "09:05:07", "9:05:07 PM" or "午後 9:05:07", as the format says;
// the designators come already in the format's case.
std::string FormatClock(const ClockFormat& format, int hour, int minute, int second, std::string_view am,
                        std::string_view pm);

// The text with its digits 0 to 9 written in the locale's own digits, given
// by its zero in UTF-8 ("٠" for Arabic-Indic, "۰" for Persian): the nine
// digits after the zero follow it in Unicode in every script Unicode has.
std::string InLocaleDigits(std::string_view text, std::string_view zero);
