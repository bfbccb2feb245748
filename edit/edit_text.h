// The changes typing, pasting and the editing keys make to the edit text,
// its caret and its selection, by the rules of the field table. Data only:
// the callers repaint.
#pragma once

#include <cstdint>

#include "focus/fields.h"

// A collapsed selection is never shown: clears selectionShown unless
// selectionEnd is past selectionStart. Every handler that may leave one
// collapsed runs this.
void hideCollapsedSelection(EditFocus& f);

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
