// The painted ledger on the real window: positions come from the layout
// records, never from a stored screenshot.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "app/main_window.h"
#include "edit/field_geometry.h"
#include "edit/focus.h"
#include "ledger/adding.h"
#include "ledger/ledger.h"
#include "view/font.h"
#include "view/layout.h"
#include "view/paint.h"
#include "view/window_layout.h"
#include "win/harness.h"

namespace {

// The client area's pixels, read once.
struct Capture {
    int32_t width, height;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, top row first
    uint32_t at(int32_t x, int32_t y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    bool dark(int32_t x, int32_t y) const { return ((at(x, y) >> 16) & 0xff) < 128; }
};

// Copies what `source` shows (the window, or a memory DC) into a capture.
Capture captureFrom(HDC source, int32_t width, int32_t height)
{
    Capture c{width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height)};
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HDC memory = CreateCompatibleDC(source);
    const HBITMAP bitmap = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* p = static_cast<const uint32_t*>(bits);
    for (size_t i = 0; i < c.pixels.size(); ++i) c.pixels[i] = p[i] & 0xffffff;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return c;
}

Capture captureClient()
{
    pumpMessages();
    const HDC dc = GetDC(mainWindow);
    const Capture c = captureFrom(dc, screen.clientWidth, screen.clientHeight);
    ReleaseDC(mainWindow, dc);
    return c;
}

void repaintAll()
{
    InvalidateRect(mainWindow, nullptr, TRUE);
    UpdateWindow(mainWindow);
}

int32_t darkPixels(const Capture& c, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    int32_t n = 0;
    for (int32_t y = top; y < bottom; ++y)
        for (int32_t x = left; x < right; ++x) n += c.dark(x, y);
    return n;
}

int32_t width(const char* text, int32_t length)
{
    const HDC dc = GetDC(mainWindow);
    const FontSelection font = selectLedgerFont(dc);
    const int32_t w = textWidth(dc, text, length);
    releaseLedgerFont(dc, font);
    ReleaseDC(mainWindow, dc);
    return w;
}

class PaintedLedger : public testing::Test {
protected:
    void SetUp() override
    {
        // Tall enough to show the first page gap; at the screen's top left
        // so that every client pixel is on the screen.
        ASSERT_NE(openMainWindow(800, 900), nullptr);
        SetWindowPos(mainWindow, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        pumpMessages();
        t = measureScreenText();
    }
    void TearDown() override { closeMainWindow(); }
    int32_t textY(int32_t top) const { return textTop(screen, top, t.charHeight); }
    TextMeasures t{};
};

TEST_F(PaintedLedger, BoxesHaveBordersAndTheActiveSignATwoPixelFrame)
{
    const Capture c = captureClient();
    struct Case { const char* name; PixelRect box; bool active; };
    const Case cases[] = {
        {"balance sign", headerRects.balanceSign, true},
        {"balance integer", headerRects.balanceInteger, false},
        {"balance fraction", headerRects.balanceFraction, false},
        {"rate fraction", headerRects.rateFraction, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        const PixelRect& b = k.box;
        const int32_t midY = (b.top + b.bottom) / 2;
        const int32_t midX = (b.left + b.right) / 2;
        EXPECT_TRUE(c.dark(b.left, midY));
        EXPECT_TRUE(c.dark(b.right - 1, midY));
        EXPECT_TRUE(c.dark(midX, b.top));
        EXPECT_TRUE(c.dark(midX, b.bottom - 1));
        EXPECT_EQ(c.dark(b.left - 1, midY), k.active);
        EXPECT_EQ(c.dark(b.right, midY), k.active);
        EXPECT_EQ(c.dark(midX, b.top - 1), k.active);
        EXPECT_EQ(c.dark(midX, b.bottom), k.active);
        EXPECT_FALSE(c.dark(b.left - 2, midY));
        EXPECT_FALSE(c.dark(b.left + 1, midY)) << "white fill inside the border";
    }
    // Nothing is drawn in the rate's integer cell.
    const PixelRect& r = headerRects.rateInteger;
    EXPECT_EQ(darkPixels(c, r.left, r.top, r.right, r.bottom), 0);
}

TEST_F(PaintedLedger, TheSelectedSignIsInverted)
{
    const Capture c = captureClient();
    const PixelRect& box = headerRects.balanceSign;
    const int32_t origin = signTextOrigin(box, width("+", 1));
    const int32_t y = textY(box.top);
    // The selection band is mostly black, with the "+" white inside it.
    const int32_t area = width("+", 1) * t.charHeight;
    const int32_t dark = darkPixels(c, origin, y, origin + width("+", 1), y + t.charHeight);
    EXPECT_GT(dark, area / 2);
    EXPECT_LT(dark, area);
    // Outside the band, between band and frame, the box is white.
    EXPECT_FALSE(c.dark(origin - 2, y + t.charHeight / 2));
    EXPECT_FALSE(c.dark(box.left + 1, box.top + 1));
}

TEST_F(PaintedLedger, TextsStandWhereTheLayoutPutsThem)
{
    const Capture c = captureClient();
    const int32_t top = lineTop(0);
    const int32_t y = textY(top);
    const int32_t x0 = bodyColumn(screen, t);
    // "01-0001a" at blockLeft, nothing between it and the description box.
    EXPECT_GT(darkPixels(c, screen.blockLeft, y, screen.blockLeft + t.idWidth, y + t.charHeight), 20);
    EXPECT_EQ(darkPixels(c, screen.blockLeft + t.idWidth + 1, top, x0 - 1, top + screen.lineHeight), 0);
    EXPECT_EQ(darkPixels(c, 0, top, screen.blockLeft - 1, top + screen.lineHeight), 0);
    // The description box spans x0 .. blockRight and is empty.
    EXPECT_TRUE(c.dark(x0, top + screen.lineHeight / 2));
    EXPECT_TRUE(c.dark(screen.blockRight - 1, top + screen.lineHeight / 2));
    EXPECT_EQ(darkPixels(c, x0 + 1, top + 1, screen.blockRight - 1, top + screen.lineHeight - 1), 0);
    // Line b, "Period: 01", starts at x0.
    const int32_t yb = textY(lineTop(1));
    EXPECT_GT(darkPixels(c, x0, yb, x0 + width("Period: 01", 10), yb + t.charHeight), 20);
    EXPECT_EQ(darkPixels(c, x0 + width("Period: 01", 10) + 1, yb, screen.blockRight, yb + t.charHeight), 0);
}

TEST_F(PaintedLedger, RulesUnderTheHeaderAndInTheMiddleOfThePageGap)
{
    const Capture c = captureClient();
    const int32_t xs[] = {screen.blockLeft, (screen.blockLeft + screen.blockRight) / 2, screen.blockRight - 1};
    const int32_t rule = headerRuleY(screen);
    ASSERT_EQ(screen.pageGap, 20);
    const int32_t gapTop = lineTop(screen.linesPerPage - 1) + screen.lineHeight;
    const int32_t pageRule = gapTop + screen.pageGap / 2;
    ASSERT_LT(pageRule, screen.clientHeight);
    for (int32_t x : xs) {
        EXPECT_TRUE(c.dark(x, rule)) << x;
        EXPECT_FALSE(c.dark(x, rule + 1)) << "single while a header field is active";
        EXPECT_FALSE(c.dark(x, rule - 1)) << x;
        EXPECT_TRUE(c.dark(x, pageRule)) << x;
        EXPECT_FALSE(c.dark(x, pageRule - 1)) << x;
        EXPECT_FALSE(c.dark(x, pageRule + 1)) << x;
    }
    EXPECT_FALSE(c.dark(screen.blockLeft - 1, pageRule));
    EXPECT_FALSE(c.dark(screen.blockRight, pageRule));
    // The rest of the gap is blank.
    EXPECT_EQ(darkPixels(c, 0, gapTop, screen.clientWidth, pageRule), 0);
    EXPECT_EQ(darkPixels(c, 0, pageRule + 1, screen.clientWidth, gapTop + screen.pageGap), 0);
}

TEST_F(PaintedLedger, ActivatingAFieldMovesTheFrame)
{
    activateField(1, Description);
    const Capture c = captureClient();
    const PixelRect sign = headerRects.balanceSign;
    EXPECT_FALSE(c.dark(sign.left - 1, (sign.top + sign.bottom) / 2)) << "the old frame is gone";
    const PixelRect box = transactionFieldBox(screen, t, 1, Description);
    EXPECT_TRUE(c.dark(box.left - 1, (box.top + box.bottom) / 2));
    EXPECT_TRUE(c.dark(box.right, (box.top + box.bottom) / 2));
    EXPECT_TRUE(c.dark((box.left + box.right) / 2, box.top - 1));
    EXPECT_TRUE(c.dark((box.left + box.right) / 2, box.bottom));
    // An empty description: the caret at the text origin, nothing selected.
    const int32_t y = textY(box.top);
    EXPECT_TRUE(c.dark(box.left + t.charHeight, y + t.charHeight / 2));
    EXPECT_EQ(darkPixels(c, box.left + t.charHeight + 1, box.top + 1, box.right - 1, box.bottom - 1), 0);
}

TEST_F(PaintedLedger, TheHeaderRuleIsDoubleWhileATransactionFieldIsActive)
{
    activateField(1, Description);
    repaintAll();
    const Capture c = captureClient();
    const int32_t rule = headerRuleY(screen);
    for (int32_t x : {screen.blockLeft, (screen.blockLeft + screen.blockRight) / 2, screen.blockRight - 1}) {
        EXPECT_TRUE(c.dark(x, rule)) << x;
        EXPECT_TRUE(c.dark(x, rule + 1)) << x;
        EXPECT_FALSE(c.dark(x, rule + 2)) << x;
    }
}

TEST_F(PaintedLedger, AnActiveIntegerFieldHugsTheRightEdge)
{
    activateField(BalanceInteger);
    editFocus.editText.fill(0);
    editFocus.editText[0] = '7';
    editFocus.caret = 1;
    editFocus.selectionShown = 0;
    repaintAll();
    const Capture c = captureClient();
    const PixelRect& box = headerRects.balanceInteger;
    const int32_t w = width("7", 1);
    const int32_t origin = integerTextOrigin(box, t.charHeight, w);
    const int32_t y = textY(box.top);
    EXPECT_GT(darkPixels(c, origin, y, origin + w, y + t.charHeight), 5);
    EXPECT_EQ(darkPixels(c, box.left + 1, box.top + 1, origin - 1, box.bottom - 1), 0);
    EXPECT_TRUE(c.dark(origin + w, y + t.charHeight / 2)) << "caret after the digit";
    EXPECT_TRUE(c.dark(box.left - 1, (box.top + box.bottom) / 2));
}

TEST_F(PaintedLedger, SelectAllInvertsTheBodyOnceAndLeavesTheHeader)
{
    const Capture before = captureClient();
    editFocus.area = WholeDocument;
    repaintAll();
    const Capture selected = captureClient();
    repaintAll();
    const Capture again = captureClient();
    EXPECT_TRUE(selected.pixels == again.pixels) << "a full repaint inverts each pixel once";

    // The header is as before, but for the sign's frame and selection.
    const PixelRect sign = grownByOne(headerRects.balanceSign);
    const int32_t rule = headerRuleY(screen);
    for (int32_t y = 0; y <= rule; ++y)
        for (int32_t x = 0; x < screen.clientWidth; ++x) {
            if (x >= sign.left && x < sign.right && y >= sign.top && y < sign.bottom) continue;
            ASSERT_EQ(selected.at(x, y), before.at(x, y)) << "header pixel " << x << "," << y;
        }
    EXPECT_FALSE(selected.dark(sign.left, (sign.top + sign.bottom) / 2)) << "no focus frame";
    EXPECT_TRUE(selected.dark(sign.left + 1, (sign.top + sign.bottom) / 2)) << "the box itself";

    const int32_t x0 = bodyColumn(screen, t);
    const int32_t mid = t.charHeight / 2;
    // Line a: the identifier band up to x0 - 1, and from x0 + 2 the empty
    // description's band ends at x0 + charHeight.
    const int32_t ya = textY(lineTop(0));
    EXPECT_TRUE(selected.dark(x0 - 2, ya + mid));
    EXPECT_FALSE(selected.dark(x0 - 1, ya + mid));
    EXPECT_TRUE(selected.dark(x0, ya + mid)) << "the box border is not inverted";
    EXPECT_FALSE(selected.dark(x0 + 1, ya + mid));
    EXPECT_TRUE(selected.dark(x0 + 3, ya + mid));
    EXPECT_FALSE(selected.dark(x0 + t.charHeight + 1, ya + mid));
    // Line b: over "Period: 01" only.
    const int32_t yb = textY(lineTop(1));
    const int32_t labelEnd = x0 + width("Period: 01", 10);
    EXPECT_TRUE(selected.dark(x0 - 3, yb + mid));
    const int32_t band = (labelEnd - x0) * t.charHeight;
    EXPECT_GT(darkPixels(selected, x0, yb, labelEnd, yb + t.charHeight), band / 2);
    EXPECT_FALSE(selected.dark(labelEnd + 1, yb + mid));
    // Line f, a value line: the whole block width, and nothing outside it.
    const int32_t yf = textY(lineTop(5));
    EXPECT_TRUE(selected.dark(screen.blockLeft, yf + mid));
    EXPECT_TRUE(selected.dark(screen.blockRight - 1, yf + mid));
    EXPECT_FALSE(selected.dark(screen.blockRight, yf + mid));
    EXPECT_FALSE(selected.dark(screen.blockLeft - 1, yf + mid));
    // The band is charHeight tall at the text's position.
    EXPECT_FALSE(selected.dark(screen.blockRight - 1, yf - 1));
    EXPECT_FALSE(selected.dark(screen.blockRight - 1, yf + t.charHeight));
}

TEST_F(PaintedLedger, ALoansAmountLineInvertsInsideItsBoxes)
{
    int32_t index = 0;
    ASSERT_TRUE(addTransaction(ledger, Loan, 1, index));
    ASSERT_EQ(index, 1);
    resetScrollRange();
    editFocus.area = WholeDocument;
    screen.scrollLine = 12;
    SetScrollPos(mainWindow, SB_VERT, 12, TRUE);
    repaintAll();
    const Capture c = captureClient();
    const int32_t top = lineTop(12 + 9);
    const int32_t y = textY(top) + t.charHeight / 2;
    const ValueCells cells = valueCells(bodyColumn(screen, t), screen.lineHeight, t);
    const int32_t x0 = bodyColumn(screen, t);
    EXPECT_TRUE(c.dark(x0 + screen.lineHeight + t.charHeight - 2, y));
    EXPECT_FALSE(c.dark(x0 + screen.lineHeight + t.charHeight - 1, y)) << "gap before the integer box";
    EXPECT_TRUE(c.dark(cells.integer.left, y)) << "box border";
    EXPECT_FALSE(c.dark(cells.integer.left + 1, y)) << "white fill before the band";
    EXPECT_TRUE(c.dark(cells.integer.left + 2, y));
    EXPECT_FALSE(c.dark(cells.integer.right - 2, y));
    EXPECT_TRUE(c.dark(cells.point.left + 1, y));
    EXPECT_TRUE(c.dark(cells.fraction.left + 2, y));
    // The type line shows "Type: Loan transaction", inverted exactly over it.
    const int32_t yd = textY(lineTop(12 + 3)) + t.charHeight / 2;
    const int32_t end = x0 + width("Type: Loan transaction", 22);
    EXPECT_FALSE(c.dark(end + 1, yd));
    EXPECT_GT(darkPixels(c, end - 3, textY(lineTop(15)), end, textY(lineTop(15)) + t.charHeight), 3 * t.charHeight / 2);
}

TEST_F(PaintedLedger, AMemoryBitmapGetsTheSamePicture)
{
    const Capture shown = captureClient();
    const HDC window = GetDC(mainWindow);
    const HDC memory = CreateCompatibleDC(window);
    const HBITMAP bitmap = CreateCompatibleBitmap(window, screen.clientWidth, screen.clientHeight);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    const RECT all{0, 0, screen.clientWidth, screen.clientHeight};
    FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    paintHeader(memory);
    paintTransactions(memory);
    paintSummary(memory);
    paintSelectAll(memory);
    const Capture drawn = captureFrom(memory, screen.clientWidth, screen.clientHeight);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(mainWindow, window);
    EXPECT_TRUE(shown.pixels == drawn.pixels);
}

}  // namespace
