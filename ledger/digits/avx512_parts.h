// What the AVX-512 primitives share: a vector of up to 48 cells held in
// three registers (cells 0-15, 16-31, 32-47), the cells above its length
// zero and never stored, and tables of lane indices for the permutations.
// Included only by the AVX-512 sources in this folder.
#pragma once

#include "ledger/digits/avx512.h"
#include "ledger/digits/lanes.h"

#if TARNWELL_AVX512_DIGITS

#include "ledger/digits/intrinsics.h"

// The helpers are built into each primitive, none called on its own.
#define AVX512_HELPER [[gnu::always_inline]] AVX512_CODE inline

struct Parts {
    __m512i p[3];
};

template <typename T, int N>
AVX512_HELPER __m512i load(const Lanes<T, N>& l)
{
    return _mm512_load_si512(l.at);
}

// The cells from 32 up go in pieces of 8, 4 and 1 without a mask: a later
// load is then served straight from the stores that wrote the same pieces.
template <std::size_t L>
AVX512_HELPER Parts loadParts(const DigitVector<L>& v)
{
    static_assert(L == 41 || L == 45);
    const int32_t* d = v.data();
    __m512i top = _mm512_zextsi256_si512(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(d + 32)));
    if constexpr (L == 45)
        top = _mm512_inserti32x4(top, _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + 40)), 2);
    top = _mm512_mask_set1_epi32(top, __mmask16(1u << (L - 33)), d[L - 1]);
    return {{_mm512_loadu_si512(d), _mm512_loadu_si512(d + 16), top}};
}

template <std::size_t L>
AVX512_HELPER void storeParts(const Parts& c, DigitVector<L>& v)
{
    int32_t* d = v.data();
    _mm512_storeu_si512(d, c.p[0]);
    _mm512_storeu_si512(d + 16, c.p[1]);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + 32), _mm512_castsi512_si256(c.p[2]));
    if constexpr (L == 45)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d + 40), _mm512_extracti32x4_epi32(c.p[2], 2));
    _mm_storeu_si32(d + L - 1, _mm512_extracti32x4_epi32(c.p[2], (L - 33) / 4));
}

#endif
