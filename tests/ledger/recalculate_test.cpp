// The recalculation: worked examples, sign rules, the refusal that leaves
// everything as it was, and random ledgers against an exact model.
#include <gtest/gtest.h>

#include <boost/multiprecision/cpp_int.hpp>
#include <random>

#include "support/ledger_builders.h"

using boost::multiprecision::cpp_int;

namespace {

const std::string zero41 = std::string(21, '0') + "." + std::string(20, '0');
const std::string zero45 = std::string(25, '0') + "." + std::string(20, '0');

std::string amount(const std::string& integer, const std::string& fraction)
{
    return std::string(21 - integer.size(), '0') + integer + "." + fraction +
           std::string(20 - fraction.size(), '0');
}

TEST(Recalculation, DefaultDocument)
{
    auto l = newLedger();
    ASSERT_EQ(l->count, 32);
    EXPECT_EQ(l->bodyLineCount, 438);
    for (int32_t i = 0; i < l->count; ++i) {
        const Transaction& t = l->table[i];
        EXPECT_EQ(t.period, i + 1);
        EXPECT_EQ(t.number, 1);
        EXPECT_EQ(value(t.oldBalance), "+" + zero41);
        EXPECT_EQ(value(t.amount), "+" + zero41);
        EXPECT_EQ(value(t.newBalance), "+" + zero41);
    }
    const LedgerTotals& totals = l->currentTotals;
    EXPECT_EQ(value(totals.interestTotal), "+" + zero45);
    EXPECT_EQ(value(totals.loanTotal), "+" + zero45);
    EXPECT_EQ(value(totals.paymentTotal), "-" + zero45);
    EXPECT_EQ(value(totals.transactionTotal), "+" + zero45);
    EXPECT_EQ(value(totals.balancingTotal), "+" + zero45);
}

TEST(Recalculation, WorkedExample)
{
    auto l = newLedger();
    setBeginningBalance(*l, '+', "1");
    setFraction(l->header.ratePerPeriod, "33333333333333333333");
    ASSERT_TRUE(RecalculateLedger(*l));
    EXPECT_EQ(value(l->table[0].amount), "+" + amount("0", "33333333333333333333"));
    EXPECT_EQ(value(l->table[0].newBalance), "+" + amount("1", "33333333333333333333"));
    EXPECT_EQ(value(l->table[1].amount), "+" + amount("0", "44444444444444444443"));
    EXPECT_EQ(value(l->table[1].newBalance), "+" + amount("1", "77777777777777777776"));

    int32_t i = addAmount(*l, Payment, 2, "2");
    ASSERT_EQ(i, 2);
    ASSERT_TRUE(RecalculateLedger(*l));
    const Transaction& payment = l->table[2];
    EXPECT_EQ(payment.period, 2);
    EXPECT_EQ(payment.number, 2);
    EXPECT_EQ(value(payment.amount), "-" + amount("2", ""));
    EXPECT_EQ(value(payment.newBalance), "-" + amount("0", "22222222222222222224"));
    EXPECT_EQ(l->table[3].period, 3);
    EXPECT_EQ(value(l->table[3].oldBalance), value(payment.newBalance));
}

struct ChainCase {
    const char* name;
    char beginSign;
    const char* beginInteger;
    const char* beginFraction;
    const char* rate;
    TransactionType type;  // one loan or payment in period 1
    const char* amountInteger;
    const char* newBalance;  // of that transaction
};

TEST(Recalculation, SignRulesAlongTheChain)
{
    const std::string z = zero41;
    const ChainCase cases[] = {
        {"payment equal to the balance gives + zero", '+', "7", "5", "", Payment, "7.5", "+"},
        {"loan equal to a negative balance gives + zero", '-', "7", "5", "", Loan, "7.5", "+"},
        {"payment beyond the balance turns negative", '+', "1", "", "", Payment, "3", "-"},
        {"loan onto a negative balance", '-', "5", "", "", Loan, "2", "-"},
        {"- zero stays - through interest", '-', "0", "", "5", Loan, "0", "+"},
    };
    for (const ChainCase& c : cases) {
        auto l = newLedger();
        setBeginningBalance(*l, c.beginSign, c.beginInteger, c.beginFraction);
        setFraction(l->header.ratePerPeriod, c.rate);
        std::string digits = c.amountInteger;
        auto point = digits.find('.');
        int32_t i = addAmount(*l, c.type, 1, digits.substr(0, point),
                              point == std::string::npos ? "" : digits.substr(point + 1));
        ASSERT_TRUE(RecalculateLedger(*l)) << c.name;
        EXPECT_EQ(text(l->table[i].newBalance.sign), c.newBalance) << c.name;
    }
}

TEST(Recalculation, NegativeBalancesChargeNegativeInterest)
{
    auto l = newLedger();
    setBeginningBalance(*l, '-', "100");
    setFraction(l->header.ratePerPeriod, "1");  // 10% per period
    ASSERT_TRUE(RecalculateLedger(*l));
    EXPECT_EQ(value(l->table[0].amount), "-" + amount("10", ""));
    EXPECT_EQ(value(l->table[1].newBalance), "-" + amount("121", ""));
    EXPECT_EQ(text(l->currentTotals.interestTotal.sign), "-");

    // Interest on a tiny negative balance truncates to a "-" zero amount.
    setBeginningBalance(*l, '-', "0", std::string(19, '0') + "1");
    ASSERT_TRUE(RecalculateLedger(*l));
    EXPECT_EQ(value(l->table[0].amount), "-" + zero41);
}

TEST(Recalculation, ZeroRateLeavesTheBalanceAlone)
{
    auto l = newLedger();
    setBeginningBalance(*l, '+', "123", "456");
    addAmount(*l, Loan, 3, "1");
    ASSERT_TRUE(RecalculateLedger(*l));
    for (int32_t i = 0; i < l->count; ++i)
        if (l->table[i].type == Interest) {
            EXPECT_EQ(value(l->table[i].amount), "+" + zero41);
        }
    EXPECT_EQ(value(l->table[l->count - 1].newBalance), "+" + amount("124", "456"));
}

// On refusal nothing another reader sees may change: the whole record is
// compared byte for byte, totals and line count included.
void expectRefusedUnchanged(Ledger& l)
{
    auto before = std::make_unique<Ledger>();
    std::memcpy(before.get(), &l, sizeof(Ledger));
    EXPECT_FALSE(RecalculateLedger(l));
    EXPECT_EQ(std::memcmp(before.get(), &l, sizeof(Ledger)), 0);
}

TEST(Recalculation, BalanceReachingTenToThe21IsRefusedAndChangesNothing)
{
    const std::string nines21(21, '9'), nines20(20, '9');
    {
        auto l = newLedger();
        addAmount(*l, Loan, 4, "5");
        ASSERT_TRUE(RecalculateLedger(*l));  // previous totals now differ from current
        setBeginningBalance(*l, '+', nines21);
        setFraction(l->header.ratePerPeriod, std::string(19, '0') + "1");
        expectRefusedUnchanged(*l);
    }
    {
        auto l = newLedger();
        setBeginningBalance(*l, '-', nines21, nines20);
        int32_t loan = addAmount(*l, Payment, 1, "0", std::string(19, '0') + "1");
        expectRefusedUnchanged(*l);
        l->table[loan].type = Loan;  // the same amount the other way fits
        EXPECT_TRUE(RecalculateLedger(*l));
    }
    {
        auto l = newLedger();
        setBeginningBalance(*l, '+', nines21, nines20);
        int32_t i = addAmount(*l, Loan, 1, "1");
        expectRefusedUnchanged(*l);
        l->table[i].type = Payment;
        ASSERT_TRUE(RecalculateLedger(*l));
        EXPECT_EQ(value(l->table[i].newBalance), "+" + amount(std::string(20, '9') + "8", nines20));
    }
}

TEST(Recalculation, TransactionsBeyondTheCountAreZeroAfterAPass)
{
    auto l = newLedger();
    std::memset(&l->table[40], 0x5a, sizeof(Transaction));
    ASSERT_TRUE(RecalculateLedger(*l));
    const char* bytes = reinterpret_cast<const char*>(&l->table[l->count]);
    const std::size_t size = sizeof(Transaction) * (maxTransactions - l->count);
    EXPECT_EQ(std::count(bytes, bytes + size, 0), static_cast<std::ptrdiff_t>(size));
}

TEST(Recalculation, LoanInTheFirstSlotStartsFromTheBeginningBalance)
{
    auto l = newLedger();
    setBeginningBalance(*l, '+', "10");
    setFraction(l->header.ratePerPeriod, "5");
    l->table[0].type = Loan;
    setInteger(l->table[0].amount.integer, "4");
    ASSERT_TRUE(RecalculateLedger(*l));
    EXPECT_EQ(l->table[0].period, 0);
    EXPECT_EQ(l->table[0].number, 1);
    EXPECT_EQ(value(l->table[0].oldBalance), "+" + amount("10", ""));
    EXPECT_EQ(value(l->table[0].newBalance), "+" + amount("14", ""));
    EXPECT_EQ(l->table[1].period, 1);
    EXPECT_EQ(value(l->table[1].amount), "+" + amount("7", ""));
}

// ---- random ledgers against an exact model -------------------------------

struct Exact {
    char sign;
    cpp_int magnitude;  // units of 10^-20
};

const cpp_int scale = [] {
    cpp_int p = 1;
    for (int i = 0; i < 20; ++i) p *= 10;
    return p;
}();

Exact addExact(Exact a, Exact b)
{
    if (a.sign == b.sign) return {a.sign, a.magnitude + b.magnitude};
    if (a.magnitude > b.magnitude) return {a.sign, a.magnitude - b.magnitude};
    if (a.magnitude < b.magnitude) return {b.sign, b.magnitude - a.magnitude};
    return {'+', 0};
}

template <typename Signed>
Exact exactOf(const Signed& s)
{
    cpp_int n = 0;
    for (char c : text(s.integer) + text(s.fraction)) n = n * 10 + (c - '0');
    return {s.sign[0], n};
}

void expectSame(const Exact& expected, const Exact& actual, const char* what, int32_t i)
{
    EXPECT_EQ(expected.sign, actual.sign) << what << " of transaction " << i;
    EXPECT_EQ(expected.magnitude, actual.magnitude) << what << " of transaction " << i;
}

std::string randomDigits(std::mt19937_64& rng, int width)
{
    int used = int(rng() % (width + 1));
    std::string s;
    for (int i = 0; i < used; ++i) s += char('0' + rng() % 10);
    return s;
}

TEST(Recalculation, RandomLedgersAgreeWithExactArithmetic)
{
    std::mt19937_64 rng(42);
    const cpp_int balanceLimit = scale * scale * 10;  // 10^21 in units of 10^-20
    auto l = std::make_unique<Ledger>();
    int refused = 0, accepted = 0;
    for (int round = 0; round < 400; ++round) {
        std::memset(l.get(), 0, sizeof(Ledger));
        makeNewLedger(*l);
        setBeginningBalance(*l, rng() % 2 ? '+' : '-', randomDigits(rng, 21), randomDigits(rng, 20));
        std::string rate(int(rng() % 6), '0');
        rate += randomDigits(rng, 20 - int(rate.size()));
        setFraction(l->header.ratePerPeriod, rate);
        int extra = int(rng() % 40);
        for (int k = 0; k < extra; ++k)
            addAmount(*l, rng() % 2 ? Loan : Payment, int32_t(1 + rng() % 33), randomDigits(rng, 21),
                      randomDigits(rng, 20));

        // The model.
        Exact balance = exactOf(l->header.beginningBalance);
        const cpp_int rateValue = exactOf(SignedAmount{{'+', 0}, {}, l->header.ratePerPeriod}).magnitude;
        bool fits = true;
        std::vector<Exact> amounts, balances;
        for (int32_t i = 0; i < l->count && fits; ++i) {
            const Transaction& t = l->table[i];
            Exact a = exactOf(t.amount);
            if (t.type == Interest) a = {balance.sign, balance.magnitude * rateValue / scale};
            a.sign = t.type == Loan ? '+' : t.type == Payment ? '-' : a.sign;
            balance = t.type == Interest ? Exact{balance.sign, balance.magnitude + a.magnitude}
                                         : addExact(balance, a);
            fits = balance.magnitude < balanceLimit;
            amounts.push_back(a);
            balances.push_back(balance);
        }
        if (!fits) {
            ++refused;
            expectRefusedUnchanged(*l);
            continue;
        }
        ++accepted;
        ASSERT_TRUE(RecalculateLedger(*l));
        Exact interest{'+', 0}, loans{'+', 0}, payments{'-', 0};
        for (int32_t i = 0; i < l->count; ++i) {
            const Transaction& t = l->table[i];
            expectSame(amounts[i], exactOf(t.amount), "amount", i);
            expectSame(balances[i], exactOf(t.newBalance), "new balance", i);
            if (t.type == Interest) interest = addExact(interest, amounts[i]);
            if (t.type == Loan) loans.magnitude += amounts[i].magnitude;
            if (t.type == Payment) payments.magnitude += amounts[i].magnitude;
        }
        Exact transactions = addExact(addExact(interest, loans), payments);
        Exact balancing = addExact(exactOf(l->header.beginningBalance), transactions);
        const LedgerTotals& totals = l->currentTotals;
        expectSame(interest, exactOf(totals.interestTotal), "interest total", -1);
        expectSame(loans, exactOf(totals.loanTotal), "loan total", -1);
        expectSame(payments, exactOf(totals.paymentTotal), "payment total", -1);
        expectSame(transactions, exactOf(totals.transactionTotal), "transaction total", -1);
        expectSame(balancing, exactOf(totals.balancingTotal), "balancing total", -1);
        // The ending balance and the balancing total are one value.
        EXPECT_EQ(exactOf(l->table[l->count - 1].newBalance).magnitude, balancing.magnitude);
        if (HasFailure()) break;
    }
    // Both outcomes must have been exercised for the comparison to mean much.
    EXPECT_GT(refused, 20);
    EXPECT_GT(accepted, 100);
}

TEST(Recalculation, PreviousTotalsFollowTheLastSuccess)
{
    auto l = newLedger();
    int32_t i = addAmount(*l, Loan, 1, "7");
    ASSERT_TRUE(RecalculateLedger(*l));
    const LedgerTotals first = l->currentTotals;
    setInteger(l->table[i].amount.integer, "9");
    ASSERT_TRUE(RecalculateLedger(*l));
    EXPECT_EQ(std::memcmp(&l->previousTotals, &first, sizeof first), 0);
    EXPECT_EQ(value(l->currentTotals.loanTotal), "+" + std::string(24, '0') + "9." + std::string(20, '0'));
}

}  // namespace
