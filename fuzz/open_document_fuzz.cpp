// libFuzzer target: any bytes through File Open's checks and load. On every input
// the checker and the opener agree and a refused document leaves the ledger and
// the snapshot byte for byte as they were; an opened ledger counts as unchanged,
// saves to a document that opens to the same ledger, and its export and report fit.
#include <cstddef>
#include <cstdlib>

#include "clipboard/report.h"
#include "files/document.h"
#include "files/export.h"
#include "files/open_document.h"
#include "files/transfer.h"
#include "tests/support/ledger_builders.h"

static Ledger start, reopened;
static SavedSnapshot startSnapshot, reopenedSnapshot;
static TransactionTable previous;
static char saved[documentSize(maxTransactions)], exported[exportLineLimit * maxTransactions];

static void require(bool condition)
{
    if (!condition) std::abort();
}

static OpenOutcome openFromStart(const char* bytes, int32_t size, Ledger& l, SavedSnapshot& s)
{
    std::memcpy(&l, &start, sizeof l);
    std::memcpy(&s, &startSnapshot, sizeof s);
    return openLedgerDocument(bytes, size, l, s, previous);
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    makeNewLedger(start);
    setBeginningBalance(start, '-', "1000", "5");
    addAmount(start, Loan, 3, "500", "25");
    RecalculateLedger(start);
    TakeSnapshot(start, startSnapshot);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > static_cast<size_t>(transferBufferSize)) return 0;  // refused before the checks
    const char* bytes = reinterpret_cast<const char*>(data);
    const OpenOutcome outcome = openFromStart(bytes, static_cast<int32_t>(size), ledger, savedSnapshot);
    require(checkLedgerDocument(bytes, static_cast<int32_t>(size)) == (outcome != OpenOutcome::Format));
    if (outcome != OpenOutcome::Ok) {
        require(std::memcmp(&ledger, &start, sizeof ledger) == 0 &&
                std::memcmp(&savedSnapshot, &startSnapshot, sizeof savedSnapshot) == 0);
        return 0;
    }
    const int32_t savedSize = buildLedgerDocument(ledger, saved);
    require(!IsLedgerModified(ledger, savedSnapshot) && savedSize == documentSize(ledger.count));
    require(openFromStart(saved, savedSize, reopened, reopenedSnapshot) == OpenOutcome::Ok);
    // Header, count, every slot of the table and the totals.
    require(std::memcmp(&reopened, &ledger, offsetof(Ledger, previousTotals)) == 0 &&
            reopened.bodyLineCount == ledger.bodyLineCount);
    require(buildLedgerExport(ledger, exported) <= exportLineLimit * ledger.count &&
            buildLedgerReport(ledger, transferBuffer.data()) == measureLedgerReport(ledger));
    return 0;
}
