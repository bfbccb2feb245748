#include "files/export.h"

#include <cstring>

#include "ledger/number_text.h"

static char* putText(char* out, const char* text)
{
    std::size_t length = std::strlen(text);
    std::memcpy(out, text, length);
    return out + length;
}

// At least `width` digits with leading zeros, like "%0.4i".
static char* putDecimal(char* out, int32_t value, int32_t width)
{
    return out + formatWholeNumber(out, value, width);
}

// The digits of a field without its zero byte.
template <std::size_t S>
static char* putDigits(char* out, const std::array<char, S>& field)
{
    std::memcpy(out, field.data(), S - 1);
    return out + S - 1;
}

// Sign, integer digits, ".", fraction digits.
static char* putAmount(char* out, const SignedAmount& a)
{
    *out++ = a.sign[0];
    out = putDigits(out, a.integer);
    *out++ = '.';
    return putDigits(out, a.fraction);
}

// A spreadsheet reference such as "F0007": column letter, four-digit line.
static char* putCell(char* out, char column, int32_t line)
{
    *out++ = column;
    return putDecimal(out, line, 4);
}

static char* openField(char* out)
{
    *out++ = '"';
    return out;
}

static char* closeField(char* out)
{
    *out++ = '"';
    *out++ = ',';
    return out;
}

// Column F: the balance carried in, as the previous line's column K.
static char* putCarriedFormula(char* out, int32_t line)
{
    if (line == 1) return putText(out, "=E1");
    *out++ = '=';
    return putCell(out, 'K', line - 1);
}

// Column I: interest is balance times rate; a loan or payment is its amount.
static char* putAmountFormula(char* out, const Transaction& t, int32_t line)
{
    *out++ = '=';
    if (t.type != Interest) return putCell(out, 'H', line);
    out = putCell(out, 'F', line);
    *out++ = '*';
    return putCell(out, 'G', line);
}

static char* putLine(char* out, const Ledger& l, int32_t index)
{
    const Transaction& t = l.table[index];
    const int32_t line = index + 1;
    out = openField(out);
    std::memcpy(out, t.description.data(), descriptionSize);  // zero bytes too
    out = closeField(out + descriptionSize);
    out = closeField(putDecimal(openField(out), t.period, 2));
    out = closeField(putDecimal(openField(out), t.number, 4));
    out = closeField(putDecimal(openField(out), t.type, 1));
    out = closeField(putAmount(openField(out), t.oldBalance));
    out = closeField(putCarriedFormula(openField(out), line));
    out = openField(out);
    *out++ = '.';
    out = closeField(putDigits(out, l.header.ratePerPeriod));
    out = closeField(putAmount(openField(out), t.amount));
    out = closeField(putAmountFormula(openField(out), t, line));
    out = closeField(putAmount(openField(out), t.newBalance));
    out = openField(out);
    out = putCell(putText(out, "="), 'F', line);
    out = closeField(putCell(putText(out, "+"), 'I', line));
    *out++ = 13;
    *out++ = 10;
    return out;
}

int32_t buildLedgerExport(const Ledger& l, char* out)
{
    char* p = out;
    for (int32_t i = 0; i < l.count; ++i) p = putLine(p, l, i);
    return static_cast<int32_t>(p - out);
}
