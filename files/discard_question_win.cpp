#include <windows.h>

#include "files/discard_question.h"
#include "files/save.h"
#include "ledger/ledger.h"
#include "view/messages.h"

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
