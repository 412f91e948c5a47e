#include <gtest/gtest.h>

#include <vector>

#include "qt/start_options.h"

namespace {

StartChoice Choose(std::vector<std::string_view> args, Session session,
                   WindowSystems windows = WindowSystems::X11AndWayland)
{
    args.insert(args.begin(), "horumina");
    return ChooseStart(args, session, windows);
}

TEST(StartOptions, ThePlatformFollowsWhatTheSessionOffersUnlessTheUserChose)
{
    const Session x11{false, false, true}, wayland{false, true, false}, both{false, true, true}, none{};
    EXPECT_EQ(Choose({}, x11).platform, "xcb");
    EXPECT_EQ(Choose({}, wayland).platform, "wayland");
    EXPECT_EQ(Choose({}, both).platform, "xcb;wayland") << "XWayland first, native Wayland if it fails";
    EXPECT_EQ(Choose({}, none).action, StartAction::NoDisplay);

    const Session chosen{true, true, true};
    EXPECT_EQ(Choose({}, chosen).action, StartAction::Play);
    EXPECT_EQ(Choose({}, chosen).platform, "");
    EXPECT_EQ(Choose({}, Session{true, false, false}).action, StartAction::Play) << "offscreen needs no display";
    for (std::string_view option : {"-platform", "--platform"}) {
        const StartChoice choice = Choose({option, "wayland"}, both);
        EXPECT_EQ(choice.action, StartAction::Play);
        EXPECT_EQ(choice.platform, "");
    }
}

// Windows and macOS have no display variable to name: their own window
// system always plays, and Qt picks it.
TEST(StartOptions, ASystemThatDrawsItsOwnWindowsPlaysWithoutADisplay)
{
    const Session none{}, x11{false, false, true};
    EXPECT_EQ(Choose({}, none, WindowSystems::X11AndWayland).action, StartAction::NoDisplay);
    for (const Session& session : {none, x11}) {
        const StartChoice choice = Choose({}, session, WindowSystems::Native);
        EXPECT_EQ(choice.action, StartAction::Play);
        EXPECT_EQ(choice.platform, "") << "Qt's own platform for the system, not xcb";
    }
    EXPECT_EQ(Choose({"--version"}, none, WindowSystems::Native).action, StartAction::ShowVersion);
}

TEST(StartOptions, HelpAndVersionNeedNoDisplay)
{
    EXPECT_EQ(Choose({"--help"}, {}).action, StartAction::ShowHelp);
    EXPECT_EQ(Choose({"-h"}, {}).action, StartAction::ShowHelp);
    EXPECT_EQ(Choose({"-platform", "xcb", "--version"}, {}).action, StartAction::ShowVersion);
    EXPECT_EQ(VersionText("1.0.0"), "horumina 1.0.0\n");
}

}  // namespace
