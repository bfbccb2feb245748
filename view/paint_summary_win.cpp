#include <algorithm>

#include "ledger/ledger.h"
#include "view/draw.h"
#include "view/font.h"
#include "view/ledger_texts.h"
#include "view/paint.h"

// A row repeating a transaction's value: its identifier with the letter of
// the line repeated, and the value in the body's columns.
static void drawRepeatedValue(HDC dc, const TextMeasures& t, int32_t index, char letter,
                              const SignedAmount& value, int32_t y)
{
    if (index < 0) return;
    char id[lineTextSize];
    const Transaction& tr = ledger.table[index];
    formatLineId(id, tr.period, tr.number, letter);
    drawText(dc, screen.blockLeft, y, id);
    drawValueCells(dc, valueCells(bodyColumn(screen, t), screen.lineHeight, t), y, t.charHeight,
                   value.sign.data(), value.integer.data(), value.fraction.data());
}

static void drawTotal(HDC dc, const TextMeasures& t, const SignedTotal& total, int32_t y)
{
    drawValueCells(dc, totalValueCells(bodyColumn(screen, t), screen.lineHeight, t), y, t.charHeight,
                   total.sign.data(), total.integer.data(), total.fraction.data());
}

// The last transaction found for an amount row. The visible rows of a type
// come in order, so each continues the search from the one before instead of
// scanning the table from its start for every row.
struct AmountCursor {
    int32_t type, ordinal, index;
};

static int32_t transactionOfType(AmountCursor& c, int32_t type, int32_t ordinal)
{
    if (c.type == type && c.ordinal + 1 == ordinal && c.index >= 0) {
        int32_t i = c.index + 1;
        while (i < ledger.count && ledger.table[i].type != type) ++i;
        c = {type, ordinal, i < ledger.count ? i : -1};
    } else {
        c = {type, ordinal, nthTransactionOfType(ledger, type, ordinal)};
    }
    return c.index;
}

static void drawAmountOfType(HDC dc, const TextMeasures& t, AmountCursor& c, int32_t type, int32_t ordinal,
                             int32_t y)
{
    const int32_t index = transactionOfType(c, type, ordinal);
    if (index >= 0) drawRepeatedValue(dc, t, index, 'j', ledger.table[index].amount, y);
}

static void drawSummaryLine(HDC dc, const TextMeasures& t, const TypeCounts& counts, AmountCursor& c,
                            SummaryLine s, int32_t y)
{
    const LedgerTotals& totals = ledger.currentTotals;
    const int32_t last = ledger.count - 1;
    switch (s.row) {
    case InterestAmountRow: drawAmountOfType(dc, t, c, Interest, s.ordinal, y); break;
    case LoanAmountRow: drawAmountOfType(dc, t, c, Loan, s.ordinal, y); break;
    case PaymentAmountRow: drawAmountOfType(dc, t, c, Payment, s.ordinal, y); break;
    case InterestTotalRow: drawTotal(dc, t, totals.interestTotal, y); break;
    case LoanTotalRow: drawTotal(dc, t, totals.loanTotal, y); break;
    case PaymentTotalRow: drawTotal(dc, t, totals.paymentTotal, y); break;
    case TransactionTotalRow: drawTotal(dc, t, totals.transactionTotal, y); break;
    case BalancingTotalRow: drawTotal(dc, t, totals.balancingTotal, y); break;
    case BeginningBalanceRow: drawRepeatedValue(dc, t, 0, 'f', ledger.table[0].oldBalance, y); break;
    case EndingBalanceRow: drawRepeatedValue(dc, t, last, 'l', ledger.table[last].newBalance, y); break;
    default: {
        char label[lineTextSize];
        formatSummaryLabel(label, s.row, counts);
        drawText(dc, screen.blockLeft, y, label);
        break;
    }
    }
}

void paintSummary(HDC dc)
{
    const FontSelection font = selectLedgerFont(dc);
    beginLedgerText(dc);
    const TextMeasures t = measureLedgerText(dc);
    const TypeCounts counts = countTransactionTypes(ledger);
    const int32_t first = linesPerTransaction * ledger.count;
    const int32_t end = first + counts.interest + counts.loan + counts.payment + fixedSummaryLines;
    AmountCursor cursor{-1, -1, -1};
    for (int32_t line = std::max(firstVisibleLine(screen), first); line < end; ++line) {
        const int32_t top = lineTop(screen, line);
        if (top < screen.bodyTop) continue;
        if (top >= screen.clientHeight) break;
        const SummaryLine s = summaryLine(line - first, counts.interest, counts.loan, counts.payment);
        drawSummaryLine(dc, t, counts, cursor, s, textTop(screen, top, t.charHeight));
    }
    releaseLedgerFont(dc, font);
}
