// The rules of the seven editable fields and the changes typing, pasting
// and the editing keys make to the edit text, its caret and its selection.
// Data only: the callers repaint.
#pragma once

#include <cstdint>

#include "ledger/edit_focus.h"

// What an editable field holds, which decides what it accepts and how it is
// stored back: a sign, 21 integer digits (right-aligned), 20 fraction digits
// (left-aligned) or a description of up to 44 characters.
enum FieldKind : int32_t { SignKind, IntegerKind, FractionKind, DescriptionKind, NoFieldKind };

// The kind of the active field. An interest transaction has only its
// description; a transaction of an unknown type, or the whole-document
// selection, has no field.
FieldKind activeFieldKind(const EditFocus& f, const Ledger& l);

// The stored bytes a field edits, its terminator included: the sign's 2,
// an integer part's 22, a fraction part's or the rate's 21, a
// description's 45. Loading a field, committing it and putting it back
// after a refusal all go through this one map.
struct StoredBytes {
    char* bytes;
    int32_t size;
};
struct StoredText {
    const char* bytes;
    int32_t size;
};
StoredBytes storedBytes(const FieldId& field, Ledger& l);
StoredText storedText(const FieldId& field, const Ledger& l);

// The longest text a field takes: 1, 21, 20 or 44 characters.
int32_t longestText(FieldKind kind);

// Whether a typed character code goes into a field: "+" and "-" into the
// sign, "0" to "9" into digit fields, 32 to 255 into a description.
bool acceptsCharacter(FieldKind kind, uint32_t code);

// Length of the shown selection, 0 when none is shown.
int32_t shownSelectionLength(const EditFocus& f);

// Whether `n` more characters fit once the shown selection is replaced.
bool hasRoomFor(const EditFocus& f, FieldKind kind, int32_t n);

// Puts `n` bytes in place of the shown selection, or at the caret when none
// is shown; the caret ends after them. selectionStart and selectionEnd keep
// their values. Not for the sign field; the room must have been tested.
void placeText(EditFocus& f, const char* text, int32_t n);

// The sign field's text becomes the one character, caret after it, no
// selection shown.
void placeSign(EditFocus& f, char sign);

// Removes the shown selection's characters; the caret goes to where they
// were.
void removeSelection(EditFocus& f);

// Backspace and Delete: false when the key has nothing to remove. The sign
// field is emptied as a whole.
bool backspaceText(EditFocus& f, FieldKind kind);
bool deleteText(EditFocus& f, FieldKind kind);

// Left and Right, with Shift growing or shrinking the selection by the
// character passed over: false at the start or at the end.
bool moveCaretLeft(EditFocus& f, bool shift);
bool moveCaretRight(EditFocus& f, FieldKind kind, bool shift);
