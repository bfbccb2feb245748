#include "focus/fields.h"

static constexpr FieldRule rules[] = {
    {1, 2, CentredField},
    {amountIntegerDigits, amountIntegerDigits + 1, FlushRightField},
    {fractionDigits, fractionDigits + 1, FromLeftField},
    {descriptionSize - 1, descriptionSize, FromLeftField},
    {0, 0, FromLeftField},
};

const FieldRule& fieldRule(FieldKind kind) { return rules[kind]; }

static FieldKind headerShape(HeaderField field)
{
    switch (field) {
    case BalanceSign: return SignKind;
    case BalanceInteger: return IntegerKind;
    case BalanceFraction:
    case RateFraction: return FractionKind;
    }
    return NoFieldKind;
}

static FieldKind transactionShape(TransactionField field)
{
    switch (field) {
    case Description: return DescriptionKind;
    case AmountInteger: return IntegerKind;
    case AmountFraction: return FractionKind;
    }
    return NoFieldKind;
}

FieldKind fieldShape(const FieldId& field)
{
    if (field.area == Header) return headerShape(field.headerField);
    return field.area == Transactions ? transactionShape(field.transactionField) : NoFieldKind;
}

FieldKind fieldKind(const FieldId& field, const Ledger& l)
{
    if (field.area != Transactions) return fieldShape(field);
    const int32_t type = l.table[field.transactionIndex].type;
    if (type == Interest) return DescriptionKind;
    if (type != Loan && type != Payment) return NoFieldKind;
    return fieldShape(field);
}

FieldKind activeFieldKind(const EditFocus& f, const Ledger& l) { return fieldKind(fieldIdOf(f), l); }

// For the ledger to change (StoredBytes) or to read (StoredText); the size
// is the rule's, so that the table and the record cannot disagree.
template <typename Bytes, typename L>
static Bytes fieldBytes(const FieldId& field, L& l)
{
    auto& balance = l.header.beginningBalance;
    const bool header = field.area == Header;
    auto& t = l.table[header ? 0 : field.transactionIndex];
    auto* bytes = t.description.data();
    if (header) {
        switch (field.headerField) {
        case BalanceSign: bytes = balance.sign.data(); break;
        case BalanceInteger: bytes = balance.integer.data(); break;
        case BalanceFraction: bytes = balance.fraction.data(); break;
        case RateFraction: bytes = l.header.ratePerPeriod.data(); break;
        }
    } else if (field.transactionField == AmountInteger) {
        bytes = t.amount.integer.data();
    } else if (field.transactionField == AmountFraction) {
        bytes = t.amount.fraction.data();
    }
    const FieldKind shape =
        header ? headerShape(field.headerField) : transactionShape(field.transactionField);
    return {bytes, fieldRule(shape).storedSize};
}

StoredBytes storedBytes(const FieldId& field, Ledger& l) { return fieldBytes<StoredBytes>(field, l); }
StoredText storedText(const FieldId& field, const Ledger& l) { return fieldBytes<StoredText>(field, l); }

bool acceptsCharacter(FieldKind kind, uint32_t code)
{
    switch (kind) {
    case SignKind: return code == '+' || code == '-';
    case IntegerKind:
    case FractionKind: return code >= '0' && code <= '9';
    case DescriptionKind: return code >= 32 && code <= 255;
    case NoFieldKind: break;
    }
    return false;
}
