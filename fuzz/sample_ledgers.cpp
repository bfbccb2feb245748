#include "fuzz/sample_ledgers.h"

#include <cstring>

#include "ledger/adding.h"
#include "ledger/recalculate.h"

// Integer digits right-aligned after "0"s.
static void putInteger(DigitField<amountIntegerDigits>& field, const char* digits)
{
    fillZeroDigits(field);
    const std::size_t length = std::strlen(digits);
    std::memcpy(field.data() + amountIntegerDigits - length, digits, length);
}

// Fraction digits left-aligned before "0"s.
static void putFraction(DigitField<fractionDigits>& field, const char* digits)
{
    fillZeroDigits(field);
    std::memcpy(field.data(), digits, std::strlen(digits));
}

static void add(Ledger& l, TransactionType type, int32_t period, const char* description,
                const char* integer, const char* fraction)
{
    int32_t index = 0;
    addTransaction(l, type, period, index);
    Transaction& t = l.table[index];
    std::memcpy(t.description.data(), description, std::strlen(description));
    putInteger(t.amount.integer, integer);
    putFraction(t.amount.fraction, fraction);
    RecalculateLedger(l);
}

static void start(Ledger& l, char sign, const char* integer, const char* fraction, const char* rate)
{
    makeNewLedger(l);
    setSign(l.header.beginningBalance.sign, sign);
    putInteger(l.header.beginningBalance.integer, integer);
    putFraction(l.header.beginningBalance.fraction, fraction);
    putFraction(l.header.ratePerPeriod, rate);
    RecalculateLedger(l);
}

void makeDefaultSample(Ledger& l) { makeNewLedger(l); }

void makeLoansAndPaymentsSample(Ledger& l)
{
    start(l, '+', "1000", "", "01");
    std::memcpy(l.table[0].description.data(), "Opening balance", 15);
    add(l, Loan, 1, "Car loan", "500", "25");
    add(l, Payment, 3, "Instalment 1", "120", "");
    add(l, Payment, 5, "Instalment 2", "120", "5");
    add(l, Loan, 5, "Top-up \xe9", "75", "00000000000000000001");
}

void makeNegativeBalanceSample(Ledger& l)
{
    start(l, '-', "250", "5", "015");
    add(l, Payment, 2, "Overdrawn", "100", "");
    add(l, Loan, 10, "Back in credit", "1000", "");
}
