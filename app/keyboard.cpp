// The key-down wrapper: the edit subsystem handles the key; here the active
// field is brought into view first and an empty selection is never shown.
#include "app/handlers.h"
#include "edit/edit_text.h"
#include "edit/focus.h"
#include "edit/keys.h"
#include "edit/navigation.h"

void onKeyDown(int32_t key)
{
    // The scroll keys move the body themselves and must not pull it back
    // to the active field first.
    if (!isScrollKey(key)) keepActiveFieldVisible();
    hideCollapsedSelection(editFocus);
    handleKeyDown(key);
    hideCollapsedSelection(editFocus);
}
