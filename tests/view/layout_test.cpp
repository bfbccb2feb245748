#include <gtest/gtest.h>

#include "view/layout.h"

namespace {

// Courier New's stand-in at 96 dpi: 15 pixels high with 2 of internal
// leading, 8 pixels per character.
constexpr TextMeasures measures96{15, 8 * 8, 8 * 21, 8 * 20, 8 * 25};

ScreenMetrics laidOut(int32_t width, int32_t height, int32_t scrollLine = 0,
                      const TextMeasures& t = measures96, int32_t internalLeading = 2,
                      int32_t dpi = 96)
{
    ScreenMetrics m{};
    layoutBlock(m, t, lineHeightFor(t.charHeight, internalLeading), width, height);
    setPageMetrics(m, dpi);
    m.scrollLine = scrollLine;
    return m;
}

TEST(LineMetrics, WorkedExampleAt96Dpi)
{
    const ScreenMetrics m = laidOut(800, 600);
    EXPECT_EQ(ledgerFontHeight(96), -13);
    EXPECT_EQ(m.lineHeight, 22);
    EXPECT_EQ(m.linesPerPage, 34);
    EXPECT_EQ(m.pageGap, 20);
    EXPECT_EQ(m.bodyTop, 121);
    EXPECT_EQ(headerRuleY(m), 110);  // 2h + 4 lh
    EXPECT_EQ(visibleLineCount(m), 20);
    EXPECT_EQ(maxScrollLine(m, 438), 423);
    EXPECT_EQ(pageStep(visibleLineCount(m)), 19);
    // Every page is exactly 8 inches.
    EXPECT_EQ(m.linesPerPage * m.lineHeight + m.pageGap, 8 * 96);
}

TEST(LineMetrics, FontHeightTruncatesTowardZero)
{
    const struct { int32_t dpi, height; } cases[] = {{72, -10}, {96, -13}, {120, -16}, {144, -20}, {600, -83}};
    for (const auto& c : cases) EXPECT_EQ(ledgerFontHeight(c.dpi), c.height) << c.dpi;
}

TEST(LineMetrics, LineHeightIsSevenQuartersAndAtLeastOne)
{
    const struct { int32_t charHeight, leading, lineHeight; } cases[] = {
        {15, 2, 22}, {16, 3, 22}, {19, 3, 28}, {2, 1, 1}, {1, 1, 1}, {1, 3, 1}, {0, 0, 1}, {100, 0, 175},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lineHeightFor(c.charHeight, c.leading), c.lineHeight) << c.charHeight << "/" << c.leading;
}

TEST(LineMetrics, PagesAreEightInchesAtAnyResolution)
{
    const struct { int32_t lineHeight, dpi, lines, gap; } cases[] = {
        {22, 96, 34, 20}, {24, 96, 32, 0}, {28, 120, 34, 8}, {1, 96, 768, 0}, {175, 600, 27, 75},
    };
    for (const auto& c : cases) {
        ScreenMetrics m{};
        m.lineHeight = c.lineHeight;
        setPageMetrics(m, c.dpi);
        EXPECT_EQ(m.linesPerPage, c.lines) << c.lineHeight << " at " << c.dpi;
        EXPECT_EQ(m.pageGap, c.gap) << c.lineHeight << " at " << c.dpi;
    }
}

TEST(BlockLayout, CentredAndNegativeWhenNarrow)
{
    ASSERT_EQ(blockWidth(measures96, 22), 519);
    const struct { int32_t width, left; } cases[] = {{1000, 240}, {519, 0}, {520, 0}, {518, 0}, {300, -109}, {0, -259}};
    for (const auto& c : cases) {
        const ScreenMetrics m = laidOut(c.width, 600);
        EXPECT_EQ(m.blockLeft, c.left) << c.width;
        EXPECT_EQ(m.blockRight, c.left + 519) << c.width;
        EXPECT_EQ(m.clientWidth, c.width);
        EXPECT_EQ(m.bodyTop, 121) << "the body does not depend on the width";
    }
}

void expectRect(const PixelRect& r, int32_t left, int32_t top, int32_t right, int32_t bottom, const char* what)
{
    EXPECT_EQ(r.left, left) << what;
    EXPECT_EQ(r.top, top) << what;
    EXPECT_EQ(r.right, right) << what;
    EXPECT_EQ(r.bottom, bottom) << what;
}

TEST(BlockLayout, HeaderRectanglesFollowTheRows)
{
    for (int32_t width : {1000, 300}) {
        const ScreenMetrics m = laidOut(width, 600);
        const int32_t L = m.blockLeft;
        const HeaderFieldRects r = headerRectsFor(m, measures96, 152, 208);
        // h = 11, lh = 22, ch = 15, intWidth 168, fracWidth 160.
        expectRect(r.balanceLabel, L, 11, L + 152, 33, "balance label");
        expectRect(r.balanceSign, L, 33, L + 22, 55, "balance sign");
        expectRect(r.balanceInteger, L + 37, 33, L + 235, 55, "balance integer");
        expectRect(r.balancePoint, L + 235, 33, L + 250, 55, "balance point");
        expectRect(r.balanceFraction, L + 250, 33, L + 440, 55, "balance fraction");
        expectRect(r.rateLabel, L, 55, L + 208, 77, "rate label");
        expectRect(r.rateSign, L, 77, L + 22, 99, "rate sign");
        expectRect(r.rateInteger, L + 37, 77, L + 235, 99, "rate integer");
        expectRect(r.ratePoint, L + 235, 77, L + 250, 99, "rate point");
        expectRect(r.rateFraction, L + 250, 77, L + 440, 99, "rate fraction");
        EXPECT_LT(r.rateFraction.bottom, headerRuleY(m));
    }
}

TEST(BlockLayout, BodyValueRowEndsAtTheBlocksRightEdge)
{
    for (int32_t width : {1000, 519, 300}) {
        const ScreenMetrics m = laidOut(width, 600);
        const int32_t x0 = bodyColumn(m, measures96);
        EXPECT_EQ(x0, m.blockLeft + 64 + 15);
        const ValueCells c = valueCells(x0, m.lineHeight, measures96);
        EXPECT_EQ(c.sign.left, x0);
        EXPECT_EQ(c.sign.right, x0 + 22);
        EXPECT_EQ(c.integer.left, c.sign.right + 15);
        EXPECT_EQ(c.point.left, c.integer.right);
        EXPECT_EQ(c.fraction.left, c.point.right);
        EXPECT_EQ(c.fraction.right, m.blockRight) << width;
    }
}

TEST(BlockLayout, TotalsMoveSignAndIntegerStartLeft)
{
    const ValueCells body = valueCells(100, 22, measures96);
    const ValueCells total = totalValueCells(100, 22, measures96);
    const int32_t shift = 8 * 25 - 8 * 21;
    EXPECT_EQ(total.sign.left, body.sign.left - shift);
    EXPECT_EQ(total.sign.right, body.sign.right - shift);
    EXPECT_EQ(total.integer.left, body.integer.left - shift);
    EXPECT_EQ(total.integer.right, body.integer.right);
    EXPECT_EQ(total.point.left, body.point.left);
    EXPECT_EQ(total.fraction.right, body.fraction.right);
}

TEST(ScrollModel, VisibleLinesAndMaximum)
{
    // 438 lines round up to 13 pages of 34 = 442 lines.
    const struct { int32_t height, bodyLines, visible, max; } cases[] = {
        {600, 438, 20, 423},
        {600, 442, 20, 423},   // exact multiple of linesPerPage: no extra page
        {600, 443, 20, 457},   // one line more: a whole page more
        {600, 1, 20, 15},
        {143, 438, 0, 443},    // one line fits below bodyTop: none counts
        {164, 438, 0, 443},
        {165, 438, 1, 442},
        {121, 438, 0, 443},
        {100, 438, 0, 443},    // the body is hidden under the header
        {0, 438, 0, 443},
        {121 + 22 * 444, 438, 443, 0},   // tall enough for every line and one more
        {121 + 22 * 445, 438, 444, 0},   // taller still: never below 0
        {20000, 438, 902, 0},
    };
    for (const auto& c : cases) {
        const ScreenMetrics m = laidOut(800, c.height);
        EXPECT_EQ(visibleLineCount(m), c.visible) << "height " << c.height;
        EXPECT_EQ(maxScrollLine(m, c.bodyLines), c.max) << "height " << c.height << ", lines " << c.bodyLines;
    }
}

TEST(ScrollModel, RequestsMoveByLinePageOrThumb)
{
    const struct { int32_t code, thumb, current, visible, target; } cases[] = {
        {ScrollLineUp, 99, 10, 20, 9},
        {ScrollLineDown, 99, 10, 20, 11},
        {ScrollPageUp, 99, 10, 20, -9},
        {ScrollPageDown, 99, 10, 20, 29},
        {ScrollPageDown, 99, 10, 0, 11},  // nothing fits: a page is one line
        {ScrollPageDown, 99, 10, 1, 11},
        {ScrollPageDown, 99, 10, 2, 11},
        {ScrollPageDown, 99, 10, 3, 12},
        {ScrollPageUp, 99, 10, 0, 9},
        {ScrollThumbPosition, 99, 10, 20, 99},
        {ScrollThumbTrack, 77, 10, 20, 77},
        {6, 99, 10, 20, 10},  // top
        {7, 99, 10, 20, 10},  // bottom
        {8, 99, 10, 20, 10},  // end of scroll
        {42, 99, 10, 20, 10},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scrollRequestTarget(c.code, c.thumb, c.current, c.visible), c.target) << "code " << c.code;
}

TEST(ScrollModel, ClampKeepsZeroWhenMaximumIsNegative)
{
    const struct { int32_t p, max, clamped; } cases[] = {
        {-1, 423, 0}, {0, 423, 0}, {200, 423, 200}, {423, 423, 423}, {424, 423, 423},
        {5, 0, 0}, {5, -3, 0}, {-5, -3, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(clampScrollLine(c.p, c.max), c.clamped) << c.p << " in " << c.max;
}

TEST(ScrollModel, LineTopAddsPageGapPerBoundary)
{
    const struct { int32_t scroll, line, top; } cases[] = {
        {0, 0, 121},
        {0, 1, 143},
        {0, 33, 121 + 33 * 22},
        {0, 34, 121 + 34 * 22 + 20},
        {0, 68, 121 + 68 * 22 + 40},
        {30, 30, 121},
        {30, 33, 121 + 3 * 22},
        {30, 34, 121 + 4 * 22 + 20},
        {30, 29, 121 - 22},
        {34, 33, 121 - 22 - 20},
        {35, 33, 121 - 44 - 20},
        {423, 423, 121},
        {423, 437, 121 + 14 * 22},       // both on page 12
        {423, 442, 121 + 19 * 22 + 20},  // 442 opens page 13
    };
    for (const auto& c : cases) {
        const ScreenMetrics m = laidOut(800, 600, c.scroll);
        EXPECT_EQ(lineTop(m, c.line), c.top) << "line " << c.line << " at " << c.scroll;
    }
}

TEST(ScrollModel, ScrollDeltaMatchesTheMovedLines)
{
    const struct { int32_t from, to, dy; } cases[] = {
        {0, 1, -22},
        {1, 0, 22},
        {32, 33, -22},
        {33, 34, -42},   // crossing one page boundary
        {0, 19, -19 * 22},
        {20, 39, -19 * 22 - 20},
        {0, 68, -68 * 22 - 40},
        {423, 0, 423 * 22 + 12 * 20},
        {5, 5, 0},
    };
    for (const auto& c : cases) {
        const ScreenMetrics before = laidOut(800, 600, c.from);
        const ScreenMetrics after = laidOut(800, 600, c.to);
        const int32_t dy = scrollDelta(before, c.from, c.to);
        EXPECT_EQ(dy, c.dy) << c.from << " -> " << c.to;
        // Every line lands exactly where the moved pixels put it.
        for (int32_t line : {0, 1, 33, 34, 35, 67, 68, 200, 437})
            EXPECT_EQ(lineTop(after, line), lineTop(before, line) + dy) << "line " << line;
    }
}

TEST(ScrollModel, KeepingALineVisible)
{
    const struct { int32_t current, line, visible, target; } cases[] = {
        {0, 69, 20, 50},   // the amount of transaction 5 becomes the 20th line
        {50, 24, 20, 24},  // then the description of transaction 2 the first
        {50, 60, 20, 50},  // already among the first 20
        {50, 69, 20, 50},  // the 20th line itself
        {50, 70, 20, 51},
        {50, 50, 20, 50},
        {10, 40, 0, 40},   // nothing visible: the line becomes the first
        {50, 40, 0, 40},
        {0, 5, 1, 5},
        {0, 0, 20, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(keepLineVisible(c.current, c.line, c.visible), c.target)
            << "line " << c.line << " from " << c.current << " with " << c.visible;
}

TEST(ScrollModel, FirstVisibleLineIsTheFirstAtOrBelowBodyTop)
{
    for (int32_t scroll : {0, 1, 33, 34, 35, 100, 423, 13290}) {
        const ScreenMetrics m = laidOut(800, 600, scroll);
        const int32_t first = firstVisibleLine(m);
        EXPECT_GE(lineTop(m, first), m.bodyTop) << scroll;
        if (first > 0) {
            EXPECT_LT(lineTop(m, first - 1), m.bodyTop) << scroll;
        }
    }
}

TEST(PageRules, MiddleOfTheGapExceptTheLastPage)
{
    const ScreenMetrics m = laidOut(800, 600);
    const int32_t last = lastPageIndex(m, 438);
    ASSERT_EQ(last, 12);
    // Line 33 ends at 869, line 34 starts at 889: the gap is 869..889.
    EXPECT_EQ(pageRuleY(m, 0, last), 879);
    EXPECT_EQ(pageRuleY(m, 1, last), lineTop(m, 68) - 10);
    EXPECT_EQ(pageRuleY(m, 12, last), lineTop(m, 442));
    EXPECT_EQ(lastPageIndex(m, 442), 12);
    EXPECT_EQ(lastPageIndex(m, 443), 13);
    EXPECT_EQ(lastPageIndex(m, 34), 0);
}

TEST(PageRules, OddGapPutsTheRuleAtTheLowerMiddle)
{
    ScreenMetrics m = laidOut(800, 600);
    m.lineHeight = 23;
    setPageMetrics(m, 96);  // 768 = 33 x 23 + 9
    ASSERT_EQ(m.pageGap, 9);
    const int32_t gapStart = lineTop(m, 32) + 23;
    EXPECT_EQ(pageRuleY(m, 0, 5), gapStart + 4);  // 9 - 9 / 2 = 5 pixels above the next page
}

TEST(PageRules, NoRuleSkippedBeforeTheFirstOneDrawn)
{
    for (int32_t lineHeight : {22, 24}) {  // with and without a gap
        for (int32_t scroll : {0, 1, 33, 34, 35, 64, 68, 69, 200}) {
            ScreenMetrics m = laidOut(800, 600, scroll);
            m.lineHeight = lineHeight;
            setPageMetrics(m, 96);
            const int32_t first = firstPageRuleToDraw(m);
            for (int32_t p = 0; p < first; ++p)
                EXPECT_LT(pageRuleY(m, p, 1000), m.bodyTop) << "page " << p << " at " << scroll;
        }
    }
}

TEST(Summary, DefaultDocumentLines)
{
    const struct { int32_t offset; SummaryRow row; int32_t ordinal; } cases[] = {
        {0, BalancingHeading, 0},       {1, InterestAmountsHeading, 0}, {2, InterestAmountRow, 0},
        {33, InterestAmountRow, 31},    {34, InterestCountRow, 0},      {35, InterestTotalLabel, 0},
        {36, InterestTotalRow, 0},      {37, LoanAmountsHeading, 0},    {38, LoanCountRow, 0},
        {39, LoanTotalLabel, 0},        {40, LoanTotalRow, 0},          {41, PaymentAmountsHeading, 0},
        {42, PaymentCountRow, 0},       {43, PaymentTotalLabel, 0},     {44, PaymentTotalRow, 0},
        {45, TransactionTotalLabel, 0}, {46, TransactionTotalRow, 0},   {47, BeginningBalanceLabel, 0},
        {48, BeginningBalanceRow, 0},   {49, BalancingTotalLabel, 0},   {50, BalancingTotalRow, 0},
        {51, EndingBalanceLabel, 0},    {52, EndingBalanceRow, 0},      {53, TransactionCountRow, 0},
    };
    for (const auto& c : cases) {
        const SummaryLine s = summaryLine(c.offset, 32, 0, 0);
        EXPECT_EQ(s.row, c.row) << "offset " << c.offset;
        EXPECT_EQ(s.ordinal, c.ordinal) << "offset " << c.offset;
    }
}

TEST(Summary, MixedDocumentLines)
{
    // ni 2, nl 3, np 1: "+ k" is offset 6 + k.
    const struct { int32_t offset; SummaryRow row; int32_t ordinal; } cases[] = {
        {1, InterestAmountsHeading, 0}, {3, InterestAmountRow, 1},   {4, InterestCountRow, 0},
        {6, InterestTotalRow, 0},       {7, LoanAmountsHeading, 0},  {8, LoanAmountRow, 0},
        {10, LoanAmountRow, 2},         {11, LoanCountRow, 0},       {12, LoanTotalLabel, 0},
        {13, LoanTotalRow, 0},          {14, PaymentAmountsHeading, 0}, {15, PaymentAmountRow, 0},
        {16, PaymentCountRow, 0},       {17, PaymentTotalLabel, 0},  {18, PaymentTotalRow, 0},
        {19, TransactionTotalLabel, 0}, {22, BeginningBalanceRow, 0}, {26, EndingBalanceRow, 0},
        {27, TransactionCountRow, 0},
    };
    for (const auto& c : cases) {
        const SummaryLine s = summaryLine(c.offset, 2, 3, 1);
        EXPECT_EQ(s.row, c.row) << "offset " << c.offset;
        EXPECT_EQ(s.ordinal, c.ordinal) << "offset " << c.offset;
    }
}

TEST(Summary, OffsetsInvertTheLines)
{
    const struct { int32_t ni, nl, np; } shapes[] = {{32, 0, 0}, {2, 3, 1}, {32, 500, 492}, {1, 0, 7}};
    for (const auto& sh : shapes) {
        const int32_t lines = sh.ni + sh.nl + sh.np + fixedSummaryLines;
        EXPECT_EQ(summaryLine(lines - 1, sh.ni, sh.nl, sh.np).row, TransactionCountRow);
        for (int32_t o = 0; o < lines; ++o) {
            const SummaryLine s = summaryLine(o, sh.ni, sh.nl, sh.np);
            EXPECT_EQ(summaryOffset(s.row, sh.ni, sh.nl, sh.np) + s.ordinal, o) << "offset " << o;
        }
    }
}

}  // namespace
