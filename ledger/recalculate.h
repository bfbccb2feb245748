// Rebuilds every derived field of a ledger from the user's data: periods,
// numbers, old balances, amount signs, interest amounts, new balances, the
// five totals and the body line count.
#pragma once

#include "ledger/ledger.h"

// True when recalculated. False when some new balance would reach 10^21:
// then the table, both sets of totals and the line count are untouched.
bool RecalculateLedger(Ledger& l);

// The process-wide ledger.
bool RecalculateLedger();
