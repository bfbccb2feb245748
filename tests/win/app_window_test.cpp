// The main window as WinMain creates it: class, style, title, the default
// ledger taken as unchanged, and the start-up failure box.
#include <gtest/gtest.h>

#include <cstring>

#include "app/main_window.h"
#include "ledger/ledger.h"
#include "win/harness.h"

TEST(MainWindow, IsCreatedWithTheClassStyleAndTitle)
{
    const HWND window = openMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window, mainWindow);

    std::array<char, 64> text{};
    GetWindowTextA(window, text.data(), text.size());
    EXPECT_STREQ(text.data(), "Tarnwell");
    GetClassNameA(window, text.data(), text.size());
    EXPECT_STREQ(text.data(), "Tarnwell");

    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_EQ(style & (WS_OVERLAPPEDWINDOW | WS_VSCROLL), WS_OVERLAPPEDWINDOW | WS_VSCROLL);
    EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE & ~WS_EX_CLIENTEDGE, 0);
    EXPECT_EQ(GetClassLongPtrA(window, GCL_STYLE) & (CS_HREDRAW | CS_VREDRAW), static_cast<ULONG_PTR>(CS_HREDRAW | CS_VREDRAW));
    EXPECT_NE(GetClassLongPtrA(window, GCLP_HICON), 0u);
    EXPECT_EQ(GetClassLongPtrA(window, GCLP_HBRBACKGROUND), reinterpret_cast<ULONG_PTR>(GetStockObject(WHITE_BRUSH)));
    EXPECT_NE(GetMenu(window), nullptr);
    closeMainWindow();
}

TEST(MainWindow, StartsWithTheRecalculatedDefaultLedgerTakenAsUnchanged)
{
    ASSERT_NE(openMainWindow(), nullptr);
    EXPECT_EQ(ledger.count, 32);
    EXPECT_EQ(ledger.bodyLineCount, bodyLineCountFor(32));
    EXPECT_STREQ(ledger.header.beginningBalance.sign.data(), "+");
    for (int32_t i = 0; i < ledger.count; ++i) {
        EXPECT_EQ(ledger.table[i].type, Interest);
        EXPECT_EQ(ledger.table[i].period, i + 1);  // filled in by the recalculation
    }
    EXPECT_FALSE(IsLedgerModified());
    EXPECT_EQ(boxes.count, 0);
    closeMainWindow();
}

TEST(MainWindow, ARegistrationFailureIsToldWithoutOwner)
{
    // The class is registered already, so a second registration fails.
    answerBoxesWith(IDOK);
    EXPECT_FALSE(registerMainWindowClass(GetModuleHandleA(nullptr)));
    ASSERT_EQ(boxes.count, 1);
    EXPECT_STREQ(boxes.last.title.data(), "Tarnwell");
    EXPECT_STREQ(boxes.last.text.data(), "Can not register class");
    EXPECT_EQ(boxes.last.icon, ExclamationIcon);
    EXPECT_EQ(boxes.last.owner, nullptr);
}

TEST(Harness, ReadsBackWhatIsOnTheScreen)
{
    ASSERT_NE(openMainWindow(640, 300), nullptr);
    RECT client;
    GetClientRect(mainWindow, &client);
    EXPECT_EQ(client.right, 640);
    EXPECT_EQ(client.bottom, 300);
    EXPECT_EQ(clientPixel(2, 290), RGB(255, 255, 255));  // the class background left of the block
    const HDC dc = GetDC(mainWindow);
    const RECT square{10, 10, 20, 20};
    FillRect(dc, &square, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(mainWindow, dc);
    EXPECT_EQ(clientPixel(15, 15), RGB(0, 0, 0));
    closeMainWindow();
}
