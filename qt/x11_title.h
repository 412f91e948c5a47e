#pragma once

class QWidget;

// Qt writes an X window's old title property, WM_NAME, as the title's UTF-8
// bytes typed as Latin-1 (STRING), so that window managers and tools reading
// it show garbage. Types it UTF8_STRING, on X11 only; call once the window is
// shown.
void TypeTitleAsUtf8(QWidget& window);
