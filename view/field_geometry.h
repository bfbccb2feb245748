// Where the editable fields lie on the screen and where their text starts:
// the boxes the focus frame is drawn around and the x from which the caret
// and the selection are measured.
#pragma once

#include <cstdint>

#include "focus/fields.h"
#include "view/layout.h"

// The rectangle owned by a header field.
PixelRect headerFieldBox(const HeaderFieldRects& r, HeaderField field);

// A transaction field's box at the current scroll position: the description
// box spans [x0, blockRight], the amount boxes their value cells, each over
// the whole line height.
PixelRect transactionFieldBox(const ScreenMetrics& m, const TextMeasures& t, int32_t transactionIndex,
                              TransactionField field);

// The box of the active field (the header's or a transaction's).
PixelRect activeFieldBox(const EditFocus& f, const ScreenMetrics& m, const HeaderFieldRects& r,
                         const TextMeasures& t);

// Text origins: a sign centred by its measured width; integer digits
// flush right, a character height in from the box's right edge; fraction,
// rate and description digits a character height in from the left.
int32_t signTextOrigin(const PixelRect& box, int32_t textWidth);
int32_t integerTextOrigin(const PixelRect& box, int32_t charHeight, int32_t textWidth);
int32_t leftTextOrigin(const PixelRect& box, int32_t charHeight);

// The origin of the active field's editText in its box, given the width of
// the whole editText.
int32_t activeTextOrigin(const EditFocus& f, const PixelRect& box, int32_t charHeight, int32_t textWidth);

// A box grown by one pixel on every side: what a repaint of a field with its
// focus frame covers.
PixelRect grownByOne(const PixelRect& box);
