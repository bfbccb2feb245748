// A settled value's text on AVX2: the four ten-digit limbs' eight halves in
// the 32-bit lanes of one register, their digits brought up together and
// shuffled into the text's order. In a pass, an interest amount's text is
// written by the integer units from the digit tables, while the vector units
// take the new balance's; the amount's table indices (its pieces) come from
// the vector units too, along the chain of balances.
#include "ledger/digits/limb_texts.h"

#if TARNWELL_AVX2_DIGITS

#include <algorithm>
#include <cstddef>

#include "ledger/digits/avx2_parts.h"
#include "ledger/digits/balance_texts.h"
#include "ledger/digits/interest_chain.h"
#include "ledger/digits/lane_difference.h"
#include "ledger/digits/portable_limb_text.h"

namespace {

constexpr int8_t none = -128;  // a shuffle index that gives a zero byte

template <uint32_t C>
constexpr auto every = lanes<uint32_t, 8>([](int) { return C; });

// The lanes' constants. GCC makes a known one in a register by a move from
// an integer register and a broadcast, two instructions where a memory
// operand costs none; read through a pointer an empty asm hides, the table
// is known only by its address.
struct LaneConstants {
    Lanes<uint32_t, 8> reciprocal, limbHalf, scale, one, below[4];
};
constexpr LaneConstants laneConstants = {
    every<halfReciprocal>,
    every<100000>,
    every<halfFractionScale>,
    every<1>,
    {every<(1u << 27) - 1>, every<(1u << 26) - 1>, every<(1u << 25) - 1>, every<(1u << 24) - 1>}};
static_assert(halfFractionBits == 28);

AVX2_HELPER const LaneConstants& inMemory(const LaneConstants& constants)
{
    const LaneConstants* c = &constants;
    asm("" : "+r"(c));
    return *c;
}

// Lane 2k the low half of limb k, 2k + 1 its high half. The multiplier of
// each 64-bit lane is its low 32 bits.
AVX2_HELPER __m256i halvesOf(__m256i limbs, const LaneConstants& c)
{
    const __m256i high =
        _mm256_srli_epi64(_mm256_mul_epu32(_mm256_srli_epi64(limbs, 5), load(c.reciprocal)), halfShift);
    const __m256i low = _mm256_sub_epi64(limbs, _mm256_mul_epu32(high, load(c.limbHalf)));
    return _mm256_or_si256(low, _mm256_slli_epi64(high, 32));
}

// Each half's first four digits as the bytes of its lane, most significant
// first, and its fifth as the lane's low byte.
struct HalfDigits {
    __m256i first, fifth;
};

// Five times the fraction, whose point is one bit lower each time, puts
// digit k at bits 27 - k and up, with nothing above; the fraction is what
// lies below, and the digit alone what differs from it. Each step is a
// shift, an add and a mask: a product of the first fraction by 5^k would
// end the chain sooner, but a 32-bit lane product is two micro-operations
// on Intel's cores, and the pass is bound by how many it issues.
AVX2_HELPER __m256i timesFive(__m256i f) { return _mm256_add_epi32(f, _mm256_slli_epi32(f, 2)); }

AVX2_HELPER HalfDigits digitsOf(__m256i halves, const LaneConstants& c)
{
    const __m256i f = _mm256_add_epi32(
        _mm256_srli_epi32(_mm256_mullo_epi32(halves, load(c.scale)), halfFractionShift), load(c.one));
    const __m256i p0 = timesFive(f), f1 = _mm256_and_si256(p0, load(c.below[0]));
    const __m256i p1 = timesFive(f1), f2 = _mm256_and_si256(p1, load(c.below[1]));
    const __m256i p2 = timesFive(f2), f3 = _mm256_and_si256(p2, load(c.below[2]));
    const __m256i p3 = timesFive(f3), f4 = _mm256_and_si256(p3, load(c.below[3]));
    const __m256i p4 = timesFive(f4);
    // Digit k to byte k: moved down by 27 - 9k bits.
    const __m256i first = _mm256_or_si256(
        _mm256_or_si256(_mm256_srli_epi32(p0, 27), _mm256_srli_epi32(_mm256_xor_si256(p1, f2), 18)),
        _mm256_or_si256(_mm256_srli_epi32(_mm256_xor_si256(p2, f3), 9), _mm256_xor_si256(p3, f4)));
    return {first, _mm256_srli_epi32(p4, 23)};
}

// The head (bytes 0-31) is shuffled within each 128-bit lane, so the halves
// are first moved to the lanes whose bytes show them: those of bytes 0-15
// (limb 3 and the high half of limb 2) to the low lane, those of 16-31 to
// the high one. The tail (bytes 29-44) shows halves 0-2, already in the low
// lane.
constexpr int headHalves[8] = {7, 6, 5, 5, 5, 4, 3, 2};
constexpr auto headPermutation = lanes<int32_t, 8>([](int d) { return headHalves[d]; });

constexpr int headSlot(int byte, int half)
{
    for (int s = 0; s < 4; ++s)
        if (headHalves[byte / 16 * 4 + s] == half) return s;
    return -1;
}

// The shuffle index of a byte's digit where `first` or `fifth` (fifth)
// holds it in the lane slot `slot`; a zero byte where it holds none.
constexpr int8_t digitIndex(int digit, int slot, bool fifth)
{
    if (digit < 0 || slot < 0 || (digit % 5 == 4) != fifth) return none;
    return int8_t(4 * slot + (fifth ? 0 : digit % 5));
}

constexpr auto headFirst = lanes<int8_t, 32>(
    [](int b) { return digitIndex(limbTextDigit(b), headSlot(b, limbTextDigit(b) / 5), false); });
constexpr auto headFifth = lanes<int8_t, 32>(
    [](int b) { return digitIndex(limbTextDigit(b), headSlot(b, limbTextDigit(b) / 5), true); });
constexpr auto tailFirst = lanes<int8_t, 16>(
    [](int b) { return digitIndex(limbTextDigit(29 + b), limbTextDigit(29 + b) / 5, false); });
constexpr auto tailFifth = lanes<int8_t, 16>(
    [](int b) { return digitIndex(limbTextDigit(29 + b), limbTextDigit(29 + b) / 5, true); });
constexpr auto headCodes = lanes<int8_t, 32>([](int b) { return limbTextCode(b); });
constexpr auto tailCodes = lanes<int8_t, 16>([](int b) { return limbTextCode(29 + b); });

static_assert(sizeof(SignedAmount) == 45 && offsetof(SignedAmount, integer) == 2 &&
              offsetof(SignedAmount, fraction) == 24);

// A value's text: bytes 0-31 and 29-44.
struct Text {
    __m256i head;
    __m128i tail;
};

AVX2_HELPER __m256i lowLimbs(const Limbs& v)
{
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(v.limb));
}

// The text of a value whose four low limbs are `low` and whose top one is
// `top`.
AVX2_HELPER Text textOf(char sign, __m256i low, uint64_t top)
{
    const LaneConstants& c = inMemory(laneConstants);
    const HalfDigits d = digitsOf(halvesOf(low, c), c);
    const __m256i permutation = load(headPermutation);
    const __m256i head = _mm256_or_si256(
        _mm256_shuffle_epi8(_mm256_permutevar8x32_epi32(d.first, permutation), load(headFirst)),
        _mm256_shuffle_epi8(_mm256_permutevar8x32_epi32(d.fifth, permutation), load(headFifth)));
    const __m128i tail = _mm_or_si128(_mm_shuffle_epi8(_mm256_castsi256_si128(d.first), load128(tailFirst)),
                                      _mm_shuffle_epi8(_mm256_castsi256_si128(d.fifth), load128(tailFifth)));
    const int signAndTop = static_cast<uint8_t>(sign) | static_cast<int>(top) << 16;
    const __m256i codes =
        _mm256_add_epi8(load(headCodes), _mm256_zextsi128_si256(_mm_cvtsi32_si128(signAndTop)));
    return {_mm256_add_epi8(head, codes), _mm_add_epi8(tail, load128(tailCodes))};
}

AVX2_HELPER void put(const Text& text, SignedAmount& s)
{
    char* bytes = reinterpret_cast<char*>(&s);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(bytes), text.head);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(bytes + 29), text.tail);
}

AVX2_HELPER void storeOne(char sign, const Limbs& v, SignedAmount& s, SignedAmount& copy)
{
    const Text text = textOf(sign, lowLimbs(v), v.limb[4]);
    put(text, s);
    put(text, copy);
}

// ---- Interest amounts ------------------------------------------------------

// The pieces of next less old (settled, next not below old): the digit
// tables' quotients worked out on the four low limbs' lanes, as the scalar
// ones are, and packed four 16-bit fields to a lane.
AVX2_HELPER void putPiecesOfDifference(const Limbs& next, const Limbs& old, AmountPieces& p)
{
    uint64_t topLimb;
    const __m256i v = lowDifferenceOnLanes(next, old, topLimb);
    const __m256i pair = _mm256_srli_epi64(
        _mm256_mul_epu32(_mm256_srli_epi64(v, pairShift), _mm256_set1_epi64x(pairReciprocal)), pairDivide);
    const __m256i low = _mm256_sub_epi64(v, _mm256_mul_epu32(pair, _mm256_set1_epi64x(100'000'000)));
    const __m256i high4 =
        _mm256_srli_epi64(_mm256_mul_epu32(low, _mm256_set1_epi64x(quadReciprocal)), quadShift);
    const __m256i low4 = _mm256_sub_epi64(low, _mm256_mul_epu32(high4, _mm256_set1_epi64x(10000)));
    const __m256i packed =
        _mm256_or_si256(_mm256_or_si256(pair, _mm256_slli_epi64(high4, 16)), _mm256_slli_epi64(low4, 32));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(p.at), packed);
    p.at[0][3] = static_cast<uint16_t>('0' + topLimb);
}

// Pieces of the slots two steps behind the chain. A wide load of a balance
// just stored by the chain's narrow stores would wait for them to finish;
// two steps later they have.
constexpr int32_t piecesBehind = 2;

AVX2_HELPER void piecesAlong(int32_t i, const Limbs* const& balance, AmountPieces* const& pieces)
{
    if (i < piecesBehind) return;
    const int32_t j = i - piecesBehind;
    putPiecesOfDifference(balance[j + 1], balance[j], pieces[j]);
}

template <bool wide = false>
AVX2_HELPER void putLimbPieces(const uint16_t* at, char* to)
{
    putPieces<wide>(at[0], at[1], at[2], to);
}

// The amount's text from its pieces, by the integer units, in fourteen
// stores: some are wider than their digits, and the stores after them take
// the bytes over; then the new balance's, by the vector units.
AVX2_HELPER void storeTwo(char sign, const AmountPieces& interest, const Limbs& next, SignedAmount& amount,
                          SignedAmount& s, SignedAmount& copy)
{
    char* bytes = reinterpret_cast<char*>(&amount);
    // The sign, its zero byte, the 21st integer digit and a byte that the
    // digits after take; the integer's zero byte goes in with its last four.
    const uint32_t head = static_cast<uint8_t>(sign) | uint32_t(interest.at[0][3]) << 16;
    std::memcpy(bytes, &head, 4);
    putLimbPieces<false>(interest.at[3], bytes + 3);
    putLimbPieces<true>(interest.at[2], bytes + 13);
    putLimbPieces<false>(interest.at[1], bytes + 24);
    putLimbPieces<false>(interest.at[0], bytes + 34);
    bytes[44] = 0;
    storeOne(sign, next, s, copy);
}

// Pieces for a table whose chain did not work them out.
AmountPieces piecesOfTable[maxTransactions];

}  // namespace

AVX2_CODE void Avx2StoreLimbText(char sign, const Limbs& v, SignedAmount& s)
{
    put(textOf(sign, lowLimbs(v), v.limb[4]), s);
}

AVX2_CODE ChargedRun Avx2ChargeInterestRun(BalanceTable& b, int32_t first, const Transaction* slots,
                                           int32_t limit, const RateLimbs& r)
{
    Limbs* const balance = b.balance + first;
    AmountPieces* const pieces = b.amountPieces + first;
    const ChargedRun run =
        chargeInterestAlong(balance[0], r, balance + 1, slots, limit, piecesAlong, balance, pieces);
    for (int32_t j = std::max(0, run.count - piecesBehind); j < run.count; ++j)
        putPiecesOfDifference(balance[j + 1], balance[j], pieces[j]);
    return run;
}

AVX2_CODE void Avx2WriteBalanceTexts(const BalanceTable& b, const SignedAmount& beginning, Transaction* t,
                                     int32_t count)
{
    const AmountPieces* pieces = b.amountPieces;
    if (!b.piecesAlongChain) {
        for (int32_t i = 0; i < count; ++i)
            putPiecesOfDifference(b.balance[i + 1], b.balance[i], piecesOfTable[i]);
        pieces = piecesOfTable;
    }
    writeTextsOfPass(b, beginning, t, count, pieces, storeOne, storeTwo);
}

#endif
