#include "win32/child_window.h"

namespace {

constexpr wchar_t ControlProperty[] = L"Horumina.Control";

}  // namespace

ChildWindow* ChildWindow::Of(HWND window)
{
    return window ? static_cast<ChildWindow*>(GetPropW(window, ControlProperty)) : nullptr;
}

void ChildWindow::Adopt(HWND window)
{
    window_ = window;
    SetPropW(window, ControlProperty, this);
}
