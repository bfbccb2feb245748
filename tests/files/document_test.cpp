// The ledger document and the comma-delimited export byte for byte, and File
// Open's checks and load with its rollback.
#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

#include "files/document.h"
#include "files/export.h"
#include "files/open_document.h"
#include "files/transfer.h"
#include "support/ledger_builders.h"

namespace {

using namespace std::string_literals;
std::size_t at(int record, std::size_t offset) { return 86 + 104 * record + offset; }

// Balance 1500.25, rate .0125; loan "Car" 9000.5 (slot 1), payments of 350.00...01
// (slot 3) and 0 (slot 4) in period 2, a 44-byte description on the last loan (slot 35).
std::unique_ptr<Ledger> busyLedger(char sign = '+')
{
    auto l = newLedger();
    setBeginningBalance(*l, sign, "1500", "25");
    setFraction(l->header.ratePerPeriod, "0125");
    const auto name = [&](int32_t i, const char* text) { std::strcpy(l->table[i].description.data(), text); };
    name(0, "Opening period");
    name(addAmount(*l, Loan, 1, "9000", "5"), "Car");
    name(addAmount(*l, Payment, 2, "350", "00000000000000000001"), "Instalment \xe9\xfc");
    addAmount(*l, Payment, 2, "0");
    name(addAmount(*l, Loan, 32, "1"), "12345678901234567890123456789012345678901234");
    RecalculateLedger(*l);
    return l;
}

// The default ledger with zero loans added to the last period up to `count`.
std::unique_ptr<Ledger> ledgerOf(int32_t count)
{
    auto l = newLedger();
    while (l->count < count) addAmount(*l, Loan, 32, "0");
    RecalculateLedger(*l);
    return l;
}

// What `build` writes for `l` into room for `size` bytes.
std::string written(int32_t (*build)(const Ledger&, char*), const Ledger& l, int32_t size)
{
    std::string text(size, '\x7f');
    return text.substr(0, build(l, text.data()));
}
std::string documentOf(const Ledger& l) { return written(buildLedgerDocument, l, documentSize(l.count)); }
std::string exportOf(const Ledger& l) { return written(buildLedgerExport, l, exportLineLimit * l.count); }

TEST(LedgerDocument, SizesAndTheBytesOfTheHeaderAndRecords)
{
    EXPECT_EQ(documentOf(*newLedger()).size(), 3414u);
    const std::string big = documentOf(*ledgerOf(1024));
    EXPECT_EQ(big.size(), 106582u);
    EXPECT_EQ(big.substr(4, 8), "\r\n\0\4\0\0\r\n"s);
    auto l = busyLedger('-');
    l->table[4].type = 0x7FFFFF02;  // only the low byte is written
    const std::string d = documentOf(*l);
    struct Case {
        std::size_t at;
        std::string bytes;
    } cases[] = {
        {0,
         "ABCD\r\n$\0\0\0\r\n-\0\r\n000000000000000001500\0\r\n25000000000000000000\0\r\n01250000000000000000\0\r\n"s},
        {at(1, 0), "Car" + std::string(42, '\0') +
                       "\r\n\1\0\0\0\r\n+\0\r\n000000000000000009000\0\r\n50000000000000000000\0\r\n"s},
        {at(3, 0), "Instalment \xe9\xfc" + std::string(32, '\0') +
                       "\r\n\2\0\0\0\r\n-\0\r\n000000000000000000350\0\r\n00000000000000000001\0\r\n"s},
        {at(4, 45), "\r\n\2\0\0\0\r\n"s},
        {at(35, 0), "12345678901234567890123456789012345678901234\0\r\n\1\0\0\0\r\n+\0\r\n"s},
    };
    for (const Case& c : cases) EXPECT_EQ(d.substr(c.at, c.bytes.size()), c.bytes) << "offset " << c.at;
}

// A line of the export: the 45-byte column A and ten fields, each quoted and
// followed by a comma, then CR LF.
std::string lineOf(const std::string& description, std::initializer_list<std::string> fields)
{
    std::string line = '"' + description + "\",";
    for (const std::string& f : fields) line += '"' + f + "\",";
    return line + "\r\n";
}

TEST(CommaDelimitedExport, LoanLinesUpTo1024AndPeriodsWithinTheLineLimit)
{
    auto l = ledgerOf(1024);
    std::string text = exportOf(*l);
    const std::string z = "+000000000000000000000.00000000000000000000", r = ".00000000000000000000",
                      none(45, '\0');
    const std::string last =
        lineOf(none, {"32", "0993", "1", z, "=K1023", r, z, "=H1024", z, "=F1024+I1024"});
    EXPECT_NE(text.find(lineOf(none, {"32", "0969", "1", z, "=K0999", r, z, "=H1000", z, "=F1000+I1000"})),
              std::string::npos);
    EXPECT_EQ(text.rfind(last), text.size() - last.size());
    for (int32_t i = 0; i < l->count; ++i) l->table[i].type = Interest;
    RecalculateLedger(*l);
    text = exportOf(*l);
    EXPECT_EQ(text.substr(text.rfind("\r\n", text.size() - 3) + 2 + 46, 16), "\",\"1024\",\"0001\",");
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        ASSERT_LE(end + 2 - start, std::size_t{exportLineLimit}) << "line at " << start;
}

TEST(CommaDelimitedExport, DescriptionsValuesAndInterestAndPaymentFormulas)
{
    auto l = busyLedger('-');
    l->table[7].description[20] = 'x';  // after the zero byte: copied as it stands
    const std::string text = exportOf(*l), rate = ".01250000000000000000";
    EXPECT_EQ(text.find(lineOf("Opening period" + std::string(31, '\0'),
                               {"01", "0001", "0", "-000000000000000001500.25000000000000000000", "=E1", rate,
                                "-000000000000000000018.75312500000000000000", "=F0001*G0001",
                                "-000000000000000001519.00312500000000000000", "=F0001+I0001"})),
              0u);
    EXPECT_NE(text.find(lineOf("Instalment \xe9\xfc" + std::string(32, '\0'),
                               {"02", "0002", "2", "+000000000000000007575.01558593750000000000", "=K0003",
                                rate, "-000000000000000000350.00000000000000000001", "=H0004",
                                "+000000000000000007225.01558593749999999999", "=F0004+I0004"})),
              std::string::npos);
    EXPECT_NE(
        text.find("\r\n\"" + std::string(20, '\0') + 'x' + std::string(24, '\0') + "\",\"05\",\"0001\","),
        std::string::npos);
}

TransactionTable previousTable;

// The program's ledger and snapshot hold `l` as last saved.
void hold(const Ledger& l)
{
    std::memcpy(&ledger, &l, sizeof ledger);
    TakeSnapshot();
}

std::string state()
{
    return std::string(reinterpret_cast<const char*>(&ledger), sizeof ledger) +
           std::string(reinterpret_cast<const char*>(&savedSnapshot), sizeof savedSnapshot);
}

OpenOutcome open(const std::string& d)
{
    return openLedgerDocument(d.data(), int32_t(d.size()), ledger, savedSnapshot, previousTable);
}

TEST(OpenDocument, AcceptedDocumentsOpenToTheSavedLedgerUnchanged)
{
    struct Case {
        char sign;
        int32_t from, to;  // the slots given `type`
        TransactionType type;
        const char* tail;
        int32_t count, lastPeriod;
    } cases[] = {
        {'-', 0, 0, Loan, "", 36, 32},
        {0, 0, 0, Loan, "\xee\xee\xee", 40, 32},  // bytes after the last record
        {0, 0, 1, Loan, "", 40, 31},
        {0, 32, 40, Interest, "", 40, 40},
        {0, 3, 40, Payment, "", 40, 3},
    };
    for (const Case& c : cases) {
        auto saved = c.sign ? busyLedger(c.sign) : ledgerOf(40);
        for (int32_t i = c.from; i < c.to; ++i) saved->table[i].type = c.type;
        RecalculateLedger(*saved);
        const std::string d = documentOf(*saved), name = "case " + std::to_string(&c - cases);
        hold(*ledgerOf(c.count + 4));  // a longer ledger is replaced whole
        ASSERT_EQ(open(d + c.tail), OpenOutcome::Ok) << name;
        EXPECT_EQ(ledger.table[c.count - 1].period, c.lastPeriod) << name;
        EXPECT_EQ(ledger.bodyLineCount, 13 * c.count + 22) << name;
        EXPECT_EQ(std::memcmp(&ledger, saved.get(), offsetof(Ledger, previousTotals)), 0)
            << name << ": header, count, every slot and the totals";
        EXPECT_FALSE(IsLedgerModified()) << name;
        EXPECT_EQ(documentOf(ledger), d) << name;
    }
}

TEST(OpenDocument, RefusedDocumentsLeaveTheLedgerAndSnapshotByteForByte)
{
    const std::string valid = documentOf(*busyLedger());
    std::string first = valid, last = documentOf(*ledgerOf(40));
    first.replace(16, 21, std::string(21, '9'));  // the first interest overflows
    last.replace(at(38, 77), 1, "1")
        .replace(at(39, 57), 21, std::string(21, '9'));  // the last record, past the previous count
    std::string under = valid.substr(0, at(31, 0)), over = documentOf(*ledgerOf(1024));
    under[6] = 31, over[6] = 1, over[7] = 4, over += over.substr(86, 104);  // counts 31 and 1025
    std::vector<std::string> documents = {first,
                                          last,
                                          "",
                                          valid.substr(0, 86),
                                          valid.substr(0, valid.size() - 1),
                                          under,
                                          over,
                                          exportOf(*busyLedger())};
    // Magic, count high byte, signs, type 3, type high bytes, description byte 44, terminators, then digits.
    std::vector<std::pair<std::size_t, char>> bytes = {
        {3, 'd'},          {9, 1},           {12, ' '},         {at(1, 53), '0'},
        {at(2, 47), 3},    {at(4, 48), 1},   {at(4, 49), 1},    {at(4, 50), 1},
        {at(35, 44), 'x'}, {13, '0'},        {37, '0'},         {60, '0'},
        {83, '0'},         {at(1, 54), '0'}, {at(35, 78), '0'}, {at(35, 101), '0'}};
    struct Digits {
        std::size_t start, width;
    } fields[] = {{16, 21}, {40, 20}, {63, 20}, {at(3, 57), 21}, {at(35, 81), 20}};
    for (const Digits& f : fields)
        for (std::size_t i : {f.start, f.start + f.width / 2, f.start + f.width - 1})
            bytes.insert(bytes.end(), {{i, '/'}, {i, ':'}});
    for (auto [i, byte] : bytes) (documents.emplace_back(valid))[i] = byte;
    hold(*busyLedger('-'));
    ledger.table[0].description[0] = 'm';  // modified since the snapshot
    const std::string before = state();
    for (std::size_t n = 0; n < documents.size(); ++n) {
        const std::string where =
            n < 8 ? "document " + std::to_string(n) : "byte " + std::to_string(bytes[n - 8].first);
        EXPECT_EQ(checkLedgerDocument(documents[n].data(), static_cast<int32_t>(documents[n].size())), n < 2)
            << where;
        EXPECT_EQ(open(documents[n]), n < 2 ? OpenOutcome::BalanceTooLarge : OpenOutcome::Format) << where;
        EXPECT_TRUE(state() == before) << where;
    }
}

}  // namespace

// Pasted text ends at its first zero byte or, when the block has none, at the block's end, even
// when the block fills the whole buffer; nothing of an earlier use is left behind it.
TEST(TransferBuffer, AReceivedTextEndsAtItsFirstZeroByteOrTheBlocksEnd)
{
    const std::string full(transferBufferSize, '7');
    const struct {
        std::string block;
        int32_t length;
    } cases[] = {{"12\0zz"s, 2}, {"ab", 2}, {""s + '\0', 0}, {full, transferBufferSize}};
    for (const auto& c : cases) {
        transferBuffer.fill('x');
        EXPECT_EQ(receiveTextBlock(c.block.data(), c.block.size()), c.length) << c.block.size() << " bytes";
        EXPECT_EQ(std::string(transferBuffer.data(), c.block.size()), c.block);
        EXPECT_TRUE(c.block.size() == transferBuffer.size() || transferBuffer[c.block.size()] == 0);
    }
}
