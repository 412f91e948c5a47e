#include "window/platform.h"

#include <QGuiApplication>

bool IsWaylandNative()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}
