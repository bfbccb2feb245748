// The choice of the digit engine by timing: every engine gives the same
// digits, so the one in use is the one that is fastest on this processor,
// whatever instructions it has. Which set is fastest differs from one
// processor to the next (AVX2 beats AVX-512 on some), so it is measured at
// start on a small fixed piece of ledger work, a few hundred microseconds
// in all, rather than assumed.
#pragma once

#include <cstdint>

#include "ledger/digits/digits.h"

constexpr int digitEngineCount = int(std::size(allDigitInstructions));

// What the start-up measured. An engine the processor can not run has no
// time; `best` is the shortest trial of the others.
struct EngineTiming {
    bool runs;
    int64_t bestNanoseconds;
    int32_t trials;
};

struct EngineChoice {
    EngineTiming timing[digitEngineCount];
    DigitInstructions chosen;
};

// Filled once, before main, when digitInstructions is set; read only after.
extern EngineChoice engineChoice;

// "portable", "avx2", "avx512": the names the engine report and the test
// log use.
const char* digitEngineName(DigitInstructions set);

// Times every engine the processor runs and returns the fastest; fills
// engineChoice.
DigitInstructions chooseFastestDigitEngine();
