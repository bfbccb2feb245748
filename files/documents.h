// Win32: the document commands of the File menu and the question that
// guards every command replacing or closing a changed ledger.
#pragma once

// At window creation: the file-dialog record and its name buffers, which
// live for the whole run so that each dialog starts on the last name used.
void initFileDialogs();

// File > Save: the ledger document, or with the second filter the
// comma-delimited export. Only a successful document save takes the
// snapshot and titles the window; a failure changes nothing on disk or in
// memory.
void saveLedgerFile();

// File > Open: a ledger document checked field by field, loaded and
// recalculated, or refused with its message and the previous ledger kept.
void openLedgerFile();

// The document named on the program's command line, opened as File > Open
// opens the file chosen in its dialog; the window shows it or the message.
void openLedgerAtStart(const char* path);

// File > New: the default document.
void NewLedger();

// True when the ledger may be replaced or closed: it is unchanged, or the
// user chose not to save it. Yes runs Save and answers false, so that the
// command ends and the user gives it again.
bool mayDiscardLedger();
