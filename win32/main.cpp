#include <windows.h>

#include "core/tick_source.h"
#include "form/tform1.h"
#include "pages/pages.h"
#include "win32/layout_scale.h"
#include "win32/main_window.h"
#include "win32/platform.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show_command)
{
    LayoutScale scale = LayoutScale::OfScreen();
    Win32Platform platform(scale);
    SteadyTickSource ticks;
    TForm1 Form1(Form1Design(), ticks, platform);
    MainWindow window(Form1, platform, scale);
    window.Show(show_command);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.HandleKey(message) || IsDialogMessageW(window.Handle(), &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return int(message.wParam);
}
