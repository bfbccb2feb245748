// libFuzzer target: any bytes given to File Open's checks and load.
//
// Properties checked on every input:
// - the checker and the opener agree;
// - a refused document leaves the ledger and the snapshot byte for byte as
//   they were, whether refused by the checks or by the recalculation;
// - a document cut short of the records its count claims is refused, and
//   its checks read nothing past its end;
// - an opened ledger counts as unchanged, saves to a document the checks
//   accept, and that document opens to the same ledger; its export and its
//   report fit the sizes the program reserves for them.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "clipboard/report.h"
#include "files/document.h"
#include "files/export.h"
#include "files/open_document.h"
#include "files/transfer.h"
#include "fuzz/sample_ledgers.h"

static Ledger startLedger;
static SavedSnapshot startSnapshot;
static Ledger reopened;
static SavedSnapshot reopenedSnapshot;
static TransactionTable previousTable;
static char saved[documentSize(maxTransactions)];
static char exported[exportLineLimit * maxTransactions];

static void require(bool condition)
{
    if (!condition) std::abort();
}

static bool sameLedgerData(const Ledger& a, const Ledger& b)
{
    return a.count == b.count && std::memcmp(&a.header, &b.header, sizeof a.header) == 0 &&
           std::memcmp(a.table.data(), b.table.data(), sizeof a.table) == 0 &&
           std::memcmp(&a.currentTotals, &b.currentTotals, sizeof a.currentTotals) == 0 &&
           a.bodyLineCount == b.bodyLineCount;
}

static void checkOpened()
{
    require(!IsLedgerModified(ledger, savedSnapshot));
    const int32_t size = buildLedgerDocument(ledger, saved);
    require(size == documentSize(ledger.count));
    require(checkLedgerDocument(saved, size));
    std::memcpy(&reopened, &startLedger, sizeof reopened);
    std::memcpy(&reopenedSnapshot, &startSnapshot, sizeof reopenedSnapshot);
    require(openLedgerDocument(saved, size, reopened, reopenedSnapshot, previousTable) == OpenOutcome::Ok);
    require(sameLedgerData(reopened, ledger));

    require(buildLedgerExport(ledger, exported) <= exportLineLimit * ledger.count);
    const int32_t reportSize = measureLedgerReport(ledger);
    require(reportSize <= transferBufferSize);
    require(buildLedgerReport(ledger, transferBuffer.data()) == reportSize);
}

// Random mutations seldom cut a document just short of its last record, so
// every input is also tried cut to 1 to 4 bytes below the size its count
// claims (the last byte chooses), in a block of exactly that size.
static void checkCutShort(const char* bytes, int32_t length)
{
    if (length < documentHeaderSize) return;
    uint32_t count = 0;
    for (int i = 3; i >= 0; --i) count = (count << 8) | static_cast<unsigned char>(bytes[6 + i]);
    if (count < static_cast<uint32_t>(defaultTransactionCount) || count > maxTransactions) return;
    const int32_t claimed = documentSize(static_cast<int32_t>(count));
    const int32_t cut = (length < claimed ? length : claimed) - 1 - (bytes[length - 1] & 3);
    std::unique_ptr<char[]> block(new char[cut]);
    std::memcpy(block.get(), bytes, cut);
    require(!checkLedgerDocument(block.get(), cut));
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    makeLoansAndPaymentsSample(startLedger);
    TakeSnapshot(startLedger, startSnapshot);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > static_cast<size_t>(transferBufferSize)) return 0;  // refused before the checks
    const char* bytes = reinterpret_cast<const char*>(data);
    const int32_t length = static_cast<int32_t>(size);
    std::memcpy(&ledger, &startLedger, sizeof ledger);
    std::memcpy(&savedSnapshot, &startSnapshot, sizeof savedSnapshot);

    checkCutShort(bytes, length);
    const bool accepted = checkLedgerDocument(bytes, length);
    const OpenOutcome outcome = openLedgerDocument(bytes, length, ledger, savedSnapshot, previousTable);
    require(accepted == (outcome != OpenOutcome::Format));
    if (outcome == OpenOutcome::Ok) {
        checkOpened();
        return 0;
    }
    require(std::memcmp(&ledger, &startLedger, sizeof ledger) == 0);
    require(std::memcmp(&savedSnapshot, &startSnapshot, sizeof savedSnapshot) == 0);
    return 0;
}
