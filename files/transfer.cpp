#include "files/transfer.h"

#include <cstring>

std::array<char, transferBufferSize> transferBuffer{};

void clearTransferBuffer() { transferBuffer.fill(0); }

int32_t receiveTextBlock(const char* block, std::size_t size)
{
    clearTransferBuffer();
    if (size > transferBuffer.size()) size = transferBuffer.size();
    std::memcpy(transferBuffer.data(), block, size);
    // A block filling the whole buffer has no zero byte after it.
    const void* end = std::memchr(transferBuffer.data(), 0, size);
    return end ? static_cast<int32_t>(static_cast<const char*>(end) - transferBuffer.data())
               : static_cast<int32_t>(size);
}
