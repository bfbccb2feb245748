#include "clipboard/report.h"

#include <cstring>

#include "ledger/body_lines.h"

// Where the report goes. Measuring (Write false) walks the very same pieces
// as building and only counts them, so the two cannot disagree.
template <bool Write>
struct ReportText {
    char* out;     // null while measuring
    int32_t size;  // bytes put so far
};

// Pieces of a known size are copied in place, without a library call.
template <bool Write>
static inline void putBytes(ReportText<Write>& r, const char* bytes, int32_t n)
{
    if constexpr (Write) std::memcpy(r.out + r.size, bytes, static_cast<std::size_t>(n));
    r.size += n;
}

// So are identifiers and labels, most of them a few words long: in words
// of eight, the last one overlapping the one before, then bytes.
template <bool Write>
static inline void putText(ReportText<Write>& r, const char* text, int32_t n)
{
    if constexpr (Write) {
        char* to = r.out + r.size;
        if (n >= 8) {
            for (int32_t k = 0; k + 8 < n; k += 8) std::memcpy(to + k, text + k, 8);
            std::memcpy(to + n - 8, text + n - 8, 8);
        } else {
            for (int32_t k = 0; k < n; ++k) to[k] = text[k];
        }
    }
    r.size += n;
}

// Runs of blanks of a size known where they are put, so that each becomes
// a few stores rather than a library call.
template <int32_t N, bool Write>
static inline void putBlanks(ReportText<Write>& r)
{
    if constexpr (Write) std::memset(r.out + r.size, ' ', static_cast<std::size_t>(N));
    r.size += N;
}

// Point, fraction and the two closing blanks: the right half shared by the
// value, rate and total lines, which puts every point in column 41.
template <bool Write>
static inline void putFractionPart(ReportText<Write>& r, const DigitField<fractionDigits>& fraction)
{
    putBytes(r, "  .  ", 5);
    putBytes(r, fraction.data(), fractionDigits);
    putBlanks<2>(r);
}

template <bool Write>
static inline void putValue(ReportText<Write>& r, const SignedAmount& v)
{
    putBlanks<3>(r);
    putBytes(r, v.sign.data(), 1);
    putBlanks<5>(r);
    putBytes(r, v.integer.data(), amountIntegerDigits);
    putFractionPart(r, v.fraction);
}

// The rate has no sign and no integer part: a fixed "+" and blanks instead.
template <bool Write>
static inline void putRate(ReportText<Write>& r, const DigitField<fractionDigits>& rate)
{
    putBytes(r, "   +", 4);
    putBlanks<5 + amountIntegerDigits>(r);
    putFractionPart(r, rate);
}

template <bool Write>
static inline void putTotal(ReportText<Write>& r, const SignedTotal& v)
{
    putBlanks<7>(r);
    putBytes(r, v.sign.data(), 1);
    putBlanks<5>(r);
    putBytes(r, v.integer.data(), totalIntegerDigits);
    putFractionPart(r, v.fraction);
}

// One line in the report's columns, with its CR LF, inlined where it is
// put: a call for each line cost a fifth of building the report. The place
// goes on in a copy of its own: the bytes put could otherwise be the place
// itself, and it would be read back after every one.
template <bool Write>
[[gnu::always_inline]] static inline void putLine(ReportText<Write>& to, const BodyLine& b)
{
    ReportText<Write> r = to;
    putText(r, b.id, b.idLength);
    switch (b.kind) {
    case DescriptionLine:
        putBlanks<4>(r);
        putText(r, b.text, b.textLength);
        break;
    case LabelLine:
        putBlanks<2>(r);
        putText(r, b.text, b.textLength);
        break;
    case SummaryLabelLine: putText(r, b.text, b.textLength); break;
    case ValueLine:
    case AmountLine: putValue(r, *b.value); break;
    case RateLine: putRate(r, *b.rate); break;
    case TotalLine: putTotal(r, *b.total); break;
    }
    putBytes(r, "\r\n", 2);
    to = r;
}

// Measuring takes the transactions' lines without their texts.
template <bool Write>
static void putReport(ReportText<Write>& r, const Ledger& l)
{
    LineWalker walker = startLineWalk(l, LineTexts::Report);
    for (int32_t i = 0; i < l.count; ++i) {
        const BodyLine* lines =
            Write ? describeTransactionLines(walker, i) : measureTransactionLines(walker, i);
        for (int32_t k = 0; k < linesPerTransaction; ++k) putLine(r, lines[k]);
    }
    BodyLine line;
    for (int32_t n = summaryStart(l.count); n < bodyLineCountFor(l.count); ++n) {
        describeBodyLine(walker, n, line);
        putLine(r, line);
    }
    putBytes(r, "", 1);  // the zero byte after the last line
}

int32_t measureLedgerReport(const Ledger& l)
{
    ReportText<false> r{nullptr, 0};
    putReport(r, l);
    return r.size;
}

int32_t buildLedgerReport(const Ledger& l, char* out)
{
    ReportText<true> r{out, 0};
    putReport(r, l);
    return r.size;
}
