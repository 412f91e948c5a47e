#include "win32/child_window.h"

namespace {

constexpr wchar_t ControlProperty[] = L"Horumina.Control";

}  // namespace

ChildWindow* ChildWindow::Of(HWND window)
{
    return window ? static_cast<ChildWindow*>(GetPropW(window, ControlProperty)) : nullptr;
}

HWND ChildWindow::Handle() const
{
    if (!window_) {
        window_ = Make();
        // Marked as this control's, for Of.
        SetPropW(window_, ControlProperty, const_cast<ChildWindow*>(this));
    }
    return window_;
}
