// The printed page's arithmetic on sheets of Wine's PostScript driver at 300
// dpi (Letter 2550 x 3300, A4 2479 x 3508, offsets 75) and on a few others.
#include <gtest/gtest.h>

#include <vector>

#include "ledger/line_numbers.h"
#include "print/page_layout.h"

constexpr PrinterMeasures letter{300, 2550, 3300, 75, 75}, a4{300, 2479, 3508, 75, 75};

TEST(PrintedPage, TheSheetSetsTheMarginsTheFooterAndThePageBreaks)
{
    const struct {
        PrinterMeasures sheet;
        int32_t linesPerPage, transactions;
        std::vector<int32_t>
            measures;                // pitch, left, top, bottom, footer x, y: block 1618 wide, text 46 high
        std::vector<int32_t> pages;  // full pages, their lines, the last page's lines
    } cases[] = {
        {letter, 34, 32, {70, 391, 375, 2775, 1200, 2821}, {12, 34, 30}},  // the default document: 438 lines
        {a4, 34, 32, {70, 355, 375, 2983, 1164, 3029}, {11, 37, 31}},
        {letter, 34, 48, {70, 391, 375, 2775, 1200, 2821}, {18, 34, 34}},  // 646 lines: 19 pages exactly
        {letter, 49, 32, {48, 391, 375, 2775, 1200, 2821}, {8, 50, 38}},   // the truncated pitch leaves room
        {{300, 1001, 2850, 75, 75}, 34, 32, {70, -383, 375, 2325, 425, 2371}, {16, 27, 6}},  // narrow, short
        {{600, 5101, 6600, 33, 51}, 41, 32, {117, 1708, 849, 5649, 2517, 5695}, {10, 41, 28}},
        {{300, 2550, 900, 75, 75}, 34, 32, {70, 391, 375, 375, 1200, 421}, {437, 1, 1}},  // no room at all
    };
    for (const auto& c : cases) {
        const PrintPage page = printPageFor(c.sheet, 1618, c.linesPerPage);
        const FooterPlace footer = footerPlace(c.sheet, 46);
        EXPECT_EQ(
            (std::vector<int32_t>{page.linePitch, page.left, page.top, page.bottom, footer.x, footer.y}),
            c.measures);
        std::vector<int32_t> pages;  // lines on each page; only a page's first line may pass the bottom
        for (int32_t line = 0, y = page.top; line < bodyLineCountFor(c.transactions); ++line) {
            if (placeLine(page, c.transactions, line, y) || line == 0) pages.push_back(0);
            EXPECT_TRUE(y == page.top || y + page.linePitch <= page.bottom) << line;
            ++pages.back();
        }
        std::vector<int32_t> expected(static_cast<size_t>(c.pages[0]), c.pages[1]);
        expected.push_back(c.pages[2]);
        EXPECT_EQ(pages, expected) << c.sheet.physicalHeight << " high, " << c.transactions
                                   << " transactions";
    }
}
