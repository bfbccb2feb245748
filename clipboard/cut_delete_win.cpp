#include <windows.h>

#include "clipboard/clipboard_block.h"
#include "clipboard/clipboard_commands.h"
#include "edit/edit_text.h"
#include "edit/keys.h"
#include "edit/navigation.h"

// Deleting is the Delete key's own work, called without the key-down
// message's steps; a failed copy deletes nothing.
void cutText()
{
    const int32_t n = shownSelectionLength(editFocus);
    if (editFocus.area == WholeDocument || n < 1) return;
    if (putTextOnClipboard(editFocus.editText.data() + editFocus.selectionStart, n, "Can Not Cut"))
        handleKeyDown(KeyDelete);
}

// Only a shown selection is deleted: without one the Delete key would
// delete the character after the caret, the menu command does nothing.
void deleteSelection()
{
    if (editFocus.area == WholeDocument) return;
    hideCollapsedSelection(editFocus);
    if (editFocus.selectionShown) handleKeyDown(KeyDelete);
}
