#include "ledger/ledger.h"

#include <cstring>

// Zero until the program sets up its first document (resetToDefaultDocument).
Ledger ledger{};
SavedSnapshot savedSnapshot{};

void setSign(SignField& sign, char c)
{
    sign[0] = c;
    sign[1] = 0;
}

int32_t storedTextLength(const char* text, int32_t size)
{
    const void* zero = std::memchr(text, 0, static_cast<std::size_t>(size));
    return zero ? static_cast<int32_t>(static_cast<const char*>(zero) - text) : size;
}

void resetToDefaultDocument(Ledger& l)
{
    setSign(l.header.beginningBalance.sign, '+');
    fillZeroDigits(l.header.beginningBalance.integer);
    fillZeroDigits(l.header.beginningBalance.fraction);
    fillZeroDigits(l.header.ratePerPeriod);
    std::memset(l.table.data(), 0, sizeof l.table);
    l.count = defaultTransactionCount;
    for (int32_t i = 0; i < l.count; ++i) l.table[i].type = Interest;
}

void TakeSnapshot(const Ledger& l, SavedSnapshot& s)
{
    std::memset(s.table.data(), 0, sizeof s.table);
    s.count = l.count;
    s.sign = l.header.beginningBalance.sign;
    s.integer = l.header.beginningBalance.integer;
    s.fraction = l.header.beginningBalance.fraction;
    s.rate = l.header.ratePerPeriod;
    std::memcpy(s.table.data(), l.table.data(), sizeof(Transaction) * l.count);
}

// Only the user's data is compared: period, number and the balances follow
// from it, and the amount's sign is compared because the file stores it.
static bool sameUserData(const Transaction& a, const Transaction& b)
{
    return a.description == b.description && a.type == b.type && a.amount.sign == b.amount.sign &&
           a.amount.integer == b.amount.integer && a.amount.fraction == b.amount.fraction;
}

bool IsLedgerModified(const Ledger& l, const SavedSnapshot& s)
{
    const SignedAmount& balance = l.header.beginningBalance;
    if (l.count != s.count || balance.sign != s.sign || balance.integer != s.integer ||
        balance.fraction != s.fraction || l.header.ratePerPeriod != s.rate)
        return true;
    for (int32_t i = 0; i < l.count; ++i)
        if (!sameUserData(l.table[i], s.table[i])) return true;
    return false;
}

void TakeSnapshot() { TakeSnapshot(ledger, savedSnapshot); }
bool IsLedgerModified() { return IsLedgerModified(ledger, savedSnapshot); }
