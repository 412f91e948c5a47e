#include <QApplication>

#include "core/tick_source.h"
#include "window/tform1.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // Wayland desktops match the window to its menu entry and icon by this name;
    // X desktops go by the window's class, the program's name.
    QGuiApplication::setDesktopFileName(QStringLiteral(HORUMINA_APP_ID));
    SteadyTickSource ticks;
    TForm1 Form1(ticks);
    Form1.show();
    return application.exec();
}
