#pragma once

#include <windows.h>

#include "form/keyboard.h"

// A key-down message as the game's keyboard rules see it: Tab, Enter,
// Escape, the arrows, and a letter or digit by its key (the virtual key of a
// letter is its Latin capital whatever the layout), with the modifiers held.
KeyPress KeyPressOf(const MSG& message);
