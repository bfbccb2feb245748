// Win32: text handed to the clipboard in a movable global block, the way
// Copy and Cut both do it.
#pragma once

#include <windows.h>

#include <cstdint>

// Opens, empties and closes the clipboard around setting the block as its
// CF_TEXT data.
void handToClipboard(HGLOBAL block);

// The `n` characters and a zero byte in a new block on the clipboard. False,
// with the message shown under `title` and the clipboard untouched, when
// the block cannot be allocated or locked.
bool putTextOnClipboard(const char* text, int32_t n, const char* title);
