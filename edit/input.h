// Win32: the window's keyboard and mouse input handed to the editor. Only
// a commit (Enter, Tab, Shift+Tab, a click) writes the ledger; every other
// key and character changes the edit focus and repaints what it changed.
#pragma once

#include <cstdint>

// A key-down, after the window has brought the active field into view:
// caret and scroll keys, Backspace, Delete, Enter, Tab, Shift+Tab, Escape.
// While the whole document is selected, any key but Ctrl ends that first
// and does nothing else. Edit > Cut and Delete call it with Delete.
void handleKeyDown(int32_t key);

// A character message: typed into the active field when it accepts the
// character and has room; refused silently otherwise.
void enterCharacter(uint32_t code);

// A left-button press at client (x, y): commits the active field and makes
// the field under the pointer active with all its text selected.
void selectFieldAtPoint(int32_t x, int32_t y);
