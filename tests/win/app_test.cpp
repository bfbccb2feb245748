// The shell on the real window: the menu bar and accelerators from the
// resources, the Edit menu's enabling, message boxes, closing, and the
// program started as a process.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <set>
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

// A menu and its submenus depth first, one item a line: "text=id", "-" for
// a separator, "text{" ... "}" around a submenu.
std::string listMenu(HMENU menu)
{
    std::string out;
    for (int32_t i = 0; i < GetMenuItemCount(menu); ++i) {
        std::array<char, 128> text{};
        GetMenuStringA(menu, i, text.data(), text.size(), MF_BYPOSITION);
        const HMENU sub = GetSubMenu(menu, i);
        if (!sub && (GetMenuState(menu, i, MF_BYPOSITION) & MF_SEPARATOR)) {
            out += "-\n";
            continue;
        }
        out += text.data() + (sub ? std::string("{\n") : "=" + std::to_string(GetMenuItemID(menu, i)) + "\n");
        if (sub) out += listMenu(sub) + "}\n";
    }
    return out;
}

struct Shell : testing::Test {
    void SetUp() override { ASSERT_NE(openMainWindow(), nullptr); }
    void TearDown() override { closeMainWindow(); }
};

}  // namespace

TEST_F(Shell, TheMenuBarHoldsEveryCommandWithItsTextAndAccelerator)
{
    std::string expected =
        "&File{\n&New=40000\n&Open...=40001\n&Save...=40002\n-\n&Print...=40003\n-\nE&xit=40004\n}\n"
        "&Edit{\nCu&t\tCtrl+X=41000\n&Copy\tCtrl+C=41001\n&Paste\tCtrl+V=41002\nDe&lete\tCtrl+D=41003\n-\n"
        "Select &All\tCtrl+A=41004\n}\n&Add{\n";
    const struct {
        const char* text;
        int32_t first, last;
    } groups[] = {{"&01 to 09", 1, 9}, {"&10 to 19", 10, 19}, {"&20 to 29", 20, 29}, {"&30 to 32", 30, 32}};
    for (const char* kind : {"Loan", "Payment"}) {
        expected += std::string("Add &") + kind + " Transaction to Period: {\n";
        for (const auto& group : groups) {
            expected += std::string(group.text) + "{\n";
            for (int32_t p = group.first; p <= group.last; ++p)  // "0&1" .. "3&2"
                expected += std::to_string(p / 10) + "&" + std::to_string(p % 10) + "=" +
                            std::to_string((kind[0] == 'L' ? 42000 : 43000) + p) + "\n";
            expected += "}\n";
        }
        expected += "}\n";
    }
    expected += "}\nA&bout{\nAbout &Tarnwell...=45000\n}\n";
    EXPECT_EQ(listMenu(GetMenu(mainWindow)), expected);

    for (int32_t base : {42000, 43000})  // only period 01 of each Add item is checked
        for (int32_t p = 1; p <= 32; ++p)
            EXPECT_EQ((GetMenuState(GetMenu(mainWindow), base + p, MF_BYCOMMAND) & MF_CHECKED) != 0, p == 1)
                << p;
    std::array<ACCEL, 8> a{};  // each Ctrl+key, a virtual key, to its command
    const int32_t n = CopyAcceleratorTableA(LoadAcceleratorsA(nullptr, "Tarnwell"), a.data(), a.size());
    std::set<std::string> accelerators;
    for (int32_t i = 0; i < n; ++i)
        accelerators.insert(std::string((a[i].fVirt & ~FNOINVERT) == (FVIRTKEY | FCONTROL) ? "Ctrl+" : "?+") +
                            char(a[i].key) + "=" + std::to_string(a[i].cmd));
    EXPECT_EQ(accelerators, (std::set<std::string>{"Ctrl+A=41004", "Ctrl+C=41001", "Ctrl+D=41003",
                                                   "Ctrl+V=41002", "Ctrl+X=41000"}));
}

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
    ASSERT_EQ(boxes.count, 1);
    EXPECT_EQ(boxes.title, "About Tarnwell");
    EXPECT_NE(boxes.text.find("Tarnwell"), std::string::npos) << boxes.text;
    EXPECT_EQ(boxes.icon, LoadIconA(nullptr, IDI_INFORMATION));
    EXPECT_EQ(boxes.owner, mainWindow);
    EXPECT_FALSE(registerMainWindowClass(GetModuleHandleA(nullptr)));  // registered already
    ASSERT_EQ(boxes.count, 2);
    EXPECT_EQ(boxes.title + "|" + boxes.text, "Tarnwell|Can not register class");
    EXPECT_EQ(boxes.icon, LoadIconA(nullptr, IDI_EXCLAMATION));
    EXPECT_EQ(boxes.owner, nullptr);
}

// app\tarnwell.exe beside tests\tarnwell_win_tests.exe in the build tree.
TEST(Program, ShowsItsWindowAndExitsWithZeroAfterFileExit)
{
    std::array<char, MAX_PATH> path{};
    GetModuleFileNameA(nullptr, path.data(), path.size());
    char* tests = std::strstr(path.data(), "\\tests\\");
    ASSERT_NE(tests, nullptr) << path.data();
    std::strcpy(tests, "\\app\\tarnwell.exe");
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(path.data(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &process));
    EXPECT_EQ(WaitForInputIdle(process.hProcess, 60000), 0u);
    const HWND window = FindWindowA("Tarnwell", "Tarnwell");
    EXPECT_TRUE(IsWindowVisible(window));
    PostMessageA(window, WM_COMMAND, IDM_FILE_EXIT, 0);
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    DWORD exitCode = STILL_ACTIVE;
    GetExitCodeProcess(process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
    if (exitCode == STILL_ACTIVE) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}
