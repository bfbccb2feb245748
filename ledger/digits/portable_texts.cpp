// The portable texts of a recalculation pass, from tables of two and four
// digits, and the multiplication by the rate on limbs.
#include <cstring>

#include "ledger/digits/balance_texts.h"
#include "ledger/digits/portable.h"

// "00" to "99".
struct DigitPairs {
    char of[100][2];
};

constexpr DigitPairs digitPairs = [] {
    DigitPairs p{};
    for (int i = 0; i < 100; ++i) {
        p.of[i][0] = static_cast<char>('0' + i / 10);
        p.of[i][1] = static_cast<char>('0' + i % 10);
    }
    return p;
}();

// "0000" to "9999": a limb's last eight digits are two of them.
struct DigitQuads {
    char of[10000][4];
};

constexpr DigitQuads digitQuads = [] {
    DigitQuads q{};
    for (int i = 0; i < 10000; ++i)
        for (int d = 0, n = i; d < 4; ++d, n /= 10) q.of[i][3 - d] = static_cast<char>('0' + n % 10);
    return q;
}();

// A limb's ten digits: the divisions by constants are multiplications and
// the digits come from the tables, so a limb costs two quotients and three
// loads.
struct LimbText {
    char at[limbDigits];
};

[[gnu::always_inline]] static inline LimbText limbText(uint64_t limb)
{
    const uint64_t top = limb / 100'000'000;
    const auto low = static_cast<uint32_t>(limb - top * 100'000'000);
    const uint32_t high4 = low / 10000, low4 = low - high4 * 10000;
    LimbText text;
    std::memcpy(text.at, digitPairs.of[top], 2);
    std::memcpy(text.at + 2, digitQuads.of[high4], 4);
    std::memcpy(text.at + 6, digitQuads.of[low4], 4);
    return text;
}

// A settled value's text: its four low limbs' digits and the top digit.
// Built inline where it is stored, it stays in registers: returned through
// memory, its pieces would be read back by loads wider than the stores
// that wrote them, which wait for those stores to finish.
struct ValueText {
    LimbText limbs[4];
    char top;
};

[[gnu::always_inline]] static inline ValueText valueText(const Limbs& v)
{
    return {{limbText(v.limb[0]), limbText(v.limb[1]), limbText(v.limb[2]), limbText(v.limb[3])},
            static_cast<char>('0' + v.limb[4])};
}

static void storeText(char sign, const ValueText& v, SignedAmount& s)
{
    s.sign[0] = sign;
    s.sign[1] = 0;
    s.integer[0] = v.top;
    std::memcpy(s.integer.data() + 1, v.limbs[3].at, limbDigits);
    std::memcpy(s.integer.data() + 1 + limbDigits, v.limbs[2].at, limbDigits);
    std::memcpy(s.fraction.data(), v.limbs[1].at, limbDigits);
    std::memcpy(s.fraction.data() + limbDigits, v.limbs[0].at, limbDigits);
    s.integer[amountIntegerDigits] = 0;
    s.fraction[fractionDigits] = 0;
}

// The same text into two fields, worked out once.
[[gnu::always_inline]] inline void storeValueTexts(char sign, const Limbs& v, SignedAmount& s,
                                                   SignedAmount& copy)
{
    const ValueText text = valueText(v);
    storeText(sign, text, s);
    storeText(sign, text, copy);
}

[[gnu::always_inline]] inline void storeTwoTexts(char sign, const Limbs& interest, const Limbs& next,
                                                 SignedAmount& amount, SignedAmount& s, SignedAmount& copy)
{
    storeText(sign, valueText(interest), amount);
    storeValueTexts(sign, next, s, copy);
}

void PortableStoreLimbText(char sign, const Limbs& v, SignedAmount& s) { storeText(sign, valueText(v), s); }

void PortableWriteBalanceTexts(const BalanceTable& b, const SignedAmount& beginning, Transaction* t,
                               int32_t count)
{
    writeBalanceTexts(b, beginning, t, count, limbDifference, storeValueTexts, storeTwoTexts);
}

bool PortableMultiplyByRate(const AmountVector& a, const DigitField<fractionDigits>& rate, AmountVector& r)
{
    cellsOfLimbs(interestOf(limbsOfCells(a), rateLimbsOf(rate)), r);
    return true;
}
