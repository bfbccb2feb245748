// The repaints that go with a change of the active field.
#include "edit/field_repaint.h"
#include "edit/focus.h"
#include "edit/navigation.h"
#include "view/field_geometry.h"
#include "view/window_layout.h"

// Repaints the old field, so its frame and selection go, and the new one;
// the rule under the header doubles or goes single when the area changed.
static void repaintFocusChange(const PixelRect& oldFrame, FocusArea oldArea, const TextMeasures& t)
{
    repaintFrame(oldFrame);
    repaintActiveField(t);
    if (oldArea != editFocus.area) repaintHeaderRuleBand();
}

void activateField(const FieldId& field)
{
    const TextMeasures t = measureScreenText();
    const PixelRect old = activeFieldFrame(t);
    const FocusArea oldArea = editFocus.area;
    loadField(editFocus, ledger, field);
    repaintFocusChange(old, oldArea, t);
}

void activateField(HeaderField field) { activateField(headerFieldId(field)); }

void activateField(int32_t transactionIndex, TransactionField field)
{
    activateField(transactionFieldId(transactionIndex, field));
}

void keepActiveFieldVisible()
{
    if (editFocus.area != Transactions) return;
    const int32_t old = screen.scrollLine;
    const int32_t line = keepLineVisible(old, fieldLine(), visibleLineCount());
    if (line != old) moveBody(old, line);
}

void leaveWholeDocument()
{
    loadHeaderField(editFocus, ledger, BalanceSign);
    repaintActiveField(measureScreenText());
    repaintBelowHeaderRule();
}
