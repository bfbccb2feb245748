// Win32: repainting parts of the active field after its text, caret or
// selection changed. Positions come from the text extents of editText in
// the ledger font, measured on the screen context the caller holds.
#pragma once

#include <cstdint>

#include "view/font.h"
#include "view/layout.h"

// Where the active field's text stands now: its box, the x at which
// editText starts and the y of its top.
struct ActiveText {
    PixelRect box;
    int32_t origin;
    int32_t top;
    int32_t charHeight;
};

ActiveText activeTextPlace(const ScreenFont& s);

// x of the caret before character `index` of editText.
int32_t textX(const ScreenFont& s, const ActiveText& a, int32_t index);

// Repaints [fromX, toX] over the text height: caret strips at both ends
// and every selection edge between them.
void repaintTextSpan(const ActiveText& a, int32_t fromX, int32_t toX);

// Repaints the inside of the box from x to its right end: text that moved.
void repaintTextToEnd(const ActiveText& a, int32_t fromX);

// The active field's box grown by one pixel, which its focus frame
// covers; empty for a transaction field whose line is not in the body.
PixelRect activeFieldFrame(const TextMeasures& t);

// Repaints the active field's frame, if it is in view.
void repaintActiveField(const TextMeasures& t);

// Repaints the one-pixel band below the rule under the header, where the
// rule is doubled while a transaction field is active.
void repaintHeaderRuleBand();
