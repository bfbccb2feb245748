#include "edit/focus.h"

#include <algorithm>
#include <cstring>

#include "edit/edit_text.h"

int32_t fieldLine() { return fieldLine(editFocus.transactionIndex, editFocus.transactionField); }

// Copies a stored text up to its terminator; the rest of editText stays zero.
static void loadText(EditFocus& f, const char* text, std::size_t size)
{
    f.editText.fill(0);
    const int32_t room = static_cast<int32_t>(std::min(size, f.editText.size() - 1));
    std::memcpy(f.editText.data(), text, static_cast<std::size_t>(storedTextLength(text, room)));
    f.caret = 0;
    f.selectionStart = 0;
    f.selectionEnd = editTextLength(f);
    f.selectionShown = 1;
}

void setFieldIdentity(EditFocus& f, const FieldId& field)
{
    f.area = field.area;
    if (field.area == Header) {
        f.headerField = field.headerField;
    } else {
        f.transactionIndex = field.transactionIndex;
        f.transactionField = field.transactionField;
    }
}

void loadField(EditFocus& f, const Ledger& l, const FieldId& field)
{
    setFieldIdentity(f, field);
    const StoredText stored = storedText(field, l);
    loadText(f, stored.bytes, static_cast<std::size_t>(stored.size));
}

void loadHeaderField(EditFocus& f, const Ledger& l, HeaderField field)
{
    loadField(f, l, headerFieldId(field));
}
