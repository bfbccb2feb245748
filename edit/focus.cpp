#include "edit/focus.h"

#include <algorithm>
#include <cstring>

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

void loadHeaderField(EditFocus& f, const Ledger& l, HeaderField field)
{
    const SignedAmount& balance = l.header.beginningBalance;
    f.area = Header;
    f.headerField = field;
    switch (field) {
    case BalanceSign: loadText(f, balance.sign.data(), balance.sign.size()); break;
    case BalanceInteger: loadText(f, balance.integer.data(), balance.integer.size()); break;
    case BalanceFraction: loadText(f, balance.fraction.data(), balance.fraction.size()); break;
    case RateFraction: loadText(f, l.header.ratePerPeriod.data(), l.header.ratePerPeriod.size()); break;
    }
}

static void loadTransactionField(EditFocus& f, const Ledger& l, int32_t transactionIndex, TransactionField field)
{
    const Transaction& t = l.table[transactionIndex];
    f.area = Transactions;
    f.transactionIndex = transactionIndex;
    f.transactionField = field;
    switch (field) {
    case Description: loadText(f, t.description.data(), t.description.size()); break;
    case AmountInteger: loadText(f, t.amount.integer.data(), t.amount.integer.size()); break;
    case AmountFraction: loadText(f, t.amount.fraction.data(), t.amount.fraction.size()); break;
    }
}

void loadField(EditFocus& f, const Ledger& l, const FieldId& field)
{
    if (field.area == Header)
        loadHeaderField(f, l, field.headerField);
    else
        loadTransactionField(f, l, field.transactionIndex, field.transactionField);
}
