// The shell on the real window: the Edit menu's enabling with the
// accelerators from the resources, and message boxes.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

#include "app/command_ids.h"
#include "app/main_window.h"
#include "edit/focus.h"
#include "ledger/ledger.h"
#include "win/harness.h"

namespace {

bool pressCtrlAccelerator(int32_t key)
{
    std::array<BYTE, 256> held{};
    held[VK_CONTROL] = held[key] = 0x80;
    SetKeyboardState(held.data());
    MSG message{mainWindow, WM_KEYDOWN, static_cast<WPARAM>(key), 1, 0, {}};
    const bool translated =
        TranslateAcceleratorA(mainWindow, LoadAcceleratorsA(nullptr, "Tarnwell"), &message);
    held.fill(0);
    SetKeyboardState(held.data());
    return translated;
}

// Opens the Edit menu as the user does; Cut, Copy, Paste, Delete and Select
// All as "XCVDA", '-' for each greyed item.
std::string editMenuStates()
{
    const HMENU bar = GetMenu(mainWindow);
    SendMessageA(mainWindow, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(bar, 1)),
                 MAKELPARAM(1, FALSE));
    std::string states = "XCVDA";
    for (int32_t i = 0; i < 5; ++i)
        if (GetMenuState(bar, IDM_EDIT_CUT + i, MF_BYCOMMAND) & MF_GRAYED) states[i] = '-';
    return states;
}

using Shell = MainWindowTest;

}  // namespace

TEST_F(Shell, TheEditMenuFollowsTheSelectionAndTheClipboard)
{
    // At the start the sign's "+" is selected (0..1, shown).
    const struct {
        int32_t start, end, shown;
        const char* clipboard;
        const char* states;
    } cases[] = {
        {0, 1, 1, nullptr, "XC-DA"}, {0, 1, 1, "12.5", "XCVDA"}, {1, 1, 1, "1", "--V-A"},
        {1, 1, 1, nullptr, "----A"}, {0, 1, 0, "x", "--V-A"},    {0, 1, 0, nullptr, "----A"},
    };
    for (const auto& c : cases) {
        setClipboard(c.clipboard);
        editFocus.caret = editFocus.selectionStart = c.start;
        editFocus.selectionEnd = c.end;
        editFocus.selectionShown = c.shown;
        EXPECT_EQ(editMenuStates(), c.states) << c.start << ".." << c.end << " shown " << c.shown;
        EXPECT_EQ(editFocus.selectionShown, c.start < c.end ? c.shown : 0) << "an empty selection is hidden";
        EXPECT_EQ(editFocus.selectionEnd, c.end);
    }
    // Ctrl+A from an empty field selection: the whole document, only Copy.
    setClipboard("text that Paste could take");
    EXPECT_TRUE(pressCtrlAccelerator('A'));
    EXPECT_EQ(editFocus.area, WholeDocument);
    EXPECT_EQ(editMenuStates(), "-C---");
    const EditFocus before = editFocus;
    EXPECT_TRUE(pressCtrlAccelerator('A'));
    EXPECT_EQ(std::memcmp(&before, &editFocus, sizeof before), 0) << "Select All again changes nothing";
    EXPECT_EQ(editMenuStates(), "-C---");
    EXPECT_FALSE(pressCtrlAccelerator('Q'));
    // From a transaction field too; identifiers outside the table do nothing.
    editFocus = EditFocus{Transactions, BalanceSign, 3, Description, {}, 0, 0, 0, 0};
    for (int32_t id : {42000, 42033, 43000, 43033, 41005, 45001}) command(id);
    EXPECT_EQ(editFocus.area, Transactions);
    command(IDM_EDIT_SELECT_ALL);
    EXPECT_EQ(editFocus.area, WholeDocument);
}

TEST_F(Shell, AboutAndARegistrationFailureAreToldInBoxes)
{
    answerBoxesWith(IDOK);
    command(IDM_ABOUT);
    EXPECT_EQ(std::tuple(boxes.count, boxes.title, boxes.owner, boxes.icon),
              std::tuple(1, std::string("About Tarnwell"), mainWindow, LoadIconA(nullptr, IDI_INFORMATION)));
    EXPECT_NE(boxes.text.find("Tarnwell"), std::string::npos) << boxes.text;
    EXPECT_FALSE(registerMainWindowClass(GetModuleHandleA(nullptr)));  // registered already
    EXPECT_EQ(std::tuple(boxes.count, boxes.title + "|" + boxes.text, boxes.owner, boxes.icon),
              std::tuple(2, std::string("Tarnwell|Can not register class"), HWND{},
                         LoadIconA(nullptr, IDI_EXCLAMATION)));
}
