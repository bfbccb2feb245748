#include <windows.h>

#include "edit/focus.h"
#include "files/discard_question.h"
#include "files/new_document.h"
#include "ledger/adding.h"
#include "view/messages.h"
#include "view/window_handle.h"
#include "view/window_layout.h"

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
