#include "win32/notebook.h"

#include <commctrl.h>

#include "form/tform1.h"
#include "win32/child_window.h"
#include "win32/page_window.h"
#include "win32/wide_text.h"

Win32Notebook::Win32Notebook(HWND main, const TForm1& form, FontCache& fonts, const LayoutScale& scale)
    : form_(form), pages_(main, scale, int(form_.Design().pages.size()))
{
    const Box box = scale.ToScreen(NotebookBox);
    // Not a tab stop: Tab walks the page in front, never the tab strip.
    tabs_ = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, box.left, box.top, box.width,
                            box.height, main, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(tabs_, WM_SETFONT, WPARAM(fonts.Font(TabFontPixels)), FALSE);
    int index = 0;
    for (const PageLayout& page : form_.Design().pages) {
        std::wstring caption = Wide(page.caption);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(tabs_, TCM_INSERTITEMW, WPARAM(index++), LPARAM(&item));
    }
}

void Win32Notebook::Rescale(FontCache& fonts, const LayoutScale& scale)
{
    const Box box = scale.ToScreen(NotebookBox);
    SetWindowPos(tabs_, nullptr, box.left, box.top, box.width, box.height, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(tabs_, WM_SETFONT, WPARAM(fonts.Font(TabFontPixels)), TRUE);
    const Box page = PageWindowBox(scale);
    for (int index = 0; index < pages_.Count(); ++index)
        if (pages_.Made(index))
            SetWindowPos(pages_.Window(index), nullptr, page.left, page.top, page.width, page.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Notebook::SetPageIndex(int index)
{
    if (index < 0 || index >= pages_.Count() || index == front_)
        return;
    SendMessageW(tabs_, TCM_SETCURSEL, WPARAM(index), 0);
    BringToFront(index);
}

void Win32Notebook::TabClicked()
{
    const int index = int(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0));
    if (index >= 0 && index != front_)
        BringToFront(index);
}

void Win32Notebook::BringToFront(int index)
{
    if (front_ >= 0) {
        // The focus must not stay on a control that goes away with its page,
        // nor on the page itself, which holds it once its control was hidden.
        HWND focus = GetFocus();
        ChildWindow* control = ChildWindow::Of(focus);
        if ((control && form_.FocusLeavesWith(front_, &control->AsControl())) || focus == pages_.Window(front_))
            SetFocus(tabs_);
    }
    HWND page = pages_.Window(index);
    EnableWindow(page, TRUE);
    SetWindowPos(page, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (front_ >= 0) {
        ShowWindow(pages_.Window(front_), SW_HIDE);
        EnableWindow(pages_.Window(front_), FALSE);
    }
    front_ = index;
}
