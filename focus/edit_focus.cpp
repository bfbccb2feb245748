#include "focus/edit_focus.h"

#include "ledger/line_numbers.h"

EditFocus editFocus = startFocus;
std::array<char, 128> savedValue{};
TransactionTable tableBeforeCommit{};

FieldId headerFieldId(HeaderField field) { return {Header, field, 0, Description}; }

FieldId transactionFieldId(int32_t transactionIndex, TransactionField field)
{
    return {Transactions, BalanceSign, transactionIndex, field};
}

FieldId fieldIdOf(const EditFocus& f)
{
    return {f.area, f.headerField, f.transactionIndex, f.transactionField};
}

int32_t fieldLine(int32_t transactionIndex, TransactionField field)
{
    return bodyLineOf(transactionIndex, field == Description ? TransactionLine::Description : TransactionLine::Amount);
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
