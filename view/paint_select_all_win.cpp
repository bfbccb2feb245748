#include "ledger/body_lines.h"
#include "focus/edit_focus.h"
#include "ledger/ledger.h"
#include "view/body_painter.h"
#include "view/draw.h"
#include "view/font.h"
#include "view/paint.h"

// The bands of one body line at text top y: over the text a label or
// description line shows, around the boxes of a loan's or payment's amount,
// and across the block on every other value line.
static void invertLine(HDC dc, const TextMeasures& t, const BodyLine& b, int32_t y)
{
    const int32_t ch = t.charHeight;
    const int32_t left = screen.blockLeft;
    const int32_t x0 = bodyColumn(screen, t);
    switch (b.kind) {
    case LabelLine: invertBand(dc, left, x0 + textWidth(dc, b.text, b.textLength), y, ch); return;
    case SummaryLabelLine: invertBand(dc, left, left + textWidth(dc, b.text, b.textLength), y, ch); return;
    case DescriptionLine:
        invertBand(dc, left, x0 - 1, y, ch);
        invertBand(dc, x0 + 2, x0 + ch + textWidth(dc, b.text, b.textLength), y, ch);
        return;
    case AmountLine:
        if (ledger.table[b.transaction].type != Interest) {
            const ValueCells c = valueCells(x0, screen.lineHeight, t);
            invertBand(dc, left, x0 + screen.lineHeight + ch - 1, y, ch);
            invertBand(dc, c.integer.left + 2, c.integer.right - 2, y, ch);
            invertBand(dc, c.point.left + 1, c.point.right - 1, y, ch);
            invertBand(dc, c.fraction.left + 2, c.fraction.right - 2, y, ch);
            return;
        }
        break;
    default: break;
    }
    invertBand(dc, left, screen.blockRight, y, ch);
}

// Inversion is its own inverse: this runs once per paint, after every other
// step, over the same visible lines in the clip box; the header is not
// inverted. The loan
// total's label is measured one blank wider than the screen draws it, as
// the report writes it.
void paintSelectAll(HDC dc)
{
    if (editFocus.area != WholeDocument) return;
    const FontSelection font = selectLedgerFont(dc);
    const TextMeasures t = measureLedgerText(dc);
    const int32_t first = summaryStart(ledger.count);
    LineWalker screenLines = startLineWalk(ledger, LineTexts::Screen);
    LineWalker summaryLines = startLineWalk(ledger, LineTexts::Report);
    BodyLine b;
    RECT clip;
    GetClipBox(dc, &clip);
    for (int32_t line = firstVisibleLine(screen); line < ledger.bodyLineCount; ++line) {
        const int32_t top = lineTop(screen, line);
        if (top >= screen.clientHeight || top - 1 >= clip.bottom) break;
        if (top < screen.bodyTop || !lineInClip(clip, top, screen.lineHeight)) continue;
        describeBodyLine(line < first ? screenLines : summaryLines, line, b);
        invertLine(dc, t, b, textTop(screen, top, t.charHeight));
    }
    releaseLedgerFont(dc, font);
}
