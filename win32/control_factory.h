#pragma once

#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include <windows.h>

#include "form/build.h"
#include "win32/child_window.h"
#include "win32/fonts.h"
#include "win32/layout_scale.h"
#include "win32/page_window.h"
#include "win32/resource_picture.h"

// Makes the controls of the page tables as the platform's own windows on the
// page windows: STATIC labels, EDIT boxes, BUTTONs and the picture, each with
// the text, font, colour, flags and cursor of its row. It keeps them for as
// long as the form lives. A control's window is made when it is first
// needed, or else when its page is made.
class Win32ControlFactory final : public ControlFactory {
public:
    Win32ControlFactory(TForm1& form, const PageWindows& pages, FontCache& fonts, const LayoutScale& scale);

    Label* MakeLabel(int page, const ControlRow& row) override;
    EditBox* MakeEditBox(int page, const ControlRow& row) override;
    Button* MakeButton(int page, const ControlRow& row) override;
    BitmapButton* MakeBitmapButton(int page, const ControlRow& row) override;
    Picture* MakePicture(int page, const ControlRow& row) override;

    // Once a page is built, makes the windows of its controls not made yet
    // and stacks them all as the form stacks them.
    void MakePage(int page) const;

    // Places every control whose window is made and gives it its font again,
    // after the scale has changed; the pages must already stand at the new
    // scale. The others are made at it when they are needed.
    void Rescale() const;

private:
    // Each made control, kept for the form's life and known by its row on its page.
    template <class Made, class... Arguments>
    Made* Keep(int page, const ControlRow& row, Arguments&&... arguments);

    TForm1& form_;
    const PageWindows& pages_;
    FontCache& fonts_;
    const LayoutScale& scale_;
    std::vector<std::unique_ptr<ChildWindow>> made_;
    std::vector<std::unordered_map<const ControlRow*, const ChildWindow*>> stacks_;
};
