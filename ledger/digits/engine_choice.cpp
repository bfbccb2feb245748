#include "ledger/digits/engine_choice.h"

#include <array>
#include <chrono>
#include <cstring>

EngineChoice engineChoice{};

// Defined here so that the choice is made where the set is: the timing
// below switches it, and its value is fixed once the choice is made.
DigitInstructions digitInstructions = chooseFastestDigitEngine();

const char* digitEngineName(DigitInstructions set)
{
    switch (set) {
    case DigitInstructions::Portable: return "portable";
    case DigitInstructions::Avx2: return "avx2";
    case DigitInstructions::Avx512: return "avx512";
    }
    return "?";
}

namespace {

// The trial: a run of interest transactions on a 36-digit balance with a
// 19-digit rate (the costliest step) and the loans and payments that
// follow interest in an ordinary period.
constexpr int32_t trialInterest = 16, trialAmounts = 16;
constexpr int trialsPerEngine = 6;
constexpr auto budgetPerEngine = std::chrono::microseconds(100);

std::array<Transaction, trialInterest> trialTable;

AmountVector digitsOf(const char* integer, const char* fraction)
{
    DigitField<amountIntegerDigits> i;
    DigitField<fractionDigits> f;
    std::memcpy(i.data(), integer, i.size());
    std::memcpy(f.data(), fraction, f.size());
    AmountVector v;
    LoadDigits(i, f, v);
    return v;
}

// One trial's work; the result is kept so that it is not optimised away.
int32_t trialWork()
{
    DigitField<fractionDigits> rate;
    std::memcpy(rate.data(), "01234567890123456789", rate.size());
    AmountVector balance = digitsOf("000001234567890123456", "78901234567890123456"), amount;
    TotalVector sum{};
    bool ok = ChargeInterestRun(balance, '+', rate, trialTable.data(), trialInterest, sum);
    const AmountVector step = digitsOf("000000000000000012500", "25000000000000000000");
    char sign = '+';
    for (int32_t k = 0; k < trialAmounts; ++k) {
        ok = AddSigned(sign, balance, k % 2 ? '-' : '+', step, sign, amount) && ok;
        StoreDigits(amount, trialTable[k].newBalance.integer, trialTable[k].newBalance.fraction);
        balance = amount;
    }
    return ok + balance[0];
}

EngineTiming timeEngine(DigitInstructions set)
{
    using Clock = std::chrono::steady_clock;
    EngineTiming t{ProcessorRuns(set), 0, 0};
    if (!t.runs) return t;
    digitInstructions = set;
    volatile int32_t keep = trialWork();  // the first run warms caches and predictors
    const Clock::time_point start = Clock::now();
    for (; t.trials < trialsPerEngine && Clock::now() - start < budgetPerEngine; ++t.trials) {
        const Clock::time_point before = Clock::now();
        keep = trialWork();
        const int64_t took = std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - before).count();
        if (t.trials == 0 || took < t.bestNanoseconds) t.bestNanoseconds = took;
    }
    (void)keep;
    return t;
}

}  // namespace

DigitInstructions chooseFastestDigitEngine()
{
    DigitInstructions fastest = DigitInstructions::Portable;
    for (int k = 0; k < digitEngineCount; ++k) {
        const DigitInstructions set = allDigitInstructions[k];
        EngineTiming& t = engineChoice.timing[k];
        t = timeEngine(set);
        const EngineTiming& best = engineChoice.timing[int(fastest)];
        if (t.runs && t.bestNanoseconds < best.bestNanoseconds) fastest = set;
    }
    engineChoice.chosen = fastest;
    digitInstructions = fastest;
    return fastest;
}
