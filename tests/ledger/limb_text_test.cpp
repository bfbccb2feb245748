// The wide engines' limb texts byte for byte against the portable one, the
// bytes around them untouched, and their constants over every input.
#include <gtest/gtest.h>

#include <cstring>
#include <iterator>

#include "ledger/digits/engine_choice.h"
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

// Every engine's texts of a pass against the portable engine's, byte for
// byte over the whole table: loans show any settled value, interest
// transactions rising ones (their amounts the rises), and the slots of an
// unknown code among them are left as they stand, every byte.
TEST(LimbText, EveryEngineWritesThePortableTable)
{
    auto balances = std::make_unique<BalanceTable>();
    auto start = std::make_unique<TransactionTable>(), want = std::make_unique<TransactionTable>(),
         got = std::make_unique<TransactionTable>();
    uint64_t lcg = 20240611;
    SignedAmount beginning;
    PortableStoreLimbText('-', balances->balance[0] = sample(0, lcg), beginning);
    for (int32_t i = 0; i < maxTransactions; ++i) {
        Limbs next = sample(i + 1, lcg), rise = sample(sampleCount - 1 - i, lcg);
        int32_t& type = (*start)[i].type;
        type = i % 97 == 50 ? 7 : i % 3 ? Interest : Loan;
        if (type == Interest) {
            for (int k = 0; k < valueLimbs; ++k)
                next.limb[k] = balances->balance[i].limb[k] + (k < 2 ? rise.limb[k] : 0);
            if (!settleLimbs(next)) type = Loan, next = rise;  // a loan where interest would reach 10^21
        }
        balances->balance[i + 1] = next;
        balances->sign[i + 1] = i % 5 ? '+' : '-';
        balances->period[i] = i, balances->number[i] = i % 7;
    }
    std::memset((*start)[50].newBalance.integer.data(), '#', amountIntegerDigits);
    const DigitInstructions chosen = digitInstructions;
    digitInstructions = DigitInstructions::Portable;
    *want = *start;
    WriteBalanceTexts(*balances, beginning, want->data(), maxTransactions);
    for (DigitInstructions set : allDigitInstructions) {
        if (!ProcessorRuns(digitInstructions = set)) continue;
        *got = *start;
        WriteBalanceTexts(*balances, beginning, got->data(), maxTransactions);
        EXPECT_EQ(std::memcmp(want.get(), got.get(), sizeof(TransactionTable)), 0) << digitEngineName(set);
    }
    digitInstructions = chosen;
}

}  // namespace
