#include <gtest/gtest.h>

#include "core/app_title.h"
#include "core/colours.h"
#include "core/counter.h"
#include "core/error_text.h"
#include "core/opacity.h"

namespace {

TEST(AppTitle, FileNameCutAtTheFirstDotAndLoweredAfterTheFirstCharacter)
{
    EXPECT_EQ(AppTitleFromPath("C:\\GAMES\\GAME.EXE"), "Game");
    EXPECT_EQ(AppTitleFromPath("/usr/games/horumina"), "horumina");
    EXPECT_EQ(AppTitleFromPath("/opt/x.y/HoruMina.tar.gz"), "Horumina");
    EXPECT_EQ(AppTitleFromPath("/tmp/.hidden"), "");
    EXPECT_EQ(AppTitleFromPath(""), "");
}

TEST(ErrorText, PeriodAddedOnlyAfterCharactersSortingAfterIt)
{
    EXPECT_EQ(ErrorBoxText("'abc' は整数ではありません"), "'abc' は整数ではありません.");
    EXPECT_EQ(ErrorBoxText("No timer"), "No timer.");
    EXPECT_EQ(ErrorBoxText("Count 7"), "Count 7.");
    for (const char* kept : {"Done.", "Stop!", "(x)", "gap ", ""})
        EXPECT_EQ(ErrorBoxText(kept), kept);
}

TEST(ShownColour, FixedColoursGiveWayToTheSystemsOnlyUnderHighContrast)
{
    for (ColourValue fixed : {clNavy, clBlue, clTeal, clGray, clRed, clGreen, clSkyBlue}) {
        EXPECT_EQ(ShownColour(fixed, false), fixed);
        EXPECT_EQ(ShownColour(fixed, true), clWindowText);
    }
    for (ColourValue system : {clWindowText, clBtnFace, clWindow, clNone})
        EXPECT_EQ(ShownColour(system, true), system);
}

TEST(Counter, StopsAtBothBounds)
{
    std::int32_t c = 2147483600;
    SaturatingAdd(c, 1000);
    EXPECT_EQ(c, 2147483647);
    c = -2147483600;
    SaturatingAdd(c, -1000);
    EXPECT_EQ(c, -2147483647 - 1);
    SaturatingAdd(c, 5);
    EXPECT_EQ(c, -2147483643);
}

TEST(Opacity, StepsDownReturnsToOpaqueAndNeverVanishes)
{
    GameState state;
    state.OpacityCounter = 230;
    std::vector<int> applied;
    for (int click = 0; click < 80; ++click) {
        applied.push_back(TransparencyClick(state));
        ASSERT_GE(applied.back(), 1);
        ASSERT_LE(applied.back(), 255);
    }
    EXPECT_EQ(applied[0], 230);
    EXPECT_EQ(applied[1], 220);
    EXPECT_EQ(applied[21], 20);
    EXPECT_EQ(applied[22], 255);
    EXPECT_EQ(applied[23], 245);
    EXPECT_EQ(applied[47], 5);
    EXPECT_EQ(applied[48], 255) << "after the faintest step the cycle starts again from opaque";
    EXPECT_EQ(applied[73], 5);
}

}  // namespace
