#include "edit/commit_store.h"

#include <algorithm>
#include <cstring>

#include "edit/edit_text.h"
#include "ledger/recalculate.h"

int32_t storeEditText(const EditFocus& f, Ledger& l, std::array<char, 128>& saved)
{
    const StoredBytes field = storedBytes(fieldIdOf(f), l);
    const FieldKind kind = activeFieldKind(f, l);
    if (kind == DescriptionKind) {
        std::memcpy(field.bytes, f.editText.data(), descriptionSize);
        return 0;
    }
    saved.fill(0);
    std::memcpy(saved.data(), field.bytes, static_cast<std::size_t>(field.size));
    if (kind == SignKind) {
        field.bytes[0] = f.editText[0] == '-' ? '-' : '+';
        field.bytes[1] = 0;
        return field.size;
    }
    const int32_t width = field.size - 1;
    const int32_t n = std::min(editTextLength(f), width);
    std::memset(field.bytes, '0', static_cast<std::size_t>(width));
    field.bytes[width] = 0;
    char* to = fieldRule(kind).alignment == FlushRightField ? field.bytes + width - n : field.bytes;
    std::memcpy(to, f.editText.data(), static_cast<std::size_t>(n));
    return field.size;
}

bool storedFieldChanged(const EditFocus& f, Ledger& l, const std::array<char, 128>& saved, int32_t n)
{
    return std::memcmp(storedBytes(fieldIdOf(f), l).bytes, saved.data(), static_cast<std::size_t>(n)) != 0;
}

void restoreStoredField(const EditFocus& f, Ledger& l, const std::array<char, 128>& saved, int32_t n)
{
    std::memcpy(storedBytes(fieldIdOf(f), l).bytes, saved.data(), static_cast<std::size_t>(n));
}

CommitResult commitEditText(const EditFocus& f, Ledger& l, std::array<char, 128>& saved,
                            TransactionTable& before, int32_t& kept)
{
    kept = storeEditText(f, l, saved);
    if (kept == 0 || !storedFieldChanged(f, l, saved, kept)) return CommitUnchanged;
    std::memcpy(before.data(), l.table.data(), sizeof(Transaction) * static_cast<std::size_t>(l.count));
    return RecalculateLedger(l) ? CommitRecalculated : CommitRefused;
}

static const char balanceTooLarge[] = "The value entered generates a balance that is too large to display.";

CommitRefusal commitRefusal(const EditFocus& f, const Ledger& l, CommitAction action)
{
    if (activeFieldKind(f, l) == SignKind) return {"Can Not Enter Sign", balanceTooLarge};
    const bool fractionByShiftTab =
        action == CommitByShiftTab && f.area == Transactions && f.transactionField == AmountFraction;
    return {"Can Not Enter Value",
            fractionByShiftTab
                ? "The value entered generates numerical data that is too large for this program."
                : balanceTooLarge};
}
