// Adding a loan or payment at the end of a period, and the new document:
// the ledger side of the Add and File New commands.
#pragma once

#include "ledger/ledger.h"

// The slot a transaction added to `period` goes into: the first slot whose
// period is greater, or the end of the table.
int32_t insertionIndex(const Ledger& l, int32_t period);

// Inserts a zero loan or payment with an empty description at the end of
// `period` and recalculates. False, with nothing changed, when the table is
// full; otherwise `index` is the new transaction's slot.
bool insertTransaction(Ledger& l, TransactionType type, int32_t period, int32_t& index);

// The refusal of an add to a full table: the loan's text has no final period.
constexpr const char* addRefusalTitle = "Can Not Enter Transaction";
const char* addRefusalText(TransactionType type);

// Replaces the ledger with the recalculated default document.
void makeNewLedger(Ledger& l);
