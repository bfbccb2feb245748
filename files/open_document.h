// The File Open command without its window: the outcomes and their
// messages, the size rule, the checks of a ledger document and the load
// that either replaces the ledger or puts the previous one back.
#pragma once

#include <cstdint>

#include "ledger/ledger.h"

enum class OpenOutcome : int32_t { FileHandle, Size, TooLarge, Read, Format, BalanceTooLarge, Ok };

constexpr const char* openFailureTitle = "Can Not Open File";

// The message box text of a failed open; empty for Ok.
const char* openMessage(OpenOutcome outcome);

// A file of 4 GiB or more (nonzero high 32 bits of its size), or of more
// than the transfer buffer's 1,048,576 bytes, is too large to open.
bool isTooLargeToOpen(uint32_t sizeHigh, uint32_t sizeLow);

// True when `data` holds a ledger document: the header, then every record,
// checked field by field in file order; bytes after the last record and the
// CR LF pairs are not looked at. Reads nothing beyond `size`.
bool checkLedgerDocument(const char* data, int32_t size);

// Replaces `l` with the checked document in `data`, recalculates it and, on
// success, takes the snapshot `s` (Ok). When the recalculation overflows
// (BalanceTooLarge) the previous header, count and table are put back, so
// `l` and `s` are byte for byte as before. `previous` holds the previous
// table meanwhile (the Windows Open passes tableBeforeCommit).
OpenOutcome loadLedgerDocument(const char* data, Ledger& l, SavedSnapshot& s, TransactionTable& previous);

// checkLedgerDocument, then loadLedgerDocument: Format, BalanceTooLarge or Ok.
OpenOutcome openLedgerDocument(const char* data, int32_t size, Ledger& l, SavedSnapshot& s,
                               TransactionTable& previous);

// Reads the file at `path` whole into the cleared transfer buffer with C
// stdio; `size` is then its length. FileHandle, Size, TooLarge, Read or Ok.
OpenOutcome readLedgerFile(const char* path, int32_t& size);
