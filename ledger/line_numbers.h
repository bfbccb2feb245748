// Where each line of the ledger's body stands: twelve lines per transaction,
// "a" to "l", numbered from 0 in stored order, then the summary. Layout, hit
// testing, refresh, painting, the report and the printed page all count
// lines with these.
#pragma once

#include <cstdint>

enum class TransactionLine : int32_t {
    Description,      // a
    Period,           // b
    Number,           // c
    Type,             // d
    OldBalanceLabel,  // e
    OldBalance,       // f
    RateLabel,        // g
    Rate,             // h
    AmountLabel,      // i
    Amount,           // j: editable for loans and payments
    NewBalanceLabel,  // k
    NewBalance,       // l
};

constexpr int32_t linesPerTransaction = 12;

// The summary: one amount row per transaction besides its fixed lines.
constexpr int32_t fixedSummaryLines = 22;

constexpr int32_t bodyLineOf(int32_t transaction, TransactionLine line)
{
    return linesPerTransaction * transaction + static_cast<int32_t>(line);
}

// The transaction a line before the summary belongs to, and which of its lines it is.
constexpr int32_t transactionOfLine(int32_t line) { return line / linesPerTransaction; }
constexpr TransactionLine lineWithin(int32_t line)
{
    return static_cast<TransactionLine>(line % linesPerTransaction);
}

// The letter that ends a line's identifier.
constexpr char lineLetter(TransactionLine line) { return static_cast<char>('a' + static_cast<int32_t>(line)); }

constexpr int32_t summaryStart(int32_t count) { return linesPerTransaction * count; }
constexpr int32_t bodyLineCountFor(int32_t count) { return summaryStart(count) + count + fixedSummaryLines; }
