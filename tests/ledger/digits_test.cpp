// The decimal primitives against exact arithmetic (Boost.Multiprecision) on
// random digit vectors, and the multiplication against the carry rules
// applied one digit product at a time, on every instruction set.
#include <gtest/gtest.h>

#include <boost/multiprecision/cpp_int.hpp>
#include <cstdio>
#include <random>
#include <string>

#include "ledger/digits/engine_choice.h"

using boost::multiprecision::cpp_int;

namespace {

template <std::size_t L>
cpp_int toInt(const DigitVector<L>& v)  // in units of 10^-20
{
    cpp_int n = 0;
    for (int k = int(L) - 1; k >= 0; --k) n = n * 10 + v[k];
    return n;
}

template <std::size_t L>
DigitVector<L> vec(const std::string& s)  // "123.45", most significant first
{
    std::string digits = s.substr(0, s.find('.'));
    std::string fraction = s.find('.') == std::string::npos ? "" : s.substr(s.find('.') + 1);
    digits += fraction + std::string(fractionDigits - fraction.size(), '0');
    DigitVector<L> v{};
    for (std::size_t k = 0; k < digits.size(); ++k) v[k] = digits[digits.size() - 1 - k] - '0';
    return v;
}

// Any width, with runs of nines and zeros so that long carries and borrows happen.
template <std::size_t L>
DigitVector<L> randomVector(std::mt19937_64& rng)
{
    DigitVector<L> v{};
    const int top = int(rng() % (L + 1)), style = int(rng() % 3);
    for (int k = 0; k < top; ++k) v[k] = style == 0 ? 9 : style == 1 ? int(rng() % 2) * 9 : int(rng() % 10);
    return v;
}

DigitField<fractionDigits> rateOf(const AmountVector& v)  // the 20 fraction cells as a rate field
{
    DigitField<fractionDigits> r{};
    for (int i = 0; i < fractionDigits; ++i) r[i] = char('0' + v[fractionDigits - 1 - i]);
    return r;
}

// One digit product at a time, each carried up at once, overflow checked after every product.
bool literalMultiply(const AmountVector& a, const DigitField<fractionDigits>& rate, AmountVector& r)
{
    int32_t c[61] = {};
    for (int i = 0; i <= 40; ++i)
        for (int j = 0; j < fractionDigits; ++j) {
            int32_t p = a[i] * (rate[fractionDigits - 1 - j] - '0');
            if (p == 0) continue;
            c[i + j] += p;
            for (int k = i + j; k < 60 && c[k] / 10 != 0; ++k) c[k + 1] += c[k] / 10, c[k] %= 10;
            if (c[60] / 10 > 0) return false;
        }
    for (int k = 0; k < 41; ++k) r[k] = c[20 + k];
    return true;
}

// Runs `check` on each engine the processor has; the log says which ran
// and which the processor could not run.
template <typename F>
void onEveryInstructionSet(F check)
{
    const DigitInstructions chosen = digitInstructions;
    std::string ran, lacking;
    for (DigitInstructions set : allDigitInstructions) {
        (ProcessorRuns(set) ? ran : lacking) += std::string(" ") + digitEngineName(set);
        if (!ProcessorRuns(set)) continue;
        SCOPED_TRACE(std::string("engine ") + digitEngineName(set));
        digitInstructions = set;
        check();
    }
    digitInstructions = chosen;
    std::printf("[ ENGINES  ] ran:%s; not run by this processor:%s\n", ran.c_str(),
                lacking.empty() ? " none" : lacking.c_str());
}

// The engine in use is the fastest of those timed at start, whatever
// instructions the others have.
TEST(DigitEngines, TheOneInUseIsTheFastestTimed)
{
    const EngineTiming& chosen = engineChoice.timing[int(engineChoice.chosen)];
    EXPECT_EQ(digitInstructions, engineChoice.chosen);
    ASSERT_TRUE(chosen.runs && chosen.trials > 0);
    for (const EngineTiming& t : engineChoice.timing)
        EXPECT_TRUE(!t.runs || (t.trials > 0 && t.bestNanoseconds >= chosen.bestNanoseconds));
}

template <std::size_t L>
void checkSumsAndDifferences(std::mt19937_64& rng)
{
    const cpp_int top = boost::multiprecision::pow(cpp_int(10), int(L));
    for (int n = 0; n < 20000; ++n) {
        auto a = randomVector<L>(rng), b = randomVector<L>(rng);
        if (rng() % 8 == 0) b = a;  // equal magnitudes: the zero sign rules
        const char sa = rng() % 2 ? '+' : '-', sb = rng() % 2 ? '+' : '-';
        const cpp_int x = sa == '-' ? cpp_int(-toInt(a)) : toInt(a),
                      y = sb == '-' ? cpp_int(-toInt(b)) : toInt(b);
        const cpp_int exact = x + y, magnitude = abs(exact);
        DigitVector<L> r;
        char sign = '?';
        const bool ok = AddSigned(sa, a, sb, b, sign, r);
        ASSERT_EQ(ok, magnitude < top) << x << " + " << y;
        if (!ok) continue;
        ASSERT_EQ(toInt(r), magnitude) << x << " + " << y;
        // Zero keeps the common sign of like signs, and is "+" from opposite ones.
        ASSERT_EQ(sign, exact > 0 ? '+' : exact < 0 ? '-' : sa == sb ? sa : '+') << x << " + " << y;
        const Magnitude m = CompareMagnitudes(a, b);
        ASSERT_EQ(m, toInt(a) < toInt(b)   ? Magnitude::Less
                     : toInt(a) > toInt(b) ? Magnitude::Greater
                                           : Magnitude::Equal);
    }
}

TEST(DigitArithmetic, SignedSumsAgreeWithExactArithmetic)
{
    std::mt19937_64 rng(20261206);
    onEveryInstructionSet([&] {
        checkSumsAndDifferences<amountCells>(rng);
        checkSumsAndDifferences<totalCells>(rng);
    });
}

// Products of random balances, with runs of nines and zeros, and random
// rates: against the literal carry rules and exact truncation. Every engine
// multiplies on the same limbs; the balance chain and its texts are checked
// through whole ledgers.
TEST(DigitArithmetic, ProductsAreExactAndTruncatedLikeTheDigitByDigitRules)
{
    std::mt19937_64 rng(3);
    const cpp_int scale = boost::multiprecision::pow(cpp_int(10), fractionDigits);
    for (int n = 0; n < 10000; ++n) {
        AmountVector balance = randomVector<amountCells>(rng), amount, literal;
        const auto rate = rateOf(randomVector<amountCells>(rng));
        const cpp_int exactRate = toInt(vec<amountCells>("0." + std::string(rate.data())));
        ASSERT_TRUE(MultiplyByRate(balance, rate, amount) && literalMultiply(balance, rate, literal));
        ASSERT_TRUE(amount == literal && toInt(amount) == toInt(balance) * exactRate / scale);
    }
}

const std::string nines = std::string(21, '9') + "." + std::string(20, '9');
const std::string unit = "0." + std::string(19, '0') + "1";

TEST(DigitArithmetic, Boundaries)
{
    onEveryInstructionSet([&] {
        AmountVector r41;
        TotalVector r45;
        char sign;
        EXPECT_FALSE(AddMagnitudes(vec<amountCells>(nines), vec<amountCells>(unit), r41));
        ASSERT_TRUE(AddMagnitudes(vec<totalCells>(nines), vec<totalCells>(unit), r45));
        EXPECT_EQ(r45, vec<totalCells>("1" + std::string(21, '0')));
        EXPECT_FALSE(AddSigned('-', vec<amountCells>(nines), '-', vec<amountCells>(unit), sign, r41));
        SubtractMagnitudes(vec<amountCells>("1000"), vec<amountCells>(unit), r41);  // a borrow through zeros
        EXPECT_EQ(r41, vec<amountCells>("999." + std::string(20, '9')));
        const struct {
            const char *balance, *rate, *product;
        } products[] = {
            {"1", unit.c_str(), unit.c_str()},
            {"0.5", unit.c_str(), "0"},  // 5 x 10^-21 is truncated away
            {"1.33333333333333333333", "0.33333333333333333333", "0.44444444444444444443"},
            {nines.c_str(), "0.99999999999999999999", "999999999999999999989.99999999999999999999"},
        };
        for (const auto& c : products) {
            ASSERT_TRUE(MultiplyByRate(vec<amountCells>(c.balance), rateOf(vec<amountCells>(c.rate)), r41));
            EXPECT_EQ(r41, vec<amountCells>(c.product)) << c.balance << " x " << c.rate;
        }
    });
}

TEST(DigitArithmetic, LoadAndStoreKeepEveryDigitAndTerminator)
{
    onEveryInstructionSet([&] {
        DigitField<amountIntegerDigits> integer;
        DigitField<fractionDigits> fraction;
        std::memcpy(integer.data(), "123456789012345678901", 22);
        std::memcpy(fraction.data(), "98765432109876543210", 21);
        TotalVector v;
        LoadDigits(integer, fraction, v);
        EXPECT_EQ(v, vec<totalCells>("123456789012345678901.98765432109876543210"));
        DigitField<totalIntegerDigits> wide;
        wide.fill('x');
        fraction.fill('x');
        StoreDigits(v, wide, fraction);
        EXPECT_EQ(std::string(wide.data(), 26), std::string("0000123456789012345678901") + '\0');
        EXPECT_EQ(std::string(fraction.data(), 21), std::string("98765432109876543210") + '\0');
    });
}

}  // namespace
