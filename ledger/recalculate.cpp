#include "ledger/recalculate.h"

#include <algorithm>
#include <cstring>

#include "ledger/digits/limbs.h"
#include "ledger/line_numbers.h"

// The balances of the pass under way; nothing else reads them. No text is
// written until every balance is known to fit, so a pass that fails leaves
// the stored table as it was, and one that succeeds writes its texts
// straight into it.
static BalanceTable workTable;

// The amounts summed along the pass, limb by limb without carrying (a limb
// holds at most 1024 x 10^10); each sum is settled once at the end, which
// gives the digits of adding the amounts one at a time. Interest amounts are
// summed apart by sign, and the two sums then added with their signs.
struct RunningTotals {
    Limbs interestPlus, interestMinus, loans, payments;
};

static void accumulate(Limbs& sum, const Limbs& a)
{
    for (int k = 0; k < valueLimbs; ++k) sum.limb[k] += a.limb[k];
}

// The interest transactions from slot i on, as many as follow one another:
// each charges interest on the balance carried into its period, and all
// take that balance's sign. Returns how many were charged, or 0 when a
// balance would reach 10^21.
static int32_t chargeInterestRun(const Ledger& l, int32_t i, int32_t& p, RunningTotals& totals)
{
    const ChargedRun run =
        ChargeInterestRun(workTable, i, &l.table[i], l.count - i, rateLimbsOf(l.header.ratePerPeriod));
    if (!run.fits) return 0;
    const int32_t count = run.count;
    const char sign = workTable.sign[i];
    for (int32_t k = 0; k < count; ++k) workTable.period[i + k] = ++p;
    std::fill_n(workTable.number + i, count, 1);
    std::memset(workTable.sign + i + 1, sign, size_t(count));
    const Limbs* balance = workTable.balance + i;
    accumulate(sign == '-' ? totals.interestMinus : totals.interestPlus,
               limbDifference(balance[count], balance[0]));
    return count;
}

// (sign, b) plus (amountSign, a), into slot i + 1; false when the sum
// reaches 10^21. Equal magnitudes of opposite sign give "+" zero.
static bool addSigned(int32_t i, char amountSign, const Limbs& a)
{
    const Limbs& b = workTable.balance[i];
    const char sign = workTable.sign[i];
    Limbs& r = workTable.balance[i + 1];
    if (sign == amountSign) {
        for (int k = 0; k < valueLimbs; ++k) r.limb[k] = b.limb[k] + a.limb[k];
        workTable.sign[i + 1] = sign;
        return settleLimbs(r);
    }
    const int order = compareLimbs(b, a);
    workTable.sign[i + 1] = order > 0 ? sign : order < 0 ? amountSign : '+';
    r = order >= 0 ? limbDifference(b, a) : limbDifference(a, b);
    return true;
}

// A loan or payment in slot i, numbered n within period p, or a slot of an
// unknown code, whose new balance is carried through as it stands.
static bool applyTransaction(const Ledger& l, int32_t i, int32_t p, int32_t& n, RunningTotals& totals)
{
    const Transaction& t = l.table[i];
    if (t.type != Loan && t.type != Payment) {
        workTable.sign[i + 1] = t.newBalance.sign[0];
        workTable.balance[i + 1] = limbsOf(t.newBalance.integer, t.newBalance.fraction);
        return true;
    }
    workTable.period[i] = p;
    workTable.number[i] = ++n;
    const Limbs amount = limbsOf(t.amount.integer, t.amount.fraction);
    accumulate(t.type == Loan ? totals.loans : totals.payments, amount);
    return addSigned(i, t.type == Loan ? '+' : '-', amount);
}

// Periods and numbers run in table order; each old balance is the previous
// slot's new balance. A loan or payment in slot 0 (only a hand-made document
// can have one) starts from the beginning balance in period 0, numbered from
// 1 like the first transaction of a period.
static bool buildWorkTable(const Ledger& l, RunningTotals& totals)
{
    const SignedAmount& beginning = l.header.beginningBalance;
    workTable.sign[0] = beginning.sign[0];
    workTable.balance[0] = limbsOf(beginning.integer, beginning.fraction);
    int32_t p = 0, n = 0;
    for (int32_t i = 0; i < l.count;) {
        if (l.table[i].type == Interest) {
            const int32_t charged = chargeInterestRun(l, i, p, totals);
            if (charged == 0) return false;
            i += charged;
            n = 1;
        } else {
            if (!applyTransaction(l, i, p, n, totals)) return false;
            ++i;
        }
    }
    return true;
}

static void storeTotal(char sign, const TotalVector& v, SignedTotal& s)
{
    setSign(s.sign, sign);
    StoreDigits(v, s.integer, s.fraction);
}

// The five totals from the sums of the pass.
static bool finishTotals(const Ledger& l, RunningTotals& r, LedgerTotals& totals)
{
    TotalVector plus, minus, loans, payments;
    if (!cellsOfSum(r.interestPlus, plus) || !cellsOfSum(r.interestMinus, minus) ||
        !cellsOfSum(r.loans, loans) || !cellsOfSum(r.payments, payments))
        return false;
    char interestSign, transactionSign, balancingSign;
    TotalVector interest, sum, transactions, balancing, beginning;
    const SignedAmount& b = l.header.beginningBalance;
    LoadDigits(b.integer, b.fraction, beginning);
    if (!AddSigned('+', plus, '-', minus, interestSign, interest) ||
        !AddSigned(interestSign, interest, '+', loans, transactionSign, sum) ||
        !AddSigned(transactionSign, sum, '-', payments, transactionSign, transactions) ||
        !AddSigned(b.sign[0], beginning, transactionSign, transactions, balancingSign, balancing))
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
    RunningTotals running{};
    if (!buildWorkTable(l, running)) return false;
    WriteBalanceTexts(workTable, l.header.beginningBalance, l.table.data(), l.count);
    // Slots from count upward are zero in the stored table after every pass.
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
