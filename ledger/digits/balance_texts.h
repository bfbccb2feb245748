// The texts of a recalculation pass, written from its balance table with
// one engine's conversion of a value to text. Each engine instantiates it
// inside its own code, so that the conversion is inlined with the
// instructions that engine may use.
#pragma once

#include "ledger/digits/limbs.h"

inline bool isChargedType(int32_t type) { return type == Interest || type == Loan || type == Payment; }

// store(sign, value, field, copy) writes one value's text into two fields.
// A slot of an unknown code is left as it stands; every other slot gets
// its period, number, old balance (the beginning balance, or the slot
// before's new balance), its amount's sign (and, for interest, its digits:
// the new balance less the old) and its new balance. A new balance's text
// is written as the next slot's old balance too, so that no text is read
// back just after it was written.
template <typename Store>
[[gnu::always_inline]] inline void writeBalanceTexts(const BalanceTable& b, const SignedAmount& beginning,
                                                     Transaction* t, int32_t count, Store store)
{
    SignedAmount spare;  // the copy of a text that no slot takes
    for (int32_t i = 0; i < count; ++i) {
        Transaction& x = t[i];
        if (!isChargedType(x.type)) continue;
        x.period = b.period[i];
        x.number = b.number[i];
        if (i == 0 || !isChargedType(t[i - 1].type)) x.oldBalance = i == 0 ? beginning : t[i - 1].newBalance;
        const char sign = b.sign[i + 1];
        if (x.type == Interest) {
            store(sign, limbDifference(b.balance[i + 1], b.balance[i]), x.amount, spare);
        } else {
            x.amount.sign[0] = x.type == Loan ? '+' : '-';
            x.amount.sign[1] = 0;
        }
        const bool nextTakesIt = i + 1 < count && isChargedType(t[i + 1].type);
        store(sign, b.balance[i + 1], x.newBalance, nextTakesIt ? t[i + 1].oldBalance : spare);
    }
}
