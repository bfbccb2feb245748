#include "focus/edit_focus.h"
#include "view/font.h"
#include "view/refresh.h"
#include "view/window_layout.h"

void refreshAfterRecalc(const TransactionTable& before, const EditFocus& committed)
{
    const ScreenFont s = openScreenFont();
    refreshChangedCells(ledger, before, committed, savedValue, screen, s.measures, repaintNow);
    closeScreenFont(s);
}
