// The comma-delimited export: line shape, the 45-byte description column,
// the values and the spreadsheet formulas.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/document_samples.h"
#include "files/export.h"

namespace {

std::string exportOf(const Ledger& l)
{
    std::string text(exportLineLimit * l.count, '\x7f');
    text.resize(buildLedgerExport(l, text.data()));
    return text;
}

// Splits the export at CR LF; descriptions in these ledgers hold neither.
std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

// Column A is 45 bytes between its quotes; the other ten fields hold no quote.
std::vector<std::string> fieldsOf(const std::string& line)
{
    std::vector<std::string> fields;
    EXPECT_EQ(line.substr(0, 1), "\"");
    EXPECT_EQ(line.substr(46, 2), "\",");
    fields.push_back(line.substr(1, 45));
    for (std::size_t start = 48; start < line.size();) {
        EXPECT_EQ(line[start], '"');
        std::size_t close = line.find('"', start + 1);
        EXPECT_NE(close, std::string::npos);
        if (close == std::string::npos) break;
        EXPECT_EQ(line.substr(close, 2), "\",");
        fields.push_back(line.substr(start + 1, close - start - 1));
        start = close + 2;
    }
    return fields;
}

template <typename Signed>
std::string valueText(const Signed& s)
{
    return std::string(1, s.sign[0]) + s.integer.data() + "." + s.fraction.data();
}

std::string d4(int32_t n)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04d", n);
    return text;
}

TEST(CommaDelimitedExport, OneLineOfElevenQuotedFieldsPerTransaction)
{
    for (int32_t count : {32, 36, 1024}) {
        auto l = count == 36 ? samples::busyLedger('-') : samples::ledgerOf(count);
        const std::vector<std::string> lines = linesOf(exportOf(*l));
        ASSERT_EQ(lines.size(), static_cast<std::size_t>(count));
        for (const std::string& line : lines) {
            EXPECT_EQ(fieldsOf(line).size(), 11u) << line;
            EXPECT_EQ(line.back(), ',');
        }
    }
}

TEST(CommaDelimitedExport, DescriptionColumnIsTheStored45Bytes)
{
    auto l = samples::busyLedger();
    l->table[7].description[20] = 'x';  // after the zero byte: copied as it stands
    const std::vector<std::string> lines = linesOf(exportOf(*l));
    for (int32_t i = 0; i < l->count; ++i)
        EXPECT_EQ(lines[i].substr(1, 45), samples::bytes(l->table[i].description)) << "line " << i + 1;
    EXPECT_EQ(lines[1].substr(1, 45), std::string("Car") + std::string(42, '\0'));
}

TEST(CommaDelimitedExport, ValueColumnsAsLastRecalculated)
{
    auto l = samples::busyLedger('-');
    const std::vector<std::string> lines = linesOf(exportOf(*l));
    for (int32_t i = 0; i < l->count; ++i) {
        const Transaction& t = l->table[i];
        const std::vector<std::string> f = fieldsOf(lines[i]);
        ASSERT_EQ(f.size(), 11u);
        char period[8];
        std::snprintf(period, sizeof period, "%02d", t.period);
        EXPECT_EQ(f[1], period);
        EXPECT_EQ(f[2], d4(t.number));
        EXPECT_EQ(f[3], std::string(1, static_cast<char>('0' + t.type)));
        EXPECT_EQ(f[4], valueText(t.oldBalance));
        EXPECT_EQ(f[6], std::string(".") + l->header.ratePerPeriod.data());
        EXPECT_EQ(f[7], valueText(t.amount));
        EXPECT_EQ(f[9], valueText(t.newBalance));
    }
    const std::vector<std::string> payment = fieldsOf(lines[3]);
    EXPECT_EQ(payment[1] + payment[2] + payment[3], "0200022");
    EXPECT_EQ(payment[7], "-000000000000000000350.00000000000000000001");
    EXPECT_EQ(fieldsOf(lines[0])[6], ".01250000000000000000");
}

TEST(CommaDelimitedExport, FormulasPerLineAndType)
{
    auto l = samples::busyLedger();
    const std::vector<std::string> lines = linesOf(exportOf(*l));
    struct Case { int line; const char* f; const char* i; const char* k; } cases[] = {
        {1, "=E1", "=F0001*G0001", "=F0001+I0001"},     // interest
        {2, "=K0001", "=H0002", "=F0002+I0002"},        // loan
        {3, "=K0002", "=F0003*G0003", "=F0003+I0003"},  // interest
        {4, "=K0003", "=H0004", "=F0004+I0004"},        // payment
        {36, "=K0035", "=H0036", "=F0036+I0036"},       // loan
    };
    for (const Case& c : cases) {
        const std::vector<std::string> f = fieldsOf(lines[c.line - 1]);
        ASSERT_EQ(f.size(), 11u);
        EXPECT_EQ(f[5], c.f) << "line " << c.line;
        EXPECT_EQ(f[8], c.i) << "line " << c.line;
        EXPECT_EQ(f[10], c.k) << "line " << c.line;
    }
}

TEST(CommaDelimitedExport, CarriedBalanceReferencesUpToLine1024)
{
    auto l = samples::ledgerOf(1024);
    const std::vector<std::string> lines = linesOf(exportOf(*l));
    ASSERT_EQ(lines.size(), 1024u);
    for (int n = 2; n <= 1024; ++n) {
        const std::vector<std::string> f = fieldsOf(lines[n - 1]);
        ASSERT_EQ(f.size(), 11u);
        ASSERT_EQ(f[5], "=K" + d4(n - 1)) << "line " << n;
        ASSERT_EQ(f[10], "=F" + d4(n) + "+I" + d4(n)) << "line " << n;
    }
    EXPECT_EQ(fieldsOf(lines[999])[5], "=K0999");
    EXPECT_EQ(fieldsOf(lines[1023])[5], "=K1023");
    EXPECT_EQ(fieldsOf(lines[1023])[8], "=H1024");
}

TEST(CommaDelimitedExport, LinesStayWithinTheLineLimit)
{
    auto l = samples::ledgerOf(1024);
    // Every transaction its own period: the longest period numbers.
    for (int32_t i = 0; i < l->count; ++i) l->table[i].type = Interest;
    RecalculateLedger(*l);
    for (const std::string& line : linesOf(exportOf(*l)))
        EXPECT_LE(line.size() + 2, static_cast<std::size_t>(exportLineLimit));
    EXPECT_EQ(fieldsOf(linesOf(exportOf(*l))[1023])[1], "1024");
}

}  // namespace
