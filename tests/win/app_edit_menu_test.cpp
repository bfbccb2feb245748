// The Edit menu's enabling rules and Select All, driven through the real
// window: WM_INITMENUPOPUP, the accelerator table and WM_COMMAND.
#include <gtest/gtest.h>

#include <cstring>

#include "app/command_ids.h"
#include "app/main_window.h"
#include "edit/focus.h"
#include "win/harness.h"

namespace {

struct EditStates {
    bool cut, copy, paste, del, selectAll;
};

EditStates editStates()
{
    openEditMenu();
    return {!isGrayed(IDM_EDIT_CUT), !isGrayed(IDM_EDIT_COPY), !isGrayed(IDM_EDIT_PASTE),
            !isGrayed(IDM_EDIT_DELETE), !isGrayed(IDM_EDIT_SELECT_ALL)};
}

void expectStates(const EditStates& expected)
{
    const EditStates actual = editStates();
    EXPECT_EQ(actual.cut, expected.cut) << "Cut";
    EXPECT_EQ(actual.copy, expected.copy) << "Copy";
    EXPECT_EQ(actual.paste, expected.paste) << "Paste";
    EXPECT_EQ(actual.del, expected.del) << "Delete";
    EXPECT_EQ(actual.selectAll, expected.selectAll) << "Select All";
}

void emptySelection()
{
    editFocus.caret = 1;
    editFocus.selectionStart = 1;
    editFocus.selectionEnd = 1;
}

class EditMenu : public testing::Test {
protected:
    void SetUp() override { ASSERT_NE(openMainWindow(), nullptr); }
    void TearDown() override { closeMainWindow(); }
};

}  // namespace

TEST_F(EditMenu, TheStartSelectionOfTheSignEnablesCutCopyAndDelete)
{
    setClipboardText(nullptr);
    expectStates({true, true, false, true, true});
}

TEST_F(EditMenu, PasteFollowsTheClipboardWhileAFieldIsActive)
{
    struct Case {
        const char* clipboard;
        bool paste;
    } cases[] = {{"12.5", true}, {nullptr, false}, {"x", true}};
    for (const Case& c : cases) {
        setClipboardText(c.clipboard);
        EXPECT_EQ(editStates().paste, c.paste) << (c.clipboard ? c.clipboard : "(empty)");
    }
}

TEST_F(EditMenu, AnEmptySelectionGreysCutCopyAndDelete)
{
    for (const char* clipboard : {"1", static_cast<const char*>(nullptr)}) {
        setClipboardText(clipboard);
        emptySelection();
        editFocus.selectionShown = 1;  // shown but empty: the menu hides it
        expectStates({false, false, clipboard != nullptr, false, true});
        EXPECT_EQ(editFocus.selectionShown, 0);
    }
}

TEST_F(EditMenu, AHiddenSelectionCountsAsNone)
{
    editFocus.selectionShown = 0;  // 0..1 still stored, but not shown
    setClipboardText(nullptr);
    expectStates({false, false, false, false, true});
    EXPECT_EQ(editFocus.selectionEnd, 1);
}

TEST_F(EditMenu, CtrlASelectsTheWholeDocumentAndLeavesOnlyCopyEnabled)
{
    setClipboardText("text that Paste could take");
    EXPECT_TRUE(pressCtrlAccelerator('A'));
    EXPECT_EQ(editFocus.area, WholeDocument);
    expectStates({false, true, false, false, false});
}

TEST(EditMenuWholeDocument, CopyStaysEnabledWhateverTheFieldSelection)
{
    for (int32_t shown : {0, 1}) {
        ASSERT_NE(openMainWindow(), nullptr);
        emptySelection();
        editFocus.selectionShown = shown;
        ASSERT_TRUE(pressCtrlAccelerator('A'));
        EXPECT_TRUE(editStates().copy) << shown;
        closeMainWindow();
    }
}

TEST_F(EditMenu, SelectAllFromATransactionFieldSelectsTheWholeDocument)
{
    editFocus.area = Transactions;
    editFocus.transactionIndex = 3;
    editFocus.transactionField = Description;
    SendMessageA(mainWindow, WM_COMMAND, IDM_EDIT_SELECT_ALL, 0);
    EXPECT_EQ(editFocus.area, WholeDocument);
}

TEST_F(EditMenu, CtrlAAgainChangesNothing)
{
    ASSERT_TRUE(pressCtrlAccelerator('A'));
    ASSERT_EQ(editFocus.area, WholeDocument);
    const EditFocus before = editFocus;
    const EditStates statesBefore = editStates();

    EXPECT_TRUE(pressCtrlAccelerator('A'));
    EXPECT_EQ(std::memcmp(&before, &editFocus, sizeof before), 0);
    const EditStates statesAfter = editStates();
    EXPECT_EQ(std::memcmp(&statesBefore, &statesAfter, sizeof statesBefore), 0);
}

TEST_F(EditMenu, EveryEditAcceleratorReachesItsCommand)
{
    // Only the table's translation is checked here: the commands behind the
    // other keys belong to the clipboard subsystem.
    for (int32_t key : {'X', 'C', 'V', 'D', 'A'}) EXPECT_TRUE(pressCtrlAccelerator(key)) << static_cast<char>(key);
    EXPECT_FALSE(pressCtrlAccelerator('Q'));
}
