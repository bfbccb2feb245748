#include "ledger/adding.h"

#include <cstring>

#include "ledger/recalculate.h"

int32_t insertionIndex(const Ledger& l, int32_t period)
{
    for (int32_t i = 0; i < l.count; ++i)
        if (l.table[i].period > period) return i;
    return l.count;
}

bool insertTransaction(Ledger& l, TransactionType type, int32_t period, int32_t& index)
{
    if (l.count + 1 > maxTransactions) return false;
    index = insertionIndex(l, period);
    std::memmove(&l.table[index + 1], &l.table[index], sizeof(Transaction) * (l.count - index));
    l.count += 1;
    l.bodyLineCount += 13;
    Transaction& t = l.table[index];
    t.description.fill(0);
    t.type = type;
    fillZeroDigits(t.amount.integer);
    fillZeroDigits(t.amount.fraction);
    // A zero amount changes no balance, so this cannot fail.
    RecalculateLedger(l);
    return true;
}

const char* addRefusalText(TransactionType type)
{
    return type == Payment ? "This document already contains the maximum number of transactions."
                           : "This document already contains the maximum number of transactions";
}

void makeNewLedger(Ledger& l)
{
    resetToDefaultDocument(l);
    RecalculateLedger(l);  // all zeros: cannot fail
}
