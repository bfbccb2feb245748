// The Windows tests' helpers: the real main window created in process,
// message pumping, and a recorder that answers every message box.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "view/layout.h"

// The window from the program's class, shown at the screen's top left with
// this client size, after the ledger, snapshot, focus and layout records are
// put back as the program starts them; returns it (also in mainWindow).
HWND openMainWindow(int32_t clientWidth = 800, int32_t clientHeight = 600);
void closeMainWindow();  // destroys it if it exists, drains messages
void resizeClient(int32_t width, int32_t height);
void pumpMessages();  // the quit message is dropped

// A test on the main window as openMainWindow() gives it, closed afterwards.
struct MainWindowTest : testing::Test {
    void SetUp() override { ASSERT_NE(openMainWindow(), nullptr); }
    void TearDown() override { closeMainWindow(); }
};

// Every dialog box this thread activates is recorded once and answered at
// once, so that no test hangs in a modal loop: with the next of `answers`,
// the last one again when they run out. A file dialog first gets `fileName`
// typed into its name box.
struct BoxRecorder {
    int32_t count;
    std::string title, text, titles;  // of the last box; every title, each followed by "|"
    HICON icon;
    HWND owner, lastBox;
    std::vector<int32_t> answers;
    std::string fileName;
    int32_t filter;  // a file dialog's filter to choose, from 1; 0 leaves it
};
extern BoxRecorder boxes;
// Forgets the boxes seen so far.
void answerBoxesWith(std::vector<int32_t> buttons, const std::string& fileName = "");
inline void answerBoxesWith(int32_t button, const std::string& fileName = "")
{
    answerBoxesWith(std::vector{button}, fileName);
}

// The client's pixels as the screen shows them, 0xRRGGBB, top row first.
struct Capture {
    int32_t width, height;
    std::vector<uint32_t> pixels;
    uint32_t at(int32_t x, int32_t y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};
Capture captureClient();  // after the pending paints
void repaintAll();

// The screen as a full repaint would draw it: no stale digit, frame, caret or rule.
void expectNothingStale(const char* step);

// The window's paint compared pixel for pixel with its stored picture
// `name` (picture_test.cpp).
void expectPicture(const char* name);

// The ledger changed by a test, recalculated and shown as an opened document.
void showLedger();

// Input as the window procedure gets it: a menu command, a key-down with
// Shift held or not, characters, a left-button press.
void command(int32_t id);
void pressKey(int32_t key, bool shift = false);
void typeText(const std::string& text);
void clickAt(int32_t x, int32_t y);
inline void clickIn(const PixelRect& r) { clickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2); }

std::string windowTitle();

// A file's bytes ("" when it cannot be read), and a path for `name` in a
// scratch folder of the temporary folder, with no file there yet.
std::string readFile(const std::string& path);
std::string scratch(const std::string& name);

// A block of `bytes` bytes (by default the text and its zero byte) holding
// the text as the clipboard's text (0: offered, but with no memory object);
// no text at all for null.
void setClipboard(const char* text, size_t bytes = SIZE_MAX);
