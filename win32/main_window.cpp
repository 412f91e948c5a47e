#include "win32/main_window.h"

#include <vector>

#include <commctrl.h>

#include "form/placement.h"
#include "form/tform1.h"
#include "win32/colours.h"
#include "win32/key_press.h"
#include "win32/resources.h"
#include "win32/wide_text.h"

namespace {

constexpr wchar_t ApplicationClass[] = L"TApplication";
constexpr wchar_t MainClass[] = L"TForm1";

template <class Owner>
Owner* OwnerOf(HWND window, UINT message, LPARAM lparam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA, LONG_PTR(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams));
    return reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void Register(const wchar_t* name, WNDPROC procedure, HCURSOR cursor)
{
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = GetModuleHandleW(nullptr);
    window_class.hCursor = cursor;
    window_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    window_class.lpszClassName = name;
    RegisterClassW(&window_class);
}

BOOL CALLBACK ListMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list)
{
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoW(monitor, &info)) {
        const RECT& r = info.rcMonitor;
        auto& monitors = *reinterpret_cast<std::vector<ScreenArea>*>(list);
        const ScreenArea area{r.left, r.top, r.right - r.left, r.bottom - r.top};
        // The primary monitor first.
        if (info.dwFlags & MONITORINFOF_PRIMARY)
            monitors.insert(monitors.begin(), area);
        else
            monitors.push_back(area);
    }
    return TRUE;
}

// Where a frame of that outer size is centred among the monitors.
FramePosition Centred(int outer_width, int outer_height)
{
    std::vector<ScreenArea> monitors;
    EnumDisplayMonitors(nullptr, nullptr, ListMonitor, reinterpret_cast<LPARAM>(&monitors));
    if (monitors.empty())
        monitors.push_back({0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
    return CentredFrame(monitors, outer_width, outer_height);
}

// A function of user32 that only later Windows have, looked up by name:
// null where this one has none.
template <class Function>
Function FromUser32(const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

// The pixels per inch a window is drawn at: under per-monitor awareness,
// those of the monitor it stands on. 0 where Windows has no monitors of
// their own pixels per inch (before Windows 10).
int PixelsPerInchOf(HWND window)
{
    static const auto dpi_for_window = FromUser32<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    return dpi_for_window ? int(dpi_for_window(window)) : 0;
}

// A size of the system's at those pixels per inch; before Windows 10, at the
// screen's, the only ones there are.
int SystemMetricAt(int metric, int pixels_per_inch)
{
    static const auto metric_for_dpi = FromUser32<int(WINAPI*)(int, UINT)>("GetSystemMetricsForDpi");
    return metric_for_dpi ? metric_for_dpi(metric, UINT(pixels_per_inch)) : GetSystemMetrics(metric);
}

HWND HandleOf(Control* control)
{
    const ChildWindow* window = dynamic_cast<ChildWindow*>(control);
    return window ? window->Handle() : nullptr;
}

}  // namespace

MainWindow::MainWindow(TForm1& form, Win32Platform& platform, LayoutScale& scale)
    : form_(form), platform_(platform), scale_(scale), fonts_(scale)
{
    INITCOMMONCONTROLSEX common{sizeof(common), ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&common);
    Register(ApplicationClass, ApplicationProcedure, LoadCursorW(nullptr, IDC_ARROW));
    // The cross-hair shows over the window's own surface, the margin around
    // the notebook.
    Register(MainClass, MainProcedure, LoadCursorW(nullptr, IDC_CROSS));
    MakeApplicationWindow();
    MakeMainWindow();

    notebook_ = std::make_unique<Win32Notebook>(main_, form_, fonts_, scale_);
    form_.TabbedNotebook1 = notebook_.get();
    controls_ = std::make_unique<Win32ControlFactory>(form_, notebook_->Pages(), fonts_, scale_);
    // Every control of every page, for the form; of their windows only the
    // first page's, which the first frame shows.
    for (int page = 0; page < int(form_.Design().pages.size()); ++page)
        BuildPage(form_, *controls_, page);
    controls_->MakePage(0);
    notebook_->SetPageIndex(0);
    form_.Create();
    focus_ = HandleOf(form_.FirstFocus());
}

// The windows go with the object: their last messages, and those of their
// children as they go, find no object of theirs and are Windows' own.
MainWindow::~MainWindow()
{
    for (HWND window : {main_, application_})
        if (window) {
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            DestroyWindow(window);
        }
    platform_.SetWindows(nullptr, nullptr);
    for (HICON icon : {big_icon_, small_icon_})
        if (icon)
            DestroyIcon(icon);
}

void MainWindow::MakeApplicationWindow()
{
    // Of no size, in the middle of the desktop, where the error box it owns
    // comes up.
    const FramePosition middle = Centred(0, 0);
    application_ = CreateWindowExW(0, ApplicationClass, Wide(form_.Title).c_str(),
                                   WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS, middle.left,
                                   middle.top, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), this);
}

void MainWindow::MakeMainWindow()
{
    // A fixed dialog frame with only the close box; layered from the start
    // (at full opacity) where the system has per-window opacity, so the
    // transparency button needs no change of style later.
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    const DWORD extended = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT | (platform_.HasOpacity() ? WS_EX_LAYERED : 0);
    RECT frame{0, 0, scale_.ToScreen(ClientWidth), scale_.ToScreen(ClientHeight)};
    AdjustWindowRectEx(&frame, style, FALSE, extended);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const FramePosition place = Centred(width, height);
    main_ = CreateWindowExW(extended, MainClass, Wide(WindowCaption).c_str(), style, place.left, place.top, width, height,
                            application_, nullptr, GetModuleHandleW(nullptr), this);
    platform_.SetWindows(application_, main_);
    platform_.SetOpacity(255);
}

void MainWindow::Show(int show_command)
{
    // Made where a monitor of other pixels per inch than the primary one's
    // holds the middle of the desktop, the window is drawn at that monitor's:
    // laid out for it, and centred again at its new size. Windows sends no
    // WM_DPICHANGED for where a window is made. The pages behind the first
    // have no windows yet: they are made below, at the new scale.
    if (const int pixels_per_inch = PixelsPerInchOf(main_);
        pixels_per_inch && pixels_per_inch != scale_.PixelsPerInch()) {
        RECT frame;
        GetWindowRect(main_, &frame);
        Rescale(pixels_per_inch, frame);
        GetWindowRect(main_, &frame);
        const FramePosition place = Centred(frame.right - frame.left, frame.bottom - frame.top);
        SetWindowPos(main_, nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (show_command == SW_SHOWMINNOACTIVE) {
        ShowWindow(application_, SW_SHOWMINNOACTIVE);
    } else {
        ShowWindow(application_, SW_SHOWNA);
        ShowWindow(main_, show_command == SW_SHOWMAXIMIZED ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
        SetForegroundWindow(main_);
        RestoreFocus();
        RedrawWindow(main_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    }
    // The icon, whose decoding and handing to the window system are no part
    // of the first frame, and the pages behind, once the first frame is
    // painted and before the message loop hands any input to the window.
    SetIcons();
    for (int page = 1; page < int(form_.Design().pages.size()); ++page)
        controls_->MakePage(page);
}

void MainWindow::SetIcons()
{
    // Not shared: Windows hands a shared icon back at the size it was first
    // loaded at, whatever size is asked for later.
    const auto icon = [this](int metric) {
        const int side = SystemMetricAt(metric, scale_.PixelsPerInch());
        return HICON(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(HORUMINA_ICON), IMAGE_ICON, side, side, 0));
    };
    const HICON big = icon(SM_CXICON);
    const HICON small = icon(SM_CXSMICON);
    for (HWND window : {application_, main_}) {
        SendMessageW(window, WM_SETICON, ICON_BIG, LPARAM(big));
        SendMessageW(window, WM_SETICON, ICON_SMALL, LPARAM(small));
    }
    for (HICON old : {big_icon_, small_icon_})
        if (old)
            DestroyIcon(old);
    big_icon_ = big;
    small_icon_ = small;
}

// Moved to a monitor of other pixels per inch, the window is laid out again
// as if it had started there: the window font measured anew, every font,
// place and size by the new ratio, the frame where Windows suggests it and
// then sized so that its client area is the layout's. A maximised window
// keeps the suggested rectangle whole.
void MainWindow::Rescale(int pixels_per_inch, const RECT& suggested)
{
    scale_ = LayoutScale::AtPixelsPerInch(pixels_per_inch);
    fonts_.Renew([this] {
        notebook_->Rescale(fonts_, scale_);
        controls_->Rescale();
    });
    SetWindowPos(main_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (!IsZoomed(main_)) {
        // The caption and borders as the window now draws them, at the
        // monitor's own size.
        RECT outer;
        RECT client;
        GetWindowRect(main_, &outer);
        GetClientRect(main_, &client);
        SetWindowPos(main_, nullptr, 0, 0, outer.right - outer.left - client.right + scale_.ToScreen(ClientWidth),
                     outer.bottom - outer.top - client.bottom + scale_.ToScreen(ClientHeight),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RedrawWindow(main_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void MainWindow::RestoreFocus()
{
    if (focus_ && IsWindow(focus_) && IsChild(main_, focus_))
        SetFocus(focus_);
    else
        SetFocus(main_);
}

bool MainWindow::HandleKey(const MSG& message)
{
    if (!main_ || (message.hwnd != main_ && !IsChild(main_, message.hwnd)))
        return false;
    const KeyPress key = KeyPressOf(message);
    if (key.key == Key::Other)
        return false;
    HWND focus = GetFocus();
    ChildWindow* focused = ChildWindow::Of(focus);
    const KeyAction action =
        form_.OnKey(key, focused ? &focused->AsControl() : nullptr, focus && focus == notebook_->Tabs());
    switch (action.kind) {
    case KeyAction::Kind::PassOn: return false;
    case KeyAction::Kind::Swallow: return true;
    case KeyAction::Kind::Focus:
        if (HWND target = HandleOf(action.control)) {
            SetFocus(target);
            // An edit box reached by keyboard has all its text selected.
            if (dynamic_cast<EditBox*>(action.control))
                SendMessageW(target, EM_SETSEL, 0, -1);
        }
        return true;
    case KeyAction::Kind::Click:
        if (auto* button = dynamic_cast<ChildWindow*>(action.control))
            button->Clicked();
        return true;
    case KeyAction::Kind::TurnPage: notebook_->SetPageIndex(action.page); return true;
    }
    return false;
}

LRESULT CALLBACK MainWindow::ApplicationProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept
{
    MainWindow* owner = OwnerOf<MainWindow>(window, message, lparam);
    if (!owner || !owner->application_)
        return DefWindowProcW(window, message, wparam, lparam);
    return owner->OnApplicationMessage(message, wparam, lparam);
}

LRESULT CALLBACK MainWindow::MainProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept
{
    MainWindow* owner = OwnerOf<MainWindow>(window, message, lparam);
    if (!owner || !owner->main_)
        return DefWindowProcW(window, message, wparam, lparam);
    return owner->OnMainMessage(message, wparam, lparam);
}

LRESULT MainWindow::OnApplicationMessage(UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_SIZE:
        // Restoring the task-bar entry of a program started minimised shows
        // the main window for the first time.
        if (wparam == SIZE_RESTORED && main_ && !IsWindowVisible(main_)) {
            ShowWindow(main_, SW_SHOWNORMAL);
            SetForegroundWindow(main_);
        }
        break;
    case WM_ACTIVATE:
        // The task-bar entry hands its activation on to the window the player sees.
        if (LOWORD(wparam) != WA_INACTIVE && !HIWORD(wparam) && main_ && IsWindowVisible(main_) &&
            IsWindowEnabled(main_)) {
            SetActiveWindow(main_);
            return 0;
        }
        break;
    case WM_CLOSE:
        if (main_)
            PostMessageW(main_, WM_CLOSE, 0, 0);
        return 0;
    }
    return DefWindowProcW(application_, message, wparam, lparam);
}

LRESULT MainWindow::OnMainMessage(UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_NOTIFY:
        if (const auto* notice = reinterpret_cast<const NMHDR*>(lparam);
            notice->hwndFrom == notebook_->Tabs() && notice->code == TCN_SELCHANGE) {
            notebook_->TabClicked();
            return 0;
        }
        break;
    case WM_SETCURSOR:
        // The pointing hand over the tab strip.
        if (HWND(wparam) == notebook_->Tabs() && LOWORD(lparam) == HTCLIENT) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        }
        break;
    case WM_ACTIVATE:
        if (LOWORD(wparam) == WA_INACTIVE) {
            if (HWND focus = GetFocus(); focus && IsChild(main_, focus))
                focus_ = focus;
        } else if (!HIWORD(wparam)) {
            RestoreFocus();
        }
        return 0;
    case WM_SETTINGCHANGE: form_.Dispatch(&TForm1::LocaleChanged); [[fallthrough]];
    case WM_SYSCOLORCHANGE: FollowSystemColours(main_); break;
    case WM_DPICHANGED:
        Rescale(HIWORD(wparam), *reinterpret_cast<const RECT*>(lparam));
        SetIcons();
        return 0;
    case WM_CLOSE: DestroyWindow(main_); return 0;
    case WM_DESTROY:
        main_ = nullptr;
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(main_, message, wparam, lparam);
}
