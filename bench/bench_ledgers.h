// The full-size ledgers the benchmarks time: 1024 transactions each, built
// once and recalculated; false when the recalculation refused them.
#pragma once

#include "ledger/ledger.h"

// 32 periods, each an interest transaction followed by 31 loans and
// payments with nonzero amounts; nonzero balance and rate.
bool makeDefaultShapedLedger(Ledger& l);

// 1024 periods: a digit multiplication for every transaction. The rate has
// 19 nonzero digits and the balance 36, and every balance stays in range.
bool makeInterestOnlyLedger(Ledger& l);

// 1024 periods with a rate of twenty nines: the most digit products per
// multiplication, on a balance that truncation keeps at its last digit.
bool makeFullRateLedger(Ledger& l);

// 32 periods at a zero rate, each followed by 31 loans and payments of
// 10^-20 in turn on a balance of 10^20 - 10^-20: every loan carries and
// every payment borrows through forty digits.
bool makeCarryRunLedger(Ledger& l);
