#include "view/ledger_texts.h"

#include <cstdio>
#include <cstring>

// The "0" flag of "%0.2i" is ignored next to a precision; "%.2i" writes the
// same bytes.
int32_t formatLineId(char* out, int32_t period, int32_t number, char letter)
{
    return std::snprintf(out, lineTextSize, "%.2i-%.4i%c", period, number, letter);
}

int32_t formatTransactionLineId(char* out, const Transaction& t, int32_t k)
{
    return formatLineId(out, t.period, t.number, static_cast<char>('a' + k));
}

const char* transactionTypeName(int32_t type)
{
    switch (type) {
    case Interest: return "Interest transaction";
    case Loan: return "Loan transaction";
    case Payment: return "Payment transaction";
    default: return "";
    }
}

static int32_t copyText(char* out, const char* text) { return std::snprintf(out, lineTextSize, "%s", text); }

bool isTransactionLabelLine(int32_t k)
{
    return k == 1 || k == 2 || k == 3 || k == 4 || k == 6 || k == 8 || k == 10;
}

int32_t formatTransactionLabel(char* out, const Ledger& l, int32_t i, int32_t k)
{
    const Transaction& t = l.table[i];
    switch (k) {
    case 1: return std::snprintf(out, lineTextSize, "Period: %.2i", t.period);
    case 2: return std::snprintf(out, lineTextSize, "Transaction: %.4i", t.number);
    case 3: return std::snprintf(out, lineTextSize, "Type: %s", transactionTypeName(t.type));
    case 4: return copyText(out, i == 0 && t.type == Interest ? "Beginning balance: " : "Old balance: ");
    case 6: return copyText(out, "Interest rate per period: ");
    case 8: return copyText(out, "Amount: ");
    case 10: return copyText(out, "New balance: ");
    default: out[0] = 0; return 0;
    }
}

static int32_t formatCount(char* out, const char* label, int32_t count)
{
    return std::snprintf(out, lineTextSize, "%s%.4i", label, count);
}

int32_t formatSummaryLabel(char* out, SummaryRow row, const TypeCounts& c)
{
    switch (row) {
    case BalancingHeading: return copyText(out, "Balancing of transaction amounts: ");
    case InterestAmountsHeading: return copyText(out, "Interest transaction amounts: ");
    case InterestCountRow: return formatCount(out, "Number of interest transactions: ", c.interest);
    case InterestTotalLabel: return copyText(out, "Total of interest transaction amounts: ");
    case LoanAmountsHeading: return copyText(out, "Loan transaction amounts: ");
    case LoanCountRow: return formatCount(out, "Number of loan transactions: ", c.loan);
    case LoanTotalLabel: return copyText(out, "Total of loan transaction amounts:");
    case PaymentAmountsHeading: return copyText(out, "Payment transaction amounts: ");
    case PaymentCountRow: return formatCount(out, "Number of payment transactions: ", c.payment);
    case PaymentTotalLabel: return copyText(out, "Total of payment transaction amounts: ");
    case TransactionTotalLabel: return copyText(out, "Total of transaction amounts: ");
    case BeginningBalanceLabel: return copyText(out, "Beginning balance: ");
    case BalancingTotalLabel: return copyText(out, "Beginning balance plus total of transaction amounts: ");
    case EndingBalanceLabel: return copyText(out, "Ending balance: ");
    case TransactionCountRow: return formatCount(out, "Number of transactions: ", c.all);
    default: out[0] = 0; return 0;
    }
}

int32_t formatSummaryBandLabel(char* out, SummaryRow row, const TypeCounts& c)
{
    if (row == LoanTotalLabel) return copyText(out, "Total of loan transaction amounts: ");
    return formatSummaryLabel(out, row, c);
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
