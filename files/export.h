// The comma-delimited export (.txt): one line per transaction, eleven quoted
// fields each followed by a comma, CR LF after every line, no heading. The
// balances are repeated as spreadsheet formulas in columns F, I and K.
#pragma once

#include <cstdint>

#include "ledger/ledger.h"

// Longest line: the 45-byte description, three values of 43 characters, the
// longest formulas, a period of up to four digits, quotes, commas and CR LF.
constexpr int32_t exportLineLimit = 280;

// Writes the export of `l` into `out` (at least exportLineLimit x l.count
// bytes); returns the bytes written. No zero byte is added.
int32_t buildLedgerExport(const Ledger& l, char* out);
