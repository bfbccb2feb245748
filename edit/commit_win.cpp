#include <cstring>

#include "edit/commit.h"
#include "edit/commit_store.h"
#include "edit/edit_text.h"
#include "edit/field_repaint.h"
#include "edit/focus.h"
#include "ledger/recalculate.h"
#include "view/messages.h"
#include "view/refresh.h"
#include "view/window_layout.h"

static const char balanceTooLarge[] = "The value entered generates a balance that is too large to display.";

static void reportRefusal(const EditFocus& field, CommitAction action)
{
    const FieldKind kind = activeFieldKind(field, ledger);
    if (kind == SignKind) {
        reportFailure(balanceTooLarge, "Can Not Enter Sign");
        return;
    }
    const bool fractionByShiftTab =
        action == CommitByShiftTab && field.area == Transactions && field.transactionField == AmountFraction;
    reportFailure(fractionByShiftTab
                      ? "The value entered generates numerical data that is too large for this program."
                      : balanceTooLarge,
                  "Can Not Enter Value");
}

bool commitField(const EditFocus& field, CommitAction action)
{
    const int32_t compared = storeEditText(field, ledger, savedValue);
    if (compared == 0 || !storedFieldChanged(field, ledger, savedValue, compared)) return true;
    std::memcpy(tableBeforeCommit.data(), ledger.table.data(), sizeof(Transaction) * ledger.count);
    if (!RecalculateLedger()) {
        reportRefusal(field, action);
        restoreStoredField(field, ledger, savedValue, compared);
        return false;
    }
    refreshAfterRecalc(tableBeforeCommit, field);
    return true;
}

bool commitActiveField(CommitAction action) { return commitField(editFocus, action); }

void cancelEdit()
{
    if (editFocus.area == Transactions) keepActiveFieldVisible();
    loadField(editFocus, ledger, fieldIdOf(editFocus));
    repaintActiveField(measureScreenText());
}
