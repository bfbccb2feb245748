// The menu command table: one line per command, each to its owner.
#include "app/command_ids.h"
#include "app/handlers.h"
#include "view/messages.h"
#include "clipboard/clipboard_commands.h"
#include "files/new_document.h"
#include "files/open.h"
#include "files/save.h"
#include "print/print_job.h"

static bool inPeriodRange(int32_t id, int32_t base) { return id > base && id <= base + IDM_ADD_PERIODS; }

bool onCommand(HWND window, int32_t id)
{
    switch (id) {
    case IDM_FILE_NEW: NewLedger(); return true;
    case IDM_FILE_OPEN: openLedgerFile(); return true;
    case IDM_FILE_SAVE: saveLedgerFile(); return true;
    case IDM_FILE_PRINT: printLedger(); return true;
    case IDM_FILE_EXIT: SendMessageA(window, WM_CLOSE, 0, 0); return true;  // asks like the close box
    case IDM_EDIT_CUT: cutText(); return true;
    case IDM_EDIT_COPY: copyAsText(); return true;
    case IDM_EDIT_PASTE: pasteText(); return true;
    case IDM_EDIT_DELETE: deleteSelection(); return true;
    case IDM_EDIT_SELECT_ALL: selectAll(); return true;
    case IDM_ABOUT: showAbout(); return true;
    }
    if (inPeriodRange(id, IDM_ADD_LOAN_BASE)) {
        AddTransaction(Loan, id - IDM_ADD_LOAN_BASE);
        return true;
    }
    if (inPeriodRange(id, IDM_ADD_PAYMENT_BASE)) {
        AddTransaction(Payment, id - IDM_ADD_PAYMENT_BASE);
        return true;
    }
    return false;
}

void showAbout() { showInformation("Tarnwell " TARNWELL_VERSION_TEXT "\nA loan ledger.", "About Tarnwell"); }
