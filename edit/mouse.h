// Win32: a left-button press handed to the editor.
#pragma once

#include <cstdint>

// A left-button press at client (x, y): commits the active field and makes
// the field under the pointer active with all its text selected.
void selectFieldAtPoint(int32_t x, int32_t y);
