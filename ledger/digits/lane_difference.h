// The subtraction of the interest amounts on the wide engines, built into
// both: AVX2 instructions, which the AVX-512 processors have too.
#pragma once

#include "ledger/digits/avx2.h"
#include "ledger/digits/limbs.h"

#if TARNWELL_AVX2_DIGITS

#include "ledger/digits/intrinsics.h"

// next - old for settled next not below old, the four low limbs subtracted
// in lanes and returned in them, the top limb in `top`. A borrow arrives
// where the limb below fell short or passed on the one it received; limbs
// are far below 2^63, so signed comparisons do.
[[gnu::always_inline]] AVX2_CODE inline __m256i lowDifferenceOnLanes(const Limbs& next, const Limbs& old,
                                                                     uint64_t& top)
{
    const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(next.limb)),
                  y = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(old.limb));
    const auto shortOf =
        static_cast<uint32_t>(_mm256_movemask_pd(_mm256_castsi256_pd(_mm256_cmpgt_epi64(y, x))));
    const auto equal =
        static_cast<uint32_t>(_mm256_movemask_pd(_mm256_castsi256_pd(_mm256_cmpeq_epi64(x, y))));
    const uint32_t arriving = ((shortOf << 1) + equal) ^ equal;
    const __m256i bits = _mm256_set_epi64x(8, 4, 2, 1),
                  base = _mm256_set1_epi64x(static_cast<long long>(limbBase));
    const __m256i borrows = _mm256_cmpeq_epi64(_mm256_and_si256(_mm256_set1_epi64x(arriving), bits), bits);
    const __m256i d = _mm256_add_epi64(_mm256_sub_epi64(x, y), borrows);  // a borrow's lane is all ones, -1
    top = next.limb[4] - old.limb[4] - (arriving >> 4 & 1);
    return _mm256_add_epi64(d, _mm256_and_si256(_mm256_cmpgt_epi64(_mm256_setzero_si256(), d), base));
}

[[gnu::always_inline]] AVX2_CODE inline Limbs limbDifferenceOnLanes(const Limbs& next, const Limbs& old)
{
    Limbs r;
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(r.limb), lowDifferenceOnLanes(next, old, r.limb[4]));
    return r;
}

#endif
