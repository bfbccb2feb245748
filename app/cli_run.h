// tarnwell-cli, the headless companion: opens a ledger document the way
// File Open does and writes its report or its comma-delimited export, or
// says whether it opens.
#pragma once

#include <cstdio>

// Exit status: 0 done, 1 the file did not open (its Open message printed),
// 2 usage error. Data goes to `out` byte for byte; `out` must be binary.
int runCli(int argc, const char* const* argv, std::FILE* out, std::FILE* err);
