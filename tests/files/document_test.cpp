// The ledger document as written: its size and every byte of the header and
// of each record.
#include <gtest/gtest.h>

#include "files/document.h"
#include "files/document_samples.h"

namespace {

const std::string lineEnd = "\r\n";

std::string countBytes(uint32_t count)
{
    std::string b(4, '\0');
    for (int i = 0; i < 4; ++i) b[i] = static_cast<char>((count >> (8 * i)) & 0xFF);
    return b;
}

TEST(LedgerDocument, SizeIsHeaderAndOneRecordPerTransaction)
{
    EXPECT_EQ(samples::documentOf(*samples::defaultLedger()).size(), 3414u);
    EXPECT_EQ(samples::documentOf(*samples::ledgerOf(1024)).size(), 106582u);
    auto busy = samples::busyLedger();
    EXPECT_EQ(samples::documentOf(*busy).size(), 86u + 104u * 36u);
}

TEST(LedgerDocument, HeaderBytesAtTheirOffsets)
{
    for (int32_t count : {32, 36, 300, 1024}) {
        auto l = count == 36 ? samples::busyLedger('-') : samples::ledgerOf(count);
        const std::string d = samples::documentOf(*l);
        const SignedAmount& b = l->header.beginningBalance;
        struct Field { std::size_t offset; std::string bytes; } fields[] = {
            {0, "ABCD"}, {4, lineEnd}, {6, countBytes(count)}, {10, lineEnd},
            {12, samples::bytes(b.sign)}, {14, lineEnd},
            {16, samples::bytes(b.integer)}, {38, lineEnd},
            {40, samples::bytes(b.fraction)}, {61, lineEnd},
            {63, samples::bytes(l->header.ratePerPeriod)}, {84, lineEnd},
        };
        for (const Field& f : fields)
            EXPECT_EQ(d.substr(f.offset, f.bytes.size()), f.bytes) << "count " << count << " offset " << f.offset;
    }
}

TEST(LedgerDocument, HeaderFieldsCarryTheirZeroBytes)
{
    auto l = samples::busyLedger('-');
    const std::string d = samples::documentOf(*l);
    EXPECT_EQ(d.substr(12, 2), std::string("-\0", 2));
    EXPECT_EQ(d.substr(16, 22), std::string("000000000000000001500\0", 22));
    EXPECT_EQ(d.substr(40, 21), std::string("25000000000000000000\0", 21));
    EXPECT_EQ(d.substr(63, 21), std::string("01250000000000000000\0", 21));
}

TEST(LedgerDocument, EveryRecordAtItsOffset)
{
    auto l = samples::busyLedger();
    const std::string d = samples::documentOf(*l);
    for (int32_t n = 0; n < l->count; ++n) {
        const Transaction& t = l->table[n];
        const std::string r = d.substr(86 + 104 * n, 104);
        struct Field { std::size_t offset; std::string bytes; } fields[] = {
            {0, samples::bytes(t.description)}, {45, lineEnd},
            {47, countBytes(static_cast<uint32_t>(t.type))}, {51, lineEnd},
            {53, samples::bytes(t.amount.sign)}, {55, lineEnd},
            {57, samples::bytes(t.amount.integer)}, {79, lineEnd},
            {81, samples::bytes(t.amount.fraction)}, {102, lineEnd},
        };
        for (const Field& f : fields)
            EXPECT_EQ(r.substr(f.offset, f.bytes.size()), f.bytes) << "record " << n << " offset " << f.offset;
    }
}

TEST(LedgerDocument, RecordsHoldTheUserDataInLedgerOrder)
{
    auto l = samples::busyLedger();
    const std::string d = samples::documentOf(*l);
    // Slot 1 is the loan added to period 1; slot 3 and 4 the payments of period 2.
    EXPECT_EQ(d.substr(86 + 104 * 1, 45), std::string("Car") + std::string(42, '\0'));
    EXPECT_EQ(d.substr(86 + 104 * 1 + 47, 4), std::string("\1\0\0\0", 4));
    EXPECT_EQ(d.substr(86 + 104 * 1 + 53, 2), std::string("+\0", 2));
    EXPECT_EQ(d.substr(86 + 104 * 3 + 47, 4), std::string("\2\0\0\0", 4));
    EXPECT_EQ(d.substr(86 + 104 * 3 + 53, 2), std::string("-\0", 2));
    EXPECT_EQ(d.substr(86 + 104 * 3 + 81, 21), std::string("00000000000000000001\0", 21));
    EXPECT_EQ(d.substr(86 + 104 * 3, 14), std::string("Instalment \xe9\xfc\0", 14));
}

TEST(LedgerDocument, OnlyTheLowByteOfTheTypeIsWritten)
{
    auto l = samples::defaultLedger();
    l->table[5].type = 0x7FFFFF02;
    const std::string d = samples::documentOf(*l);
    EXPECT_EQ(d.substr(86 + 104 * 5 + 47, 4), std::string("\2\0\0\0", 4));
}

}  // namespace
