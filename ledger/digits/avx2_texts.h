// The AVX2 interest run's settled values: column sums as bytes, their last
// carries found at once, differences, the 45-byte texts of signed values
// and the cells of digit vectors.
#pragma once

#include <cstddef>

#include "ledger/digits/avx2_rounds.h"

#if TARNWELL_AVX2_DIGITS

namespace avx2 {

// Columns of at most 127 as bytes in order: columns 0-31, then 32-63.
struct ColumnBytes {
    __m256i low, high;
};

// Bit k set for column k where its byte is above n, below it or equal to
// it (as signed bytes).
AVX2_HELPER uint64_t columnsAbove(const ColumnBytes& s, __m256i n)
{
    return static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpgt_epi8(s.low, n))) |
           uint64_t(static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpgt_epi8(s.high, n)))) << 32;
}

AVX2_HELPER uint64_t columnsBelow(const ColumnBytes& s, __m256i n)
{
    return static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpgt_epi8(n, s.low))) |
           uint64_t(static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpgt_epi8(n, s.high)))) << 32;
}

AVX2_HELPER uint64_t columnsEqual(const ColumnBytes& s, __m256i n)
{
    return static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(s.low, n))) |
           uint64_t(static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(s.high, n)))) << 32;
}

// The columns a carry arrives at, once the tens have moved (every column
// at most 19).
AVX2_HELPER uint64_t carriesOf(const ColumnBytes& s)
{
    const __m256i nine = _mm256_set1_epi8(9);
    return carriesArriving(columnsAbove(s, nine), columnsEqual(s, nine));
}

// Columns 20 to 60 with the carries that arrive, the others zero.
constexpr auto keepLow = lanes<int8_t, 32>([](int b) { return b >= 20 ? -1 : 0; });
constexpr auto keepHigh = lanes<int8_t, 32>([](int b) { return b <= 28 ? -1 : 0; });

AVX2_HELPER ColumnBytes settledBalance(const ColumnBytes& s, uint64_t arriving)
{
    return {_mm256_and_si256(carryInto(s.low, bytesWhere(static_cast<uint32_t>(arriving))), load(keepLow)),
            _mm256_and_si256(carryInto(s.high, bytesWhere(static_cast<uint32_t>(arriving >> 32))),
                             load(keepHigh))};
}

// x - y, both normalised, x not the smaller.
AVX2_HELPER ColumnBytes subtractColumns(const ColumnBytes& x, const ColumnBytes& y)
{
    const ColumnBytes d{_mm256_sub_epi8(x.low, y.low), _mm256_sub_epi8(x.high, y.high)};
    const __m256i zero = _mm256_setzero_si256();
    const uint64_t arriving = carriesArriving(columnsBelow(d, zero), columnsEqual(d, zero));
    return {borrowFrom(d.low, bytesWhere(static_cast<uint32_t>(arriving))),
            borrowFrom(d.high, bytesWhere(static_cast<uint32_t>(arriving >> 32)))};
}

// A value as a SignedAmount's 45 bytes (sign, integer digits, fraction
// digits, each with its zero byte) in two windows, bytes 0-31 and 29-44,
// stored without a mask: each byte the column it shows, from columns 60
// down to 20, or a zero where it shows none; the sign and the digits' "0"
// are added after.
static_assert(sizeof(SignedAmount) == 45 && offsetof(SignedAmount, integer) == 2 &&
              offsetof(SignedAmount, fraction) == 24);

constexpr int textColumn(int byte)
{
    if (byte >= 2 && byte < 23) return 62 - byte;   // integer character byte - 2: column 60 - (byte - 2)
    if (byte >= 24 && byte < 44) return 63 - byte;  // fraction character byte - 24: column 39 - (byte - 24)
    return -1;
}

constexpr int8_t indexIn(int column, int start)
{
    return column >= start && column < start + 16 ? int8_t(column - start) : none;
}

// The head's halves come from columns 48-63 and 32-47 (the high bytes with
// halves swapped), but for byte 15, column 47; the tail from columns 32-47
// and 16-31.
constexpr auto headSwapped =
    lanes<int8_t, 32>([](int b) { return indexIn(textColumn(b), b < 16 ? 48 : 32); });
constexpr auto headInPlace =
    lanes<int8_t, 32>([](int b) { return b < 16 ? indexIn(textColumn(b), 32) : none; });
constexpr auto tailFrom32 = lanes<int8_t, 16>([](int b) { return indexIn(textColumn(29 + b), 32); });
constexpr auto tailFrom16 = lanes<int8_t, 16>([](int b) { return indexIn(textColumn(29 + b), 16); });
constexpr auto headCodes = lanes<int8_t, 32>([](int b) { return textColumn(b) >= 0 ? '0' : 0; });
constexpr auto tailCodes = lanes<int8_t, 16>([](int b) { return textColumn(29 + b) >= 0 ? '0' : 0; });

struct Text {
    __m256i head;  // bytes 0-31
    __m128i tail;  // bytes 29-44
};

// The codes to add to the gathered bytes: the digits' "0" and the sign.
AVX2_HELPER Text textCodes(char sign)
{
    return {_mm256_or_si256(load(headCodes),
                            _mm256_zextsi128_si256(_mm_cvtsi32_si128(static_cast<uint8_t>(sign)))),
            load128(tailCodes)};
}

AVX2_HELPER Text textOf(const ColumnBytes& s, const Text& codes)
{
    const __m256i swapped = _mm256_permute2x128_si256(s.high, s.high, 0x01);
    const __m256i head = _mm256_or_si256(_mm256_shuffle_epi8(swapped, load(headSwapped)),
                                         _mm256_shuffle_epi8(s.high, load(headInPlace)));
    const __m128i tail =
        _mm_or_si128(_mm_shuffle_epi8(_mm256_castsi256_si128(s.high), load128(tailFrom32)),
                     _mm_shuffle_epi8(_mm256_extracti128_si256(s.low, 1), load128(tailFrom16)));
    return {_mm256_add_epi8(head, codes.head), _mm_add_epi8(tail, codes.tail)};
}

AVX2_HELPER void storeText(const Text& text, SignedAmount& s)
{
    char* bytes = reinterpret_cast<char*>(&s);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(bytes), text.head);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(bytes + 29), text.tail);
}

// A vector's cells as columns 20 to 60, the others zero; once a run, so
// through memory.
AVX2_HELPER ColumnBytes columnsOf(const AmountVector& v)
{
    alignas(32) uint8_t columns[64] = {};
    for (std::size_t k = 0; k < amountCells; ++k) columns[fractionDigits + k] = static_cast<uint8_t>(v[k]);
    return {_mm256_load_si256(reinterpret_cast<const __m256i*>(columns)),
            _mm256_load_si256(reinterpret_cast<const __m256i*>(columns + 32))};
}

AVX2_HELPER __m256i load16(const int16_t (&lanes)[16])
{
    return _mm256_load_si256(reinterpret_cast<const __m256i*>(lanes));
}

// The same columns as 16-bit lanes in the order of the sums.
AVX2_HELPER Columns wideColumns(const AmountVector& v)
{
    alignas(32) int16_t columns[4][16] = {};
    for (int c = fractionDigits; c < fractionDigits + int(amountCells); ++c)
        columns[c / 8 % 4][c / 32 * 8 + c % 8] = static_cast<int16_t>(v[c - fractionDigits]);
    return {{load16(columns[0]), load16(columns[1]), load16(columns[2]), load16(columns[3])}};
}

// Normalised columns 20 to 60 added to the first 41 cells of a vector.
template <std::size_t L>
AVX2_HELPER void addColumns(const ColumnBytes& s, DigitVector<L>& v)
{
    alignas(32) uint8_t columns[64];
    _mm256_store_si256(reinterpret_cast<__m256i*>(columns), s.low);
    _mm256_store_si256(reinterpret_cast<__m256i*>(columns + 32), s.high);
    for (std::size_t k = 0; k < amountCells; ++k) v[k] += columns[fractionDigits + k];
}

}  // namespace avx2

#endif
