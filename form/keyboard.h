#pragma once

#include <span>
#include <vector>

class Control;

// A key as the window's keyboard rules see it. A letter is the Latin letter
// the key carries, in upper case, whatever layout is active.
enum class Key { Tab, Backtab, Enter, Escape, Left, Up, Right, Down, Letter, Other };

struct KeyPress {
    Key key = Key::Other;
    char32_t letter = 0;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

// A control of a page that can take the focus.
struct Focusable {
    Control* control;
    bool tab_stop;
    bool edit_box;
    char32_t accelerator;  // a button's, in upper case; 0 for none
};

// What a key does in the window.
struct KeyAction {
    enum class Kind {
        PassOn,   // the focused control has it for its own (an edit box's caret, Space on a button)
        Swallow,  // the window takes it and nothing happens
        Focus,    // `control` takes the focus, by keyboard
        Click,    // `control`, a button, is clicked; the focus stays
        TurnPage  // the page `page` comes to the front
    };
    Kind kind = Kind::PassOn;
    Control* control = nullptr;
    int page = 0;
    bool operator==(const KeyAction&) const = default;
};

// The keyboard of the page in front: Tab and Shift+Tab walk its tab stops,
// Enter clicks the focused button, arrows on a button walk every control of
// the page, arrows on the tab strip turn the pages, and the letter marked in
// a button's caption clicks it (with Alt from anywhere, alone from outside
// an edit box). Pages and controls wrap around.
KeyAction KeyRule(const KeyPress& key, std::span<const Focusable> page, const Control* focus, bool on_tab_strip,
                  int page_index, int page_count);

// The next control from `from` (an index into `page`, or -1 for none) that
// can take the focus, in tab order with wrap-around; null when none can.
Control* NextFocus(std::span<const Focusable> page, int from, bool forward, bool tab_stops_only);
