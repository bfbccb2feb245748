// Key-down handling: the caret and scroll keys, the editing keys and the
// keys that leave or confirm a field.
#include <algorithm>

#include "edit/commit.h"
#include "edit/edit_text.h"
#include "edit/field_repaint.h"
#include "edit/focus.h"
#include "edit/keys.h"
#include "edit/navigation.h"
#include "view/window_layout.h"

static_assert(KeyBackspace == VK_BACK && KeyTab == VK_TAB && KeyEnter == VK_RETURN &&
              KeyControl == VK_CONTROL);
static_assert(KeyEscape == VK_ESCAPE && KeyPageUp == VK_PRIOR && KeyPageDown == VK_NEXT && KeyEnd == VK_END);
static_assert(KeyHome == VK_HOME && KeyLeft == VK_LEFT && KeyUp == VK_UP && KeyRight == VK_RIGHT);
static_assert(KeyDown == VK_DOWN && KeyDelete == VK_DELETE);

// Read when the key is handled, not from the message.
static bool shiftHeld() { return (GetKeyState(VK_SHIFT) & 0x8000) != 0; }

// The span from `lo` to `hi` widened to a shown selection's edges.
static void widenToSelection(const ScreenFont& s, const ActiveText& a, int32_t& lo, int32_t& hi)
{
    if (shownSelectionLength(editFocus) == 0) return;
    lo = std::min(lo, textX(s, a, editFocus.selectionStart));
    hi = std::max(hi, textX(s, a, editFocus.selectionEnd));
}

// Left and Right: the old and the new caret and whatever part of the
// selection appeared, went or changed.
static void moveCaret(const ScreenFont& s, int32_t key)
{
    const ActiveText a = activeTextPlace(s);
    int32_t lo = textX(s, a, editFocus.caret), hi = lo;
    widenToSelection(s, a, lo, hi);
    const bool shift = shiftHeld();
    const bool moved = key == KeyLeft ? moveCaretLeft(editFocus, shift)
                                      : moveCaretRight(editFocus, activeFieldKind(editFocus, ledger), shift);
    if (!moved) return;
    const int32_t caret = textX(s, a, editFocus.caret);
    lo = std::min(lo, caret);
    hi = std::max(hi, caret);
    widenToSelection(s, a, lo, hi);
    repaintTextSpan(a, lo, hi);
}

// Backspace and Delete: the text from the deletion point to the end of the
// box moves, the whole box for a right-aligned integer or the sign.
static void eraseText(const ScreenFont& s, int32_t key)
{
    keepActiveFieldVisible();
    const FieldKind kind = activeFieldKind(editFocus, ledger);
    const ActiveText before = activeTextPlace(s);
    const int32_t at = shownSelectionLength(editFocus) > 0
                           ? std::min(editFocus.selectionStart, editFocus.caret)
                       : key == KeyBackspace ? editFocus.caret - 1
                                             : editFocus.caret;
    const int32_t from = textX(s, before, std::max(at, 0));
    const bool erased = key == KeyBackspace ? backspaceText(editFocus, kind) : deleteText(editFocus, kind);
    if (!erased) return;
    const ActiveText after = activeTextPlace(s);
    repaintTextToEnd(after, kind == IntegerKind || kind == SignKind ? after.box.left : from);
}

// Enter reloads the committed field, showing its value as stored.
static void enterField()
{
    if (commitActiveField(CommitByEnter)) activateField(fieldIdOf(editFocus));
}

static void tabField(bool shift)
{
    if (!commitActiveField(shift ? CommitByShiftTab : CommitByTab)) return;
    activateField(shift ? shiftTabTarget(editFocus) : tabTarget(editFocus, ledger));
    keepActiveFieldVisible();
}

static void dispatchKey(const ScreenFont& s, int32_t key)
{
    if (isScrollKey(key)) {
        scrollBodyTo(
            scrollKeyTarget(key, screen.scrollLine, visibleLineCount(), maxScrollLine(ledger.bodyLineCount)));
        return;
    }
    switch (key) {
    case KeyLeft:
    case KeyRight: moveCaret(s, key); break;
    case KeyBackspace:
    case KeyDelete: eraseText(s, key); break;
    case KeyEnter: enterField(); break;
    case KeyTab: tabField(shiftHeld()); break;
    case KeyEscape: cancelEdit(); break;
    default: break;
    }
}

void handleKeyDown(int32_t key)
{
    if (editFocus.area == WholeDocument) {
        if (key != KeyControl) leaveWholeDocument();
        return;
    }
    const ScreenFont s = openScreenFont();
    dispatchKey(s, key);
    closeScreenFont(s);
}
