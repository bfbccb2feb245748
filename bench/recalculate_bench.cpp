#include <benchmark/benchmark.h>

#include "bench_ledgers.h"
#include "ledger/digits/engine_choice.h"
#include "ledger/recalculate.h"

// Ledgers are large: each benchmark builds its own in static storage.
static Ledger benchLedger;

static void recalculateLoop(benchmark::State& state, bool (*make)(Ledger&))
{
    if (!make(benchLedger)) {
        state.SkipWithError("the ledger does not recalculate");
        return;
    }
    for (auto _ : state) {
        bool ok = RecalculateLedger(benchLedger);
        benchmark::DoNotOptimize(ok);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * benchLedger.count);
    state.SetLabel(digitEngineName(digitInstructions));
}

// What every committed edit costs in a full document of the usual shape.
static void RecalculateDefaultShaped1024(benchmark::State& state)
{
    recalculateLoop(state, makeDefaultShapedLedger);
}
BENCHMARK(RecalculateDefaultShaped1024)->Unit(benchmark::kMicrosecond);

// One multiplication per transaction, on long balances.
static void RecalculateInterestOnly1024(benchmark::State& state)
{
    recalculateLoop(state, makeInterestOnlyLedger);
}
BENCHMARK(RecalculateInterestOnly1024)->Unit(benchmark::kMicrosecond);

// One multiplication per transaction, with all twenty rate digits nonzero.
static void RecalculateFullRate1024(benchmark::State& state) { recalculateLoop(state, makeFullRateLedger); }
BENCHMARK(RecalculateFullRate1024)->Unit(benchmark::kMicrosecond);

// Additions and subtractions whose carries and borrows run through forty digits.
static void RecalculateCarryRuns1024(benchmark::State& state) { recalculateLoop(state, makeCarryRunLedger); }
BENCHMARK(RecalculateCarryRuns1024)->Unit(benchmark::kMicrosecond);

// The same passes on each engine: the portable code any processor runs,
// AVX2 (most x86-64 since 2013) and AVX-512; the passes above run on the
// one chosen at start, named in their label.
static void recalculateOn(benchmark::State& state, DigitInstructions set, bool (*make)(Ledger&))
{
    if (!ProcessorRuns(set)) {
        state.SkipWithError("the processor lacks the instruction set");
        return;
    }
    const DigitInstructions chosen = digitInstructions;
    digitInstructions = set;
    recalculateLoop(state, make);
    digitInstructions = chosen;
}

static void PortableRecalculate(benchmark::State& state, bool (*make)(Ledger&))
{
    recalculateOn(state, DigitInstructions::Portable, make);
}
BENCHMARK_CAPTURE(PortableRecalculate, DefaultShaped1024, makeDefaultShapedLedger)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PortableRecalculate, InterestOnly1024, makeInterestOnlyLedger)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PortableRecalculate, FullRate1024, makeFullRateLedger)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PortableRecalculate, CarryRuns1024, makeCarryRunLedger)->Unit(benchmark::kMicrosecond);

static void Avx2Recalculate(benchmark::State& state, bool (*make)(Ledger&))
{
    recalculateOn(state, DigitInstructions::Avx2, make);
}
BENCHMARK_CAPTURE(Avx2Recalculate, DefaultShaped1024, makeDefaultShapedLedger)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Avx2Recalculate, InterestOnly1024, makeInterestOnlyLedger)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Avx2Recalculate, FullRate1024, makeFullRateLedger)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Avx2Recalculate, CarryRuns1024, makeCarryRunLedger)->Unit(benchmark::kMicrosecond);

static void Avx512Recalculate(benchmark::State& state, bool (*make)(Ledger&))
{
    recalculateOn(state, DigitInstructions::Avx512, make);
}
BENCHMARK_CAPTURE(Avx512Recalculate, DefaultShaped1024, makeDefaultShapedLedger)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Avx512Recalculate, InterestOnly1024, makeInterestOnlyLedger)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Avx512Recalculate, FullRate1024, makeFullRateLedger)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Avx512Recalculate, CarryRuns1024, makeCarryRunLedger)->Unit(benchmark::kMicrosecond);

// A balance with all 41 digits nonzero times a rate with all 20 nonzero;
// `nines` makes every column of the product carry as far as it can.
static void MultiplyByRateAllDigits(benchmark::State& state, bool nines)
{
    AmountVector balance, product;
    for (std::size_t k = 0; k < balance.size(); ++k) balance[k] = nines ? 9 : static_cast<int32_t>(1 + k % 9);
    DigitField<fractionDigits> rate;
    for (int k = 0; k < fractionDigits; ++k) rate[k] = nines ? '9' : static_cast<char>('1' + (k * 7) % 9);
    rate[fractionDigits] = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(balance);
        bool ok = MultiplyByRate(balance, rate, product);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(product);
    }
}
BENCHMARK_CAPTURE(MultiplyByRateAllDigits, mixed, false);
BENCHMARK_CAPTURE(MultiplyByRateAllDigits, nines, true);
