// The repaints that go with a change of the active field.
#include "app/main_window.h"
#include "edit/field_geometry.h"
#include "edit/focus.h"
#include "view/window_layout.h"

// The active field's box with its focus frame, at the current scroll
// position.
static PixelRect activeFrame()
{
    const TextMeasures t = editFocus.area == Transactions ? measureScreenText() : TextMeasures{};
    return grownByOne(activeFieldBox(editFocus, screen, headerRects, t));
}

// Repaints the old field, so its frame and selection go, and the new one.
static void repaintFocusChange(const PixelRect& old)
{
    repaintNow(old);
    repaintNow(activeFrame());
}

void activateField(HeaderField field)
{
    const PixelRect old = activeFrame();
    loadHeaderField(editFocus, ledger, field);
    repaintFocusChange(old);
}

void activateField(int32_t transactionIndex, TransactionField field)
{
    const PixelRect old = activeFrame();
    loadTransactionField(editFocus, ledger, transactionIndex, field);
    repaintFocusChange(old);
}

void leaveWholeDocument()
{
    loadHeaderField(editFocus, ledger, BalanceSign);
    repaintNow(grownByOne(headerRects.balanceSign));
    repaintNow({0, screen.bodyTop, screen.clientWidth, screen.clientHeight});
}
