#include "ledger/digits/digits.h"

#include "ledger/digits/avx2.h"
#include "ledger/digits/avx512.h"
#include "ledger/digits/limb_texts.h"
#include "ledger/digits/portable.h"

constexpr int fd = fractionDigits;

bool ProcessorRuns(DigitInstructions set)
{
#if TARNWELL_AVX512_DIGITS
    if (set == DigitInstructions::Avx512) return Avx512Supported();
#endif
#if TARNWELL_AVX2_DIGITS
    if (set == DigitInstructions::Avx2) return Avx2Supported();
#endif
    return set == DigitInstructions::Portable;
}

// Each primitive hands its work to the wider instructions when they are in
// use; the code after that is the portable one.
#if TARNWELL_AVX512_DIGITS
static bool avx512InUse() { return digitInstructions == DigitInstructions::Avx512; }
#endif
#if TARNWELL_AVX2_DIGITS
static bool avx2InUse() { return digitInstructions == DigitInstructions::Avx2; }
#endif

template <std::size_t I, std::size_t L>
void LoadDigits(const std::array<char, I>& integer, const DigitField<fractionDigits>& fraction,
                DigitVector<L>& v)
{
    constexpr int n = int(I) - 1;  // digits before the zero byte
    static_assert(int(L) >= n + fd);
#if TARNWELL_AVX512_DIGITS
    if constexpr (n == amountIntegerDigits)  // the widths the ledger loads
        if (avx512InUse()) return Avx512LoadDigits(integer, fraction, v);
#endif
#if TARNWELL_AVX2_DIGITS
    if constexpr (n == amountIntegerDigits)
        if (avx2InUse()) return Avx2LoadDigits(integer, fraction, v);
#endif
    PortableCellsOfText(fraction.data(), fd, v.data());
    PortableCellsOfText(integer.data(), n, v.data() + fd);
    for (int k = fd + n; k < int(L); ++k) v[k] = 0;
}

template <std::size_t L, std::size_t I>
void StoreDigits(const DigitVector<L>& v, std::array<char, I>& integer, DigitField<fractionDigits>& fraction)
{
    constexpr int n = int(L) - fd;
    static_assert(int(I) == n + 1);
#if TARNWELL_AVX512_DIGITS
    if (avx512InUse()) return Avx512StoreDigits(v, integer, fraction);
#endif
#if TARNWELL_AVX2_DIGITS
    if (avx2InUse()) return Avx2StoreDigits(v, integer, fraction);
#endif
    PortableTextOfCells(v.data(), fd, fraction.data());
    fraction[fd] = 0;
    PortableTextOfCells(v.data() + fd, n, integer.data());
    integer[n] = 0;
}

template <std::size_t L>
Magnitude CompareMagnitudes(const DigitVector<L>& a, const DigitVector<L>& b)
{
#if TARNWELL_AVX512_DIGITS
    if (avx512InUse()) return Avx512CompareMagnitudes(a, b);
#endif
#if TARNWELL_AVX2_DIGITS
    if (avx2InUse()) return Avx2CompareMagnitudes(a, b);
#endif
    for (int k = int(L) - 1; k >= 0; --k) {
        if (a[k] > b[k]) return Magnitude::Greater;
        if (a[k] < b[k]) return Magnitude::Less;
    }
    return Magnitude::Equal;
}

template <std::size_t L>
bool AddMagnitudes(const DigitVector<L>& a, const DigitVector<L>& b, DigitVector<L>& r)
{
#if TARNWELL_AVX512_DIGITS
    if (avx512InUse()) return Avx512AddMagnitudes(a, b, r);
#endif
#if TARNWELL_AVX2_DIGITS
    if (avx2InUse()) return Avx2AddMagnitudes(a, b, r);
#endif
    return PortableAddMagnitudes(a, b, r);
}

template <std::size_t L>
void SubtractMagnitudes(const DigitVector<L>& x, const DigitVector<L>& y, DigitVector<L>& r)
{
#if TARNWELL_AVX512_DIGITS
    if (avx512InUse()) return Avx512SubtractMagnitudes(x, y, r);
#endif
#if TARNWELL_AVX2_DIGITS
    if (avx2InUse()) return Avx2SubtractMagnitudes(x, y, r);
#endif
    PortableSubtractMagnitudes(x, y, r);
}

template <std::size_t L>
bool AddSigned(char sa, const DigitVector<L>& a, char sb, const DigitVector<L>& b, char& sr,
               DigitVector<L>& r)
{
    if (sa == sb) {
        sr = sa;
        return AddMagnitudes(a, b, r);
    }
    switch (CompareMagnitudes(a, b)) {
    case Magnitude::Greater:
        sr = sa;
        SubtractMagnitudes(a, b, r);
        break;
    case Magnitude::Less:
        sr = sb;
        SubtractMagnitudes(b, a, r);
        break;
    case Magnitude::Equal:
        sr = '+';
        r.fill(0);
        break;
    }
    return true;
}

bool MultiplyByRate(const AmountVector& a, const DigitField<fractionDigits>& rate, AmountVector& r)
{
    return PortableMultiplyByRate(a, rate, r);
}

ChargedRun ChargeInterestRun(BalanceTable& b, int32_t first, const Transaction* slots, int32_t limit,
                             const RateLimbs& r)
{
#if TARNWELL_AVX2_DIGITS
    b.piecesAlongChain = avx2InUse();
    if (b.piecesAlongChain) return Avx2ChargeInterestRun(b, first, slots, limit, r);
#endif
    return chargeInterestLimbs(b.balance[first], r, b.balance + first + 1, slots, limit);
}

void WriteBalanceTexts(const BalanceTable& b, const SignedAmount& beginning, Transaction* t, int32_t count)
{
#if TARNWELL_AVX512_DIGITS
    if (avx512InUse()) return Avx512WriteBalanceTexts(b, beginning, t, count);
#endif
#if TARNWELL_AVX2_DIGITS
    if (avx2InUse()) return Avx2WriteBalanceTexts(b, beginning, t, count);
#endif
    PortableWriteBalanceTexts(b, beginning, t, count);
}

using IntegerField = DigitField<amountIntegerDigits>;
using TotalIntegerField = DigitField<totalIntegerDigits>;
using FractionField = DigitField<fractionDigits>;

template void LoadDigits(const IntegerField&, const FractionField&, AmountVector&);
template void LoadDigits(const IntegerField&, const FractionField&, TotalVector&);
template void LoadDigits(const TotalIntegerField&, const FractionField&, TotalVector&);
template void StoreDigits(const AmountVector&, IntegerField&, FractionField&);
template void StoreDigits(const TotalVector&, TotalIntegerField&, FractionField&);
template Magnitude CompareMagnitudes(const AmountVector&, const AmountVector&);
template Magnitude CompareMagnitudes(const TotalVector&, const TotalVector&);
template bool AddMagnitudes(const AmountVector&, const AmountVector&, AmountVector&);
template bool AddMagnitudes(const TotalVector&, const TotalVector&, TotalVector&);
template void SubtractMagnitudes(const AmountVector&, const AmountVector&, AmountVector&);
template void SubtractMagnitudes(const TotalVector&, const TotalVector&, TotalVector&);
template bool AddSigned(char, const AmountVector&, char, const AmountVector&, char&, AmountVector&);
template bool AddSigned(char, const TotalVector&, char, const TotalVector&, char&, TotalVector&);
