// Win32: the Edit menu's clipboard commands. Copy puts the shown selection
// of the active field on the clipboard, or while the whole document is
// selected the whole-ledger report; Paste puts the clipboard's text into the
// active field under the rules of typing; Cut copies the selection and then
// deletes it; Delete deletes it. None of them commits or recalculates.
#pragma once

void copyAsText();
void pasteText();
void cutText();
void deleteSelection();
