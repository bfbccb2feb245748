#include "ledger/digits/limbs.h"

#include <cstring>

#if !defined(__SIZEOF_INT128__)
#error "the limb arithmetic needs the 128-bit integers of GCC and Clang on 64-bit targets"
#endif

using Wide = unsigned __int128;

static uint64_t limbOfText(const char* text, int count)
{
    uint64_t limb = 0;
    for (int c = 0; c < count; ++c) limb = limb * 10 + static_cast<uint64_t>(text[c] - '0');
    return limb;
}

Limbs limbsOf(const DigitField<amountIntegerDigits>& integer, const DigitField<fractionDigits>& fraction)
{
    return {{limbOfText(fraction.data() + limbDigits, limbDigits), limbOfText(fraction.data(), limbDigits),
             limbOfText(integer.data() + 1 + limbDigits, limbDigits), limbOfText(integer.data() + 1, limbDigits),
             limbOfText(integer.data(), 1)}};
}

RateLimbs rateLimbsOf(const DigitField<fractionDigits>& rate)
{
    return {limbOfText(rate.data() + limbDigits, limbDigits), limbOfText(rate.data(), limbDigits)};
}

// ---- Texts ----------------------------------------------------------------

// "00" to "99".
struct DigitPairs {
    char of[100][2];
};

constexpr DigitPairs digitPairs = [] {
    DigitPairs p{};
    for (int i = 0; i < 100; ++i) {
        p.of[i][0] = static_cast<char>('0' + i / 10);
        p.of[i][1] = static_cast<char>('0' + i % 10);
    }
    return p;
}();

// 2^97 / 10^10 rounded up. A limb times it, moved down 33 bits and raised
// by one, is a 64-bit fraction of 10^10 a little above the limb's own, by
// less than 3 of its units: too little to change any of the ten digits
// that multiplying it by 100 five times brings up, two at a time.
constexpr uint64_t limbFractionScale = 15845632502852867519u;

static void storeLimbText(uint64_t limb, char* at)
{
    uint64_t f = static_cast<uint64_t>(Wide(limb) * limbFractionScale >> 33) + 1;
    for (int k = 0; k < 5; ++k) {
        const Wide p = Wide(f) * 100;
        std::memcpy(at + 2 * k, digitPairs.of[static_cast<uint32_t>(p >> 64)], 2);
        f = static_cast<uint64_t>(p);
    }
}

void PortableStoreLimbText(char sign, const Limbs& v, SignedAmount& s)
{
    s.sign[0] = sign;
    s.sign[1] = 0;
    s.integer[0] = static_cast<char>('0' + v.limb[4]);
    storeLimbText(v.limb[3], s.integer.data() + 1);
    storeLimbText(v.limb[2], s.integer.data() + 1 + limbDigits);
    storeLimbText(v.limb[1], s.fraction.data());
    storeLimbText(v.limb[0], s.fraction.data() + limbDigits);
    s.integer[amountIntegerDigits] = 0;
    s.fraction[fractionDigits] = 0;
}
