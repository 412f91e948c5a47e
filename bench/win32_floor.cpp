// The floor the Windows program's start-up and idle are held against: a bare
// Win32 window of the game's frame and client size with one label in the
// game's face, and nothing else. Built with the game's flags. Started with
// "tick", it also runs a 10 ms timer that does nothing, as the game's
// stopwatch refreshes in a silent trial. Built with
// HORUMINA_FLOOR_COMMON_CONTROLS, it also loads and starts Common Controls 6
// as the game must for its tab control, to tell that library's share of
// the game's start-up from the game's own.
#include <windows.h>
#include <commctrl.h>

#include <string_view>

#include "form/layout.h"
#include "form/layout_timer.h"
#include "win32/fonts.h"
#include "win32/layout_scale.h"
#include "win32/timer_driver.h"
#include "win32/wide_text.h"

namespace {

LRESULT CALLBACK FloorProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR command_line, int show_command)
{
#ifdef HORUMINA_FLOOR_COMMON_CONTROLS
    INITCOMMONCONTROLSEX common{sizeof(common), ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&common);
#endif
    const LayoutScale scale = LayoutScale::OfScreen();
    FontCache fonts(scale);
    WNDCLASSW floor_class{};
    floor_class.lpfnWndProc = FloorProcedure;
    floor_class.hInstance = instance;
    floor_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    floor_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    floor_class.lpszClassName = L"HoruminaFloor";
    RegisterClassW(&floor_class);
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    RECT frame{0, 0, scale.ToScreen(ClientWidth), scale.ToScreen(ClientHeight)};
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_DLGMODALFRAME);
    HWND window = CreateWindowExW(WS_EX_DLGMODALFRAME, floor_class.lpszClassName, Wide(WindowCaption).c_str(), style,
                                  CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                  nullptr, nullptr, instance, nullptr);
    HWND label = CreateWindowExW(0, L"STATIC", L"1/10 の 位 を 5 で 断 て !", WS_CHILD | WS_VISIBLE | SS_LEFT,
                                 scale.ToScreen(160), scale.ToScreen(24), scale.ToScreen(133), scale.ToScreen(12), window,
                                 nullptr, instance, nullptr);
    SendMessageW(label, WM_SETFONT, WPARAM(fonts.Font(WindowFontPixels)), FALSE);
    ShowWindow(window, show_command);
    LayoutTimer tick(MakeWin32Timer([] {}));
    if (std::wstring_view(command_line) == L"tick")
        tick.SetInterval(10);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return int(message.wParam);
}
