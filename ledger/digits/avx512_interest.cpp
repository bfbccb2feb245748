// Multiplication by the rate and runs of interest transactions, sixteen or
// thirty-two columns to an instruction: digit products are summed per
// column in 16-bit lanes, the tens of all columns moved up in rounds, and
// the last carries found at once as in the other primitives.
#include <cstddef>
#include <utility>

#include "ledger/digits/avx512_parts.h"

#if TARNWELL_AVX512_DIGITS

namespace {

// Every 16-bit lane from the lane below it, across two registers.
constexpr auto columnBelow = lanes<int16_t, 32>([](int m) { return 31 + m; });

// The balance's cells as 16-bit lanes that each hold a cell in the low byte
// and the cell below it in the high byte: one multiply-add then takes two
// rate digits at once. Two registers, columns 0-31 and 32-63, each gathered
// byte by byte from two registers of 32-bit cells; cells outside the two
// read byte 1 or 127, the high bytes of a digit, which are zero.
constexpr auto pairsLow = lanes<int8_t, 64>([](int b) {
    return b == 1 ? 1 : b % 2 == 0 ? 2 * b : 2 * b - 6;
});
constexpr auto pairsHigh = lanes<int8_t, 64>([](int b) {
    const int byte = b == 1 ? 60 : b % 2 == 0 ? 64 + 2 * b : 2 * b + 58;
    return byte > 127 ? 127 : byte;
});

AVX512_HELPER void pairedCells(const Parts& a, __m512i (&q)[2])
{
    q[0] = _mm512_permutex2var_epi8(a.p[0], load(pairsLow), a.p[1]);
    q[1] = _mm512_permutex2var_epi8(a.p[1], load(pairsHigh), a.p[2]);
}

// The multiplier's digits two at a time in every 16-bit lane: pair P is
// rate cells 2P (low byte) and 2P + 1, where rate cell j is character
// 19 - j. The last pair, digits 1 and 0 at 10^0, adds the balance itself.
constexpr int productPairs = fractionDigits / 2;

struct RatePairs {
    __m512i pair[productPairs + 1];
};

template <int... P>
AVX512_HELPER RatePairs ratePairs(const DigitField<fractionDigits>& rate, std::integer_sequence<int, P...>)
{
    return {{_mm512_set1_epi16(int16_t((rate[19 - 2 * P] - '0') | (rate[18 - 2 * P] - '0') << 8))...,
             _mm512_set1_epi16(1)}};
}

AVX512_HELPER RatePairs ratePairs(const DigitField<fractionDigits>& rate)
{
    return ratePairs(rate, std::make_integer_sequence<int, productPairs>{});
}

// Pair P times the balance, for the columns from 2P up: the paired cells
// moved up by P 32-bit lanes meet the two digits in each 16-bit lane.
struct Columns {
    __m512i low, high;  // columns 0-31 and 32-63
};

template <int P>
AVX512_HELPER Columns pairProducts(const __m512i (&q)[2], const RatePairs& r)
{
    if constexpr (P == 0)
        return {_mm512_maddubs_epi16(q[0], r.pair[P]), _mm512_maddubs_epi16(q[1], r.pair[P])};
    return {_mm512_maddubs_epi16(_mm512_alignr_epi32(q[0], _mm512_setzero_si512(), 16 - P), r.pair[P]),
            _mm512_maddubs_epi16(_mm512_alignr_epi32(q[1], q[0], 16 - P), r.pair[P])};
}

AVX512_HELPER Columns add(const Columns& a, const Columns& b)
{
    return {_mm512_add_epi16(a.low, b.low), _mm512_add_epi16(a.high, b.high)};
}

// The products of pairs From to To - 1 summed as a balanced tree, so that
// the sum waits for few additions.
template <int From, int To>
AVX512_HELPER Columns sumPairs(const __m512i (&q)[2], const RatePairs& r)
{
    if constexpr (To - From == 1)
        return pairProducts<From>(q, r);
    else
        return add(sumPairs<From, (From + To) / 2>(q, r), sumPairs<(From + To) / 2, To>(q, r));
}

// Three rounds move the tens of every column up at once: column sums of up
// to 2353 become at most 244, 33, then 12, so that one carry at most is
// left to pass on.
AVX512_HELPER void moveTens(Columns& c)
{
    const __m512i tenth = _mm512_set1_epi16(6554), ten = _mm512_set1_epi16(10), below = load(columnBelow);
    for (int round = 0; round < 3; ++round) {
        // c x 6554 / 2^16 is c / 10 to within a tenth for every c below
        // 16384: its high half is the tens, and ten times its low half the
        // units, both found at once rather than one after the other.
        const __m512i tensLow = _mm512_mulhi_epu16(c.low, tenth),
                      tensHigh = _mm512_mulhi_epu16(c.high, tenth);
        const __m512i unitsLow = _mm512_mulhi_epu16(_mm512_mullo_epi16(c.low, tenth), ten);
        const __m512i unitsHigh = _mm512_mulhi_epu16(_mm512_mullo_epi16(c.high, tenth), ten);
        c.low = _mm512_add_epi16(unitsLow, _mm512_maskz_permutexvar_epi16(~__mmask32(1), below, tensLow));
        c.high = _mm512_add_epi16(unitsHigh, _mm512_permutex2var_epi16(tensLow, below, tensHigh));
    }
}

// Carries (step 1) or borrows (step -1) moved at once: a column makes one
// (`makes`) or passes on the one it receives (`passes`); each column a carry
// arrives in gains `step`, each it leaves loses ten times `step`. Returns
// the columns a carry arrives in.
AVX512_HELPER __mmask64 moveCarries(Columns& c, __mmask64 makes, __mmask64 passes, int16_t step)
{
    const __m512i one = _mm512_set1_epi16(step), ten = _mm512_set1_epi16(int16_t(10 * step));
    const __mmask64 arriving = _kxor_mask64(_kadd_mask64(_kshiftli_mask64(makes, 1), passes), passes);
    const __mmask64 leaving = _kshiftri_mask64(arriving, 1);
    c.low = _mm512_mask_add_epi16(c.low, __mmask32(arriving), c.low, one);
    c.low = _mm512_mask_sub_epi16(c.low, __mmask32(leaving), c.low, ten);
    c.high = _mm512_mask_add_epi16(c.high, __mmask32(_kshiftri_mask64(arriving, 32)), c.high, one);
    c.high = _mm512_mask_sub_epi16(c.high, __mmask32(_kshiftri_mask64(leaving, 32)), c.high, ten);
    return arriving;
}

// The last carries, found at once; false when one reaches column 61.
AVX512_HELPER bool settleColumns(Columns& c)
{
    const __m512i nine = _mm512_set1_epi16(9);
    const __mmask64 makes =
        _mm512_kunpackd(_mm512_cmpgt_epu16_mask(c.high, nine), _mm512_cmpgt_epu16_mask(c.low, nine));
    const __mmask64 passes =
        _mm512_kunpackd(_mm512_cmpeq_epi16_mask(c.high, nine), _mm512_cmpeq_epi16_mask(c.low, nine));
    const __mmask64 arriving = moveCarries(c, makes, passes, 1);
    const __mmask32 above60 = 0xe0000000u;
    return (_cvtmask64_u64(arriving) >> 61) == 0 && _mm512_mask_test_epi16_mask(above60, c.high, c.high) == 0;
}

// Columns 20 to 60 of normalised columns, as a vector of 41 cells: the
// low byte of each column into the low byte of a 32-bit cell.
template <int Part>
constexpr auto cellsFrom20 = lanes<int8_t, 64>([](int b) { return 2 * (20 + 16 * Part + b / 4); });

AVX512_HELPER void storeCells(const Columns& c, AmountVector& r)
{
    const __mmask64 lowBytes = 0x1111111111111111u;
    const Parts cells{{_mm512_maskz_permutex2var_epi8(lowBytes, c.low, load(cellsFrom20<0>), c.high),
                       _mm512_maskz_permutex2var_epi8(lowBytes, c.low, load(cellsFrom20<1>), c.high),
                       _mm512_maskz_permutex2var_epi8(lowBytes, c.low, load(cellsFrom20<2>), c.high)}};
    storeParts(cells, r);
}

AVX512_HELPER bool storeFrom20(Columns c, AmountVector& r)
{
    const bool fits = settleColumns(c);
    storeCells(c, r);
    return fits;
}

// One interest step: the product's columns, and the sum's (the balance
// added at columns 20 up) with its tens moved up. Once carried, columns 20
// to 60 of each are the results: the dropped columns pass on the same carry
// to column 20 either way.
AVX512_HELPER void interestColumns(const __m512i (&q)[2], const RatePairs& r, Columns& product, Columns& sum)
{
    product = sumPairs<0, productPairs>(q, r);
    sum = add(product, pairProducts<productPairs>(q, r));
    moveTens(sum);
}

// The next balance straight from the sum's columns 20 up, before their last
// carries, with the carry that columns 0-19 pass to column 20: a cell may
// then hold up to 13, which the products and rounds above allow. The cells
// are paired as pairedCells does; those above column 63 are zero.
constexpr auto nextLow = lanes<int8_t, 64>([](int b) { return b == 1 ? 1 : b % 2 == 0 ? 40 + b : 37 + b; });
constexpr auto nextHigh = lanes<int8_t, 64>(
    [](int b) { return b % 2 == 0 ? (104 + b > 127 ? 1 : 104 + b) : (101 + b > 127 ? 1 : 101 + b); });

AVX512_HELPER void nextBalance(const Columns& sum, __m512i (&q)[2])
{
    const __m512i nine = _mm512_set1_epi16(9);
    const __mmask32 makes = _mm512_cmpgt_epu16_mask(sum.low, nine),
                    passes = _mm512_cmpeq_epi16_mask(sum.low, nine);
    const __mmask32 arriving = _kxor_mask32(_kadd_mask32(_kshiftli_mask32(makes, 1), passes), passes);
    const __mmask32 intoColumn20 = _kand_mask32(arriving, __mmask32(1) << 20);
    const __m512i low = _mm512_mask_add_epi16(sum.low, intoColumn20, sum.low, _mm512_set1_epi16(1));
    q[0] = _mm512_permutex2var_epi8(low, load(nextLow), sum.high);
    q[1] = _mm512_permutex2var_epi8(low, load(nextHigh), sum.high);
}

}  // namespace

AVX512_CODE bool Avx512MultiplyByRate(const AmountVector& a, const DigitField<fractionDigits>& rate,
                                      AmountVector& r)
{
    __m512i q[2];
    pairedCells(loadParts(a), q);
    Columns product = sumPairs<0, productPairs>(q, ratePairs(rate));
    moveTens(product);
    return storeFrom20(product, r);
}

namespace {

// A balance's cells in columns 20 to 60, every other column zero.
AVX512_HELPER Columns balanceColumns(const Parts& a)
{
    const __m512i zero = _mm512_setzero_si512();
    const __m512i cells = _mm512_inserti64x4(_mm512_castsi256_si512(_mm512_cvtepi32_epi16(a.p[0])),
                                             _mm512_cvtepi32_epi16(a.p[1]), 1);
    const __m512i top = _mm512_inserti64x4(zero, _mm512_cvtepi32_epi16(a.p[2]), 0);
    return {_mm512_alignr_epi32(cells, zero, 6), _mm512_alignr_epi32(top, cells, 6)};
}

AVX512_HELPER Columns onlyBalanceColumns(const Columns& c)
{
    return {_mm512_maskz_mov_epi16(0xfff00000u, c.low), _mm512_maskz_mov_epi16(0x1fffffffu, c.high)};
}

// sum - balance, both normalised, sum not the smaller: the interest.
AVX512_HELPER Columns subtractColumns(const Columns& sum, const Columns& balance)
{
    const __m512i zero = _mm512_setzero_si512();
    Columns d{_mm512_sub_epi16(sum.low, balance.low), _mm512_sub_epi16(sum.high, balance.high)};
    const __mmask64 makes =
        _mm512_kunpackd(_mm512_cmplt_epi16_mask(d.high, zero), _mm512_cmplt_epi16_mask(d.low, zero));
    const __mmask64 passes =
        _mm512_kunpackd(_mm512_cmpeq_epi16_mask(d.high, zero), _mm512_cmpeq_epi16_mask(d.low, zero));
    moveCarries(d, makes, passes, -1);
    return d;
}

// A value as a SignedAmount's 45 bytes (sign, integer digits, fraction
// digits, each with its zero byte), gathered from the low bytes of columns
// 60 down to 20 in two windows, bytes 0-31 and 29-44, stored without a
// mask. Byte 1, the high byte of column 0, is a zero; the sign and the
// digits' "0" are added after.
static_assert(sizeof(SignedAmount) == 45 && offsetof(SignedAmount, integer) == 2 &&
              offsetof(SignedAmount, fraction) == 24);

constexpr int amountByte(int lane) { return lane < 32 ? lane : lane < 48 ? lane - 32 + 29 : 44; }

constexpr auto amountText = lanes<int8_t, 64>([](int lane) {
    const int b = amountByte(lane);
    if (b >= 2 && b < 23) return 120 - 2 * (b - 2);   // integer character b - 2: column 60 - (b - 2)
    if (b >= 24 && b < 44) return 78 - 2 * (b - 24);  // fraction character b - 24: column 39 - (b - 24)
    return 1;
});

constexpr auto digitCodes = lanes<int8_t, 64>([](int lane) {
    const int b = amountByte(lane);
    return (b >= 2 && b < 23) || (b >= 24 && b < 44) ? '0' : 0;
});

// The codes to add to the gathered bytes: the digits' "0" and the sign.
AVX512_HELPER __m512i textCodes(char sign) { return _mm512_mask_set1_epi8(load(digitCodes), 1, sign); }

AVX512_HELPER __m512i textOf(const Columns& c, __m512i codes)
{
    return _mm512_add_epi8(_mm512_permutex2var_epi8(c.low, load(amountText), c.high), codes);
}

AVX512_HELPER void storeText(__m512i text, SignedAmount& s)
{
    char* bytes = reinterpret_cast<char*>(&s);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(bytes), _mm512_castsi512_si256(text));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(bytes + 29), _mm512_extracti32x4_epi32(text, 2));
}

// A total's cells plus normalised columns 20 to 60.
AVX512_HELPER void addCells(const Columns& c, TotalVector& total)
{
    const __mmask64 lowBytes = 0x1111111111111111u;
    Parts sum = loadParts(total);
    sum.p[0] = _mm512_add_epi32(
        sum.p[0], _mm512_maskz_permutex2var_epi8(lowBytes, c.low, load(cellsFrom20<0>), c.high));
    sum.p[1] = _mm512_add_epi32(
        sum.p[1], _mm512_maskz_permutex2var_epi8(lowBytes, c.low, load(cellsFrom20<1>), c.high));
    sum.p[2] = _mm512_add_epi32(
        sum.p[2], _mm512_maskz_permutex2var_epi8(lowBytes, c.low, load(cellsFrom20<2>), c.high));
    storeParts(sum, total);
}

}  // namespace

// The balance stays in registers from one transaction to the next, and each
// waits only for the products, three rounds and the carry into column 20;
// the last carries, the amount (the new balance less the old) and the texts
// are worked out beside the next transaction. A new balance's text is also
// the next transaction's old balance; the amounts add up to the last
// balance less the first, which goes into amountDigits once.
AVX512_CODE bool Avx512ChargeInterestRun(AmountVector& b, char sign, const DigitField<fractionDigits>& rate,
                                         Transaction* t, int32_t count, TotalVector& amountDigits)
{
    const RatePairs r = ratePairs(rate);
    const __m512i codes = textCodes(sign);
    const Parts start = loadParts(b);
    __m512i q[2];
    pairedCells(start, q);
    const Columns first = balanceColumns(start);
    Columns balance = first;
    if (count > 0) storeText(textOf(first, codes), t[0].oldBalance);
    bool fits = true;
    for (int32_t i = 0; i < count && fits; ++i) {
        Columns product, sum;
        interestColumns(q, r, product, sum);
        nextBalance(sum, q);
        fits = settleColumns(sum);
        sum = onlyBalanceColumns(sum);
        const __m512i sumText = textOf(sum, codes);
        storeText(textOf(subtractColumns(sum, balance), codes), t[i].amount);
        storeText(sumText, t[i].newBalance);
        if (i + 1 < count) storeText(sumText, t[i + 1].oldBalance);
        balance = sum;
    }
    storeCells(balance, b);
    addCells(subtractColumns(balance, first), amountDigits);
    return fits;
}

#endif
