#include "edit/commit.h"
#include "edit/edit_text.h"
#include "edit/field_repaint.h"
#include "edit/focus.h"
#include "view/messages.h"
#include "view/refresh.h"
#include "view/window_layout.h"

bool commitField(const EditFocus& field, CommitAction action)
{
    int32_t kept = 0;
    const CommitResult result = commitEditText(field, ledger, savedValue, tableBeforeCommit, kept);
    if (result == CommitUnchanged) return true;
    if (result == CommitRefused) {
        const CommitRefusal refusal = commitRefusal(field, ledger, action);
        reportFailure(refusal.text, refusal.title);
        restoreStoredField(field, ledger, savedValue, kept);
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
