#include "qt/xwayland.h"

#include <QGuiApplication>
#include <QScreen>

bool UnderXWayland()
{
    // XWayland names its outputs XWAYLAND0, XWAYLAND1 …; no X server of a
    // machine's own screens does.
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->name().startsWith(QLatin1String("XWAYLAND")))
            return true;
    return false;
}
