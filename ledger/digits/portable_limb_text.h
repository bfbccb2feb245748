// A settled value's text in plain C++, from tables of two and four digits,
// inlined into the portable texts of a pass. The AVX2 engine takes the
// tables, the quotients' multipliers and putPieces from here for the
// interest amounts its integer units write; the whole numbers of periods,
// transaction numbers and counts take the table of pairs.
#pragma once

#include <cstring>

#include "ledger/digits/limbs.h"

// "00" to "99".
struct DigitPairs {
    char of[100][2];
};

inline constexpr DigitPairs digitPairs = [] {
    DigitPairs p{};
    for (int i = 0; i < 100; ++i) {
        p.of[i][0] = static_cast<char>('0' + i / 10);
        p.of[i][1] = static_cast<char>('0' + i % 10);
    }
    return p;
}();

// "0000" to "9999": a limb's last eight digits are two of them.
struct DigitQuads {
    char of[10000][4];
};

inline constexpr DigitQuads digitQuads = [] {
    DigitQuads q{};
    for (int i = 0; i < 10000; ++i)
        for (int d = 0, n = i; d < 4; ++d, n /= 10) q.of[i][3 - d] = static_cast<char>('0' + n % 10);
    return q;
}();

// A limb's ten digits as a pair and two fours: the divisions by constants
// are multiplications, so a limb costs two quotients and three loads. The
// first quotient is (limb >> 8) / 390625 by a multiplier 2^45 / 390625
// rounded up, whose excess over x = limb >> 8 below 2^26 stays under 2^-19,
// less than the 1 / 390625 a quotient is ever below the next integer; the
// second, of the last eight digits, is by 2^45 / 10^4 rounded up, as close.
// Each takes 32-bit factors to a 64-bit product, as vector lanes do too.
constexpr int pairShift = 8, pairDivide = 45, quadShift = 45;
constexpr uint32_t pairReciprocal = 90071993, quadReciprocal = 3518437209;

struct LimbPieces {
    uint32_t pair, high4, low4;
};

[[gnu::always_inline]] inline LimbPieces limbPieces(uint64_t limb)
{
    const auto pair = static_cast<uint32_t>(((limb >> pairShift) * pairReciprocal) >> pairDivide);
    const auto low = static_cast<uint32_t>(limb - uint64_t(pair) * 100'000'000);
    const auto high4 = static_cast<uint32_t>((uint64_t(low) * quadReciprocal) >> quadShift);
    return {pair, high4, low - high4 * 10000};
}

// A limb's ten digits from its pieces; `wide` stores the last four as eight
// bytes, the four after them zero, for a caller whose next stores take
// those bytes over.
template <bool wide = false>
[[gnu::always_inline]] inline void putPieces(uint32_t pair, uint32_t high4, uint32_t low4, char* at)
{
    std::memcpy(at, digitPairs.of[pair], 2);
    std::memcpy(at + 2, digitQuads.of[high4], 4);
    uint64_t last = 0;
    std::memcpy(&last, digitQuads.of[low4], 4);
    std::memcpy(at + 6, &last, wide ? 8 : 4);
}

[[gnu::always_inline]] inline void putLimbText(uint64_t limb, char* at)
{
    const LimbPieces p = limbPieces(limb);
    putPieces(p.pair, p.high4, p.low4, at);
}

// The bytes of a text around its digits: the sign, the 21st integer digit
// and the two fields' zero bytes.
[[gnu::always_inline]] inline void putTextFrame(char sign, char top, SignedAmount& s)
{
    s.sign[0] = sign;
    s.sign[1] = 0;
    s.integer[0] = top;
    s.integer[amountIntegerDigits] = 0;
    s.fraction[fractionDigits] = 0;
}

[[gnu::always_inline]] inline char topDigit(const Limbs& v) { return static_cast<char>('0' + v.limb[4]); }

// A settled value's text written once: each limb's digits stored as they
// are worked out.
[[gnu::always_inline]] inline void putText(char sign, const Limbs& v, SignedAmount& s)
{
    putTextFrame(sign, topDigit(v), s);
    putLimbText(v.limb[3], s.integer.data() + 1);
    putLimbText(v.limb[2], s.integer.data() + 1 + limbDigits);
    putLimbText(v.limb[1], s.fraction.data());
    putLimbText(v.limb[0], s.fraction.data() + limbDigits);
}

// A text written twice is worked out once and kept in registers: returned
// through memory, its pieces would be read back by loads wider than the
// stores that wrote them, which wait for those stores to finish.
struct LimbText {
    char at[limbDigits];
};

struct ValueText {
    LimbText limbs[4];
    char top;
};

[[gnu::always_inline]] inline LimbText limbText(uint64_t limb)
{
    LimbText text;
    putLimbText(limb, text.at);
    return text;
}

[[gnu::always_inline]] inline ValueText valueText(const Limbs& v)
{
    return {{limbText(v.limb[0]), limbText(v.limb[1]), limbText(v.limb[2]), limbText(v.limb[3])},
            topDigit(v)};
}

[[gnu::always_inline]] inline void storeText(char sign, const ValueText& v, SignedAmount& s)
{
    putTextFrame(sign, v.top, s);
    std::memcpy(s.integer.data() + 1, v.limbs[3].at, limbDigits);
    std::memcpy(s.integer.data() + 1 + limbDigits, v.limbs[2].at, limbDigits);
    std::memcpy(s.fraction.data(), v.limbs[1].at, limbDigits);
    std::memcpy(s.fraction.data() + limbDigits, v.limbs[0].at, limbDigits);
}
