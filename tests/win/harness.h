// Helpers for the Windows tests: the real main window created in process at
// a chosen client size, message pumping, pixels, the accelerator table, and
// a recorder that answers message boxes from the test side.
//
// Each test opens the main window in its SetUp (or body) and closes it at the
// end. ctest runs every test in a process of its own; when the executable
// runs all tests in one process, the ledger, snapshot, edit focus and layout
// records are put back to their start state before every window (records of
// other subsystems are not).
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>

// Creates, sizes to the given client area, shows and paints the main window
// from the program's real class; returns it (also in mainWindow).
HWND openMainWindow(int32_t clientWidth = 800, int32_t clientHeight = 600);

// Destroys the main window if it still exists and drains its messages.
void closeMainWindow();

// Dispatches every queued message of this thread (the quit message that
// WM_DESTROY posts is dropped).
void pumpMessages();

// The colour of a client pixel as the screen shows it now.
COLORREF clientPixel(int32_t x, int32_t y);

// Runs key through the program's accelerator table with Ctrl held down, the
// way the message loop does; true when the table turned it into a command.
bool pressCtrlAccelerator(int32_t key);

// The menu bar's state of a command: MF_GRAYED, MF_CHECKED... bits.
UINT menuState(int32_t id);
bool isGrayed(int32_t id);

// Opens the Edit menu the way the user does: WM_INITMENUPOPUP to the window.
void openEditMenu();

// Replaces the clipboard's contents with text, or empties it (nullptr).
void setClipboardText(const char* text);

// -------- message boxes --------

enum BoxIcon { NoIcon, QuestionIcon, ExclamationIcon, InformationIcon, OtherIcon };

struct RecordedBox {
    std::array<char, 256> title;
    std::array<char, 512> text;
    BoxIcon icon;
    HWND owner;
};

struct BoxRecorder {
    int32_t count;         // boxes seen since answering started
    RecordedBox last;      // the last box seen
    int32_t answer;        // button pressed: IDOK, IDYES, IDNO or IDCANCEL
    HWND lastBox;          // so that a box activated twice counts once
};

extern BoxRecorder boxes;

// Every dialog box this thread shows is recorded and answered as soon as it
// is activated, so that no test can hang in a modal loop; a test that expects
// no box checks that `boxes.count` stayed 0. Installed once by the test main.
void installBoxRecorder();

// Forgets the boxes seen so far; the next ones are answered with `button`
// (IDCANCEL until a test says otherwise).
void answerBoxesWith(int32_t button);

// The records as the program starts; the test main captures them before the
// first window exists.
void captureStartState();
