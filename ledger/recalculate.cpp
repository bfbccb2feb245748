#include "ledger/recalculate.h"

#include <cstring>

#include "ledger/digits.h"

// The table under construction; nothing else reads it.
static TransactionTable workTable;

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

// Interest on the balance carried into the period, with that balance's sign.
static bool chargeInterest(Transaction& t, const DigitField<fractionDigits>& rate, RunningBalance& b,
                           RunningTotals& totals)
{
    AmountVector amount;
    MultiplyByRate(b.digits, rate, amount);
    storeAmount(b.sign, amount, t.amount);
    if (!AddMagnitudes(b.digits, amount, b.digits)) return false;
    storeAmount(b.sign, b.digits, t.newBalance);
    accumulate(t.amount.sign[0] == '-' ? totals.interestMinus : totals.interestPlus, amount);
    return true;
}

// A loan adds its digits to the balance, a payment subtracts them.
static bool applyAmount(Transaction& t, char sign, RunningBalance& b, TotalVector& sum)
{
    AmountVector amount;
    setSign(t.amount.sign, sign);
    LoadDigits(t.amount.integer, t.amount.fraction, amount);
    if (!AddSigned(b.sign, b.digits, sign, amount, b.sign, b.digits)) return false;
    storeAmount(b.sign, b.digits, t.newBalance);
    accumulate(sum, amount);
    return true;
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
    for (int32_t i = 0; i < l.count; ++i) {
        Transaction& t = workTable[i];
        t = l.table[i];
        const SignedAmount& carried = i == 0 ? beginning : workTable[i - 1].newBalance;
        bool ok = true;
        switch (t.type) {
        case Interest:
            t.period = ++p;
            t.number = n = 1;
            t.oldBalance = carried;
            ok = chargeInterest(t, l.header.ratePerPeriod, b, totals);
            break;
        case Loan:
            t.period = p;
            t.number = ++n;
            t.oldBalance = carried;
            ok = applyAmount(t, '+', b, totals.loans);
            break;
        case Payment:
            t.period = p;
            t.number = ++n;
            t.oldBalance = carried;
            ok = applyAmount(t, '-', b, totals.payments);
            break;
        default:  // an unknown code is carried through as it stands
            b.sign = t.newBalance.sign[0];
            LoadDigits(t.newBalance.integer, t.newBalance.fraction, b.digits);
            break;
        }
        if (!ok) return false;
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
    std::memcpy(l.table.data(), workTable.data(), sizeof(Transaction) * l.count);
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
