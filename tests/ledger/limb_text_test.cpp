// The wide engines' limb texts byte for byte against the portable one, the
// bytes around them untouched, and their constants over every input.
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>

#include "ledger/digits/limb_texts.h"

namespace {

// The split only grows with the limb: a high half found at both ends of
// its limbs is found for all of them.
TEST(LimbText, HalvesSplitExactly)
{
    for (uint64_t q = 0; q < 100000; ++q)
        for (uint64_t limb : {q * 100000, q * 100000 + 99999})
            ASSERT_EQ((limb >> 5) * halfReciprocal >> halfShift, q) << limb;
}

TEST(LimbText, EveryHalfGivesItsDigits)
{
    for (uint64_t h = 0; h < 100000; ++h) {
        ASSERT_LT(h * halfFractionScale, uint64_t(1) << 32);
        uint64_t f = (h * halfFractionScale >> halfFractionShift) + 1;
        for (int bits = halfFractionBits - 1, unit = 10000; unit > 0; --bits, unit /= 10) {
            ASSERT_EQ(f * 5 >> bits, h / unit % 10) << h;
            f = f * 5 & ((uint64_t(1) << bits) - 1);
        }
    }
}

// Every pair of these as neighbouring limbs, then values from a fixed-seed LCG.
constexpr uint64_t edges[] = {
    0,          1,          2,          9,          10,         11,         99,         100,
    101,        999,        1000,       1001,       9999,       10000,      10001,      99999,
    100000,     100001,     199999,     999999,     1000000,    9999999,    10000000,   99999999,
    100000000,  999999999,  1000000000, 1000000001, 4999999999, 5000000000, 9999899999, 9999900000,
    9999900001, 1010101010, 101010101,  1234567890, 9876543210, 9999999999};
constexpr int edgeCount = int(std::size(edges)), sampleCount = edgeCount * edgeCount + 2000;

Limbs sample(int n, uint64_t& lcg)
{
    Limbs v{};
    for (int k = 0; k < valueLimbs; ++k) {
        lcg = lcg * 6364136223846793005u + 1442695040888963407u;
        v.limb[k] = n < edgeCount * edgeCount ? edges[(k % 2 ? n / edgeCount : n) % edgeCount]
                                              : (lcg >> 16) % limbBase;
    }
    v.limb[4] %= 10;
    return v;
}

struct Surrounded {
    char before[16];
    SignedAmount s;
    char after[16];
};

// `store` writes two values' texts, each with sentinel bytes either side.
template <typename Store>
void expectPortableBytes(Store store)
{
    uint64_t lcg = 20240611;
    Limbs last = sample(0, lcg);
    for (int n = 0; n < sampleCount; ++n) {
        const Limbs v = sample(n, lcg);
        const char sign = n % 3 ? '+' : '-';
        Surrounded want[2], got[2];
        std::memset(want, '#', sizeof want), std::memset(got, '#', sizeof got);
        PortableStoreLimbText(sign, v, want[0].s), PortableStoreLimbText(sign, last, want[1].s);
        store(sign, v, got[0].s, last, got[1].s);
        ASSERT_EQ(std::memcmp(want, got, sizeof want), 0)
            << "value " << n << ": " << v.limb[4] << ' ' << v.limb[3] << ' ' << v.limb[2] << ' ' << v.limb[1]
            << ' ' << v.limb[0];
        last = v;
    }
}

TEST(LimbText, Avx2GivesThePortableBytes)
{
#if TARNWELL_AVX2_DIGITS
    if (!ProcessorRuns(DigitInstructions::Avx2)) GTEST_SKIP() << "this processor has no AVX2";
    expectPortableBytes([](char sign, const Limbs& a, SignedAmount& sa, const Limbs& b, SignedAmount& sb) {
        Avx2StoreLimbText(sign, a, sa), PortableStoreLimbText(sign, b, sb);
    });
#else
    GTEST_SKIP() << "built without the AVX2 engine";
#endif
}

TEST(LimbText, Avx512GivesThePortableBytes)  // one value, then two at once
{
#if TARNWELL_AVX512_DIGITS
    if (!ProcessorRuns(DigitInstructions::Avx512)) GTEST_SKIP() << "this processor has no AVX-512";
    expectPortableBytes([](char sign, const Limbs& a, SignedAmount& sa, const Limbs& b, SignedAmount& sb) {
        Avx512StoreLimbText(sign, a, sa), PortableStoreLimbText(sign, b, sb);
    });
    expectPortableBytes(Avx512StoreLimbTexts);
#else
    GTEST_SKIP() << "built without the AVX-512 engine";
#endif
}

}  // namespace
