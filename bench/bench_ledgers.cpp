#include "bench_ledgers.h"

#include <cstring>

#include "ledger/recalculate.h"

template <std::size_t S>
static void setDigits(std::array<char, S>& field, const char* digits)
{
    std::memcpy(field.data(), digits, S - 1);
    field[S - 1] = 0;
}

static void setAmount(Transaction& t, const char* integer, const char* fraction)
{
    setDigits(t.amount.integer, integer);
    setDigits(t.amount.fraction, fraction);
}

static void resetWith(Ledger& l, const char* integer, const char* fraction, const char* rate)
{
    resetToDefaultDocument(l);
    setDigits(l.header.beginningBalance.integer, integer);
    setDigits(l.header.beginningBalance.fraction, fraction);
    setDigits(l.header.ratePerPeriod, rate);
}

// 32 periods of 32 transactions: the interest transaction, then loans and
// payments in turn, a loan first in odd periods and a payment first in even
// ones, so that two periods hold as many loans as payments.
static void fillPeriods(Ledger& l, const char* loanInteger, const char* loanFraction,
                        const char* paymentInteger, const char* paymentFraction)
{
    l.count = maxTransactions;
    const int32_t perPeriod = maxTransactions / defaultTransactionCount;
    for (int32_t i = 0; i < l.count; ++i) {
        Transaction& t = l.table[i];
        const int32_t k = i % perPeriod;
        const int32_t period = i / perPeriod;
        std::strcpy(t.description.data(), "Transaction of the benchmark ledger");
        if (k == 0) {
            t.type = Interest;
        } else if ((k + period) % 2 == 1) {
            t.type = Loan;
            setAmount(t, loanInteger, loanFraction);
        } else {
            t.type = Payment;
            setAmount(t, paymentInteger, paymentFraction);
        }
    }
}

bool makeDefaultShapedLedger(Ledger& l)
{
    resetWith(l, "000000000000098765432", "12345678901234567890", "00731250000000000000");
    fillPeriods(l, "000000000000000012500", "25000000000000000000", "000000000000000009875",
                "12500000000000000000");
    return RecalculateLedger(l);
}

bool makeCarryRunLedger(Ledger& l)
{
    resetWith(l, "099999999999999999999", "99999999999999999999", "00000000000000000000");
    const char* zeros = "000000000000000000000";
    const char* last = "00000000000000000001";
    fillPeriods(l, zeros, last, zeros, last);
    return RecalculateLedger(l);
}

// (1 + .0111...)^1024 is about 8.2 x 10^4, so a start below 1.2 x 10^16
// ends below 10^21. A rate with all twenty digits nonzero is at least .111...,
// which grows any balance that it changes at all by 10^46 over 1024 periods:
// no such ledger recalculates with a balance of many digits.
bool makeInterestOnlyLedger(Ledger& l)
{
    resetWith(l, "000001111111111111111", "11111111111111111111", "01111111111111111111");
    l.count = maxTransactions;
    for (Transaction& t : l.table) t.type = Interest;
    return RecalculateLedger(l);
}

bool makeFullRateLedger(Ledger& l)
{
    resetWith(l, "000000000000000000000", "00000000000000000001", "99999999999999999999");
    l.count = maxTransactions;
    for (Transaction& t : l.table) t.type = Interest;
    return RecalculateLedger(l);
}
