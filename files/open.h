// Win32: File > Open and the document named at start.
#pragma once

// File > Open: a ledger document checked field by field, loaded and
// recalculated, or refused with its message and the previous ledger kept.
void openLedgerFile();

// The document named on the program's command line, opened as File > Open
// opens the file chosen in its dialog; the window shows it or the message.
void openLedgerAtStart(const char* path);
