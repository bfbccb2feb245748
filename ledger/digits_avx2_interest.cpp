// Multiplication by the rate and runs of interest transactions, sixteen
// columns to an instruction: digit products are summed per column in 16-bit
// lanes, the tens of all columns moved up in rounds, and the last carries
// found at once as in the other primitives.
//
// The 64 columns lie in four registers, register k holding columns 8k to
// 8k + 7 in its low half and 32 + 8k to 39 + 8k in its high half. AVX2
// moves lanes across a register only between its halves, so this order
// lets every shift by whole pieces of 8 columns stay a choice of register,
// a shift within pieces one instruction per register, and only the pieces
// moving from column 31 to 32 cross halves. For their last carries and
// texts the columns become bytes in order, 0-31 and 32-63.
#include <cstddef>
#include <utility>

#include "ledger/digits_avx2_parts.h"

#if TARNWELL_AVX2_DIGITS

namespace {

constexpr int8_t none = -128;  // a shuffle index that gives a zero byte

// Column sums in 16-bit lanes, in the order above.
struct Columns {
    __m256i c[4];
};

// ---- Products -------------------------------------------------------------

// The balance as pairs, one 16-bit lane a column in the order above: lane
// c holds cell c in its low byte and cell c - 1 in its high byte, so one
// multiply-add takes two rate digits at once. x[3 + j] holds pieces j and
// j + 4 for j = -3..3, the pieces below 0 zero: x[3..6] are the pairs, the
// others their low halves moved up.
struct Pairs {
    __m256i x[7];
};

AVX2_HELPER __m256i lowHalfUp(__m256i v) { return _mm256_permute2x128_si256(v, v, 0x08); }

AVX2_HELPER Pairs withPiecesBelow(const __m256i (&q)[4])
{
    return {{lowHalfUp(q[1]), lowHalfUp(q[2]), lowHalfUp(q[3]), q[0], q[1], q[2], q[3]}};
}

// The multiplier's digits two at a time in every 16-bit lane: pair P is
// rate cells 2P (low byte) and 2P + 1, where rate cell j is character
// 19 - j.
constexpr int productPairs = fractionDigits / 2;

struct RatePairs {
    __m256i pair[productPairs];
};

template <int... P>
AVX2_HELPER RatePairs ratePairs(const DigitField<fractionDigits>& rate, std::integer_sequence<int, P...>)
{
    return {{_mm256_set1_epi16(int16_t((rate[19 - 2 * P] - '0') | (rate[18 - 2 * P] - '0') << 8))...}};
}

AVX2_HELPER RatePairs ratePairs(const DigitField<fractionDigits>& rate)
{
    return ratePairs(rate, std::make_integer_sequence<int, productPairs>{});
}

// Pair P times the pairs moved up by 2P = 8d + 2R columns, for register K
// = J + d of the sums: register J of the pairs moved up by 2R columns.
template <int K, int P>
AVX2_HELPER void addProducts(__m256i moved, const RatePairs& r, Columns& sums)
{
    if constexpr (K >= 0 && K < 4 && P < productPairs)
        sums.c[K] = _mm256_add_epi16(sums.c[K], _mm256_maddubs_epi16(moved, r.pair[P]));
}

// Register J of the pairs moved up by 2R columns serves three registers of
// the sums; taking J from the top down, each register of pairs is done with
// before the next, so that few values are kept at once.
template <int J, int R>
AVX2_HELPER void addMovedProducts(const Pairs& p, const RatePairs& r, Columns& sums)
{
    __m256i moved;
    if constexpr (R == 0)
        moved = p.x[3 + J];
    else
        moved = _mm256_alignr_epi8(p.x[3 + J], p.x[2 + J], 16 - 4 * R);
    addProducts<J, R>(moved, r, sums);
    addProducts<J + 1, 4 + R>(moved, r, sums);
    addProducts<J + 2, 8 + R>(moved, r, sums);
}

template <int J>
AVX2_HELPER void addProductsFrom(const Pairs& p, const RatePairs& r, Columns& sums)
{
    addMovedProducts<J, 0>(p, r, sums);
    addMovedProducts<J, 1>(p, r, sums);
    addMovedProducts<J, 2>(p, r, sums);
    addMovedProducts<J, 3>(p, r, sums);
    if constexpr (J > -2) addProductsFrom<J - 1>(p, r, sums);
}

// The products of the pairs and the rate added to the sums.
AVX2_HELPER void addProducts(const __m256i (&q)[4], const RatePairs& r, Columns& sums)
{
    addProductsFrom<3>(withPiecesBelow(q), r, sums);
}

AVX2_HELPER Columns products(const __m256i (&q)[4], const RatePairs& r)
{
    Columns sums{
        {_mm256_setzero_si256(), _mm256_setzero_si256(), _mm256_setzero_si256(), _mm256_setzero_si256()}};
    addProducts(q, r, sums);
    return sums;
}

// c x 6554 / 2^16 is c / 10 to within a tenth for every c below 16384:
// its high half is the tens, and ten times its low half the units, both
// found at once rather than one after the other.
AVX2_HELPER __m256i tens(__m256i c) { return _mm256_mulhi_epu16(c, _mm256_set1_epi16(6554)); }

AVX2_HELPER __m256i units(__m256i c)
{
    return _mm256_mulhi_epu16(_mm256_mullo_epi16(c, _mm256_set1_epi16(6554)), _mm256_set1_epi16(10));
}

// Columns moved up by one or two places.
template <int Places>
AVX2_HELPER Columns movedUp(const Columns& v)
{
    constexpr int bytes = 16 - 2 * Places;
    return {{_mm256_alignr_epi8(v.c[0], lowHalfUp(v.c[3]), bytes), _mm256_alignr_epi8(v.c[1], v.c[0], bytes),
             _mm256_alignr_epi8(v.c[2], v.c[1], bytes), _mm256_alignr_epi8(v.c[3], v.c[2], bytes)}};
}

// Moving the tens of every column up at once, and the hundreds two places,
// turns the column sums of a balance of cells up to 14 (at most 2534) into
// columns of at most 43; a carry times the rate makes that 52, and moving
// the tens once more leaves at most 14, so that one carry at most is left
// to pass on and the next balance has cells of at most 14 again.
AVX2_HELPER void moveHundredsAndTens(Columns& s)
{
    Columns tensDigits, hundreds;
    for (int k = 0; k < 4; ++k) {
        const __m256i t = tens(s.c[k]);
        tensDigits.c[k] = units(t);
        hundreds.c[k] = tens(t);
        s.c[k] = units(s.c[k]);
    }
    const Columns byOne = movedUp<1>(tensDigits), byTwo = movedUp<2>(hundreds);
    for (int k = 0; k < 4; ++k) s.c[k] = _mm256_add_epi16(s.c[k], _mm256_add_epi16(byOne.c[k], byTwo.c[k]));
}

AVX2_HELPER void moveTens(Columns& s)
{
    Columns t;
    for (int k = 0; k < 4; ++k) {
        t.c[k] = tens(s.c[k]);
        s.c[k] = units(s.c[k]);
    }
    const Columns byOne = movedUp<1>(t);
    for (int k = 0; k < 4; ++k) s.c[k] = _mm256_add_epi16(s.c[k], byOne.c[k]);
}

// Columns 20 up of a sum: the next balance times 10^20, before the carry
// into column 20.
template <int K>
constexpr auto from20 = lanes<int16_t, 16>([](int lane) {
    return 8 * K + lane % 8 + 32 * (lane / 8) >= 20 ? -1 : 0;
});

AVX2_HELPER Columns balanceColumns(const Columns& sum)
{
    return {{_mm256_and_si256(sum.c[0], load(from20<0>)), _mm256_and_si256(sum.c[1], load(from20<1>)),
             _mm256_and_si256(sum.c[2], load(from20<2>)), sum.c[3]}};
}

// ---- Carries, texts and cells ------------------------------------------------

// Columns of at most 127 as bytes in order: columns 0-31, then 32-63.
struct ColumnBytes {
    __m256i low, high;
};

// Bit k set for column k where its byte is above n, below it or equal to
// it (as signed bytes).
AVX2_HELPER uint64_t columnsAbove(const ColumnBytes& s, __m256i n)
{
    return static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpgt_epi8(s.low, n))) |
           uint64_t(static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpgt_epi8(s.high, n)))) << 32;
}

AVX2_HELPER uint64_t columnsBelow(const ColumnBytes& s, __m256i n)
{
    return static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpgt_epi8(n, s.low))) |
           uint64_t(static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpgt_epi8(n, s.high)))) << 32;
}

AVX2_HELPER uint64_t columnsEqual(const ColumnBytes& s, __m256i n)
{
    return static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(s.low, n))) |
           uint64_t(static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(s.high, n)))) << 32;
}

// The columns a carry arrives at, once the tens have moved (every column
// at most 19).
AVX2_HELPER uint64_t carriesOf(const ColumnBytes& s)
{
    const __m256i nine = _mm256_set1_epi8(9);
    return carriesArriving(columnsAbove(s, nine), columnsEqual(s, nine));
}

// Columns 20 to 60 with the carries that arrive, the others zero.
constexpr auto keepLow = lanes<int8_t, 32>([](int b) { return b >= 20 ? -1 : 0; });
constexpr auto keepHigh = lanes<int8_t, 32>([](int b) { return b <= 28 ? -1 : 0; });

AVX2_HELPER ColumnBytes settledBalance(const ColumnBytes& s, uint64_t arriving)
{
    return {_mm256_and_si256(carryInto(s.low, bytesWhere(static_cast<uint32_t>(arriving))), load(keepLow)),
            _mm256_and_si256(carryInto(s.high, bytesWhere(static_cast<uint32_t>(arriving >> 32))),
                             load(keepHigh))};
}

// x - y, both normalised, x not the smaller.
AVX2_HELPER ColumnBytes subtractColumns(const ColumnBytes& x, const ColumnBytes& y)
{
    const ColumnBytes d{_mm256_sub_epi8(x.low, y.low), _mm256_sub_epi8(x.high, y.high)};
    const __m256i zero = _mm256_setzero_si256();
    const uint64_t arriving = carriesArriving(columnsBelow(d, zero), columnsEqual(d, zero));
    return {borrowFrom(d.low, bytesWhere(static_cast<uint32_t>(arriving))),
            borrowFrom(d.high, bytesWhere(static_cast<uint32_t>(arriving >> 32)))};
}

// A value as a SignedAmount's 45 bytes (sign, integer digits, fraction
// digits, each with its zero byte) in two windows, bytes 0-31 and 29-44,
// stored without a mask: each byte the column it shows, from columns 60
// down to 20, or a zero where it shows none; the sign and the digits' "0"
// are added after.
static_assert(sizeof(SignedAmount) == 45 && offsetof(SignedAmount, integer) == 2 &&
              offsetof(SignedAmount, fraction) == 24);

constexpr int textColumn(int byte)
{
    if (byte >= 2 && byte < 23) return 62 - byte;   // integer character byte - 2: column 60 - (byte - 2)
    if (byte >= 24 && byte < 44) return 63 - byte;  // fraction character byte - 24: column 39 - (byte - 24)
    return -1;
}

constexpr int8_t indexIn(int column, int start)
{
    return column >= start && column < start + 16 ? int8_t(column - start) : none;
}

// The head's halves come from columns 48-63 and 32-47 (the high bytes with
// halves swapped), but for byte 15, column 47; the tail from columns 32-47
// and 16-31.
constexpr auto headSwapped =
    lanes<int8_t, 32>([](int b) { return indexIn(textColumn(b), b < 16 ? 48 : 32); });
constexpr auto headInPlace =
    lanes<int8_t, 32>([](int b) { return b < 16 ? indexIn(textColumn(b), 32) : none; });
constexpr auto tailFrom32 = lanes<int8_t, 16>([](int b) { return indexIn(textColumn(29 + b), 32); });
constexpr auto tailFrom16 = lanes<int8_t, 16>([](int b) { return indexIn(textColumn(29 + b), 16); });
constexpr auto headCodes = lanes<int8_t, 32>([](int b) { return textColumn(b) >= 0 ? '0' : 0; });
constexpr auto tailCodes = lanes<int8_t, 16>([](int b) { return textColumn(29 + b) >= 0 ? '0' : 0; });

struct Text {
    __m256i head;  // bytes 0-31
    __m128i tail;  // bytes 29-44
};

// The codes to add to the gathered bytes: the digits' "0" and the sign.
AVX2_HELPER Text textCodes(char sign)
{
    return {_mm256_or_si256(load(headCodes),
                            _mm256_zextsi128_si256(_mm_cvtsi32_si128(static_cast<uint8_t>(sign)))),
            load128(tailCodes)};
}

AVX2_HELPER Text textOf(const ColumnBytes& s, const Text& codes)
{
    const __m256i swapped = _mm256_permute2x128_si256(s.high, s.high, 0x01);
    const __m256i head = _mm256_or_si256(_mm256_shuffle_epi8(swapped, load(headSwapped)),
                                         _mm256_shuffle_epi8(s.high, load(headInPlace)));
    const __m128i tail =
        _mm_or_si128(_mm_shuffle_epi8(_mm256_castsi256_si128(s.high), load128(tailFrom32)),
                     _mm_shuffle_epi8(_mm256_extracti128_si256(s.low, 1), load128(tailFrom16)));
    return {_mm256_add_epi8(head, codes.head), _mm_add_epi8(tail, codes.tail)};
}

AVX2_HELPER void storeText(const Text& text, SignedAmount& s)
{
    char* bytes = reinterpret_cast<char*>(&s);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(bytes), text.head);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(bytes + 29), text.tail);
}

// A vector's cells as columns 20 to 60, the others zero; once a run, so
// through memory.
AVX2_HELPER ColumnBytes columnsOf(const AmountVector& v)
{
    alignas(32) uint8_t columns[64] = {};
    for (std::size_t k = 0; k < amountCells; ++k) columns[fractionDigits + k] = static_cast<uint8_t>(v[k]);
    return {_mm256_load_si256(reinterpret_cast<const __m256i*>(columns)),
            _mm256_load_si256(reinterpret_cast<const __m256i*>(columns + 32))};
}

AVX2_HELPER __m256i load16(const int16_t (&lanes)[16])
{
    return _mm256_load_si256(reinterpret_cast<const __m256i*>(lanes));
}

// The same columns as 16-bit lanes in the order of the sums.
AVX2_HELPER Columns wideColumns(const AmountVector& v)
{
    alignas(32) int16_t columns[4][16] = {};
    for (int c = fractionDigits; c < fractionDigits + int(amountCells); ++c)
        columns[c / 8 % 4][c / 32 * 8 + c % 8] = static_cast<int16_t>(v[c - fractionDigits]);
    return {{load16(columns[0]), load16(columns[1]), load16(columns[2]), load16(columns[3])}};
}

// Normalised columns 20 to 60 added to the first 41 cells of a vector.
template <std::size_t L>
AVX2_HELPER void addColumns(const ColumnBytes& s, DigitVector<L>& v)
{
    alignas(32) uint8_t columns[64];
    _mm256_store_si256(reinterpret_cast<__m256i*>(columns), s.low);
    _mm256_store_si256(reinterpret_cast<__m256i*>(columns + 32), s.high);
    for (std::size_t k = 0; k < amountCells; ++k) v[k] += columns[fractionDigits + k];
}

// ---- From the sum to the next balance -----------------------------------

// The column sums as bytes: packing pairs of registers gives columns 0-15
// and 32-47 in one (g02), 16-31 and 48-63 in the other (g13).
struct Packed {
    __m256i g02, g13;
};

AVX2_HELPER Packed pack(const Columns& s)
{
    return {_mm256_packus_epi16(s.c[0], s.c[1]), _mm256_packus_epi16(s.c[2], s.c[3])};
}

AVX2_HELPER ColumnBytes inOrder(const Packed& p)
{
    return {_mm256_permute2x128_si256(p.g02, p.g13, 0x20), _mm256_permute2x128_si256(p.g02, p.g13, 0x31)};
}

AVX2_HELPER __m256i groups13(const ColumnBytes& s) { return _mm256_permute2x128_si256(s.low, s.high, 0x31); }

// Three views of the column bytes for the shuffles below, which work within
// halves: g13 (columns 16-31 and 48-63), high (32-47 and 48-63) and top
// (48-63 and none).
enum View { G13, High, Top };

constexpr int viewStart(View v, int half)
{
    return v == G13 ? 16 + 32 * half : v == High ? 32 + 16 * half : half == 0 ? 48 : 1000;
}

// Byte b of pair register k as a shuffle of view v: the column it needs,
// where v is the first view to hold it.
constexpr int8_t pairIndex(int k, View v, int b)
{
    const int half = b / 16, lane = b % 16 / 2, high = b % 2;
    const int column = 20 + 8 * k + 32 * half + lane - high;
    if (column < 20 || column > 63) return none;
    const View views[] = {G13, High, Top};
    for (View w : views) {
        if (column >= viewStart(w, half) && column < viewStart(w, half) + 16)
            return w == v ? int8_t(column - viewStart(w, half)) : none;
    }
    return none;
}

template <int K, View V>
constexpr auto pairsFrom = lanes<int8_t, 32>([](int b) { return pairIndex(K, V, b); });

// The next balance's pairs straight from the sum's columns 20 up, before
// their last carries: cell c of the balance is column 20 + c.
AVX2_HELPER void nextPairs(__m256i g13, __m256i high, __m256i (&q)[4])
{
    const __m256i top = _mm256_permute2x128_si256(high, high, 0x81);
    q[0] = _mm256_shuffle_epi8(g13, load(pairsFrom<0, G13>));
    q[1] = _mm256_or_si256(_mm256_shuffle_epi8(g13, load(pairsFrom<1, G13>)),
                           _mm256_shuffle_epi8(high, load(pairsFrom<1, High>)));
    q[2] = _mm256_shuffle_epi8(high, load(pairsFrom<2, High>));
    q[3] = _mm256_or_si256(_mm256_shuffle_epi8(high, load(pairsFrom<3, High>)),
                           _mm256_shuffle_epi8(top, load(pairsFrom<3, Top>)));
}

// What one carry into cell 0 of the balance adds to the sum: the rate's
// digits in columns 0-19 and a one in column 20.
AVX2_HELPER Columns carryColumns(const DigitField<fractionDigits>& rate)
{
    alignas(32) int16_t columns[3][16] = {};
    for (int j = 0; j < fractionDigits; ++j) columns[j / 8][j % 8] = static_cast<int16_t>(rate[19 - j] - '0');
    columns[2][4] = 1;
    return {{load16(columns[0]), load16(columns[1]), load16(columns[2]), _mm256_setzero_si256()}};
}

// A transaction's sum, kept until its texts are written.
struct Pending {
    ColumnBytes sum;
    uint64_t arriving;
};

// Transaction i's amount and new balance, and the next one's old balance,
// from its sum; `balance`, the one before, becomes this one.
AVX2_HELPER void writeValues(const Pending& p, const Text& codes, Transaction* t, int32_t i, int32_t count,
                             ColumnBytes& balance)
{
    const ColumnBytes settled = settledBalance(p.sum, p.arriving);
    const Text text = textOf(settled, codes);
    storeText(textOf(subtractColumns(settled, balance), codes), t[i].amount);
    storeText(text, t[i].newBalance);
    if (i + 1 < count) storeText(text, t[i + 1].oldBalance);
    balance = settled;
}

// How many transactions behind the balance their texts are written: each
// from values long known, so that it does not hold up the next balance.
constexpr int32_t textsBehind = 4;

}  // namespace

AVX2_CODE bool Avx2MultiplyByRate(const AmountVector& a, const DigitField<fractionDigits>& rate,
                                  AmountVector& r)
{
    __m256i q[4];
    const ColumnBytes balance = columnsOf(a);
    nextPairs(groups13(balance), balance.high, q);
    Columns product = products(q, ratePairs(rate));
    moveHundredsAndTens(product);
    moveTens(product);
    const ColumnBytes p = inOrder(pack(product));
    const uint64_t arriving = carriesOf(p);
    r.fill(0);
    addColumns(settledBalance(p, arriving), r);
    return true;  // below 10^21 x 1: never more than 41 cells
}

// The balance goes from one transaction to the next as pairs and columns,
// and each waits only for the products and two rounds; the carry from
// columns 0-19 into column 20 is found beside the next transaction's
// products and added, times the rate, after its first round. The last
// carries, the amount (the new balance less the old) and the texts are
// worked out a few transactions later. A new balance's text is also
// the next transaction's old balance; the amounts add up to the last
// balance less the first, which goes into amountDigits once. A balance
// that reaches 10^21 is noted and the run goes on: balances only grow, so
// none after it fits.
AVX2_CODE bool Avx2ChargeInterestRun(AmountVector& b, char sign, const DigitField<fractionDigits>& rate,
                                     Transaction* t, int32_t count, TotalVector& amountDigits)
{
    const RatePairs r = ratePairs(rate);
    const Columns carried = carryColumns(rate);
    const Text codes = textCodes(sign);
    const ColumnBytes first = columnsOf(b);
    __m256i q[4];
    nextPairs(groups13(first), first.high, q);
    Columns sum = wideColumns(b);
    ColumnBytes balance = first;
    if (count > 0) storeText(textOf(first, codes), t[0].oldBalance);
    Pending pending[textsBehind]{};
    uint32_t carry = 0;
    uint64_t past60 = 0;  // where a balance reaches 10^21: columns 61-63 not zero, or a carry into them
    for (int32_t i = 0; i < count; ++i) {
        sum = balanceColumns(sum);
        addProducts(q, r, sum);
        moveHundredsAndTens(sum);
        const __m256i carries = _mm256_set1_epi16(static_cast<int16_t>(-carry));
        for (int k = 0; k < 3; ++k)
            sum.c[k] = _mm256_add_epi16(sum.c[k], _mm256_and_si256(carried.c[k], carries));
        moveTens(sum);
        const Packed packed = pack(sum);
        const ColumnBytes s = inOrder(packed);
        nextPairs(packed.g13, s.high, q);
        const uint64_t arriving = carriesOf(s);
        carry = static_cast<uint32_t>(arriving >> 20 & 1);
        const uint32_t nonzero =
            static_cast<uint32_t>(_mm256_movemask_epi8(_mm256_cmpgt_epi8(s.high, _mm256_setzero_si256())));
        past60 |= arriving >> 61 | nonzero >> 29;
        Pending& behind = pending[i % textsBehind];
        if (i >= textsBehind) writeValues(behind, codes, t, i - textsBehind, count, balance);
        behind = {s, arriving};
    }
    for (int32_t i = count > textsBehind ? count - textsBehind : 0; i < count; ++i)
        writeValues(pending[i % textsBehind], codes, t, i, count, balance);
    b.fill(0);
    addColumns(balance, b);
    addColumns(subtractColumns(balance, first), amountDigits);
    return past60 == 0;
}

#endif
