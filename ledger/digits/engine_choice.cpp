#include "ledger/digits/engine_choice.h"

#include <array>
#include <chrono>
#include <cstring>

#include "ledger/digits/limbs.h"

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
// 19-digit rate, the costliest values to write: its balances, with what an
// engine works out along their chain, and their texts.
constexpr int32_t trialTransactions = 32;
constexpr int trialsPerEngine = 6;
constexpr auto budgetPerEngine = std::chrono::microseconds(100);

std::array<Transaction, trialTransactions> trialTable;
BalanceTable trialBalances;
SignedAmount trialBeginning;
RateLimbs trialRate;

template <std::size_t N>
void setDigits(std::array<char, N>& field, const char* digits)
{
    std::memcpy(field.data(), digits, N);
}

void prepareTrial()
{
    setDigits(trialBeginning.sign, "+");
    setDigits(trialBeginning.integer, "000001234567890123456");
    setDigits(trialBeginning.fraction, "78901234567890123456");
    DigitField<fractionDigits> rate;
    setDigits(rate, "01234567890123456789");
    trialRate = rateLimbsOf(rate);
    trialBalances.balance[0] = limbsOf(trialBeginning.integer, trialBeginning.fraction);
    for (int32_t i = 0; i < trialTransactions; ++i) {
        trialTable[i].type = Interest;
        trialBalances.sign[i + 1] = '+';
    }
}

// One trial's work; the result is kept so that it is not optimised away.
int32_t trialWork()
{
    ChargeInterestRun(trialBalances, 0, trialTable.data(), trialTransactions, trialRate);
    WriteBalanceTexts(trialBalances, trialBeginning, trialTable.data(), trialTransactions);
    return trialTable[trialTransactions - 1].newBalance.fraction[19];
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
        const int64_t took =
            std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - before).count();
        if (t.trials == 0 || took < t.bestNanoseconds) t.bestNanoseconds = took;
    }
    (void)keep;
    return t;
}

}  // namespace

DigitInstructions chooseFastestDigitEngine()
{
    prepareTrial();
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
