#include "core/clock_format.h"

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

// The one code point a short UTF-8 text holds; Latin 0 where it is no digit
// of one code point.
char32_t CodePoint(std::string_view utf8)
{
    const auto byte = [&](std::size_t i) { return char32_t(static_cast<unsigned char>(utf8[i])); };
    if (utf8.size() == 1 && byte(0) < 0x80)
        return byte(0);
    if (utf8.size() == 2 && (byte(0) & 0xE0) == 0xC0)
        return (byte(0) & 0x1F) << 6 | (byte(1) & 0x3F);
    if (utf8.size() == 3 && (byte(0) & 0xF0) == 0xE0)
        return (byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
    if (utf8.size() == 4 && (byte(0) & 0xF8) == 0xF0)
        return (byte(0) & 0x07) << 18 | (byte(1) & 0x3F) << 12 | (byte(2) & 0x3F) << 6 | (byte(3) & 0x3F);
    return U'0';
}

void AppendUtf8(std::string& text, char32_t c)
{
    if (c < 0x80) {
        text += char(c);
    } else if (c < 0x800) {
        text += char(0xC0 | c >> 6);
        text += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += char(0xE0 | c >> 12);
        text += char(0x80 | (c >> 6 & 0x3F));
        text += char(0x80 | (c & 0x3F));
    } else {
        text += char(0xF0 | c >> 18);
        text += char(0x80 | (c >> 12 & 0x3F));
        text += char(0x80 | (c >> 6 & 0x3F));
        text += char(0x80 | (c & 0x3F));
    }
}

std::string TwoDigits(int value)
{
    return std::string(1, char('0' + value / 10 % 10)) + char('0' + value % 10);
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

std::string FormatClock(const ClockFormat& format, int hour, int minute, int second, std::string_view am,
                        std::string_view pm)
{
    int shown_hour = hour;
    if (format.twelve_hour)
        shown_hour = hour % 12 == 0 ? 12 : hour % 12;
    std::string text = format.hour_leading_zero ? TwoDigits(shown_hour) : std::to_string(shown_hour);
    text += format.separator + TwoDigits(minute) + format.separator + TwoDigits(second);
    if (!format.twelve_hour)
        return text;
    const std::string designator(hour < 12 ? am : pm);
    if (designator.empty())
        return text;
    return format.designator_first ? designator + " " + text : text + " " + designator;
}

std::string InLocaleDigits(std::string_view text, std::string_view zero)
{
    const char32_t first = CodePoint(zero);
    if (first == U'0')
        return std::string(text);
    std::string written;
    for (const char c : text) {
        if (c >= '0' && c <= '9')
            AppendUtf8(written, first + char32_t(c - '0'));
        else
            written += c;
    }
    return written;
}
