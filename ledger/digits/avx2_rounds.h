// The AVX2 interest run's rounds: the tens of every column moved up at once,
// and the hundreds two places, until one carry at most is left per column.
#pragma once

#include "ledger/digits/avx2_columns.h"

#if TARNWELL_AVX2_DIGITS

namespace avx2 {

// c x 6554 / 2^16 is c / 10 to within a tenth for every c below 16384:
// its high half is the tens, and ten times its low half the units, both
// found at once rather than one after the other.
AVX2_HELPER __m256i tens(__m256i c) { return _mm256_mulhi_epu16(c, _mm256_set1_epi16(6554)); }

AVX2_HELPER __m256i units(__m256i c)
{
    return _mm256_mulhi_epu16(_mm256_mullo_epi16(c, _mm256_set1_epi16(6554)), _mm256_set1_epi16(10));
}

// Columns moved up by one or two places.
template <int Places>
AVX2_HELPER Columns movedUp(const Columns& v)
{
    constexpr int bytes = 16 - 2 * Places;
    return {{_mm256_alignr_epi8(v.c[0], lowHalfUp(v.c[3]), bytes), _mm256_alignr_epi8(v.c[1], v.c[0], bytes),
             _mm256_alignr_epi8(v.c[2], v.c[1], bytes), _mm256_alignr_epi8(v.c[3], v.c[2], bytes)}};
}

// Moving the tens of every column up at once, and the hundreds two places,
// turns the column sums of a balance of cells up to 14 (at most 2534) into
// columns of at most 43; a carry times the rate makes that 52, and moving
// the tens once more leaves at most 14, so that one carry at most is left
// to pass on and the next balance has cells of at most 14 again.
AVX2_HELPER void moveHundredsAndTens(Columns& s)
{
    Columns tensDigits, hundreds;
    for (int k = 0; k < 4; ++k) {
        const __m256i t = tens(s.c[k]);
        tensDigits.c[k] = units(t);
        hundreds.c[k] = tens(t);
        s.c[k] = units(s.c[k]);
    }
    const Columns byOne = movedUp<1>(tensDigits), byTwo = movedUp<2>(hundreds);
    for (int k = 0; k < 4; ++k) s.c[k] = _mm256_add_epi16(s.c[k], _mm256_add_epi16(byOne.c[k], byTwo.c[k]));
}

AVX2_HELPER void moveTens(Columns& s)
{
    Columns t;
    for (int k = 0; k < 4; ++k) {
        t.c[k] = tens(s.c[k]);
        s.c[k] = units(s.c[k]);
    }
    const Columns byOne = movedUp<1>(t);
    for (int k = 0; k < 4; ++k) s.c[k] = _mm256_add_epi16(s.c[k], byOne.c[k]);
}

// Columns 20 up of a sum: the next balance times 10^20, before the carry
// into column 20.
template <int K>
constexpr auto from20 = lanes<int16_t, 16>([](int lane) {
    return 8 * K + lane % 8 + 32 * (lane / 8) >= 20 ? -1 : 0;
});

AVX2_HELPER Columns balanceColumns(const Columns& sum)
{
    return {{_mm256_and_si256(sum.c[0], load(from20<0>)), _mm256_and_si256(sum.c[1], load(from20<1>)),
             _mm256_and_si256(sum.c[2], load(from20<2>)), sum.c[3]}};
}

}  // namespace avx2

#endif
