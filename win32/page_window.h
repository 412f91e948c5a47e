#pragma once

#include <windows.h>

#include <vector>

#include "form/layout.h"
#include "win32/layout_scale.h"

// A page of the notebook: a child window in the page colour over the
// notebook's display area, holding that page's controls and answering for
// them (their colours, clicks, drawing and cursors). Tab and the arrows move
// into it and out again, as into a dialog.
HWND MakePageWindow(HWND main, const LayoutScale& scale);

// The notebook's page windows, each made when it is first needed, at the
// scale of that moment: the first page's before the window is first shown,
// the others once it is.
class PageWindows {
public:
    PageWindows(HWND main, const LayoutScale& scale, int count)
        : main_(main), scale_(scale), windows_(std::size_t(count), nullptr)
    {
    }

    HWND Window(int page) const;
    bool Made(int page) const { return windows_[std::size_t(page)] != nullptr; }
    int Count() const { return int(windows_.size()); }

private:
    HWND main_;
    const LayoutScale& scale_;
    mutable std::vector<HWND> windows_;
};

// One page of the notebook, as its controls know it.
struct PageOf {
    const PageWindows& windows;
    int index;
    HWND Window() const { return windows.Window(index); }
};
// Where a page window stands in the main window's client area.
Box PageWindowBox(const LayoutScale& scale);
