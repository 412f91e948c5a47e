#include "qt/clock_pattern.h"

#include <algorithm>

namespace {

// "a" or "A" alone, or followed by "p" or "P" as one two-letter designator;
// the case of the letters says the case of the designator. Returns how many
// letters the designator takes.
std::size_t ReadDesignator(std::string_view pattern, std::size_t at, DesignatorCase& shown)
{
    const bool upper = pattern[at] == 'A';
    const DesignatorCase one_case = upper ? DesignatorCase::Upper : DesignatorCase::Lower;
    const char next = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
    if (next != 'p' && next != 'P') {
        shown = one_case;
        return 1;
    }
    shown = (next == 'P') == upper ? one_case : DesignatorCase::AsTheLocaleWritesIt;
    return 2;
}

}  // namespace

ClockFormat ClockFormatFromPattern(std::string_view pattern)
{
    ClockFormat format;
    bool seen_hour = false, seen_designator = false, reading_separator = false;
    std::string separator;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '\'') {  // a quoted literal, part of the separator when it stands there
            const std::size_t close = std::min(pattern.find('\'', i + 1), pattern.size());
            if (reading_separator)
                separator += pattern.substr(i + 1, close - i - 1);
            i = close;
            continue;
        }
        if (c == 'h' || c == 'H') {
            if (!seen_hour) {
                seen_hour = true;
                format.twelve_hour = c == 'h';
                format.hour_leading_zero = i + 1 < pattern.size() && pattern[i + 1] == c;
                format.designator_first = seen_designator;
                reading_separator = true;
            }
            continue;
        }
        if (c == 'a' || c == 'A') {
            i += ReadDesignator(pattern, i, format.designator_case) - 1;
            seen_designator = true;
            reading_separator = false;
            continue;
        }
        if (c == 'm' || c == 's')
            reading_separator = false;
        else if (reading_separator)
            separator += c;
    }
    // A pattern that names no designator has none to show.
    format.twelve_hour = format.twelve_hour && seen_designator;
    if (!separator.empty())
        format.separator = separator;
    return format;
}
