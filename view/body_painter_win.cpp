#include "view/body_painter.h"

#include "focus/edit_focus.h"
#include "ledger/ledger.h"
#include "view/draw.h"

// A loan's or payment's amount on the screen: the sign its type gives, and
// the digits in their boxes.
static void drawAmountBoxes(HDC dc, const BodyColumns& c, const ValueCells& cells, int32_t i, int32_t top,
                            int32_t y)
{
    const Transaction& tr = ledger.table[i];
    const int32_t ch = c.text.charHeight;
    drawCentred(dc, cells.sign, y, tr.type == Payment ? "-" : "+");
    drawFieldBox(dc, {cells.integer.left, top, cells.integer.right, top + c.cell}, tr.amount.integer.data(),
                 IndentedText, isActiveTransactionField(editFocus, i, AmountInteger), ch);
    drawCentred(dc, cells.point, y, ".");
    drawFieldBox(dc, {cells.fraction.left, top, cells.fraction.right, top + c.cell},
                 tr.amount.fraction.data(), IndentedText,
                 isActiveTransactionField(editFocus, i, AmountFraction), ch);
}

void drawBodyLine(HDC dc, const BodyColumns& c, const BodyLine& b, int32_t top, int32_t y)
{
    const int32_t ch = c.text.charHeight;
    const ValueCells cells = valueCells(c.column, c.cell, c.text);
    if (b.idLength > 0) drawText(dc, c.left, y, b.id);
    switch (b.kind) {
    case DescriptionLine:
        if (c.boxes)
            drawFieldBox(dc, {c.column, top, c.right, top + c.cell}, b.text, IndentedText,
                         isActiveTransactionField(editFocus, b.transaction, Description), ch);
        else
            drawText(dc, c.column + ch, y, b.text);
        break;
    case LabelLine: drawText(dc, c.column, y, b.text); break;
    case SummaryLabelLine: drawText(dc, c.left, y, b.text); break;
    case AmountLine:
        if (c.boxes && ledger.table[b.transaction].type != Interest) {
            drawAmountBoxes(dc, c, cells, b.transaction, top, y);
            break;
        }
        [[fallthrough]];
    case ValueLine: drawValue(dc, cells, y, ch, *b.value); break;
    case RateLine: drawValueCells(dc, cells, y, ch, "+", "", b.rate->data()); break;
    case TotalLine:
        drawValueCells(dc, totalValueCells(c.column, c.cell, c.text), y, ch, b.total->sign.data(),
                       b.total->integer.data(), b.total->fraction.data());
        break;
    }
}

bool lineInClip(const RECT& clip, int32_t top, int32_t lineHeight)
{
    return top + lineHeight + 1 > clip.top && top - 1 < clip.bottom;
}
