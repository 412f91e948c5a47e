#include <gtest/gtest.h>

#include "core/clock_format.h"

namespace {

TEST(ClockFormat, TheDialTheZeroTheSeparatorAndTheDesignatorsPlace)
{
    ClockFormat format;
    EXPECT_EQ(FormatClock(format, 9, 5, 7, "AM", "PM"), "9:05:07");
    format.hour_leading_zero = true;
    format.separator = ".";
    EXPECT_EQ(FormatClock(format, 9, 5, 7, "AM", "PM"), "09.05.07");
    format = {.twelve_hour = true};
    EXPECT_EQ(FormatClock(format, 0, 1, 2, "AM", "PM"), "12:01:02 AM");
    EXPECT_EQ(FormatClock(format, 12, 0, 0, "AM", "PM"), "12:00:00 PM");
    EXPECT_EQ(FormatClock(format, 13, 0, 0, "", ""), "1:00:00") << "a locale with no designators";
    format.designator_first = true;
    EXPECT_EQ(FormatClock(format, 15, 4, 3, "오전", "오후"), "오후 3:04:03");
}

TEST(ClockFormat, TheLocalesOwnDigits)
{
    EXPECT_EQ(InLocaleDigits("12:29:32 م", "٠"), "١٢:٢٩:٣٢ م");
    EXPECT_EQ(InLocaleDigits("9:05:07", "۰"), "۹:۰۵:۰۷") << "Persian";
    EXPECT_EQ(InLocaleDigits("21:48:58", "०"), "२१:४८:५८") << "Devanagari, three bytes a digit";
    EXPECT_EQ(InLocaleDigits("9:05:07 PM", "0"), "9:05:07 PM");
}

}  // namespace
