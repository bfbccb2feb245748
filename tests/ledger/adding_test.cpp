// Adding loans and payments at the end of a period, the new document, and
// the snapshot that tells whether the user's data changed.
#include <gtest/gtest.h>

#include "support/ledger_builders.h"

namespace {

struct AddCase {
    TransactionType type;
    int32_t period;
    int32_t slot;    // where it lands in a ledger that already has a loan in period 05
    int32_t number;  // its number within the period
};

TEST(Adding, GoesToTheEndOfItsPeriod)
{
    auto l = newLedger();
    int32_t first = -1;
    ASSERT_TRUE(addTransaction(*l, Loan, 5, first));
    EXPECT_EQ(first, 5);
    EXPECT_EQ(l->table[5].period, 5);
    EXPECT_EQ(l->table[5].number, 2);

    const AddCase cases[] = {
        {Loan, 5, 6, 3},       // after the loan already in period 05
        {Payment, 1, 1, 2},    // right after period 01's interest
        {Payment, 32, 35, 2},  // the last period appends
        {Loan, 40, 36, 3},     // a period past the last one appends too
    };
    for (const AddCase& c : cases) {
        int32_t index = -1;
        int32_t before = l->count;
        ASSERT_TRUE(addTransaction(*l, c.type, c.period, index));
        EXPECT_EQ(index, c.slot) << "period " << c.period;
        EXPECT_EQ(l->count, before + 1);
        EXPECT_EQ(l->bodyLineCount, bodyLineCountFor(before + 1));
        EXPECT_EQ(l->table[index].type, c.type);
        EXPECT_EQ(l->table[index].number, c.number) << "period " << c.period;
        EXPECT_EQ(text(l->table[index].description), "");
    }
    // The interest transactions still open the periods in order.
    int32_t period = 0;
    for (int32_t i = 0; i < l->count; ++i)
        if (l->table[i].type == Interest) {
            EXPECT_EQ(l->table[i].period, ++period);
        }
    EXPECT_EQ(period, 32);
}

TEST(Adding, KeepsTheDataOfShiftedTransactions)
{
    auto l = newLedger();
    int32_t loan = addAmount(*l, Loan, 7, "12", "5");
    std::memcpy(l->table[loan].description.data(), "car", 4);
    int32_t index = -1;
    ASSERT_TRUE(addTransaction(*l, Payment, 2, index));
    ASSERT_EQ(index, 2);
    const Transaction& moved = l->table[loan + 1];
    EXPECT_EQ(moved.type, Loan);
    EXPECT_EQ(text(moved.description), "car");
    EXPECT_EQ(text(moved.amount.integer), std::string(19, '0') + "12");
}

TEST(Adding, RefusesThe1025thTransaction)
{
    auto l = newLedger();
    int32_t index = -1;
    ASSERT_TRUE(addTransaction(*l, Payment, 32, index));
    // Fill up to 1023 by copying that payment, then the last add is taken.
    for (int32_t i = l->count; i < maxTransactions - 1; ++i) l->table[i] = l->table[index];
    l->count = maxTransactions - 1;
    ASSERT_TRUE(RecalculateLedger(*l));
    ASSERT_TRUE(addTransaction(*l, Loan, 32, index));
    ASSERT_EQ(l->count, maxTransactions);
    auto before = std::make_unique<Ledger>();
    std::memcpy(before.get(), l.get(), sizeof(Ledger));
    index = -7;
    EXPECT_FALSE(addTransaction(*l, Loan, 3, index));
    EXPECT_EQ(index, -7);
    EXPECT_EQ(std::memcmp(before.get(), l.get(), sizeof(Ledger)), 0);
}

TEST(NewDocument, ReplacesEverythingWithTheDefault)
{
    auto l = newLedger();
    auto fresh = newLedger();
    setBeginningBalance(*l, '-', "5");
    setFraction(l->header.ratePerPeriod, "1");
    for (int k = 0; k < 50; ++k) addAmount(*l, Loan, 9, "3");
    ASSERT_TRUE(RecalculateLedger(*l));
    makeNewLedger(*l);
    EXPECT_EQ(std::memcmp(&l->header, &fresh->header, sizeof l->header), 0);
    EXPECT_EQ(l->count, 32);
    EXPECT_EQ(std::memcmp(&l->table, &fresh->table, sizeof l->table), 0);
    EXPECT_EQ(std::memcmp(&l->currentTotals, &fresh->currentTotals, sizeof(LedgerTotals)), 0);
    EXPECT_EQ(l->bodyLineCount, 438);
}

TEST(Snapshot, TracksOnlyTheUsersData)
{
    auto l = newLedger();
    auto s = std::make_unique<SavedSnapshot>();
    TakeSnapshot(*l, *s);
    EXPECT_FALSE(IsLedgerModified(*l, *s));

    // A recalculation rewrites derived fields only.
    setBeginningBalance(*l, '+', "0");
    ASSERT_TRUE(RecalculateLedger(*l));
    EXPECT_FALSE(IsLedgerModified(*l, *s));

    l->table[17].description[43] = 'x';
    EXPECT_TRUE(IsLedgerModified(*l, *s));
    l->table[17].description[43] = 0;
    EXPECT_FALSE(IsLedgerModified(*l, *s));

    // Adding a zero loan changes the count and the slots.
    int32_t i = addAmount(*l, Loan, 3, "0");
    EXPECT_TRUE(IsLedgerModified(*l, *s));
    TakeSnapshot(*l, *s);
    setInteger(l->table[i].amount.integer, "25");
    EXPECT_TRUE(IsLedgerModified(*l, *s));
    setInteger(l->table[i].amount.integer, "0");  // the former digits typed back
    EXPECT_FALSE(IsLedgerModified(*l, *s));
}

TEST(Snapshot, EveryComparedFieldCounts)
{
    auto l = newLedger();
    auto s = std::make_unique<SavedSnapshot>();
    int32_t loan = addAmount(*l, Loan, 2, "1");
    ASSERT_TRUE(RecalculateLedger(*l));
    TakeSnapshot(*l, *s);
    struct Change {
        const char* what;
        char* byte;
    } changes[] = {
        {"balance sign", &l->header.beginningBalance.sign[0]},
        {"balance integer", &l->header.beginningBalance.integer[3]},
        {"balance fraction", &l->header.beginningBalance.fraction[19]},
        {"balance terminator", &l->header.beginningBalance.integer[21]},
        {"rate", &l->header.ratePerPeriod[0]},
        {"description", &l->table[loan].description[0]},
        {"amount sign", &l->table[loan].amount.sign[0]},
        {"amount integer", &l->table[loan].amount.integer[20]},
        {"amount fraction", &l->table[loan].amount.fraction[0]},
    };
    for (const Change& c : changes) {
        char kept = *c.byte;
        *c.byte = '7' == kept ? '8' : '7';
        EXPECT_TRUE(IsLedgerModified(*l, *s)) << c.what;
        *c.byte = kept;
        EXPECT_FALSE(IsLedgerModified(*l, *s)) << c.what;
    }
    l->table[loan].type = Payment;
    EXPECT_TRUE(IsLedgerModified(*l, *s));
}

TEST(Snapshot, SlotsBeyondTheCountAreZero)
{
    auto l = newLedger();
    auto s = std::make_unique<SavedSnapshot>();
    for (int k = 0; k < 10; ++k) addAmount(*l, Payment, 4, "8");
    TakeSnapshot(*l, *s);
    makeNewLedger(*l);  // a smaller ledger replaces the larger one
    TakeSnapshot(*l, *s);
    const char* bytes = reinterpret_cast<const char*>(&s->table[l->count]);
    const std::size_t size = sizeof(Transaction) * (maxTransactions - l->count);
    EXPECT_EQ(std::count(bytes, bytes + size, 0), static_cast<std::ptrdiff_t>(size));
    EXPECT_FALSE(IsLedgerModified(*l, *s));
}

}  // namespace
