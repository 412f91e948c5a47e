#pragma once

#include <windows.h>

#include "form/controls.h"

// What every control window of the page tables answers to its page, whatever
// its kind: the form's face of it, its colours, its drawing where it draws
// itself, its click and its cursor. The window itself is made when it is
// first needed, so that the pages behind the first can be made after the
// window's first frame.
class ChildWindow {
public:
    virtual ~ChildWindow();

    // The control's window, made now if it is not made yet.
    HWND Handle() const;
    bool Made() const { return window_ != nullptr; }
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
    // scale has changed. A control whose window is not made yet needs none:
    // it keeps no font or size of its own (a label's measure of its text is
    // kept with the scale it was taken at), and asks the scale and the font
    // cache for them when its window is made.
    virtual void Rescale() = 0;

private:
    // Makes the control's window, with its text, font and size.
    virtual HWND Make() const = 0;

    mutable HWND window_ = nullptr;
};

// The parts of Control that every kind shares: a control is shown while its
// own window is, whether or not its page is in front.
template <class Interface>
class Win32Control : public Interface, public ChildWindow {
public:
    bool Visible() const override { return (GetWindowLongW(Handle(), GWL_STYLE) & WS_VISIBLE) != 0; }
    void SetVisible(bool visible) override { ShowWindow(Handle(), visible ? SW_SHOWNA : SW_HIDE); }
    Control& AsControl() override { return *this; }
};
