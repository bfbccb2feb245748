// The texts of a pass's balances from their limbs: 2048 settled values
// stored on each engine, the time per value in `per_value`.
#include <benchmark/benchmark.h>

#include "ledger/digits/limb_texts.h"

constexpr int textCount = 2048;
static Limbs textValues[textCount];
static SignedAmount texts[textCount];

template <typename StoreAll>
static void limbTexts(benchmark::State& state, DigitInstructions set, StoreAll storeAll)
{
    if (!ProcessorRuns(set)) {
        state.SkipWithError("the processor lacks the instruction set");
        return;
    }
    uint64_t lcg = 1;
    for (Limbs& v : textValues) {
        for (uint64_t& limb : v.limb) {
            lcg = lcg * 6364136223846793005u + 1442695040888963407u;
            limb = (lcg >> 16) % limbBase;
        }
        v.limb[4] %= 10;
    }
    for (auto _ : state) {
        storeAll();
        benchmark::ClobberMemory();
    }
    state.counters["per_value"] = benchmark::Counter(
        double(state.iterations()) * textCount, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

static void PortableLimbTexts2048(benchmark::State& state)
{
    limbTexts(state, DigitInstructions::Portable, [] {
        for (int i = 0; i < textCount; ++i) PortableStoreLimbText('+', textValues[i], texts[i]);
    });
}
BENCHMARK(PortableLimbTexts2048)->Unit(benchmark::kMicrosecond);

#if TARNWELL_AVX2_DIGITS
static void Avx2LimbTexts2048(benchmark::State& state)
{
    limbTexts(state, DigitInstructions::Avx2, [] {
        for (int i = 0; i < textCount; ++i) Avx2StoreLimbText('+', textValues[i], texts[i]);
    });
}
BENCHMARK(Avx2LimbTexts2048)->Unit(benchmark::kMicrosecond);
#endif

#if TARNWELL_AVX512_DIGITS
// One at a time, and two at once as a pass would store them.
static void Avx512LimbTexts2048(benchmark::State& state)
{
    limbTexts(state, DigitInstructions::Avx512, [] {
        for (int i = 0; i < textCount; ++i) Avx512StoreLimbText('+', textValues[i], texts[i]);
    });
}
BENCHMARK(Avx512LimbTexts2048)->Unit(benchmark::kMicrosecond);

static void Avx512PairedLimbTexts2048(benchmark::State& state)
{
    limbTexts(state, DigitInstructions::Avx512, [] {
        for (int i = 0; i < textCount; i += 2)
            Avx512StoreLimbTexts('+', textValues[i], texts[i], textValues[i + 1], texts[i + 1]);
    });
}
BENCHMARK(Avx512PairedLimbTexts2048)->Unit(benchmark::kMicrosecond);
#endif
