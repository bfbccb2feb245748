// The ledgers behind the seed documents and the fuzzer's starting ledger:
// the default document, one with loans and payments, one whose balance is
// negative for a while.
#pragma once

#include "ledger/ledger.h"

void makeDefaultSample(Ledger& l);
void makeLoansAndPaymentsSample(Ledger& l);
void makeNegativeBalanceSample(Ledger& l);
