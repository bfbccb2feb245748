// Commands of the shell itself: the About box, and the keyboard wrapper's
// own rule that an empty selection is never shown.
#include <gtest/gtest.h>

#include <cstring>

#include "app/command_ids.h"
#include "app/main_window.h"
#include "edit/focus.h"
#include "win/harness.h"

TEST(About, ShowsTheProgramInAnInformationBoxOwnedByTheWindow)
{
    const HWND window = openMainWindow();
    ASSERT_NE(window, nullptr);
    answerBoxesWith(IDOK);
    SendMessageA(window, WM_COMMAND, IDM_ABOUT, 0);
    ASSERT_EQ(boxes.count, 1);
    EXPECT_STREQ(boxes.last.title.data(), "About Tarnwell");
    EXPECT_NE(std::strstr(boxes.last.text.data(), "Tarnwell"), nullptr) << boxes.last.text.data();
    EXPECT_EQ(boxes.last.icon, InformationIcon);
    EXPECT_EQ(boxes.last.owner, window);
    EXPECT_TRUE(IsWindow(window));
    closeMainWindow();
}

TEST(Commands, AnIdentifierOutsideTheTableChangesNothing)
{
    ASSERT_NE(openMainWindow(), nullptr);
    const EditFocus before = editFocus;
    for (int32_t id : {42000, 42033, 43000, 43033, 41005, 45001})
        SendMessageA(mainWindow, WM_COMMAND, id, 0);
    EXPECT_EQ(std::memcmp(&before, &editFocus, sizeof before), 0);
    EXPECT_EQ(boxes.count, 0);
    EXPECT_TRUE(IsWindow(mainWindow));
    closeMainWindow();
}

TEST(KeyDown, AnEmptySelectionIsHiddenAroundTheKeyHandling)
{
    ASSERT_NE(openMainWindow(), nullptr);
    editFocus.caret = 1;
    editFocus.selectionStart = 1;
    editFocus.selectionEnd = 1;
    editFocus.selectionShown = 1;
    SendMessageA(mainWindow, WM_KEYDOWN, VK_F7, 0);  // a key that edits nothing
    EXPECT_EQ(editFocus.selectionShown, 0);
    closeMainWindow();
}

TEST(KeyDown, ASelectionOfOneCharacterStaysShown)
{
    ASSERT_NE(openMainWindow(), nullptr);
    ASSERT_EQ(editFocus.selectionEnd - editFocus.selectionStart, 1);
    SendMessageA(mainWindow, WM_KEYDOWN, VK_F7, 0);
    EXPECT_EQ(editFocus.selectionShown, 1);
    closeMainWindow();
}
