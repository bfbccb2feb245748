// The steps of an interest run on limbs: each new balance from the one
// before by the rate's limbs, settled as the chain goes. Included by the
// portable limb arithmetic and by an engine that does its own work along
// the chain.
#pragma once

#include "ledger/digits/limbs.h"

#if !defined(__SIZEOF_INT128__)
#error "the limb arithmetic needs the 128-bit integers of GCC and Clang on 64-bit targets"
#endif

using Wide = unsigned __int128;

// x / 10^10 for x below 2^40: (x >> 10) / 5^10 by a multiplier 2^54 / 5^10
// rounded up, whose excess over x >> 10 below 2^30 stays under 2^-24, less
// than the 1 / 5^10 a quotient is ever below the next integer.
[[gnu::always_inline]] inline uint64_t limbQuotient(uint64_t x) { return ((x >> 10) * 1844674408u) >> 54; }

// A rate limb and its share of 2^64 / 10^10 rounded down: the high word of
// a x share is a x limb / 10^10 or one less, for any a of 64 bits, so that
// a x limb less that quotient's 10^10 lies below 2 x 10^10 and can be
// worked out in the low words alone. lowPart is the low limb's share of
// 2^62 / 10^20 rounded down.
struct RateShares {
    uint64_t low, high, lowShare, highShare, lowPart;
};

inline RateShares sharesOf(const RateLimbs& r)
{
    return {r.low, r.high, static_cast<uint64_t>((Wide(r.low) << 64) / limbBase),
            static_cast<uint64_t>((Wide(r.high) << 64) / limbBase),
            static_cast<uint64_t>((Wide(r.low) << 62) / (Wide(limbBase) * limbBase))};
}

[[gnu::always_inline]] inline uint64_t highWord(uint64_t a, uint64_t b)
{
    return static_cast<uint64_t>((Wide(a) * b) >> 64);
}

// The balance of an interest run: limbs 0-2 below 10^10 + 16, and the top
// two limbs joined in one word, so that eight products make a step.
struct RunBalance {
    uint64_t a0, a1, a2, top;
};

// The carry out of the truncated columns 0 and 1 into column 2 (below 4):
// column 1's products less their quotients' 10^10, plus column 0's
// quotient, over 10^10, rounded down. With limbs 0 and 1 below 2^34, a
// quarter of the low words of their products by the shares of column 1,
// plus limb 0 x lowPart, make in units of 2^-62 a sum that the exact value
// passes by less than 2^-27 or falls short of by less than 2^-32. Only a
// sum that close to a whole number, about one step in 2^27, takes the
// exact columns.
[[gnu::always_inline]] inline uint64_t carryBelow(const RunBalance& x, const RateShares& r, uint64_t up1,
                                                  uint64_t low01, uint64_t low10)
{
    constexpr uint64_t one = uint64_t(1) << 62, under = uint64_t(1) << 35, over = uint64_t(1) << 30;
    const uint64_t close = (low01 >> 2) + (low10 >> 2) + x.a0 * r.lowPart;
    uint64_t carry = close >> 62;
    if (((close & (one - 1)) - over) > one - under - over) [[unlikely]] {
        const uint64_t q00 = highWord(x.a0, r.lowShare);
        const uint64_t m1 = x.a0 * r.high + x.a1 * r.low - up1 * limbBase;
        carry = limbQuotient(m1 + q00 + uint64_t(x.a0 * r.low - q00 * limbBase >= limbBase));
    }
    return carry;
}

// One step: each product's column is kept as its quotient by 10^10, carried
// one limb up at once, and the low words less those quotients' 10^10, so
// that nothing waits for a 128-bit sum. Each limb of the sum is then split
// once. The carry out of columns 0 and 1 is added after the split, so that
// the split does not wait for it.
[[gnu::always_inline]] inline RunBalance nextRunBalance(const RunBalance& x, const RateShares& r)
{
    const Wide p01 = Wide(x.a0) * r.highShare, p10 = Wide(x.a1) * r.lowShare;
    const uint64_t q01 = static_cast<uint64_t>(p01 >> 64), q10 = static_cast<uint64_t>(p10 >> 64),
                   q11 = highWord(x.a1, r.highShare), q20 = highWord(x.a2, r.lowShare),
                   q21 = highWord(x.a2, r.highShare), q30 = highWord(x.top, r.lowShare),
                   q31 = highWord(x.top, r.highShare);
    const uint64_t up1 = q01 + q10, up2 = q11 + q20, up3 = q21 + q30;
    const uint64_t m2 = x.a1 * r.high + x.a2 * r.low - up2 * limbBase,
                   m3 = x.a2 * r.high + x.top * r.low - up3 * limbBase, m4 = x.top * r.high - q31 * limbBase;
    const uint64_t below = carryBelow(x, r, up1, static_cast<uint64_t>(p01), static_cast<uint64_t>(p10));
    const uint64_t s0 = x.a0 + m2 + up1, s1 = x.a1 + m3 + up2, s2 = x.a2 + m4 + up3;
    const uint64_t h0 = limbQuotient(s0), h1 = limbQuotient(s1), h2 = limbQuotient(s2);
    return {s0 - h0 * limbBase + below, s1 - h1 * limbBase + h0, s2 - h2 * limbBase + h1, x.top + q31 + h2};
}

// 0 to 31 times 10^10. The top limb is split off the chain's path, and
// there its multiple of 10^10 is read from here rather than multiplied: a
// product would take a turn on the one port Intel's cores multiply
// integers on, the port the chain's next products wait for. A step from a
// value below 10^21 stays below 2 x 10^21, so its top limb's quotient is
// below 20 and the split exact (interestOf takes the difference of such a
// step, fitting or not).
struct LimbMultiples {
    uint64_t of[32];
};

inline constexpr LimbMultiples limbMultiples = [] {
    LimbMultiples m{};
    for (int k = 0; k < 32; ++k) m.of[k] = k * limbBase;
    return m;
}();

// A carry out of a low limb is rare enough (one in 10^9) to be left to a
// ripple that is branched to.
[[gnu::always_inline]] inline bool settleRunBalance(const RunBalance& x, Limbs& s)
{
    const uint64_t highest = limbQuotient(x.top);
    s = {{x.a0, x.a1, x.a2, x.top - limbMultiples.of[highest & 31], highest}};
    if (x.a0 < limbBase && x.a1 < limbBase && x.a2 < limbBase) [[likely]]
        return highest < 10;
    return settleLimbs(s);
}

inline RunBalance runBalanceOf(const Limbs& x)
{
    return {x.limb[0], x.limb[1], x.limb[2], x.limb[3] + x.limb[4] * limbBase};
}

// The chain of chargeInterestLimbs; alongside(i, context...) runs after the
// ith new balance is settled, for work that the chain's products leave room
// for. An engine passes a function of its own, inlined once the chain is.
// Each balance is settled as the chain goes, apart from it: nothing of the
// chain waits for a settled balance.
template <typename Alongside, typename... Context>
[[gnu::always_inline]] inline ChargedRun chargeInterestAlong(const Limbs& start, const RateLimbs& r,
                                                             Limbs* next, const Transaction* slots,
                                                             int32_t limit, Alongside alongside,
                                                             Context&... context)
{
    const RateShares shares = sharesOf(r);
    RunBalance running = runBalanceOf(start);
    int32_t i = 0;
    do {
        running = nextRunBalance(running, shares);
        if (!settleRunBalance(running, next[i])) return {i, false};
        alongside(i, context...);
        ++i;
    } while (i < limit && slots[i].type == Interest);
    return {i, true};
}
