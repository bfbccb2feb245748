// Helpers that build ledgers for tests: digit fields written the way the
// editor commits them, and ledgers held on the heap (they are large).
#pragma once

#include <cstring>
#include <memory>
#include <string>

#include "ledger/adding.h"
#include "ledger/ledger.h"
#include "ledger/recalculate.h"

// Integer digits right-aligned, left-padded with "0".
template <std::size_t S>
void setInteger(std::array<char, S>& field, const std::string& digits)
{
    fillZeroDigits(field);
    std::memcpy(field.data() + (S - 1 - digits.size()), digits.data(), digits.size());
}

// Fraction digits left-aligned, right-padded with "0".
template <std::size_t S>
void setFraction(std::array<char, S>& field, const std::string& digits)
{
    fillZeroDigits(field);
    std::memcpy(field.data(), digits.data(), digits.size());
}

template <std::size_t S>
std::string text(const std::array<char, S>& field)
{
    return std::string(field.data());
}

// "+1.33" style rendering of a stored amount or total, every digit kept.
template <typename Signed>
std::string value(const Signed& s)
{
    return text(s.sign) + text(s.integer) + "." + text(s.fraction);
}

inline std::unique_ptr<Ledger> newLedger()
{
    auto l = std::make_unique<Ledger>();
    std::memset(l.get(), 0, sizeof(Ledger));
    makeNewLedger(*l);
    return l;
}

inline void setBeginningBalance(Ledger& l, char sign, const std::string& integer,
                                const std::string& fraction = "")
{
    setSign(l.header.beginningBalance.sign, sign);
    setInteger(l.header.beginningBalance.integer, integer);
    setFraction(l.header.beginningBalance.fraction, fraction);
}

// Adds a loan or payment to `period` and sets its amount's digits.
inline int32_t addAmount(Ledger& l, TransactionType type, int32_t period, const std::string& integer,
                         const std::string& fraction = "")
{
    int32_t index = -1;
    if (!insertTransaction(l, type, period, index)) return -1;
    setInteger(l.table[index].amount.integer, integer);
    setFraction(l.table[index].amount.fraction, fraction);
    return index;
}

// A ledger with every kind of line: a negative beginning balance and rate,
// loans and payments in several periods, negative balances, a described
// interest transaction and a payment described by 44 double quotes.
inline void makeBusyLedger(Ledger& l)
{
    makeNewLedger(l);
    setBeginningBalance(l, '-', "1234", "5");
    setFraction(l.header.ratePerPeriod, "05");
    addAmount(l, Loan, 1, "500");
    std::memset(l.table[addAmount(l, Payment, 2, "2000", "25")].description.data(), '"', 44);
    addAmount(l, Loan, 3, "1", "99999999999999999999");
    std::memcpy(l.table[2].description.data(), "Interest, period 02", 19);
    addAmount(l, Payment, 32, "987654321");
    RecalculateLedger(l);
}
