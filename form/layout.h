#pragma once

#include <memory>
#include <span>
#include <variant>
#include <vector>

#include "core/colours.h"
#include "form/controls.h"

class LayoutTimer;
class TForm1;

using Handler = void (TForm1::*)();

// A control's place on its page, in the layout's pixels.
struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Box&) const = default;
};

// Where a built control goes in the form; the member's type is the control's kind.
using FormMember = std::variant<Label* TForm1::*, EditBox* TForm1::*, Button* TForm1::*, BitmapButton* TForm1::*,
                                Picture* TForm1::*>;

inline constexpr int WindowFontPixels = 12;

// The faces the layout may be drawn in, nearest first: the layout's own
// face by its Japanese and English names, and MS UI Gothic, of the same
// design; IPA P Gothic, whose widths come near MS P Gothic's; Windows' own
// later Japanese faces, Meiryo (from Vista) and Yu Gothic (from 8.1), each
// with its narrower UI cut first; then free faces a system may have been
// given. A front end takes the first one installed whose pitch is not fixed:
// in a fixed-pitch face every kana takes a full square, and the layout's
// texts run past their boxes. With none installed, it asks for the first by
// name and leaves the rest to the system's substitutes.
inline constexpr const char* LayoutFaces[] = {
    "ＭＳ Ｐゴシック", "MS PGothic", "MS UI Gothic",
    "IPAPGothic", "IPA Pゴシック",
    "Meiryo UI", "メイリオ", "Meiryo", "Yu Gothic UI", "游ゴシック", "Yu Gothic",
    "VL PGothic", "Noto Sans CJK JP", "Source Han Sans JP",
};

struct FontStyle {
    int pixels = WindowFontPixels;  // character height
    ColourValue colour = clWindowText;
    bool bold = false;
};

inline constexpr FontStyle WindowFont{};

// The tab strip's captions, larger than the window's font.
inline constexpr int TabFontPixels = 13;

// An edit box is as high as its font's characters and 8 pixels of border
// and margin; a change of font keeps its top edge where it is.
constexpr int EditBoxHeight(int font_pixels) { return font_pixels + 8; }

enum class Flag : unsigned {
    None = 0,
    FixedSize = 1,  // a label that does not size itself to its text
    Centred = 2,
    ReadOnly = 4,
    NoTabStop = 8,
    Hidden = 16,  // hidden at start
};

constexpr Flag operator|(Flag a, Flag b) { return Flag(unsigned(a) | unsigned(b)); }
constexpr bool Has(Flag flags, Flag flag) { return (unsigned(flags) & unsigned(flag)) != 0; }

enum class Cursor { Standard, HandPoint, MultiDrag };

// One row of a page's layout: the same columns a form designer shows. The
// member and its name come from one spelling, CONTROL(Label3).
struct ControlRow {
    FormMember member;
    const char* name;
    Box box;
    const char* text;  // UTF-8; for a picture, the name of its JPEG asset
    FontStyle font = WindowFont;
    Flag flags = Flag::None;
    // The control's place in its page's tab order. Labels and pictures take
    // no focus and have none; every edit box and button has one.
    int tab_order = -1;
    Cursor cursor = Cursor::Standard;
    Handler click = nullptr;
    int max_length = 0;  // 0: no limit on typing
    // What assistive technology names a control that shows no text of its own.
    const char* description = nullptr;
};

#define CONTROL(member) &TForm1::member, #member

// Labels and pictures are drawn on the page itself, beneath every edit box
// and button.
inline bool DrawnOnPage(const ControlRow& row)
{
    return std::holds_alternative<Label* TForm1::*>(row.member) || std::holds_alternative<Picture* TForm1::*>(row.member);
}

// How a page's controls stack. The labels and pictures lie on the page, a
// later row over an earlier one (a label paints its whole box in the page
// colour, so the order shows where two overlap), from the bottom up; every
// edit box and button stands above them all. Edit boxes and buttons never
// overlap one another, so their order among themselves shows nothing: it is
// their tab order, the order assistive technology walks them in.
struct PageStacking {
    std::vector<const ControlRow*> on_page;  // from the bottom up
    std::vector<const ControlRow*> above;    // in tab order
};

PageStacking StackingOf(std::span<const ControlRow> rows);

// The accelerator a caption marks with "&", in upper case, or 0 for none;
// "&&" is a literal ampersand.
char32_t AcceleratorOf(const char* caption);

// The main window's caption, which every front end shows in its title bar.
inline constexpr const char* WindowCaption = "- ホ ル ミ ナ - Ver 1.00";

// The window's client area and the notebook in it; every page's content
// begins at PageOrigin inside the notebook and fills it to a margin of
// PageOrigin.left on the other three sides.
inline constexpr int ClientWidth = 494;
inline constexpr int ClientHeight = 265;
inline constexpr Box NotebookBox{8, 8, 481, 249};
inline constexpr int PageOriginLeft = 4;
inline constexpr int PageOriginTop = 23;
inline constexpr int PageWidth = NotebookBox.width - 2 * PageOriginLeft;
inline constexpr int PageHeight = NotebookBox.height - PageOriginTop - PageOriginLeft;

// One page of the notebook: its tab's caption and its controls.
struct PageLayout {
    const char* caption;
    std::span<const ControlRow> rows;
};

// One of the form's timers: the member that holds it, the interval it is
// designed with (0: stopped until a handler starts it) and its handler.
struct TimerRow {
    std::unique_ptr<LayoutTimer> TForm1::*member;
    const char* name;
    int interval;
    Handler on_timer;
};

#define TIMER(member) &TForm1::member, #member

// The whole window as its designer holds it: the notebook's pages, the
// timers, and the handlers of the form's own events.
struct FormDesign {
    std::span<const PageLayout> pages;
    std::span<const TimerRow> timers;
    Handler on_create;  // once every control is built
    // What the creation handler writes on the first page, for a front end
    // that shows that page before it builds the others.
    Handler on_first_page;
};
