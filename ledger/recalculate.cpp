#include "ledger/recalculate.h"

#include <cstddef>
#include <cstring>

#include "ledger/digits/digits.h"
#include "ledger/line_numbers.h"

// The table under construction; nothing else reads it. Only its fields from
// the period on are written and copied back: the descriptions before them
// are the stored table's own.
static TransactionTable workTable;

constexpr std::size_t fieldsFrom = offsetof(Transaction, period),
                      fieldsEnd = offsetof(Transaction, newBalance) + sizeof(SignedAmount);

static void copyFields(const Transaction& from, Transaction& to)
{
    std::memcpy(reinterpret_cast<char*>(&to) + fieldsFrom, reinterpret_cast<const char*>(&from) + fieldsFrom,
                fieldsEnd - fieldsFrom);
}

// The balance carried from one transaction to the next, kept as a vector so
// that it is not read back from its text at every step.
struct RunningBalance {
    char sign;
    AmountVector digits;
};

// The amounts summed along the pass, digit by digit without carrying (a
// cell holds at most 1024 x 9); each sum is normalised once at the end, which
// gives the digits of adding the amounts one at a time. Interest amounts are
// summed apart by sign, and the two sums then added with their signs.
struct RunningTotals {
    TotalVector interestPlus, interestMinus, loans, payments;
};

static void storeAmount(char sign, const AmountVector& v, SignedAmount& s)
{
    setSign(s.sign, sign);
    StoreDigits(v, s.integer, s.fraction);
}

static void storeTotal(char sign, const TotalVector& v, SignedTotal& s)
{
    setSign(s.sign, sign);
    StoreDigits(v, s.integer, s.fraction);
}

static void accumulate(TotalVector& sum, const AmountVector& a)
{
    for (std::size_t k = 0; k < amountCells; ++k) sum[k] += a[k];
}

// The interest transactions from slot i on, as many as follow one another:
// each charges interest on the balance carried into its period, and all
// take that balance's sign. Returns how many were charged, or 0 when a
// balance would reach 10^21.
static int32_t chargeInterestRun(const Ledger& l, int32_t i, int32_t& p, RunningBalance& b,
                                 RunningTotals& totals)
{
    int32_t count = 0;
    for (; i + count < l.count && l.table[i + count].type == Interest; ++count) {
        Transaction& t = workTable[i + count];
        t.period = ++p;
        t.number = 1;
        t.type = Interest;
    }
    TotalVector& sum = b.sign == '-' ? totals.interestMinus : totals.interestPlus;
    return ChargeInterestRun(b.digits, b.sign, l.header.ratePerPeriod, &workTable[i], count, sum) ? count : 0;
}

// A loan adds its digits to the balance, a payment subtracts them. The
// digits are read from the stored table, not from the copy just written.
static bool applyAmount(const SignedAmount& stored, Transaction& t, char sign, RunningBalance& b,
                        TotalVector& sum)
{
    AmountVector amount;
    setSign(t.amount.sign, sign);
    LoadDigits(stored.integer, stored.fraction, amount);
    if (!AddSigned(b.sign, b.digits, sign, amount, b.sign, b.digits)) return false;
    storeAmount(b.sign, b.digits, t.newBalance);
    accumulate(sum, amount);
    return true;
}

// A loan or payment in slot i, numbered n within period p, or a slot of an
// unknown code, carried through as it stands.
static bool applyTransaction(const Ledger& l, int32_t i, int32_t p, int32_t& n, RunningBalance& b,
                             RunningTotals& totals)
{
    const Transaction& stored = l.table[i];
    Transaction& t = workTable[i];
    copyFields(stored, t);
    if (t.type != Loan && t.type != Payment) {
        b.sign = stored.newBalance.sign[0];
        LoadDigits(stored.newBalance.integer, stored.newBalance.fraction, b.digits);
        return true;
    }
    t.period = p;
    t.number = ++n;
    t.oldBalance = i == 0 ? l.header.beginningBalance : workTable[i - 1].newBalance;
    if (t.type == Loan) return applyAmount(stored.amount, t, '+', b, totals.loans);
    return applyAmount(stored.amount, t, '-', b, totals.payments);
}

// Periods and numbers run in table order; each old balance is the previous
// slot's new balance. A loan or payment in slot 0 (only a hand-made document
// can have one) starts from the beginning balance in period 0, numbered from
// 1 like the first transaction of a period.
static bool buildWorkTable(const Ledger& l, RunningTotals& totals)
{
    const SignedAmount& beginning = l.header.beginningBalance;
    RunningBalance b{beginning.sign[0], {}};
    LoadDigits(beginning.integer, beginning.fraction, b.digits);
    int32_t p = 0, n = 0;
    for (int32_t i = 0; i < l.count;) {
        if (l.table[i].type == Interest) {
            const int32_t charged = chargeInterestRun(l, i, p, b, totals);
            if (charged == 0) return false;
            i += charged;
            n = 1;
        } else {
            if (!applyTransaction(l, i, p, n, b, totals)) return false;
            ++i;
        }
    }
    return true;
}

// The five totals from the sums of the pass.
static bool finishTotals(const Ledger& l, RunningTotals& r, LedgerTotals& totals)
{
    if (!NormaliseDigits(r.interestPlus) || !NormaliseDigits(r.interestMinus) || !NormaliseDigits(r.loans) ||
        !NormaliseDigits(r.payments))
        return false;
    char interestSign, transactionSign, balancingSign;
    TotalVector interest, sum, transactions, balancing, beginning;
    const SignedAmount& b = l.header.beginningBalance;
    LoadDigits(b.integer, b.fraction, beginning);
    if (!AddSigned('+', r.interestPlus, '-', r.interestMinus, interestSign, interest) ||
        !AddSigned(interestSign, interest, '+', r.loans, transactionSign, sum) ||
        !AddSigned(transactionSign, sum, '-', r.payments, transactionSign, transactions) ||
        !AddSigned(b.sign[0], beginning, transactionSign, transactions, balancingSign, balancing))
        return false;
    storeTotal(interestSign, interest, totals.interestTotal);
    storeTotal('+', r.loans, totals.loanTotal);
    storeTotal('-', r.payments, totals.paymentTotal);
    storeTotal(transactionSign, transactions, totals.transactionTotal);
    storeTotal(balancingSign, balancing, totals.balancingTotal);
    return true;
}

bool RecalculateLedger(Ledger& l)
{
    RunningTotals running{};
    if (!buildWorkTable(l, running)) return false;
    // Slots from count upward are zero in the stored table after every pass.
    for (int32_t i = 0; i < l.count; ++i) copyFields(workTable[i], l.table[i]);
    std::memset(l.table.data() + l.count, 0, sizeof(Transaction) * (maxTransactions - l.count));
    // Totals stay below 10^25 for any table the program can hold; were one
    // to overflow, the table is replaced but the totals keep their values.
    LedgerTotals totals;
    if (!finishTotals(l, running, totals)) return false;
    l.previousTotals = l.currentTotals;
    l.currentTotals = totals;
    l.bodyLineCount = bodyLineCountFor(l.count);
    return true;
}

bool RecalculateLedger() { return RecalculateLedger(ledger); }
