#pragma once

class QKeyEvent;

// The Latin letter, A to Z, that the pressed key carries in another layout
// of the player's keyboard, or 0. With a Cyrillic, Greek, Hebrew or Arabic
// layout in front, Qt names a letter key by that layout's letter (Alt and
// the key of S is Alt+Ы), while the captions mark Latin letters; Qt's own
// mnemonics fall back to the Latin layout the same way. Read from the X
// server's keyboard map; elsewhere there is none to read, and it gives 0.
char32_t LatinLetterOf(const QKeyEvent& key);
