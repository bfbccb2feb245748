#include "files/document.h"

#include <cstring>

// Appends a field and returns the position after it.
template <std::size_t S>
static char* put(char* out, const std::array<char, S>& field)
{
    std::memcpy(out, field.data(), S);
    return out + S;
}

static char* putLineEnd(char* out)
{
    out[0] = 13;
    out[1] = 10;
    return out + 2;
}

// A 32-bit value, least significant byte first.
static char* putCount(char* out, uint32_t value)
{
    for (int i = 0; i < 4; ++i) out[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return out + 4;
}

static char* putSignedAmount(char* out, const SignedAmount& a)
{
    out = putLineEnd(put(out, a.sign));
    out = putLineEnd(put(out, a.integer));
    return putLineEnd(put(out, a.fraction));
}

static char* putHeader(char* out, const Ledger& l)
{
    std::memcpy(out, documentMagic, sizeof documentMagic);
    out = putLineEnd(out + sizeof documentMagic);
    out = putLineEnd(putCount(out, static_cast<uint32_t>(l.count)));
    out = putSignedAmount(out, l.header.beginningBalance);
    return putLineEnd(put(out, l.header.ratePerPeriod));
}

// Only the low byte of the type code is written; the file allows 0 to 2.
static char* putRecord(char* out, const Transaction& t)
{
    out = putLineEnd(put(out, t.description));
    out = putLineEnd(putCount(out, static_cast<uint32_t>(t.type) & 0xFF));
    return putSignedAmount(out, t.amount);
}

int32_t buildLedgerDocument(const Ledger& l, char* out)
{
    char* p = putHeader(out, l);
    for (int32_t i = 0; i < l.count; ++i) p = putRecord(p, l.table[i]);
    return static_cast<int32_t>(p - out);
}
