#include <cstdio>
#include <vector>

#include <QApplication>

#include "qt/start_options.h"
#include "core/tick_source.h"
#include "qt/font_warmup.h"
#include "qt/layout_font.h"
#include "qt/main_window.h"
#ifdef HORUMINA_X11_AND_WAYLAND
#include "qt/display_check.h"
#include "qt/x11_title.h"
#endif

namespace {

// Windows and macOS draw windows of their own; elsewhere X11 and Wayland do.
#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
constexpr WindowSystems ThisSystemsWindows = WindowSystems::Native;
#else
constexpr WindowSystems ThisSystemsWindows = WindowSystems::X11AndWayland;
#endif

StartChoice ChooseFromSession(int argc, char* argv[])
{
    const std::vector<std::string_view> args(argv, argv + argc);
    const Session session{!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"), !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"),
                          !qEnvironmentVariableIsEmpty("DISPLAY")};
    return ChooseStart(args, session, ThisSystemsWindows);
}

}  // namespace

int main(int argc, char* argv[])
{
    const StartChoice start = ChooseFromSession(argc, argv);
    switch (start.action) {
    case StartAction::ShowHelp: std::fputs(HelpText(HORUMINA_VERSION).c_str(), stdout); return 0;
    case StartAction::ShowVersion: std::fputs(VersionText(HORUMINA_VERSION).c_str(), stdout); return 0;
    case StartAction::NoDisplay: std::fputs(NoDisplayText.data(), stderr); return 1;
    case StartAction::Play: break;
    }
    if (!start.platform.empty())
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(start.platform));
#ifdef HORUMINA_X11_AND_WAYLAND
    if (const auto problem = WindowSystemProblem(start.platform.empty() ? ChosenPlatforms(argc, argv) : start.platform)) {
        std::fprintf(stderr, "horumina: %s\n", problem->c_str());
        return 1;
    }
#endif

    FontConfigWarmUp fonts;
    QApplication application(argc, argv);
    fonts.Join();
    // Wayland desktops match the window to its menu entry and icon by this name;
    // X desktops go by the window's class, the program's name.
    QGuiApplication::setDesktopFileName(QStringLiteral(HORUMINA_APP_ID));
    // The whole program speaks in the layout's face, the error box included.
    // Qt lays out each new edit box once in the application's face before it
    // takes its own; left at Qt's default face, that loads a second font at
    // start-up for nothing.
    QApplication::setFont(LayoutFont(WindowFontPixels));
    if (!LayoutFaceInstalled())
        std::fputs("horumina: no Japanese face found, so the captions show as boxes; "
                   "install IPA P Gothic (Debian package fonts-ipafont-gothic)\n",
                   stderr);
    SteadyTickSource ticks;
    MainWindow window(ticks);
#ifdef HORUMINA_X11_AND_WAYLAND
    TypeTitleAsUtf8(window);
#endif
    return application.exec();
}
