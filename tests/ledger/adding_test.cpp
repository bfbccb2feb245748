// Adding loans and payments at the end of a period, the new document, and
// the snapshot that tells whether the user's data changed.
#include <gtest/gtest.h>

#include "support/ledger_builders.h"

namespace {

TEST(Adding, GoesToTheEndOfItsPeriodAndKeepsTheShiftedData)
{
    auto l = newLedger();
    const struct {
        TransactionType type;
        int32_t period, slot, number;
    } cases[] = {
        {Loan, 5, 5, 2},      {Loan, 5, 6, 3},    // after period 05's interest, then after that loan
        {Payment, 1, 1, 2},                       // everything after it shifts up one slot
        {Payment, 32, 35, 2}, {Loan, 40, 36, 3},  // the last period, or one past it, appends
    };
    for (const auto& c : cases) {
        const int32_t before = l->count;
        const int32_t index = addAmount(*l, c.type, c.period, "7");
        ASSERT_EQ(index, c.slot) << "period " << c.period;
        EXPECT_EQ(l->table[index].number, c.number) << "period " << c.period;
        EXPECT_EQ(l->bodyLineCount, bodyLineCountFor(before + 1));
        EXPECT_EQ(text(l->table[index].description), "");
    }
    ASSERT_TRUE(RecalculateLedger(*l));
    EXPECT_EQ(l->table[7].type * 100 + l->table[7].period, Loan * 100 + 5);  // the second loan, shifted
    EXPECT_EQ(text(l->table[7].amount.integer), std::string(20, '0') + "7");
}

TEST(Adding, RefusesThe1025thTransactionAndChangesNothing)
{
    auto l = newLedger();
    for (int32_t i = l->count; i < maxTransactions; ++i) l->table[i].type = Payment;
    l->count = maxTransactions;
    ASSERT_TRUE(RecalculateLedger(*l));
    auto before = std::make_unique<Ledger>();
    std::memcpy(before.get(), l.get(), sizeof(Ledger));
    int32_t index = -7;
    EXPECT_FALSE(addTransaction(*l, Loan, 3, index));
    EXPECT_EQ(index, -7);
    EXPECT_EQ(std::memcmp(before.get(), l.get(), sizeof(Ledger)), 0);
}

TEST(NewDocument, ReplacesEverythingWithTheDefault)
{
    auto l = newLedger(), fresh = newLedger();
    setBeginningBalance(*l, '-', "5");
    for (int k = 0; k < 50; ++k) addAmount(*l, Loan, 9, "3");
    ASSERT_TRUE(RecalculateLedger(*l));
    makeNewLedger(*l);
    l->previousTotals = fresh->previousTotals;  // the one field that keeps history
    EXPECT_EQ(std::memcmp(l.get(), fresh.get(), sizeof(Ledger)), 0);
}

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
    addTransaction(*l, Payment, 1, index);  // a zero amount still changes the table
    EXPECT_TRUE(IsLedgerModified(*l, *s));
    makeNewLedger(*l);  // a smaller ledger: the snapshot's other slots are zero
    TakeSnapshot(*l, *s);
    const char* rest = reinterpret_cast<const char*>(&s->table[l->count]);
    const std::size_t size = sizeof(Transaction) * (maxTransactions - l->count);
    EXPECT_EQ(std::count(rest, rest + size, 0), std::ptrdiff_t(size));
}

}  // namespace
