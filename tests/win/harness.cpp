#include "win/harness.h"

#include <cstring>

#include "app/main_window.h"
#include "edit/focus.h"
#include "ledger/ledger.h"
#include "view/layout.h"

BoxRecorder boxes{};

// The records as the program starts, captured by the test main before any
// window exists.
static EditFocus initialFocus;
static ScreenMetrics initialScreen;
static HeaderFieldRects initialHeaderRects;

void captureStartState()
{
    initialFocus = editFocus;
    initialScreen = screen;
    initialHeaderRects = headerRects;
}

static void restoreStartState()
{
    editFocus = initialFocus;
    screen = initialScreen;
    headerRects = initialHeaderRects;
    std::memset(&ledger, 0, sizeof ledger);
    std::memset(&savedSnapshot, 0, sizeof savedSnapshot);
}

void pumpMessages()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

static void setClientSize(HWND window, int32_t width, int32_t height)
{
    RECT outer, client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    const int32_t frameWidth = (outer.right - outer.left) - client.right;
    const int32_t frameHeight = (outer.bottom - outer.top) - client.bottom;
    SetWindowPos(window, nullptr, 0, 0, width + frameWidth, height + frameHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND openMainWindow(int32_t clientWidth, int32_t clientHeight)
{
    restoreStartState();
    answerBoxesWith(IDCANCEL);
    const HWND window = createMainWindow(GetModuleHandleA(nullptr));
    if (!window) return nullptr;
    ShowWindow(window, SW_SHOWNORMAL);
    // Twice: a menu bar that wraps at the first width changes the frame.
    setClientSize(window, clientWidth, clientHeight);
    setClientSize(window, clientWidth, clientHeight);
    UpdateWindow(window);
    pumpMessages();
    return window;
}

void closeMainWindow()
{
    if (mainWindow && IsWindow(mainWindow)) DestroyWindow(mainWindow);
    pumpMessages();
}

COLORREF clientPixel(int32_t x, int32_t y)
{
    const HDC dc = GetDC(mainWindow);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(mainWindow, dc);
    return colour;
}

bool pressCtrlAccelerator(int32_t key)
{
    const HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), "Tarnwell");
    std::array<BYTE, 256> saved{}, held{};
    GetKeyboardState(saved.data());
    held = saved;
    held[VK_CONTROL] = 0x80;
    held[key] = 0x80;
    SetKeyboardState(held.data());
    MSG message{mainWindow, WM_KEYDOWN, static_cast<WPARAM>(key), 1, 0, {}};
    const bool translated = TranslateAcceleratorA(mainWindow, table, &message) != 0;
    SetKeyboardState(saved.data());
    return translated;
}

UINT menuState(int32_t id) { return GetMenuState(GetMenu(mainWindow), id, MF_BYCOMMAND); }

bool isGrayed(int32_t id) { return (menuState(id) & MF_GRAYED) != 0; }

void openEditMenu()
{
    const HMENU edit = GetSubMenu(GetMenu(mainWindow), 1);
    SendMessageA(mainWindow, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(edit), MAKELPARAM(1, FALSE));
}

void setClipboardText(const char* text)
{
    if (!OpenClipboard(mainWindow)) return;
    EmptyClipboard();
    if (text) {
        const size_t size = std::strlen(text) + 1;
        const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
        std::memcpy(GlobalLock(memory), text, size);
        GlobalUnlock(memory);
        SetClipboardData(CF_TEXT, memory);
    }
    CloseClipboard();
}

// -------- message boxes --------

static HHOOK boxHook = nullptr;

static BoxIcon iconKind(HICON icon)
{
    if (!icon) return NoIcon;
    if (icon == LoadIconA(nullptr, IDI_QUESTION)) return QuestionIcon;
    if (icon == LoadIconA(nullptr, IDI_EXCLAMATION)) return ExclamationIcon;
    if (icon == LoadIconA(nullptr, IDI_INFORMATION)) return InformationIcon;
    return OtherIcon;
}

// A message box holds one icon static and one text static besides its
// buttons; their control identifiers differ between Windows versions.
static BOOL CALLBACK readBoxChild(HWND child, LPARAM record)
{
    RecordedBox& box = *reinterpret_cast<RecordedBox*>(record);
    std::array<char, 32> className{};
    GetClassNameA(child, className.data(), className.size());
    if (lstrcmpiA(className.data(), "Static") != 0) return TRUE;
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
        box.icon = iconKind(reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0)));
        return TRUE;
    }
    std::array<char, 512> text{};
    if (GetWindowTextA(child, text.data(), text.size()) > 0) box.text = text;
    return TRUE;
}

static LRESULT CALLBACK boxHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    const HWND box = reinterpret_cast<HWND>(wParam);
    std::array<char, 32> className{};
    if (code == HCBT_ACTIVATE && box != boxes.lastBox && GetClassNameA(box, className.data(), className.size()) &&
        std::strcmp(className.data(), "#32770") == 0) {
        boxes.lastBox = box;
        boxes.last = RecordedBox{};
        GetWindowTextA(box, boxes.last.title.data(), boxes.last.title.size());
        boxes.last.owner = GetWindow(box, GW_OWNER);
        EnumChildWindows(box, readBoxChild, reinterpret_cast<LPARAM>(&boxes.last));
        ++boxes.count;
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(boxes.answer, BN_CLICKED), 0);
    }
    return CallNextHookEx(boxHook, code, wParam, lParam);
}

void installBoxRecorder()
{
    answerBoxesWith(IDCANCEL);
    boxHook = SetWindowsHookExA(WH_CBT, boxHookProc, nullptr, GetCurrentThreadId());
}

void answerBoxesWith(int32_t button)
{
    boxes = BoxRecorder{};
    boxes.answer = button;
}
