// File > Save: the document or the export built whole in the transfer
// buffer, written in one write to a temporary file beside the target, which
// replaces the target only once every byte is written.
#include <windows.h>

#include <cstring>

#include "files/document.h"
#include "files/documents.h"
#include "files/export.h"
#include "files/file_dialogs.h"
#include "files/transfer.h"
#include "ledger/ledger.h"
#include "view/messages.h"
#include "view/window_handle.h"

// The folder part of a path, "." when it has none.
static void folderOf(const char* path, char (&folder)[MAX_PATH])
{
    const char* slash = std::strrchr(path, '\\');
    const std::size_t n = slash ? static_cast<std::size_t>(slash - path) : 0;
    std::memcpy(folder, n ? path : ".", n ? n : 1);
    folder[n ? n : 1] = 0;
}

// Writes the first `size` bytes of the transfer buffer as a new file.
static bool writeNewFile(const char* path, int32_t size)
{
    const HANDLE file =
        CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool whole = WriteFile(file, transferBuffer.data(), static_cast<DWORD>(size), &written, nullptr) &&
                       written == static_cast<DWORD>(size) && FlushFileBuffers(file);
    return CloseHandle(file) && whole;
}

// False when the target cannot be opened for writing (it is then not
// touched) or the write fails (the target keeps its bytes, and a target
// this save created is removed again).
static bool replaceFile(const char* path, int32_t size)
{
    // Opened, not shared, while the new bytes are written: it can be
    // written at all, and nobody else writes it meanwhile.
    const HANDLE target =
        CreateFileA(path, GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (target == INVALID_HANDLE_VALUE) return false;
    const bool created = GetLastError() != ERROR_ALREADY_EXISTS;
    char folder[MAX_PATH], temporary[MAX_PATH];
    folderOf(path, folder);
    const bool named = GetTempFileNameA(folder, "tnw", 0, temporary) != 0;
    bool replaced = named && writeNewFile(temporary, size);
    CloseHandle(target);
    replaced = replaced && MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!replaced) {
        if (named) DeleteFileA(temporary);
        if (created) DeleteFileA(path);
    }
    return replaced;
}

void saveLedgerFile()
{
    int32_t filter = 1;
    if (!askSavePath(filter)) return;
    const bool exported = filter == 2;
    clearTransferBuffer();
    const int32_t size = exported ? buildLedgerExport(ledger, transferBuffer.data())
                                  : buildLedgerDocument(ledger, transferBuffer.data());
    if (!replaceFile(currentPath.data(), size)) {
        reportFailure("Can not write to the selected file.", "Can Not Save File");
        return;
    }
    // An export leaves the ledger as changed as it was.
    if (exported) return;
    TakeSnapshot();
    SetWindowTextA(mainWindow, currentTitle.data());
}
