// `tarnwell-cli engines`: the digit engines this build has, which of them
// the processor runs, their times on the start-up trial and the one chosen.
#pragma once

#include <cstdio>

// Exit status 0, or 1 when the report could not be written.
int writeEngineReport(std::FILE* out);
