#include <algorithm>

#include "edit/field_repaint.h"
#include "edit/focus.h"
#include "edit/typing.h"
#include "focus/edit_focus.h"

void placeInActiveField(const ScreenFont& s, FieldKind kind, const char* text, int32_t n)
{
    EditFocus& f = editFocus;
    const ActiveText before = activeTextPlace(s);
    const int32_t selected = shownSelectionLength(f);
    const int32_t selectionFrom = textX(s, before, f.selectionStart),
                  selectionTo = textX(s, before, f.selectionEnd);
    const int32_t oldCaret = textX(s, before, f.caret);
    const int32_t at = selected > 0 ? f.selectionStart : f.caret;
    if (kind == SignKind)
        placeSign(f, text[0]);
    else
        placeText(f, text, n);
    const ActiveText after = activeTextPlace(s);
    if (selected > 0) repaintTextSpan(before, selectionFrom, selectionTo);
    repaintTextSpan(before, oldCaret, oldCaret);
    // Right-aligned integer digits: from the further left of the old and the
    // new text's left ends, so that no digit of the old text stays behind.
    const int32_t from = kind == SignKind      ? after.box.left
                         : kind == IntegerKind ? std::min(before.origin, after.origin)
                                               : textX(s, after, at);
    repaintTextToEnd(after, from);
}

// Typing takes a character only into a field that accepts it and has
// room; a refused character changes nothing and says nothing.
static void typeCharacter(const ScreenFont& s, uint32_t code)
{
    EditFocus& f = editFocus;
    hideCollapsedSelection(f);
    if (f.area == WholeDocument) return;
    // A refused character still brings the field into view.
    if (f.area == Transactions) keepActiveFieldVisible();
    const FieldKind kind = activeFieldKind(f, ledger);
    if (!acceptsCharacter(kind, code) || !hasRoomFor(f, kind, 1)) return;
    const bool replacesSign = kind == SignKind && f.selectionShown;
    const char c = static_cast<char>(code);
    placeInActiveField(s, kind, &c, 1);
    if (replacesSign) f.selectionStart = f.selectionEnd = 0;
}

void enterCharacter(uint32_t code)
{
    const ScreenFont s = openScreenFont();
    typeCharacter(s, code);
    closeScreenFont(s);
}
