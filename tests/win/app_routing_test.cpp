// Messages reach the subsystems that own them: size and creation metrics,
// the scroll bar, and the repaints of Select All, seen from the window's
// paint messages.
#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "app/main_window.h"
#include "edit/focus.h"
#include "view/layout.h"
#include "win/harness.h"

namespace {

// The update rectangle of every WM_PAINT the window receives, recorded by a
// subclass in front of the real window procedure.
struct PaintLog {
    int32_t count;
    std::array<RECT, 16> rects;
};
PaintLog paints{};
WNDPROC programProc = nullptr;

LRESULT CALLBACK recordPaints(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT && paints.count < static_cast<int32_t>(paints.rects.size()))
        GetUpdateRect(window, &paints.rects[paints.count++], FALSE);
    return CallWindowProcA(programProc, window, message, wParam, lParam);
}

void startRecordingPaints()
{
    pumpMessages();
    paints = PaintLog{};
    programProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(mainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(recordPaints)));
}

void expectRect(const RECT& actual, const RECT& expected)
{
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.right, expected.right);
    EXPECT_EQ(actual.bottom, expected.bottom);
}

// From one pixel below the rule under the header to the client's bottom.
RECT bodyBelowRule()
{
    const int32_t lh = screen.lineHeight;
    return RECT{0, screen.bodyTop - lh + lh / 2 + 1, screen.clientWidth, screen.clientHeight};
}

}  // namespace

TEST(Routing, CreationAndResizeReachTheLayout)
{
    ASSERT_NE(openMainWindow(700, 500), nullptr);
    EXPECT_GT(screen.lineHeight, 0);
    EXPECT_GT(screen.linesPerPage, 0);  // set only while the window is created
    EXPECT_EQ(screen.clientWidth, 700);
    EXPECT_EQ(screen.clientHeight, 500);
    RECT outer;
    GetWindowRect(mainWindow, &outer);
    SetWindowPos(mainWindow, nullptr, 0, 0, outer.right - outer.left + 100, outer.bottom - outer.top - 50,
                 SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_EQ(screen.clientWidth, 800);
    EXPECT_EQ(screen.clientHeight, 450);
    closeMainWindow();
}

TEST(Routing, ScrollMessagesMoveTheBody)
{
    ASSERT_NE(openMainWindow(700, 500), nullptr);
    SendMessageA(mainWindow, WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
    EXPECT_EQ(screen.scrollLine, 1);
    SendMessageA(mainWindow, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 7), 0);
    EXPECT_EQ(screen.scrollLine, 7);
    EXPECT_EQ(GetScrollPos(mainWindow, SB_VERT), 7);
    closeMainWindow();
}

TEST(SelectAll, FromTheHeaderRepaintsTheFieldFrameThenTheBody)
{
    ASSERT_NE(openMainWindow(800, 600), nullptr);
    ASSERT_EQ(editFocus.area, Header);
    ASSERT_EQ(editFocus.headerField, BalanceSign);
    startRecordingPaints();
    SendMessageA(mainWindow, WM_COMMAND, IDM_EDIT_SELECT_ALL, 0);
    ASSERT_EQ(paints.count, 2);
    const PixelRect& sign = headerRects.balanceSign;
    expectRect(paints.rects[0], RECT{sign.left - 1, sign.top - 1, sign.right + 1, sign.bottom + 1});
    expectRect(paints.rects[1], bodyBelowRule());
    // The second frame, one pixel outside the box, is gone from the screen.
    const COLORREF white = RGB(255, 255, 255);
    EXPECT_EQ(clientPixel((sign.left + sign.right) / 2, sign.top - 1), white);
    EXPECT_EQ(clientPixel(sign.left - 1, (sign.top + sign.bottom) / 2), white);
    closeMainWindow();
}

TEST(SelectAll, FromATransactionFieldRepaintsOnlyTheBody)
{
    ASSERT_NE(openMainWindow(800, 600), nullptr);
    editFocus.area = Transactions;
    editFocus.transactionIndex = 0;
    editFocus.transactionField = Description;
    startRecordingPaints();
    SendMessageA(mainWindow, WM_COMMAND, IDM_EDIT_SELECT_ALL, 0);
    ASSERT_EQ(paints.count, 1);
    expectRect(paints.rects[0], bodyBelowRule());
    closeMainWindow();
}

TEST(SelectAll, AgainRepaintsNothing)
{
    ASSERT_NE(openMainWindow(800, 600), nullptr);
    SendMessageA(mainWindow, WM_COMMAND, IDM_EDIT_SELECT_ALL, 0);
    startRecordingPaints();
    SendMessageA(mainWindow, WM_COMMAND, IDM_EDIT_SELECT_ALL, 0);
    pumpMessages();
    EXPECT_EQ(paints.count, 0);
    closeMainWindow();
}
