// The texts of a recalculation pass, written from its balance table with
// one engine's conversion of a value to text. Each engine instantiates it
// inside its own code, so that the conversion is inlined with the
// instructions that engine may use.
#pragma once

#include "ledger/digits/limbs.h"

inline bool isChargedType(int32_t type) { return type == Interest || type == Loan || type == Payment; }

// The interest amounts of a pass, each transaction's new balance less its
// old, worked out in a pass of their own before any text: the text pass
// then waits on no subtraction, and one transaction's conversions overlap
// the next's. The pass runs over the balances alone, without reading each
// slot's type.
inline Limbs interestAmounts[maxTransactions];

// one(sign, value, field, copy) writes a value's text into two fields;
// two(sign, amounts[i], next, amount, field, copy) writes slot i's interest
// amount (in the engine's own form) into amount and next's text into the
// two others.
// A slot of an unknown code is left as it stands; every other slot gets
// its period, number, old balance (the beginning balance, or the slot
// before's new balance), its amount's sign (and, for interest, its digits:
// the new balance less the old) and its new balance. A new balance's text
// is written as the next slot's old balance too, so that no text is read
// back just after it was written.
template <typename Amount, typename One, typename Two>
[[gnu::always_inline]] inline void writeTextsOfPass(const BalanceTable& b, const SignedAmount& beginning,
                                                    Transaction* t, int32_t count, const Amount* amounts,
                                                    One one, Two two)
{
    SignedAmount spare;  // the copy of a text that no slot takes
    for (int32_t i = 0; i < count; ++i) {
        Transaction& x = t[i];
        if (!isChargedType(x.type)) continue;
        x.period = b.period[i];
        x.number = b.number[i];
        if (i == 0 || !isChargedType(t[i - 1].type)) x.oldBalance = i == 0 ? beginning : t[i - 1].newBalance;
        const char sign = b.sign[i + 1];
        SignedAmount& copy = i + 1 < count && isChargedType(t[i + 1].type) ? t[i + 1].oldBalance : spare;
        if (x.type == Interest) {
            two(sign, amounts[i], b.balance[i + 1], x.amount, x.newBalance, copy);
        } else {
            x.amount.sign[0] = x.type == Loan ? '+' : '-';
            x.amount.sign[1] = 0;
            one(sign, b.balance[i + 1], x.newBalance, copy);
        }
    }
}

// The same with the interest amounts as limbs: subtract(next, old) is next
// less old for settled values, next not below old (the other slots'
// differences go unread).
template <typename Subtract, typename One, typename Two>
[[gnu::always_inline]] inline void writeBalanceTexts(const BalanceTable& b, const SignedAmount& beginning,
                                                     Transaction* t, int32_t count, Subtract subtract,
                                                     One one, Two two)
{
    for (int32_t i = 0; i < count; ++i) interestAmounts[i] = subtract(b.balance[i + 1], b.balance[i]);
    writeTextsOfPass(b, beginning, t, count, interestAmounts, one, two);
}
