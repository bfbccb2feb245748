// Edit > Paste: the clipboard's text into the active field under the rules
// of typing, except that the whole text goes in at once, a description
// takes any byte but zero, and a refusal says why.
#include <windows.h>

#include "clipboard/clipboard_commands.h"
#include "edit/focus.h"
#include "edit/typing.h"
#include "files/transfer.h"
#include "view/messages.h"
#include "view/window_handle.h"

static const char pasteTitle[] = "Can Not Paste";
static const char tooLong[] = "The length of the data to be pasted exceeds the space available.";

// The clipboard's text into the cleared transfer buffer, ending at its
// first zero byte or at the block's end; its length, or -1 with the message
// shown when the block has no size or more than the buffer holds.
static int32_t receiveClipboardText()
{
    OpenClipboard(mainWindow);
    const HANDLE data = GetClipboardData(CF_TEXT);
    const SIZE_T size = data ? GlobalSize(data) : 0;
    const void* bytes = size > 0 && size <= transferBufferSize ? GlobalLock(data) : nullptr;
    int32_t length = -1;
    if (bytes) {
        length = receiveTextBlock(static_cast<const char*>(bytes), size);
        GlobalUnlock(data);
    }
    CloseClipboard();
    if (size > transferBufferSize)
        reportFailure(tooLong, pasteTitle);
    else if (!bytes)
        reportFailure("Can not obtain a handle to the Clipboard memory object.", pasteTitle);
    return length;
}

// Digits only into digit fields, one "+" or "-" into the sign.
static bool acceptsText(FieldKind kind, const char* text, int32_t n)
{
    if (kind == DescriptionKind) return true;
    for (int32_t i = 0; i < n; ++i)
        if (!acceptsCharacter(kind, static_cast<unsigned char>(text[i]))) return false;
    return true;
}

static void placeClipboardText(const ScreenFont& s, const char* text, int32_t n)
{
    if (editFocus.area == Transactions) keepActiveFieldVisible();
    const FieldKind kind = activeFieldKind(editFocus, ledger);
    if (kind == NoFieldKind) return;
    if (!hasRoomFor(editFocus, kind, n)) {
        reportFailure(tooLong, pasteTitle);
        return;
    }
    if (!acceptsText(kind, text, n)) {
        reportFailure(
            "The data to be pasted contains a character that is not valid for the selected edit control.",
            pasteTitle);
        return;
    }
    placeInActiveField(s, kind, text, n);
}

void pasteText()
{
    if (!IsClipboardFormatAvailable(CF_TEXT)) return;
    const int32_t n = receiveClipboardText();
    if (n <= 0 || editFocus.area == WholeDocument) return;
    const ScreenFont s = openScreenFont();
    placeClipboardText(s, transferBuffer.data(), n);
    closeScreenFont(s);
}
