#include "ledger/body_lines.h"

#include <cstring>

#include "ledger/number_text.h"

const char beginningBalanceText[] = "Beginning balance: ";
const char ratePerPeriodText[] =
    "Interest rate "
    "per period: ";

const char* transactionTypeName(int32_t type)
{
    switch (type) {
    case Interest: return "Interest transaction";
    case Loan: return "Loan transaction";
    case Payment: return "Payment transaction";
    default: return "";
    }
}

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

int32_t formatLineId(char* out, int32_t period, int32_t number, char letter)
{
    int32_t n = formatWholeNumber(out, period, 2);
    out[n++] = '-';
    n += formatWholeNumber(out + n, number, 4);
    out[n++] = letter;
    out[n] = 0;
    return n;
}

// ---- Label texts --------------------------------------------------------

// A summary label, and the count that follows it on the count rows.
struct SummaryText {
    const char* label;
    int32_t TypeCounts::*count;
};

static SummaryText summaryText(SummaryRow row, LineTexts texts)
{
    switch (row) {
    case BalancingHeading: return {"Balancing of transaction amounts: ", nullptr};
    case InterestAmountsHeading: return {"Interest transaction amounts: ", nullptr};
    case InterestCountRow: return {"Number of interest transactions: ", &TypeCounts::interest};
    case InterestTotalLabel: return {"Total of interest transaction amounts: ", nullptr};
    case LoanAmountsHeading: return {"Loan transaction amounts: ", nullptr};
    case LoanCountRow: return {"Number of loan transactions: ", &TypeCounts::loan};
    case LoanTotalLabel:
        return {texts == LineTexts::Screen ? "Total of loan transaction amounts:"
                                           : "Total of loan transaction amounts: ",
                nullptr};
    case PaymentAmountsHeading: return {"Payment transaction amounts: ", nullptr};
    case PaymentCountRow: return {"Number of payment transactions: ", &TypeCounts::payment};
    case PaymentTotalLabel: return {"Total of payment transaction amounts: ", nullptr};
    case TransactionTotalLabel: return {"Total of transaction amounts: ", nullptr};
    case BeginningBalanceLabel: return {beginningBalanceText, nullptr};
    case BalancingTotalLabel: return {"Beginning balance plus total of transaction amounts: ", nullptr};
    case EndingBalanceLabel: return {"Ending balance: ", nullptr};
    case TransactionCountRow: return {"Number of transactions: ", &TypeCounts::all};
    default: return {nullptr, nullptr};
    }
}

static void setText(BodyLine& out, const char* text)
{
    out.textLength = static_cast<int32_t>(std::strlen(text));
    std::memcpy(out.text, text, static_cast<std::size_t>(out.textLength) + 1);
}

// A label followed by a number with at least `digits` digits.
static void setNumberedText(BodyLine& out, const char* label, int32_t number, int32_t digits)
{
    setText(out, label);
    out.textLength += formatWholeNumber(out.text + out.textLength, number, digits);
    out.text[out.textLength] = 0;
}

static const char* oldBalanceLabel(const Ledger& l, int32_t i, LineTexts texts)
{
    const bool first = i == 0 && (texts == LineTexts::Report || l.table[0].type == Interest);
    return first ? beginningBalanceText : "Old balance: ";
}

// ---- Lines --------------------------------------------------------------

LineWalker startLineWalk(const Ledger& l, LineTexts texts)
{
    return {&l, countTransactionTypes(l), texts, -1, -1, -1};
}

static void clearLine(BodyLine& out, LineKind kind)
{
    out.kind = kind;
    out.transaction = -1;
    out.id[0] = 0;
    out.idLength = 0;
    out.text[0] = 0;
    out.textLength = 0;
    out.value = nullptr;
    out.total = nullptr;
    out.rate = nullptr;
}

static void setId(BodyLine& out, const Ledger& l, int32_t i, char letter)
{
    out.transaction = i;
    out.idLength = formatLineId(out.id, l.table[i].period, l.table[i].number, letter);
}

static void describeTransactionLine(const LineWalker& w, int32_t i, int32_t k, BodyLine& out)
{
    const Ledger& l = *w.ledger;
    const Transaction& t = l.table[i];
    clearLine(out, LabelLine);
    setId(out, l, i, static_cast<char>('a' + k));
    switch (k) {
    case 0:
        out.kind = DescriptionLine;
        out.textLength = storedTextLength(t.description.data(), descriptionSize);
        std::memcpy(out.text, t.description.data(), static_cast<std::size_t>(out.textLength));
        out.text[out.textLength] = 0;
        break;
    case 1: setNumberedText(out, "Period: ", t.period, 2); break;
    case 2: setNumberedText(out, "Transaction: ", t.number, 4); break;
    case 3:
        setText(out, "Type: ");
        std::strcpy(out.text + out.textLength, transactionTypeName(t.type));
        out.textLength = static_cast<int32_t>(std::strlen(out.text));
        break;
    case 4: setText(out, oldBalanceLabel(l, i, w.texts)); break;
    case 5:
        out.kind = ValueLine;
        out.value = &t.oldBalance;
        break;
    case 6: setText(out, ratePerPeriodText); break;
    case 7:
        out.kind = RateLine;
        out.rate = &l.header.ratePerPeriod;
        break;
    case 8: setText(out, "Amount: "); break;
    case 9:
        out.kind = AmountLine;
        out.value = &t.amount;
        break;
    case 10: setText(out, "New balance: "); break;
    default:
        out.kind = ValueLine;
        out.value = &t.newBalance;
        break;
    }
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
static void setRepeatedValue(BodyLine& out, const Ledger& l, int32_t i, char letter,
                             SignedAmount Transaction::*value)
{
    clearLine(out, ValueLine);
    setId(out, l, i, letter);
    out.value = &(l.table[i].*value);
}

static void describeSummaryLine(LineWalker& w, SummaryLine s, BodyLine& out)
{
    const Ledger& l = *w.ledger;
    const LedgerTotals& totals = l.currentTotals;
    const int32_t last = l.count - 1;
    auto amountOf = [&](int32_t type) {
        setRepeatedValue(out, l, transactionOfType(w, type, s.ordinal), 'j', &Transaction::amount);
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
    case BeginningBalanceRow: setRepeatedValue(out, l, 0, 'f', &Transaction::oldBalance); return;
    case EndingBalanceRow: setRepeatedValue(out, l, last, 'l', &Transaction::newBalance); return;
    default: break;
    }
    clearLine(out, SummaryLabelLine);
    const SummaryText text = summaryText(s.row, w.texts);
    if (text.count)
        setNumberedText(out, text.label, w.counts.*text.count, 4);
    else
        setText(out, text.label);
}

void describeBodyLine(LineWalker& w, int32_t line, BodyLine& out)
{
    const int32_t first = linesPerTransaction * w.ledger->count;
    if (line < first) {
        describeTransactionLine(w, line / linesPerTransaction, line % linesPerTransaction, out);
        return;
    }
    const TypeCounts& c = w.counts;
    describeSummaryLine(w, summaryLine(line - first, c.interest, c.loan, c.payment), out);
}
