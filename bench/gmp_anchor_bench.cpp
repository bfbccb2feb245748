// The interest-only ledger's balance chain done with GMP integers beside the
// ledger's own pass, so that one run gives the ratio of the two. GMP is used
// here only: the program never links it.
#include <benchmark/benchmark.h>
#include <gmp.h>

#include <string>

#include "bench_ledgers.h"
#include "ledger/recalculate.h"

static Ledger anchorLedger;

// Both values in units of 10^-20, read from the ledger's own fields.
static std::string balanceDigits(const SignedAmount& s)
{
    return std::string(s.integer.data()) + s.fraction.data();
}

// 1024 times: amount = balance x rate truncated to 20 decimals, then
// balance += amount. The same chain RecalculateInterestOnly1024 computes.
static void chargeInterestChain(mpz_t balance, const mpz_t start, const mpz_t rate, const mpz_t scale,
                                mpz_t amount, int32_t count)
{
    mpz_set(balance, start);
    for (int32_t i = 0; i < count; ++i) {
        mpz_mul(amount, balance, rate);
        mpz_tdiv_q(amount, amount, scale);
        mpz_add(balance, balance, amount);
    }
}

static void GmpInterestChain1024(benchmark::State& state)
{
    if (!makeInterestOnlyLedger(anchorLedger)) {
        state.SkipWithError("the ledger does not recalculate");
        return;
    }
    mpz_t start, rate, scale, balance, amount;
    mpz_init_set_str(start, balanceDigits(anchorLedger.header.beginningBalance).c_str(), 10);
    mpz_init_set_str(rate, anchorLedger.header.ratePerPeriod.data(), 10);
    mpz_init(scale);
    mpz_ui_pow_ui(scale, 10, fractionDigits);
    mpz_inits(balance, amount, nullptr);
    for (auto _ : state) {
        chargeInterestChain(balance, start, rate, scale, amount, anchorLedger.count);
        benchmark::DoNotOptimize(balance->_mp_d);
        benchmark::ClobberMemory();
    }
    // The anchor must compute what the ledger shows as its ending balance.
    mpz_t ending;
    mpz_init_set_str(ending, balanceDigits(anchorLedger.table[anchorLedger.count - 1].newBalance).c_str(),
                     10);
    if (mpz_cmp(ending, balance) != 0) state.SkipWithError("GMP and the ledger disagree");
    state.SetItemsProcessed(state.iterations() * anchorLedger.count);
    mpz_clears(start, rate, scale, balance, amount, ending, nullptr);
}
BENCHMARK(GmpInterestChain1024)->Unit(benchmark::kMicrosecond);
