#include "win32/child_window.h"

#include <unordered_map>

namespace {

// The controls by their windows, kept in the program rather than as window
// properties: a page asks for the control of each label it colours at every
// paint, and a property is a round trip to the window system.
std::unordered_map<HWND, ChildWindow*>& Controls()
{
    static std::unordered_map<HWND, ChildWindow*> controls;
    return controls;
}

}  // namespace

ChildWindow::~ChildWindow()
{
    if (window_)
        Controls().erase(window_);
}

ChildWindow* ChildWindow::Of(HWND window)
{
    const auto found = Controls().find(window);
    return found == Controls().end() ? nullptr : found->second;
}

HWND ChildWindow::Handle() const
{
    if (!window_) {
        window_ = Make();
        if (window_)
            Controls()[window_] = const_cast<ChildWindow*>(this);
    }
    return window_;
}
