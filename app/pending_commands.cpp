// Commands not built yet; each does nothing until its subsystem lands.
#include "app/pending_commands.h"

void NewLedger() {}
void openLedgerFile() {}
void saveLedgerFile() {}
void initFileDialogs() {}

void cutText() {}
void copyAsText() {}
void pasteText() {}
void deleteSelection() {}

void AddTransaction(TransactionType, int32_t) {}

void handleKeyDown(int32_t) {}
void keepActiveFieldVisible() {}
void enterCharacter(uint32_t) {}
void selectFieldAtPoint(int32_t, int32_t) {}
