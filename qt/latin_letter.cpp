#include "qt/latin_letter.h"

#include <cstdlib>
#include <memory>

#include <QGuiApplication>
#include <QKeyEvent>
#ifdef HORUMINA_X11
#include <xcb/xcb.h>
#endif

char32_t LatinLetterOf([[maybe_unused]] const QKeyEvent& key)
{
#ifdef HORUMINA_X11
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    const quint32 keycode = key.nativeScanCode();
    if (!connection || keycode < 8 || keycode > 255)
        return 0;
    const auto code = xcb_keycode_t(keycode);
    const std::unique_ptr<xcb_get_keyboard_mapping_reply_t, decltype(&std::free)> map(
        xcb_get_keyboard_mapping_reply(connection, xcb_get_keyboard_mapping(connection, code, 1), nullptr), &std::free);
    if (!map)
        return 0;
    // The key's symbols, two for each layout (plain and shifted); a Latin
    // letter's symbol is its ASCII code.
    const xcb_keysym_t* symbols = xcb_get_keyboard_mapping_keysyms(map.get());
    for (int i = 0; i < xcb_get_keyboard_mapping_keysyms_length(map.get()); ++i) {
        if (symbols[i] >= 'a' && symbols[i] <= 'z')
            return char32_t(U'A' + (symbols[i] - 'a'));
        if (symbols[i] >= 'A' && symbols[i] <= 'Z')
            return char32_t(symbols[i]);
    }
#endif
    return 0;
}
