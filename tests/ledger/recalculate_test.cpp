// The recalculation against an exact model: the sign rules' edges, then
// random ledgers, refused ones left byte for byte, on every engine.
#include <gtest/gtest.h>

#include <boost/multiprecision/cpp_int.hpp>
#include <random>

#include "ledger/digits/engine_choice.h"
#include "support/ledger_builders.h"

using boost::multiprecision::cpp_int;

namespace {

// On refusal nothing another reader sees may change, byte for byte.
void expectRefusedUnchanged(Ledger& l)
{
    auto before = std::make_unique<Ledger>();
    std::memcpy(before.get(), &l, sizeof(Ledger));
    EXPECT_FALSE(RecalculateLedger(l));
    EXPECT_EQ(std::memcmp(before.get(), &l, sizeof(Ledger)), 0);
}

struct Exact {
    char sign;
    cpp_int magnitude;  // units of 10^-20
};

Exact add(Exact a, Exact b)
{
    if (a.sign == b.sign) return {a.sign, a.magnitude + b.magnitude};
    if (a.magnitude == b.magnitude) return {'+', 0};
    return a.magnitude > b.magnitude ? Exact{a.sign, a.magnitude - b.magnitude}
                                     : Exact{b.sign, b.magnitude - a.magnitude};
}

cpp_int decimal(const std::string& digits)  // cpp_int's parser takes a leading 0 for octal
{
    cpp_int n = 0;
    for (char c : digits) n = n * 10 + (c - '0');
    return n;
}

template <typename Signed>
Exact exact(const Signed& s)
{
    return {s.sign[0], decimal(text(s.integer) + text(s.fraction))};
}

std::string randomDigits(std::mt19937_64& rng, int width)
{
    std::string s(rng() % (width + 1), '0');
    for (char& c : s) c = char('0' + rng() % 10);
    return s;
}

TEST(Recalculation, RandomLedgersAgreeWithAnExactModel)
{
    std::mt19937_64 rng(42);
    const cpp_int scale = decimal("1" + std::string(20, '0')), limit = scale * scale * 10;
    auto l = std::make_unique<Ledger>();
    const DigitInstructions chosen = digitInstructions;
    int refused = 0, accepted = 0, ledgersOn[std::size(allDigitInstructions)] = {};
    // First, on every engine, the sign rules' edges: a payment equal to the balance, a loan equal to a
    // negative one, negative interest, "-" zeros, a tiny negative balance's interest truncated to "-" 0,
    // interest whose carries fill a ten-digit group of the balance's fraction with nines and one more,
    // and interest whose truncation turns on the carry out of the product's lowest ten digits.
    const struct {
        char sign;
        const char *integer, *fraction, *rate;
        TransactionType type;
        const char* amount;
    } edges[] = {{'+', "7", "", "", Payment, "7"},
                 {'-', "7", "", "", Loan, "7"},
                 {'+', "1", "", "", Payment, "3"},
                 {'-', "100", "", "1", Loan, "2"},
                 {'-', "0", "", "5", Payment, "0"},
                 {'-', "0", "", "5", Loan, "0"},
                 {'-', "0", "00000000000000000001", "5", Loan, "0"},
                 {'+', "4999999999", "50000000005000000000", "0000000001", Loan, "0"},
                 {'+', "0", "00080204010009765625", "00000001830000001024", Loan, "0"}};
    // An interest whose last carries alone take the balance to 10^21, as the last transaction.
    makeNewLedger(*l);
    setBeginningBalance(*l, '+', "999999999989999999773", "24715918530852137660");
    setFraction(l->header.ratePerPeriod, "00000000001043981642");
    l->count = 1;
    expectRefusedUnchanged(*l);
    for (int round = 0; round < 800 && !HasFailure(); ++round) {
        // Every instruction set the processor has, in turn.
        if (!ProcessorRuns(digitInstructions = allDigitInstructions[round % std::size(allDigitInstructions)]))
            continue;
        ++ledgersOn[int(digitInstructions)];
        makeNewLedger(*l);
        if (round < int(std::size(allDigitInstructions) * std::size(edges))) {
            const auto& e = edges[round / std::size(allDigitInstructions)];
            setBeginningBalance(*l, e.sign, e.integer, e.fraction);
            setFraction(l->header.ratePerPeriod, e.rate);
            addAmount(*l, e.type, 1, e.amount);
        } else {
            setBeginningBalance(*l, rng() % 2 ? '+' : '-', randomDigits(rng, 21), randomDigits(rng, 20));
            setFraction(l->header.ratePerPeriod, std::string(rng() % 6, '0') + randomDigits(rng, 14));
            if (rng() % 4 == 0) {  // a loan first starts from the beginning balance in period 0
                l->table[0].type = Loan;
                setInteger(l->table[0].amount.integer, randomDigits(rng, 21));
            }
            for (int k = int(rng() % 40); k > 0; --k)
                addAmount(*l, rng() % 2 ? Loan : Payment, int32_t(1 + rng() % 33), randomDigits(rng, 21),
                          randomDigits(rng, 20));
        }
        std::memset(&l->table[l->count], 0x5a, sizeof(Transaction));  // beyond the count: zeroed
        const cpp_int rate = decimal(text(l->header.ratePerPeriod));
        Exact balance = exact(l->header.beginningBalance), interest{'+', 0}, loans{'+', 0}, payments{'-', 0};
        std::vector<Exact> amounts, balances;
        for (int32_t i = 0; i < l->count && balance.magnitude < limit; ++i) {
            const Transaction& t = l->table[i];
            Exact a = t.type == Interest ? Exact{balance.sign, balance.magnitude * rate / scale}
                                         : Exact{t.type == Loan ? '+' : '-', exact(t.amount).magnitude};
            balance =
                t.type == Interest ? Exact{balance.sign, balance.magnitude + a.magnitude} : add(balance, a);
            Exact& total = t.type == Interest ? interest : t.type == Loan ? loans : payments;
            total = add(total, a);
            amounts.push_back(a);
            balances.push_back(balance);
        }
        if (balance.magnitude >= limit) {
            ++refused;
            expectRefusedUnchanged(*l);
            continue;
        }
        ++accepted;
        ASSERT_TRUE(RecalculateLedger(*l));
        const char* rest = reinterpret_cast<const char*>(&l->table[l->count]);
        ASSERT_EQ(std::count(rest, rest + sizeof(Transaction), 0), std::ptrdiff_t(sizeof(Transaction)));
        ASSERT_EQ(l->table[0].period * 100 + l->table[0].number, l->table[0].type == Loan ? 1 : 101);
        for (int32_t i = 0; i < l->count; ++i) {
            const Exact got[] = {exact(l->table[i].amount), exact(l->table[i].newBalance)};
            const Exact want[] = {amounts[i], balances[i]};
            for (int k = 0; k < 2; ++k)
                ASSERT_TRUE(got[k].sign == want[k].sign && got[k].magnitude == want[k].magnitude)
                    << "slot " << i << " value " << k;
        }
        const Exact transactions = add(add(interest, loans), payments);
        const Exact totals[] = {interest, loans, payments, transactions,
                                add(exact(l->header.beginningBalance), transactions)};
        const SignedTotal* stored[] = {&l->currentTotals.interestTotal, &l->currentTotals.loanTotal,
                                       &l->currentTotals.paymentTotal, &l->currentTotals.transactionTotal,
                                       &l->currentTotals.balancingTotal};
        for (int k = 0; k < 5; ++k)
            ASSERT_TRUE(exact(*stored[k]).sign == totals[k].sign &&
                        exact(*stored[k]).magnitude == totals[k].magnitude)
                << "total " << k;
        EXPECT_EQ(balance.magnitude, totals[4].magnitude);  // the ending balance is the balancing total
    }
    digitInstructions = chosen;
    for (DigitInstructions set : allDigitInstructions)
        std::printf("[ ENGINES  ] %s: %d ledgers%s\n", digitEngineName(set), ledgersOn[int(set)],
                    ProcessorRuns(set) ? "" : " (not run by this processor)");
    EXPECT_GT(refused, 20);  // both outcomes exercised
    EXPECT_GT(accepted, 100);
}

}  // namespace
