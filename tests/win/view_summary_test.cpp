// The summary after the last transaction on the real window: labels at the
// block's left edge, repeated amounts with their identifiers, totals with
// their wider integer cells.
#include <gtest/gtest.h>

#include <cstring>

#include "app/main_window.h"
#include "ledger/ledger.h"
#include "view/font.h"
#include "view/layout.h"
#include "view/window_layout.h"
#include "win/harness.h"

namespace {

int32_t darkPixels(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    int32_t n = 0;
    const HDC dc = GetDC(mainWindow);
    for (int32_t y = top; y < bottom; ++y)
        for (int32_t x = left; x < right; ++x) n += GetRValue(GetPixel(dc, x, y)) < 128;
    ReleaseDC(mainWindow, dc);
    return n;
}

int32_t width(const char* text)
{
    const HDC dc = GetDC(mainWindow);
    const FontSelection font = selectLedgerFont(dc);
    const int32_t w = textWidth(dc, text);
    releaseLedgerFont(dc, font);
    ReleaseDC(mainWindow, dc);
    return w;
}

class PaintedSummary : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(openMainWindow(800, 600), nullptr);
        SetWindowPos(mainWindow, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        t = measureScreenText();
        x0 = bodyColumn(screen, t);
    }
    void TearDown() override { closeMainWindow(); }

    void scrollTo(int32_t line)
    {
        SendMessageA(mainWindow, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, line), 0);
        pumpMessages();
        ASSERT_EQ(screen.scrollLine, line);
    }
    // The text band of body line L.
    int32_t bandTop(int32_t line) const { return textTop(screen, lineTop(line), t.charHeight); }
    int32_t inBand(int32_t line, int32_t left, int32_t right) const
    {
        return darkPixels(left, bandTop(line), right, bandTop(line) + t.charHeight);
    }
    // A label stands at blockLeft and nothing follows it on its line.
    void expectLabel(int32_t line, const char* label) const
    {
        const int32_t end = screen.blockLeft + width(label);
        EXPECT_GT(inBand(line, screen.blockLeft, end), 10 * static_cast<int32_t>(std::strlen(label)) / 4) << label;
        EXPECT_EQ(inBand(line, end + 1, screen.clientWidth), 0) << label;
        EXPECT_EQ(inBand(line, 0, screen.blockLeft), 0) << label;
    }
    TextMeasures t{};
    int32_t x0 = 0;
};

TEST_F(PaintedSummary, HeadingsAndRepeatedInterestAmounts)
{
    const int32_t s = 12 * 32;
    scrollTo(s);
    expectLabel(s, "Balancing of transaction amounts: ");
    expectLabel(s + 1, "Interest transaction amounts: ");
    // "01-0001j" and then "02-0001j": identifiers at blockLeft, values in
    // the body's columns (the sign cell at x0).
    for (int32_t line : {s + 2, s + 3}) {
        EXPECT_GT(inBand(line, screen.blockLeft, screen.blockLeft + t.idWidth), 20);
        EXPECT_EQ(inBand(line, screen.blockLeft + t.idWidth + 1, x0), 0);
        EXPECT_GT(inBand(line, x0, x0 + screen.lineHeight), 3) << "the sign";
    }
}

TEST_F(PaintedSummary, CountsTotalsAndTheEmptyLoanSection)
{
    const int32_t s = 12 * 32;
    scrollTo(s + 20);
    expectLabel(s + 34, "Number of interest transactions: 0032");
    expectLabel(s + 35, "Total of interest transaction amounts: ");
    expectLabel(s + 37, "Loan transaction amounts: ");
    expectLabel(s + 38, "Number of loan transactions: 0000");
    expectLabel(s + 39, "Total of loan transaction amounts:");
    // A total row has no identifier and four more integer digits, which
    // start where an amount row still shows its sign cell's margin.
    const int32_t total = s + 36;
    const ValueCells body = valueCells(x0, screen.lineHeight, t);
    const ValueCells wide = totalValueCells(x0, screen.lineHeight, t);
    EXPECT_EQ(inBand(total, 0, wide.sign.left), 0);
    EXPECT_GT(inBand(total, wide.sign.left, wide.sign.right), 3) << "the sign, moved left";
    EXPECT_GT(inBand(total, wide.integer.left + t.charHeight, body.integer.left + t.charHeight), 20);
    EXPECT_GT(inBand(total, body.fraction.left, body.fraction.right), 100);
}

TEST_F(PaintedSummary, TheLastLinesEndTheLedger)
{
    const int32_t s = 12 * 32;
    scrollTo(423);
    expectLabel(s + 45, "Total of transaction amounts: ");
    expectLabel(s + 47, "Beginning balance: ");
    expectLabel(s + 49, "Beginning balance plus total of transaction amounts: ");
    expectLabel(s + 51, "Ending balance: ");
    expectLabel(s + 53, "Number of transactions: 0032");
    // "01-0001f" and "32-0001l" before the repeated balances.
    for (int32_t line : {s + 48, s + 52}) {
        EXPECT_GT(inBand(line, screen.blockLeft, screen.blockLeft + t.idWidth), 20);
        EXPECT_GT(inBand(line, x0, screen.blockRight), 100);
    }
    // After the last line only the last page's rule, at the full page end.
    const int32_t after = lineTop(s + 54);
    const int32_t rule = lineTop(442);
    ASSERT_LT(rule, screen.clientHeight);
    EXPECT_EQ(darkPixels(0, after, screen.clientWidth, rule), 0);
    EXPECT_GT(darkPixels(screen.blockLeft, rule, screen.blockRight, rule + 1), screen.blockRight - screen.blockLeft - 2);
    EXPECT_EQ(darkPixels(0, rule + 1, screen.clientWidth, screen.clientHeight), 0);
}

}  // namespace
