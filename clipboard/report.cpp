#include "clipboard/report.h"

#include <cstring>

#include "ledger/number_text.h"
#include "view/ledger_texts.h"

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

static void putNumber(ReportText& r, int32_t value, int32_t minDigits)
{
    char text[12];
    putBytes(r, text, formatWholeNumber(text, value, minDigits));
}

// "%0.2i%c%0.4i%c" without its line letter: period, "-", number. Formatted
// once for the twelve lines of a transaction.
struct LineId {
    char text[24];
    int32_t size;
};

static LineId makeLineId(const Transaction& t)
{
    LineId id;
    id.size = formatWholeNumber(id.text, t.period, 2);
    id.text[id.size++] = '-';
    id.size += formatWholeNumber(id.text + id.size, t.number, 4);
    return id;
}

static void putLineId(ReportText& r, const LineId& id, char letter)
{
    putBytes(r, id.text, id.size);
    putBytes(r, &letter, 1);
}

// The identifier, two blanks and a label: the transaction's text lines.
static void putLabelStart(ReportText& r, const LineId& id, char letter, const char* label)
{
    putLineId(r, id, letter);
    putBlanks(r, 2);
    putText(r, label);
}

static void putLabelLine(ReportText& r, const LineId& id, char letter, const char* label)
{
    putLabelStart(r, id, letter, label);
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

static void putValueLine(ReportText& r, const LineId& id, char letter, const SignedAmount& v)
{
    putLineId(r, id, letter);
    putBlanks(r, 3);
    putBytes(r, v.sign.data(), 1);
    putBlanks(r, 5);
    putBytes(r, v.integer.data(), amountIntegerDigits);
    putFractionPart(r, v.fraction);
}

// The rate has no sign and no integer part: a fixed "+" and blanks instead.
static void putRateLine(ReportText& r, const LineId& id, const DigitField<fractionDigits>& rate)
{
    putLineId(r, id, 'h');
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

// The description as stored, up to its zero byte.
static void putDescription(ReportText& r, const Transaction& t)
{
    putBytes(r, t.description.data(), storedTextLength(t.description.data(), descriptionSize));
}

// Lines "a" to "l" of transaction i.
static void putTransaction(ReportText& r, const Ledger& l, int32_t i)
{
    const Transaction& t = l.table[i];
    const LineId id = makeLineId(t);
    putLineId(r, id, 'a');
    putBlanks(r, 4);
    putDescription(r, t);
    putLineEnd(r);
    putLabelStart(r, id, 'b', "Period: ");
    putNumber(r, t.period, 2);
    putLineEnd(r);
    putLabelStart(r, id, 'c', "Transaction: ");
    putNumber(r, t.number, 4);
    putLineEnd(r);
    putLabelStart(r, id, 'd', "Type: ");
    putText(r, transactionTypeName(t.type));
    putLineEnd(r);
    putLabelLine(r, id, 'e', i == 0 ? "Beginning balance: " : "Old balance: ");
    putValueLine(r, id, 'f', t.oldBalance);
    putLabelLine(r, id, 'g',
                 "Interest rate "
                 "per period: ");
    putRateLine(r, id, l.header.ratePerPeriod);
    putLabelLine(r, id, 'i', "Amount: ");
    putValueLine(r, id, 'j', t.amount);
    putLabelLine(r, id, 'k', "New balance: ");
    putValueLine(r, id, 'l', t.newBalance);
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
        putValueLine(r, makeLineId(l.table[i]), 'j', l.table[i].amount);
        ++count;
    }
    putCountLine(r, countLabel, count);
    putSummaryLine(r, totalLabel);
    putTotalLine(r, total);
}

static void putSummary(ReportText& r, const Ledger& l)
{
    const LedgerTotals& totals = l.currentTotals;
    putSummaryLine(r,
                   "Balancing of "
                   "transaction amounts: ");
    putTypeSection(r, l, Interest,
                   "Interest transaction "
                   "amounts: ",
                   "Number of "
                   "interest transactions: ",
                   "Total of "
                   "interest transaction "
                   "amounts: ",
                   totals.interestTotal);
    putTypeSection(r, l, Loan,
                   "Loan transaction "
                   "amounts: ",
                   "Number of "
                   "loan transactions: ",
                   "Total of "
                   "loan transaction "
                   "amounts: ",
                   totals.loanTotal);
    putTypeSection(r, l, Payment,
                   "Payment transaction "
                   "amounts: ",
                   "Number of "
                   "payment transactions: ",
                   "Total of "
                   "payment transaction "
                   "amounts: ",
                   totals.paymentTotal);
    putSummaryLine(r,
                   "Total of "
                   "transaction "
                   "amounts: ");
    putTotalLine(r, totals.transactionTotal);
    putSummaryLine(r, "Beginning balance: ");
    if (l.count > 0) putValueLine(r, makeLineId(l.table[0]), 'f', l.table[0].oldBalance);
    putSummaryLine(r,
                   "Beginning balance "
                   "plus total of "
                   "transaction amounts: ");
    putTotalLine(r, totals.balancingTotal);
    putSummaryLine(r, "Ending balance: ");
    if (l.count > 0) putValueLine(r, makeLineId(l.table[l.count - 1]), 'l', l.table[l.count - 1].newBalance);
    putCountLine(r,
                 "Number of "
                 "transactions: ",
                 l.count);
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
