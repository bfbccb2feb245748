// The Edit menu: which commands are enabled, computed each time a menu
// opens, and Select All.
#include "app/command_ids.h"
#include "app/handlers.h"
#include "view/field_geometry.h"
#include "edit/edit_text.h"
#include "edit/field_repaint.h"
#include "edit/focus.h"
#include "view/window_layout.h"

static void enableCommand(HMENU menu, int32_t id, bool enabled)
{
    EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void onInitMenuPopup(HWND window)
{
    hideCollapsedSelection(editFocus);
    const bool whole = editFocus.area == WholeDocument;
    const bool selected = shownSelectionLength(editFocus) > 0;
    const HMENU menu = GetMenu(window);
    enableCommand(menu, IDM_EDIT_CUT, !whole && selected);
    enableCommand(menu, IDM_EDIT_COPY, whole || selected);
    enableCommand(menu, IDM_EDIT_PASTE, !whole && IsClipboardFormatAvailable(CF_TEXT));
    enableCommand(menu, IDM_EDIT_DELETE, !whole && selected);
    enableCommand(menu, IDM_EDIT_SELECT_ALL, !whole);
    DrawMenuBar(window);
}

void selectAll()
{
    if (editFocus.area == WholeDocument) return;
    const EditFocus previous = editFocus;
    // The area changes first: the repaint below must find no active field,
    // or it draws the frame and the selection it is meant to erase.
    editFocus.area = WholeDocument;
    if (previous.area == Header) repaintFrame(focusFrame(previous, measureScreenText()));
    repaintBelowHeaderRule();
}
