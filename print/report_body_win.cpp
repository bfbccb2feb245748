#include "print/report_body.h"

#include "ledger/body_lines.h"
#include "ledger/ledger.h"
#include "print/page_layout.h"
#include "print/page_footer.h"
#include "view/draw.h"
#include "view/font.h"
#include "view/layout.h"

// The printer's measures for the report: the screen's columns built from
// the printer font, the sign cell as wide as a screen line is high.
struct ReportColumns {
    TextMeasures text;
    int32_t signCell;
    int32_t bodyLeft;  // x0: labels and value cells
    PrintPage page;
};

static ReportColumns measureReport(HDC dc)
{
    ReportColumns c{};
    c.text = measureLedgerText(dc);
    c.signCell = measureLineHeight(dc);
    c.page = printPageFor(measurePrinter(dc), blockWidth(c.text, c.signCell), screen.linesPerPage);
    c.bodyLeft = c.page.left + c.text.idWidth + c.text.charHeight;
    return c;
}

// One body line with its text top at y: the screen's texts and columns
// without boxes, and every amount with its stored sign.
static void printLine(HDC dc, const ReportColumns& c, const BodyLine& b, int32_t y)
{
    const int32_t ch = c.text.charHeight;
    if (b.idLength > 0) drawText(dc, c.page.left, y, b.id);
    switch (b.kind) {
    case DescriptionLine: drawText(dc, c.bodyLeft + ch, y, b.text); break;
    case LabelLine: drawText(dc, c.bodyLeft, y, b.text); break;
    case SummaryLabelLine: drawText(dc, c.page.left, y, b.text); break;
    case ValueLine:
    case AmountLine: drawValue(dc, valueCells(c.bodyLeft, c.signCell, c.text), y, ch, *b.value); break;
    case RateLine:
        drawValueCells(dc, valueCells(c.bodyLeft, c.signCell, c.text), y, ch, "+", "", b.rate->data());
        break;
    case TotalLine:
        drawValueCells(dc, totalValueCells(c.bodyLeft, c.signCell, c.text), y, ch, b.total->sign.data(),
                       b.total->integer.data(), b.total->fraction.data());
        break;
    }
}

// Ends the full sheet and starts the next with its footer; the new page
// gets the ledger font and the transparent background again.
static void nextSheet(HDC dc, HFONT font)
{
    EndPage(dc);
    StartPage(dc);
    printPageFooter(dc);
    SelectObject(dc, font);
    beginLedgerText(dc);
}

void printReportBody(HDC dc)
{
    pageCounter = 1;
    printPageFooter(dc);
    const FontSelection font = selectLedgerFont(dc);
    beginLedgerText(dc);
    const ReportColumns c = measureReport(dc);
    LineWalker walker = startLineWalk(ledger, LineTexts::Report);
    BodyLine b;
    const int32_t lines = bodyLineCountFor(ledger.count);
    int32_t y = c.page.top;
    for (int32_t line = 0; line < lines; ++line) {
        if (placeLine(c.page, ledger.count, line, y)) nextSheet(dc, font.font);
        describeBodyLine(walker, line, b);
        printLine(dc, c, b, y + (c.page.linePitch - c.text.charHeight) / 2);
    }
    releaseLedgerFont(dc, font);
}
