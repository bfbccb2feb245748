#include "ledger/edit_focus.h"

EditFocus editFocus = startFocus;
std::array<char, 128> savedValue{};
TransactionTable tableBeforeCommit{};

int32_t fieldLine(int32_t transactionIndex, TransactionField field)
{
    return 12 * transactionIndex + (field == Description ? 0 : 9);
}

int32_t editTextLength(const EditFocus& f) { return storedTextLength(f.editText.data(), descriptionSize); }

bool isActiveHeaderField(const EditFocus& f, HeaderField field)
{
    return f.area == Header && f.headerField == field;
}

bool isActiveTransactionField(const EditFocus& f, int32_t transactionIndex, TransactionField field)
{
    return f.area == Transactions && f.transactionIndex == transactionIndex && f.transactionField == field;
}
