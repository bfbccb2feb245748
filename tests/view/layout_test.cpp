#include <gtest/gtest.h>

#include "view/layout.h"

// Courier New's stand-in at 96 dpi: 15 pixels high with 2 of internal leading, 8 per character.
constexpr TextMeasures t96{15, 8 * 8, 8 * 21, 8 * 20, 8 * 25};

static ScreenMetrics laidOut(int32_t width, int32_t height, int32_t scrollLine = 0)
{
    ScreenMetrics m{};
    layoutBlock(m, t96, lineHeightFor(15, 2), width, height);
    setPageMetrics(m, 96);
    m.scrollLine = scrollLine;
    return m;
}

TEST(Layout, MetricsAndTheBlock)
{
    ScreenMetrics m = laidOut(800, 600);
    EXPECT_EQ(std::tuple(ledgerFontHeight(96), m.lineHeight, m.linesPerPage, m.pageGap, m.bodyTop,
                         headerRuleY(m), pageStep(visibleLineCount(m))),
              std::tuple(-13, 22, 34, 20, 121, 110, 19));
    EXPECT_EQ(std::tuple(lineHeightFor(19, 3), lineHeightFor(2, 1), lineHeightFor(0, 0)),
              std::tuple(28, 1, 1));  // at least 1
    m = laidOut(300, 600);            // narrower than the block
    const int32_t L = -109;
    ASSERT_EQ(std::tuple(laidOut(1000, 600).blockLeft, laidOut(519, 600).blockLeft,
                         laidOut(518, 600).blockLeft, m.blockLeft, m.blockRight),
              std::tuple(240, 0, 0, L, L + 519));
    const ValueCells body = valueCells(bodyColumn(m, t96), 22, t96);
    EXPECT_EQ(std::pair(body.sign.left, body.fraction.right), std::pair(L + 79, m.blockRight));
}

TEST(Layout, ScrollingLineTopsAndPageRules)
{
    // 438 lines round up to 13 pages of 34: 442.
    const struct {
        int32_t height, bodyLines, visible, max;
    } cases[] = {
        {600, 438, 20, 423}, {600, 442, 20, 423}, {600, 443, 20, 457},           {165, 438, 1, 442},
        {164, 438, 0, 443},  {100, 438, 0, 443},  {121 + 22 * 444, 438, 443, 0}, {20000, 438, 902, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(std::pair(visibleLineCount(laidOut(800, c.height)),
                            maxScrollLine(laidOut(800, c.height), c.bodyLines)),
                  std::pair(c.visible, c.max))
            << c.height << ", " << c.bodyLines;
    EXPECT_EQ(pageStep(0), 1);
    for (auto [scroll, line, top] : {std::tuple{0, 33, 121 + 33 * 22},
                                     {0, 34, 121 + 34 * 22 + 20},
                                     {0, 68, 121 + 68 * 22 + 40},
                                     {30, 29, 121 - 22},
                                     {34, 33, 121 - 22 - 20},
                                     {423, 442, 121 + 19 * 22 + 20}})
        EXPECT_EQ(lineTop(laidOut(800, 600, scroll), line), top) << line << " at " << scroll;
    EXPECT_EQ(std::pair(scrollDelta(laidOut(800, 600), 33, 34), scrollDelta(laidOut(800, 600), 423, 0)),
              std::pair(-42, 423 * 22 + 12 * 20));
    ScreenMetrics m = laidOut(800, 600);
    EXPECT_EQ(std::tuple(lastPageIndex(m, 442), lastPageIndex(m, 443), pageRuleY(m, 0, 12)),
              std::tuple(12, 13, 879));                         // gap 869..889
    EXPECT_EQ(pageRuleY(m, 12, 12), 121 + 442 * 22 + 13 * 20);  // the last page's at its end
    m.lineHeight = 23;
    setPageMetrics(m, 96);  // a gap of 9: the rule 5 above the next page
    EXPECT_EQ(pageRuleY(m, 0, 5), 121 + 33 * 23 + 4);
}
