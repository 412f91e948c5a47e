#include "qt/wayland_native.h"

#include <QGuiApplication>

bool IsWaylandNative()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}
