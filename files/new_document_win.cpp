#include <windows.h>

#include "edit/focus.h"
#include "files/documents.h"
#include "ledger/adding.h"
#include "view/messages.h"
#include "view/window_handle.h"
#include "view/window_layout.h"

bool mayDiscardLedger()
{
    if (!IsLedgerModified()) return true;
    switch (askSaveCurrentFile()) {
    case SaveNo: return true;
    case SaveYes: saveLedgerFile(); return false;
    case SaveCancel: return false;
    }
    return false;
}

// The file names and the Add menu's check marks are kept: the next Save
// starts on the last name used.
void NewLedger()
{
    if (!mayDiscardLedger()) return;
    makeNewLedger(ledger);
    TakeSnapshot();
    loadHeaderField(editFocus, ledger, BalanceSign);
    resetScrollToTop();
    SetWindowTextA(mainWindow, programName);
    InvalidateRect(mainWindow, nullptr, TRUE);
    UpdateWindow(mainWindow);
}
