// The real window's metrics at 96 dpi with the ledger font, the resize
// handler and vertical scrolling: positions, clamping and the pixels moved.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "app/main_window.h"
#include "ledger/ledger.h"
#include "view/font.h"
#include "view/layout.h"
#include "view/window_layout.h"
#include "win/harness.h"

namespace {

struct Capture {
    int32_t width, height;
    std::vector<uint32_t> pixels;
    uint32_t at(int32_t x, int32_t y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

Capture captureClient()
{
    pumpMessages();
    const int32_t w = screen.clientWidth, h = screen.clientHeight;
    Capture c{w, h, std::vector<uint32_t>(static_cast<size_t>(w) * h)};
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HDC window = GetDC(mainWindow);
    const HDC memory = CreateCompatibleDC(window);
    const HBITMAP bitmap = CreateDIBSection(window, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, window, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* p = static_cast<const uint32_t*>(bits);
    for (size_t i = 0; i < c.pixels.size(); ++i) c.pixels[i] = p[i] & 0xffffff;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(mainWindow, window);
    return c;
}

HWND openAtTopLeft(int32_t width, int32_t height)
{
    const HWND window = openMainWindow(width, height);
    if (window) SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    pumpMessages();
    return window;
}

void resizeClient(int32_t width, int32_t height)
{
    RECT outer, client;
    GetWindowRect(mainWindow, &outer);
    GetClientRect(mainWindow, &client);
    SetWindowPos(mainWindow, nullptr, 0, 0, width + (outer.right - outer.left) - client.right,
                 height + (outer.bottom - outer.top) - client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    pumpMessages();
}

void scrollBy(int32_t code, int32_t thumb = 0)
{
    SendMessageA(mainWindow, WM_VSCROLL, MAKEWPARAM(code, thumb), 0);
}

TEST(WindowMetrics, LedgerFontAndLineMetricsAt96Dpi)
{
    ASSERT_NE(openAtTopLeft(800, 600), nullptr);
    const HDC dc = GetDC(mainWindow);
    ASSERT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
    const HFONT font = createLedgerFont(dc);
    LOGFONTA asked{};
    GetObjectA(font, sizeof asked, &asked);
    DeleteObject(font);
    ReleaseDC(mainWindow, dc);
    EXPECT_EQ(asked.lfHeight, -13);
    EXPECT_EQ(asked.lfWidth, 0);
    EXPECT_EQ(asked.lfWeight, 0);
    EXPECT_EQ(asked.lfCharSet, ANSI_CHARSET);
    EXPECT_STREQ(asked.lfFaceName, "Courier New");

    EXPECT_EQ(screen.lineHeight, 22);
    EXPECT_EQ(screen.linesPerPage, 34);
    EXPECT_EQ(screen.pageGap, 20);
    EXPECT_EQ(screen.bodyTop, 121);
    EXPECT_EQ(screen.clientWidth, 800);
    EXPECT_EQ(screen.clientHeight, 600);
    EXPECT_EQ(visibleLineCount(), 20);
    EXPECT_EQ(maxScrollLine(ledger.bodyLineCount), 423);
    int minimum = -1, maximum = -1;
    GetScrollRange(mainWindow, SB_VERT, &minimum, &maximum);
    EXPECT_EQ(minimum, 0);
    EXPECT_EQ(maximum, 423);
    EXPECT_EQ(GetScrollPos(mainWindow, SB_VERT), 0);

    const TextMeasures t = measureScreenText();
    EXPECT_EQ(screen.blockLeft, (800 - blockWidth(t, 22)) / 2);
    EXPECT_EQ(headerRects.balanceSign.left, screen.blockLeft);
    EXPECT_EQ(headerRects.balanceFraction.right, screen.blockLeft + blockWidth(t, 22) - t.idWidth - t.charHeight);
    closeMainWindow();
}

TEST(WindowMetrics, ANarrowWindowCutsTheBlockOnBothSides)
{
    ASSERT_NE(openAtTopLeft(300, 400), nullptr);
    const TextMeasures t = measureScreenText();
    const int32_t w = blockWidth(t, screen.lineHeight);
    ASSERT_GT(w, 300);
    EXPECT_EQ(screen.blockLeft, (300 - w) / 2);
    EXPECT_LT(screen.blockLeft, 0);
    EXPECT_EQ(screen.blockRight, screen.blockLeft + w);
    EXPECT_EQ(headerRects.balanceSign.left, screen.blockLeft);
    EXPECT_EQ(screen.bodyTop, 121);
    closeMainWindow();
}

TEST(WindowMetrics, GrowingAfterScrollingToTheEndPullsThePositionBack)
{
    ASSERT_NE(openAtTopLeft(800, 600), nullptr);
    scrollBy(SB_THUMBPOSITION, 30000);
    ASSERT_EQ(screen.scrollLine, 423);
    resizeClient(800, 900);
    // 900: (900 - 121) / 22 - 1 = 34 visible lines; 442 - 34 + 1.
    EXPECT_EQ(visibleLineCount(), 34);
    EXPECT_EQ(screen.scrollLine, 409);
    EXPECT_EQ(GetScrollPos(mainWindow, SB_VERT), 409);
    int minimum = -1, maximum = -1;
    GetScrollRange(mainWindow, SB_VERT, &minimum, &maximum);
    EXPECT_EQ(maximum, 409);
    closeMainWindow();
}

TEST(WindowMetrics, NoWholeLineVisiblePagesByOneLine)
{
    ASSERT_NE(openAtTopLeft(800, 150), nullptr);
    ASSERT_EQ(visibleLineCount(), 0);
    EXPECT_EQ(maxScrollLine(ledger.bodyLineCount), 443);
    scrollBy(SB_PAGEDOWN);
    EXPECT_EQ(screen.scrollLine, 1);
    scrollBy(SB_PAGEUP);
    EXPECT_EQ(screen.scrollLine, 0);
    closeMainWindow();
}

// Every request in turn, from the previous position: the new position, and
// the body's pixels moved by exactly the lines and page gaps crossed, the
// header untouched, and the result the same as a full repaint.
TEST(WindowScrolling, RequestsClampAndMoveThePixels)
{
    ASSERT_NE(openAtTopLeft(800, 600), nullptr);
    const struct { int32_t code, thumb, position; } steps[] = {
        {SB_LINEUP, 0, 0},           // already at the top
        {SB_LINEDOWN, 0, 1},
        {SB_PAGEDOWN, 0, 20},
        {SB_PAGEDOWN, 0, 39},        // crosses the first page boundary (34)
        {SB_PAGEUP, 0, 20},
        {SB_THUMBTRACK, 33, 33},
        {SB_LINEDOWN, 0, 34},        // one line and one gap
        {SB_TOP, 0, 34},             // top, bottom and end-scroll do not move
        {SB_BOTTOM, 0, 34},
        {SB_ENDSCROLL, 0, 34},
        {SB_THUMBPOSITION, 200, 200},
        {SB_THUMBPOSITION, 30000, 423},  // past the end
        {SB_LINEDOWN, 0, 423},
        {SB_PAGEUP, 0, 404},
        {SB_THUMBPOSITION, 2, 2},
        {SB_PAGEUP, 0, 0},           // clamped at the top
    };
    Capture before = captureClient();
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "code " << step.code << " to " << step.position);
        const int32_t from = screen.scrollLine;
        scrollBy(step.code, step.thumb);
        ASSERT_EQ(screen.scrollLine, step.position);
        ASSERT_EQ(GetScrollPos(mainWindow, SB_VERT), step.position);
        const Capture after = captureClient();
        const int32_t dy = (from - step.position) * screen.lineHeight +
                           (from / screen.linesPerPage - step.position / screen.linesPerPage) * screen.pageGap;
        for (int32_t y = 0; y < screen.bodyTop - 1; ++y)
            for (int32_t x = 0; x < after.width; ++x)
                ASSERT_EQ(after.at(x, y), before.at(x, y)) << "header moved at " << x << "," << y;
        for (int32_t y = screen.bodyTop; y < screen.clientHeight; ++y) {
            if (y - dy < screen.bodyTop || y - dy >= screen.clientHeight) continue;
            for (int32_t x = 0; x < after.width; ++x)
                ASSERT_EQ(after.at(x, y), before.at(x, y - dy)) << "body row " << y << " by " << dy << " at x " << x;
        }
        InvalidateRect(mainWindow, nullptr, TRUE);
        UpdateWindow(mainWindow);
        const Capture repainted = captureClient();
        ASSERT_TRUE(after.pixels == repainted.pixels) << "scrolled picture differs from a full repaint";
        before = after;
    }
    closeMainWindow();
}

}  // namespace
