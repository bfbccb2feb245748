// Ledgers and documents for the document-file tests: ledgers with user data
// in every kind of field, held on the heap (a Ledger is large).
#pragma once

#include <cstring>
#include <memory>
#include <string>

#include "files/document.h"
#include "support/ledger_builders.h"
#include "ledger/adding.h"
#include "ledger/ledger.h"
#include "ledger/recalculate.h"

namespace samples {

template <std::size_t S>
std::string bytes(const std::array<char, S>& field)
{
    return std::string(field.data(), S);
}

inline std::unique_ptr<Ledger> defaultLedger()
{
    auto l = std::make_unique<Ledger>();
    std::memset(l.get(), 0, sizeof(Ledger));
    makeNewLedger(*l);
    return l;
}

inline void addWithAmount(Ledger& l, TransactionType type, int32_t period, const char* description,
                          const std::string& integer, const std::string& fraction)
{
    int32_t index = 0;
    addTransaction(l, type, period, index);
    Transaction& t = l.table[index];
    std::strncpy(t.description.data(), description, descriptionSize - 1);
    setInteger(t.amount.integer, integer);
    setFraction(t.amount.fraction, fraction);
}

// Beginning balance, rate, loans and payments in several periods, and
// descriptions of every length including bytes above 127.
inline std::unique_ptr<Ledger> busyLedger(char sign = '+')
{
    auto l = defaultLedger();
    setSign(l->header.beginningBalance.sign, sign);
    setInteger(l->header.beginningBalance.integer, "1500");
    setFraction(l->header.beginningBalance.fraction, "25");
    setFraction(l->header.ratePerPeriod, "0125");
    addWithAmount(*l, Loan, 1, "Car", "9000", "5");
    addWithAmount(*l, Payment, 2, "Instalment \xe9\xfc", "350", "00000000000000000001");
    addWithAmount(*l, Payment, 2, "", "0", "");
    addWithAmount(*l, Loan, 32, "12345678901234567890123456789012345678901234", "1", "");
    std::strcpy(l->table[0].description.data(), "Opening period");
    RecalculateLedger(*l);
    return l;
}

// A default ledger with zero loans appended to the last period up to
// `count`, as the Add menu would leave it (one recalculation, not one per add).
inline std::unique_ptr<Ledger> ledgerOf(int32_t count)
{
    auto l = defaultLedger();
    for (int32_t i = l->count; i < count; ++i) {
        l->table[i].type = Loan;
        fillZeroDigits(l->table[i].amount.integer);
        fillZeroDigits(l->table[i].amount.fraction);
    }
    l->count = count;
    RecalculateLedger(*l);
    return l;
}

inline std::string documentOf(const Ledger& l)
{
    std::string document(documentSize(l.count), '\x7f');
    document.resize(buildLedgerDocument(l, document.data()));
    return document;
}

}  // namespace samples
