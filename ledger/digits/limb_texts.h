// Settled values' texts on the wide engines, digit for digit those of
// PortableStoreLimbText: the ten-digit limbs split into halves of five
// digits, each half brought up digit by digit from a fraction of 10^5, all
// halves of a value (or two) at once in the 32-bit lanes of one register.
#pragma once

#include <cstdint>

#include "ledger/digits/avx2.h"
#include "ledger/digits/avx512.h"
#include "ledger/digits/limbs.h"

// A limb's high half: (limb >> 5) x halfReciprocal >> halfShift, which is
// (limb >> 5) / 3125 = limb / 10^5. halfReciprocal is 2^40 / 3125 rounded
// up, by 349 / 3125, so x = limb >> 5 gives x / 3125 plus x x 349 /
// (3125 x 2^40): below 1 / 3125 while x < 3.125 x 10^8 < 2^40 / 349, and
// x / 3125 is never closer than that below the next integer. The product
// stays below 2^57.
constexpr uint64_t halfReciprocal = 351843721;
constexpr int halfShift = 40;

// A half h below 10^5 as a fraction f / 2^28 of 10^5: f = (h x
// halfFractionScale >> halfFractionShift) + 1, where the scale is 2^31 /
// 10^5 rounded up. f is above h x 2^28 / 10^5 and exceeds it by at most
// 10^5 x 0.16352 / 8 + 1 < 2046, less than the 2684 one step of h adds: f
// stays inside h's interval, so multiplying by ten and taking the integer
// part gives h's digits one by one. Multiplying by five and lowering the
// point one bit does the same in fewer instructions; the fraction loses no
// bit. h x scale < 2^32, and 5f < 5 x 2^28.
constexpr uint32_t halfFractionScale = 21475;
constexpr int halfFractionShift = 3;
constexpr int halfFractionBits = 28;

// Which half and digit a text byte shows, as half x 5 + digit (digit 0 the
// most significant): half 2k holds the low five digits of limb k, 2k + 1
// its high five. -1 for the sign, the 21st integer digit and the zero bytes.
constexpr int limbTextDigit(int byte)
{
    int limb = 0, at = 0;
    if (byte >= 3 && byte < 23)
        limb = 3 - (byte - 3) / limbDigits, at = (byte - 3) % limbDigits;
    else if (byte >= 24 && byte < 44)
        limb = 1 - (byte - 24) / limbDigits, at = (byte - 24) % limbDigits;
    else
        return -1;
    return (2 * limb + (at < 5 ? 1 : 0)) * 5 + at % 5;
}

// The codes added to the gathered digits: "0" on every digit byte and on
// the 21st integer digit (byte 2); the sign and that digit go in after.
constexpr char limbTextCode(int byte) { return byte == 2 || limbTextDigit(byte) >= 0 ? '0' : 0; }

#if TARNWELL_AVX2_DIGITS
AVX2_CODE void Avx2StoreLimbText(char sign, const Limbs& v, SignedAmount& s);
// ChargeInterestRun on AVX2: the interest amounts' pieces worked out on
// the vector units along the chain, whose multiplications leave them idle.
AVX2_CODE ChargedRun Avx2ChargeInterestRun(BalanceTable& b, int32_t first, const Transaction* slots,
                                           int32_t limit, const RateLimbs& r);
AVX2_CODE void Avx2WriteBalanceTexts(const BalanceTable& b, const SignedAmount& beginning, Transaction* t,
                                     int32_t count);
#endif

#if TARNWELL_AVX512_DIGITS
AVX512_CODE void Avx512StoreLimbText(char sign, const Limbs& v, SignedAmount& s);

// Two values of the same sign, as two PortableStoreLimbText calls.
AVX512_CODE void Avx512StoreLimbTexts(char sign, const Limbs& a, SignedAmount& sa, const Limbs& b,
                                      SignedAmount& sb);
AVX512_CODE void Avx512WriteBalanceTexts(const BalanceTable& b, const SignedAmount& beginning, Transaction* t,
                                         int32_t count);
#endif
