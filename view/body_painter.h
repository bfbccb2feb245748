// The one painter of body lines, for the screen and the printed page: a
// line's identifier, label, description and value cells at the columns of
// the device it draws on.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ledger/body_lines.h"
#include "view/layout.h"

// Where a device's body lines go. `left` is the block's left edge (the
// identifiers and the summary's labels), `column` the body's column origin,
// `cell` the height of a line (and the width of a sign cell), `right` the
// block's right edge. With `boxes` (the screen) the description and a
// loan's or payment's amount digits stand in their editable boxes, the
// active one with its edit text; without (the page) as plain text.
struct BodyColumns {
    TextMeasures text;
    int32_t left, column, cell, right;
    bool boxes;
};

// Body line `b` over the line from `top`, its text from `textTop`.
void drawBodyLine(HDC dc, const BodyColumns& c, const BodyLine& b, int32_t top, int32_t textTop);

// Whether the line from `top` can show a pixel of the device's clip box: its
// band and the one pixel above and below, where an active box's frame lies.
bool lineInClip(const RECT& clip, int32_t top, int32_t lineHeight);
