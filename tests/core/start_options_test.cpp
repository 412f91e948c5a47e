#include <gtest/gtest.h>

#include <vector>

#include "core/start_options.h"

namespace {

StartChoice Choose(std::vector<std::string_view> args, Session session)
{
    args.insert(args.begin(), "horumina");
    return ChooseStart(args, session);
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

TEST(StartOptions, HelpAndVersionNeedNoDisplay)
{
    EXPECT_EQ(Choose({"--help"}, {}).action, StartAction::ShowHelp);
    EXPECT_EQ(Choose({"-h"}, {}).action, StartAction::ShowHelp);
    EXPECT_EQ(Choose({"-platform", "xcb", "--version"}, {}).action, StartAction::ShowVersion);
    EXPECT_EQ(VersionText("1.0.0"), "horumina 1.0.0\n");
}

}  // namespace
