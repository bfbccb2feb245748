// The decimal primitives against an independent exact arithmetic
// (Boost.Multiprecision), and the multiplication against a literal
// digit-by-digit rendering of the carry rules.
#include <gtest/gtest.h>

#include <boost/multiprecision/cpp_int.hpp>
#include <random>
#include <string>

#include "ledger/digits.h"

using boost::multiprecision::cpp_int;

namespace {

// A vector's value in units of 10^-20.
template <std::size_t L>
cpp_int toInt(const DigitVector<L>& v)
{
    cpp_int n = 0;
    for (int k = int(L) - 1; k >= 0; --k) n = n * 10 + v[k];
    return n;
}

template <std::size_t L>
DigitVector<L> fromInt(cpp_int n)
{
    DigitVector<L> v{};
    for (std::size_t k = 0; k < L; ++k) {
        v[k] = static_cast<int32_t>(n % 10);
        n /= 10;
    }
    return v;
}

cpp_int pow10(int n)
{
    cpp_int p = 1;
    for (int i = 0; i < n; ++i) p *= 10;
    return p;
}

// Digits "123.45" into a vector; most significant first.
template <std::size_t L>
DigitVector<L> vec(const std::string& s)
{
    auto point = s.find('.');
    std::string integer = s.substr(0, point);
    std::string fraction = point == std::string::npos ? "" : s.substr(point + 1);
    fraction.resize(fractionDigits, '0');
    cpp_int n = 0;
    for (char c : integer + fraction) n = n * 10 + (c - '0');
    return fromInt<L>(n);
}

// A random vector whose magnitude spans every width: a random number of
// leading zero cells, then random digits, with runs of nines and zeros mixed
// in so that long carries and borrows happen.
template <std::size_t L>
DigitVector<L> randomVector(std::mt19937_64& rng)
{
    DigitVector<L> v{};
    int top = int(rng() % (L + 1));
    int style = int(rng() % 4);
    for (int k = 0; k < top; ++k)
        v[k] = style == 0 ? 9 : style == 1 ? int(rng() % 2) * 9 : int(rng() % 10);
    return v;
}

DigitField<fractionDigits> rateField(const std::string& digits)
{
    DigitField<fractionDigits> r;
    r.fill('0');
    r[fractionDigits] = 0;
    for (std::size_t i = 0; i < digits.size(); ++i) r[i] = digits[i];
    return r;
}

DigitField<fractionDigits> randomRate(std::mt19937_64& rng)
{
    std::string digits;
    int style = int(rng() % 3);
    for (int i = 0; i < fractionDigits; ++i)
        digits += char('0' + (style == 0 ? 9 : style == 1 ? int(rng() % 2) * 9 : int(rng() % 10)));
    return rateField(digits);
}

cpp_int rateInt(const DigitField<fractionDigits>& r)
{
    cpp_int n = 0;
    for (int i = 0; i < fractionDigits; ++i) n = n * 10 + (r[i] - '0');
    return n;
}

// The multiplication exactly as the carry rules state it: one digit product
// at a time, each carried up at once, overflow checked after every product.
bool literalMultiply(const AmountVector& a, const DigitField<fractionDigits>& rate,
                     AmountVector& r)
{
    AmountVector b{};
    for (int k = 0; k < fractionDigits; ++k) b[k] = rate[fractionDigits - 1 - k] - '0';
    int32_t c[61] = {};
    for (int i = 0; i <= 40; ++i) {
        for (int j = 0; j <= 40; ++j) {
            int32_t p = a[i] * b[j];
            if (p == 0) continue;
            int k = i + j;
            if (k > 60) return false;
            c[k] += p;
            for (int jj = k; jj < 60; ++jj) {
                int32_t q = c[jj] / 10;
                if (q == 0) break;
                c[jj] -= 10 * q;
                c[jj + 1] += q;
            }
            if (c[60] / 10 > 0) return false;
        }
    }
    for (int k = 0; k < 41; ++k) r[k] = c[20 + k];
    return true;
}

// The addition exactly as the carry rules state it.
template <std::size_t L>
bool literalAdd(const DigitVector<L>& a, const DigitVector<L>& b, DigitVector<L>& r)
{
    r.fill(0);
    for (int k = 0; k < int(L); ++k) {
        int32_t s = a[k] + b[k];
        if (s == 0) continue;
        r[k] += s;
        for (int j = k; j < int(L) - 1; ++j) {
            int32_t q = r[j] / 10;
            if (q == 0) break;
            r[j] -= 10 * q;
            r[j + 1] += q;
        }
        if (r[L - 1] / 10 > 0) return false;
    }
    return true;
}

template <std::size_t L>
void checkAddAgainstExact(std::mt19937_64& rng, int rounds)
{
    const cpp_int limit = pow10(int(L));
    for (int n = 0; n < rounds; ++n) {
        auto a = randomVector<L>(rng), b = randomVector<L>(rng);
        DigitVector<L> r, literal;
        bool ok = AddMagnitudes(a, b, r);
        cpp_int exact = toInt(a) + toInt(b);
        ASSERT_EQ(ok, exact < limit) << toInt(a) << " + " << toInt(b);
        ASSERT_EQ(literalAdd(a, b, literal), ok);
        if (ok) {
            ASSERT_EQ(toInt(r), exact);
            ASSERT_EQ(r, literal);
        }
    }
}

template <std::size_t L>
void checkSignedAgainstExact(std::mt19937_64& rng, int rounds)
{
    const cpp_int limit = pow10(int(L));
    for (int n = 0; n < rounds; ++n) {
        auto a = randomVector<L>(rng), b = randomVector<L>(rng);
        if (rng() % 8 == 0) b = a;  // equal magnitudes: the zero sign rules
        char sa = rng() % 2 ? '+' : '-', sb = rng() % 2 ? '+' : '-';
        char sr = '?';
        DigitVector<L> r;
        bool ok = AddSigned(sa, a, sb, b, sr, r);
        cpp_int x = sa == '-' ? cpp_int(-toInt(a)) : toInt(a);
        cpp_int y = sb == '-' ? cpp_int(-toInt(b)) : toInt(b);
        cpp_int exact = x + y;
        cpp_int magnitude = exact < 0 ? cpp_int(-exact) : exact;
        ASSERT_EQ(ok, magnitude < limit);
        if (!ok) continue;
        ASSERT_EQ(toInt(r), magnitude);
        char expected = exact > 0 ? '+' : exact < 0 ? '-' : (sa == sb ? sa : '+');
        ASSERT_EQ(sr, expected) << sa << toInt(a) << " " << sb << toInt(b);
    }
}

TEST(DigitArithmetic, AdditionAgreesWithExactArithmetic)
{
    std::mt19937_64 rng(20261206);
    checkAddAgainstExact<amountCells>(rng, 20000);
    checkAddAgainstExact<totalCells>(rng, 20000);
}

TEST(DigitArithmetic, SignedAdditionAgreesWithExactArithmetic)
{
    std::mt19937_64 rng(7);
    checkSignedAgainstExact<amountCells>(rng, 20000);
    checkSignedAgainstExact<totalCells>(rng, 20000);
}

TEST(DigitArithmetic, SubtractionAgreesWithExactArithmetic)
{
    std::mt19937_64 rng(11);
    for (int n = 0; n < 20000; ++n) {
        auto a = randomVector<amountCells>(rng), b = randomVector<amountCells>(rng);
        if (toInt(a) < toInt(b)) std::swap(a, b);
        AmountVector r;
        SubtractMagnitudes(a, b, r);
        ASSERT_EQ(toInt(r), toInt(a) - toInt(b));
    }
}

TEST(DigitArithmetic, MultiplicationAgreesWithExactAndLiteralArithmetic)
{
    std::mt19937_64 rng(3);
    const cpp_int scale = pow10(fractionDigits);
    for (int n = 0; n < 20000; ++n) {
        auto a = randomVector<amountCells>(rng);
        auto rate = randomRate(rng);
        AmountVector r, literal;
        ASSERT_TRUE(MultiplyByRate(a, rate, r));
        ASSERT_TRUE(literalMultiply(a, rate, literal));
        ASSERT_EQ(toInt(r), toInt(a) * rateInt(rate) / scale);  // truncated toward zero
        ASSERT_EQ(r, literal);
    }
}

TEST(DigitArithmetic, ComparisonAgreesWithExactArithmetic)
{
    std::mt19937_64 rng(5);
    for (int n = 0; n < 20000; ++n) {
        auto a = randomVector<totalCells>(rng);
        auto b = rng() % 4 == 0 ? a : randomVector<totalCells>(rng);
        Magnitude expected = toInt(a) < toInt(b)   ? Magnitude::Less
                             : toInt(a) > toInt(b) ? Magnitude::Greater
                                                   : Magnitude::Equal;
        ASSERT_EQ(CompareMagnitudes(a, b), expected);
    }
}

const std::string largestAmount = std::string(21, '9') + "." + std::string(20, '9');
const std::string smallestUnit = "0." + std::string(19, '0') + "1";

TEST(DigitArithmetic, OverflowBoundaries)
{
    AmountVector r41;
    EXPECT_FALSE(AddMagnitudes(vec<amountCells>(largestAmount), vec<amountCells>(smallestUnit), r41));
    EXPECT_TRUE(AddMagnitudes(vec<amountCells>(largestAmount), vec<amountCells>("0"), r41));
    EXPECT_EQ(r41, vec<amountCells>(largestAmount));

    TotalVector r45;
    ASSERT_TRUE(AddMagnitudes(vec<totalCells>(largestAmount), vec<totalCells>(smallestUnit), r45));
    EXPECT_EQ(r45, vec<totalCells>("1" + std::string(21, '0')));
    const std::string largestTotal = std::string(25, '9') + "." + std::string(20, '9');
    EXPECT_FALSE(AddMagnitudes(vec<totalCells>(largestTotal), vec<totalCells>(smallestUnit), r45));

    char sign;
    EXPECT_FALSE(AddSigned('-', vec<amountCells>(largestAmount), '-', vec<amountCells>(smallestUnit), sign, r41));
    EXPECT_TRUE(AddSigned('-', vec<amountCells>(largestAmount), '+', vec<amountCells>(smallestUnit), sign, r41));
    EXPECT_EQ(sign, '-');
}

struct SignedCase {
    char sa;
    const char* a;
    char sb;
    const char* b;
    char sign;
    const char* result;
};

TEST(DigitArithmetic, SignRules)
{
    const SignedCase cases[] = {
        {'+', "5", '-', "5", '+', "0"},
        {'-', "5", '+', "5", '+', "0"},
        {'+', "3", '-', "5", '-', "2"},
        {'-', "3", '+', "5", '+', "2"},
        {'-', "0", '-', "0", '-', "0"},  // like signs keep a "-" zero
        {'+', "0", '-', "0", '+', "0"},
        {'-', "0", '+', "0", '+', "0"},
        {'-', "1.5", '-', "2.25", '-', "3.75"},
    };
    for (const SignedCase& c : cases) {
        char sign = '?';
        AmountVector r;
        ASSERT_TRUE(AddSigned(c.sa, vec<amountCells>(c.a), c.sb, vec<amountCells>(c.b), sign, r));
        EXPECT_EQ(sign, c.sign) << c.sa << c.a << " " << c.sb << c.b;
        EXPECT_EQ(r, vec<amountCells>(c.result)) << c.sa << c.a << " " << c.sb << c.b;
    }
}

struct ProductCase {
    const char* balance;
    const char* rate;
    const char* product;
};

TEST(DigitArithmetic, ProductIsTruncatedNotRounded)
{
    const std::string tiny = std::string(19, '0') + "1";
    const ProductCase cases[] = {
        {"1", tiny.c_str(), smallestUnit.c_str()},
        {"0.5", tiny.c_str(), "0"},
        {"1", "33333333333333333333", "0.33333333333333333333"},
        {"1.33333333333333333333", "33333333333333333333", "0.44444444444444444443"},
    };
    for (const ProductCase& c : cases) {
        AmountVector r;
        ASSERT_TRUE(MultiplyByRate(vec<amountCells>(c.balance), rateField(c.rate), r));
        EXPECT_EQ(r, vec<amountCells>(c.product)) << c.balance << " x ." << c.rate;
    }
    AmountVector r;
    ASSERT_TRUE(MultiplyByRate(vec<amountCells>(largestAmount), rateField(std::string(20, '9')), r));
    EXPECT_EQ(toInt(r), toInt(vec<amountCells>(largestAmount)) * (pow10(20) - 1) / pow10(20));
}

TEST(DigitArithmetic, BorrowRunsThroughZeros)
{
    AmountVector r;
    SubtractMagnitudes(vec<amountCells>("1000"), vec<amountCells>(smallestUnit), r);
    EXPECT_EQ(r, vec<amountCells>("999." + std::string(20, '9')));
}

TEST(DigitArithmetic, LoadAndStoreKeepEveryDigitAndTerminator)
{
    DigitField<amountIntegerDigits> integer;
    DigitField<fractionDigits> fraction;
    const std::string i21 = "123456789012345678901", f20 = "98765432109876543210";
    std::memcpy(integer.data(), i21.c_str(), 22);
    std::memcpy(fraction.data(), f20.c_str(), 21);

    AmountVector v41;
    LoadDigits(integer, fraction, v41);
    EXPECT_EQ(v41, vec<amountCells>(i21 + "." + f20));
    TotalVector v45;
    LoadDigits(integer, fraction, v45);
    EXPECT_EQ(v45, vec<totalCells>(i21 + "." + f20));

    DigitField<totalIntegerDigits> wide;
    wide.fill('x');
    fraction.fill('x');
    StoreDigits(v45, wide, fraction);
    EXPECT_EQ(std::string(wide.data()), "0000" + i21);
    EXPECT_EQ(wide[totalIntegerDigits], 0);
    EXPECT_EQ(std::string(fraction.data()), f20);
    EXPECT_EQ(fraction[fractionDigits], 0);
}

}  // namespace
