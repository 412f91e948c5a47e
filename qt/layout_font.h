#pragma once

#include <QFont>

// The window's font at a given character height: the layout's face, or the
// nearest proportional Japanese Gothic face there is.
QFont LayoutFont(int pixels, bool bold = false);

// Whether one of the layout's Japanese Gothic faces is installed; without
// one, every caption is a row of boxes.
bool LayoutFaceInstalled();
