#include "ledger/body_lines.h"
#include "ledger/edit_focus.h"
#include "ledger/ledger.h"
#include "view/draw.h"
#include "view/font.h"
#include "view/paint.h"

// The rule under the header, doubled while a transaction field is active.
static void drawHeaderRule(HDC dc)
{
    const int32_t y = headerRuleY(screen);
    drawRule(dc, screen.blockLeft, screen.blockRight, y);
    if (editFocus.area == Transactions) drawRule(dc, screen.blockLeft, screen.blockRight, y + 1);
}

static void drawPageRules(HDC dc)
{
    const int32_t last = lastPageIndex(screen, ledger.bodyLineCount);
    for (int32_t p = firstPageRuleToDraw(screen); p <= last; ++p) {
        const int32_t y = pageRuleY(screen, p, last);
        if (y >= screen.clientHeight) break;
        if (y >= screen.bodyTop) drawRule(dc, screen.blockLeft, screen.blockRight, y);
    }
}

// Line j: an interest amount is computed and shown plain; a loan's or
// payment's digits are editable boxes behind a fixed sign.
static void drawAmountLine(HDC dc, const TextMeasures& t, int32_t i, int32_t top, int32_t y)
{
    const Transaction& tr = ledger.table[i];
    const ValueCells cells = valueCells(bodyColumn(screen, t), screen.lineHeight, t);
    if (tr.type == Interest) {
        drawValue(dc, cells, y, t.charHeight, tr.amount);
        return;
    }
    drawCentred(dc, cells.sign, y, tr.type == Payment ? "-" : "+");
    const PixelRect integerBox{cells.integer.left, top, cells.integer.right, top + screen.lineHeight};
    const PixelRect fractionBox{cells.fraction.left, top, cells.fraction.right, top + screen.lineHeight};
    drawFieldBox(dc, integerBox, tr.amount.integer.data(), IndentedText,
                 isActiveTransactionField(editFocus, i, AmountInteger), t.charHeight);
    drawCentred(dc, cells.point, y, ".");
    drawFieldBox(dc, fractionBox, tr.amount.fraction.data(), IndentedText,
                 isActiveTransactionField(editFocus, i, AmountFraction), t.charHeight);
}

static void drawTransactionLine(HDC dc, const TextMeasures& t, const BodyLine& b, int32_t top)
{
    const int32_t y = textTop(screen, top, t.charHeight);
    const int32_t x0 = bodyColumn(screen, t);
    const ValueCells cells = valueCells(x0, screen.lineHeight, t);
    drawText(dc, screen.blockLeft, y, b.id);
    switch (b.kind) {
    case DescriptionLine:
        drawFieldBox(dc, {x0, top, screen.blockRight, top + screen.lineHeight}, b.text, IndentedText,
                     isActiveTransactionField(editFocus, b.transaction, Description), t.charHeight);
        break;
    case ValueLine: drawValue(dc, cells, y, t.charHeight, *b.value); break;
    case RateLine: drawValueCells(dc, cells, y, t.charHeight, "+", "", b.rate->data()); break;
    case AmountLine: drawAmountLine(dc, t, b.transaction, top, y); break;
    default: drawText(dc, x0, y, b.text); break;
    }
}

void paintTransactions(HDC dc)
{
    const FontSelection font = selectLedgerFont(dc);
    beginLedgerText(dc);
    const TextMeasures t = measureLedgerText(dc);
    drawHeaderRule(dc);
    drawPageRules(dc);
    LineWalker walker = startLineWalk(ledger, LineTexts::Screen);
    BodyLine b;
    const int32_t end = linesPerTransaction * ledger.count;
    for (int32_t line = firstVisibleLine(screen); line < end; ++line) {
        const int32_t top = lineTop(screen, line);
        if (top < screen.bodyTop) continue;
        if (top >= screen.clientHeight) break;
        describeBodyLine(walker, line, b);
        drawTransactionLine(dc, t, b, top);
    }
    releaseLedgerFont(dc, font);
}
