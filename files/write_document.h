// Save's writing half, shared by the window and tarnwell-cli: the document
// or the export built whole in the transfer buffer and put in place of the
// file with replaceFile.
#pragma once

#include "ledger/ledger.h"

constexpr const char* saveFailureTitle = "Can Not Save File";
constexpr const char* saveFailureText = "Can not write to the selected file.";

// False when the file could not be written; it then keeps its old bytes.
bool writeLedgerDocument(const Ledger& l, const char* path);
bool writeLedgerExport(const Ledger& l, const char* path);
