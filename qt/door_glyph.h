#pragma once

#include <QIcon>

// The close button's glyph: a door standing ajar, 18 x 18, with a greyed,
// embossed twin for when the button is disabled.
QIcon DoorGlyphIcon();
