#include "print/report_body.h"

#include "ledger/body_lines.h"
#include "ledger/ledger.h"
#include "print/page_layout.h"
#include "print/page_footer.h"
#include "view/body_painter.h"
#include "view/draw.h"
#include "view/font.h"
#include "view/layout.h"

// The printer's measures for the report: the screen's columns built from
// the printer font, the sign cell as wide as a screen line is high; the
// lines plain, without boxes, every amount with its stored sign.
struct ReportColumns {
    BodyColumns lines;
    PrintPage page;
};

static ReportColumns measureReport(HDC dc)
{
    ReportColumns c{};
    const TextMeasures t = measureLedgerText(dc);
    const int32_t signCell = measureLineHeight(dc);
    c.page = printPageFor(measurePrinter(dc), blockWidth(t, signCell), screen.linesPerPage);
    c.lines = {t, c.page.left, c.page.left + t.idWidth + t.charHeight, signCell, 0, false};
    return c;
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
        drawBodyLine(dc, c.lines, b, y, y + (c.page.linePitch - c.lines.text.charHeight) / 2);
    }
    releaseLedgerFont(dc, font);
}
