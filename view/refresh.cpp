#include "view/refresh.h"

#include "focus/fields.h"
#include "ledger/body_lines.h"

// How a row's rectangles are cut: rows inside a transaction and the
// summary's interest amounts keep a pixel off the line's edges and the
// cells' right edges, and inset their sign cells; the later summary rows
// take whole cells, the interest total over the inset band, the rest over
// the full line.
enum RowCut : int32_t { InsetRow, InsetBandWholeCells, FullRow };

struct Refresh {
    const ScreenMetrics& m;
    const TextMeasures& t;
    RepaintRect repaint;
    bool ended;  // a row at or below the client area's bottom was reached
};

struct RowPlace {
    int32_t top, bottom;
    RowCut cut;
};

// The row's band, or false when it lies above the body (skipped) or below
// the client area (which ends the refresh).
static bool placeRow(Refresh& r, int32_t line, RowCut cut, RowPlace& place)
{
    const int32_t top = lineTop(r.m, line);
    if (top >= r.m.clientHeight) r.ended = true;
    if (r.ended || top < r.m.bodyTop) return false;
    const bool inset = cut != FullRow;
    place = {inset ? top + 1 : top, inset ? top + r.m.lineHeight - 1 : top + r.m.lineHeight, cut};
    return true;
}

// The ledger font is fixed-pitch: k digits take k twentieths of twenty.
static int32_t digitsWidth(const TextMeasures& t, int32_t k) { return t.fracWidth * k / fractionDigits; }

static void compareSign(Refresh& r, const RowPlace& p, CellSpan cell, const SignField& old,
                        const SignField& now)
{
    if (old == now) return;
    const int32_t inset = p.cut == InsetRow ? 1 : 0;
    r.repaint({cell.left + inset, p.top, cell.right - inset, p.bottom});
}

// Digits of `size` bytes, terminator included: from the first differing
// byte to the cell's end.
static void compareDigits(Refresh& r, const RowPlace& p, CellSpan cell, const char* old, const char* now,
                          int32_t size)
{
    int32_t k = 0;
    while (k < size && old[k] == now[k]) ++k;
    if (k == size) return;
    const int32_t right = p.cut == InsetRow ? cell.right - 1 : cell.right;
    r.repaint({cell.left + r.t.charHeight + digitsWidth(r.t, k), p.top, right, p.bottom});
}

template <typename Signed>
static void compareValue(Refresh& r, const RowPlace& p, const ValueCells& cells, const Signed& old,
                         const Signed& now)
{
    compareSign(r, p, cells.sign, old.sign, now.sign);
    compareDigits(r, p, cells.integer, old.integer.data(), now.integer.data(), int32_t(old.integer.size()));
    compareDigits(r, p, cells.fraction, old.fraction.data(), now.fraction.data(),
                  int32_t(old.fraction.size()));
}

static bool committedRate(const EditFocus& c) { return isActiveHeaderField(c, RateFraction); }

// Lines f, h, j (interest only) and l of every transaction not wholly above
// the scroll position.
static void refreshTransactions(Refresh& r, const Ledger& l, const TransactionTable& before,
                                const EditFocus& committed, const std::array<char, 128>& saved)
{
    const ValueCells cells = valueCells(bodyColumn(r.m, r.t), r.m.lineHeight, r.t);
    RowPlace p;
    using enum TransactionLine;
    const StoredText rate = storedText(headerFieldId(RateFraction), l);
    for (int32_t i = transactionOfLine(r.m.scrollLine); i < l.count && !r.ended; ++i) {
        const Transaction& old = before[i];
        const Transaction& now = l.table[i];
        if (placeRow(r, bodyLineOf(i, OldBalance), InsetRow, p))
            compareValue(r, p, cells, old.oldBalance, now.oldBalance);
        if (committedRate(committed) && placeRow(r, bodyLineOf(i, Rate), InsetRow, p))
            compareDigits(r, p, cells.fraction, saved.data(), rate.bytes, rate.size);
        if (now.type == Interest && placeRow(r, bodyLineOf(i, Amount), InsetRow, p))
            compareValue(r, p, cells, old.amount, now.amount);
        if (placeRow(r, bodyLineOf(i, NewBalance), InsetRow, p))
            compareValue(r, p, cells, old.newBalance, now.newBalance);
    }
}

// A loan's or payment's amount row: only the committed part of the
// committed transaction's amount, against its bytes before the commit.
static void compareCommittedAmount(Refresh& r, const RowPlace& p, const ValueCells& cells, const Ledger& l,
                                   int32_t index, const EditFocus& committed,
                                   const std::array<char, 128>& saved)
{
    const FieldId field = fieldIdOf(committed);
    if (field.area != Transactions || field.transactionIndex != index ||
        field.transactionField == Description)
        return;
    const StoredText now = storedText(field, l);
    const CellSpan& cell = fieldShape(field) == IntegerKind ? cells.integer : cells.fraction;
    compareDigits(r, p, cell, saved.data(), now.bytes, now.size);
}

static void refreshSummary(Refresh& r, const Ledger& l, const TransactionTable& before,
                           const EditFocus& committed, const std::array<char, 128>& saved)
{
    const int32_t x0 = bodyColumn(r.m, r.t);
    const ValueCells cells = valueCells(x0, r.m.lineHeight, r.t);
    const ValueCells totalCells = totalValueCells(x0, r.m.lineHeight, r.t);
    const LedgerTotals& now = l.currentTotals;
    const LedgerTotals& old = l.previousTotals;
    const int32_t first = summaryStart(l.count);
    LineWalker walker = startLineWalk(l, LineTexts::Screen);
    BodyLine b;
    RowPlace p;
    for (int32_t line = first > r.m.scrollLine ? first : r.m.scrollLine; line < l.bodyLineCount && !r.ended;
         ++line) {
        const TypeCounts& c = walker.counts;
        const SummaryRow row = summaryLine(line - first, c.interest, c.loan, c.payment).row;
        const RowCut cut = row == InterestAmountRow  ? InsetRow
                           : row == InterestTotalRow ? InsetBandWholeCells
                                                     : FullRow;
        if (!placeRow(r, line, cut, p)) continue;
        describeBodyLine(walker, line, b);
        const int32_t i = b.transaction;
        switch (row) {
        case InterestAmountRow: compareValue(r, p, cells, before[i].amount, l.table[i].amount); break;
        case LoanAmountRow:
        case PaymentAmountRow: compareCommittedAmount(r, p, cells, l, i, committed, saved); break;
        case BeginningBalanceRow:
            compareValue(r, p, cells, before[i].oldBalance, l.table[i].oldBalance);
            break;
        case EndingBalanceRow: compareValue(r, p, cells, before[i].newBalance, l.table[i].newBalance); break;
        case InterestTotalRow: compareValue(r, p, totalCells, old.interestTotal, now.interestTotal); break;
        case LoanTotalRow: compareValue(r, p, totalCells, old.loanTotal, now.loanTotal); break;
        case PaymentTotalRow: compareValue(r, p, totalCells, old.paymentTotal, now.paymentTotal); break;
        case TransactionTotalRow:
            compareValue(r, p, totalCells, old.transactionTotal, now.transactionTotal);
            break;
        case BalancingTotalRow: compareValue(r, p, totalCells, old.balancingTotal, now.balancingTotal); break;
        default: break;
        }
    }
}

void refreshChangedCells(const Ledger& l, const TransactionTable& before, const EditFocus& committed,
                         const std::array<char, 128>& saved, const ScreenMetrics& m, const TextMeasures& t,
                         RepaintRect repaint)
{
    Refresh r{m, t, repaint, false};
    refreshTransactions(r, l, before, committed, saved);
    refreshSummary(r, l, before, committed, saved);
}
