// Writing the edit text back into the stored field it was loaded from, and
// putting the stored bytes back when the ledger refuses them. The commit
// of the keyboard and the mouse's commit of the previous field share this.
#pragma once

#include <array>
#include <cstdint>

#include "ledger/edit_focus.h"

// Stores the text of `f` into its field of `l`: a description as its 45
// bytes; a sign as "-" when the text begins with "-", else "+"; digits
// padded with "0" to the field's width, integer digits on the left,
// fraction digits on the right. Before a sign or digits are stored their
// bytes, terminator included, are kept in `saved` (the rest of it zero).
// Returns how many bytes to compare with `saved`: 2, 22 or 21; 0 for a
// description, which is never compared.
int32_t storeEditText(const EditFocus& f, Ledger& l, std::array<char, 128>& saved);

// Whether the field's stored bytes differ from the `n` kept in `saved`.
bool storedFieldChanged(const EditFocus& f, Ledger& l, const std::array<char, 128>& saved, int32_t n);

// Puts the `n` kept bytes back into the field.
void restoreStoredField(const EditFocus& f, Ledger& l, const std::array<char, 128>& saved, int32_t n);
