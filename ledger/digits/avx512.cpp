// The primitives sixteen digit cells to an instruction.
//
// Carries are found for the whole vector at once. A cell of a sum of two
// digits either makes a carry (10 or more), passes on the carry it receives
// (exactly 9) or stops it. With one flag bit per cell, adding the makers
// shifted up one place to the passers runs each carry through its run of
// nines exactly as the carry rules ripple it, and the bits that changed are
// the cells a carry arrives at. Borrows are found the same way.
#include "ledger/digits/avx512_parts.h"

#if TARNWELL_AVX512_DIGITS

bool Avx512Supported()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
           __builtin_cpu_supports("avx512vl") && __builtin_cpu_supports("avx512vbmi");
}

namespace {

constexpr auto reversed = lanes<int32_t, 16>([](int m) { return 15 - m; });
// Lanes 19..4 of two registers taken as one of 32 lanes.
constexpr auto reversedFrom4 = lanes<int32_t, 16>([](int m) { return 19 - m; });

// Bit k set where cell k of a compares with cell k of b as Op says.
template <int Op>
AVX512_HELPER uint64_t cellsWhere(const Parts& a, const Parts& b)
{
    uint64_t bits = 0;
    for (int v = 0; v < 3; ++v) bits |= uint64_t(_mm512_cmp_epi32_mask(a.p[v], b.p[v], Op)) << (16 * v);
    return bits;
}

AVX512_HELPER Parts splat(int32_t n)
{
    const __m512i v = _mm512_set1_epi32(n);
    return {{v, v, v}};
}

// Bit k set where a carry arrives at cell k (bit 64 is lost: no vector has
// 64 cells).
uint64_t carriesArriving(uint64_t makes, uint64_t passes) { return ((makes << 1) + passes) ^ passes; }

// Each cell takes `step` for the carry (or borrow) that arrives and gives
// back 10 x step for the one it passes on.
AVX512_HELPER void settle(Parts& c, uint64_t arriving, int32_t step)
{
    const __m512i one = _mm512_set1_epi32(step), ten = _mm512_set1_epi32(10 * step);
    for (int v = 0; v < 3; ++v) {
        c.p[v] = _mm512_mask_add_epi32(c.p[v], __mmask16(arriving >> (16 * v)), c.p[v], one);
        c.p[v] = _mm512_mask_sub_epi32(c.p[v], __mmask16(arriving >> (16 * v + 1)), c.p[v], ten);
    }
}

// Sixteen characters from p as digit values.
AVX512_HELPER __m512i digitsOf(const char* p)
{
    const __m512i codes = _mm512_cvtepi8_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)));
    return _mm512_sub_epi32(codes, _mm512_set1_epi32('0'));
}

// Sixteen digit values as characters at p.
AVX512_HELPER void writeCharacters(__m512i digits, char* p)
{
    const __m128i codes = _mm512_cvtepi32_epi8(_mm512_add_epi32(digits, _mm512_set1_epi32('0')));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), codes);
}

}  // namespace

// Each part is gathered in one permutation from the 16-character windows
// of the fields: cells 0-15 are fraction characters 19..4, cells 16-19
// fraction characters 3..0 and cells 20 up the integer characters from the
// right.
template <std::size_t I, std::size_t L>
AVX512_CODE void Avx512LoadDigits(const std::array<char, I>& integer,
                                  const DigitField<fractionDigits>& fraction, DigitVector<L>& v)
{
    constexpr int n = int(I) - 1;
    static_assert(n >= 16 && n + fractionDigits <= int(L) && L <= 48);
    static constexpr auto middle = lanes<int32_t, 16>([](int m) { return m < 4 ? 3 - m : 35 - m; });
    static constexpr auto top = lanes<int32_t, 16>([](int m) { return m <= n - 13 ? n - 13 - m : 0; });
    const __m512i fractionHigh = digitsOf(fraction.data() + 4), fractionLow = digitsOf(fraction.data());
    const __m512i integerLow = digitsOf(integer.data() + n - 16), integerHigh = digitsOf(integer.data());
    Parts c;
    c.p[0] = _mm512_permutexvar_epi32(load(reversed), fractionHigh);
    c.p[1] = _mm512_permutex2var_epi32(fractionLow, load(middle), integerLow);
    c.p[2] = _mm512_maskz_permutexvar_epi32(__mmask16((1u << (n - 12)) - 1), load(top), integerHigh);
    storeParts(c, v);
}

// Four overlapping windows of 16 characters, each one permutation of the
// parts: integer characters 0-15 and n-16..n-1, fraction characters 0-15
// and 4-19.
template <std::size_t L, std::size_t I>
AVX512_CODE void Avx512StoreDigits(const DigitVector<L>& v, std::array<char, I>& integer,
                                   DigitField<fractionDigits>& fraction)
{
    constexpr int n = int(L) - fractionDigits;
    static_assert(int(I) == n + 1 && n >= 16);
    static constexpr auto topWindow = lanes<int32_t, 16>([](int m) { return int(L) - 17 - m; });
    const Parts c = loadParts(v);
    writeCharacters(_mm512_permutex2var_epi32(c.p[1], load(topWindow), c.p[2]), integer.data());
    writeCharacters(_mm512_permutex2var_epi32(c.p[1], load(reversedFrom4), c.p[2]), integer.data() + n - 16);
    writeCharacters(_mm512_permutex2var_epi32(c.p[0], load(reversedFrom4), c.p[1]), fraction.data());
    writeCharacters(_mm512_permutexvar_epi32(load(reversed), c.p[0]), fraction.data() + 4);
    integer[n] = 0;
    fraction[fractionDigits] = 0;
}

template <std::size_t L>
AVX512_CODE Magnitude Avx512CompareMagnitudes(const DigitVector<L>& a, const DigitVector<L>& b)
{
    const Parts x = loadParts(a), y = loadParts(b);
    const uint64_t greater = cellsWhere<_MM_CMPINT_NLE>(x, y), less = cellsWhere<_MM_CMPINT_LT>(x, y);
    // The highest differing cell decides: it is the highest bit of either.
    if (greater == less) return Magnitude::Equal;
    return greater > less ? Magnitude::Greater : Magnitude::Less;
}

template <std::size_t L>
AVX512_CODE bool Avx512AddMagnitudes(const DigitVector<L>& a, const DigitVector<L>& b, DigitVector<L>& r)
{
    Parts s = loadParts(a);
    const Parts y = loadParts(b), nine = splat(9);
    for (int v = 0; v < 3; ++v) s.p[v] = _mm512_add_epi32(s.p[v], y.p[v]);
    const uint64_t arriving =
        carriesArriving(cellsWhere<_MM_CMPINT_NLE>(s, nine), cellsWhere<_MM_CMPINT_EQ>(s, nine));
    settle(s, arriving, 1);
    storeParts(s, r);
    return (arriving >> L & 1) == 0;
}

template <std::size_t L>
AVX512_CODE void Avx512SubtractMagnitudes(const DigitVector<L>& x, const DigitVector<L>& y, DigitVector<L>& r)
{
    Parts d = loadParts(x);
    const Parts b = loadParts(y), zero = splat(0);
    for (int v = 0; v < 3; ++v) d.p[v] = _mm512_sub_epi32(d.p[v], b.p[v]);
    const uint64_t cells = (uint64_t(1) << L) - 1;
    const uint64_t arriving =
        carriesArriving(cellsWhere<_MM_CMPINT_LT>(d, zero), cellsWhere<_MM_CMPINT_EQ>(d, zero) & cells);
    settle(d, arriving, -1);
    storeParts(d, r);
}

using IntegerField = DigitField<amountIntegerDigits>;
using TotalIntegerField = DigitField<totalIntegerDigits>;
using FractionField = DigitField<fractionDigits>;

template void Avx512LoadDigits(const IntegerField&, const FractionField&, AmountVector&);
template void Avx512LoadDigits(const IntegerField&, const FractionField&, TotalVector&);
template void Avx512StoreDigits(const AmountVector&, IntegerField&, FractionField&);
template void Avx512StoreDigits(const TotalVector&, TotalIntegerField&, FractionField&);
template Magnitude Avx512CompareMagnitudes(const AmountVector&, const AmountVector&);
template Magnitude Avx512CompareMagnitudes(const TotalVector&, const TotalVector&);
template bool Avx512AddMagnitudes(const AmountVector&, const AmountVector&, AmountVector&);
template bool Avx512AddMagnitudes(const TotalVector&, const TotalVector&, TotalVector&);
template void Avx512SubtractMagnitudes(const AmountVector&, const AmountVector&, AmountVector&);
template void Avx512SubtractMagnitudes(const TotalVector&, const TotalVector&, TotalVector&);

#endif
