#include "win/harness.h"

#include <gtest/gtest.h>
#include <dlgs.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <iterator>

#include "app/main_window.h"
#include "edit/focus.h"
#include "ledger/ledger.h"
#include "ledger/recalculate.h"
#include "view/window_layout.h"
#include "view/layout.h"

BoxRecorder boxes{};

void pumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        if (message.message != WM_QUIT) DispatchMessageA(&message);
}

void resizeClient(int32_t width, int32_t height)
{
    RECT outer, client;
    GetWindowRect(mainWindow, &outer);
    GetClientRect(mainWindow, &client);
    SetWindowPos(mainWindow, nullptr, 0, 0, width + (outer.right - outer.left) - client.right,
                 height + (outer.bottom - outer.top) - client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
    pumpMessages();
}

HWND openMainWindow(int32_t clientWidth, int32_t clientHeight)
{
    editFocus = startFocus;
    screen = {};
    headerRects = {};
    std::memset(&ledger, 0, sizeof ledger);
    std::memset(&savedSnapshot, 0, sizeof savedSnapshot);
    answerBoxesWith(IDCANCEL);
    if (!createMainWindow(GetModuleHandleA(nullptr))) return nullptr;
    ShowWindow(mainWindow, SW_SHOWNORMAL);
    resizeClient(clientWidth, clientHeight);  // twice: a menu bar wrapping at
    resizeClient(clientWidth, clientHeight);  // the first width changes the frame
    UpdateWindow(mainWindow);
    pumpMessages();
    return mainWindow;
}

void closeMainWindow()
{
    if (mainWindow && IsWindow(mainWindow)) DestroyWindow(mainWindow);
    pumpMessages();
}

// A message box holds an icon static and a text static besides its buttons.
static BOOL CALLBACK readBoxChild(HWND child, LPARAM)
{
    std::array<char, 512> text{};
    GetClassNameA(child, text.data(), text.size());
    if (lstrcmpiA(text.data(), "Static") != 0) return TRUE;
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON)
        boxes.icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
    else if (GetWindowTextA(child, text.data(), text.size()) > 0)
        boxes.text = text.data();
    return TRUE;
}

static HHOOK boxHook = nullptr;
static HWND pendingBox = nullptr;
static int32_t pendingAnswer = IDCANCEL;

// A file dialog gets its name typed and its filter chosen first.
static void CALLBACK answerPendingBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    const HWND box = pendingBox;
    if (GetDlgItem(box, cmb13)) SetDlgItemTextA(box, cmb13, boxes.fileName.c_str());
    if (GetDlgItem(box, cmb1) && boxes.filter > 0) {
        SendDlgItemMessageA(box, cmb1, CB_SETCURSEL, boxes.filter - 1, 0);
        SendMessageA(box, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELENDOK), LPARAM(GetDlgItem(box, cmb1)));
    }
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(pendingAnswer, BN_CLICKED), 0);
}

static LRESULT CALLBACK boxHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    const HWND box = reinterpret_cast<HWND>(wParam);
    std::array<char, 256> text{};
    if (code == HCBT_ACTIVATE && box != boxes.lastBox && GetClassNameA(box, text.data(), text.size()) &&
        std::strcmp(text.data(), "#32770") == 0) {
        boxes.lastBox = box;
        GetWindowTextA(box, text.data(), text.size());
        boxes.title = text.data();
        boxes.text.clear();
        boxes.icon = nullptr;
        boxes.titles += boxes.title + "|";
        boxes.owner = GetWindow(box, GW_OWNER);
        EnumChildWindows(box, readBoxChild, 0);
        pendingBox = box;
        pendingAnswer = boxes.answers[std::min<size_t>(boxes.count++, boxes.answers.size() - 1)];
        SetTimer(nullptr, 0, 0, answerPendingBox);  // once the box has finished setting itself up
    }
    return CallNextHookEx(boxHook, code, wParam, lParam);
}

Capture captureClient()
{
    pumpMessages();
    const int32_t w = screen.clientWidth, h = screen.clientHeight;
    Capture c{w, h, std::vector<uint32_t>(static_cast<size_t>(w) * h)};
    const HDC source = GetDC(mainWindow), memory = CreateCompatibleDC(source);
    const HBITMAP bitmap = CreateCompatibleBitmap(source, w, h);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, source, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    GetDIBits(memory, bitmap, 0, h, c.pixels.data(), &info, DIB_RGB_COLORS);
    for (uint32_t& p : c.pixels) p &= 0xffffff;
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(mainWindow, source);
    return c;
}

void repaintAll()
{
    InvalidateRect(mainWindow, nullptr, TRUE);
    UpdateWindow(mainWindow);
}

void expectNothingStale(const char* step)
{
    const Capture partial = captureClient();
    repaintAll();
    EXPECT_TRUE(partial.pixels == captureClient().pixels) << "stale pixels after " << step;
}

void showLedger()
{
    ASSERT_TRUE(RecalculateLedger());
    TakeSnapshot();
    resetScrollToTop();
    repaintAll();
}

void pressKey(int32_t key, bool shift)
{
    std::array<BYTE, 256> held{};
    held[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(held.data());
    SendMessageA(mainWindow, WM_KEYDOWN, static_cast<WPARAM>(key), 1);
    held[VK_SHIFT] = 0;
    SetKeyboardState(held.data());
}

void typeText(const std::string& text)
{
    for (const char c : text) SendMessageA(mainWindow, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void command(int32_t id) { SendMessageA(mainWindow, WM_COMMAND, id, 0); }

std::string windowTitle()
{
    char title[300];
    GetWindowTextA(mainWindow, title, sizeof title);
    return title;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string scratch(const std::string& name)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    CreateDirectoryA((std::string(temp) + "tarnwell").c_str(), nullptr);
    const std::string path = std::string(temp) + "tarnwell\\" + name;
    DeleteFileA(path.c_str());
    return path;
}

void clickAt(int32_t x, int32_t y) { SendMessageA(mainWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y)); }

void setClipboard(const char* text, size_t bytes)
{
    OpenClipboard(mainWindow);
    EmptyClipboard();
    if (text) {
        const size_t length = std::strlen(text), size = bytes == SIZE_MAX ? length + 1 : bytes;
        HGLOBAL block = nullptr;  // for no bytes: text promised but never rendered, so no memory object
        if (size > 0) {
            block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
            std::memcpy(GlobalLock(block), text, std::min(length, size));
            GlobalUnlock(block);
        }
        SetClipboardData(CF_TEXT, block);
    }
    CloseClipboard();
}

void answerBoxesWith(std::vector<int32_t> buttons, const std::string& fileName)
{
    boxes = BoxRecorder{};
    boxes.answers = buttons;
    boxes.fileName = fileName;
}

// The program's window class is registered once, as WinMain does.
int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    boxHook = SetWindowsHookExA(WH_CBT, boxHookProc, nullptr, GetCurrentThreadId());
    answerBoxesWith(IDCANCEL);
    if (!registerMainWindowClass(GetModuleHandleA(nullptr))) return 1;
    return RUN_ALL_TESTS();
}
