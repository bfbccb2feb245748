// The repaints that go with a change of the active field.
#include "view/field_geometry.h"
#include "edit/focus.h"
#include "view/window_layout.h"

// The active field's box with its focus frame, at the current scroll
// position; empty for a transaction field whose line is not in the body,
// so that nothing under the header is repainted for it.
static PixelRect activeFrame()
{
    const PixelRect box = activeFieldBox(editFocus, screen, headerRects, measureScreenText());
    const bool hidden =
        editFocus.area == Transactions && (box.top < screen.bodyTop || box.top >= screen.clientHeight);
    return hidden ? PixelRect{0, 0, 0, 0} : grownByOne(box);
}

// Repaints the old field, so its frame and selection go, and the new one.
static void repaintFocusChange(const PixelRect& old)
{
    if (old.right > old.left) repaintNow(old);
    const PixelRect now = activeFrame();
    if (now.right > now.left) repaintNow(now);
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
