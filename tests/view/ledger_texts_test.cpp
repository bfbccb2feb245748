#include <gtest/gtest.h>

#include "ledger/adding.h"
#include "view/ledger_texts.h"

TEST(LedgerTexts, LineIdsAndLabels)
{
    static Ledger l;
    makeNewLedger(l);  // then in stored order I L I I P L I ...
    int32_t at = 0;
    for (auto [type, period] : {std::pair{Loan, 1}, {Payment, 3}, {Loan, 3}})
        ASSERT_TRUE(addTransaction(l, type, period, at));
    char out[lineTextSize], band[lineTextSize];
    auto result = [&](int32_t n) {
        return std::pair(n, std::string(out));
    };  // the length returned, then the text
    for (auto [i, k, id] : {std::tuple{1, 9, "01-0002j"}, {5, 5, "03-0003f"}, {34, 11, "32-0001l"}})
        EXPECT_EQ(result(formatTransactionLineId(out, l.table[i], k)), std::pair(8, std::string(id)));
    const struct {
        int32_t i, k;
        const char* label;
    } labels[] = {{0, 1, "Period: 01"},
                  {1, 2, "Transaction: 0002"},
                  {0, 3, "Type: Interest transaction"},
                  {1, 3, "Type: Loan transaction"},
                  {4, 3, "Type: Payment transaction"},
                  {0, 4, "Beginning balance: "},
                  {2, 4, "Old balance: "},
                  {2, 6, "Interest rate per period: "},
                  {2, 8, "Amount: "},
                  {2, 10, "New balance: "},
                  {1, 9, ""}};
    for (auto [i, k, label] : labels)
        EXPECT_EQ(result(formatTransactionLabel(out, l, i, k)),
                  std::pair(int32_t(std::string(label).size()), std::string(label)));
    // Labels keep their trailing blank, but the loan total's is drawn without the blank it is measured with.
    for (auto [row, drawn] : {std::pair{LoanTotalLabel, "Total of loan transaction amounts:"},
                              {PaymentCountRow, "Number of payment transactions: 0001"},
                              {BalancingTotalLabel, "Beginning balance plus total of transaction amounts: "},
                              {TransactionCountRow, "Number of transactions: 0035"}}) {
        formatSummaryLabel(out, row, countTransactionTypes(l));
        formatSummaryBandLabel(band, row, countTransactionTypes(l));
        EXPECT_EQ(std::pair(std::string(out), std::string(band)),
                  std::pair(std::string(drawn), drawn + std::string(row == LoanTotalLabel ? " " : "")));
    }
    EXPECT_EQ(std::pair(nthTransactionOfType(l, Loan, 1), nthTransactionOfType(l, Payment, 1)),
              std::pair(5, -1));
    l.table[0].type = Loan;  // only an interest transaction stored first begins the balance on screen
    EXPECT_EQ(result(formatTransactionLabel(out, l, 0, 4)), std::pair(13, std::string("Old balance: ")));
}
