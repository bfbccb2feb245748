// The AVX2 interest run's column sums: digit products summed per column in
// 16-bit lanes, sixteen columns to an instruction.
//
// The 64 columns lie in four registers, register k holding columns 8k to
// 8k + 7 in its low half and 32 + 8k to 39 + 8k in its high half. AVX2
// moves lanes across a register only between its halves, so this order
// lets every shift by whole pieces of 8 columns stay a choice of register,
// a shift within pieces one instruction per register, and only the pieces
// moving from column 31 to 32 cross halves. For their last carries and
// texts the columns become bytes in order, 0-31 and 32-63.
#pragma once

#include <utility>

#include "ledger/digits/avx2_parts.h"

#if TARNWELL_AVX2_DIGITS

namespace avx2 {

constexpr int8_t none = -128;  // a shuffle index that gives a zero byte

// Column sums in 16-bit lanes, in the order above.
struct Columns {
    __m256i c[4];
};

// ---- Products -------------------------------------------------------------

// The balance as pairs, one 16-bit lane a column in the order above: lane
// c holds cell c in its low byte and cell c - 1 in its high byte, so one
// multiply-add takes two rate digits at once. x[3 + j] holds pieces j and
// j + 4 for j = -3..3, the pieces below 0 zero: x[3..6] are the pairs, the
// others their low halves moved up.
struct Pairs {
    __m256i x[7];
};

AVX2_HELPER __m256i lowHalfUp(__m256i v) { return _mm256_permute2x128_si256(v, v, 0x08); }

AVX2_HELPER Pairs withPiecesBelow(const __m256i (&q)[4])
{
    return {{lowHalfUp(q[1]), lowHalfUp(q[2]), lowHalfUp(q[3]), q[0], q[1], q[2], q[3]}};
}

// The multiplier's digits two at a time in every 16-bit lane: pair P is
// rate cells 2P (low byte) and 2P + 1, where rate cell j is character
// 19 - j.
constexpr int productPairs = fractionDigits / 2;

struct RatePairs {
    __m256i pair[productPairs];
};

template <int... P>
AVX2_HELPER RatePairs ratePairs(const DigitField<fractionDigits>& rate, std::integer_sequence<int, P...>)
{
    return {{_mm256_set1_epi16(int16_t((rate[19 - 2 * P] - '0') | (rate[18 - 2 * P] - '0') << 8))...}};
}

AVX2_HELPER RatePairs ratePairs(const DigitField<fractionDigits>& rate)
{
    return ratePairs(rate, std::make_integer_sequence<int, productPairs>{});
}

// Pair P times the pairs moved up by 2P = 8d + 2R columns, for register K
// = J + d of the sums: register J of the pairs moved up by 2R columns.
template <int K, int P>
AVX2_HELPER void addProducts(__m256i moved, const RatePairs& r, Columns& sums)
{
    if constexpr (K >= 0 && K < 4 && P < productPairs)
        sums.c[K] = _mm256_add_epi16(sums.c[K], _mm256_maddubs_epi16(moved, r.pair[P]));
}

// Register J of the pairs moved up by 2R columns serves three registers of
// the sums; taking J from the top down, each register of pairs is done with
// before the next, so that few values are kept at once.
template <int J, int R>
AVX2_HELPER void addMovedProducts(const Pairs& p, const RatePairs& r, Columns& sums)
{
    __m256i moved;
    if constexpr (R == 0)
        moved = p.x[3 + J];
    else
        moved = _mm256_alignr_epi8(p.x[3 + J], p.x[2 + J], 16 - 4 * R);
    addProducts<J, R>(moved, r, sums);
    addProducts<J + 1, 4 + R>(moved, r, sums);
    addProducts<J + 2, 8 + R>(moved, r, sums);
}

template <int J>
AVX2_HELPER void addProductsFrom(const Pairs& p, const RatePairs& r, Columns& sums)
{
    addMovedProducts<J, 0>(p, r, sums);
    addMovedProducts<J, 1>(p, r, sums);
    addMovedProducts<J, 2>(p, r, sums);
    addMovedProducts<J, 3>(p, r, sums);
    if constexpr (J > -2) addProductsFrom<J - 1>(p, r, sums);
}

// The products of the pairs and the rate added to the sums.
AVX2_HELPER void addProducts(const __m256i (&q)[4], const RatePairs& r, Columns& sums)
{
    addProductsFrom<3>(withPiecesBelow(q), r, sums);
}

AVX2_HELPER Columns products(const __m256i (&q)[4], const RatePairs& r)
{
    Columns sums{
        {_mm256_setzero_si256(), _mm256_setzero_si256(), _mm256_setzero_si256(), _mm256_setzero_si256()}};
    addProducts(q, r, sums);
    return sums;
}

}  // namespace avx2

#endif
