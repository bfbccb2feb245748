// Values on limbs of ten decimal digits, the form the recalculation carries
// its balances in from one transaction to the next. The 20 fraction digits
// are exactly two limbs, so the truncation of a product at the 20th decimal
// falls between limbs. A limb is an exact integer below 10^10 once settled;
// no value is ever held in a single machine integer.
#pragma once

#include <cstdint>

#include "ledger/digits/digits.h"

constexpr uint64_t limbBase = 10'000'000'000;
constexpr int limbDigits = 10;

// Limb k counts units of 10^(10k - 20): limbs 0-1 the fraction, 2-3 the
// integer digits below 10^20, limb 4 the 21st integer digit (below 10 while
// the value is below 10^21).
constexpr int valueLimbs = 5;
struct Limbs {
    uint64_t limb[valueLimbs];
};

// The rate's 20 digits as two limbs: rate = high x 10^10 + low, in units of
// 10^-20.
struct RateLimbs {
    uint64_t low, high;
};

// A field's digits as limbs, and the rate's.
Limbs limbsOf(const DigitField<amountIntegerDigits>& integer, const DigitField<fractionDigits>& fraction);
RateLimbs rateLimbsOf(const DigitField<fractionDigits>& rate);

// A vector's cells as limbs and back, for the primitives on cells; and a
// sum of many values, each limb a sum of limbs, as the cells of a total
// (false when it reaches 10^25).
Limbs limbsOfCells(const AmountVector& v);
void cellsOfLimbs(const Limbs& x, AmountVector& v);
bool cellsOfSum(Limbs sum, TotalVector& v);

// The sign and the 41 digits of a settled value below 10^21 as a signed
// amount's text, every field with its zero byte. This is the plain C++ one;
// the wide engines have their own, digit for digit the same.
void PortableStoreLimbText(char sign, const Limbs& v, SignedAmount& s);

// Moves the carries of a value whose limbs may hold 10^10 or more (below
// 2 x 10^10, as the steps below leave them) until every limb but the top is
// below 10^10; false when the value reaches 10^21.
bool settleLimbs(Limbs& x);

// x - y for settled x not below y. A difference of settled values borrows
// at most one from each limb, so a plain ripple moves it up without a
// branch.
inline Limbs limbDifference(const Limbs& x, const Limbs& y)
{
    Limbs d;
    uint64_t borrow = 0;
    for (int k = 0; k < valueLimbs; ++k) {
        const uint64_t taken = y.limb[k] + borrow;
        borrow = uint64_t(x.limb[k] < taken);
        d.limb[k] = x.limb[k] + borrow * limbBase - taken;
    }
    return d;
}

// -1, 0 or 1 as x is below, equal to or above y; both settled.
int compareLimbs(const Limbs& x, const Limbs& y);

// x x rate truncated toward zero at the 20th decimal, settled.
Limbs interestOf(const Limbs& x, const RateLimbs& r);

// A run of interest transactions: how many were charged, and whether all
// their balances fit below 10^21. When one does not, count is how many did,
// and the balances from that one on are not all written.
struct ChargedRun {
    int32_t count;
    bool fits;
};

// The new balances of the interest transactions in a row from slots[0], an
// interest transaction, at most `limit` of them, from the settled balance
// `start`: next[i] is the balance after slots[i], settled. Each type is
// read as the chain goes, while its products are under way: a scan of its
// own before would wait on a cache line for every slot.
ChargedRun chargeInterestLimbs(const Limbs& start, const RateLimbs& r, Limbs* next, const Transaction* slots,
                               int32_t limit);

// An interest amount's four low limbs as indices of the digit tables: limb
// k's first two digits, its next four and its last four in at[k][0-2], and
// the code of the 21st integer digit in at[0][3].
struct AmountPieces {
    uint16_t at[4][4];
};

// The balances of one recalculation pass, worked out before any text is
// written: balance[0] is the beginning balance and balance[i + 1] the new
// balance of transaction i, with its sign; period and number are each
// transaction's own. Every balance is settled. An engine that works out
// the interest amounts' pieces along the chain (AVX2) keeps them here and
// says so in piecesAlongChain; for a table filled otherwise it works them
// out in a pass of its own.
struct BalanceTable {
    Limbs balance[maxTransactions + 1];
    char sign[maxTransactions + 1];
    int32_t period[maxTransactions];
    int32_t number[maxTransactions];
    AmountPieces amountPieces[maxTransactions];
    bool piecesAlongChain;
};

// The interest run from slot first (slots, at most limit of them) on the
// engine in use: chargeInterestLimbs from balance[first] into the balances
// after it, with what that engine works out along the chain.
ChargedRun ChargeInterestRun(BalanceTable& b, int32_t first, const Transaction* slots, int32_t limit,
                             const RateLimbs& r);
