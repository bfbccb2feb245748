#include "ledger/digits/portable.h"

#include <bit>
#include <cstring>


constexpr int columnCount = 64;

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

// ---- Texts and cells ----------------------------------------------------

// Byte i of a word in memory order.
static uint32_t byteAt(uint64_t w, int i)
{
    const int shift = std::endian::native == std::endian::little ? 8 * i : 56 - 8 * i;
    return static_cast<uint32_t>(w >> shift & 0xff);
}

static uint64_t withByteAt(uint32_t b, int i)
{
    const int shift = std::endian::native == std::endian::little ? 8 * i : 56 - 8 * i;
    return uint64_t(b) << shift;
}

void PortableCellsOfText(const char* text, int count, int32_t* cells)
{
    int k = 0;
    for (; k + 8 <= count; k += 8) {
        uint64_t w;
        std::memcpy(&w, text + count - k - 8, 8);
        w -= 0x3030303030303030u;  // every byte a digit's value, so no borrow crosses a byte
        for (int j = 0; j < 8; ++j) cells[k + j] = static_cast<int32_t>(byteAt(w, 7 - j));
    }
    for (; k < count; ++k) cells[k] = text[count - 1 - k] - '0';
}

void PortableTextOfCells(const int32_t* cells, int count, char* text)
{
    int k = 0;
    for (; k + 8 <= count; k += 8) {
        uint64_t w = 0x3030303030303030u;
        for (int j = 0; j < 8; ++j) w |= withByteAt(static_cast<uint32_t>(cells[count - 1 - k - j]), j);
        std::memcpy(text + k, &w, 8);
    }
    for (; k < count; ++k) text[k] = static_cast<char>(cells[count - 1 - k] + '0');
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
