#include <gtest/gtest.h>

#include <vector>

#include "support/ledger_builders.h"
#include "view/refresh.h"

namespace {

std::vector<std::tuple<int32_t, int32_t, int32_t, int32_t>> rects;
void record(const PixelRect& r) { rects.emplace_back(r.left, r.top, r.right, r.bottom); }

// Courier New's stand-in at 96 dpi: 15 pixels high, 8 per character.
constexpr TextMeasures t96{15, 8 * 8, 8 * 21, 8 * 20, 8 * 25};

}  // namespace

// The default document with a loan of 100 in slot 1 raised to 200: in an
// 800 pixel wide window the integer cell of a body row is [256, 454), of a
// total row [224, 454), and "100" and "200" first differ at digit 19.
TEST(Refresh, OnlyTheChangedDigitTailsOfVisibleRows)
{
    static Ledger l;
    makeNewLedger(l);
    const int32_t loan = addAmount(l, Loan, 1, "100");
    ASSERT_TRUE(RecalculateLedger(l));
    static TransactionTable before;
    before = l.table;
    std::array<char, 128> saved{};
    std::memcpy(saved.data(), l.table[loan].amount.integer.data(), 22);
    setInteger(l.table[loan].amount.integer, "200");
    ASSERT_TRUE(RecalculateLedger(l));
    EditFocus committed{Transactions, BalanceSign, loan, AmountInteger, {}, 0, 0, 0, 0};
    ScreenMetrics m{};
    layoutBlock(m, t96, 22, 800, 600);
    setPageMetrics(m, 96);
    auto refreshAt = [&](int32_t scroll, int32_t height) {
        rects.clear();
        m.scrollLine = scroll;
        m.clientHeight = height;
        refreshChangedCells(l, before, committed, saved, m, t96, record);
        return rects;
    };
    // Lines 23 (the loan's new balance) and 29 (the next old balance); 35 is below the window.
    EXPECT_EQ(refreshAt(12, 600), (decltype(rects){{415, 364, 453, 384}, {415, 496, 453, 516}}));
    EXPECT_TRUE(refreshAt(0, 600).empty()) << "nothing visible changed";
    // The summary from its first line: the loan row, the loan, transaction and balancing totals and
    // the ending balance, whole cells over whole lines; the interest rows and totals did not change.
    const int32_t s = 12 * l.count;
    auto full = [&](int32_t offset) {
        const int32_t top = lineTop(m, s + offset);
        return std::tuple(415, top, 454, top + 22);
    };
    const auto summary = refreshAt(s, 2000);
    EXPECT_EQ(summary, (decltype(rects){full(38), full(41), full(47), full(51), full(53)}));
    EXPECT_TRUE(refreshAt(s + 60, 2000).empty()) << "the summary scrolled out of view";

    // Nothing changed at all.
    before = l.table;
    l.previousTotals = l.currentTotals;
    EXPECT_TRUE(refreshAt(0, 2000).empty());
    // A new rate repaints the rate rows, but only when the rate was the committed field.
    saved.fill(0);
    std::memcpy(saved.data(), l.header.ratePerPeriod.data(), 21);
    setFraction(l.header.ratePerPeriod, "5");
    committed = {Header, RateFraction, 0, Description, {}, 0, 0, 0, 0};
    EXPECT_EQ(refreshAt(0, 600), (decltype(rects){{484, 276, 658, 296}, {484, 540, 658, 560}}));
    committed.headerField = BalanceInteger;
    EXPECT_TRUE(refreshAt(0, 600).empty());
}
