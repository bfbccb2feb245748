// tarnwell-cli, the headless companion: opens a ledger document the way
// File Open does and writes its report or its comma-delimited export, says
// whether it opens, or makes, adds to, sets a field of or recalculates a
// document by the window's own rules and writes it back as Save does.
#pragma once

#include <cstdio>

// Exit status: 0 done, 1 the document did not open or refused the change
// (its message printed), 2 usage error. Data goes to `out` byte for byte;
// `out` must be binary.
int runCli(int argc, const char* const* argv, std::FILE* out, std::FILE* err);
