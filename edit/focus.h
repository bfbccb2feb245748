// Operations on the edit focus: loading a field's stored text into it,
// activating a field with the repaint that moves the focus frame, and
// ending the whole-document selection.
#pragma once

#include <cstdint>

#include "focus/edit_focus.h"

// The line of the active transaction field.
int32_t fieldLine();

// Points the focus at a field, leaving the identity of the other area and
// the edit text as they are.
void setFieldIdentity(EditFocus& f, const FieldId& field);

// Makes a field active with its stored text (leading and trailing zeros
// included) in editText, wholly selected, caret at the start. Data only:
// the repaint is activateField's.
void loadField(EditFocus& f, const Ledger& l, const FieldId& field);
void loadHeaderField(EditFocus& f, const Ledger& l, HeaderField field);

// Win32: activate a field and repaint the old and the new box, each grown
// by one pixel so that the focus frame goes with it.
void activateField(const FieldId& field);
void activateField(HeaderField field);
void activateField(int32_t transactionIndex, TransactionField field);

// Win32: scrolls the body so that the active transaction field's line is
// among the visible lines; header fields never scroll.
void keepActiveFieldVisible();

// Win32: ends the whole-document selection on the beginning-balance sign
// and repaints the sign box and the body.
void leaveWholeDocument();
