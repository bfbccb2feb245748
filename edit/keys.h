// Win32: a key-down handed to the editor. Only a commit (Enter, Tab,
// Shift+Tab) writes the ledger; every other key changes the edit focus and
// repaints what it changed.
#pragma once

#include <cstdint>

// A key-down, after the window has brought the active field into view:
// caret and scroll keys, Backspace, Delete, Enter, Tab, Shift+Tab, Escape.
// While the whole document is selected, any key but Ctrl ends that first
// and does nothing else. Edit > Cut and Delete call it with Delete.
void handleKeyDown(int32_t key);
