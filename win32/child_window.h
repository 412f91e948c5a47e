#pragma once

#include <windows.h>

#include "form/controls.h"

// What every control window of the page tables answers to its page, whatever
// its kind: the form's face of it, its colours, its drawing where it draws
// itself, its click and its cursor.
class ChildWindow {
public:
    virtual ~ChildWindow() = default;

    HWND Handle() const { return window_; }
    // The control of a window of the page tables, or null for any other window.
    static ChildWindow* Of(HWND window);

    virtual Control& AsControl() = 0;
    // Answers WM_CTLCOLORSTATIC and WM_CTLCOLOREDIT.
    virtual HBRUSH Colours(HDC) const { return nullptr; }
    virtual void Draw(const DRAWITEMSTRUCT&) const {}
    virtual void Clicked() {}
    // Null where the control shows its kind's own cursor.
    virtual HCURSOR CursorShape() const { return nullptr; }
    // Places the control and gives it its font again, after the layout's
    // scale has changed.
    virtual void Rescale() = 0;

protected:
    // Marks `window` as this control's, for Of.
    void Adopt(HWND window);

    HWND window_ = nullptr;
};

// The parts of Control that every kind shares: a control is shown while its
// own window is, whether or not its page is in front.
template <class Interface>
class Win32Control : public Interface, public ChildWindow {
public:
    bool Visible() const override { return (GetWindowLongW(window_, GWL_STYLE) & WS_VISIBLE) != 0; }
    void SetVisible(bool visible) override { ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE); }
    Control& AsControl() override { return *this; }
};
