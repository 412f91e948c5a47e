#include "qt/start_options.h"

namespace {

// Qt reads its own options with one dash or two.
bool IsOption(std::string_view arg, std::string_view name)
{
    if (arg.starts_with("--"))
        arg.remove_prefix(1);
    return arg == name;
}

}  // namespace

StartChoice ChooseStart(std::span<const std::string_view> args, const Session& session, WindowSystems windows)
{
    bool platform_chosen = session.platform_chosen;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--help" || args[i] == "-h")
            return {StartAction::ShowHelp, {}};
        if (args[i] == "--version")
            return {StartAction::ShowVersion, {}};
        platform_chosen = platform_chosen || IsOption(args[i], "-platform");
    }
    if (platform_chosen || windows == WindowSystems::Native)
        return {StartAction::Play, {}};
    if (session.wayland)
        return {StartAction::Play, session.x11 ? "xcb;wayland" : "wayland"};
    if (session.x11)
        return {StartAction::Play, "xcb"};
    return {StartAction::NoDisplay, {}};
}

std::string HelpText(std::string_view version)
{
    return "Usage: horumina [--help] [--version] [-platform NAME]\n"
           "Horumina " + std::string(version) + ", a game of inner timing: stop a silent stopwatch on time.\n"
           "\n"
           "  --help           show this help and exit\n"
           "  --version        show the version and exit\n"
           "  -platform NAME   the window system to open the window on (xcb, wayland);\n"
           "                   by default X11, or XWayland in a Wayland session that\n"
           "                   offers it, or else Wayland itself\n";
}

std::string VersionText(std::string_view version)
{
    return "horumina " + std::string(version) + "\n";
}
