#include "ledger/digits/limbs.h"

#include <bit>
#include <cstring>

#if !defined(__SIZEOF_INT128__)
#error "the limb arithmetic needs the 128-bit integers of GCC and Clang on 64-bit targets"
#endif

using Wide = unsigned __int128;

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

// x / 10^10 for x below 2^40: (x >> 10) / 5^10 by a multiplier 2^54 / 5^10
// rounded up, whose excess over x >> 10 below 2^30 stays under 2^-24, less
// than the 1 / 5^10 a quotient is ever below the next integer.
static uint64_t limbQuotient(uint64_t x) { return ((x >> 10) * 1844674408u) >> 54; }

// A rate limb and its share of 2^64 / 10^10 rounded down: the high word of
// a x share is a x limb / 10^10 or one less, for any a of 64 bits, so that
// a x limb less that quotient's 10^10 lies below 2 x 10^10 and can be
// worked out in the low words alone.
struct RateShares {
    uint64_t low, high, lowShare, highShare;
};

static RateShares sharesOf(const RateLimbs& r)
{
    return {r.low, r.high, static_cast<uint64_t>((Wide(r.low) << 64) / limbBase),
            static_cast<uint64_t>((Wide(r.high) << 64) / limbBase)};
}

static uint64_t highWord(uint64_t a, uint64_t b) { return static_cast<uint64_t>((Wide(a) * b) >> 64); }

// The balance of an interest run: limbs 0-2 below 10^10 + 16, and the top
// two limbs joined in one word, so that eight products make a step.
struct RunBalance {
    uint64_t a0, a1, a2, top;
};

// One step: each product's column is kept as its quotient by 10^10, carried
// one limb up at once, and the low words less those quotients' 10^10, so
// that nothing waits for a 128-bit sum. Each limb of the sum is then split
// once. Columns 0 and 1 give only the carry into column 2 (below 6), added
// after the split so that the split does not wait for it.
[[gnu::always_inline]] static inline RunBalance nextRunBalance(const RunBalance& x, const RateShares& r)
{
    const uint64_t q00 = highWord(x.a0, r.lowShare), q01 = highWord(x.a0, r.highShare),
                   q10 = highWord(x.a1, r.lowShare), q11 = highWord(x.a1, r.highShare),
                   q20 = highWord(x.a2, r.lowShare), q21 = highWord(x.a2, r.highShare),
                   q30 = highWord(x.top, r.lowShare), q31 = highWord(x.top, r.highShare);
    const uint64_t up1 = q01 + q10, up2 = q11 + q20, up3 = q21 + q30;
    const uint64_t m0 = x.a0 * r.low - q00 * limbBase, m1 = x.a0 * r.high + x.a1 * r.low - up1 * limbBase,
                   m2 = x.a1 * r.high + x.a2 * r.low - up2 * limbBase,
                   m3 = x.a2 * r.high + x.top * r.low - up3 * limbBase, m4 = x.top * r.high - q31 * limbBase;
    const uint64_t below = limbQuotient(m1 + q00 + uint64_t(m0 >= limbBase));
    const uint64_t s0 = x.a0 + m2 + up1, s1 = x.a1 + m3 + up2, s2 = x.a2 + m4 + up3;
    const uint64_t h0 = limbQuotient(s0), h1 = limbQuotient(s1), h2 = limbQuotient(s2);
    return {s0 - h0 * limbBase + below, s1 - h1 * limbBase + h0, s2 - h2 * limbBase + h1, x.top + q31 + h2};
}

// A carry out of a low limb is rare enough (one in 10^9) to be left to a
// ripple that is branched to.
static bool settleRunBalance(const RunBalance& x, Limbs& s)
{
    const uint64_t highest = limbQuotient(x.top);
    s = {{x.a0, x.a1, x.a2, x.top - highest * limbBase, highest}};
    if (x.a0 < limbBase && x.a1 < limbBase && x.a2 < limbBase) [[likely]]
        return highest < 10;
    return settleLimbs(s);
}

static RunBalance runBalanceOf(const Limbs& x)
{
    return {x.limb[0], x.limb[1], x.limb[2], x.limb[3] + x.limb[4] * limbBase};
}

// The balance after one step, less the balance: below it, as the rate is
// below 1, so a settled balance has its interest settled too.
Limbs interestOf(const Limbs& x, const RateLimbs& r)
{
    Limbs next;
    settleRunBalance(nextRunBalance(runBalanceOf(x), sharesOf(r)), next);
    return limbDifference(next, x);
}

// Each balance is settled as the chain goes, apart from it: nothing of the
// chain waits for a settled balance.
int32_t chargeInterestLimbs(const Limbs& start, const RateLimbs& r, Limbs* next, int32_t count)
{
    const RateShares shares = sharesOf(r);
    RunBalance running = runBalanceOf(start);
    for (int32_t i = 0; i < count; ++i) {
        running = nextRunBalance(running, shares);
        if (!settleRunBalance(running, next[i])) return i;
    }
    return count;
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
    for (int c = 0; c < int(L); ++c) {
        uint64_t limb = x.limb[c / limbDigits];
        for (int d = 0; d < c % limbDigits; ++d) limb /= 10;
        v[c] = static_cast<int32_t>(limb % 10);
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
