// Win32: repainting parts of the active field after its text, caret or
// selection changed. Positions come from the text extents of editText in
// the ledger font, measured on the screen context the caller holds.
#pragma once

#include <cstdint>

#include "focus/edit_focus.h"
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

// The box of a focus's field grown by one pixel, which its focus frame
// covers; empty for a transaction field whose line is not in the body and
// for the whole-document selection. Every erasing of an old frame and
// drawing of a new one repaints this.
PixelRect focusFrame(const EditFocus& f, const TextMeasures& t);
PixelRect activeFieldFrame(const TextMeasures& t);

// Repaints a frame unless it is empty.
void repaintFrame(const PixelRect& frame);

// Repaints the active field's frame, if it is in view.
void repaintActiveField(const TextMeasures& t);

// Repaints everything below the rule under the header, which the
// whole-document selection inverts: what selecting the whole document and
// every way of leaving it repaint.
void repaintBelowHeaderRule();

// Repaints the one-pixel band below the rule under the header, where the
// rule is doubled while a transaction field is active.
void repaintHeaderRuleBand();
