// A left-button press: the field under the pointer becomes active, after
// the field that was active has been committed with the text it showed.
#include "edit/commit.h"
#include "edit/edit_text.h"
#include "edit/field_repaint.h"
#include "edit/focus.h"
#include "edit/mouse.h"
#include "edit/navigation.h"
#include "view/field_geometry.h"
#include "view/window_layout.h"

// Commits the field the click left, from its copy. False when the ledger
// refused the value: the previous field is then active again with its
// typed text, and the boxes of both fields are repainted so that neither
// shows a frame it does not have.
static bool commitPrevious(const EditFocus& previous, const TextMeasures& t)
{
    if (previous.area == WholeDocument) {
        repaintBelowHeaderRule();  // ends the inversion
        return true;
    }
    if (commitField(previous, CommitByClick)) {
        repaintFrame(focusFrame(previous, t));
        return true;
    }
    const PixelRect clicked = activeFieldFrame(t);
    setFieldIdentity(editFocus, fieldIdOf(previous));
    editFocus.editText = previous.editText;
    repaintFrame(clicked);
    repaintFrame(focusFrame(previous, t));
    return false;
}

static void selectField(const ScreenFont& s, int32_t x, int32_t y)
{
    const ClickTarget target =
        fieldAtPoint(x, y, screen, s.measures, headerRects, ledger, GetDeviceCaps(s.dc, LOGPIXELSY));
    if (target.ignored) return;
    const EditFocus previous = editFocus;
    setFieldIdentity(editFocus, target.field);
    // The typed text belongs to the field the click left, which the commit
    // takes from the copy: until the clicked field is loaded, a repaint
    // shows it empty rather than with another field's text.
    editFocus.editText.fill(0);
    if (!commitPrevious(previous, s.measures)) return;
    keepActiveFieldVisible();
    if (editFocus.area != previous.area) repaintHeaderRuleBand();
    activateField(target.field);
}

void selectFieldAtPoint(int32_t x, int32_t y)
{
    const ScreenFont s = openScreenFont();
    selectField(s, x, y);
    closeScreenFont(s);
}
