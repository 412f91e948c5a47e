#include <gtest/gtest.h>

#include <string>

#include "core/integer_text.h"

namespace {

using namespace std::string_literals;

std::optional<std::int32_t> Read(std::string_view text) { return ParseInteger(text); }

TEST(IntegerText, ReadsDecimalAndHexadecimalWithBlanksAndSign)
{
    EXPECT_EQ(Read("5"), 5);
    EXPECT_EQ(Read(" 7"), 7);
    EXPECT_EQ(Read("+9"), 9);
    EXPECT_EQ(Read("-1"), -1);
    EXPECT_EQ(Read("$A"), 10);
    EXPECT_EQ(Read("0x1"), 1);
    EXPECT_EQ(Read("0"), 0);
    EXPECT_EQ(Read("-0"), 0);
    EXPECT_EQ(Read("007"), 7);
    EXPECT_EQ(Read("   -12"), -12);
    EXPECT_EQ(Read("xff"), 255);
    EXPECT_EQ(Read("XfF"), 255);
    EXPECT_EQ(Read("0XaB"), 171);
    EXPECT_EQ(Read("-$F"), -15);
    EXPECT_EQ(Read("+0x10"), 16);
    EXPECT_EQ(Read("$00"), 0);
}

TEST(IntegerText, RejectsEverythingElse)
{
    const std::string rejected[] = {
        "",     "   ",  "5 ",   "5.0",  "1e3",   "+",    "-",    "+-1",  "--1",  "- 1",  "$",    "x",
        "0x",   "-0X",  "$-1",  "$ 1",  "0x-1",  "00x1", "1x",   "$G",   "0xg",  "12a",  "A",    "ff",
        "\t5",  "5\n",  "\n5",  "٥",    "\u00a05",
    };
    for (const std::string& text : rejected)
        EXPECT_EQ(Read(text), std::nullopt) << '"' << text << '"';
}

TEST(IntegerText, NonAsciiInputFailsFullWidthDigitsIncluded)
{
    EXPECT_EQ(Read("５"), std::nullopt);
    EXPECT_EQ(Read("1５"), std::nullopt);
    EXPECT_EQ(Read("\u30005"), std::nullopt) << "an ideographic blank is not a blank here";
    EXPECT_EQ(Read("－1"), std::nullopt);
    EXPECT_EQ(Read("\xff\xfe"), std::nullopt);
    EXPECT_EQ(Read("\x80"), std::nullopt);
}

TEST(IntegerText, EmbeddedNulEndsNothing)
{
    EXPECT_EQ(Read("5\0"s), std::nullopt);
    EXPECT_EQ(Read("\0"s "5"), std::nullopt);
    EXPECT_EQ(Read("1\0"s "2"), std::nullopt);
}

TEST(IntegerText, DecimalMustFitThirtyTwoBits)
{
    EXPECT_EQ(Read("2147483647"), 2147483647);
    EXPECT_EQ(Read("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(Read("2147483648"), std::nullopt);
    EXPECT_EQ(Read("-2147483649"), std::nullopt);
    EXPECT_EQ(Read("4294967295"), std::nullopt);
    EXPECT_EQ(Read("4294967296"), std::nullopt) << "must not wrap to 0";
    EXPECT_EQ(Read("99999999999999999999999"), std::nullopt);
    EXPECT_EQ(Read("0000000000000002147483647"), 2147483647) << "leading zeros add nothing";
}

TEST(IntegerText, HexadecimalMustFitThirtyTwoBitsAsANumberNotABitPattern)
{
    EXPECT_EQ(Read("$7FFFFFFF"), 2147483647);
    EXPECT_EQ(Read("-$80000000"), -2147483647 - 1);
    EXPECT_EQ(Read("$80000000"), std::nullopt);
    EXPECT_EQ(Read("$FFFFFFFF"), std::nullopt) << "not -1";
    EXPECT_EQ(Read("-0x80000001"), std::nullopt);
    EXPECT_EQ(Read("0x100000000"), std::nullopt) << "must not wrap to 0";
    EXPECT_EQ(Read("$0000000000000000000000001"), 1);
}

TEST(IntegerText, MegabyteTextsAreReadToTheirEnd)
{
    const std::string zeros(1 << 20, '0');
    EXPECT_EQ(Read(zeros), 0);
    EXPECT_EQ(Read(std::string(1 << 20, ' ') + "42"), 42);
    EXPECT_EQ(Read(zeros + "x"), std::nullopt) << "a bad last byte still fails";
    EXPECT_EQ(Read("$" + zeros + "1F"), 31);
    EXPECT_EQ(Read(std::string(1 << 20, '9')), std::nullopt);
    EXPECT_EQ(Read(std::string(1 << 20, ' ')), std::nullopt);
}

}  // namespace
