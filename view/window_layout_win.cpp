#include "view/window_layout.h"

#include "view/window_handle.h"
#include "ledger/body_lines.h"
#include "ledger/ledger.h"
#include "view/font.h"

// The scroll codes of the layout are the scroll bar's own.
static_assert(ScrollLineUp == SB_LINEUP && ScrollLineDown == SB_LINEDOWN);
static_assert(ScrollPageUp == SB_PAGEUP && ScrollPageDown == SB_PAGEDOWN);
static_assert(ScrollThumbPosition == SB_THUMBPOSITION && ScrollThumbTrack == SB_THUMBTRACK);

void initLineMetrics(HWND window)
{
    const HDC dc = GetDC(window);
    const FontSelection font = selectLedgerFont(dc);
    screen.lineHeight = measureLineHeight(dc);
    setPageMetrics(screen, GetDeviceCaps(dc, LOGPIXELSY));
    releaseLedgerFont(dc, font);
    ReleaseDC(window, dc);
}

void layoutClientArea(int32_t width, int32_t height)
{
    const HDC dc = GetDC(mainWindow);
    const FontSelection font = selectLedgerFont(dc);
    const TextMeasures t = measureLedgerText(dc);
    layoutBlock(screen, t, measureLineHeight(dc), width, height);
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    headerRects =
        headerRectsFor(screen, t, textWidth(dc, beginningBalanceText), textWidth(dc, ratePerPeriodText));
    releaseLedgerFont(dc, font);
    ReleaseDC(mainWindow, dc);
}

void growScrollRange() { SetScrollRange(mainWindow, SB_VERT, 0, maxScrollLine(ledger.bodyLineCount), TRUE); }

void resetScrollToTop()
{
    SetScrollRange(mainWindow, SB_VERT, 0, maxScrollLine(ledger.bodyLineCount), FALSE);
    screen.scrollLine = 0;
    SetScrollPos(mainWindow, SB_VERT, 0, TRUE);
}

// The body is not scrolled here: the class repaints the whole client area
// on every size change.
void onSize(int32_t width, int32_t height)
{
    layoutClientArea(width, height);
    const int32_t max = maxScrollLine(ledger.bodyLineCount);
    SetScrollRange(mainWindow, SB_VERT, 0, max, FALSE);
    screen.scrollLine = clampScrollLine(screen.scrollLine, max);
    SetScrollPos(mainWindow, SB_VERT, screen.scrollLine, TRUE);
}

void onVerticalScroll(int32_t code, int32_t thumb)
{
    const int32_t target = scrollRequestTarget(code, thumb, screen.scrollLine, visibleLineCount());
    scrollBodyTo(clampScrollLine(target, maxScrollLine(ledger.bodyLineCount)));
}

void scrollBodyTo(int32_t position)
{
    screen.scrollLine = position;
    const int32_t old = GetScrollPos(mainWindow, SB_VERT);
    if (position != old) moveBody(old, position);
}

void moveBody(int32_t from, int32_t to)
{
    screen.scrollLine = to;
    SetScrollPos(mainWindow, SB_VERT, to, TRUE);
    scrollToLine(from, to);
}

void repaintNow(const PixelRect& rect)
{
    const RECT r{rect.left, rect.top, rect.right, rect.bottom};
    InvalidateRect(mainWindow, &r, TRUE);
    UpdateWindow(mainWindow);
}

void scrollToLine(int32_t from, int32_t to)
{
    const int32_t dy = scrollDelta(screen, from, to);
    // The body band is both the scrolled and the clip rectangle, so the
    // fixed header never moves.
    const RECT body{0, screen.bodyTop, screen.clientWidth, screen.clientHeight};
    ScrollWindow(mainWindow, 0, dy, &body, &body);
    UpdateWindow(mainWindow);
    // Whatever straddles the header/body edge.
    repaintNow({0, screen.bodyTop - 1, screen.clientWidth, screen.bodyTop + 1});
    // Where the former top edge of the body landed.
    const int32_t edge = screen.bodyTop + dy;
    if (edge >= screen.bodyTop && edge < screen.clientHeight)
        repaintNow({0, edge, screen.clientWidth, edge + 1});
}

TextMeasures measureScreenText()
{
    const ScreenFont s = openScreenFont();
    closeScreenFont(s);
    return s.measures;
}
