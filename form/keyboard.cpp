#include "form/keyboard.h"

#include <algorithm>

#include "form/controls.h"

Control* NextFocus(std::span<const Focusable> page, int from, bool forward, bool tab_stops_only)
{
    const int count = int(page.size());
    if (count == 0)
        return nullptr;
    // From outside the page, Tab enters at its first stop and Shift+Tab at its last.
    int index = from >= 0 ? from : (forward ? count - 1 : 0);
    for (int step = 0; step < count; ++step) {
        index = (index + (forward ? 1 : count - 1)) % count;
        const Focusable& next = page[std::size_t(index)];
        if (next.control->Visible() && (next.tab_stop || !tab_stops_only))
            return next.control;
    }
    return nullptr;
}

namespace {

KeyAction FocusOn(Control* control)
{
    return control ? KeyAction{KeyAction::Kind::Focus, control} : KeyAction{KeyAction::Kind::Swallow};
}

}  // namespace

KeyAction KeyRule(const KeyPress& key, std::span<const Focusable> page, const Control* focus, bool on_tab_strip,
                  int page_index, int page_count)
{
    const auto here = std::find_if(page.begin(), page.end(), [&](const Focusable& f) { return f.control == focus; });
    const int at = here == page.end() ? -1 : int(here - page.begin());
    const bool on_button = at >= 0 && !here->edit_box;
    const bool in_edit = at >= 0 && here->edit_box;
    const bool plain = !key.shift && !key.ctrl && !key.alt;

    switch (key.key) {
    case Key::Tab:
    case Key::Backtab:
        if (key.ctrl || key.alt)
            return {KeyAction::Kind::Swallow};
        return FocusOn(NextFocus(page, at, key.key == Key::Tab && !key.shift, true));
    case Key::Escape: return {KeyAction::Kind::Swallow};
    case Key::Enter:
        if (on_button && plain)
            return {KeyAction::Kind::Click, here->control};
        return {KeyAction::Kind::Swallow};
    case Key::Left:
    case Key::Up:
    case Key::Right:
    case Key::Down: {
        const bool forward = key.key == Key::Right || key.key == Key::Down;
        if (on_tab_strip && page_count > 0)
            return {KeyAction::Kind::TurnPage, nullptr, (page_index + (forward ? 1 : page_count - 1)) % page_count};
        if (on_button)
            return FocusOn(NextFocus(page, at, forward, false));
        return {KeyAction::Kind::PassOn};
    }
    case Key::Letter: {
        if (key.ctrl || (in_edit && !key.alt))
            return {KeyAction::Kind::PassOn};
        // A key that carries no letter matches no accelerator, not every
        // control that has none.
        for (const Focusable& control : page)
            if (key.letter != 0 && control.accelerator == key.letter && control.control->Visible())
                return {KeyAction::Kind::Click, control.control};
        return {key.alt ? KeyAction::Kind::Swallow : KeyAction::Kind::PassOn};
    }
    case Key::Other: break;
    }
    return {KeyAction::Kind::PassOn};
}
