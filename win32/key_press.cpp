#include "win32/key_press.h"

namespace {

bool Held(int virtual_key) { return GetKeyState(virtual_key) < 0; }

Key KeyOf(WPARAM virtual_key)
{
    switch (virtual_key) {
    case VK_TAB: return Key::Tab;
    case VK_RETURN: return Key::Enter;
    case VK_ESCAPE: return Key::Escape;
    case VK_LEFT: return Key::Left;
    case VK_UP: return Key::Up;
    case VK_RIGHT: return Key::Right;
    case VK_DOWN: return Key::Down;
    }
    if ((virtual_key >= 'A' && virtual_key <= 'Z') || (virtual_key >= '0' && virtual_key <= '9'))
        return Key::Letter;
    return Key::Other;
}

}  // namespace

KeyPress KeyPressOf(const MSG& message)
{
    KeyPress key;
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN)
        return key;
    key.key = KeyOf(message.wParam);
    if (key.key == Key::Letter)
        key.letter = char32_t(message.wParam);
    key.shift = Held(VK_SHIFT);
    key.ctrl = Held(VK_CONTROL);
    // Alt shows in the message itself: bit 29 is the context code.
    key.alt = message.message == WM_SYSKEYDOWN && (message.lParam & (LPARAM(1) << 29)) != 0;
    return key;
}
