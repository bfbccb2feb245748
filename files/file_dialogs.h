// Win32: the Save and Open dialogs over one record and two name buffers
// kept for the whole run.
#pragma once

#include <array>
#include <cstdint>

constexpr int32_t fileNameSize = 260;

extern std::array<char, fileNameSize> currentPath;   // the full name the dialogs fill and start from
extern std::array<char, fileNameSize> currentTitle;  // the name without its folder: the window title

// At window creation: the file-dialog record and its name buffers, which
// live for the whole run so that each dialog starts on the last name used.
void initFileDialogs();

// The Save dialog with its three filters; false when cancelled. `filter` is
// the one left selected: 1 document, 2 comma-delimited, 3 all files.
bool askSavePath(int32_t& filter);

// The Open dialog, for an existing file; false when cancelled.
bool askOpenPath();
