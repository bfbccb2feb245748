// Win32: committing the active field's text to the ledger, and Escape.
#pragma once

#include "edit/commit_store.h"

// Writes the field's text into its stored value; when the stored bytes
// changed, recalculates and refreshes the screen. False when the ledger
// refuses the value: the message has been shown and the stored field is
// back byte for byte, while the focus and its text stay for correction.
// `field` is the active field, or for a click the copy of the one it left.
bool commitField(const EditFocus& field, CommitAction action);
bool commitActiveField(CommitAction action);

// Escape: the stored text back into the field, wholly selected.
void cancelEdit();
