#include <benchmark/benchmark.h>

#include <vector>

#include "bench_ledgers.h"
#include "clipboard/report.h"
#include "files/document.h"

static Ledger outputLedger;

// Copy of the whole document: measure, then build, as Copy does.
static void ReportDefaultShaped1024(benchmark::State& state)
{
    if (!makeDefaultShapedLedger(outputLedger)) {
        state.SkipWithError("the ledger does not recalculate");
        return;
    }
    std::vector<char> buffer(static_cast<std::size_t>(measureLedgerReport(outputLedger)));
    for (auto _ : state) {
        int32_t size = measureLedgerReport(outputLedger);
        benchmark::DoNotOptimize(size);
        size = buildLedgerReport(outputLedger, buffer.data());
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(buffer.size()));
}
BENCHMARK(ReportDefaultShaped1024)->Unit(benchmark::kMicrosecond);

// Save: the document bytes of a full ledger.
static void DocumentDefaultShaped1024(benchmark::State& state)
{
    if (!makeDefaultShapedLedger(outputLedger)) {
        state.SkipWithError("the ledger does not recalculate");
        return;
    }
    std::vector<char> buffer(static_cast<std::size_t>(documentSize(outputLedger.count)));
    for (auto _ : state) {
        int32_t size = buildLedgerDocument(outputLedger, buffer.data());
        benchmark::DoNotOptimize(size);
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(buffer.size()));
}
BENCHMARK(DocumentDefaultShaped1024)->Unit(benchmark::kMicrosecond);
