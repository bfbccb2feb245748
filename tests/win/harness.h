// The Windows tests' helpers: the real main window created in process,
// message pumping, and a recorder that answers every message box.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// The window from the program's class, shown at the screen's top left with
// this client size, after the ledger, snapshot, focus and layout records are
// put back as the program starts them; returns it (also in mainWindow).
HWND openMainWindow(int32_t clientWidth = 800, int32_t clientHeight = 600);
void closeMainWindow();  // destroys it if it exists, drains messages
void resizeClient(int32_t width, int32_t height);
void pumpMessages();  // the quit message is dropped

// Every dialog box this thread activates is recorded once and answered at
// once with `answer`, so that no test hangs in a modal loop.
struct BoxRecorder {
    int32_t count;
    std::string title, text;
    HICON icon;
    HWND owner, lastBox;
    int32_t answer;
};
extern BoxRecorder boxes;
void answerBoxesWith(int32_t button);  // forgets the boxes seen so far
