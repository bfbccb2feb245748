#include "ledger/recalculate.h"

#include <cstring>

#include "ledger/digits.h"

// The table under construction; nothing else reads it.
static TransactionTable workTable;

static void loadAmount(const SignedAmount& s, AmountVector& v)
{
    LoadDigits(s.integer, s.fraction, v);
}

static void storeAmount(char sign, const AmountVector& v, SignedAmount& s)
{
    setSign(s.sign, sign);
    StoreDigits(v, s.integer, s.fraction);
}

// Interest on the balance carried into the period, with that balance's sign.
static bool chargeInterest(Transaction& t, const DigitField<fractionDigits>& rate)
{
    AmountVector old, amount, sum;
    loadAmount(t.oldBalance, old);
    MultiplyByRate(old, rate, amount);
    storeAmount(t.oldBalance.sign[0], amount, t.amount);
    if (!AddMagnitudes(old, amount, sum)) return false;
    storeAmount(t.oldBalance.sign[0], sum, t.newBalance);
    return true;
}

// A loan adds its digits to the balance, a payment subtracts them.
static bool applyAmount(Transaction& t, char sign)
{
    AmountVector old, amount, sum;
    setSign(t.amount.sign, sign);
    loadAmount(t.oldBalance, old);
    loadAmount(t.amount, amount);
    char resultSign;
    if (!AddSigned(t.oldBalance.sign[0], old, sign, amount, resultSign, sum)) return false;
    storeAmount(resultSign, sum, t.newBalance);
    return true;
}

// Period and number run in table order. A loan or payment in slot 0 (only a
// hand-made document can have one) starts from the beginning balance in
// period 0, numbered from 1, like the first transaction of a period would.
static bool buildWorkTable(const Ledger& l)
{
    int32_t p = 0, n = 0;
    for (int32_t i = 0; i < l.count; ++i) {
        Transaction& t = workTable[i];
        t = l.table[i];
        const SignedAmount& carried =
            i == 0 ? l.header.beginningBalance : workTable[i - 1].newBalance;
        bool ok = true;
        switch (t.type) {
        case Interest:
            t.period = ++p;
            t.number = n = 1;
            t.oldBalance = carried;
            ok = chargeInterest(t, l.header.ratePerPeriod);
            break;
        case Loan:
        case Payment:
            t.period = p;
            t.number = ++n;
            t.oldBalance = carried;
            ok = applyAmount(t, t.type == Loan ? '+' : '-');
            break;
        default:
            break;  // an unknown code is carried through as it stands
        }
        if (!ok) return false;
    }
    return true;
}

static void storeTotal(char sign, const TotalVector& v, SignedTotal& s)
{
    setSign(s.sign, sign);
    StoreDigits(v, s.integer, s.fraction);
}

static bool computeTotals(const Ledger& l, LedgerTotals& totals)
{
    TotalVector interest{}, loans{}, payments{}, amount, sum;
    char interestSign = '+';
    for (int32_t i = 0; i < l.count; ++i) {
        const Transaction& t = l.table[i];
        LoadDigits(t.amount.integer, t.amount.fraction, amount);
        bool ok = true;
        if (t.type == Interest)
            ok = AddSigned(interestSign, interest, t.amount.sign[0], amount, interestSign, interest);
        else if (t.type == Loan)
            ok = AddMagnitudes(loans, amount, loans);
        else if (t.type == Payment)
            ok = AddMagnitudes(payments, amount, payments);
        if (!ok) return false;
    }
    char transactionSign, balancingSign;
    TotalVector transactions, balancing, beginning;
    if (!AddSigned(interestSign, interest, '+', loans, transactionSign, sum) ||
        !AddSigned(transactionSign, sum, '-', payments, transactionSign, transactions))
        return false;
    const SignedAmount& b = l.header.beginningBalance;
    LoadDigits(b.integer, b.fraction, beginning);
    if (!AddSigned(b.sign[0], beginning, transactionSign, transactions, balancingSign, balancing))
        return false;
    storeTotal(interestSign, interest, totals.interestTotal);
    storeTotal('+', loans, totals.loanTotal);
    storeTotal('-', payments, totals.paymentTotal);
    storeTotal(transactionSign, transactions, totals.transactionTotal);
    storeTotal(balancingSign, balancing, totals.balancingTotal);
    return true;
}

bool RecalculateLedger(Ledger& l)
{
    if (!buildWorkTable(l)) return false;
    // Slots from count upward are zero in the stored table after every pass.
    std::memcpy(l.table.data(), workTable.data(), sizeof(Transaction) * l.count);
    std::memset(l.table.data() + l.count, 0, sizeof(Transaction) * (maxTransactions - l.count));
    LedgerTotals totals;
    if (!computeTotals(l, totals)) return false;
    l.previousTotals = l.currentTotals;
    l.currentTotals = totals;
    l.bodyLineCount = bodyLineCountFor(l.count);
    return true;
}

bool RecalculateLedger() { return RecalculateLedger(ledger); }
