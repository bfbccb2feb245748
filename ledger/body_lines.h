// The ledger's body as numbered lines and what each line shows: twelve
// lines per transaction, then the summary, numbered from 0 with no gaps.
// The screen, the clipboard report and the printed page all take their
// lines, identifiers and labels from here; no text of a line is written
// anywhere else.
#pragma once

#include <cstdint>

#include "ledger/ledger.h"
#include "ledger/line_numbers.h"

// The two labels of the fixed header, also used inside the body.
extern const char beginningBalanceText[];  // "Beginning balance: "
extern const char ratePerPeriodText[];     // "Interest rate per period: "

// "Interest transaction", "Loan transaction", "Payment transaction"; empty
// for a code the ledger does not know.
const char* transactionTypeName(int32_t type);

// ---- Summary order ------------------------------------------------------

// The 25 kinds of summary line, in order; three of them repeat once per
// interest, loan or payment transaction.
enum SummaryRow : int32_t {
    BalancingHeading,
    InterestAmountsHeading,
    InterestAmountRow,
    InterestCountRow,
    InterestTotalLabel,
    InterestTotalRow,
    LoanAmountsHeading,
    LoanAmountRow,
    LoanCountRow,
    LoanTotalLabel,
    LoanTotalRow,
    PaymentAmountsHeading,
    PaymentAmountRow,
    PaymentCountRow,
    PaymentTotalLabel,
    PaymentTotalRow,
    TransactionTotalLabel,
    TransactionTotalRow,
    BeginningBalanceLabel,
    BeginningBalanceRow,
    BalancingTotalLabel,
    BalancingTotalRow,
    EndingBalanceLabel,
    EndingBalanceRow,
    TransactionCountRow,
};

struct SummaryLine {
    SummaryRow row;
    int32_t ordinal;  // amount rows: which transaction of that type, from 0
};

// The summary line at `offset` lines after the last transaction line
// (offset 0 .. ni + nl + np + 21), given the transaction counts by type.
SummaryLine summaryLine(int32_t offset, int32_t ni, int32_t nl, int32_t np);

// Counts of the table's transactions by type, and of all of them.
struct TypeCounts {
    int32_t interest, loan, payment, all;
};
TypeCounts countTransactionTypes(const Ledger& l);

// Index of the `ordinal`-th transaction (from 0) of `type` in stored order,
// or -1.
int32_t nthTransactionOfType(const Ledger& l, int32_t type, int32_t ordinal);

// ---- What a line shows --------------------------------------------------

// Room for any identifier or text of a line, terminator included.
constexpr int32_t lineTextSize = 64;

// Room for one identifier: two 32-bit numbers with their minus signs, "-",
// the line letter and the zero byte.
constexpr int32_t lineIdSize = 11 + 1 + 11 + 2;

// "%0.2i%c%0.4i%c": period, "-", number, line letter ("01-0001a"); every
// digit is kept when a value needs more. `out` holds lineIdSize bytes.
// Returns the length.
int32_t formatLineId(char* out, int32_t period, int32_t number, char letter);

enum LineKind : int32_t {
    DescriptionLine,   // line a: the description
    LabelLine,         // a label at the body column, numbers included
    ValueLine,         // a SignedAmount in the body's value columns
    RateLine,          // "+", "." and the rate digits: the rate has no sign or integer part
    AmountLine,        // line j of a transaction: its amount, editable for loans and payments
    SummaryLabelLine,  // a label at the block's left edge
    TotalLine,         // a SignedTotal in the total columns, no identifier
};

// Where the screen and the report differ, the two texts: the old-balance
// label of the first transaction ("Beginning balance: " on the screen only
// when it is an interest transaction, in the report whatever its type) and
// the loan total's label (drawn without its trailing blank on the screen).
// The clipboard report and the printed page use the report's texts.
enum class LineTexts : int32_t { Screen, Report };

// A line's texts are the ledger's own or fixed labels where they can be
// shown as they stand, else the walker's: a line is valid until its walker
// describes another or the ledger changes.
struct BodyLine {
    LineKind kind;
    int32_t transaction;  // whose identifier leads the line; -1 for none
    const char* id;       // up to its zero byte; "" when the line has none
    int32_t idLength;
    const char* text;  // label or description up to its zero byte (a description may hold any non-zero byte)
    int32_t textLength;
    const SignedAmount* value;               // ValueLine, AmountLine
    const SignedTotal* total;                // TotalLine
    const DigitField<fractionDigits>* rate;  // RateLine
};

// A period's text, kept while consecutive identifiers share it; length 0
// until one is formatted.
struct PeriodText {
    int32_t period, length;
    char text[lineIdSize];
};

// Describes body lines in order. Consecutive lines are described fastest:
// a transaction's twelve lines are described once for all of them, a
// period's text once for the identifiers that share it, and the summary's
// amount rows continue their search from the row before.
struct LineWalker {
    const Ledger* ledger;
    TypeCounts counts;
    LineTexts texts;
    int32_t foundType, foundOrdinal, foundIndex;  // the last amount row's transaction
    int32_t idTransaction;                        // whose lines follow; -1 for none
    char ids[linesPerTransaction][lineIdSize];    // its lines' identifiers, "a" to "l"
    int32_t idLength, idPeriodLength;             // of each, and of the period in them
    PeriodText period;                            // the last identifier's period
    char written[lineTextSize];                   // a label with its number, or a summary row's identifier
    bool linesShaped;                             // lines holds what every transaction's share
    BodyLine lines[linesPerTransaction];          // idTransaction's lines
    char lineTexts[linesPerTransaction][lineTextSize];  // the texts they put together
};

LineWalker startLineWalk(const Ledger& l, LineTexts texts);

// Line `line` of the body (0 .. bodyLineCount - 1).
void describeBodyLine(LineWalker& w, int32_t line, BodyLine& out);

// The twelve lines of transaction i at once, as describeBodyLine gives them
// one by one, for a walk that takes every line (the report); valid as long
// as a line of describeBodyLine.
const BodyLine* describeTransactionLines(LineWalker& w, int32_t i);

// The same lines with only what measuring them takes: their kinds, lengths
// and values. No identifier or text is written, and their pointers are
// null; the walker describes its next line afresh.
const BodyLine* measureTransactionLines(LineWalker& w, int32_t i);
