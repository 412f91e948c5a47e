#include <gtest/gtest.h>

#include "qt/clock_pattern.h"

namespace {

std::string Clock(const char* pattern, int h, int m, int s, const char* am = "AM", const char* pm = "PM")
{
    return FormatClock(ClockFormatFromPattern(pattern), h, m, s, am, pm);
}

TEST(ClockPattern, TwentyFourHourClocksWithAndWithoutLeadingZero)
{
    EXPECT_EQ(Clock("HH:mm", 9, 5, 7), "09:05:07");
    EXPECT_EQ(Clock("H:mm", 9, 5, 7), "9:05:07");
    EXPECT_EQ(Clock("H:mm", 23, 59, 59), "23:59:59");
    EXPECT_EQ(Clock("H.mm", 0, 0, 0), "0.00.00") << "the locale's own separator";
    EXPECT_EQ(Clock("HH 'h' mm", 14, 30, 0), "14 h 30 h 00");
}

TEST(ClockPattern, TwelveHourClocksPlaceTheDesignatorWhereTheLocaleDoes)
{
    EXPECT_EQ(Clock("h:mm AP", 0, 1, 2), "12:01:02 AM");
    EXPECT_EQ(Clock("h:mm AP", 12, 0, 0), "12:00:00 PM");
    EXPECT_EQ(Clock("h:mm AP", 21, 5, 7), "9:05:07 PM");
    EXPECT_EQ(Clock("hh:mm ap", 9, 5, 7, "am", "pm"), "09:05:07 am");
    EXPECT_EQ(Clock("AP h:mm", 15, 4, 3, "오전", "오후"), "오후 3:04:03");
}

TEST(ClockPattern, DesignatorLettersAreQLocales)
{
    const auto shown = [](const char* pattern) { return ClockFormatFromPattern(pattern).designator_case; };
    EXPECT_EQ(shown("h:mm A"), DesignatorCase::Upper);
    EXPECT_EQ(shown("h:mm AP"), DesignatorCase::Upper);
    EXPECT_EQ(shown("h:mm a"), DesignatorCase::Lower);
    EXPECT_EQ(shown("ap h:mm"), DesignatorCase::Lower);
    EXPECT_EQ(shown("h:mm Ap"), DesignatorCase::AsTheLocaleWritesIt);
    EXPECT_EQ(shown("h:mm aP"), DesignatorCase::AsTheLocaleWritesIt);
    EXPECT_EQ(Clock("h:mm A", 21, 5, 7), "9:05:07 PM");
    EXPECT_EQ(Clock("h:mm:ss t", 21, 5, 7), "21:05:07") << "t is the time zone: no designator, a 24-hour dial";
    EXPECT_EQ(Clock("t h:mm", 8, 0, 0, "午前", "午後"), "8:00:00");
    EXPECT_EQ(Clock("h.mm p", 21, 5, 7), "21.05.07") << "p alone is no designator";
}

TEST(ClockPattern, OddPatternsStillGiveAReadableClock)
{
    EXPECT_EQ(Clock("h:mm", 15, 4, 3), "15:04:03") << "no designator named: a 24-hour dial";
    EXPECT_EQ(Clock("", 7, 8, 9), "7:08:09");
    EXPECT_EQ(Clock("HH'", 7, 8, 9), "07:08:09") << "an unclosed quote";
    EXPECT_EQ(Clock("h:mm AP", 13, 0, 0, "", ""), "1:00:00");
}

}  // namespace
