// The transfer buffer: a whole file is built here before it is written and
// read here before it is checked; Paste receives clipboard text here too.
//
// Owner: files/. Every user clears it first (clearTransferBuffer), so no
// use sees bytes left over from the one before.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

constexpr int32_t transferBufferSize = 1048576;

extern std::array<char, transferBufferSize> transferBuffer;

void clearTransferBuffer();

// A block of text received from outside (the clipboard's) into the cleared
// buffer: the block's `size` bytes, at most the buffer's. Returns the text's
// length: up to its first zero byte, or the whole block when it has none.
int32_t receiveTextBlock(const char* block, std::size_t size);
