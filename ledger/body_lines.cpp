#include "ledger/body_lines.h"

#include <bit>
#include <cstring>

#include "ledger/digits/portable_limb_text.h"
#include "ledger/number_text.h"

const char beginningBalanceText[] = "Beginning balance: ";
const char ratePerPeriodText[] =
    "Interest rate "
    "per period: ";

// A fixed text with its length, counted when the program is built.
struct Label {
    const char* text;
    int32_t length;
};

template <std::size_t N>
static constexpr Label label(const char (&text)[N])
{
    return {text, static_cast<int32_t>(N - 1)};
}

// Line d of a transaction in full; the type names are its ends, so the
// line is shown without being put together.
constexpr int32_t typeLabelLength = 6;  // "Type: "

static Label typeLine(int32_t type)
{
    switch (type) {
    case Interest: return label("Type: Interest transaction");
    case Loan: return label("Type: Loan transaction");
    case Payment: return label("Type: Payment transaction");
    default: return label("Type: ");
    }
}

const char* transactionTypeName(int32_t type) { return typeLine(type).text + typeLabelLength; }

SummaryLine summaryLine(int32_t offset, int32_t ni, int32_t nl, int32_t np)
{
    // Each section: heading, one row per transaction of its type, count,
    // total label, total.
    if (offset == 0) return {BalancingHeading, 0};
    int32_t o = offset - 1;
    const int32_t counts[3] = {ni, nl, np};
    const SummaryRow headings[3] = {InterestAmountsHeading, LoanAmountsHeading, PaymentAmountsHeading};
    for (int32_t s = 0; s < 3; ++s) {
        const int32_t span = counts[s] + 4;
        if (o < span) {
            if (o == 0) return {headings[s], 0};
            if (o <= counts[s]) return {static_cast<SummaryRow>(headings[s] + 1), o - 1};
            return {static_cast<SummaryRow>(headings[s] + 2 + (o - counts[s] - 1)), 0};
        }
        o -= span;
    }
    return {static_cast<SummaryRow>(TransactionTotalLabel + o), 0};
}

TypeCounts countTransactionTypes(const Ledger& l)
{
    TypeCounts c{};
    c.all = l.count;
    for (int32_t i = 0; i < l.count; ++i) {
        if (l.table[i].type == Interest) ++c.interest;
        if (l.table[i].type == Loan) ++c.loan;
        if (l.table[i].type == Payment) ++c.payment;
    }
    return c;
}

int32_t nthTransactionOfType(const Ledger& l, int32_t type, int32_t ordinal)
{
    for (int32_t i = 0; i < l.count; ++i)
        if (l.table[i].type == type && ordinal-- == 0) return i;
    return -1;
}

// The identifier without its line letter: the period's text (p.length
// characters, formatted unless p holds it), "-" and the number's text.
static int32_t formatIdStart(PeriodText& p, char* out, int32_t period, int32_t number)
{
    if (p.length == 0 || p.period != period) {
        p.length = formatWholeNumber(p.text, period, 2);
        p.period = period;
    }
    std::memcpy(out, p.text, lineIdSize);
    out[p.length] = '-';
    return p.length + 1 + formatWholeNumber(out + p.length + 1, number, 4);
}

// The whole identifier with its zero byte; returns its length.
static int32_t formatId(PeriodText& p, char* out, int32_t period, int32_t number, char letter)
{
    int32_t n = formatIdStart(p, out, period, number);
    out[n++] = letter;
    out[n] = 0;
    return n;
}

int32_t formatLineId(char* out, int32_t period, int32_t number, char letter)
{
    PeriodText p{};
    return formatId(p, out, period, number, letter);
}

// ---- Label texts --------------------------------------------------------

// A summary label, and the count that follows it on the count rows.
struct SummaryText {
    Label label;
    int32_t TypeCounts::*count;
};

static SummaryText summaryText(SummaryRow row, LineTexts texts)
{
    switch (row) {
    case BalancingHeading: return {label("Balancing of transaction amounts: "), nullptr};
    case InterestAmountsHeading: return {label("Interest transaction amounts: "), nullptr};
    case InterestCountRow: return {label("Number of interest transactions: "), &TypeCounts::interest};
    case InterestTotalLabel: return {label("Total of interest transaction amounts: "), nullptr};
    case LoanAmountsHeading: return {label("Loan transaction amounts: "), nullptr};
    case LoanCountRow: return {label("Number of loan transactions: "), &TypeCounts::loan};
    case LoanTotalLabel:
        return {texts == LineTexts::Screen ? label("Total of loan transaction amounts:")
                                           : label("Total of loan transaction amounts: "),
                nullptr};
    case PaymentAmountsHeading: return {label("Payment transaction amounts: "), nullptr};
    case PaymentCountRow: return {label("Number of payment transactions: "), &TypeCounts::payment};
    case PaymentTotalLabel: return {label("Total of payment transaction amounts: "), nullptr};
    case TransactionTotalLabel: return {label("Total of transaction amounts: "), nullptr};
    case BeginningBalanceLabel: return {label(beginningBalanceText), nullptr};
    case BalancingTotalLabel:
        return {label("Beginning balance plus total of transaction amounts: "), nullptr};
    case EndingBalanceLabel: return {label("Ending balance: "), nullptr};
    case TransactionCountRow: return {label("Number of transactions: "), &TypeCounts::all};
    default: return {label(""), nullptr};
    }
}

static void setText(BodyLine& out, Label text)
{
    out.text = text.text;
    out.textLength = text.length;
}

// A label followed by `length` characters of a number's text, written in
// `written` (lineTextSize bytes).
static void setNumberedText(char* written, BodyLine& out, Label text, const char* number, int32_t length)
{
    std::memcpy(written, text.text, static_cast<std::size_t>(text.length));
    std::memcpy(written + text.length, number, static_cast<std::size_t>(length));
    written[text.length + length] = 0;
    out.text = written;
    out.textLength = text.length + length;
}

// A label followed by a number with at least `digits` digits.
static void setNumberedText(char* written, BodyLine& out, Label text, int32_t number, int32_t digits)
{
    char digitText[lineTextSize];
    setNumberedText(written, out, text, digitText, formatWholeNumber(digitText, number, digits));
}

// The stored description where its zero byte ends it, else a copy in
// `written` that has one.
static void setDescription(char* written, BodyLine& out, const Transaction& t)
{
    out.textLength = storedTextLength(t.description.data(), descriptionSize);
    if (out.textLength < descriptionSize) {
        out.text = t.description.data();
        return;
    }
    std::memcpy(written, t.description.data(), descriptionSize);
    written[descriptionSize] = 0;
    out.text = written;
}

static Label oldBalanceLabel(const Ledger& l, int32_t i, LineTexts texts)
{
    const bool first = i == 0 && (texts == LineTexts::Report || l.table[0].type == Interest);
    return first ? label(beginningBalanceText) : label("Old balance: ");
}

// ---- Lines --------------------------------------------------------------

template <typename Line>
static Line& at(Line* lines, TransactionLine line)
{
    return lines[static_cast<int32_t>(line)];
}

LineWalker startLineWalk(const Ledger& l, LineTexts texts)
{
    LineWalker w{&l, countTransactionTypes(l), texts, -1, -1, -1, -1, {}, 0, 0, {}, {}, false, {}, {}};
    return w;
}

static void clearLine(BodyLine& out, LineKind kind)
{
    out.kind = kind;
    out.transaction = -1;
    out.id = "";
    out.idLength = 0;
    out.text = "";
    out.textLength = 0;
    out.value = nullptr;
    out.total = nullptr;
    out.rate = nullptr;
}

// The identifiers of most ledgers, a period of two digits and a number of
// four ("01-0001a"), fill an 8-byte word: each is stored as that word. The
// report reads an identifier back with an 8-byte load soon after; a load
// that one store covers takes its bytes from that store, where one that
// several stores cover waits until they have all reached the cache.
static bool fitsIdWord(const Transaction& t)
{
    return std::endian::native == std::endian::little && t.period >= 0 && t.period <= 99 && t.number >= 0 &&
           t.number <= 9999;
}

// Such an identifier without its letter, the letter's byte zero.
static uint64_t idWordStart(const Transaction& t)
{
    auto pair = [](int32_t n) {
        uint16_t p;
        std::memcpy(&p, digitPairs.of[n], 2);
        return uint64_t(p);
    };
    return pair(t.period) | uint64_t('-') << 16 | pair(t.number / 100) << 24 | pair(t.number % 100) << 40;
}

// The identifier and its zero byte into `out`; returns its length, 8.
static int32_t putIdWord(char* out, uint64_t start, char letter)
{
    const uint64_t id = start | uint64_t(static_cast<uint8_t>(letter)) << 56;
    std::memcpy(out, &id, 8);
    out[8] = 0;
    return 8;
}

// Transaction i's twelve identifiers.
static void prepareIds(LineWalker& w, int32_t i)
{
    const Transaction& t = w.ledger->table[i];
    const bool word = fitsIdWord(t);
    const uint64_t start = word ? idWordStart(t) : 0;
    for (int32_t k = 0; k < linesPerTransaction; ++k) {
        const char letter = lineLetter(static_cast<TransactionLine>(k));
        w.idLength = word ? putIdWord(w.ids[k], start, letter)
                          : formatId(w.period, w.ids[k], t.period, t.number, letter);
    }
    w.idPeriodLength = word ? 2 : w.period.length;
}

// What the twelve lines of every transaction share: their kinds, the fixed
// labels and the rate.
static void shapeTransactionLines(LineWalker& w)
{
    BodyLine* out = w.lines;
    for (int32_t k = 0; k < linesPerTransaction; ++k)
        out[k] = {LabelLine, -1, "", 0, "", 0, nullptr, nullptr, nullptr};
    at(out, TransactionLine::Description).kind = DescriptionLine;
    at(out, TransactionLine::OldBalance).kind = ValueLine;
    setText(at(out, TransactionLine::RateLabel), label(ratePerPeriodText));
    at(out, TransactionLine::Rate).kind = RateLine;
    at(out, TransactionLine::Rate).rate = &w.ledger->header.ratePerPeriod;
    setText(at(out, TransactionLine::AmountLabel), label("Amount: "));
    at(out, TransactionLine::Amount).kind = AmountLine;
    setText(at(out, TransactionLine::NewBalanceLabel), label("New balance: "));
    at(out, TransactionLine::NewBalance).kind = ValueLine;
    w.linesShaped = true;
}

// Lines b and c: the period and number as the identifier shows them.
constexpr Label periodLabel = label("Period: "), numberLabel = label("Transaction: ");

// What describing transaction i's lines and measuring them share: all but
// the identifiers, the description and the numbered labels.
static void setTransactionParts(LineWalker& w, int32_t i)
{
    const Ledger& l = *w.ledger;
    const Transaction& t = l.table[i];
    if (!w.linesShaped) shapeTransactionLines(w);
    BodyLine* out = w.lines;
    for (int32_t k = 0; k < linesPerTransaction; ++k) out[k].transaction = i;
    using enum TransactionLine;
    setText(at(out, Type), typeLine(t.type));
    setText(at(out, OldBalanceLabel), oldBalanceLabel(l, i, w.texts));
    at(out, OldBalance).value = &t.oldBalance;
    at(out, Amount).value = &t.amount;
    at(out, NewBalance).value = &t.newBalance;
}

// Transaction i's twelve lines, described together once for all of them:
// only a transaction's own parts are written, the rest is shaped once a
// walk. Whatever points into the walker is set every time, so that a copy
// of the walker describes its own lines.
static void describeTransaction(LineWalker& w, int32_t i)
{
    setTransactionParts(w, i);
    prepareIds(w, i);
    BodyLine* out = w.lines;
    for (int32_t k = 0; k < linesPerTransaction; ++k) {
        out[k].id = w.ids[k];
        out[k].idLength = w.idLength;
    }
    using enum TransactionLine;
    setDescription(w.lineTexts[0], at(out, Description), w.ledger->table[i]);
    BodyLine& period = at(out, Period);
    BodyLine& number = at(out, Number);
    setNumberedText(w.lineTexts[1], period, periodLabel, period.id, w.idPeriodLength);
    setNumberedText(w.lineTexts[2], number, numberLabel, number.id + w.idPeriodLength + 1,
                    w.idLength - w.idPeriodLength - 2);
    w.idTransaction = i;
}

const BodyLine* measureTransactionLines(LineWalker& w, int32_t i)
{
    setTransactionParts(w, i);
    const Transaction& t = w.ledger->table[i];
    const int32_t periodLength = wholeNumberLength(t.period, 2),
                  numberLength = wholeNumberLength(t.number, 4);
    BodyLine* out = w.lines;
    for (int32_t k = 0; k < linesPerTransaction; ++k) {
        out[k].id = nullptr;
        out[k].idLength = periodLength + 1 + numberLength + 1;
    }
    using enum TransactionLine;
    setText(at(out, Description), {nullptr, storedTextLength(t.description.data(), descriptionSize)});
    setText(at(out, Period), {nullptr, periodLabel.length + periodLength});
    setText(at(out, Number), {nullptr, numberLabel.length + numberLength});
    w.idTransaction = -1;
    return out;
}

const BodyLine* describeTransactionLines(LineWalker& w, int32_t i)
{
    if (w.idTransaction != i) describeTransaction(w, i);
    return w.lines;
}

// The transaction of an amount row. The rows of a type come in order, so
// each continues the search from the one before instead of scanning the
// table from its start.
static int32_t transactionOfType(LineWalker& w, int32_t type, int32_t ordinal)
{
    const Ledger& l = *w.ledger;
    int32_t index;
    if (w.foundType == type && w.foundOrdinal + 1 == ordinal && w.foundIndex >= 0) {
        index = w.foundIndex + 1;
        while (index < l.count && l.table[index].type != type) ++index;
        if (index == l.count) index = -1;
    } else {
        index = nthTransactionOfType(l, type, ordinal);
    }
    w.foundType = type;
    w.foundOrdinal = ordinal;
    w.foundIndex = index;
    return index;
}

// A row repeating a value of transaction i with its identifier.
static void setRepeatedValue(LineWalker& w, BodyLine& out, int32_t i, TransactionLine line,
                             SignedAmount Transaction::*value)
{
    const Transaction& t = w.ledger->table[i];
    clearLine(out, ValueLine);
    out.transaction = i;
    out.idLength = fitsIdWord(t) ? putIdWord(w.written, idWordStart(t), lineLetter(line))
                                 : formatId(w.period, w.written, t.period, t.number, lineLetter(line));
    out.id = w.written;
    out.value = &(t.*value);
}

static void describeSummaryLine(LineWalker& w, SummaryLine s, BodyLine& out)
{
    const Ledger& l = *w.ledger;
    const LedgerTotals& totals = l.currentTotals;
    const int32_t last = l.count - 1;
    auto amountOf = [&](int32_t type) {
        setRepeatedValue(w, out, transactionOfType(w, type, s.ordinal), TransactionLine::Amount,
                         &Transaction::amount);
    };
    auto total = [&](const SignedTotal& value) {
        clearLine(out, TotalLine);
        out.total = &value;
    };
    switch (s.row) {
    case InterestAmountRow: amountOf(Interest); return;
    case LoanAmountRow: amountOf(Loan); return;
    case PaymentAmountRow: amountOf(Payment); return;
    case InterestTotalRow: total(totals.interestTotal); return;
    case LoanTotalRow: total(totals.loanTotal); return;
    case PaymentTotalRow: total(totals.paymentTotal); return;
    case TransactionTotalRow: total(totals.transactionTotal); return;
    case BalancingTotalRow: total(totals.balancingTotal); return;
    case BeginningBalanceRow:
        setRepeatedValue(w, out, 0, TransactionLine::OldBalance, &Transaction::oldBalance);
        return;
    case EndingBalanceRow:
        setRepeatedValue(w, out, last, TransactionLine::NewBalance, &Transaction::newBalance);
        return;
    default: break;
    }
    clearLine(out, SummaryLabelLine);
    const SummaryText text = summaryText(s.row, w.texts);
    if (text.count)
        setNumberedText(w.written, out, text.label, w.counts.*text.count, 4);
    else
        setText(out, text.label);
}

void describeBodyLine(LineWalker& w, int32_t line, BodyLine& out)
{
    const int32_t first = summaryStart(w.ledger->count);
    if (line < first) {
        out = at(describeTransactionLines(w, transactionOfLine(line)), lineWithin(line));
        return;
    }
    const TypeCounts& c = w.counts;
    describeSummaryLine(w, summaryLine(line - first, c.interest, c.loan, c.payment), out);
}
