// The snapshot that tells whether the user's data changed. Adding is checked on the window, where its menu
// acts.
#include <gtest/gtest.h>

#include "support/ledger_builders.h"

namespace {

TEST(Snapshot, EveryFieldOfTheUsersDataCountsAndNothingElse)
{
    auto l = newLedger();
    auto s = std::make_unique<SavedSnapshot>();
    const int32_t loan = addAmount(*l, Loan, 2, "1");
    ASSERT_TRUE(RecalculateLedger(*l));
    TakeSnapshot(*l, *s);
    char* changed[] = {&l->header.beginningBalance.sign[0],
                       &l->header.beginningBalance.integer[3],
                       &l->header.beginningBalance.fraction[19],
                       &l->header.beginningBalance.integer[21],
                       &l->header.ratePerPeriod[0],
                       &l->table[loan].description[44],
                       &l->table[loan].amount.sign[0],
                       &l->table[loan].amount.integer[20],
                       &l->table[loan].amount.fraction[0]};
    for (char* byte : changed) {
        const char kept = *byte;
        *byte = kept == '7' ? '8' : '7';
        EXPECT_TRUE(IsLedgerModified(*l, *s)) << "byte " << byte - reinterpret_cast<char*>(l.get());
        *byte = kept;  // typing the former value back
        EXPECT_FALSE(IsLedgerModified(*l, *s));
    }
    l->table[loan].newBalance.integer[0] = '9';  // derived fields are not compared
    l->table[loan].period = 30;
    EXPECT_FALSE(IsLedgerModified(*l, *s));
    int32_t index;
    insertTransaction(*l, Payment, 1, index);  // a zero amount still changes the table
    EXPECT_TRUE(IsLedgerModified(*l, *s));
    makeNewLedger(*l);  // a smaller ledger: the snapshot's other slots are zero
    TakeSnapshot(*l, *s);
    const char* rest = reinterpret_cast<const char*>(&s->table[l->count]);
    const std::size_t size = sizeof(Transaction) * (maxTransactions - l->count);
    EXPECT_EQ(std::count(rest, rest + size, 0), std::ptrdiff_t(size));
}

}  // namespace
