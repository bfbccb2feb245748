// Scrolling the real window.
#include <gtest/gtest.h>

#include "edit/focus.h"
#include "view/window_handle.h"
#include "view/window_layout.h"
#include "win/harness.h"

// Each request from the previous position: the new position, and the picture a full repaint gives
// (the header not moved, the body moved by the lines and page gaps crossed, its edges redrawn).
TEST(Scrolling, RequestsClampAndLeaveNothingStale)
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
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "code " << step.code << " to " << step.position);
        SendMessageA(mainWindow, WM_VSCROLL, MAKEWPARAM(step.code, step.thumb), 0);
        ASSERT_EQ(screen.scrollLine, step.position);
        ASSERT_EQ(GetScrollPos(mainWindow, SB_VERT), step.position);
        expectNothingStale("a scroll request");
    }
    // Growing at the end pulls the position back: 442 lines less 34 visible, plus one.
    SendMessageA(mainWindow, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 423), 0);
    resizeClient(800, 900);
    EXPECT_TRUE(screen.scrollLine == 409 && GetScrollPos(mainWindow, SB_VERT) == 409) << screen.scrollLine;
    closeMainWindow();
}
