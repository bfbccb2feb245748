// File > Open: the file read whole into the transfer buffer, checked field
// by field, loaded and recalculated; every refusal leaves the ledger, the
// snapshot, the focus and the title as they were.
#include <windows.h>

#include <cstring>

#include "edit/focus.h"
#include "files/discard_question.h"
#include "files/open.h"
#include "files/file_dialogs.h"
#include "files/open_document.h"
#include "files/transfer.h"
#include "view/messages.h"
#include "view/window_handle.h"
#include "view/window_layout.h"

// Reads the open file whole: FileHandle is not returned here.
static OpenOutcome readWholeFile(HANDLE file, int32_t& size)
{
    DWORD high = 0;
    const DWORD low = GetFileSize(file, &high);
    if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return OpenOutcome::Size;
    if (isTooLargeToOpen(high, low)) return OpenOutcome::TooLarge;
    clearTransferBuffer();
    DWORD read = 0;
    if (!ReadFile(file, transferBuffer.data(), low, &read, nullptr) || read != low) return OpenOutcome::Read;
    size = static_cast<int32_t>(low);
    return OpenOutcome::Ok;
}

static OpenOutcome openFile(const char* path)
{
    const HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return OpenOutcome::FileHandle;
    int32_t size = 0;
    OpenOutcome outcome = readWholeFile(file, size);
    if (outcome == OpenOutcome::Ok)
        outcome = openLedgerDocument(transferBuffer.data(), size, ledger, savedSnapshot, tableBeforeCommit);
    CloseHandle(file);
    return outcome;
}

// The opened ledger on the screen: titled, its sign active, at its top.
static void showOpenedLedger()
{
    SetWindowTextA(mainWindow, currentTitle.data());
    loadHeaderField(editFocus, ledger, BalanceSign);
    resetScrollToTop();
    InvalidateRect(mainWindow, nullptr, TRUE);
    UpdateWindow(mainWindow);
}

void openLedgerFile()
{
    if (!mayDiscardLedger() || !askOpenPath()) return;
    const OpenOutcome outcome = openFile(currentPath.data());
    if (outcome != OpenOutcome::Ok) {
        reportFailure(openMessage(outcome), openFailureTitle);
        return;
    }
    showOpenedLedger();
}

void openLedgerAtStart(const char* path)
{
    if (std::strlen(path) >= currentPath.size()) {
        reportFailure(openMessage(OpenOutcome::FileHandle), openFailureTitle);
        return;
    }
    // The names the Open dialog would have filled in.
    std::strcpy(currentPath.data(), path);
    const char* name = path;
    for (const char* c = path; *c; ++c)
        if (*c == '\\' || *c == '/' || *c == ':') name = c + 1;
    std::strcpy(currentTitle.data(), name);
    const OpenOutcome outcome = openFile(path);
    if (outcome != OpenOutcome::Ok) {
        reportFailure(openMessage(outcome), openFailureTitle);
        return;
    }
    showOpenedLedger();
}
