#include "win32/page_window.h"

#include "win32/child_window.h"

namespace {

constexpr wchar_t ClassName[] = L"TTabPage";

LRESULT CALLBACK PageProcedure(HWND page, UINT message, WPARAM wparam, LPARAM lparam) noexcept
{
    switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
        if (const ChildWindow* control = ChildWindow::Of(HWND(lparam)))
            if (HBRUSH brush = control->Colours(HDC(wparam)))
                return LRESULT(brush);
        break;
    case WM_COMMAND:
        if (HIWORD(wparam) == BN_CLICKED)
            if (ChildWindow* control = ChildWindow::Of(HWND(lparam))) {
                control->Clicked();
                return 0;
            }
        break;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
        if (const ChildWindow* control = ChildWindow::Of(item->hwndItem)) {
            control->Draw(*item);
            return TRUE;
        }
        break;
    }
    case WM_SETCURSOR:
        if (const ChildWindow* control = ChildWindow::Of(HWND(wparam)))
            if (HCURSOR cursor = control->CursorShape(); cursor && LOWORD(lparam) == HTCLIENT) {
                SetCursor(cursor);
                return TRUE;
            }
        break;
    }
    return DefWindowProcW(page, message, wparam, lparam);
}

}  // namespace

HWND MakePageWindow(HWND main, const LayoutScale& scale)
{
    static const ATOM registered = [] {
        WNDCLASSW page_class{};
        page_class.lpfnWndProc = PageProcedure;
        page_class.hInstance = GetModuleHandleW(nullptr);
        page_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        page_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        page_class.lpszClassName = ClassName;
        return RegisterClassW(&page_class);
    }();
    if (!registered)
        return nullptr;
    const Box page = PageWindowBox(scale);
    // Hidden and disabled until it comes to the front.
    return CreateWindowExW(WS_EX_CONTROLPARENT, ClassName, L"", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_DISABLED,
                           page.left, page.top, page.width, page.height, main, nullptr, GetModuleHandleW(nullptr), nullptr);
}

HWND PageWindows::Window(int page) const
{
    HWND& window = windows_[std::size_t(page)];
    if (!window)
        window = MakePageWindow(main_, scale_);
    return window;
}

Box PageWindowBox(const LayoutScale& scale)
{
    return scale.ToScreen(Box{NotebookBox.left + PageOriginLeft, NotebookBox.top + PageOriginTop, PageWidth, PageHeight});
}
