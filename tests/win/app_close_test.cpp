// The end of the document: closing asks "Save Current File?" only when the
// ledger changed, and File > Exit behaves exactly like the close box.
#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "app/main_window.h"
#include "ledger/ledger.h"
#include "win/harness.h"

namespace {

enum CloseWay { CloseBox, FileExit };

void requestClose(CloseWay way)
{
    if (way == CloseBox)
        SendMessageA(mainWindow, WM_CLOSE, 0, 0);
    else
        SendMessageA(mainWindow, WM_COMMAND, IDM_FILE_EXIT, 0);
    pumpMessages();
}

const char* wayName(CloseWay way) { return way == CloseBox ? "close box" : "File > Exit"; }

// A change of the user's data as typing and committing would make it.
void changeADescription() { ledger.table[0].description[0] = 'R'; }

}  // namespace

TEST(Close, AnUnchangedLedgerClosesAtOnceWithoutAsking)
{
    for (CloseWay way : {CloseBox, FileExit}) {
        const HWND window = openMainWindow();
        ASSERT_NE(window, nullptr);
        requestClose(way);
        EXPECT_EQ(boxes.count, 0) << wayName(way);
        EXPECT_FALSE(IsWindow(window)) << wayName(way);
        closeMainWindow();
    }
}

TEST(Close, AChangedLedgerAsksAndTheAnswerDecides)
{
    struct Case {
        int32_t answer;
        bool windowStays;
    } cases[] = {{IDCANCEL, true}, {IDNO, false}, {IDYES, true}};
    for (CloseWay way : {CloseBox, FileExit}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(wayName(way)) + ", answer " + std::to_string(c.answer));
            const HWND window = openMainWindow();
            ASSERT_NE(window, nullptr);
            changeADescription();
            answerBoxesWith(c.answer);
            requestClose(way);
            ASSERT_EQ(boxes.count, 1);
            EXPECT_STREQ(boxes.last.title.data(), "Save Current File?");
            EXPECT_STREQ(boxes.last.text.data(),
                         "The current file has changed since the last save.\nDo you wish to save the current file?");
            EXPECT_EQ(boxes.last.icon, QuestionIcon);
            EXPECT_EQ(boxes.last.owner, window);
            EXPECT_EQ(IsWindow(window) != 0, c.windowStays);
            closeMainWindow();
        }
    }
}

TEST(Close, AChangedHeaderCountsAsAChange)
{
    const HWND window = openMainWindow();
    ASSERT_NE(window, nullptr);
    ledger.header.ratePerPeriod[0] = '1';
    requestClose(CloseBox);
    EXPECT_EQ(boxes.count, 1);
    EXPECT_TRUE(IsWindow(window));  // answered Cancel
    closeMainWindow();
}

TEST(Close, DestroyingTheWindowEndsTheMessageLoop)
{
    const HWND window = openMainWindow();
    ASSERT_NE(window, nullptr);
    SendMessageA(window, WM_CLOSE, 0, 0);
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 0u);
}
