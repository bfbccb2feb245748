// File > Save: the document or the export written in place of the chosen
// file, which keeps its old bytes when the write fails.
#include <windows.h>

#include "files/save.h"
#include "files/file_dialogs.h"
#include "files/write_document.h"
#include "ledger/ledger.h"
#include "view/messages.h"
#include "view/window_handle.h"

void saveLedgerFile()
{
    int32_t filter = 1;
    if (!askSavePath(filter)) return;
    const bool exported = filter == 2;
    const char* path = currentPath.data();
    if (!(exported ? writeLedgerExport(ledger, path) : writeLedgerDocument(ledger, path))) {
        reportFailure(saveFailureText, saveFailureTitle);
        return;
    }
    // An export leaves the ledger as changed as it was.
    if (exported) return;
    TakeSnapshot();
    SetWindowTextA(mainWindow, currentTitle.data());
}
