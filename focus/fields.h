// The seven editable fields by identity: the kind of text each holds, the
// stored bytes it edits, how long its text may grow, which characters it
// takes and where its text stands in its box. Loading, typing, pasting,
// committing, refreshing and placing the caret all read this one table.
#pragma once

#include <cstdint>

#include "focus/edit_focus.h"

// A sign, 21 integer digits, 20 fraction digits (the rate's too) or a
// description of up to 44 characters.
enum FieldKind : int32_t { SignKind, IntegerKind, FractionKind, DescriptionKind, NoFieldKind };

// Where a field's text stands: a sign centred, integer digits flush right
// (units digit last), fraction and description text from the left.
enum FieldAlignment : int32_t { CentredField, FlushRightField, FromLeftField };

struct FieldRule {
    int32_t longestText;  // 1, 21, 20 or 44 characters
    int32_t storedSize;   // the stored bytes, terminator included: 2, 22, 21 or 45
    FieldAlignment alignment;
};

// The rule of a kind of field; NoFieldKind takes no text.
const FieldRule& fieldRule(FieldKind kind);

// The kind a field's identity names, whatever its transaction's type.
FieldKind fieldShape(const FieldId& field);

// The kind of a field of this ledger: an interest transaction has only its
// description; a transaction of an unknown type, or the whole-document
// selection, has no field.
FieldKind fieldKind(const FieldId& field, const Ledger& l);
FieldKind activeFieldKind(const EditFocus& f, const Ledger& l);

// The stored bytes a field edits (storedSize of them), for the ledger to
// change or to read.
struct StoredBytes {
    char* bytes;
    int32_t size;
};
struct StoredText {
    const char* bytes;
    int32_t size;
};
StoredBytes storedBytes(const FieldId& field, Ledger& l);
StoredText storedText(const FieldId& field, const Ledger& l);

// Whether a typed character code goes into a field: "+" and "-" into the
// sign, "0" to "9" into digit fields, 32 to 255 into a description.
bool acceptsCharacter(FieldKind kind, uint32_t code);
