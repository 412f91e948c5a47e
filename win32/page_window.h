#pragma once

#include <windows.h>

#include "form/layout.h"
#include "win32/layout_scale.h"

// A page of the notebook: a child window in the page colour over the
// notebook's display area, holding that page's controls and answering for
// them (their colours, clicks, drawing and cursors). Tab and the arrows move
// into it and out again, as into a dialog.
HWND MakePageWindow(HWND main, const LayoutScale& scale);
// Where a page window stands in the main window's client area.
Box PageWindowBox(const LayoutScale& scale);
