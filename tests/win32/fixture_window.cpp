// A small Win32 program of known windows, for testing the tests' own tools
// before the game's windows exist: list_windows is checked against it, and
// the installer is built and tried with it standing in for Horumina.exe.
//
// A hidden application window captioned "Horumina" owns a translucent main
// window with the game's caption, which holds a tab control of three
// captions with the third selected, a label, an edit box with a tab in its
// text, which has the focus, and a button. Closing the main window ends
// the program with exit code 0; left alone, it ends after a minute with
// exit code 3, so that a test that dies leaves nothing running.
#include <windows.h>
#include <commctrl.h>

namespace {

constexpr UINT_PTR kGiveUpTimer = 1;
constexpr int kTabId = 100, kLabelId = 101, kEditId = 102, kButtonId = 103;

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_TIMER:
        if (wparam == kGiveUpTimer)
            PostQuitMessage(3);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wparam, lparam);
    }
}

HWND Child(HWND parent, const wchar_t* window_class, const wchar_t* text, DWORD style, int x, int y, int w, int h, int id)
{
    return CreateWindowExW(0, window_class, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    WNDCLASSEXW app_class{};
    app_class.cbSize = sizeof app_class;
    app_class.lpfnWndProc = DefWindowProcW;
    app_class.hInstance = instance;
    app_class.lpszClassName = L"HoruminaFixtureApplication";
    RegisterClassExW(&app_class);
    WNDCLASSEXW main_class = app_class;
    main_class.lpfnWndProc = MainProc;
    main_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    main_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    main_class.lpszClassName = L"HoruminaFixtureMain";
    RegisterClassExW(&main_class);

    const HWND application = CreateWindowExW(0, app_class.lpszClassName, L"Horumina", WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                             0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    RECT frame{0, 0, 320, 200};
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    AdjustWindowRectEx(&frame, style, FALSE, WS_EX_LAYERED | WS_EX_DLGMODALFRAME);
    const HWND main = CreateWindowExW(WS_EX_LAYERED | WS_EX_DLGMODALFRAME, main_class.lpszClassName,
                                      L"- ホ ル ミ ナ - Ver 1.00", style, 100, 80, frame.right - frame.left,
                                      frame.bottom - frame.top, application, nullptr, instance, nullptr);
    SetLayeredWindowAttributes(main, 0, 200, LWA_ALPHA);

    const HWND tab = Child(main, WC_TABCONTROLW, L"", WS_CLIPSIBLINGS | WS_TABSTOP, 8, 8, 304, 184, kTabId);
    const wchar_t* captions[] = {L"～ 心 の 目 ～", L"タブ\\二", L"フレンズゲーム"};
    for (int i = 0; i < 3; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(captions[i]);
        SendMessageW(tab, TCM_INSERTITEMW, WPARAM(i), reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(tab, TCM_SETCURSEL, 2, 0);
    Child(main, L"STATIC", L"ラベル", SS_LEFT, 20, 50, 120, 16, kLabelId);
    const HWND edit = Child(main, L"EDIT", L"入力\tです", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 20, 80, 150, 22, kEditId);
    Child(main, L"BUTTON", L"ボタン(&B)", BS_PUSHBUTTON | WS_TABSTOP, 20, 120, 100, 28, kButtonId);

    ShowWindow(application, SW_SHOWNOACTIVATE);
    ShowWindow(main, show);
    SetFocus(edit);
    SetTimer(main, kGiveUpTimer, 60000, nullptr);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(main, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return int(message.wParam);
}
