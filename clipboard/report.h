// The whole-ledger text report that Copy puts on the clipboard while the
// whole document is selected: one line for every body line of the screen,
// CR LF after each, one zero byte after the last.
#pragma once

#include <cstdint>

#include "ledger/ledger.h"

// Bytes of the report, final zero byte included, measured without building it.
int32_t measureLedgerReport(const Ledger& l);

// Writes the report and its zero byte into `out`, which holds at least
// measureLedgerReport(l) bytes; returns the bytes written, zero included.
int32_t buildLedgerReport(const Ledger& l, char* out);
