#pragma once

#include <span>
#include <string>
#include <string_view>

// What a start asks for, from the command line and the session the game is
// started in, decided before any window system is opened.

// What the session offers; each is true when its variable is set and not empty.
struct Session {
    bool platform_chosen = false;  // QT_QPA_PLATFORM
    bool wayland = false;          // WAYLAND_DISPLAY
    bool x11 = false;              // DISPLAY
};

// Who draws the windows of the system the game was built for: the X11 or
// Wayland display a session names, or the system itself (Windows, macOS),
// which needs no display named.
enum class WindowSystems { X11AndWayland, Native };

enum class StartAction { Play, ShowHelp, ShowVersion, NoDisplay };

struct StartChoice {
    StartAction action = StartAction::Play;
    // The window systems to try, in Qt's spelling, or empty to leave Qt's
    // own choice (or the user's) alone.
    std::string platform;
};

// A Wayland session that also runs XWayland gets the game as an X client,
// where it can centre itself and set its own opacity; native Wayland stays
// the fallback. The user's own choice, by QT_QPA_PLATFORM or -platform,
// always wins. Without any display there is nothing to play on. A system
// that draws its own windows leaves the choice to Qt.
StartChoice ChooseStart(std::span<const std::string_view> args, const Session& session, WindowSystems windows);

std::string HelpText(std::string_view version);
std::string VersionText(std::string_view version);
inline constexpr std::string_view NoDisplayText =
    "horumina: no display to open the window on (DISPLAY or WAYLAND_DISPLAY is not set)\n";
