// The primitives eight digit cells to an instruction. A vector of up to 48
// cells is held in six registers, the cells above its length zero and never
// stored; for its carries it is narrowed to one byte a cell, 32 cells to a
// register, and the carries of all cells found at once from the flag bits.
#include "ledger/digits/avx2_parts.h"

#if TARNWELL_AVX2_DIGITS

bool Avx2Supported()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}

namespace {

struct Cells {
    __m256i p[6];
};

// The cells from 40 up go in pieces of 4 and 1 without a mask: a later load
// is then served straight from the stores that wrote the same pieces.
AVX2_HELPER __m256i loadAt(const int32_t* d)
{
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(d));
}

AVX2_HELPER void storeAt(int32_t* d, __m256i cells)
{
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(d), cells);
}

// Written out rather than looped: GCC takes a loop of plain loads or stores
// for a copy and makes it one through the stack.
template <std::size_t L>
AVX2_HELPER Cells loadCells(const DigitVector<L>& v)
{
    static_assert(L == 41 || L == 45);
    const int32_t* d = v.data();
    __m256i top;
    if constexpr (L == 41)
        top = _mm256_zextsi128_si256(_mm_cvtsi32_si128(d[40]));
    else
        top = _mm256_inserti128_si256(
            _mm256_zextsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(d + 40))),
            _mm_cvtsi32_si128(d[44]), 1);
    return {{loadAt(d), loadAt(d + 8), loadAt(d + 16), loadAt(d + 24), loadAt(d + 32), top}};
}

template <std::size_t L>
AVX2_HELPER void storeCells(const Cells& c, DigitVector<L>& v)
{
    int32_t* d = v.data();
    storeAt(d, c.p[0]);
    storeAt(d + 8, c.p[1]);
    storeAt(d + 16, c.p[2]);
    storeAt(d + 24, c.p[3]);
    storeAt(d + 32, c.p[4]);
    if constexpr (L == 45) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + 40), _mm256_castsi256_si128(c.p[5]));
        _mm_storeu_si32(d + 44, _mm256_extracti128_si256(c.p[5], 1));
    } else {
        _mm_storeu_si32(d + 40, _mm256_castsi256_si128(c.p[5]));
    }
}

// Cells of values from -128 to 127 as bytes in order: cells 0-31 in `low`,
// 32-47 in the first half of `high`.
struct CellBytes {
    __m256i low, high;
};

constexpr auto packedOrder = lanes<int32_t, 8>([](int m) { return m % 2 * 4 + m / 2; });

AVX2_HELPER CellBytes bytesOf(const Cells& c)
{
    const __m256i p01 = _mm256_packs_epi32(c.p[0], c.p[1]), p23 = _mm256_packs_epi32(c.p[2], c.p[3]),
                  p45 = _mm256_packs_epi32(c.p[4], c.p[5]);
    // Packing works within halves: four cells of each register to a piece.
    return {_mm256_permutevar8x32_epi32(_mm256_packs_epi16(p01, p23), load(packedOrder)),
            _mm256_permutevar8x32_epi32(_mm256_packs_epi16(p45, p45), load(packedOrder))};
}

AVX2_HELPER Cells cellsOf(const CellBytes& b)
{
    const __m128i pieces[3] = {_mm256_castsi256_si128(b.low), _mm256_extracti128_si256(b.low, 1),
                               _mm256_castsi256_si128(b.high)};
    Cells c;
    for (int k = 0; k < 3; ++k) {
        c.p[2 * k] = _mm256_cvtepu8_epi32(pieces[k]);
        c.p[2 * k + 1] = _mm256_cvtepu8_epi32(_mm_srli_si128(pieces[k], 8));
    }
    return c;
}

// Bit k set where byte k is greater than the same byte of `than` (signed),
// for the 48 cells.
AVX2_HELPER uint64_t cellsAbove(const CellBytes& b, const CellBytes& than)
{
    const uint32_t low = static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpgt_epi8(b.low, than.low)));
    const uint32_t high = static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpgt_epi8(b.high, than.high)));
    return (low | uint64_t(high) << 32) & 0xffffffffffffu;
}

AVX2_HELPER uint64_t cellsEqual(const CellBytes& b, const CellBytes& to)
{
    const uint32_t low = static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(b.low, to.low)));
    const uint32_t high = static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(b.high, to.high)));
    return (low | uint64_t(high) << 32) & 0xffffffffffffu;
}

AVX2_HELPER CellBytes splat(int8_t n) { return {_mm256_set1_epi8(n), _mm256_set1_epi8(n)}; }

// Sixteen characters less "0", reversed by `order` (zero where it says 0x80).
AVX2_HELPER __m128i digitsOf(const char* p, __m128i order)
{
    const __m128i codes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    return _mm_shuffle_epi8(_mm_sub_epi8(codes, _mm_set1_epi8('0')), order);
}

constexpr int8_t none = -128;  // a shuffle index that gives a zero byte

}  // namespace

// The 41 digits reversed in three pieces of 16 bytes from 16-character
// windows of the fields, then widened to cells: cells 0-15 are fraction
// characters 19..4, cells 16-19 fraction characters 3..0, cells 20-40 the
// integer characters from the right.
template <std::size_t I, std::size_t L>
AVX2_CODE void Avx2LoadDigits(const std::array<char, I>& integer, const DigitField<fractionDigits>& fraction,
                              DigitVector<L>& v)
{
    static_assert(I == amountIntegerDigits + 1 && (L == 41 || L == 45));
    static constexpr auto reversed = lanes<int8_t, 16>([](int p) { return 15 - p; });
    static constexpr auto fractionStart = lanes<int8_t, 16>([](int p) { return p < 4 ? 3 - p : none; });
    static constexpr auto integerEnd = lanes<int8_t, 16>([](int p) { return p < 4 ? none : 19 - p; });
    static constexpr auto integerStart = lanes<int8_t, 16>([](int p) { return p < 9 ? 8 - p : none; });
    const __m128i pieces[3] = {
        digitsOf(fraction.data() + 4, load128(reversed)),
        _mm_or_si128(digitsOf(fraction.data(), load128(fractionStart)),
                     digitsOf(integer.data() + 5, load128(integerEnd))),
        digitsOf(integer.data(), load128(integerStart)),
    };
    Cells c;
    for (int k = 0; k < 3; ++k) {
        c.p[2 * k] = _mm256_cvtepu8_epi32(pieces[k]);
        c.p[2 * k + 1] = _mm256_cvtepu8_epi32(_mm_srli_si128(pieces[k], 8));
    }
    storeCells(c, v);
}

// Characters in overlapping windows of 16, each one or two shuffles of the
// cells as bytes: fraction characters 0-15 and 4-19, integer characters
// 0-15 and n-16..n-1.
template <std::size_t L, std::size_t I>
AVX2_CODE void Avx2StoreDigits(const DigitVector<L>& v, std::array<char, I>& integer,
                               DigitField<fractionDigits>& fraction)
{
    constexpr int n = int(L) - fractionDigits;
    static_assert(int(I) == n + 1 && n >= 16);
    static constexpr auto reversed = lanes<int8_t, 16>([](int p) { return 15 - p; });
    static constexpr auto fractionFrom16 = lanes<int8_t, 16>([](int p) { return p < 4 ? 3 - p : none; });
    static constexpr auto fractionFrom0 = lanes<int8_t, 16>([](int p) { return p < 4 ? none : 19 - p; });
    // Integer character k is cell L - 1 - k; the last window's are cells 35..20.
    static constexpr auto integerFrom32 =
        lanes<int8_t, 16>([](int k) { return k <= int(L) - 33 ? int(L) - 33 - k : none; });
    static constexpr auto integerFrom16 =
        lanes<int8_t, 16>([](int k) { return k <= int(L) - 33 ? none : int(L) - 17 - k; });
    static constexpr auto endFrom32 = lanes<int8_t, 16>([](int p) { return p < 4 ? 3 - p : none; });
    static constexpr auto endFrom16 = lanes<int8_t, 16>([](int p) { return p < 4 ? none : 19 - p; });
    const CellBytes b = bytesOf(loadCells(v));
    const __m128i from0 = _mm256_castsi256_si128(b.low), from16 = _mm256_extracti128_si256(b.low, 1),
                  from32 = _mm256_castsi256_si128(b.high), zeroCode = _mm_set1_epi8('0');
    auto put = [&](char* p, __m128i digits) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(p), _mm_add_epi8(digits, zeroCode));
    };
    put(integer.data(), _mm_or_si128(_mm_shuffle_epi8(from32, load128(integerFrom32)),
                                     _mm_shuffle_epi8(from16, load128(integerFrom16))));
    put(integer.data() + n - 16, _mm_or_si128(_mm_shuffle_epi8(from32, load128(endFrom32)),
                                              _mm_shuffle_epi8(from16, load128(endFrom16))));
    put(fraction.data(), _mm_or_si128(_mm_shuffle_epi8(from16, load128(fractionFrom16)),
                                      _mm_shuffle_epi8(from0, load128(fractionFrom0))));
    put(fraction.data() + 4, _mm_shuffle_epi8(from0, load128(reversed)));
    integer[n] = 0;
    fraction[fractionDigits] = 0;
}

template <std::size_t L>
AVX2_CODE Magnitude Avx2CompareMagnitudes(const DigitVector<L>& a, const DigitVector<L>& b)
{
    const Cells x = loadCells(a), y = loadCells(b);
    Cells d;
    for (int k = 0; k < 6; ++k) d.p[k] = _mm256_sub_epi32(x.p[k], y.p[k]);
    const CellBytes differences = bytesOf(d), zero = splat(0);
    const uint64_t greater = cellsAbove(differences, zero), less = cellsAbove(zero, differences);
    // The highest differing cell decides: it is the highest bit of either.
    if (greater == less) return Magnitude::Equal;
    return greater > less ? Magnitude::Greater : Magnitude::Less;
}

template <std::size_t L>
AVX2_CODE bool Avx2AddMagnitudes(const DigitVector<L>& a, const DigitVector<L>& b, DigitVector<L>& r)
{
    const Cells x = loadCells(a), y = loadCells(b);
    Cells s;
    for (int k = 0; k < 6; ++k) s.p[k] = _mm256_add_epi32(x.p[k], y.p[k]);
    CellBytes sum = bytesOf(s);
    const CellBytes nine = splat(9);
    const uint64_t arriving = carriesArriving(cellsAbove(sum, nine), cellsEqual(sum, nine));
    sum.low = carryInto(sum.low, bytesWhere(static_cast<uint32_t>(arriving)));
    sum.high = carryInto(sum.high, bytesWhere(static_cast<uint32_t>(arriving >> 32)));
    storeCells(cellsOf(sum), r);
    return (arriving >> L & 1) == 0;
}

template <std::size_t L>
AVX2_CODE void Avx2SubtractMagnitudes(const DigitVector<L>& x, const DigitVector<L>& y, DigitVector<L>& r)
{
    const Cells a = loadCells(x), b = loadCells(y);
    Cells d;
    for (int k = 0; k < 6; ++k) d.p[k] = _mm256_sub_epi32(a.p[k], b.p[k]);
    CellBytes differences = bytesOf(d);
    const CellBytes zero = splat(0);
    const uint64_t cells = (uint64_t(1) << L) - 1;
    const uint64_t arriving =
        carriesArriving(cellsAbove(zero, differences), cellsEqual(differences, zero) & cells);
    differences.low = borrowFrom(differences.low, bytesWhere(static_cast<uint32_t>(arriving)));
    differences.high = borrowFrom(differences.high, bytesWhere(static_cast<uint32_t>(arriving >> 32)));
    storeCells(cellsOf(differences), r);
}

using IntegerField = DigitField<amountIntegerDigits>;
using TotalIntegerField = DigitField<totalIntegerDigits>;
using FractionField = DigitField<fractionDigits>;

template void Avx2LoadDigits(const IntegerField&, const FractionField&, AmountVector&);
template void Avx2LoadDigits(const IntegerField&, const FractionField&, TotalVector&);
template void Avx2StoreDigits(const AmountVector&, IntegerField&, FractionField&);
template void Avx2StoreDigits(const TotalVector&, TotalIntegerField&, FractionField&);
template Magnitude Avx2CompareMagnitudes(const AmountVector&, const AmountVector&);
template Magnitude Avx2CompareMagnitudes(const TotalVector&, const TotalVector&);
template bool Avx2AddMagnitudes(const AmountVector&, const AmountVector&, AmountVector&);
template bool Avx2AddMagnitudes(const TotalVector&, const TotalVector&, TotalVector&);
template void Avx2SubtractMagnitudes(const AmountVector&, const AmountVector&, AmountVector&);
template void Avx2SubtractMagnitudes(const TotalVector&, const TotalVector&, TotalVector&);

#endif
