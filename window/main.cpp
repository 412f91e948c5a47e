#include <QApplication>

#include "core/tick_source.h"
#include "window/tform1.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    SteadyTickSource ticks;
    TForm1 Form1(ticks);
    Form1.show();
    return application.exec();
}
