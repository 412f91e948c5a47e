#pragma once

#include <string>
#include <string_view>

#include "core/colours.h"

// The controls as the handlers see them, whatever toolkit draws them: each
// kind offers only what some handler or rule of the window asks of it.
// Texts are UTF-8; a text is always shown as it stands, never as markup.

class Control {
public:
    virtual ~Control() = default;
    // Whether the control itself is shown; a control on a page that is not
    // in front still counts as shown.
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
};

// Static text on the page. The clock rows read their width after a new text
// has sized them, and keep their right end inside the page.
class Label : public Control {
public:
    virtual std::string Text() const = 0;
    virtual void SetText(std::string_view text) = 0;
    // In the layout's pixels, as the page tables give them.
    virtual int Width() const = 0;
    virtual int Left() const = 0;
    virtual void SetLeft(int left) = 0;
};

// A single-line text box; its height follows its font.
class EditBox : public Control {
public:
    virtual std::string Text() const = 0;
    virtual void SetText(std::string_view text) = 0;
    virtual void SetTextColour(ColourValue colour) = 0;
    // The character height; the box takes that plus 8 pixels, its top edge
    // staying where it is.
    virtual void SetFontPixels(int pixels) = 0;
};

class Button : public Control {};

// A button with the close glyph beside its caption.
class BitmapButton : public Button {};

class Picture : public Control {};

// The tabbed notebook: which page is in front.
class Notebook {
public:
    virtual ~Notebook() = default;
    virtual int PageIndex() const = 0;
    virtual void SetPageIndex(int index) = 0;
};
