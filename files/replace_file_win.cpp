// Win32: the temporary file from GetTempFileNameA in the target's folder,
// moved over the target with MoveFileExA.
#include <windows.h>

#include <cstring>

#include "files/replace_file.h"

// The folder part of a path, "." when it has none.
static void folderOf(const char* path, char (&folder)[MAX_PATH])
{
    const char* slash = std::strrchr(path, '\\');
    const char* forward = std::strrchr(path, '/');
    if (forward > slash) slash = forward;
    const std::size_t n = slash ? static_cast<std::size_t>(slash - path) : 0;
    std::memcpy(folder, n ? path : ".", n ? n : 1);
    folder[n ? n : 1] = 0;
}

// Writes `size` bytes as a new file.
static bool writeNewFile(const char* path, const char* data, int32_t size)
{
    const HANDLE file =
        CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool whole = WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr) &&
                       written == static_cast<DWORD>(size) && FlushFileBuffers(file);
    return CloseHandle(file) && whole;
}

bool replaceFile(const char* path, const char* data, int32_t size)
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
    bool replaced = named && writeNewFile(temporary, data, size);
    CloseHandle(target);
    replaced = replaced && MoveFileExA(temporary, path, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!replaced) {
        if (named) DeleteFileA(temporary);
        if (created) DeleteFileA(path);
    }
    return replaced;
}
