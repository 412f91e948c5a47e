#pragma once

#include <optional>
#include <string>
#include <string_view>

// Whether the window can be opened on one of the window systems Qt is to try,
// given in Qt's spelling ("xcb", "xcb;wayland", "wayland:option"), asked
// before Qt opens any of them: where none opens, Qt aborts the program with a
// hint to reinstall it. Returns what could not be opened, as a line for the
// player, or nothing when one of them opens or another is named that Qt has.
std::optional<std::string> WindowSystemProblem(std::string_view platforms);

// The window systems the player chose: -platform on the command line, which
// Qt takes before QT_QPA_PLATFORM, or else that variable; empty when neither.
std::string ChosenPlatforms(int argc, char* argv[]);
