#include <windows.h>

#include <cstring>

#include "clipboard/clipboard_block.h"
#include "clipboard/clipboard_commands.h"
#include "clipboard/report.h"
#include "edit/edit_text.h"
#include "view/messages.h"

static const char copyTitle[] = "Can Not Copy";

// The report is built in a working buffer of its measured size, then
// copied into the clipboard's block. These messages have no full stop.
static void copyReport()
{
    const int32_t size = measureLedgerReport(ledger);
    char* report = static_cast<char*>(HeapAlloc(GetProcessHeap(), 0, static_cast<SIZE_T>(size)));
    if (!report) {
        reportFailure("Can not allocate memory", copyTitle);
        return;
    }
    buildLedgerReport(ledger, report);
    const HGLOBAL block =
        GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT | GMEM_DDESHARE, static_cast<SIZE_T>(size));
    void* bytes = block ? GlobalLock(block) : nullptr;
    if (!bytes) {
        if (block) GlobalFree(block);
        HeapFree(GetProcessHeap(), 0, report);
        reportFailure(block ? "Can not obtain a pointer to global memory" : "Can not allocate memory",
                      copyTitle);
        return;
    }
    std::memcpy(bytes, report, static_cast<std::size_t>(size));
    GlobalUnlock(block);
    handToClipboard(block);
    HeapFree(GetProcessHeap(), 0, report);
}

void copyAsText()
{
    if (editFocus.area == WholeDocument) {
        copyReport();
        return;
    }
    const int32_t n = shownSelectionLength(editFocus);
    if (n > 0) putTextOnClipboard(editFocus.editText.data() + editFocus.selectionStart, n, copyTitle);
}
