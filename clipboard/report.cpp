#include "clipboard/report.h"

#include <cstring>

// Where the report goes. With no buffer the pieces are only counted, so
// measuring and building walk the very same pieces and cannot disagree.
struct ReportText {
    char* out;     // null while measuring
    int32_t size;  // bytes put so far
};

static void putBytes(ReportText& r, const char* bytes, int32_t n)
{
    if (r.out) std::memcpy(r.out + r.size, bytes, static_cast<std::size_t>(n));
    r.size += n;
}

static void putText(ReportText& r, const char* text)
{
    putBytes(r, text, static_cast<int32_t>(std::strlen(text)));
}

static void putBlanks(ReportText& r, int32_t n)
{
    if (r.out) std::memset(r.out + r.size, ' ', static_cast<std::size_t>(n));
    r.size += n;
}

static void putLineEnd(ReportText& r) { putBytes(r, "\r\n", 2); }

// A whole number as "%0.<minDigits>i" writes it: a minus sign when negative,
// then at least minDigits digits, zero-padded on the left.
static void putNumber(ReportText& r, int32_t value, int32_t minDigits)
{
    char digits[12];
    int32_t n = 0;
    // Work on the magnitude as unsigned so that the most negative value fits.
    uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    while (magnitude > 0) {
        digits[n++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    }
    while (n < minDigits) digits[n++] = '0';
    char text[13];
    int32_t k = 0;
    if (value < 0) text[k++] = '-';
    while (n > 0) text[k++] = digits[--n];
    putBytes(r, text, k);
}

// "%0.2i%c%0.4i%c": period, "-", number, line letter.
static void putLineId(ReportText& r, const Transaction& t, char letter)
{
    putNumber(r, t.period, 2);
    putBytes(r, "-", 1);
    putNumber(r, t.number, 4);
    putBytes(r, &letter, 1);
}

// The identifier, two blanks and a label: the transaction's text lines.
static void putLabelStart(ReportText& r, const Transaction& t, char letter, const char* label)
{
    putLineId(r, t, letter);
    putBlanks(r, 2);
    putText(r, label);
}

static void putLabelLine(ReportText& r, const Transaction& t, char letter, const char* label)
{
    putLabelStart(r, t, letter, label);
    putLineEnd(r);
}

// Point, fraction and the two closing blanks: the right half shared by the
// value, rate and total lines, which puts every point in column 41.
static void putFractionPart(ReportText& r, const DigitField<fractionDigits>& fraction)
{
    putBlanks(r, 2);
    putBytes(r, ".", 1);
    putBlanks(r, 2);
    putBytes(r, fraction.data(), fractionDigits);
    putBlanks(r, 2);
    putLineEnd(r);
}

static void putValueLine(ReportText& r, const Transaction& t, char letter, const SignedAmount& v)
{
    putLineId(r, t, letter);
    putBlanks(r, 3);
    putBytes(r, v.sign.data(), 1);
    putBlanks(r, 5);
    putBytes(r, v.integer.data(), amountIntegerDigits);
    putFractionPart(r, v.fraction);
}

// The rate has no sign and no integer part: a fixed "+" and blanks instead.
static void putRateLine(ReportText& r, const Transaction& t, const DigitField<fractionDigits>& rate)
{
    putLineId(r, t, 'h');
    putBlanks(r, 3);
    putBytes(r, "+", 1);
    putBlanks(r, 5 + amountIntegerDigits);
    putFractionPart(r, rate);
}

static void putTotalLine(ReportText& r, const SignedTotal& v)
{
    putBlanks(r, 7);
    putBytes(r, v.sign.data(), 1);
    putBlanks(r, 5);
    putBytes(r, v.integer.data(), totalIntegerDigits);
    putFractionPart(r, v.fraction);
}

static void putSummaryLine(ReportText& r, const char* label)
{
    putText(r, label);
    putLineEnd(r);
}

static void putCountLine(ReportText& r, const char* label, int32_t count)
{
    putText(r, label);
    putNumber(r, count, 4);
    putLineEnd(r);
}

static const char* typeName(int32_t type)
{
    switch (type) {
    case Interest: return "Interest transaction";
    case Loan: return "Loan transaction";
    case Payment: return "Payment transaction";
    default: return "";  // a code no document of the program holds
    }
}

// The description as stored, up to its zero byte.
static void putDescription(ReportText& r, const Transaction& t)
{
    const void* end = std::memchr(t.description.data(), 0, descriptionSize);
    int32_t n = end ? static_cast<int32_t>(static_cast<const char*>(end) - t.description.data())
                    : descriptionSize;
    putBytes(r, t.description.data(), n);
}

// Lines "a" to "l" of transaction i.
static void putTransaction(ReportText& r, const Ledger& l, int32_t i)
{
    const Transaction& t = l.table[i];
    putLineId(r, t, 'a');
    putBlanks(r, 4);
    putDescription(r, t);
    putLineEnd(r);
    putLabelStart(r, t, 'b', "Period: ");
    putNumber(r, t.period, 2);
    putLineEnd(r);
    putLabelStart(r, t, 'c', "Transaction: ");
    putNumber(r, t.number, 4);
    putLineEnd(r);
    putLabelStart(r, t, 'd', "Type: ");
    putText(r, typeName(t.type));
    putLineEnd(r);
    putLabelLine(r, t, 'e', i == 0 ? "Beginning balance: " : "Old balance: ");
    putValueLine(r, t, 'f', t.oldBalance);
    putLabelLine(r, t, 'g', "Interest rate " "per period: ");
    putRateLine(r, t, l.header.ratePerPeriod);
    putLabelLine(r, t, 'i', "Amount: ");
    putValueLine(r, t, 'j', t.amount);
    putLabelLine(r, t, 'k', "New balance: ");
    putValueLine(r, t, 'l', t.newBalance);
}

// One section of the summary: the amount lines of every transaction of one
// type, their count, and the labelled total.
static void putTypeSection(ReportText& r, const Ledger& l, int32_t type, const char* heading,
                           const char* countLabel, const char* totalLabel, const SignedTotal& total)
{
    putSummaryLine(r, heading);
    int32_t count = 0;
    for (int32_t i = 0; i < l.count; ++i) {
        if (l.table[i].type != type) continue;
        putValueLine(r, l.table[i], 'j', l.table[i].amount);
        ++count;
    }
    putCountLine(r, countLabel, count);
    putSummaryLine(r, totalLabel);
    putTotalLine(r, total);
}

static void putSummary(ReportText& r, const Ledger& l)
{
    const LedgerTotals& totals = l.currentTotals;
    putSummaryLine(r, "Balancing of " "transaction amounts: ");
    putTypeSection(r, l, Interest, "Interest transaction " "amounts: ",
                   "Number of " "interest transactions: ",
                   "Total of " "interest transaction " "amounts: ", totals.interestTotal);
    putTypeSection(r, l, Loan, "Loan transaction " "amounts: ", "Number of " "loan transactions: ",
                   "Total of " "loan transaction " "amounts: ", totals.loanTotal);
    putTypeSection(r, l, Payment, "Payment transaction " "amounts: ",
                   "Number of " "payment transactions: ",
                   "Total of " "payment transaction " "amounts: ", totals.paymentTotal);
    putSummaryLine(r, "Total of " "transaction " "amounts: ");
    putTotalLine(r, totals.transactionTotal);
    putSummaryLine(r, "Beginning balance: ");
    if (l.count > 0) putValueLine(r, l.table[0], 'f', l.table[0].oldBalance);
    putSummaryLine(r, "Beginning balance " "plus total of " "transaction amounts: ");
    putTotalLine(r, totals.balancingTotal);
    putSummaryLine(r, "Ending balance: ");
    if (l.count > 0) putValueLine(r, l.table[l.count - 1], 'l', l.table[l.count - 1].newBalance);
    putCountLine(r, "Number of " "transactions: ", l.count);
}

static void putReport(ReportText& r, const Ledger& l)
{
    for (int32_t i = 0; i < l.count; ++i) putTransaction(r, l, i);
    putSummary(r, l);
    putBytes(r, "", 1);  // the zero byte after the last line
}

int32_t measureLedgerReport(const Ledger& l)
{
    ReportText r{nullptr, 0};
    putReport(r, l);
    return r.size;
}

int32_t buildLedgerReport(const Ledger& l, char* out)
{
    ReportText r{out, 0};
    putReport(r, l);
    return r.size;
}
