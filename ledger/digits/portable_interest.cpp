// The portable multiplication by the rate and interest runs, on limbs of
// ten decimal digits: the 20 fraction digits are exactly two limbs, so the
// truncation at the 20th decimal falls between limbs. A limb is an exact
// integer below 10^10 once settled; products of two limbs are exact in 128
// bits. No value is ever held in a single machine integer.
#include <bit>
#include <cstring>

#include "ledger/digits/portable.h"

#if !defined(__SIZEOF_INT128__)
#error "the portable digit engine needs the 128-bit integers of GCC and Clang on 64-bit targets"
#endif

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

using Wide = unsigned __int128;

static Limbs limbsOf(const AmountVector& v)
{
    Limbs x{};
    for (int k = 0; k < valueLimbs; ++k)
        for (int d = limbDigits - 1; d >= 0; --d)
            if (limbDigits * k + d < int(amountCells))
                x.limb[k] = x.limb[k] * 10 + static_cast<uint64_t>(v[limbDigits * k + d]);
    return x;
}

static RateLimbs rateLimbsOf(const DigitField<fractionDigits>& rate)
{
    RateLimbs r{0, 0};
    for (int c = 0; c < limbDigits; ++c) r.high = r.high * 10 + static_cast<uint64_t>(rate[c] - '0');
    for (int c = limbDigits; c < fractionDigits; ++c) r.low = r.low * 10 + static_cast<uint64_t>(rate[c] - '0');
    return r;
}

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
// a few additions, every limb in a register of its own.
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

// A limb of 10^10 or more makes a carry, one of 10^10 - 1 passes on the
// carry it receives; with one flag bit per limb, adding the makers moved up
// one place to the passers runs each carry through its run, and the bits
// that changed are the limbs a carry arrives at. Borrows the same way.
static uint32_t carriesArriving(uint32_t makes, uint32_t passes) { return ((makes << 1) + passes) ^ passes; }

static bool settleLimbs(Limbs& x)
{
    uint32_t makes = 0, passes = 0;
    for (int k = 0; k < valueLimbs - 1; ++k) {
        makes |= uint32_t(x.limb[k] >= limbBase) << k;
        passes |= uint32_t(x.limb[k] == limbBase - 1) << k;
    }
    const uint32_t in = carriesArriving(makes, passes);
    for (int k = 0; k < valueLimbs; ++k) {
        const uint64_t raised = x.limb[k] + (in >> k & 1);
        x.limb[k] = k < valueLimbs - 1 && raised >= limbBase ? raised - limbBase : raised;
    }
    return x.limb[valueLimbs - 1] < 10;
}

static Limbs limbDifference(const Limbs& x, const Limbs& y)
{
    uint32_t negative = 0, zero = 0;
    for (int k = 0; k < valueLimbs; ++k) {
        negative |= uint32_t(x.limb[k] < y.limb[k]) << k;
        zero |= uint32_t(x.limb[k] == y.limb[k]) << k;
    }
    const uint32_t in = carriesArriving(negative, zero);
    Limbs d;
    for (int k = 0; k < valueLimbs; ++k) {
        const uint64_t lowered = x.limb[k] - y.limb[k] - (in >> k & 1);  // modulo 2^64 until put right
        d.limb[k] = lowered >= limbBase ? lowered + limbBase : lowered;
    }
    return d;
}

static void cellsOf(const Limbs& x, AmountVector& v)
{
    for (int c = 0; c < int(amountCells); ++c) {
        uint64_t limb = x.limb[c / limbDigits];
        for (int d = 0; d < c % limbDigits; ++d) limb /= 10;
        v[c] = static_cast<int32_t>(limb % 10);
    }
}

// ---- Texts ----------------------------------------------------------------

// "00" to "99" as 16-bit values whose first byte in memory, on a
// little-endian machine, is the first digit.
struct DigitPairs {
    uint16_t of[100];
};

constexpr DigitPairs digitPairs = [] {
    DigitPairs p{};
    for (int i = 0; i < 100; ++i) p.of[i] = static_cast<uint16_t>(('0' + i / 10) | ('0' + i % 10) << 8);
    return p;
}();

// 2^97 / 10^10 rounded up. A limb times it, moved down 33 bits and raised
// by one, is a 64-bit fraction of 10^10 a little above the limb's own, by
// less than 3 of its units: too little to change any of the ten digits
// that multiplying it by 100 five times brings up, two at a time.
constexpr uint64_t limbFractionScale = 15845632502852867519u;

static uint64_t inMemoryOrder(uint64_t w)
{
    if constexpr (std::endian::native == std::endian::big) {
        uint64_t r = 0;
        for (int i = 0; i < 8; ++i) r |= (w >> (8 * i) & 0xff) << (56 - 8 * i);
        return r;
    }
    return w;
}

// A limb's ten digits: the first two, and the last eight in one word.
struct LimbText {
    uint16_t two;
    uint64_t eight;
};

static LimbText limbText(uint64_t limb)
{
    uint64_t f = static_cast<uint64_t>(Wide(limb) * limbFractionScale >> 33) + 1;
    uint16_t pairs[5];
    for (int k = 0; k < 5; ++k) {
        const Wide p = Wide(f) * 100;
        pairs[k] = digitPairs.of[static_cast<uint32_t>(p >> 64)];
        f = static_cast<uint64_t>(p);
    }
    const uint64_t eight =
        uint64_t(pairs[1]) | uint64_t(pairs[2]) << 16 | uint64_t(pairs[3]) << 32 | uint64_t(pairs[4]) << 48;
    return {pairs[0], inMemoryOrder(eight)};
}

// A settled value's digits as text, kept in registers so that the same
// text goes to two places without being read back from either: the top
// integer digit, and for limbs 3 to 0 their first two digits and their
// last eight.
struct ValueText {
    char top;
    uint16_t two[4];
    uint64_t eight[4];
};

static ValueText valueText(const Limbs& x)
{
    ValueText v;
    v.top = static_cast<char>('0' + x.limb[4]);
    for (int j = 0; j < 4; ++j) {
        const LimbText text = limbText(x.limb[3 - j]);
        v.two[j] = text.two;
        v.eight[j] = text.eight;
    }
    return v;
}

static void storeText(char sign, const ValueText& v, SignedAmount& s)
{
    s.sign[0] = sign;
    s.sign[1] = 0;
    s.integer[0] = v.top;
    char* const at[4] = {s.integer.data() + 1, s.integer.data() + 1 + limbDigits, s.fraction.data(),
                         s.fraction.data() + limbDigits};
    for (int j = 0; j < 4; ++j) {
        const char two[2] = {static_cast<char>(v.two[j] & 0xff), static_cast<char>(v.two[j] >> 8)};
        std::memcpy(at[j], two, 2);
        std::memcpy(at[j] + 2, &v.eight[j], 8);
    }
    s.integer[amountIntegerDigits] = 0;
    s.fraction[fractionDigits] = 0;
}

// ---- The primitives -------------------------------------------------------

bool PortableMultiplyByRate(const AmountVector& a, const DigitField<fractionDigits>& rate, AmountVector& r)
{
    Limbs p = nextLimbs<false>(limbsOf(a), rateLimbsOf(rate));
    const bool fits = settleLimbs(p);
    cellsOf(p, r);
    return fits;
}

// The settled balances of a run, the first the run's start: all of them are
// worked out before any text is written, so that the next balance, which
// waits for the one before, never waits behind the texts of earlier ones.
static Limbs runBalances[maxTransactions + 1];

// The texts of the first `count` transactions of a run from its balances.
static void writeRunTexts(char sign, Transaction* t, int32_t count)
{
    if (count > 0) storeText(sign, valueText(runBalances[0]), t[0].oldBalance);
    for (int32_t i = 0; i < count; ++i) {
        const ValueText balance = valueText(runBalances[i + 1]);
        storeText(sign, valueText(limbDifference(runBalances[i + 1], runBalances[i])), t[i].amount);
        storeText(sign, balance, t[i].newBalance);
        if (i + 1 < count) storeText(sign, balance, t[i + 1].oldBalance);
    }
}

// The balance goes from one transaction to the next as limbs that are not
// yet settled, so that each step waits only for the product and two rounds
// of its carries; the last carries are worked out beside the next step.
// Then the texts, of as many as fit: the amount is the new balance less
// the old, a new
// balance's text is also the next transaction's old balance, and the
// amounts add up to the last balance less the first, which goes into
// amountDigits once.
bool PortableChargeInterestRun(AmountVector& b, char sign, const DigitField<fractionDigits>& rate,
                               Transaction* t, int32_t count, TotalVector& amountDigits)
{
    const RateLimbs r = rateLimbsOf(rate);
    Limbs running = limbsOf(b);
    runBalances[0] = running;
    int32_t fitting = 0;
    for (; fitting < count; ++fitting) {
        running = nextLimbs<true>(running, r);
        Limbs next = running;
        if (!settleLimbs(next)) break;
        runBalances[fitting + 1] = next;
    }
    writeRunTexts(sign, t, fitting);
    if (fitting < count) return false;
    AmountVector amounts;
    cellsOf(limbDifference(runBalances[count], runBalances[0]), amounts);
    cellsOf(runBalances[count], b);
    for (std::size_t k = 0; k < amountCells; ++k) amountDigits[k] += amounts[k];
    return true;
}
