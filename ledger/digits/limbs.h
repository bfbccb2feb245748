// Values on limbs of ten decimal digits, the form the recalculation carries
// its balances in from one transaction to the next. The 20 fraction digits
// are exactly two limbs, so the truncation of a product at the 20th decimal
// falls between limbs. A limb is an exact integer below 10^10 once settled;
// no value is ever held in a single machine integer.
#pragma once

#include <cstdint>

#include "ledger/ledger.h"

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

// The sign and the 41 digits of a settled value below 10^21 as a signed
// amount's text, every field with its zero byte. This is the plain C++ one;
// the wide engines have their own, digit for digit the same.
void PortableStoreLimbText(char sign, const Limbs& v, SignedAmount& s);
