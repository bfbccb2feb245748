#include "edit/edit_text.h"

#include <cstring>

void hideCollapsedSelection(EditFocus& f)
{
    if (f.selectionEnd <= f.selectionStart) f.selectionShown = 0;
}

int32_t shownSelectionLength(const EditFocus& f)
{
    return f.selectionShown && f.selectionEnd > f.selectionStart ? f.selectionEnd - f.selectionStart : 0;
}

bool hasRoomFor(const EditFocus& f, FieldKind kind, int32_t n)
{
    return editTextLength(f) - shownSelectionLength(f) + n <= fieldRule(kind).longestText;
}

// Removes `n` characters at `at`: the rest of the text, terminator included,
// moves down and the freed bytes at the end become zero.
static void cutOut(EditFocus& f, int32_t at, int32_t n)
{
    char* text = f.editText.data();
    const int32_t length = editTextLength(f);
    std::memmove(text + at, text + at + n, static_cast<std::size_t>(length - at - n));
    std::memset(text + length - n, 0, static_cast<std::size_t>(n));
}

void removeSelection(EditFocus& f)
{
    const int32_t n = shownSelectionLength(f);
    cutOut(f, f.selectionStart, n);
    f.caret = f.selectionStart;
    f.selectionShown = 0;
}

void placeText(EditFocus& f, const char* text, int32_t n)
{
    if (shownSelectionLength(f) > 0) removeSelection(f);
    f.selectionShown = 0;
    char* at = f.editText.data() + f.caret;
    std::memmove(at + n, at, static_cast<std::size_t>(editTextLength(f) - f.caret));
    std::memcpy(at, text, static_cast<std::size_t>(n));
    f.caret += n;
}

void placeSign(EditFocus& f, char sign)
{
    f.editText.fill(0);
    f.editText[0] = sign;
    f.caret = 1;
    f.selectionShown = 0;
}

static void emptyText(EditFocus& f)
{
    f.editText.fill(0);
    f.caret = f.selectionStart = f.selectionEnd = 0;
    f.selectionShown = 0;
}

bool backspaceText(EditFocus& f, FieldKind kind)
{
    const bool selected = shownSelectionLength(f) > 0;
    if (kind == SignKind) {
        if (!selected && f.caret != 1) return false;
        emptyText(f);
    } else if (selected) {
        removeSelection(f);
    } else {
        if (f.caret == 0) return false;
        cutOut(f, --f.caret, 1);
    }
    return true;
}

bool deleteText(EditFocus& f, FieldKind kind)
{
    const bool selected = shownSelectionLength(f) > 0;
    if (kind == SignKind) {
        if (!selected && f.caret != 0) return false;
        emptyText(f);
    } else if (selected) {
        removeSelection(f);
    } else {
        if (f.caret >= editTextLength(f)) return false;
        cutOut(f, f.caret, 1);
    }
    return true;
}

bool moveCaretLeft(EditFocus& f, bool shift)
{
    if (f.caret <= 0) return false;
    const int32_t c = f.caret--;
    if (!f.selectionShown) {
        if (shift) {
            f.selectionShown = 1;
            f.selectionStart = c - 1;
            f.selectionEnd = c;
        }
    } else if (!shift) {
        f.selectionShown = 0;
    } else if (c == f.selectionStart) {
        f.selectionStart = c - 1;
    } else {
        f.selectionEnd = c - 1;
    }
    return true;
}

bool moveCaretRight(EditFocus& f, FieldKind kind, bool shift)
{
    // The sign field's caret may stand after its one character even when
    // the field is empty.
    const int32_t limit = kind == SignKind ? 1 : editTextLength(f);
    if (f.caret >= limit) return false;
    const int32_t c = f.caret++;
    if (!f.selectionShown) {
        if (shift) {
            f.selectionShown = 1;
            f.selectionStart = c;
            f.selectionEnd = c + 1;
        }
    } else if (!shift) {
        f.selectionShown = 0;
    } else if (c == f.selectionEnd) {
        f.selectionEnd = c + 1;
    } else {
        f.selectionStart = c + 1;
    }
    return true;
}
