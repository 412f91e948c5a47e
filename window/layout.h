#pragma once

#include <span>
#include <variant>
#include <vector>

#include <QRect>

#include "core/colours.h"
#include "window/controls.h"
#include "window/layout_font.h"

class TForm1;

using Handler = void (TForm1::*)();

// Where a built control goes in the form; the member's type is the control's kind.
using FormMember = std::variant<Label* TForm1::*, EditBox* TForm1::*, Button* TForm1::*, BitmapButton* TForm1::*,
                          Picture* TForm1::*>;

struct FontStyle {
    int pixels = 12;  // character height
    ColourValue colour = clWindowText;
    bool bold = false;
};

inline constexpr FontStyle WindowFont{};
inline constexpr int WindowFontPixels = 12;

enum Flag : unsigned {
    FixedSize = 1,  // a label that does not size itself to its text
    Centred = 2,
    ReadOnly = 4,
    NoTabStop = 8,
    Hidden = 16,    // hidden at start
};

enum class Cursor { Standard, HandPoint, MultiDrag };

// One row of a page's layout: the same columns a form designer shows.
struct ControlRow {
    FormMember member;
    const char* name;
    QRect box;  // left, top, width, height inside the page
    const char* text;
    FontStyle font = WindowFont;
    unsigned flags = 0;
    int tab_order = -1;  // -1: never takes the focus
    Cursor cursor = Cursor::Standard;
    Handler click = nullptr;
    int max_length = 0;  // 0: no limit on typing
    // What assistive technology names a control that shows no text of its own.
    const char* description = nullptr;
};

// Builds a page's controls from its rows into the form, labels and pictures
// beneath the rest. Returns the page's focusable controls in tab order.
std::vector<QWidget*> BuildPage(TForm1& form, QWidget* page, std::span<const ControlRow> rows);
