// The entry point: register the class, create and show the window, and run
// the message loop with the Edit accelerators. A document named on the
// command line (a double-click on a .tnw file) is opened once the window
// is shown.
#include <windows.h>

#include <cstdlib>

#include "app/main_window.h"
#include "files/open.h"
#include "view/window_handle.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    if (!registerMainWindowClass(instance)) return 0;
    const HWND window = createMainWindow(instance);
    if (!window) return 0;  // WM_CREATE refused it and has told the user
    ShowWindow(window, show);
    UpdateWindow(window);
    if (__argc > 1) openLedgerAtStart(__argv[1]);
    const HACCEL accelerators = LoadAcceleratorsA(instance, programName);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {  // 0 at WM_QUIT; -1 (no queue) ends it too
        if (TranslateAcceleratorA(window, accelerators, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
