#include "app/main_window.h"

#include "app/handlers.h"
#include "view/messages.h"
#include "edit/mouse.h"
#include "edit/typing.h"
#include "view/paint.h"
#include "view/window_handle.h"
#include "view/window_layout.h"

bool registerMainWindowClass(HINSTANCE instance)
{
    WNDCLASSA windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = mainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, programName);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszMenuName = programName;
    windowClass.lpszClassName = programName;
    if (RegisterClassA(&windowClass)) return true;
    reportStartupFailure("Can not register class", programName);
    return false;
}

HWND createMainWindow(HINSTANCE instance)
{
    return CreateWindowExA(0, programName, programName, WS_OVERLAPPEDWINDOW | WS_VSCROLL, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
}

// The four painting steps, in the order in which they overlap.
static void onPaint(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    paintHeader(dc);
    paintTransactions(dc);
    paintSummary(dc);
    paintSelectAll(dc);
    EndPaint(window, &paint);
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: return onCreate(window) ? 0 : -1;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_SIZE: onSize(LOWORD(lParam), HIWORD(lParam)); return 0;
    case WM_PAINT: onPaint(window); return 0;
    case WM_CLOSE: return onClose() ? DefWindowProcA(window, message, wParam, lParam) : 0;
    case WM_KEYDOWN: onKeyDown(static_cast<int32_t>(wParam)); return 0;
    case WM_CHAR: enterCharacter(static_cast<uint32_t>(wParam)); return 0;
    case WM_COMMAND:
        return onCommand(window, LOWORD(wParam)) ? 0 : DefWindowProcA(window, message, wParam, lParam);
    case WM_VSCROLL: onVerticalScroll(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_INITMENUPOPUP: onInitMenuPopup(window); return 0;
    case WM_LBUTTONDOWN:
        selectFieldAtPoint(LOWORD(lParam), HIWORD(lParam));
        return 0;  // unsigned client coordinates
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}
