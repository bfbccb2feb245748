// The x86-64 intrinsics for the wide digit engines. Included only by their
// shared parts headers, inside their own processor checks.
#pragma once

// GCC 12 takes the headers' deliberately undefined registers for
// uninitialised variables.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wuninitialized"
#if !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <immintrin.h>
#pragma GCC diagnostic pop
