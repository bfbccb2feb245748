#include "ledger/digits/portable.h"

#include <bit>
#include <cstring>

constexpr int fd = fractionDigits;

// 64 column sums in 16-bit cells; column c counts units of 10^(c - 40), so
// columns 20 to 60 of a product are its 41 cells truncated at the 20th
// decimal, and columns 0-19 matter only for the carry they pass on. Two
// zeros lie below column 0, so that every column can read the two below
// it: column c is at index c + 2.
constexpr int columnCount = 64, below = 2;
using Columns = std::array<uint16_t, below + columnCount>;

// A balance's cells at index 20 up, zeros below and above them: cell i
// times rate cell j counts in column i + j, so each rate digit reads the
// cells from its own offset.
using PaddedCells = std::array<uint16_t, fd + columnCount>;

// The rate's cells: cell j is character 19 - j.
using RateCells = std::array<uint16_t, fd>;

static RateCells rateCells(const DigitField<fd>& rate)
{
    RateCells r;
    for (int j = 0; j < fd; ++j) r[j] = static_cast<uint16_t>(rate[fd - 1 - j] - '0');
    return r;
}

// The column sums of the cells times the rate, plus the cells times 10^20
// when `withBalance`. Each nonzero rate digit adds a shifted copy of the
// cells to all 64 columns at once: the columns keep their addresses, so
// each sum is read back from the store that wrote it, not from parts of two.
static void rateColumns(const PaddedCells& cells, const RateCells& r, bool withBalance, Columns& sum)
{
    sum[0] = sum[1] = 0;
    uint16_t* columns = sum.data() + below;
    for (int c = 0; c < columnCount; ++c) columns[c] = withBalance ? cells[c] : 0;
    for (int j = 0; j < fd; ++j) {
        const uint16_t digit = r[j];
        if (digit == 0) continue;
        const uint16_t* shifted = cells.data() + fd - j;
        for (int c = 0; c < columnCount; ++c)
            columns[c] = static_cast<uint16_t>(columns[c] + shifted[c] * digit);
    }
}

// Moving the tens of every column up at once, and the hundreds two places,
// turns the column sums of cells up to 14 (at most 2534) into columns of at
// most 43; moving the tens once more leaves at most 13, so that one carry
// at most is left to pass on and the next balance has cells of at most 14
// once that carry is in. Each round reads the columns below from the sums
// before it rather than moving its own results.
static void moveHundredsAndTens(const Columns& s, Columns& out)
{
    out[0] = out[1] = 0;
    for (int c = below; c < below + columnCount; ++c)
        out[c] = static_cast<uint16_t>(s[c] % 10 + s[c - 1] / 10 % 10 + s[c - 2] / 100);
}

static void moveTens(const Columns& s, Columns& out)
{
    out[0] = out[1] = 0;
    for (int c = below; c < below + columnCount; ++c)
        out[c] = static_cast<uint16_t>(s[c] % 10 + s[c - 1] / 10);
}

// ---- Carries found at once ------------------------------------------------

using Flags = std::array<uint8_t, columnCount>;

// Flags 8g to 8g + 7 as one word, flag i in byte i from the low end
// whatever the machine's byte order.
static uint64_t inFlagOrder(uint64_t w)
{
    if constexpr (std::endian::native == std::endian::little) {
        return w;
    } else {
        uint64_t r = 0;
        for (int i = 0; i < 8; ++i) r |= (w >> (8 * i) & 0xff) << (56 - 8 * i);
        return r;
    }
}

static uint64_t eightFlags(const Flags& f, int g)
{
    uint64_t eight;
    std::memcpy(&eight, f.data() + 8 * g, 8);
    return inFlagOrder(eight);
}

static void setEightFlags(Flags& f, int g, uint64_t eight)
{
    eight = inFlagOrder(eight);
    std::memcpy(f.data() + 8 * g, &eight, 8);
}

// Bit c set where flag c is 1: eight flags at a time, each byte's low bit
// moved to its own place by one multiplication.
static uint64_t bitsOf(const Flags& f)
{
    uint64_t bits = 0;
    for (int g = 0; g < columnCount / 8; ++g)
        bits |= (eightFlags(f, g) * 0x0102040810204080u >> 56) << (8 * g);
    return bits;
}

// And back: flag c is bit c, eight at a time from a table.
struct SpreadTable {
    uint64_t of[256];
};

constexpr SpreadTable spreadTable()
{
    SpreadTable t{};
    for (int b = 0; b < 256; ++b)
        for (int i = 0; i < 8; ++i) t.of[b] |= uint64_t(b >> i & 1) << (8 * i);
    return t;
}

constexpr SpreadTable spread = spreadTable();

static Flags flagsOf(uint64_t bits)
{
    Flags f;
    for (int g = 0; g < columnCount / 8; ++g) setEightFlags(f, g, spread.of[bits >> (8 * g) & 0xff]);
    return f;
}

// A cell of a sum of digits either makes a carry (10 or more), passes on
// the carry it receives (exactly 9) or stops it. With one flag bit per
// cell, adding the makers shifted up one place to the passers runs each
// carry through its run of nines exactly as the carry rules ripple it, and
// the bits that changed are the cells a carry arrives at. Borrows are found
// the same way.
static uint64_t carriesArriving(uint64_t makes, uint64_t passes) { return ((makes << 1) + passes) ^ passes; }

// Where the carries of columns of at most 19 arrive.
static uint64_t carriesOf(const Columns& s)
{
    Flags makes, passes;
    for (int c = 0; c < columnCount; ++c) {
        makes[c] = s[below + c] > 9;
        passes[c] = s[below + c] == 9;
    }
    return carriesArriving(bitsOf(makes), bitsOf(passes));
}

// Columns 20 to 60 with their carries in, every one a digit; the others
// zero (columns 61-63 are zero anyway while a value stays below 10^21).
static void settle(Columns& s, uint64_t arriving)
{
    const Flags in = flagsOf(arriving);
    for (int c = 0; c < columnCount; ++c) {
        const uint16_t raised = static_cast<uint16_t>(s[below + c] + in[c]);
        s[below + c] = static_cast<uint16_t>(c < fd ? 0 : raised >= 10 ? raised - 10 : raised);
    }
}

// x - y, both settled, x not the smaller.
static Columns difference(const Columns& x, const Columns& y)
{
    int16_t d[columnCount];
    Flags negative, zero;
    for (int c = 0; c < columnCount; ++c) {
        d[c] = static_cast<int16_t>(x[below + c] - y[below + c]);
        negative[c] = d[c] < 0;
        zero[c] = d[c] == 0;
    }
    const Flags in = flagsOf(carriesArriving(bitsOf(negative), bitsOf(zero)));
    Columns r{};
    for (int c = 0; c < columnCount; ++c) {
        const int16_t lowered = static_cast<int16_t>(d[c] - in[c]);
        r[below + c] = static_cast<uint16_t>(lowered < 0 ? lowered + 10 : lowered);
    }
    return r;
}

// ---- Sums and differences of cells -------------------------------------------

// The cells are read before any is written: r may be a or b.
template <std::size_t L>
bool PortableAddMagnitudes(const DigitVector<L>& a, const DigitVector<L>& b, DigitVector<L>& r)
{
    static_assert(L < columnCount);
    int32_t s[L];
    Flags makes{}, passes{};
    for (std::size_t k = 0; k < L; ++k) {
        s[k] = a[k] + b[k];
        makes[k] = s[k] > 9;
        passes[k] = s[k] == 9;
    }
    const uint64_t arriving = carriesArriving(bitsOf(makes), bitsOf(passes));
    const Flags in = flagsOf(arriving);
    for (std::size_t k = 0; k < L; ++k) {
        const int32_t raised = s[k] + in[k];
        r[k] = raised >= 10 ? raised - 10 : raised;
    }
    return (arriving >> L & 1) == 0;
}

template <std::size_t L>
void PortableSubtractMagnitudes(const DigitVector<L>& x, const DigitVector<L>& y, DigitVector<L>& r)
{
    static_assert(L < columnCount);
    int32_t d[L];
    Flags negative{}, zero{};
    for (std::size_t k = 0; k < L; ++k) {
        d[k] = x[k] - y[k];
        negative[k] = d[k] < 0;
        zero[k] = d[k] == 0;
    }
    const Flags in = flagsOf(carriesArriving(bitsOf(negative), bitsOf(zero)));
    for (std::size_t k = 0; k < L; ++k) {
        const int32_t lowered = d[k] - in[k];
        r[k] = lowered < 0 ? lowered + 10 : lowered;
    }
}

template bool PortableAddMagnitudes(const AmountVector&, const AmountVector&, AmountVector&);
template bool PortableAddMagnitudes(const TotalVector&, const TotalVector&, TotalVector&);
template void PortableSubtractMagnitudes(const AmountVector&, const AmountVector&, AmountVector&);
template void PortableSubtractMagnitudes(const TotalVector&, const TotalVector&, TotalVector&);

// ---- Cells and texts ------------------------------------------------------

static PaddedCells paddedCells(const AmountVector& v)
{
    PaddedCells p{};
    for (std::size_t i = 0; i < amountCells; ++i) p[fd + i] = static_cast<uint16_t>(v[i]);
    return p;
}

static Columns columnsOf(const AmountVector& v)
{
    Columns s{};
    for (std::size_t i = 0; i < amountCells; ++i) s[below + fd + i] = static_cast<uint16_t>(v[i]);
    return s;
}

// The cells of a sum's columns 20 to 60 (with the carry into column 20) as
// the next balance.
static void nextCells(const Columns& s, uint32_t carry, PaddedCells& p)
{
    for (int i = 0; i < int(amountCells); ++i) p[fd + i] = s[below + fd + i];
    p[fd] = static_cast<uint16_t>(p[fd] + carry);
}

// Columns 20 to 60 as a value's text: the integer digits from column 60
// down, then the fraction digits.
static void storeText(char sign, const Columns& d, SignedAmount& s)
{
    setSign(s.sign, sign);
    for (int k = 0; k < amountIntegerDigits; ++k) s.integer[k] = static_cast<char>('0' + d[below + 60 - k]);
    s.integer[amountIntegerDigits] = 0;
    for (int k = 0; k < fd; ++k) s.fraction[k] = static_cast<char>('0' + d[below + fd + fd - 1 - k]);
    s.fraction[fd] = 0;
}

// False when a value reaches 10^21: a carry arrives at column 61, or one of
// columns 61-63 is not zero.
static bool below61(const Columns& s, uint64_t arriving)
{
    return (arriving >> 61) == 0 && s[below + 61] + s[below + 62] + s[below + 63] == 0;
}

// ---- The primitives -------------------------------------------------------

bool PortableMultiplyByRate(const AmountVector& a, const DigitField<fractionDigits>& rate, AmountVector& r)
{
    Columns product, rounded;
    rateColumns(paddedCells(a), rateCells(rate), false, product);
    moveHundredsAndTens(product, rounded);
    moveTens(rounded, product);
    const uint64_t arriving = carriesOf(product);
    const bool fits = below61(product, arriving);
    settle(product, arriving);
    for (std::size_t i = 0; i < amountCells; ++i) r[i] = product[below + fd + i];
    return fits;
}

// The balance goes from one transaction to the next as cells of at most 14,
// each new balance the columns 20 up of the sum (the old balance times
// 10^20 plus its product with the rate) with the carry columns 0-19 pass
// on; the last carries give its digits, and the amount is the new balance
// less the old. A new balance's text is also the next transaction's old
// balance; the amounts add up to the last balance less the first, which
// goes into amountDigits once.
bool PortableChargeInterestRun(AmountVector& b, char sign, const DigitField<fractionDigits>& rate,
                               Transaction* t, int32_t count, TotalVector& amountDigits)
{
    const RateCells r = rateCells(rate);
    PaddedCells cells = paddedCells(b);
    const Columns first = columnsOf(b);
    Columns balance = first;
    if (count > 0) storeText(sign, first, t[0].oldBalance);
    for (int32_t i = 0; i < count; ++i) {
        Columns sum, rounded;
        rateColumns(cells, r, true, sum);
        moveHundredsAndTens(sum, rounded);
        moveTens(rounded, sum);
        const uint64_t arriving = carriesOf(sum);
        if (!below61(sum, arriving)) return false;
        nextCells(sum, static_cast<uint32_t>(arriving >> fd & 1), cells);
        settle(sum, arriving);
        storeText(sign, difference(sum, balance), t[i].amount);
        storeText(sign, sum, t[i].newBalance);
        if (i + 1 < count) t[i + 1].oldBalance = t[i].newBalance;
        balance = sum;
    }
    const Columns amounts = difference(balance, first);
    for (std::size_t i = 0; i < amountCells; ++i) {
        b[i] = balance[below + fd + i];
        amountDigits[i] += amounts[below + fd + i];
    }
    return true;
}
