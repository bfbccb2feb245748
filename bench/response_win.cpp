// The user's path on the largest ledger, timed in the real window under
// Wine: a committed edit of the first transaction's amount from the Enter
// key to the end of its repaint, one scroll step and one page down. Each is
// sent to the window procedure as the message loop would send it; the
// figures are the median and the slowest of a run of them.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/main_window.h"
#include "edit/focus.h"
#include "ledger/recalculate.h"
#include "view/window_layout.h"

// 1024 transactions: a loan first, then interest and payments by turns, so
// that 512 interest products follow the edited amount; a rate and a
// balance with every digit in use.
static void makeLargestLedger()
{
    resetToDefaultDocument(ledger);
    ledger.count = maxTransactions;
    std::memcpy(ledger.header.beginningBalance.integer.data(), "000000123456789012345", 21);
    std::memcpy(ledger.header.ratePerPeriod.data(), "00012345678901234567", 20);
    for (int32_t i = 0; i < maxTransactions; ++i) {
        Transaction& t = ledger.table[i];
        t.type = i == 0 ? Loan : i % 2 ? Interest : Payment;
        fillZeroDigits(t.amount.integer);
        fillZeroDigits(t.amount.fraction);
        if (t.type == Payment) std::memcpy(t.amount.integer.data() + 15, "123456", 6);
    }
    RecalculateLedger();
    TakeSnapshot();
}

static double milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Times `send` `runs` times after `prepare`, each time until the paints it
// asked for have been handed to the display.
template <typename Prepare, typename Send>
static void timeRuns(const char* what, int32_t runs, Prepare prepare, Send send)
{
    std::vector<double> times;
    for (int32_t run = 0; run < runs; ++run) {
        prepare(run);
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        send();
        GdiFlush();
        QueryPerformanceCounter(&end);
        times.push_back(milliseconds(start, end));
    }
    std::sort(times.begin(), times.end());
    std::printf("%-44s median %6.2f ms   slowest %6.2f ms   (%d runs)\n", what, times[times.size() / 2],
                times.back(), runs);
}

int main()
{
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!registerMainWindowClass(instance) || !createMainWindow(instance)) return 1;
    ShowWindow(mainWindow, SW_SHOWNORMAL);
    SetWindowPos(mainWindow, nullptr, 0, 0, 1000, 900, SWP_NOZORDER);
    makeLargestLedger();
    resetScrollToTop();
    UpdateWindow(mainWindow);
    const int32_t runs = 21;
    timeRuns("committed edit of the first amount (Enter)", runs,
             [](int32_t run) {
                 activateField(0, AmountInteger);
                 const char digits[] = {static_cast<char>('1' + run % 9), '0', '0', 0};
                 for (const char* c = digits; *c; ++c) SendMessageA(mainWindow, WM_CHAR, *c, 1);
             },
             [] { SendMessageA(mainWindow, WM_KEYDOWN, VK_RETURN, 1); });
    timeRuns("one scroll step (scroll bar line down)", runs, [](int32_t) {},
             [] { SendMessageA(mainWindow, WM_VSCROLL, SB_LINEDOWN, 0); });
    timeRuns("one page down (Page Down key)", runs, [](int32_t) {},
             [] { SendMessageA(mainWindow, WM_KEYDOWN, VK_NEXT, 1); });
    std::printf("recalculation of the ledger alone:\n");
    timeRuns("RecalculateLedger, 1024 transactions", runs, [](int32_t) {}, [] { RecalculateLedger(); });
    DestroyWindow(mainWindow);
    return 0;
}
