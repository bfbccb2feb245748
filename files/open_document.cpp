#include "files/open_document.h"

#include <cstring>

#include "files/document.h"
#include "files/transfer.h"
#include "ledger/recalculate.h"

const char* openMessage(OpenOutcome outcome)
{
    switch (outcome) {
    case OpenOutcome::FileHandle: return "Can not obtain a file handle to the selected file.";
    case OpenOutcome::Size: return "Can not obtain the size of the selected file.";
    case OpenOutcome::TooLarge: return "The selected file is too large to open.";
    case OpenOutcome::Read: return "Can not read the selected file.";
    case OpenOutcome::Format: return "The format of the selected file is not correct for this program.";
    case OpenOutcome::BalanceTooLarge:
        return "The selected file generates a balance that is too large to display.";
    case OpenOutcome::Ok: break;
    }
    return "";
}

bool isTooLargeToOpen(uint32_t sizeHigh, uint32_t sizeLow)
{
    return sizeHigh != 0 || sizeLow > static_cast<uint32_t>(transferBufferSize);
}

// Offsets of the fields within the header.
constexpr int32_t countAt = 6;
constexpr int32_t balanceSignAt = 12;
constexpr int32_t balanceIntegerAt = 16;
constexpr int32_t balanceFractionAt = 40;
constexpr int32_t rateAt = 63;

// Offsets within a record.
constexpr int32_t descriptionEnd = 44;
constexpr int32_t typeAt = 47;
constexpr int32_t amountSignAt = 53;
constexpr int32_t amountIntegerAt = 57;
constexpr int32_t amountFractionAt = 81;

static uint32_t byteAt(const char* p, int32_t offset) { return static_cast<unsigned char>(p[offset]); }

// Four bytes, least significant first.
static uint32_t countIn(const char* header)
{
    uint32_t count = 0;
    for (int i = 3; i >= 0; --i) count = (count << 8) | byteAt(header, countAt + i);
    return count;
}

// A sign character and its zero byte.
static bool isSign(const char* p) { return (p[0] == '+' || p[0] == '-') && p[1] == 0; }

// `width` ASCII digits and a zero byte.
static bool isDigitField(const char* p, int width)
{
    for (int i = 0; i < width; ++i)
        if (p[i] < '0' || p[i] > '9') return false;
    return p[width] == 0;
}

// Magic, count (with the room its records need), balance sign and digits, rate.
static bool checkHeader(const char* data, int32_t size)
{
    if (size < 4 || std::memcmp(data, documentMagic, sizeof documentMagic) != 0) return false;
    if (size < documentHeaderSize) return false;
    uint32_t count = countIn(data);
    if (count < static_cast<uint32_t>(defaultTransactionCount) || count > maxTransactions) return false;
    if (size < documentSize(static_cast<int32_t>(count))) return false;
    return isSign(data + balanceSignAt) && isDigitField(data + balanceIntegerAt, amountIntegerDigits) &&
           isDigitField(data + balanceFractionAt, fractionDigits) &&
           isDigitField(data + rateAt, fractionDigits);
}

// The description's last byte, the type code, the amount's sign and digits.
static bool checkRecord(const char* r)
{
    if (r[descriptionEnd] != 0) return false;
    if (byteAt(r, typeAt) > Payment || r[typeAt + 1] != 0 || r[typeAt + 2] != 0 || r[typeAt + 3] != 0)
        return false;
    return isSign(r + amountSignAt) && isDigitField(r + amountIntegerAt, amountIntegerDigits) &&
           isDigitField(r + amountFractionAt, fractionDigits);
}

bool checkLedgerDocument(const char* data, int32_t size)
{
    if (!checkHeader(data, size)) return false;
    const int32_t count = static_cast<int32_t>(countIn(data));
    for (int32_t i = 0; i < count; ++i)
        if (!checkRecord(data + documentSize(i))) return false;
    return true;
}

template <std::size_t S>
static void take(std::array<char, S>& field, const char* p)
{
    std::memcpy(field.data(), p, S);
}

// Only the user's data is read; the recalculation derives the rest.
static void loadRecord(const char* r, Transaction& t)
{
    take(t.description, r);
    t.type = static_cast<int32_t>(byteAt(r, typeAt));
    take(t.amount.sign, r + amountSignAt);
    take(t.amount.integer, r + amountIntegerAt);
    take(t.amount.fraction, r + amountFractionAt);
}

static void loadDocument(const char* data, Ledger& l)
{
    SignedAmount& balance = l.header.beginningBalance;
    take(balance.sign, data + balanceSignAt);
    take(balance.integer, data + balanceIntegerAt);
    take(balance.fraction, data + balanceFractionAt);
    take(l.header.ratePerPeriod, data + rateAt);
    l.count = static_cast<int32_t>(countIn(data));
    std::memset(l.table.data(), 0, sizeof l.table);
    for (int32_t i = 0; i < l.count; ++i) loadRecord(data + documentSize(i), l.table[i]);
}

OpenOutcome loadLedgerDocument(const char* data, Ledger& l, SavedSnapshot& s, TransactionTable& previous)
{
    const LedgerHeader previousHeader = l.header;
    const int32_t previousCount = l.count;
    std::memset(previous.data(), 0, sizeof previous);
    std::memcpy(previous.data(), l.table.data(), sizeof(Transaction) * previousCount);

    loadDocument(data, l);
    if (RecalculateLedger(l)) {
        TakeSnapshot(l, s);
        return OpenOutcome::Ok;
    }
    l.header = previousHeader;
    l.count = previousCount;
    std::memset(l.table.data(), 0, sizeof l.table);
    std::memcpy(l.table.data(), previous.data(), sizeof(Transaction) * previousCount);
    return OpenOutcome::BalanceTooLarge;
}

OpenOutcome openLedgerDocument(const char* data, int32_t size, Ledger& l, SavedSnapshot& s,
                               TransactionTable& previous)
{
    if (!checkLedgerDocument(data, size)) return OpenOutcome::Format;
    return loadLedgerDocument(data, l, s, previous);
}
