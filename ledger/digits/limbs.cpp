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

// c / 10^10 for c below 2^74: 10^10 is 2^10 x 5^10, and what is left after
// the shift fits a machine word, so the compiler divides by multiplying.
static uint64_t tenDigitsDown(Wide c) { return static_cast<uint64_t>(c >> 10) / 9765625u; }

// How many times 10^10 a limb of the first round holds: below 4, since
// it is a remainder plus a quotient of at most 2 x 10^10 + 5.
static uint64_t limbsOver(uint64_t t)
{
    return uint64_t(t >= limbBase) + uint64_t(t >= 2 * limbBase) + uint64_t(t >= 3 * limbBase);
}

// The product's column k is the sum of limb i times rate limb j for i + j =
// k; columns 0 and 1 lie below 10^-20 and give only the carry into column
// 2. Two rounds of moving each column's quotient up one limb leave every
// limb below 10^10 + 3, so the limbs stay small enough for the next
// product without waiting for the last carries. The second round only
// compares: each step waits for one product, three quotients by 10^10 and
// a few additions, every limb in a register of its own. With the balance,
// the result is the balance plus its interest.
template <bool withBalance>
static Limbs nextLimbs(const Limbs& x, const RateLimbs& r)
{
    const uint64_t a0 = x.limb[0], a1 = x.limb[1], a2 = x.limb[2], a3 = x.limb[3], a4 = x.limb[4];
    constexpr uint64_t b = withBalance ? 1 : 0;
    const Wide c0 = Wide(a0) * r.low, c1 = Wide(a0) * r.high + Wide(a1) * r.low;
    const uint64_t below = tenDigitsDown(c1 + tenDigitsDown(c0));
    const Wide s0 = Wide(b * a0) + Wide(a1) * r.high + Wide(a2) * r.low + below,
               s1 = Wide(b * a1) + Wide(a2) * r.high + Wide(a3) * r.low,
               s2 = Wide(b * a2) + Wide(a3) * r.high + Wide(a4) * r.low;
    const uint64_t s3 = b * a3 + a4 * r.high;  // the top limb is below 10^2: no 128 bits needed
    const uint64_t q0 = tenDigitsDown(s0), q1 = tenDigitsDown(s1), q2 = tenDigitsDown(s2), q3 = s3 / limbBase;
    const uint64_t t1 = static_cast<uint64_t>(s1) - q1 * limbBase + q0,
                   t2 = static_cast<uint64_t>(s2) - q2 * limbBase + q1, t3 = s3 - q3 * limbBase + q2;
    const uint64_t o1 = limbsOver(t1), o2 = limbsOver(t2), o3 = limbsOver(t3);
    return {{static_cast<uint64_t>(s0) - q0 * limbBase, t1 - o1 * limbBase, t2 - o2 * limbBase + o1,
             t3 - o3 * limbBase + o2, b * a4 + q3 + o3}};
}

// Limbs below 2 x 10^10 make at most one carry each, and a difference of
// settled values borrows at most one from each limb: a plain ripple moves
// either up without a branch.
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

Limbs limbDifference(const Limbs& x, const Limbs& y)
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

int compareLimbs(const Limbs& x, const Limbs& y)
{
    for (int k = valueLimbs - 1; k >= 0; --k)
        if (x.limb[k] != y.limb[k]) return x.limb[k] < y.limb[k] ? -1 : 1;
    return 0;
}

Limbs interestOf(const Limbs& x, const RateLimbs& r)
{
    Limbs p = nextLimbs<false>(x, r);
    settleLimbs(p);  // below the balance, as the rate is below 1
    return p;
}

// The balance goes from one transaction to the next as limbs that are not
// yet settled, so that each step waits only for the product and two rounds
// of its carries. After two rounds a carry can run into the top limb only
// one at a time, so a top limb below 9 fits for certain and only one of 9
// needs settling to tell. The balances are settled after the run, apart
// from the chain, which then holds nothing but its own work.
int32_t chargeInterestLimbs(const Limbs& start, const RateLimbs& r, Limbs* next, int32_t count)
{
    Limbs running = start;
    for (int32_t i = 0; i < count; ++i) {
        running = nextLimbs<true>(running, r);
        if (running.limb[valueLimbs - 1] >= 9) {
            Limbs settled = running;
            if (!settleLimbs(settled)) return i;
        }
        next[i] = running;
    }
    for (int32_t i = 0; i < count; ++i) settleLimbs(next[i]);
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
