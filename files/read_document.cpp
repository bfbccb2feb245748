// The portable reader of a document file, with C stdio: the headless
// companion's way to the same outcomes as the Windows Open.
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "files/open_document.h"
#include "files/transfer.h"

OpenOutcome readLedgerFile(const char* path, int32_t& size)
{
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return OpenOutcome::FileHandle;

    // The size from the file system: ftell is limited to a long, which is
    // 32 bits on Windows.
    std::error_code error;
    const std::uintmax_t length = std::filesystem::file_size(path, error);
    OpenOutcome outcome = OpenOutcome::Ok;
    if (error)
        outcome = OpenOutcome::Size;
    else if (isTooLargeToOpen(static_cast<uint32_t>(length >> 32), static_cast<uint32_t>(length)))
        outcome = OpenOutcome::TooLarge;
    else {
        clearTransferBuffer();
        size = static_cast<int32_t>(length);
        if (std::fread(transferBuffer.data(), 1, length, file) != length) outcome = OpenOutcome::Read;
    }
    std::fclose(file);
    return outcome;
}
