// The key-down wrapper: the edit subsystem handles the key; here the active
// field is brought into view first and an empty selection is never shown.
#include "app/handlers.h"
#include "app/pending_commands.h"
#include "edit/focus.h"

// Keys that scroll the view themselves and must not pull it back to the
// active field first.
static bool isScrollKey(int32_t key)
{
    return key == VK_NEXT || key == VK_PRIOR || key == VK_DOWN || key == VK_UP || key == VK_END ||
           key == VK_HOME;
}

static void hideEmptySelection()
{
    if (editFocus.selectionStart == editFocus.selectionEnd) editFocus.selectionShown = 0;
}

void onKeyDown(int32_t key)
{
    if (!isScrollKey(key)) keepActiveFieldVisible();
    hideEmptySelection();
    handleKeyDown(key);
    hideEmptySelection();
}
