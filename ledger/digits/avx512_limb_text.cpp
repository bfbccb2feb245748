// Settled values' texts on AVX-512: the sixteen halves of two values'
// limbs in the 32-bit lanes of one register, their digits brought up
// together and each value's 45 bytes gathered by one byte permutation.
#include "ledger/digits/limb_texts.h"

#if TARNWELL_AVX512_DIGITS

#include <cstddef>

#include "ledger/digits/avx512_parts.h"
#include "ledger/digits/balance_texts.h"
#include "ledger/digits/lane_difference.h"

namespace {

// The lanes' constants. GCC makes a known one in a register by a broadcast
// from an integer register, an instruction where a broadcast memory
// operand costs none; read through a pointer an empty asm hides, the table
// is known only by its address.
struct LaneConstants {
    uint32_t reciprocal, limbHalf, scale, one, below[4], byte[4];
};
constexpr LaneConstants laneConstants = {halfReciprocal,
                                         100000,
                                         halfFractionScale,
                                         1,
                                         {(1u << 27) - 1, (1u << 26) - 1, (1u << 25) - 1, (1u << 24) - 1},
                                         {0xff, 0xff00, 0xff0000, 0xff000000}};
static_assert(halfFractionBits == 28);

AVX512_HELPER const LaneConstants& inMemory(const LaneConstants& constants)
{
    const LaneConstants* c = &constants;
    asm("" : "+r"(c));
    return *c;
}

AVX512_HELPER __m512i every(uint32_t c) { return _mm512_set1_epi32(static_cast<int>(c)); }

// Lane 2k the low half of a's limb k, 2k + 1 its high half; lanes 8-15
// the same for b. The multiplier of each 64-bit lane is its low 32 bits.
AVX512_HELPER __m512i halvesOf(__m512i limbs, const LaneConstants& c)
{
    const __m512i high =
        _mm512_srli_epi64(_mm512_mul_epu32(_mm512_srli_epi64(limbs, 5), every(c.reciprocal)), halfShift);
    const __m512i low = _mm512_sub_epi64(limbs, _mm512_mul_epu32(high, every(c.limbHalf)));
    return _mm512_or_si512(low, _mm512_slli_epi64(high, 32));
}

AVX512_HELPER __m512i limbsOf(const Limbs& v)
{
    return _mm512_zextsi256_si512(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(v.limb)));
}

// Each half's first four digits as the bytes of its lane, most significant
// first, and its fifth as the lane's low byte.
struct HalfDigits {
    __m512i first, fifth;
};

// Five times the fraction, whose point is one bit lower each time, puts
// digit k at bits 27 - k and up, with nothing above; the fraction is what
// lies below.
AVX512_HELPER __m512i timesFive(__m512i f) { return _mm512_add_epi32(f, _mm512_slli_epi32(f, 2)); }

// d with byte `byte` of each lane of p put in: d | (p & mask).
AVX512_HELPER __m512i withByte(__m512i d, __m512i p, int byte, const LaneConstants& c)
{
    return _mm512_ternarylogic_epi32(d, p, every(c.byte[byte]), 0xf8);
}

AVX512_HELPER HalfDigits digitsOf(__m512i halves, const LaneConstants& c)
{
    const __m512i f = _mm512_add_epi32(
        _mm512_srli_epi32(_mm512_mullo_epi32(halves, every(c.scale)), halfFractionShift), every(c.one));
    const __m512i p0 = timesFive(f);
    const __m512i p1 = timesFive(_mm512_and_si512(p0, every(c.below[0])));
    const __m512i p2 = timesFive(_mm512_and_si512(p1, every(c.below[1])));
    const __m512i p3 = timesFive(_mm512_and_si512(p2, every(c.below[2])));
    const __m512i p4 = timesFive(_mm512_and_si512(p3, every(c.below[3])));
    // Digit k to byte k: moved down by 27 - 9k bits.
    __m512i first = _mm512_srli_epi32(p0, 27);
    first = withByte(first, _mm512_srli_epi32(p1, 18), 1, c);
    first = withByte(first, _mm512_srli_epi32(p2, 9), 2, c);
    first = withByte(first, p3, 3, c);
    return {first, _mm512_srli_epi32(p4, 23)};
}

// The permutation's index of text byte `byte` of value `w` (0 for a, 1
// for b): bit 6 picks `fifth`, whose lanes' bytes above the low one are
// zero; byte 1 of it stands for every byte that shows no digit.
constexpr uint8_t textIndex(int w, int byte)
{
    const int digit = limbTextDigit(byte);
    if (digit < 0) return 64 + 1;
    const int lane = 8 * w + digit / 5;
    return uint8_t(digit % 5 == 4 ? 64 + 4 * lane : 4 * lane + digit % 5);
}

constexpr auto textOfA = lanes<uint8_t, 64>([](int b) { return textIndex(0, b); });
constexpr auto textOfB = lanes<uint8_t, 64>([](int b) { return textIndex(1, b); });
constexpr auto textCodes = lanes<int8_t, 64>([](int b) { return b < 45 ? limbTextCode(b) : 0; });
constexpr __mmask64 textBytes = (uint64_t(1) << 45) - 1;

static_assert(sizeof(SignedAmount) == 45);

AVX512_HELPER __m512i textOf(const HalfDigits& d, const Lanes<uint8_t, 64>& index, char sign, uint64_t top)
{
    const int signAndTop = static_cast<uint8_t>(sign) | static_cast<int>(top) << 16;
    const __m512i codes =
        _mm512_add_epi8(load(textCodes), _mm512_zextsi128_si512(_mm_cvtsi32_si128(signAndTop)));
    return _mm512_add_epi8(_mm512_permutex2var_epi8(d.first, load(index), d.fifth), codes);
}

AVX512_HELPER void put(__m512i text, SignedAmount& s) { _mm512_mask_storeu_epi8(&s, textBytes, text); }

AVX512_HELPER __m256i lowLimbs(const Limbs& v)
{
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(v.limb));
}

AVX512_HELPER HalfDigits pairDigits(__m256i a, __m256i b)
{
    const LaneConstants& c = inMemory(laneConstants);
    return digitsOf(halvesOf(_mm512_inserti64x4(_mm512_zextsi256_si512(a), b, 1), c), c);
}

// One value's text, the other half of the register idle.
AVX512_HELPER __m512i valueTextOf(char sign, const Limbs& v)
{
    const LaneConstants& c = inMemory(laneConstants);
    return textOf(digitsOf(halvesOf(limbsOf(v), c), c), textOfA, sign, v.limb[4]);
}

AVX512_HELPER void storeOne(char sign, const Limbs& v, SignedAmount& s, SignedAmount& copy)
{
    const __m512i text = valueTextOf(sign, v);
    put(text, s);
    put(text, copy);
}

// Two values of the same sign into their fields; the second's text is
// returned for a copy.
AVX512_HELPER __m512i putPair(char sign, const Limbs& a, SignedAmount& sa, const Limbs& b, SignedAmount& sb)
{
    const HalfDigits d = pairDigits(lowLimbs(a), lowLimbs(b));
    put(textOf(d, textOfA, sign, a.limb[4]), sa);
    const __m512i text = textOf(d, textOfB, sign, b.limb[4]);
    put(text, sb);
    return text;
}

AVX512_HELPER void storeTwo(char sign, const Limbs& interest, const Limbs& next, SignedAmount& amount,
                            SignedAmount& s, SignedAmount& copy)
{
    put(putPair(sign, interest, amount, next, s), copy);
}

}  // namespace

AVX512_CODE void Avx512StoreLimbTexts(char sign, const Limbs& a, SignedAmount& sa, const Limbs& b,
                                      SignedAmount& sb)
{
    putPair(sign, a, sa, b, sb);
}

AVX512_CODE void Avx512StoreLimbText(char sign, const Limbs& v, SignedAmount& s)
{
    put(valueTextOf(sign, v), s);
}

AVX512_CODE void Avx512WriteBalanceTexts(const BalanceTable& b, const SignedAmount& beginning, Transaction* t,
                                         int32_t count)
{
    writeBalanceTexts(b, beginning, t, count, limbDifferenceOnLanes, storeOne, storeTwo);
}

#endif
