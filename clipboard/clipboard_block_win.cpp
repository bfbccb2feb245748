#include <windows.h>

#include <cstring>

#include "clipboard/clipboard_block.h"
#include "view/messages.h"
#include "view/window_handle.h"

static constexpr UINT clipboardMemory = GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE;  // 0x2042

void handToClipboard(HGLOBAL block)
{
    // The program goes on whatever the clipboard answers; once set, the
    // block is the clipboard's.
    OpenClipboard(mainWindow);
    EmptyClipboard();
    SetClipboardData(CF_TEXT, block);
    CloseClipboard();
}

bool putTextOnClipboard(const char* text, int32_t n, const char* title)
{
    const HGLOBAL block = GlobalAlloc(clipboardMemory, static_cast<SIZE_T>(n) + 1);
    if (!block) {
        reportFailure("Can not allocate memory.", title);
        return false;
    }
    void* bytes = GlobalLock(block);
    if (!bytes) {
        GlobalFree(block);
        reportFailure("Can not obtain a pointer to global memory.", title);
        return false;
    }
    std::memcpy(bytes, text, static_cast<std::size_t>(n));  // the zeroed last byte ends the text
    GlobalUnlock(block);
    handToClipboard(block);
    return true;
}
