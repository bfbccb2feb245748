// The document's two ends: the default ledger when the window is created and
// the unsaved-change question when it is closed.
#include "app/handlers.h"
#include "app/main_window.h"
#include "view/messages.h"
#include "files/discard_question.h"
#include "files/file_dialogs.h"
#include "ledger/ledger.h"
#include "ledger/recalculate.h"
#include "view/window_layout.h"

bool onCreate(HWND window)
{
    mainWindow = window;
    resetToDefaultDocument(ledger);
    if (!RecalculateLedger(ledger)) {
        reportStartupFailure("Can not initialize transactions", "Can Not Run Program");
        return false;
    }
    initLineMetrics(window);
    initFileDialogs();
    TakeSnapshot();  // the default ledger counts as unchanged
    return true;
}

// Yes saves and keeps the window open whatever the outcome; the next close
// of a saved ledger asks nothing.
bool onClose() { return mayDiscardLedger(); }
