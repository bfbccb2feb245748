#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "clipboard/report.h"
#include "report_ledgers.h"

// Ledgers are large: the tests share static ones.
static Ledger subject;
static Ledger copyBefore;

static std::string joinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    text.push_back(0);
    return text;
}

// Body lines of a transaction: twelve each, "a" to "l".
static const std::string& line(const std::vector<std::string>& lines, int32_t transaction, int k)
{
    return lines.at(static_cast<std::size_t>(12 * transaction + k));
}

TEST(LedgerReport, ThreeTransactionLedgerByteForByte)
{
    // Two periods with a beginning balance of 1 and a third as the rate, and
    // a payment of 2 in period 02: every kind of line and label appears.
    resetToDefaultDocument(subject);
    subject.count = 2;
    setSign(subject.header.beginningBalance.sign, '+');
    setInteger(subject.header.beginningBalance.integer, "1");
    setFraction(subject.header.ratePerPeriod, "33333333333333333333");
    setDescription(subject.table[0], "Opening");
    ASSERT_TRUE(RecalculateLedger(subject));
    const int32_t payment = addWithAmount(subject, Payment, 2, "2");
    setDescription(subject.table[payment], "Rent, May");
    ASSERT_TRUE(RecalculateLedger(subject));

    const std::vector<std::string> expected = {
        "01-0001a    Opening",
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
        "02-0001a    ",
        "02-0001b  Period: 02",
        "02-0001c  Transaction: 0001",
        "02-0001d  Type: Interest transaction",
        "02-0001e  Old balance: ",
        "02-0001f   +     000000000000000000001  .  33333333333333333333  ",
        "02-0001g  Interest rate per period: ",
        "02-0001h   +                            .  33333333333333333333  ",
        "02-0001i  Amount: ",
        "02-0001j   +     000000000000000000000  .  44444444444444444443  ",
        "02-0001k  New balance: ",
        "02-0001l   +     000000000000000000001  .  77777777777777777776  ",
        "02-0002a    Rent, May",
        "02-0002b  Period: 02",
        "02-0002c  Transaction: 0002",
        "02-0002d  Type: Payment transaction",
        "02-0002e  Old balance: ",
        "02-0002f   +     000000000000000000001  .  77777777777777777776  ",
        "02-0002g  Interest rate per period: ",
        "02-0002h   +                            .  33333333333333333333  ",
        "02-0002i  Amount: ",
        "02-0002j   -     000000000000000000002  .  00000000000000000000  ",
        "02-0002k  New balance: ",
        "02-0002l   -     000000000000000000000  .  22222222222222222224  ",
        "Balancing of transaction amounts: ",
        "Interest transaction amounts: ",
        "01-0001j   +     000000000000000000000  .  33333333333333333333  ",
        "02-0001j   +     000000000000000000000  .  44444444444444444443  ",
        "Number of interest transactions: 0002",
        "Total of interest transaction amounts: ",
        "       +     0000000000000000000000000  .  77777777777777777776  ",
        "Loan transaction amounts: ",
        "Number of loan transactions: 0000",
        "Total of loan transaction amounts: ",
        "       +     0000000000000000000000000  .  00000000000000000000  ",
        "Payment transaction amounts: ",
        "02-0002j   -     000000000000000000002  .  00000000000000000000  ",
        "Number of payment transactions: 0001",
        "Total of payment transaction amounts: ",
        "       -     0000000000000000000000002  .  00000000000000000000  ",
        "Total of transaction amounts: ",
        "       -     0000000000000000000000001  .  22222222222222222224  ",
        "Beginning balance: ",
        "01-0001f   +     000000000000000000001  .  00000000000000000000  ",
        "Beginning balance plus total of transaction amounts: ",
        "       -     0000000000000000000000000  .  22222222222222222224  ",
        "Ending balance: ",
        "02-0002l   -     000000000000000000000  .  22222222222222222224  ",
        "Number of transactions: 0003",
    };
    EXPECT_EQ(reportText(subject), joinLines(expected));
}

TEST(LedgerReport, DefaultDocument)
{
    makeDefaultLedger(subject);
    const std::string text = reportText(subject);
    const std::vector<std::string> lines = reportLines(text);
    ASSERT_EQ(lines.size(), 438u);  // 32 x 12 + 22 + 32
    EXPECT_EQ(lines[0], "01-0001a    ");
    EXPECT_EQ(lines[1], "01-0001b  Period: 01");
    EXPECT_EQ(lines[5], "01-0001f   +     000000000000000000000  .  00000000000000000000  ");
    EXPECT_EQ(line(lines, 31, 0), "32-0001a    ");
    EXPECT_EQ(line(lines, 31, 4), "32-0001e  Old balance: ");

    // The summary: every interest transaction once more, then empty loan
    // and payment sections.
    const std::size_t s = 12 * 32;
    EXPECT_EQ(lines[s], "Balancing of transaction amounts: ");
    EXPECT_EQ(lines[s + 1], "Interest transaction amounts: ");
    for (int32_t i = 0; i < 32; ++i)
        EXPECT_EQ(lines[s + 2 + static_cast<std::size_t>(i)], line(lines, i, 9));
    const std::vector<std::string> tail(lines.begin() + static_cast<long>(s + 34), lines.end());
    const std::string zeroTotal = "       +     0000000000000000000000000  .  00000000000000000000  ";
    const std::vector<std::string> expectedTail = {
        "Number of interest transactions: 0032",
        "Total of interest transaction amounts: ",
        zeroTotal,
        "Loan transaction amounts: ",
        "Number of loan transactions: 0000",
        "Total of loan transaction amounts: ",
        zeroTotal,
        "Payment transaction amounts: ",
        "Number of payment transactions: 0000",
        "Total of payment transaction amounts: ",
        "       -     0000000000000000000000000  .  00000000000000000000  ",
        "Total of transaction amounts: ",
        zeroTotal,
        "Beginning balance: ",
        "01-0001f   +     000000000000000000000  .  00000000000000000000  ",
        "Beginning balance plus total of transaction amounts: ",
        zeroTotal,
        "Ending balance: ",
        "32-0001l   +     000000000000000000000  .  00000000000000000000  ",
        "Number of transactions: 0032",
    };
    EXPECT_EQ(tail, expectedTail);
}

TEST(LedgerReport, EveryLineEndsWithCrLfAndTheTextWithOneZero)
{
    makeDefaultLedger(subject);
    ASSERT_GE(addWithAmount(subject, Loan, 3, "12", "5"), 0);
    const std::string text = reportText(subject);
    ASSERT_GE(text.size(), 3u);
    EXPECT_EQ(text.substr(text.size() - 3), std::string("\r\n\0", 3));
    std::size_t crlf = 0;
    for (std::size_t k = 0; k + 1 < text.size(); ++k) {
        if (text[k] == '\n') ADD_FAILURE() << "line feed without carriage return at " << k;
        if (text[k] == '\r') {
            EXPECT_EQ(text[k + 1], '\n') << "carriage return without line feed at " << k;
            ++crlf;
            ++k;
        }
        if (text[k] == 0) ADD_FAILURE() << "zero byte inside the text at " << k;
    }
    EXPECT_EQ(crlf, static_cast<std::size_t>(33 * 13 + 22));
}

TEST(LedgerReport, DescriptionLineLengths)
{
    struct Case {
        std::string description;
        std::size_t length;
    } cases[] = {
        {"", 12},
        {"x", 13},
        {std::string(44, 'D'), 56},
        {"Caf\xe9 \xa3" "5, tab\there", 29},  // ANSI bytes go through as stored
    };
    for (const Case& c : cases) {
        makeDefaultLedger(subject);
        setDescription(subject.table[7], c.description);
        const std::vector<std::string> lines = reportLines(reportText(subject));
        ASSERT_EQ(lines.size(), 438u);
        EXPECT_EQ(line(lines, 7, 0).size(), c.length) << c.description;
        EXPECT_EQ(line(lines, 7, 0), "08-0001a    " + c.description);
    }
}

TEST(LedgerReport, SignsStandInColumnTwelve)
{
    struct Case {
        char balanceSign;
        const char* integer;
        char expected;
    } cases[] = {
        {'+', "250", '+'},
        {'-', "250", '-'},
        {'-', "0", '-'},  // a "-" zero is shown as stored
    };
    for (const Case& c : cases) {
        makeDefaultLedger(subject);
        setSign(subject.header.beginningBalance.sign, c.balanceSign);
        setInteger(subject.header.beginningBalance.integer, c.integer);
        setFraction(subject.header.ratePerPeriod, "05");
        ASSERT_TRUE(RecalculateLedger(subject));
        const std::vector<std::string> lines = reportLines(reportText(subject));
        ASSERT_EQ(lines.size(), 438u);
        for (int32_t i : {0, 1, 31}) {
            EXPECT_EQ(line(lines, i, 5)[11], c.expected) << "old balance of " << i;
            EXPECT_EQ(line(lines, i, 9)[11], c.expected) << "interest amount of " << i;
            EXPECT_EQ(line(lines, i, 11)[11], c.expected) << "new balance of " << i;
            EXPECT_EQ(line(lines, i, 7)[11], '+') << "rate of " << i;
        }
    }
    // A payment is "-" and a loan "+", whatever the balance.
    makeDefaultLedger(subject);
    const int32_t payment = addWithAmount(subject, Payment, 1, "3");
    const int32_t loan = addWithAmount(subject, Loan, 2, "1");
    ASSERT_GE(payment, 0);
    ASSERT_GE(loan, 0);
    const std::vector<std::string> lines = reportLines(reportText(subject));
    EXPECT_EQ(line(lines, payment, 9)[11], '-');
    EXPECT_EQ(line(lines, payment, 11)[11], '-');
    EXPECT_EQ(line(lines, loan, 9)[11], '+');
    EXPECT_EQ(line(lines, loan, 11)[11], '-');  // -3 + 1 is still negative
}

// Value, rate and total lines: where they stand in the report.
static bool isNumberLine(const std::vector<std::string>& lines, std::size_t k, int32_t count)
{
    const std::size_t summaryStart = 12 * static_cast<std::size_t>(count);
    if (k < summaryStart) {
        const std::size_t letter = k % 12;
        return letter == 5 || letter == 7 || letter == 9 || letter == 11;
    }
    // Summary labels start with a capital letter; repeated value lines
    // with their identifier and total lines with blanks.
    return lines[k][0] == ' ' || (lines[k][0] >= '0' && lines[k][0] <= '9');
}

static void expectNumberLinesAligned(const Ledger& l)
{
    const std::vector<std::string> lines = reportLines(reportText(l));
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(13 * l.count + 22));
    std::size_t numberLines = 0;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        if (!isNumberLine(lines, k, l.count)) continue;
        ++numberLines;
        ASSERT_EQ(lines[k].size(), 65u) << "line " << k << ": " << lines[k];
        EXPECT_EQ(lines[k][40], '.') << "line " << k << ": " << lines[k];
        EXPECT_EQ(lines[k].substr(38, 5), "  .  ") << "line " << k;
        EXPECT_EQ(lines[k].substr(63), "  ") << "line " << k;
    }
    // Four per transaction, its amount again, beginning and ending balance, five totals.
    EXPECT_EQ(numberLines, static_cast<std::size_t>(5 * l.count + 2 + 5));
}

TEST(LedgerReport, NumberLinesAre65WideWithThePointInColumn41)
{
    makeDefaultLedger(subject);
    setInteger(subject.header.beginningBalance.integer, "987654321");
    setFraction(subject.header.ratePerPeriod, "0123456789");
    ASSERT_TRUE(RecalculateLedger(subject));
    for (int32_t period : {1, 5, 5, 17, 32})
        ASSERT_GE(addWithAmount(subject, Loan, period, "4000", "25"), 0);
    for (int32_t period : {2, 5, 30})
        ASSERT_GE(addWithAmount(subject, Payment, period, "999999999999", "9"), 0);
    expectNumberLinesAligned(subject);
}

TEST(LedgerReport, LargeTotalsKeepAllDigitsAndThePointInColumn41)
{
    // Loans and payments of almost 10^21 in turn: the balance stays in
    // range while the loan and payment totals pass 10^22.
    makeDefaultLedger(subject);
    const std::string nines(21, '9');
    for (int32_t k = 0; k < 12; ++k) {
        ASSERT_GE(addWithAmount(subject, Loan, 1 + k, nines, "5"), 0);
        ASSERT_GE(addWithAmount(subject, Payment, 1 + k, nines, "5"), 0);
    }
    const std::vector<std::string> lines = reportLines(reportText(subject));
    const std::string loanLabel = "Total of loan transaction amounts: ";
    std::size_t k = 0;
    while (k < lines.size() && lines[k] != loanLabel) ++k;
    ASSERT_LT(k + 1, lines.size());
    const std::string& loanTotal = lines[k + 1];
    //                 25 integer digits: 12 x (10^21 - 1 + .5)
    EXPECT_EQ(loanTotal, "       +     0011999999999999999999994  .  00000000000000000000  ");
    EXPECT_NE(loanTotal.substr(13, 4), "0000");
    EXPECT_EQ(loanTotal[40], '.');
    expectNumberLinesAligned(subject);
}

TEST(LedgerReport, TheFirstTransactionShowsTheBeginningBalanceLabel)
{
    // Only a hand-made document puts a loan first; its line e still says
    // "Beginning balance: ", and the summary repeats its line f.
    resetToDefaultDocument(subject);
    subject.table[0].type = Loan;
    setInteger(subject.table[0].amount.integer, "7");
    setFraction(subject.table[0].amount.fraction, "");
    ASSERT_TRUE(RecalculateLedger(subject));
    const std::vector<std::string> lines = reportLines(reportText(subject));
    ASSERT_EQ(lines.size(), 438u);
    EXPECT_EQ(line(lines, 0, 3).substr(8), "  Type: Loan transaction");
    EXPECT_EQ(line(lines, 0, 4).substr(8), "  Beginning balance: ");
    EXPECT_EQ(line(lines, 1, 4).substr(8), "  Old balance: ");
    const std::size_t beginningLabel = lines.size() - 7;
    EXPECT_EQ(lines[beginningLabel], "Beginning balance: ");
    EXPECT_EQ(lines[beginningLabel + 1], line(lines, 0, 5));
}

TEST(LedgerReport, IdentifiersWidenPastTwoDigitPeriods)
{
    // A document of 1024 periods, as a file may hold: "%0.2i" keeps every digit.
    resetToDefaultDocument(subject);
    subject.count = maxTransactions;
    for (Transaction& t : subject.table) t.type = Interest;
    ASSERT_TRUE(RecalculateLedger(subject));
    const std::vector<std::string> lines = reportLines(reportText(subject));
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(13 * maxTransactions + 22));
    struct Case {
        int32_t transaction;
        const char* lineA;
        const char* lineB;
    } cases[] = {
        {0, "01-0001a    ", "01-0001b  Period: 01"},
        {8, "09-0001a    ", "09-0001b  Period: 09"},
        {98, "99-0001a    ", "99-0001b  Period: 99"},
        {99, "100-0001a    ", "100-0001b  Period: 100"},
        {1023, "1024-0001a    ", "1024-0001b  Period: 1024"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(line(lines, c.transaction, 0), c.lineA);
        EXPECT_EQ(line(lines, c.transaction, 1), c.lineB);
    }
    EXPECT_EQ(lines.back(), "Number of transactions: 1024");
    EXPECT_EQ(lines[lines.size() - 2], "1024-0001l   +     000000000000000000000  .  "
                                        "00000000000000000000  ");
}

TEST(LedgerReport, CopyingReadsOnlyAndRepeats)
{
    makeDefaultLedger(subject);
    ASSERT_GE(addWithAmount(subject, Payment, 4, "10", "01"), 0);
    copyBefore = subject;
    const std::string first = reportText(subject);
    EXPECT_EQ(reportText(subject), first);
    EXPECT_EQ(std::memcmp(&copyBefore, &subject, sizeof(Ledger)), 0);
}

// Random documents grown the way the program grows them.
static void growRandomLedger(Ledger& l, std::mt19937& random)
{
    auto digits = [&](int n) {
        std::string s;
        for (int k = 0; k < n; ++k) s.push_back(static_cast<char>('0' + random() % 10));
        return s;
    };
    makeDefaultLedger(l);
    setSign(l.header.beginningBalance.sign, random() % 2 ? '+' : '-');
    setInteger(l.header.beginningBalance.integer, digits(static_cast<int>(random() % 12)));
    setFraction(l.header.beginningBalance.fraction, digits(static_cast<int>(random() % 21)));
    // Below 10% per period: 32 periods of interest cannot overflow these balances.
    setFraction(l.header.ratePerPeriod, "0" + digits(static_cast<int>(random() % 20)));
    ASSERT_TRUE(RecalculateLedger(l));
    const int32_t added = static_cast<int32_t>(random() % 200);
    for (int32_t k = 0; k < added; ++k) {
        const TransactionType type = random() % 2 ? Loan : Payment;
        const int32_t period = 1 + static_cast<int32_t>(random() % 32);
        ASSERT_GE(addWithAmount(l, type, period, digits(static_cast<int>(random() % 15)), digits(20)), 0);
    }
    for (int32_t i = 0; i < l.count; ++i) {
        std::string text;
        const int length = static_cast<int>(random() % 45);
        for (int c = 0; c < length; ++c) {
            char byte = static_cast<char>(1 + random() % 255);
            text.push_back(byte == '\r' || byte == '\n' ? '_' : byte);
        }
        setDescription(l.table[i], text);
    }
}

TEST(LedgerReport, MeasureMatchesBuildOverManyLedgers)
{
    std::mt19937 random(20261206);
    for (int round = 0; round < 24; ++round) {
        growRandomLedger(subject, random);
        const std::string text = reportText(subject);  // checks built == measured
        const std::vector<std::string> lines = reportLines(text);
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(13 * subject.count + 22))
            << "round " << round << ": " << text.substr(0, 40);
        expectNumberLinesAligned(subject);
    }
}
