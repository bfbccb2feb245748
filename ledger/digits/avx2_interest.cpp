// Multiplication by the rate and runs of interest transactions on AVX2: the
// products and rounds of avx2_columns.h and avx2_rounds.h, the carries and
// texts of avx2_texts.h, and here the step from one sum to the next
// balance.
#include "ledger/digits/avx2_texts.h"

#if TARNWELL_AVX2_DIGITS

namespace avx2 {

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

}  // namespace avx2

using namespace avx2;


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
