// The texts of the ledger's screen lines: line identifiers, the labels of a
// transaction's lines and of the summary. Labels keep their trailing blank.
#pragma once

#include <cstdint>

#include "ledger/ledger.h"
#include "view/layout.h"

// Room for any text built here, terminator included.
constexpr int32_t lineTextSize = 64;

// "%0.2i%c%0.4i%c": period, "-", number, line letter ("01-0001a").
int32_t formatLineId(char* out, int32_t period, int32_t number, char letter);

// The identifier of line k (0..11) of a transaction: letters "a" to "l".
int32_t formatTransactionLineId(char* out, const Transaction& t, int32_t k);

// "Interest transaction", "Loan transaction", "Payment transaction"; empty
// for a code the ledger does not know.
const char* transactionTypeName(int32_t type);

// The label shown on line k of transaction i (lines 1, 2, 3, 4, 6, 8, 10),
// numbers included; 0 and an empty text for the other lines.
int32_t formatTransactionLabel(char* out, const Ledger& l, int32_t i, int32_t k);

// Whether line k of a transaction is one of its label lines.
bool isTransactionLabelLine(int32_t k);

// Counts of the table's transactions by type, and of all of them.
struct TypeCounts {
    int32_t interest, loan, payment, all;
};
TypeCounts countTransactionTypes(const Ledger& l);

// The label of a summary row with its count where it has one; 0 and an
// empty text for value rows.
int32_t formatSummaryLabel(char* out, SummaryRow row, const TypeCounts& c);

// The same text as measured by the select-all inversion: the loan total's
// label is measured one blank wider than it is drawn.
int32_t formatSummaryBandLabel(char* out, SummaryRow row, const TypeCounts& c);

// Index of the `ordinal`-th transaction (from 0) of `type` in stored order,
// or -1.
int32_t nthTransactionOfType(const Ledger& l, int32_t type, int32_t ordinal);
