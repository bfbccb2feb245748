#include "edit/field_geometry.h"
#include "edit/focus.h"
#include "ledger/ledger.h"
#include "view/draw.h"
#include "view/font.h"
#include "view/ledger_texts.h"
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

// Line 9: an interest amount is computed and shown plain; a loan's or
// payment's digits are editable boxes behind a fixed sign.
static void drawAmountLine(HDC dc, const TextMeasures& t, int32_t i, int32_t top, int32_t y)
{
    const Transaction& tr = ledger.table[i];
    const ValueCells cells = valueCells(bodyColumn(screen, t), screen.lineHeight, t);
    if (tr.type == Interest) {
        drawValueCells(dc, cells, y, t.charHeight, tr.amount.sign.data(), tr.amount.integer.data(),
                       tr.amount.fraction.data());
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

static void drawBalanceLine(HDC dc, const TextMeasures& t, const SignedAmount& value, int32_t y)
{
    const ValueCells cells = valueCells(bodyColumn(screen, t), screen.lineHeight, t);
    drawValueCells(dc, cells, y, t.charHeight, value.sign.data(), value.integer.data(),
                   value.fraction.data());
}

static void drawTransactionLine(HDC dc, const TextMeasures& t, int32_t i, int32_t k, int32_t top)
{
    const Transaction& tr = ledger.table[i];
    const int32_t y = textTop(screen, top, t.charHeight);
    const int32_t x0 = bodyColumn(screen, t);
    char text[lineTextSize];
    formatTransactionLineId(text, tr, k);
    drawText(dc, screen.blockLeft, y, text);
    switch (k) {
    case 0:
        drawFieldBox(dc, {x0, top, screen.blockRight, top + screen.lineHeight}, tr.description.data(),
                     IndentedText, isActiveTransactionField(editFocus, i, Description), t.charHeight);
        break;
    case 5: drawBalanceLine(dc, t, tr.oldBalance, y); break;
    case 7:
        drawValueCells(dc, valueCells(x0, screen.lineHeight, t), y, t.charHeight, "+", "",
                       ledger.header.ratePerPeriod.data());
        break;
    case 9: drawAmountLine(dc, t, i, top, y); break;
    case 11: drawBalanceLine(dc, t, tr.newBalance, y); break;
    default:
        formatTransactionLabel(text, ledger, i, k);
        drawText(dc, x0, y, text);
        break;
    }
}

void paintTransactions(HDC dc)
{
    const FontSelection font = selectLedgerFont(dc);
    beginLedgerText(dc);
    const TextMeasures t = measureLedgerText(dc);
    drawHeaderRule(dc);
    drawPageRules(dc);
    const int32_t end = linesPerTransaction * ledger.count;
    for (int32_t line = firstVisibleLine(screen); line < end; ++line) {
        const int32_t top = lineTop(screen, line);
        if (top < screen.bodyTop) continue;
        if (top >= screen.clientHeight) break;
        drawTransactionLine(dc, t, line / linesPerTransaction, line % linesPerTransaction, top);
    }
    releaseLedgerFont(dc, font);
}
