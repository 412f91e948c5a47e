#include <QApplication>

#include "core/tick_source.h"
#include "window/layout_font.h"
#include "window/tform1.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // Wayland desktops match the window to its menu entry and icon by this name;
    // X desktops go by the window's class, the program's name.
    QGuiApplication::setDesktopFileName(QStringLiteral(HORUMINA_APP_ID));
    // The whole program speaks in the layout's face, the error box included.
    // Qt lays out each new edit box once in the application's face before it
    // takes its own; left at Qt's default face, that loads a second font at
    // start-up for nothing.
    QApplication::setFont(LayoutFont(WindowFontPixels));
    SteadyTickSource ticks;
    TForm1 Form1(ticks);
    Form1.show();
    return application.exec();
}
