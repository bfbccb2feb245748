// Where the keys and the mouse move the focus and the body: the key codes
// the editor handles, the scroll keys' targets, the keep-visible rule, the
// Tab cycle and the field under a click. Arithmetic only.
#pragma once

#include <cstdint>

#include "focus/edit_focus.h"
#include "view/layout.h"

// Virtual-key codes, as the platform numbers them.
enum EditKey : int32_t {
    KeyBackspace = 8,
    KeyTab = 9,
    KeyEnter = 13,
    KeyControl = 17,
    KeyEscape = 27,
    KeyPageUp = 33,
    KeyPageDown = 34,
    KeyEnd = 35,
    KeyHome = 36,
    KeyLeft = 37,
    KeyUp = 38,
    KeyRight = 39,
    KeyDown = 40,
    KeyDelete = 46,
};

// Page Down, Page Up, Down, Up, End and Home: they move only the body.
bool isScrollKey(int32_t key);

// The scroll position a scroll key asks for, clamped into [0, maxLine].
int32_t scrollKeyTarget(int32_t key, int32_t scrollLine, int32_t visibleLines, int32_t maxLine);

// The scroll position that keeps body line `line` among the first `visible`
// lines of the body; not clamped to the largest position.
int32_t keepLineVisible(int32_t scrollLine, int32_t line, int32_t visible);

// Tab: the next field of the header's cycle, or of the transactions' cycle
// through every description and loan or payment amount, wrapping to
// transaction 0 after the last.
FieldId tabTarget(const EditFocus& f, const Ledger& l);

// Shift+Tab changes area: the first transaction's description from the
// header, the balance sign from a transaction.
FieldId shiftTabTarget(const EditFocus& f);

// Where a click at (x, y) lands. Ignored left or right of the block and
// below the last page of the body; in the header the box under it or the
// balance sign; in the body the clicked line's transaction, its amount box
// on a loan's or payment's amount line, else its description; a summary
// line selects the first transaction's description.
struct ClickTarget {
    bool ignored;
    FieldId field;
};
ClickTarget fieldAtPoint(int32_t x, int32_t y, const ScreenMetrics& m, const TextMeasures& t,
                         const HeaderFieldRects& r, const Ledger& l, int32_t pixelsPerInch);
