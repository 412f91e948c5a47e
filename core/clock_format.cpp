#include "core/clock_format.h"

#include <algorithm>

namespace {

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
