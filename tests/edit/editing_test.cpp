#include <gtest/gtest.h>

#include "edit/focus.h"
#include "edit/navigation.h"
#include "support/ledger_builders.h"

TEST(Editing, AClickSelectsTheFieldUnderThePointer)
{
    auto l = newLedger();
    const int32_t loan = addAmount(*l, Loan, 1, "1");  // slot 1, its amount on line 21
    ASSERT_TRUE(RecalculateLedger(*l));
    const TextMeasures t{15, 64, 168, 160, 200};
    ScreenMetrics m{22, 34, 20, 240, 759, 121, 1000, 600, 0};
    const HeaderFieldRects r = headerRectsFor(m, t, 152, 208);
    const int32_t x0 = 240 + 64 + 15, amountY = lineTop(m, 21) + 5;
    const int32_t lastBottom = ((13 * 33 + 22 - 1) / 34 + 1) * 8 * 96 + 121;  // 14 pages
    const struct {
        int32_t x, y, scroll;
        bool ignored;
        FocusArea area;
        int32_t field, index;
    } clicks[] = {
        {239, 40, 0, true, Header, 0, 0},                               // left of the block
        {759, 40, 0, true, Header, 0, 0},                               // right of it
        {500, lastBottom, 0, true, Header, 0, 0},                       // below the last page
        {500, lastBottom - 1, 0, false, Transactions, Description, 0},  // the last page's empty band
        {245, 40, 0, false, Header, BalanceSign, 0},
        {r.balanceInteger.right - 1, 40, 0, false, Header, BalanceInteger, 0},
        {r.balanceInteger.right, 40, 0, false, Header, BalanceSign, 0},  // the point cell
        {r.rateFraction.left, 90, 0, false, Header, RateFraction, 0},
        {245, 60, 0, false, Header, BalanceSign, 0},                    // the rate's label
        {245, 111, 0, false, Transactions, Description, 0},             // below the header's rule
        {245, amountY, 0, false, Transactions, Description, loan},      // the loan's identifier
        {x0 + 10, amountY, 0, false, Transactions, Description, loan},  // its sign cell
        {x0 + 37, amountY, 0, false, Transactions, AmountInteger, loan},
        {x0 + 251, amountY, 0, false, Transactions, AmountFraction, loan},
        {x0 + 37, lineTop(m, 9) + 5, 0, false, Transactions, Description, 0},  // an interest amount
        {x0 + 37, lineTop(m, 12 * 32 + 9) + 1, 0, false, Transactions, Description, 32},
        {x0, 130, 12 * 33 + 5, false, Transactions, Description, 0},  // a summary line
    };
    for (const auto& c : clicks) {
        m.scrollLine = c.scroll;
        const ClickTarget hit = fieldAtPoint(c.x, c.y, m, t, r, *l, 96);
        const FieldId& f = hit.field;
        EXPECT_EQ(std::tuple(hit.ignored, hit.ignored ? Header : f.area,
                             hit.ignored        ? 0
                             : f.area == Header ? int32_t(f.headerField)
                                                : int32_t(f.transactionField),
                             hit.ignored || f.area == Header ? 0 : f.transactionIndex),
                  std::tuple(c.ignored, c.area, c.field, c.index))
            << c.x << "," << c.y;
    }
}
