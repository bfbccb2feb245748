// The ledger painted and scrolled on the real window at 96 dpi with the
// ledger font: pixels checked at positions derived from the layout.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "app/command_ids.h"
#include "app/main_window.h"
#include "view/field_geometry.h"
#include "edit/focus.h"
#include "ledger/ledger.h"
#include "view/font.h"
#include "view/layout.h"
#include "view/window_layout.h"
#include "win/harness.h"

namespace {

int32_t middle(int32_t a, int32_t b) { return (a + b) / 2; }

// Framed by the focus: the pixel one outside the box's own border is dark.
bool framed(const Capture& c, const PixelRect& b) { return c.dark(b.left - 1, middle(b.top, b.bottom)); }

// 900 pixels high: the first page gap is on the screen.
struct Painted : testing::Test {
    void SetUp() override
    {
        ASSERT_NE(openMainWindow(800, 900), nullptr);
        t = measureScreenText();
        x0 = bodyColumn(screen, t);
        charWidth = t.idWidth / 8;  // "00-0000M" in a fixed-pitch font
    }
    void TearDown() override { closeMainWindow(); }
    int32_t textY(int32_t line) const { return textTop(screen, lineTop(line), t.charHeight); }
    TextMeasures t{};
    int32_t x0 = 0, charWidth = 0;
};

}  // namespace

TEST(Metrics, TheLedgerFontAt96DpiGivesTheLineAndPageMetrics)
{
    ASSERT_NE(openMainWindow(800, 600), nullptr);
    const HDC dc = GetDC(mainWindow);
    const HFONT font = createLedgerFont(dc);
    LOGFONTA asked{};
    GetObjectA(font, sizeof asked, &asked);
    DeleteObject(font);
    EXPECT_EQ(std::to_string(GetDeviceCaps(dc, LOGPIXELSY)) + " dpi, " + asked.lfFaceName + " " +
                  std::to_string(asked.lfHeight),
              "96 dpi, Courier New -13");
    ReleaseDC(mainWindow, dc);
    int minimum = -1, maximum = -1;
    GetScrollRange(mainWindow, SB_VERT, &minimum, &maximum);
    const std::vector<int32_t> actual = {screen.lineHeight,
                                         screen.linesPerPage,
                                         screen.pageGap,
                                         screen.bodyTop,
                                         visibleLineCount(),
                                         maxScrollLine(ledger.bodyLineCount),
                                         minimum,
                                         maximum};
    EXPECT_EQ(actual, (std::vector<int32_t>{22, 34, 20, 121, 20, 423, 0, 423}));
    closeMainWindow();
}

// Each request from the previous position: the new position; the header untouched; the body's
// pixels moved by the lines and page gaps crossed, but for the rows at its top edge and where they
// land, which are redrawn; and the same picture as a full repaint.
TEST(Scrolling, RequestsClampAndMoveThePixels)
{
    ASSERT_NE(openMainWindow(800, 600), nullptr);
    const struct {
        int32_t code, thumb, position;
    } steps[] = {
        {SB_LINEUP, 0, 0},
        {SB_LINEDOWN, 0, 1},
        {SB_PAGEDOWN, 0, 20},
        {SB_PAGEDOWN, 0, 39},  // past 34
        {SB_PAGEUP, 0, 20},
        {SB_THUMBTRACK, 33, 33},
        {SB_LINEDOWN, 0, 34},
        {SB_TOP, 0, 34},
        {SB_BOTTOM, 0, 34},
        {SB_ENDSCROLL, 0, 34},
        {SB_THUMBPOSITION, 200, 200},
        {SB_THUMBPOSITION, 30000, 423},
        {SB_LINEDOWN, 0, 423},
        {SB_PAGEUP, 0, 404},
        {SB_THUMBPOSITION, 2, 2},
        {SB_PAGEUP, 0, 0},
        {SB_LINEDOWN, 0, 1},
        {SB_LINEUP, 0, 0},
    };
    activateField(0, Description);  // a focus frame that straddles the body's top edge
    repaintAll();
    Capture before = captureClient();
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "code " << step.code << " to " << step.position);
        const int32_t from = screen.scrollLine;
        SendMessageA(mainWindow, WM_VSCROLL, MAKEWPARAM(step.code, step.thumb), 0);
        ASSERT_EQ(screen.scrollLine, step.position);
        ASSERT_EQ(GetScrollPos(mainWindow, SB_VERT), step.position);
        const Capture after = captureClient();
        const int32_t dy = (from - step.position) * 22 + (from / 34 - step.position / 34) * 20;
        for (int32_t y = 0; y < 600; ++y) {
            const int32_t source = y < 120 ? y : y - dy;
            if ((y >= 120 && y <= 121) || (y > 121 && source <= 121) || source >= 600) continue;
            for (int32_t x = 0; x < 800; ++x)
                ASSERT_EQ(after.at(x, y), before.at(x, source)) << x << "," << y << " moved by " << dy;
        }
        repaintAll();
        ASSERT_TRUE(after.pixels == captureClient().pixels) << "differs from a full repaint";
        before = after;
    }
    // Growing at the end pulls the position back: 442 lines less 34 visible, plus one.
    SendMessageA(mainWindow, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 423), 0);
    resizeClient(800, 900);
    EXPECT_TRUE(screen.scrollLine == 409 && GetScrollPos(mainWindow, SB_VERT) == 409) << screen.scrollLine;
    closeMainWindow();
}

TEST_F(Painted, TheDefaultDocumentStandsWhereTheLayoutPutsIt)
{
    const Capture c = captureClient();
    const struct {
        const char* name;
        PixelRect box;
        bool active;
    } boxes[] = {
        {"balance sign", headerRects.balanceSign, true},
        {"balance integer", headerRects.balanceInteger, false},
        {"balance fraction", headerRects.balanceFraction, false},
        {"rate fraction", headerRects.rateFraction, false},
    };
    for (const auto& k : boxes) {  // a border, white inside; the active box framed twice
        const PixelRect& b = k.box;
        const int32_t mx = middle(b.left, b.right), my = middle(b.top, b.bottom);
        EXPECT_TRUE(c.dark(b.left, my) && c.dark(b.right - 1, my) && c.dark(mx, b.top) &&
                    c.dark(mx, b.bottom - 1))
            << k.name;
        EXPECT_FALSE(c.dark(b.left + 1, my) || c.dark(b.left - 2, my)) << k.name;
        for (bool outside :
             {c.dark(b.left - 1, my), c.dark(b.right, my), c.dark(mx, b.top - 1), c.dark(mx, b.bottom)})
            EXPECT_EQ(outside, k.active) << k.name;
    }
    const PixelRect& r = headerRects.rateInteger;
    EXPECT_EQ(c.darkIn(r.left, r.top, r.right, r.bottom), 0) << "nothing in the rate's integer cell";
    // The sign's "+" selected: its band mostly dark, the "+" white inside it.
    const PixelRect& sign = headerRects.balanceSign;
    const int32_t plus = charWidth, origin = signTextOrigin(sign, plus);
    const int32_t signY = textTop(screen, sign.top, t.charHeight);
    const int32_t band = c.darkIn(origin, signY, origin + plus, signY + t.charHeight);
    EXPECT_TRUE(band > plus * t.charHeight / 2 && band < plus * t.charHeight) << band;
    EXPECT_FALSE(c.dark(origin - 2, signY + t.charHeight / 2));
    // "01-0001a" at blockLeft, then nothing up to the empty description box.
    const int32_t top = lineTop(0), y = textY(0), lh = screen.lineHeight;
    EXPECT_GT(c.darkIn(screen.blockLeft, y, screen.blockLeft + t.idWidth, y + t.charHeight), 20);
    EXPECT_EQ(c.darkIn(screen.blockLeft + t.idWidth + 1, top, x0 - 1, top + lh), 0);
    EXPECT_TRUE(c.dark(x0, top + lh / 2) && c.dark(screen.blockRight - 1, top + lh / 2));
    EXPECT_EQ(c.darkIn(x0 + 1, top + 1, screen.blockRight - 1, top + lh - 1), 0);
    // One rule under the header at y 110; the first page's rule in the middle
    // of its gap, 121 + 34 * 22 = 869 .. 889, and the rest of the gap blank.
    for (int32_t x : {screen.blockLeft, middle(screen.blockLeft, screen.blockRight), screen.blockRight - 1})
        EXPECT_TRUE(c.dark(x, 110) && c.darkIn(x, 109, x + 1, 112) == 1 && c.dark(x, 879)) << x;
    EXPECT_EQ(c.darkIn(0, 869, 800, 889), screen.blockRight - screen.blockLeft);
    EXPECT_FALSE(c.dark(screen.blockLeft - 1, 879) || c.dark(screen.blockRight, 879));
}

TEST_F(Painted, SelectAllFromTheHeaderInvertsTheBodyOnceAndLeavesTheHeader)
{
    const Capture before = captureClient();
    SendMessageA(mainWindow, WM_COMMAND, IDM_EDIT_SELECT_ALL, 0);
    const Capture selected = captureClient();
    repaintAll();
    EXPECT_TRUE(selected.pixels == captureClient().pixels) << "a full repaint inverts each pixel once";
    const PixelRect sign = grownByOne(headerRects.balanceSign);
    for (int32_t y = 0; y <= 110; ++y)
        for (int32_t x = 0; x < 800; ++x)
            ASSERT_TRUE((x >= sign.left && x < sign.right && y >= sign.top && y < sign.bottom) ||
                        selected.at(x, y) == before.at(x, y))
                << "header pixel " << x << "," << y;
    const int32_t my = middle(sign.top, sign.bottom);
    EXPECT_FALSE(selected.dark(sign.left, my) || selected.dark(middle(sign.left, sign.right), sign.top))
        << "the second frame is gone";
    EXPECT_TRUE(selected.dark(sign.left + 1, my)) << "the box itself";
    const int32_t mid = t.charHeight / 2, ya = textY(0) + mid, yb = textY(1) + mid, yf = textY(5) + mid;
    // Line a: the identifier's band up to x0 - 1; the description box's
    // border stays, the band of the empty description starts 2 inside it.
    EXPECT_TRUE(selected.dark(x0 - 2, ya) && !selected.dark(x0 - 1, ya) && selected.dark(x0, ya));
    EXPECT_TRUE(!selected.dark(x0 + 1, ya) && selected.dark(x0 + 3, ya) &&
                !selected.dark(x0 + t.charHeight + 1, ya));
    // Line b over "Period: 01" only; line f, a value line, over the whole block.
    const int32_t labelEnd = x0 + 10 * charWidth;  // "Period: 01"
    EXPECT_GT(selected.darkIn(x0, textY(1), labelEnd, textY(1) + t.charHeight),
              (labelEnd - x0) * t.charHeight / 2);
    EXPECT_FALSE(selected.dark(labelEnd + 1, yb));
    EXPECT_TRUE(selected.dark(screen.blockLeft, yf) && selected.dark(screen.blockRight - 1, yf));
    EXPECT_FALSE(selected.dark(screen.blockLeft - 1, yf) || selected.dark(screen.blockRight, yf));
    EXPECT_FALSE(selected.dark(screen.blockRight - 1, yf - mid - 1) ||
                 selected.dark(screen.blockRight - 1, yf - mid + t.charHeight))
        << "the band is charHeight tall";
}

TEST_F(Painted, TheFocusFrameMovesWithTheActiveField)
{
    const PixelRect box = transactionFieldBox(screen, t, 1, Description);
    activateField(1, Description);  // repaints the two boxes alone
    Capture c = captureClient();
    EXPECT_FALSE(framed(c, headerRects.balanceSign));
    EXPECT_TRUE(framed(c, box) && c.dark(box.right, middle(box.top, box.bottom)) &&
                c.dark(x0 + 5, box.bottom));
    EXPECT_TRUE(c.dark(box.left + t.charHeight, textTop(screen, box.top, t.charHeight) + t.charHeight / 2))
        << "caret";
    EXPECT_EQ(c.darkIn(box.left + t.charHeight + 1, box.top + 1, box.right - 1, box.bottom - 1), 0);
    repaintAll();
    c = captureClient();
    EXPECT_TRUE(c.dark(screen.blockLeft, 111) && !c.dark(screen.blockLeft, 112)) << "the header rule doubles";

    setSign(ledger.header.beginningBalance.sign, '-');
    SendMessageA(mainWindow, WM_COMMAND, IDM_EDIT_SELECT_ALL, 0);
    leaveWholeDocument();  // back to the stored sign, selected, and the body plain
    const EditFocus& f = editFocus;
    EXPECT_EQ(std::make_tuple(f.area, f.headerField, std::string(f.editText.data()), f.caret,
                              f.selectionStart, f.selectionEnd, f.selectionShown),
              std::make_tuple(Header, BalanceSign, std::string("-"), 0, 0, 1, 1));
    c = captureClient();
    EXPECT_TRUE(framed(c, headerRects.balanceSign) &&
                !c.dark(screen.blockRight - 1, textY(5) + t.charHeight / 2));
}
