// Commands and input handlers that the window routes to other subsystems.
// Each keeps its final name; the ones not built yet are defined in
// app/pending_commands.cpp until their subsystem lands (then the stub there
// is deleted and the declaration moves to the owner's header).
#pragma once

#include <cstdint>

#include "ledger/ledger.h"

// File
void NewLedger();
void openLedgerFile();
void saveLedgerFile();
// The shared file-dialog record: set up once at window creation.
void initFileDialogs();

// Edit
void cutText();
void copyAsText();
void pasteText();
void deleteSelection();

// Add: a loan or payment at the end of `period` (1 to 32).
void AddTransaction(TransactionType type, int32_t period);

// Keyboard and mouse
void handleKeyDown(int32_t key);
void keepActiveFieldVisible();
void enterCharacter(uint32_t code);
void selectFieldAtPoint(int32_t x, int32_t y);
