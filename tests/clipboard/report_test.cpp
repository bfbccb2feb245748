#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "clipboard/report.h"
#include "support/ledger_builders.h"

// Lines without CR LF; fails unless the built bytes are the measured ones: CR LF ended lines, one zero.
static std::vector<std::string> reportLines(const Ledger& l)
{
    const std::size_t size = static_cast<std::size_t>(measureLedgerReport(l));
    std::string text(size + 8, '\x7f');
    EXPECT_EQ(buildLedgerReport(l, text.data()), static_cast<int32_t>(size));
    EXPECT_EQ(text.substr(size - 3), std::string("\r\n\0", 3) + std::string(8, '\x7f'));
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) < size; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(
        std::pair(std::count(text.begin(), text.end(), '\n') + std::count(text.begin(), text.end(), '\r'),
                  text.find('\0')),
        std::pair(static_cast<std::ptrdiff_t>(2 * lines.size()), size - 1));
    return lines;
}

TEST(LedgerReport, SmallLedgerByteForByteDefaultDocumentAndWideIdentifiers)
{
    auto l = newLedger();
    l->count = 1;
    setBeginningBalance(*l, '+', "1");
    setFraction(l->header.ratePerPeriod, "33333333333333333333");
    const int32_t payment = addAmount(*l, Payment, 1, "2");
    ASSERT_TRUE(RecalculateLedger(*l));
    std::strcpy(l->table[0].description.data(), "Rent \t\x01\xe9\xff");  // copied as stored
    std::memset(l->table[payment].description.data(), 'd', 44);
    const std::vector<std::string> expected = {
        "01-0001a    Rent \t\x01\xe9\xff",
        "01-0001b  Period: 01",
        "01-0001c  Transaction: 0001",
        "01-0001d  Type: Interest transaction",
        "01-0001e  Beginning balance: ",
        "01-0001f   +     000000000000000000001  .  00000000000000000000  ",
        "01-0001g  Interest rate per period: ",
        "01-0001h   +                            .  33333333333333333333  ",
        "01-0001i  Amount: ",
        "01-0001j   +     000000000000000000000  .  33333333333333333333  ",
        "01-0001k  New balance: ",
        "01-0001l   +     000000000000000000001  .  33333333333333333333  ",
        "01-0002a    " + std::string(44, 'd'),
        "01-0002b  Period: 01",
        "01-0002c  Transaction: 0002",
        "01-0002d  Type: Payment transaction",
        "01-0002e  Old balance: ",
        "01-0002f   +     000000000000000000001  .  33333333333333333333  ",
        "01-0002g  Interest rate per period: ",
        "01-0002h   +                            .  33333333333333333333  ",
        "01-0002i  Amount: ",
        "01-0002j   -     000000000000000000002  .  00000000000000000000  ",
        "01-0002k  New balance: ",
        "01-0002l   -     000000000000000000000  .  66666666666666666667  ",
        "Balancing of transaction amounts: ",
        "Interest transaction amounts: ",
        "01-0001j   +     000000000000000000000  .  33333333333333333333  ",
        "Number of interest transactions: 0001",
        "Total of interest transaction amounts: ",
        "       +     0000000000000000000000000  .  33333333333333333333  ",
        "Loan transaction amounts: ",
        "Number of loan transactions: 0000",
        "Total of loan transaction amounts: ",
        "       +     0000000000000000000000000  .  00000000000000000000  ",
        "Payment transaction amounts: ",
        "01-0002j   -     000000000000000000002  .  00000000000000000000  ",
        "Number of payment transactions: 0001",
        "Total of payment transaction amounts: ",
        "       -     0000000000000000000000002  .  00000000000000000000  ",
        "Total of transaction amounts: ",
        "       -     0000000000000000000000001  .  66666666666666666667  ",
        "Beginning balance: ",
        "01-0001f   +     000000000000000000001  .  00000000000000000000  ",
        "Beginning balance plus total of transaction amounts: ",
        "       -     0000000000000000000000000  .  66666666666666666667  ",
        "Ending balance: ",
        "01-0002l   -     000000000000000000000  .  66666666666666666667  ",
        "Number of transactions: 0002"};
    EXPECT_EQ(reportLines(*l), expected);
    l = newLedger();  // the default document
    std::vector<std::string> lines = reportLines(*l);
    ASSERT_EQ(lines.size(), 438u);
    EXPECT_EQ(lines[5], "01-0001f   +     000000000000000000000  .  00000000000000000000  ");
    for (std::size_t i = 0; i < 32; ++i) EXPECT_EQ(lines[386 + i], lines[12 * i + 9]) << "amount " << i;
    l->count = maxTransactions;  // 1024 periods: identifiers keep every digit
    ASSERT_TRUE(RecalculateLedger(*l));
    lines = reportLines(*l);
    EXPECT_EQ(lines.at(12 * 99) + "|" + lines.at(12 * 1023 + 2),
              "100-0001a    |1024-0001c  Transaction: 0001");
}
