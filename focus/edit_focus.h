// The edit focus: which field of the ledger is active, the text being typed
// into it with its caret and selection, and the two buffers a commit keeps.
//
// The record has a folder of its own just above the ledger because every
// layer above reads it. Exactly one process-wide EditFocus exists for the whole run: the
// editing handlers (edit/) and the commands that move it (clipboard, add,
// new, open, select all) change it; painting and the refresh after a
// commit only read it.
#pragma once

#include <array>
#include <cstdint>

#include "ledger/ledger.h"

enum FocusArea : int32_t { Header = 0, Transactions = 1, WholeDocument = 2 };

// The four editable header fields, by the rectangle they own in the header
// layout; they keep their identity across window resizes.
enum HeaderField : int32_t { BalanceSign = 0, BalanceInteger = 1, BalanceFraction = 2, RateFraction = 3 };

enum TransactionField : int32_t { Description = 0, AmountInteger = 1, AmountFraction = 2 };

struct EditFocus {
    FocusArea area;
    HeaderField headerField;                     // meaningful while area is Header
    int32_t transactionIndex;                    // meaningful while area is Transactions
    TransactionField transactionField;           // meaningful while area is Transactions
    std::array<char, descriptionSize> editText;  // at most 44 characters, zero bytes after
    int32_t caret;
    int32_t selectionStart;
    int32_t selectionEnd;
    int32_t selectionShown;  // 1 when selectionStart..selectionEnd is selected
};

extern EditFocus editFocus;

// A field's identity, without its text: the area with the header field or
// the transaction and its field.
struct FieldId {
    FocusArea area;
    HeaderField headerField;
    int32_t transactionIndex;
    TransactionField transactionField;
};

FieldId headerFieldId(HeaderField field);
FieldId transactionFieldId(int32_t transactionIndex, TransactionField field);
FieldId fieldIdOf(const EditFocus& f);

// The stored bytes of the field being committed, as before the commit.
extern std::array<char, 128> savedValue;
// The transactions as they were just before a commit recalculated; File Open
// keeps the previous table here while it tries a file.
extern TransactionTable tableBeforeCommit;

// The start state: the beginning balance's "+" sign active and selected.
constexpr EditFocus startFocus = {Header, BalanceSign, 0, Description, {'+'}, 0, 0, 1, 1};

// The body line of a transaction field: the description on the
// transaction's line a, both amount fields on its line j.
int32_t fieldLine(int32_t transactionIndex, TransactionField field);

// Length of editText up to its terminator.
int32_t editTextLength(const EditFocus& f);

// Whether a field is the one being edited (never while the whole document
// is selected).
bool isActiveHeaderField(const EditFocus& f, HeaderField field);
bool isActiveTransactionField(const EditFocus& f, int32_t transactionIndex, TransactionField field);
