// Writing a whole file so that the target ends with either its old bytes or
// all of the new ones: the bytes go to a temporary file beside it, which
// replaces the target only once every byte is written.
#pragma once

#include <cstdint>

// False when the target cannot be opened for writing (it is then not
// touched) or the write fails (the target keeps its bytes, and a target
// this call created is removed again).
bool replaceFile(const char* path, const char* data, int32_t size);
