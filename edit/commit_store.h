// Writing the edit text back into the stored field it was loaded from, and
// putting the stored bytes back when the ledger refuses them. The commit
// of the keyboard, the mouse's commit of the previous field and
// tarnwell-cli's set share this.
#pragma once

#include <array>
#include <cstdint>

#include "focus/edit_focus.h"

// What committed a field: it decides the words of a refusal.
enum CommitAction : int32_t { CommitByTab, CommitByShiftTab, CommitByEnter, CommitByClick };

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

enum CommitResult : int32_t { CommitUnchanged, CommitRecalculated, CommitRefused };

// The commit of `f`'s text: stored, and when the stored bytes changed the
// transactions kept in `before` and the ledger recalculated. A description
// is stored and never recalculated. CommitRefused when the recalculation
// refuses: the refused value is still stored, and `kept` bytes of `saved`
// put it back (restoreStoredField) once the user has been told.
CommitResult commitEditText(const EditFocus& f, Ledger& l, std::array<char, 128>& saved,
                            TransactionTable& before, int32_t& kept);

// The words of a refused commit of `f`: a sign, a digit value, or an
// amount's fraction digits left with Shift+Tab.
struct CommitRefusal {
    const char* title;
    const char* text;
};
CommitRefusal commitRefusal(const EditFocus& f, const Ledger& l, CommitAction action);
