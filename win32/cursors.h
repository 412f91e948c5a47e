#pragma once

#include <windows.h>

#include "form/layout.h"

// The cursor a control of the tables names, or null for its kind's own.
HCURSOR CursorOf(Cursor cursor);
