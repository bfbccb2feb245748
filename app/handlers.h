// The window procedure's handlers, one per message it handles itself.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ledger/ledger.h"

// WM_CREATE: the default ledger and everything that depends on it. False
// when the ledger cannot be set up; the window must then not be created.
bool onCreate(HWND window);

// WM_CLOSE and File > Exit: true when the window may be destroyed (nothing
// unsaved, or the user chose not to save).
bool onClose();

// WM_KEYDOWN around the key handling of the edit subsystem.
void onKeyDown(int32_t key);

// WM_COMMAND: false for an identifier that is not a Tarnwell command.
bool onCommand(HWND window, int32_t id);

// WM_INITMENUPOPUP: enables or greys the Edit commands for the current focus.
void onInitMenuPopup(HWND window);

// Edit > Select All.
void selectAll();

// Add > Add Loan or Payment Transaction to Period: a zero loan or payment
// at the end of `period` (1 to 32), its description active.
void AddTransaction(TransactionType type, int32_t period);

// About > About Tarnwell.
void showAbout();
