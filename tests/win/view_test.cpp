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
