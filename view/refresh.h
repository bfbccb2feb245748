// The refresh after a committed value recalculated the ledger: every
// visible value row and summary row is compared cell by cell with what it
// showed before, and only the changed tail of each changed cell is
// repainted. The committed field's own box is its committing handler's.
#pragma once

#include <array>
#include <cstdint>

#include "focus/edit_focus.h"
#include "view/layout.h"

// Called for each rectangle, in body line order; the caller paints each
// before the next is computed.
using RepaintRect = void (*)(const PixelRect& rect);

// `before` is the table as it was before the recalculation, `committed`
// names the committed field (only its identity is read) and `saved` holds
// its stored bytes from before the commit; the totals are compared with
// the ledger's previousTotals.
void refreshChangedCells(const Ledger& l, const TransactionTable& before, const EditFocus& committed,
                         const std::array<char, 128>& saved, const ScreenMetrics& m, const TextMeasures& t,
                         RepaintRect repaint);

// Win32: the same on the main window, each rectangle painted at once.
// `committed` names the committed field, which the focus may already have
// left (a click moves it before the commit).
void refreshAfterRecalc(const TransactionTable& before, const EditFocus& committed);
