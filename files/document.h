// The ledger document format (.tnw): an 86-byte header, then one 104-byte
// record per transaction, holding only the user's data.
#pragma once

#include <cstdint>

#include "ledger/ledger.h"

// The first four bytes of every ledger document.
constexpr char documentMagic[4] = {'A', 'B', 'C', 'D'};

constexpr int32_t documentHeaderSize = 86;
constexpr int32_t documentRecordSize = 104;

constexpr int32_t documentSize(int32_t count) { return documentHeaderSize + documentRecordSize * count; }

// Writes the document of `l` into `out` (at least documentSize(l.count)
// bytes); returns the bytes written.
int32_t buildLedgerDocument(const Ledger& l, char* out);
