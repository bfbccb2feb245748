// The loan ledger document: its records, the default document and the
// saved snapshot that tells whether the user's data changed since the last
// save, open or new document.
//
// Every number is held as text: fixed-width ASCII digit fields, each
// followed by one zero byte, and a separate sign character. Only the
// description, the type and the digits of a loan's or payment's amount are
// the user's data; everything else is rebuilt by RecalculateLedger.
//
// Owner: ledger/. The process-wide `ledger` is written by the ledger
// operations (recalculation, adding, new document), by the commit of an
// edited field and by File Open; every other subsystem only reads it.
#pragma once

#include <array>
#include <cstdint>

constexpr int32_t maxTransactions = 1024;
constexpr int32_t defaultTransactionCount = 32;
constexpr int descriptionSize = 45;  // 44 characters and a zero byte
constexpr int amountIntegerDigits = 21;
constexpr int totalIntegerDigits = 25;
constexpr int fractionDigits = 20;

// N ASCII digits, most significant first, then one zero byte.
template <int N>
using DigitField = std::array<char, N + 1>;

// "+" or "-", then one zero byte.
using SignField = std::array<char, 2>;

struct SignedAmount {
    SignField sign;
    DigitField<amountIntegerDigits> integer;
    DigitField<fractionDigits> fraction;
};

struct SignedTotal {
    SignField sign;
    DigitField<totalIntegerDigits> integer;
    DigitField<fractionDigits> fraction;
};

// Stored as a 32-bit code in the transaction; the file format allows only
// these three, but the recalculation tolerates any other code.
enum TransactionType : int32_t { Interest = 0, Loan = 1, Payment = 2 };

struct Transaction {
    std::array<char, descriptionSize> description;
    int32_t period;
    int32_t number;
    int32_t type;
    SignedAmount oldBalance;
    SignedAmount amount;
    SignedAmount newBalance;
};

using TransactionTable = std::array<Transaction, maxTransactions>;

struct LedgerHeader {
    SignedAmount beginningBalance;
    DigitField<fractionDigits> ratePerPeriod;
};

struct LedgerTotals {
    SignedTotal interestTotal;
    SignedTotal loanTotal;
    SignedTotal paymentTotal;
    SignedTotal transactionTotal;
    SignedTotal balancingTotal;
};

struct Ledger {
    LedgerHeader header;
    int32_t count;
    TransactionTable table;
    LedgerTotals currentTotals;
    LedgerTotals previousTotals;
    int32_t bodyLineCount;  // 13 x count + 22 scrolled screen lines
};

struct SavedSnapshot {
    int32_t count;
    SignField sign;
    DigitField<amountIntegerDigits> integer;
    DigitField<fractionDigits> fraction;
    DigitField<fractionDigits> rate;
    TransactionTable table;
};

// The open document and its snapshot, alive for the whole run.
extern Ledger ledger;
extern SavedSnapshot savedSnapshot;

// Fills a field with "0" digits and its zero byte.
template <std::size_t S>
void fillZeroDigits(std::array<char, S>& field)
{
    field.fill('0');
    field[S - 1] = 0;
}

void setSign(SignField& sign, char c);

// Characters of a stored text before its zero byte, or `size` when the
// text fills all of it.
int32_t storedTextLength(const char* text, int32_t size);

// The default document before its first recalculation: "+" zero balance,
// zero rate, 32 interest transactions, every other byte of the table zero.
void resetToDefaultDocument(Ledger& l);

void TakeSnapshot(const Ledger& l, SavedSnapshot& s);
bool IsLedgerModified(const Ledger& l, const SavedSnapshot& s);

// The process-wide pair.
void TakeSnapshot();
bool IsLedgerModified();
