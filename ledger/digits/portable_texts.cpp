// The portable texts of a recalculation pass, from tables of two and four
// digits, and the multiplication by the rate on limbs.
#include "ledger/digits/balance_texts.h"
#include "ledger/digits/portable_limb_text.h"
#include "ledger/digits/portable.h"

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
    putText(sign, interest, amount);
    storeValueTexts(sign, next, s, copy);
}

void PortableStoreLimbText(char sign, const Limbs& v, SignedAmount& s) { putText(sign, v, s); }

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
