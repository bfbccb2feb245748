// The Windows tests' helpers: the real main window created in process,
// message pumping, and a recorder that answers every message box.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

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

// The client's pixels as the screen shows them, 0xRRGGBB, top row first.
struct Capture {
    int32_t width, height;
    std::vector<uint32_t> pixels;
    uint32_t at(int32_t x, int32_t y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    bool dark(int32_t x, int32_t y) const { return ((at(x, y) >> 16) & 0xff) < 128; }
    int32_t darkIn(int32_t left, int32_t top, int32_t right, int32_t bottom) const;
};
Capture captureClient();  // after the pending paints
Capture captureDC(HDC dc, int32_t width, int32_t height);
void repaintAll();

// The rectangle of every paint the window gets while recording.
extern std::vector<RECT> paints;
void recordPaints();  // clears the record and starts it; the window keeps it until it closes

// Input as the window procedure gets it: a key-down with Shift held or
// not, characters, a left-button press.
void pressKey(int32_t key, bool shift = false);
void typeText(const std::string& text);
void clickAt(int32_t x, int32_t y);
