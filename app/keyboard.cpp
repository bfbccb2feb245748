// The key-down wrapper: the edit subsystem handles the key; here the active
// field is brought into view first and an empty selection is never shown.
#include "app/handlers.h"
#include "edit/focus.h"
#include "edit/keys.h"
#include "edit/navigation.h"

static void hideEmptySelection()
{
    if (editFocus.selectionStart == editFocus.selectionEnd) editFocus.selectionShown = 0;
}

void onKeyDown(int32_t key)
{
    // The scroll keys move the body themselves and must not pull it back
    // to the active field first.
    if (!isScrollKey(key)) keepActiveFieldVisible();
    hideEmptySelection();
    handleKeyDown(key);
    hideEmptySelection();
}
