#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <vector>

#include "ledger/body_lines.h"
#include "support/ledger_builders.h"

// The report's texts are checked byte for byte with the report; here the
// two places where the screen differs, and the walker's shortcut through
// the summary's amount rows against a fresh search for every line.
TEST(BodyLines, ScreenTextsAndTheWalkersShortcut)
{
    auto l = newLedger();
    for (auto [type, period] : {std::pair{Loan, 1}, {Payment, 3}, {Loan, 3}, {Payment, 32}, {Loan, 2}})
        addAmount(*l, type, period, "1");
    ASSERT_TRUE(RecalculateLedger(*l));
    const int32_t loanTotalLabel = 12 * l->count + 32 + 3 + 7;  // after 32 interest and 3 loan rows
    BodyLine b;
    for (auto [texts, label, loanTotal] :
         {std::tuple{LineTexts::Screen, "Old balance: ", "Total of loan transaction amounts:"},
          {LineTexts::Report, "Beginning balance: ", "Total of loan transaction amounts: "}}) {
        l->table[0].type = Loan;  // only an interest transaction stored first begins the balance on screen
        LineWalker w = startLineWalk(*l, texts);
        describeBodyLine(w, 4, b);
        EXPECT_EQ(std::string(b.text) + "|" + b.id, std::string(label) + "|01-0001e");
        l->table[0].type = Interest;
        w = startLineWalk(*l, texts);
        describeBodyLine(w, loanTotalLabel, b);
        EXPECT_EQ(std::pair(b.kind, std::string(b.text, b.textLength)),
                  std::pair(SummaryLabelLine, std::string(loanTotal)));
    }
    // Line by line in order, and a transaction's twelve lines at once.
    auto shown = [](const BodyLine& x) {
        return std::tuple(x.kind, std::string(x.id), std::string(x.text), x.value, x.total, x.rate);
    };
    LineWalker sequential = startLineWalk(*l, LineTexts::Screen), batched = sequential;
    for (int32_t line = 0; line < l->bodyLineCount; ++line) {
        BodyLine fresh;
        LineWalker w = startLineWalk(*l, LineTexts::Screen);
        describeBodyLine(sequential, line, b);
        describeBodyLine(w, line, fresh);
        ASSERT_EQ(shown(b), shown(fresh)) << line;
        if (line >= linesPerTransaction * l->count) continue;
        const BodyLine* batch = describeTransactionLines(batched, line / linesPerTransaction);
        ASSERT_EQ(shown(batch[line % linesPerTransaction]), shown(fresh)) << line;
    }
    char id[lineTextSize];
    const int32_t length = formatLineId(id, 100, 12345, 'c');  // every digit kept
    EXPECT_EQ(std::pair(length, std::string(id)), std::pair(10, std::string("100-12345c")));
}

// Identifiers of every width, descriptions up to a full field and each type: measuring gives the
// described lines' kinds, lengths and values, and the identifiers are those "%.2i-%.4i%c" writes.
TEST(BodyLines, MeasuredLinesAgreeWithTheDescribedOnes)
{
    auto l = newLedger();
    const struct {
        int32_t period, number, type, descriptionLength;
    } slots[] = {{0, 0, Loan, 0},   {99, 9999, Interest, 1}, {100, 1, Payment, 43},
                 {5, 10000, 7, 44}, {-1, 7, Interest, 20},   {INT32_MAX, INT32_MIN, Loan, 44}};
    l->count = static_cast<int32_t>(std::size(slots));
    for (int32_t i = 0; i < l->count; ++i) {
        Transaction& t = l->table[i];
        t = {};
        std::memset(t.description.data(), 'a' + i, static_cast<std::size_t>(slots[i].descriptionLength));
        t.period = slots[i].period;
        t.number = slots[i].number;
        t.type = slots[i].type;
    }
    auto lengths = [](const BodyLine& x) {
        return std::tuple(x.kind, x.transaction, x.idLength, x.textLength, x.value, x.total, x.rate);
    };
    for (LineTexts texts : {LineTexts::Screen, LineTexts::Report}) {
        LineWalker described = startLineWalk(*l, texts), measured = described;
        for (int32_t i = 0; i < l->count; ++i) {
            const BodyLine* m = measureTransactionLines(measured, i);
            const std::vector<BodyLine> counted(m, m + linesPerTransaction);
            const BodyLine* d = describeTransactionLines(described, i);
            const BodyLine* again = describeTransactionLines(measured, i);  // described afresh
            for (int32_t k = 0; k < linesPerTransaction; ++k) {
                char id[lineIdSize];
                std::snprintf(id, sizeof id, "%.2i-%.4i%c", slots[i].period, slots[i].number, 'a' + k);
                EXPECT_EQ(lengths(counted[k]), lengths(d[k])) << i << k;
                EXPECT_EQ(std::string(again[k].id) + "|" + std::string(again[k].text, again[k].textLength),
                          std::string(id) + "|" + std::string(d[k].text, d[k].textLength))
                    << i << k;
            }
        }
    }
}
