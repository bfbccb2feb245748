// Edit > Paste: the clipboard's text into the active field under the rules
// of typing, except that the whole text goes in at once, a description
// takes any byte but zero, and a refusal says why.
#include <windows.h>

#include <cstring>

#include "clipboard/clipboard_commands.h"
#include "edit/input.h"
#include "edit/placement.h"
#include "files/transfer.h"
#include "view/messages.h"
#include "view/window_handle.h"

static const char pasteTitle[] = "Can Not Paste";
static const char tooLong[] = "The length of the data to be pasted exceeds the space available.";

// The clipboard's text into the cleared transfer buffer; false, with the
// message shown, when it has no size or more than the buffer holds.
static bool receiveClipboardText()
{
    OpenClipboard(mainWindow);
    const HANDLE data = GetClipboardData(CF_TEXT);
    const SIZE_T size = data ? GlobalSize(data) : 0;
    const void* bytes = size > 0 && size <= transferBufferSize ? GlobalLock(data) : nullptr;
    if (bytes) {
        clearTransferBuffer();
        std::memcpy(transferBuffer.data(), bytes, size);
        GlobalUnlock(data);
    }
    CloseClipboard();
    if (size > transferBufferSize)
        reportFailure(tooLong, pasteTitle);
    else if (!bytes)
        reportFailure("Can not obtain a handle to the Clipboard memory object.", pasteTitle);
    return bytes != nullptr;
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
    if (!IsClipboardFormatAvailable(CF_TEXT) || !receiveClipboardText()) return;
    const char* text = transferBuffer.data();
    const int32_t n = static_cast<int32_t>(std::strlen(text));  // the buffer always ends with zero bytes
    if (n == 0 || editFocus.area == WholeDocument) return;
    const ScreenFont s = openScreenFont();
    placeClipboardText(s, text, n);
    closeScreenFont(s);
}
