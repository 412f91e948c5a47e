#include "qt/display_check.h"

#include <cstdlib>
#include <vector>

#include <QCoreApplication>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>
#include <wayland-client.h>
#include <xcb/xcb.h>

namespace {

std::string Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::optional<std::string> XProblem()
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool opened = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (opened)
        return std::nullopt;
    const std::string display = Variable("DISPLAY");
    return display.empty() ? "an X display (DISPLAY is not set)" : "the X display " + display;
}

std::optional<std::string> WaylandProblem()
{
    // A socket handed down by the compositor can be connected once only: it
    // is left for Qt.
    if (!Variable("WAYLAND_SOCKET").empty())
        return std::nullopt;
    std::string name = Variable("WAYLAND_DISPLAY");
    if (name.empty())
        name = "wayland-0";
    // A display's name is the name of a socket in the runtime folder, unless
    // it is a path; without the folder libwayland says so on a line of its own.
    if (!name.starts_with('/') && Variable("XDG_RUNTIME_DIR").empty())
        return "the Wayland display " + name + " (XDG_RUNTIME_DIR is not set)";
    if (wl_display* display = wl_display_connect(nullptr)) {
        wl_display_disconnect(display);
        return std::nullopt;
    }
    return "the Wayland display " + name;
}

// Whether one of Qt's platform plug-ins answers to the name; read from the
// plug-ins' descriptions, none of them loaded.
bool QtHasPlatform(const QString& name)
{
    QStringList places;
    for (const QString& path : QCoreApplication::libraryPaths())
        places << path + QStringLiteral("/platforms");
    places << QString::fromLocal8Bit(qgetenv("QT_QPA_PLATFORM_PLUGIN_PATH"));
    for (const QString& place : places) {
        const QDir dir(place);
        if (place.isEmpty() || !dir.exists())
            continue;
        for (const QString& file : dir.entryList(QDir::Files)) {
            const QJsonObject about = QPluginLoader(dir.filePath(file)).metaData().value(QStringLiteral("MetaData")).toObject();
            for (const QJsonValue key : about.value(QStringLiteral("Keys")).toArray())
                if (key.toString().compare(name, Qt::CaseInsensitive) == 0)
                    return true;
        }
    }
    return false;
}

}  // namespace

std::optional<std::string> WindowSystemProblem(std::string_view platforms)
{
    std::vector<std::string> unopened;
    while (!platforms.empty()) {
        const std::string_view entry = platforms.substr(0, platforms.find(';'));
        platforms.remove_prefix(std::min(platforms.size(), entry.size() + 1));
        const std::string name(entry.substr(0, entry.find(':')));
        if (name.empty())
            continue;
        std::optional<std::string> problem;
        if (name == "xcb")
            problem = XProblem();
        else if (name.starts_with("wayland"))
            problem = WaylandProblem();
        else if (!QtHasPlatform(QString::fromStdString(name)))
            problem = "a window system named " + name + ": Qt has no platform plug-in of that name";
        if (!problem)
            return std::nullopt;
        unopened.push_back(*problem);
    }
    if (unopened.empty())
        return std::nullopt;
    std::string line = "cannot open " + unopened.front();
    for (std::size_t i = 1; i < unopened.size(); ++i)
        line += ", nor " + unopened[i];
    return line;
}

std::string ChosenPlatforms(int argc, char* argv[])
{
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "-platform" || arg == "--platform")
            return argv[i + 1];
    }
    return Variable("QT_QPA_PLATFORM");
}
