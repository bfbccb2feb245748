#include <algorithm>

#include "edit/focus.h"
#include "ledger/ledger.h"
#include "view/draw.h"
#include "view/font.h"
#include "view/ledger_texts.h"
#include "view/paint.h"

// The bands of line k of transaction i, at text top y.
static void invertTransactionLine(HDC dc, const TextMeasures& t, int32_t i, int32_t k, int32_t y)
{
    const int32_t ch = t.charHeight;
    const int32_t left = screen.blockLeft;
    const int32_t x0 = bodyColumn(screen, t);
    const Transaction& tr = ledger.table[i];
    char text[lineTextSize];
    if (isTransactionLabelLine(k)) {
        formatTransactionLabel(text, ledger, i, k);
        invertBand(dc, left, x0 + textWidth(dc, text), y, ch);
    } else if (k == 0) {
        const int32_t length = storedTextLength(tr.description.data(), descriptionSize);
        invertBand(dc, left, x0 - 1, y, ch);
        invertBand(dc, x0 + 2, x0 + ch + textWidth(dc, tr.description.data(), length), y, ch);
    } else if (k == 9 && tr.type != Interest) {
        const ValueCells c = valueCells(x0, screen.lineHeight, t);
        invertBand(dc, left, x0 + screen.lineHeight + ch - 1, y, ch);
        invertBand(dc, c.integer.left + 2, c.integer.right - 2, y, ch);
        invertBand(dc, c.point.left + 1, c.point.right - 1, y, ch);
        invertBand(dc, c.fraction.left + 2, c.fraction.right - 2, y, ch);
    } else {
        invertBand(dc, left, screen.blockRight, y, ch);
    }
}

static void invertSummaryLine(HDC dc, const TextMeasures& t, const TypeCounts& counts, SummaryRow row,
                              int32_t y)
{
    char label[lineTextSize];
    if (formatSummaryBandLabel(label, row, counts) > 0)
        invertBand(dc, screen.blockLeft, screen.blockLeft + textWidth(dc, label), y, t.charHeight);
    else
        invertBand(dc, screen.blockLeft, screen.blockRight, y, t.charHeight);
}

// Inversion is its own inverse: this runs once per paint, after every other
// step, over the same visible lines; the header is not inverted.
void paintSelectAll(HDC dc)
{
    if (editFocus.area != WholeDocument) return;
    const FontSelection font = selectLedgerFont(dc);
    const TextMeasures t = measureLedgerText(dc);
    const TypeCounts counts = countTransactionTypes(ledger);
    const int32_t first = linesPerTransaction * ledger.count;
    const int32_t end = first + counts.interest + counts.loan + counts.payment + fixedSummaryLines;
    for (int32_t line = firstVisibleLine(screen); line < end; ++line) {
        const int32_t top = lineTop(screen, line);
        if (top < screen.bodyTop) continue;
        if (top >= screen.clientHeight) break;
        const int32_t y = textTop(screen, top, t.charHeight);
        if (line < first)
            invertTransactionLine(dc, t, line / linesPerTransaction, line % linesPerTransaction, y);
        else
            invertSummaryLine(dc, t, counts,
                              summaryLine(line - first, counts.interest, counts.loan, counts.payment).row, y);
    }
    releaseLedgerFont(dc, font);
}
