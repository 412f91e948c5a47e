#pragma once

// Where the window's frame goes when first shown: centred on the desktop,
// which is measured from 0, 0 to the far edges of its monitors; the frame's
// outer size includes the caption. Never left of or above the desktop's
// corner.
struct FramePosition {
    int left;
    int top;
    bool operator==(const FramePosition&) const = default;
};

FramePosition CentredFrame(int desktop_width, int desktop_height, int outer_width, int outer_height);

// A clock row stands where the layout puts it while its text fits the page;
// a longer text keeps its right end at the page's edge, so that no character
// is ever cut off.
int ClockRowLeft(int designed_left, int page_width, int label_width);
