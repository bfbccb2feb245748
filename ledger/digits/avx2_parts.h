// What the AVX2 primitives share: loading index tables, the carry flags of
// a whole vector at once and their expansion back to bytes. Included only
// by the AVX2 sources in this folder.
#pragma once

#include "ledger/digits/avx2.h"
#include "ledger/digits/lanes.h"

#if TARNWELL_AVX2_DIGITS

#include "ledger/digits/intrinsics.h"

// The helpers are built into each primitive, none called on its own.
#define AVX2_HELPER [[gnu::always_inline]] AVX2_CODE inline

template <typename T, int N>
AVX2_HELPER __m256i load(const Lanes<T, N>& l)
{
    static_assert(sizeof(l.at) == 32);
    return _mm256_load_si256(reinterpret_cast<const __m256i*>(l.at));
}

template <typename T, int N>
AVX2_HELPER __m128i load128(const Lanes<T, N>& l)
{
    static_assert(sizeof(l.at) == 16);
    return _mm_load_si128(reinterpret_cast<const __m128i*>(l.at));
}

// A cell of a sum of two digits either makes a carry (10 or more), passes
// on the carry it receives (exactly 9) or stops it. With one flag bit per
// cell, adding the makers shifted up one place to the passers runs each
// carry through its run of nines exactly as the carry rules ripple it, and
// the bits that changed are the cells a carry arrives at. Borrows are found
// the same way.
AVX2_HELPER uint64_t carriesArriving(uint64_t makes, uint64_t passes)
{
    return ((makes << 1) + passes) ^ passes;
}

// Byte i of each half is 0xff where bit i of that half's 16 bits is set:
// bits 0-15 for bytes 0-15, bits 16-31 for bytes 16-31.
constexpr auto byteOfBit = lanes<int8_t, 32>([](int i) { return i / 8; });
constexpr auto bitOfByte = lanes<uint8_t, 32>([](int i) { return 1 << i % 8; });

AVX2_HELPER __m256i bytesWhere(uint32_t bits)
{
    const __m256i select = load(bitOfByte);
    const __m256i spread = _mm256_shuffle_epi8(_mm256_set1_epi32(static_cast<int>(bits)), load(byteOfBit));
    return _mm256_cmpeq_epi8(_mm256_and_si256(spread, select), select);
}

// Bytes of digits plus the carries arriving where `arriving` is 0xff:
// every byte is then a digit again.
AVX2_HELPER __m256i carryInto(__m256i digits, __m256i arriving)
{
    const __m256i raised = _mm256_sub_epi8(digits, arriving);
    return _mm256_min_epu8(raised, _mm256_sub_epi8(raised, _mm256_set1_epi8(10)));
}

// Bytes of differences of digits (-9 to 9) less the borrows arriving where
// `arriving` is 0xff: every byte is then a digit again.
AVX2_HELPER __m256i borrowFrom(__m256i differences, __m256i arriving)
{
    const __m256i lowered = _mm256_add_epi8(differences, arriving);
    return _mm256_min_epu8(lowered, _mm256_add_epi8(lowered, _mm256_set1_epi8(10)));
}

#endif
