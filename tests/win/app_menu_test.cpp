// The menu bar and the accelerator table as loaded from the program's
// resources: every menu, item, identifier, mnemonic and accelerator text.
#include <gtest/gtest.h>

#include <string>

#include "app/command_ids.h"
#include "app/main_window.h"
#include "win/harness.h"

namespace {

struct MenuItem {
    int32_t id;  // 0 for a separator
    const char* text;
};

struct TopMenu {
    const char* title;
    int32_t count;
    MenuItem items[7];
};

const TopMenu commandMenus[] = {
    {"&File", 7,
     {{40000, "&New"}, {40001, "&Open..."}, {40002, "&Save..."}, {0, ""}, {40003, "&Print..."}, {0, ""},
      {40004, "E&xit"}}},
    {"&Edit", 6,
     {{41000, "Cu&t\tCtrl+X"}, {41001, "&Copy\tCtrl+C"}, {41002, "&Paste\tCtrl+V"}, {41003, "De&lete\tCtrl+D"},
      {0, ""}, {41004, "Select &All\tCtrl+A"}}},
};

std::string itemText(HMENU menu, UINT position)
{
    std::array<char, 128> text{};
    GetMenuStringA(menu, position, text.data(), text.size(), MF_BYPOSITION);
    return text.data();
}

// "0&1" .. "3&2": the mnemonic is the period's last digit.
std::string periodText(int32_t period)
{
    return std::string{static_cast<char>('0' + period / 10), '&', static_cast<char>('0' + period % 10)};
}

class MenuBar : public testing::Test {
protected:
    void SetUp() override { ASSERT_NE(openMainWindow(), nullptr); }
    void TearDown() override { closeMainWindow(); }
};

}  // namespace

TEST_F(MenuBar, HasTheFourMenusInOrder)
{
    const HMENU bar = GetMenu(mainWindow);
    ASSERT_EQ(GetMenuItemCount(bar), 4);
    const char* titles[] = {"&File", "&Edit", "&Add", "A&bout"};
    for (UINT i = 0; i < 4; ++i) {
        EXPECT_EQ(itemText(bar, i), titles[i]);
        EXPECT_NE(GetSubMenu(bar, i), nullptr) << titles[i];
    }
}

TEST_F(MenuBar, FileAndEditHoldEveryCommandWithItsText)
{
    const HMENU bar = GetMenu(mainWindow);
    for (UINT m = 0; m < std::size(commandMenus); ++m) {
        const TopMenu& expected = commandMenus[m];
        const HMENU menu = GetSubMenu(bar, m);
        ASSERT_EQ(GetMenuItemCount(menu), expected.count) << expected.title;
        for (int32_t i = 0; i < expected.count; ++i) {
            const MenuItem& item = expected.items[i];
            SCOPED_TRACE(std::string(expected.title) + " item " + std::to_string(i));
            if (item.id == 0) {
                EXPECT_TRUE(GetMenuState(menu, i, MF_BYPOSITION) & MF_SEPARATOR);
                continue;
            }
            EXPECT_EQ(GetMenuItemID(menu, i), static_cast<UINT>(item.id));
            EXPECT_EQ(itemText(menu, i), item.text);
        }
    }
}

TEST_F(MenuBar, AboutHoldsTheAboutCommand)
{
    const HMENU about = GetSubMenu(GetMenu(mainWindow), 3);
    ASSERT_EQ(GetMenuItemCount(about), 1);
    EXPECT_EQ(GetMenuItemID(about, 0), static_cast<UINT>(IDM_ABOUT));
    EXPECT_EQ(itemText(about, 0), "About &Tarnwell...");
}

TEST_F(MenuBar, AddHasAPeriodItemForEveryPeriodOfLoansAndPayments)
{
    struct AddItem {
        const char* text;
        int32_t base;
    } addItems[] = {{"Add &Loan Transaction to Period: ", 42000}, {"Add &Payment Transaction to Period: ", 43000}};
    struct Group {
        const char* text;
        int32_t first, last;
    } groups[] = {{"&01 to 09", 1, 9}, {"&10 to 19", 10, 19}, {"&20 to 29", 20, 29}, {"&30 to 32", 30, 32}};

    const HMENU add = GetSubMenu(GetMenu(mainWindow), 2);
    ASSERT_EQ(GetMenuItemCount(add), 2);
    for (UINT a = 0; a < 2; ++a) {
        EXPECT_EQ(itemText(add, a), addItems[a].text);
        const HMENU periods = GetSubMenu(add, a);
        ASSERT_NE(periods, nullptr);
        ASSERT_EQ(GetMenuItemCount(periods), 4);
        for (UINT g = 0; g < 4; ++g) {
            SCOPED_TRACE(std::string(addItems[a].text) + groups[g].text);
            EXPECT_EQ(itemText(periods, g), groups[g].text);
            const HMENU group = GetSubMenu(periods, g);
            ASSERT_NE(group, nullptr);
            ASSERT_EQ(GetMenuItemCount(group), groups[g].last - groups[g].first + 1);
            for (int32_t period = groups[g].first; period <= groups[g].last; ++period) {
                const UINT position = period - groups[g].first;
                EXPECT_EQ(GetMenuItemID(group, position), static_cast<UINT>(addItems[a].base + period));
                EXPECT_EQ(itemText(group, position), periodText(period));
            }
        }
    }
}

TEST_F(MenuBar, OnlyPeriodOneOfEachAddItemIsCheckedAtStart)
{
    for (int32_t base : {IDM_ADD_LOAN_BASE, IDM_ADD_PAYMENT_BASE}) {
        for (int32_t period = 1; period <= IDM_ADD_PERIODS; ++period) {
            const bool checked = (menuState(base + period) & MF_CHECKED) != 0;
            EXPECT_EQ(checked, period == 1) << base + period;
        }
    }
}

TEST_F(MenuBar, AcceleratorsAreCtrlXCVDAForTheEditCommands)
{
    struct Accelerator {
        char key;
        int32_t id;
    } expected[] = {{'X', 41000}, {'C', 41001}, {'V', 41002}, {'D', 41003}, {'A', 41004}};
    const HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), "Tarnwell");
    ASSERT_NE(table, nullptr);
    std::array<ACCEL, 8> entries{};
    ASSERT_EQ(CopyAcceleratorTableA(table, entries.data(), entries.size()), 5);
    for (const Accelerator& accelerator : expected) {
        bool found = false;
        for (int i = 0; i < 5; ++i) {
            if (entries[i].key != accelerator.key) continue;
            found = true;
            EXPECT_EQ(entries[i].cmd, accelerator.id);
            EXPECT_EQ(entries[i].fVirt & (FVIRTKEY | FCONTROL | FSHIFT | FALT), FVIRTKEY | FCONTROL);
        }
        EXPECT_TRUE(found) << accelerator.key;
    }
}
