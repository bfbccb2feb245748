#include "ledger/digits/limbs.h"

#include <bit>
#include <cstring>

#include "ledger/digits/interest_chain.h"

// Eight digits read as one word, the first digit in its low byte: adjacent
// digits are joined into pairs, pairs into fours and the two fours into the
// value, each step in lanes too wide for its products to spill.
static uint64_t eightDigits(const char* text)
{
    uint64_t w;
    std::memcpy(&w, text, 8);
    if constexpr (std::endian::native == std::endian::big) w = __builtin_bswap64(w);
    w -= 0x3030303030303030u;
    w = (w * 10 + (w >> 8)) & 0x00ff00ff00ff00ffu;
    w = (w * 100 + (w >> 16)) & 0x0000ffff0000ffffu;
    return (w & 0xffffffffu) * 10000 + (w >> 32);
}

static uint64_t limbOfText(const char* text)
{
    return uint64_t(text[0] - '0') * 1'000'000'000 + uint64_t(text[1] - '0') * 100'000'000 +
           eightDigits(text + 2);
}

Limbs limbsOf(const DigitField<amountIntegerDigits>& integer, const DigitField<fractionDigits>& fraction)
{
    return {{limbOfText(fraction.data() + limbDigits), limbOfText(fraction.data()),
             limbOfText(integer.data() + 1 + limbDigits), limbOfText(integer.data() + 1),
             uint64_t(integer[0] - '0')}};
}

RateLimbs rateLimbsOf(const DigitField<fractionDigits>& rate)
{
    return {limbOfText(rate.data() + limbDigits), limbOfText(rate.data())};
}

// ---- Arithmetic -----------------------------------------------------------

// Limbs below 2 x 10^10 make at most one carry each: a plain ripple moves
// them up without a branch.
bool settleLimbs(Limbs& x)
{
    uint64_t carry = 0;
    for (int k = 0; k < valueLimbs - 1; ++k) {
        const uint64_t raised = x.limb[k] + carry;
        carry = uint64_t(raised >= limbBase);
        x.limb[k] = raised - carry * limbBase;
    }
    x.limb[valueLimbs - 1] += carry;
    return x.limb[valueLimbs - 1] < 10;
}

int compareLimbs(const Limbs& x, const Limbs& y)
{
    for (int k = valueLimbs - 1; k >= 0; --k)
        if (x.limb[k] != y.limb[k]) return x.limb[k] < y.limb[k] ? -1 : 1;
    return 0;
}

// The balance after one step, less the balance: below it, as the rate is
// below 1, so a settled balance has its interest settled too.
Limbs interestOf(const Limbs& x, const RateLimbs& r)
{
    Limbs next;
    settleRunBalance(nextRunBalance(runBalanceOf(x), sharesOf(r)), next);
    return limbDifference(next, x);
}

ChargedRun chargeInterestLimbs(const Limbs& start, const RateLimbs& r, Limbs* next, const Transaction* slots,
                               int32_t limit)
{
    return chargeInterestAlong(start, r, next, slots, limit, [](int32_t) {});
}

// ---- Cells ----------------------------------------------------------------

Limbs limbsOfCells(const AmountVector& v)
{
    Limbs x{};
    for (int k = 0; k < valueLimbs; ++k)
        for (int d = limbDigits - 1; d >= 0; --d)
            if (limbDigits * k + d < int(amountCells))
                x.limb[k] = x.limb[k] * 10 + static_cast<uint64_t>(v[limbDigits * k + d]);
    return x;
}

template <std::size_t L>
static void cellsOfSettled(const Limbs& x, DigitVector<L>& v)
{
    for (int c = 0; c < int(L); c += limbDigits) {
        uint64_t limb = x.limb[c / limbDigits];
        for (int d = c; d < c + limbDigits && d < int(L); ++d, limb /= 10)
            v[d] = static_cast<int32_t>(limb % 10);
    }
}

void cellsOfLimbs(const Limbs& x, AmountVector& v) { cellsOfSettled(x, v); }

bool cellsOfSum(Limbs sum, TotalVector& v)
{
    for (int k = 0; k < valueLimbs - 1; ++k) {
        sum.limb[k + 1] += sum.limb[k] / limbBase;
        sum.limb[k] %= limbBase;
    }
    cellsOfSettled(sum, v);
    return sum.limb[valueLimbs - 1] < 100'000;  // the five top cells of a total
}
