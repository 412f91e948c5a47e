#pragma once


#include <windows.h>

#include "form/controls.h"
#include "win32/fonts.h"
#include "win32/layout_scale.h"
#include "win32/page_window.h"

class TForm1;

// The tabbed notebook: a SysTabControl32 with the five captions in one row,
// and the page windows over its display area, of which only the one in
// front is shown and enabled.
class Win32Notebook final : public Notebook {
public:
    Win32Notebook(HWND main, const TForm1& form, FontCache& fonts, const LayoutScale& scale);

    int PageIndex() const override { return front_; }
    void SetPageIndex(int index) override;

    HWND Tabs() const { return tabs_; }
    const PageWindows& Pages() const { return pages_; }

    // The player clicked a tab: the tab strip has already moved its selection.
    void TabClicked();

    // Places the tab strip and the pages and gives the tabs their font again,
    // after the scale has changed.
    void Rescale(FontCache& fonts, const LayoutScale& scale);

private:
    void BringToFront(int index);

    const TForm1& form_;
    HWND tabs_ = nullptr;
    PageWindows pages_;
    int front_ = -1;
};
