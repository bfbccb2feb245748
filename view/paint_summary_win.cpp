#include <algorithm>

#include "ledger/body_lines.h"
#include "ledger/ledger.h"
#include "view/draw.h"
#include "view/font.h"
#include "view/paint.h"

// Labels stand at the block's left edge; a row repeating a transaction's
// value leads with its identifier and uses the body's value columns; the
// totals use the wider total columns.
static void drawSummaryLine(HDC dc, const TextMeasures& t, const BodyLine& b, int32_t y)
{
    const int32_t x0 = bodyColumn(screen, t);
    switch (b.kind) {
    case ValueLine:
        drawText(dc, screen.blockLeft, y, b.id);
        drawValue(dc, valueCells(x0, screen.lineHeight, t), y, t.charHeight, *b.value);
        break;
    case TotalLine:
        drawValueCells(dc, totalValueCells(x0, screen.lineHeight, t), y, t.charHeight, b.total->sign.data(),
                       b.total->integer.data(), b.total->fraction.data());
        break;
    default: drawText(dc, screen.blockLeft, y, b.text); break;
    }
}

void paintSummary(HDC dc)
{
    const FontSelection font = selectLedgerFont(dc);
    beginLedgerText(dc);
    const TextMeasures t = measureLedgerText(dc);
    LineWalker walker = startLineWalk(ledger, LineTexts::Screen);
    BodyLine b;
    const int32_t first = linesPerTransaction * ledger.count;
    for (int32_t line = std::max(firstVisibleLine(screen), first); line < ledger.bodyLineCount; ++line) {
        const int32_t top = lineTop(screen, line);
        if (top < screen.bodyTop) continue;
        if (top >= screen.clientHeight) break;
        describeBodyLine(walker, line, b);
        drawSummaryLine(dc, t, b, textTop(screen, top, t.charHeight));
    }
    releaseLedgerFont(dc, font);
}
