#include <gtest/gtest.h>

#include <string>

#include "ledger/adding.h"
#include "ledger/recalculate.h"
#include "view/ledger_texts.h"

namespace {

Ledger mixed{};

// The default document with a loan in period 1 and a payment and a loan in
// period 3: stored order I L I I P L I ...
const Ledger& mixedLedger()
{
    makeNewLedger(mixed);
    int32_t index = 0;
    EXPECT_TRUE(addTransaction(mixed, Loan, 1, index));
    EXPECT_TRUE(addTransaction(mixed, Payment, 3, index));
    EXPECT_TRUE(addTransaction(mixed, Loan, 3, index));
    return mixed;
}

std::string label(const Ledger& l, int32_t i, int32_t k)
{
    char out[lineTextSize];
    const int32_t n = formatTransactionLabel(out, l, i, k);
    EXPECT_EQ(n, static_cast<int32_t>(std::string(out).size()));
    return out;
}

TEST(LedgerTexts, LineIdentifiers)
{
    const Ledger& l = mixedLedger();
    char out[lineTextSize];
    const struct { int32_t index, k; const char* id; } cases[] = {
        {0, 0, "01-0001a"}, {1, 9, "01-0002j"}, {2, 11, "02-0001l"}, {5, 5, "03-0003f"}, {34, 0, "32-0001a"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatTransactionLineId(out, l.table[c.index], c.k), 8);
        EXPECT_STREQ(out, c.id);
    }
    formatLineId(out, 7, 12, 'j');
    EXPECT_STREQ(out, "07-0012j");
}

TEST(LedgerTexts, TransactionLabels)
{
    const Ledger& l = mixedLedger();
    EXPECT_EQ(label(l, 0, 1), "Period: 01");
    EXPECT_EQ(label(l, 1, 2), "Transaction: 0002");
    EXPECT_EQ(label(l, 0, 3), "Type: Interest transaction");
    EXPECT_EQ(label(l, 1, 3), "Type: Loan transaction");
    EXPECT_EQ(label(l, 4, 3), "Type: Payment transaction");
    EXPECT_EQ(label(l, 0, 4), "Beginning balance: ");
    EXPECT_EQ(label(l, 1, 4), "Old balance: ");
    EXPECT_EQ(label(l, 2, 4), "Old balance: ");
    EXPECT_EQ(label(l, 2, 6), "Interest rate per period: ");
    EXPECT_EQ(label(l, 2, 8), "Amount: ");
    EXPECT_EQ(label(l, 2, 10), "New balance: ");
    for (int32_t k : {0, 5, 7, 9, 11}) {
        EXPECT_EQ(label(l, 1, k), "") << k;
        EXPECT_FALSE(isTransactionLabelLine(k));
    }
}

TEST(LedgerTexts, FirstLoanIsNotABeginningBalance)
{
    static Ledger l{};
    makeNewLedger(l);
    l.table[0].type = Loan;
    ASSERT_TRUE(RecalculateLedger(l));
    EXPECT_EQ(label(l, 0, 4), "Old balance: ");
}

TEST(LedgerTexts, SummaryLabels)
{
    const Ledger& l = mixedLedger();
    const TypeCounts c = countTransactionTypes(l);
    EXPECT_EQ(c.interest, 32);
    EXPECT_EQ(c.loan, 2);
    EXPECT_EQ(c.payment, 1);
    EXPECT_EQ(c.all, 35);
    const struct { SummaryRow row; const char* drawn; const char* band; } cases[] = {
        {BalancingHeading, "Balancing of transaction amounts: ", nullptr},
        {InterestAmountsHeading, "Interest transaction amounts: ", nullptr},
        {InterestCountRow, "Number of interest transactions: 0032", nullptr},
        {InterestTotalLabel, "Total of interest transaction amounts: ", nullptr},
        {LoanAmountsHeading, "Loan transaction amounts: ", nullptr},
        {LoanCountRow, "Number of loan transactions: 0002", nullptr},
        {LoanTotalLabel, "Total of loan transaction amounts:", "Total of loan transaction amounts: "},
        {PaymentAmountsHeading, "Payment transaction amounts: ", nullptr},
        {PaymentCountRow, "Number of payment transactions: 0001", nullptr},
        {PaymentTotalLabel, "Total of payment transaction amounts: ", nullptr},
        {TransactionTotalLabel, "Total of transaction amounts: ", nullptr},
        {BeginningBalanceLabel, "Beginning balance: ", nullptr},
        {BalancingTotalLabel, "Beginning balance plus total of transaction amounts: ", nullptr},
        {EndingBalanceLabel, "Ending balance: ", nullptr},
        {TransactionCountRow, "Number of transactions: 0035", nullptr},
        {InterestAmountRow, "", nullptr},
        {LoanTotalRow, "", nullptr},
        {EndingBalanceRow, "", nullptr},
    };
    for (const auto& cs : cases) {
        char drawn[lineTextSize];
        char band[lineTextSize];
        formatSummaryLabel(drawn, cs.row, c);
        formatSummaryBandLabel(band, cs.row, c);
        EXPECT_STREQ(drawn, cs.drawn) << cs.row;
        EXPECT_STREQ(band, cs.band ? cs.band : cs.drawn) << cs.row;
    }
}

TEST(LedgerTexts, NthTransactionOfType)
{
    const Ledger& l = mixedLedger();
    const struct { int32_t type, ordinal, index; } cases[] = {
        {Interest, 0, 0}, {Interest, 1, 2}, {Interest, 2, 3}, {Interest, 3, 6}, {Interest, 31, 34},
        {Interest, 32, -1}, {Loan, 0, 1}, {Loan, 1, 5}, {Loan, 2, -1}, {Payment, 0, 4}, {Payment, 1, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(nthTransactionOfType(l, c.type, c.ordinal), c.index) << c.type << "#" << c.ordinal;
}

}  // namespace
