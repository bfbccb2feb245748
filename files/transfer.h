// The transfer buffer: a whole file is built here before it is written and
// read here before it is checked; Paste receives clipboard text here too.
//
// Owner: files/. Every user clears it first (clearTransferBuffer), so no
// use sees bytes left over from the one before.
#pragma once

#include <array>
#include <cstdint>

constexpr int32_t transferBufferSize = 1048576;

extern std::array<char, transferBufferSize> transferBuffer;

void clearTransferBuffer();
