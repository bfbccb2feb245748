#include "files/transfer.h"

std::array<char, transferBufferSize> transferBuffer{};

void clearTransferBuffer() { transferBuffer.fill(0); }
